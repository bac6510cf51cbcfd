#pragma once

#include <QList>
#include <QString>

class Database;
class Profile;

// The rows of one movement as the rows pane shows them: the item's description, the quantity
// with its unit, the unit price, the discount, the tax and the row's total (net plus tax).
namespace MovementRows {

struct Row {
    int rowId = 0;
    QString texts[6];
};

// False when the query fails. A row whose item or unit has gone is still listed.
bool Load(Database& db, const Profile& profile, int movementId, QList<Row>* rows);

} // namespace MovementRows
