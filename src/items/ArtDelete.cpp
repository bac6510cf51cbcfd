#include "items/ArtDelete.h"

#include "store/Database.h"

#include <QSqlQuery>

namespace ArtDelete {

namespace {
// -1 on failure.
qint64 Count(Database& db, const QString& table, int itemId) {
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("SELECT COUNT(IDArticolo) AS Totale FROM %1 WHERE IDArticolo = ?")
                      .arg(table),
                  {itemId}) ||
        !q.next())
        return -1;
    return q.value(0).toLongLong();
}
} // namespace

Check CheckAll(Database& db, const QList<int>& itemIds) {
    for (int id : itemIds) {
        const qint64 movements = Count(db, QStringLiteral("SottoMovimenti"), id);
        if (movements < 0)
            return Check::Failed;
        if (movements > 0)
            return Check::UsedInMovements;
        const qint64 orders = Count(db, QStringLiteral("SottoOrdini"), id);
        if (orders < 0)
            return Check::Failed;
        if (orders > 0)
            return Check::UsedInOrders;
    }
    return Check::Ok;
}

int DeleteAll(Database& db, const QList<int>& itemIds) {
    int deleted = 0;
    for (int id : itemIds)
        if (db.execute(QStringLiteral("DELETE FROM Articoli WHERE IDArticolo = ?"), {id}))
            ++deleted;
    return deleted;
}

} // namespace ArtDelete
