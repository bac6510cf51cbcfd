#pragma once

#include <QList>
#include <QString>

class Database;

// Deleting records from a list: every selected record is checked first, and one that a movement
// or an order names stops the whole deletion.
namespace GuardedDelete {

enum class Check {
    Ok,
    Failed,          // a count failed (message 20014)
    UsedInMovements, // 20015
    UsedInOrders,    // 20016
};

// Where the records are and which tables name them, all by the same key column.
struct Tables {
    QString records;
    QString key;
    QString movements;
    QString orders;
};

// Checks the records in order and stops at the first that may not go.
Check CheckAll(Database& db, const Tables& tables, const QList<int>& ids);

// Deletes each record on its own and returns the ones that went; a failing delete is skipped.
QList<int> DeleteAll(Database& db, const Tables& tables, const QList<int>& ids);

} // namespace GuardedDelete
