#pragma once

#include "shell/ui/CPaneBar.h"

class Profile;
class QStandardItemModel;
class QTreeView;

// "Movimenti di magazzino": the latest movements of the item selected in the items view, which
// fills the list.
class CMovArtBar : public CPaneBar {
    Q_OBJECT
public:
    struct Row {
        int movementId = 0;
        QString numero;
        QString data;
        QString tipo;
        QString cliFor;
    };

    CMovArtBar(int commandId, Profile& profile, QWidget* parent = nullptr);

    void setRows(const QList<Row>& rows);
    void clear();
    int movementId(int row) const;
    QTreeView* list() const { return m_list; }

    // Stores the column widths ("List" ArtMov1 to ArtMov4).
    void saveState();

Q_SIGNALS:
    // Double click on a row: the items view opens that movement.
    void movementActivated(int row, int movementId);

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyRowColours();

    Profile& m_profile;
    QTreeView* m_list;
    QStandardItemModel* m_model;
};
