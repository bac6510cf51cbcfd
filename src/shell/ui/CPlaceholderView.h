#pragma once

#include "common/ui/CFrameView.h"

class QLabel;

// Stands in for a view that is not available yet: says so, and keeps its category's commands
// disabled.
class CPlaceholderView : public CFrameView {
    Q_OBJECT
public:
    CPlaceholderView(CMainDoc& doc, const QString& title, QWidget* parent = nullptr);

    QString text() const;

    // Empties the status bar's row count, which would otherwise still count another view's rows.
    void becameVisible() override;

private:
    QLabel* m_label;
};
