#include "store/GuardedDelete.h"

#include "store/Database.h"

#include <QSqlQuery>

namespace GuardedDelete {

namespace {
// -1 on failure.
qint64 Count(Database& db, const QString& table, const QString& key, int id) {
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("SELECT COUNT(%1) AS Totale FROM %2 WHERE %1 = ?").arg(key, table),
                  {id}) ||
        !q.next())
        return -1;
    return q.value(0).toLongLong();
}
} // namespace

Check CheckAll(Database& db, const Tables& tables, const QList<int>& ids) {
    for (int id : ids) {
        const qint64 movements = Count(db, tables.movements, tables.key, id);
        if (movements < 0)
            return Check::Failed;
        if (movements > 0)
            return Check::UsedInMovements;
        const qint64 orders = Count(db, tables.orders, tables.key, id);
        if (orders < 0)
            return Check::Failed;
        if (orders > 0)
            return Check::UsedInOrders;
    }
    return Check::Ok;
}

QList<int> DeleteAll(Database& db, const Tables& tables, const QList<int>& ids) {
    const QString sql =
        QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(tables.records, tables.key);
    QList<int> deleted;
    for (int id : ids)
        if (db.execute(sql, {id}))
            deleted << id;
    return deleted;
}

} // namespace GuardedDelete
