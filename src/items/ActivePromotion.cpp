#include "items/ActivePromotion.h"

#include "store/Database.h"
#include "store/TableRecord.h"

#include <QSqlQuery>

bool FindActivePromotion(Database& db, int itemId, const QDateTime& day, ActivePromotion* out) {
    *out = ActivePromotion();
    const QString sql =
        db.isPostgres()
            ? QStringLiteral("SELECT TreXDue, DueXUno, Sconto FROM Offerte WHERE IDArticolo = ? "
                             "AND Attivo = TRUE AND ((DataInit <= ? AND DataEnd >= ?) OR "
                             "Sempre = TRUE) ORDER BY IDOfferta DESC")
            : QStringLiteral("SELECT TreXDue, DueXUno, Sconto FROM Offerte WHERE IDArticolo = ? "
                             "AND Attivo = 1 AND ((DataInit <= ? AND DataEnd >= ?) OR "
                             "Sempre = 1) ORDER BY IDOfferta DESC");
    QSqlQuery q;
    if (!db.query(q, sql, {itemId, day, day}))
        return false;
    if (q.next()) {
        out->found = true;
        out->treXDue = Record::ReadBit(q.value(0)).value_or(false);
        out->dueXUno = Record::ReadBit(q.value(1)).value_or(false);
        out->sconto = Record::ReadReal(q.value(2));
    }
    return !q.lastError().isValid();
}
