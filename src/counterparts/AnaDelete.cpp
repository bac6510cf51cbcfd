#include "counterparts/AnaDelete.h"

#include "store/Database.h"

#include <QSqlQuery>

namespace AnaDelete {

namespace {
// -1 on failure.
qint64 Count(Database& db, const QString& table, int id) {
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("SELECT COUNT(IDCliFor) AS Totale FROM %1 WHERE IDCliFor = ?")
                      .arg(table),
                  {id}) ||
        !q.next())
        return -1;
    return q.value(0).toLongLong();
}
} // namespace

Check CheckAll(Database& db, const QList<int>& ids) {
    for (int id : ids) {
        const qint64 movements = Count(db, QStringLiteral("Movimenti"), id);
        if (movements < 0)
            return Check::Failed;
        if (movements > 0)
            return Check::UsedInMovements;
        const qint64 orders = Count(db, QStringLiteral("Ordini"), id);
        if (orders < 0)
            return Check::Failed;
        if (orders > 0)
            return Check::UsedInOrders;
    }
    return Check::Ok;
}

QList<int> DeleteAll(Database& db, const QList<int>& ids) {
    QList<int> deleted;
    for (int id : ids)
        if (db.execute(QStringLiteral("DELETE FROM CliFor WHERE IDCliFor = ?"), {id}))
            deleted << id;
    return deleted;
}

} // namespace AnaDelete
