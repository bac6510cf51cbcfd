#pragma once

#include "common/ui/CPaneBar.h"

#include <QStringList>

class Profile;
class QStandardItemModel;
class QTreeView;

// A pane listing movements, one row each, the movement's key kept with the row. The column
// widths are stored in "List" under <widthKey>1, <widthKey>2, ... as the user drags them.
class CMovementListBar : public CPaneBar {
    Q_OBJECT
public:
    void clear();
    int movementId(int row) const;
    QTreeView* list() const { return m_list; }

    // Stores the column widths.
    void saveState();

protected:
    struct Columns {
        QStringList headings;
        QList<int> defaultWidths;
        QString widthKey;
        // The width keys' numbers by column when they are not 1, 2, 3, ...
        QList<int> widthNumbers = {};
    };
    CMovementListBar(int commandId, const QString& title, Profile& profile, const QString& listName,
                     const Columns& columns, QWidget* parent);

    void appendRow(int movementId, const QStringList& texts);
    // Right-aligns the texts of one column (amounts and quantities).
    void alignRight(int column);
    void changeEvent(QEvent* event) override;

private:
    QString widthKey(int column) const;
    void applyRowColours();

    Profile& m_profile;
    Columns m_columns;
    QTreeView* m_list;
    QStandardItemModel* m_model;
    QList<int> m_rightAligned;
};
