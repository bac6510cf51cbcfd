#include "items/UnitsOfMeasure.h"

#include "store/Database.h"
#include "store/Savepoint.h"
#include "store/TableRecord.h"
#include "store/TransactionGuard.h"

#include <QSqlQuery>

namespace UnitsOfMeasure {

namespace {
void cut(Unit& unit) {
    unit.sigla = Record::CutText(unit.sigla.trimmed(), kSiglaWidth);
    unit.descrizione = Record::CutText(unit.descrizione, kDescrizioneWidth);
}

// 1 when a row of the statement exists, 0 when none, -1 on failure.
int exists(Database& db, const QString& sql, int id) {
    QSqlQuery q;
    if (!db.query(q, sql, {id}))
        return -1;
    return q.next() ? 1 : 0;
}
} // namespace

bool List(Database& db, QList<Unit>* units) {
    units->clear();
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("SELECT IDUM, Sigla, Descrizione FROM UnMis WHERE IDUM > ? "
                                 "ORDER BY Sigla"),
                  {0}))
        return false;
    while (q.next())
        units->append({q.value(0).toInt(), Record::ReadText(q.value(1), kSiglaWidth),
                       Record::ReadText(q.value(2), kDescrizioneWidth)});
    return !q.lastError().isValid();
}

Result Insert(Database& db, Unit& unit) {
    cut(unit);
    if (unit.sigla.isEmpty())
        return Result::EmptySigla;
    QSqlQuery q;
    if (!db.query(
            q,
            QStringLiteral("INSERT INTO UnMis (Sigla, Descrizione) VALUES (?, ?) RETURNING IDUM"),
            {Record::BindText(unit.sigla, kSiglaWidth),
             Record::BindText(unit.descrizione, kDescrizioneWidth)}) ||
        !q.next())
        return Result::Failed;
    unit.id = q.value(0).toInt();
    return Result::Ok;
}

Result Save(Database& db, Unit& unit) {
    if (unit.id <= 0)
        return Result::NotSelected;
    cut(unit);
    if (unit.sigla.isEmpty())
        return Result::EmptySigla;
    // The items measured in the unit show a copy of its abbreviation: it changes with the unit,
    // or not at all. Items never recomputed (no copy yet) are left for their first recompute.
    TransactionGuard guard(db);
    Savepoint point(db);
    if (!guard.isActive() || !point.isActive())
        return Result::Failed;
    QSqlQuery q;
    if (!db.query(q, QStringLiteral("UPDATE UnMis SET Sigla = ?, Descrizione = ? WHERE IDUM = ?"),
                  {Record::BindText(unit.sigla, kSiglaWidth),
                   Record::BindText(unit.descrizione, kDescrizioneWidth), unit.id}) ||
        q.numRowsAffected() != 1)
        return Result::Failed;
    if (!db.execute(QStringLiteral("UPDATE Articoli SET UnMis = ? WHERE IDUM = ? AND UnMis IS NOT "
                                   "NULL"),
                    {Record::BindText(unit.sigla, kSiglaWidth), unit.id}) ||
        !point.release() || !guard.commit())
        return Result::Failed;
    return Result::Ok;
}

Result CheckDeletable(Database& db, int id) {
    const int items =
        exists(db, QStringLiteral("SELECT IDArticolo FROM Articoli WHERE IDUM = ?"), id);
    if (items != 0)
        return items > 0 ? Result::UsedByItems : Result::Failed;
    // Documents already written keep naming their unit: removing it would blank their rows.
    static const char* const rows[] = {
        "SELECT IDSottoMovimento FROM SottoMovimenti WHERE IDUM = ?",
        "SELECT IDSottoOrdine FROM SottoOrdini WHERE IDUM = ?",
        "SELECT IDArtProd FROM ArtProd WHERE IDUM = ?",
    };
    for (const char* sql : rows) {
        const int used = exists(db, QLatin1String(sql), id);
        if (used != 0)
            return used > 0 ? Result::UsedByRows : Result::Failed;
    }
    return Result::Ok;
}

Result Delete(Database& db, int id) {
    if (id <= 0)
        return Result::NotSelected;
    TransactionGuard guard(db);
    if (!guard.isActive())
        return Result::Failed;
    const Result check = CheckDeletable(db, id);
    if (check != Result::Ok)
        return check;
    QSqlQuery q;
    if (!db.query(q, QStringLiteral("DELETE FROM UnMis WHERE IDUM = ?"), {id}) ||
        q.numRowsAffected() != 1 || !guard.commit())
        return Result::Failed;
    return Result::Ok;
}

} // namespace UnitsOfMeasure
