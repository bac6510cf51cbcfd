#pragma once

#include "shell/ui/CPaneBar.h"

class Database;
class Profile;
class QStandardItemModel;
class QTreeView;

// "Ultimi 250 movimenti di magazzino": the latest movements of the counterpart selected in the
// counterparts list, which asks for them.
class CAnaMovBar : public CPaneBar {
    Q_OBJECT
public:
    CAnaMovBar(int commandId, Database& db, Profile& profile, QWidget* parent = nullptr);

    // Fills the list with this record's movements, or empties it for 0.
    void showCounterpart(int cliForId);
    void clear();
    int movementId(int row) const;
    QTreeView* list() const { return m_list; }

    // Stores the column widths ("List" AnaMov1 to AnaMov3).
    void saveState();

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyRowColours();

    Database& m_db;
    Profile& m_profile;
    QTreeView* m_list;
    QStandardItemModel* m_model;
};
