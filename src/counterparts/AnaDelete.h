#pragma once

#include <QList>

class Database;

// Deleting counterparts from the list: every selected record is checked first, and one that a
// movement or an order names stops the whole deletion.
namespace AnaDelete {

enum class Check {
    Ok,
    Failed,          // a count failed (message 20014)
    UsedInMovements, // 20015
    UsedInOrders,    // 20016
};

// Checks the records in order and stops at the first that may not go.
Check CheckAll(Database& db, const QList<int>& ids);

// Deletes each record on its own and returns the ones that went; a failing delete is skipped.
QList<int> DeleteAll(Database& db, const QList<int>& ids);

} // namespace AnaDelete
