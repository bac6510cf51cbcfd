#pragma once

#include <QList>
#include <QString>

class Database;

// The items as the item lists of the windows show them: key and description, in alphabetical
// order on both back ends (a missing description first), the key where descriptions tie.
struct ItemName {
    int key = 0;
    QString description;
};
// False on failure (the database's error says why).
bool ItemNamesByDescription(Database& db, QList<ItemName>* list);
