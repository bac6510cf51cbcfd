#pragma once

#include <QDockWidget>

// A dockable pane of the main frame. Tells apart the user's close button from the frame hiding
// the pane when another view comes up: only the first changes what the user wants to see.
class CPaneBar : public QDockWidget {
    Q_OBJECT
public:
    CPaneBar(int commandId, const QString& title, QWidget* parent = nullptr);

    int commandId() const { return m_commandId; }

Q_SIGNALS:
    void closedByUser();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    int m_commandId;
};
