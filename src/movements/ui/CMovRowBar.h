#pragma once

#include "common/ui/CMovementListBar.h"

class Database;

// "Righe del movimento": the rows of the movement selected in the movements list.
class CMovRowBar : public CMovementListBar {
    Q_OBJECT
public:
    // The column widths are "List" RowMov1 to RowMov6.
    CMovRowBar(int commandId, Database& db, Profile& profile, QWidget* parent = nullptr);

    // Fills the list with this movement's rows, or empties it for 0.
    void showMovement(int movementId);

protected:
    void changeEvent(QEvent* event) override;

private:
    Database& m_db;
    Profile& m_profile;
};
