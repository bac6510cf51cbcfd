#pragma once

#include "common/ui/CMovementListBar.h"

class Database;

// "Ultimi 250 movimenti di magazzino": the latest movements of the counterpart selected in the
// counterparts list, which asks for them.
class CAnaMovBar : public CMovementListBar {
    Q_OBJECT
public:
    // The column widths are "List" AnaMov1 to AnaMov3.
    CAnaMovBar(int commandId, Database& db, Profile& profile, QWidget* parent = nullptr);

    // Fills the list with this record's movements, or empties it for 0.
    void showCounterpart(int cliForId);

protected:
    void changeEvent(QEvent* event) override;

private:
    Database& m_db;
    int m_shown = 0;
};
