#pragma once

#include <QList>

class Database;

// Deleting items from the list: every selected item is checked first, and one that is used
// anywhere stops the whole deletion.
namespace ArtDelete {

enum class Check {
    Ok,
    Failed,          // a count failed (message 20014)
    UsedInMovements, // 20015
    UsedInOrders,    // 20016
};

// Checks the items in order and stops at the first that may not go.
Check CheckAll(Database& db, const QList<int>& itemIds);

// Deletes each item (a failing delete is skipped) and returns how many went.
int DeleteAll(Database& db, const QList<int>& itemIds);

} // namespace ArtDelete
