#include "items/StockCounters.h"

#include "common/Profile.h"
#include "common/WaitCursor.h"
#include "items/ArtCounters.h"
#include "items/StockQueries.h"
#include "store/Database.h"
#include "store/TableRecord.h"
#include "store/TransactionGuard.h"

#include <QSqlQuery>

namespace {

const QString kUpdateLog = QStringLiteral("ArticoliView:UpdateArtInfo");

// The one value of a single-row query; null when there is none or the query fails.
QVariant singleValue(Database& db, const QString& sql, int itemId) {
    QSqlQuery q;
    if (!db.query(q, sql, {itemId}) || !q.next())
        return QVariant();
    return q.value(0);
}

// Clears a crash-log entry the caller may have written. Nothing is written here: a profile
// write per recomputed item would cost more than the recomputation itself.
void clearLog(Profile* profile, const QString& key) {
    if (profile && profile->contains(Profile::Section::Log, key))
        profile->deleteLog(key);
}

float movementSum(Database& db, Profile* profile, int itemId, StockQueries::Sum kind,
                  const QString& logKey) {
    const std::optional<double> sum =
        ReadSum(singleValue(db, StockQueries::MovementSum(db, kind), itemId));
    clearLog(profile, logKey);
    return sum ? float(*sum) : 0.0f;
}

} // namespace

float GetArtCar(Database& db, Profile* profile, int itemId) {
    return movementSum(db, profile, itemId, StockQueries::Sum::Carichi,
                       QStringLiteral("ArticoliView:GetArtCar"));
}

float GetArtSca(Database& db, Profile* profile, int itemId) {
    return movementSum(db, profile, itemId, StockQueries::Sum::Scarichi,
                       QStringLiteral("ArticoliView:GetArtSca"));
}

float GetArtReso(Database& db, Profile* profile, int itemId) {
    return movementSum(db, profile, itemId, StockQueries::Sum::Resi,
                       QStringLiteral("ArticoliView:GetArtReso"));
}

bool ReadArtCounterInputs(Database& db, int itemId, ArtCounterInputs* in, bool* found) {
    // One statement reads the item, one pass over its movement rows gives what the three sums
    // and the last-date query give one by one, and its open orders are summed alongside.
    // Both statements are kept prepared: an edit's save recomputes item after item.
    *found = false;
    QSqlQuery* q = db.queryPrepared(StockQueries::ItemTotals(db), {itemId, itemId, itemId});
    if (!q)
        return false;
    QSqlQuery& item = *q;
    if (!item.next()) {
        const bool ok = !item.lastError().isValid();
        if (!ok)
            db.setError(item.lastError());
        item.finish();
        return ok;
    }
    *found = true;
    in->scortaMin = Record::ReadReal(item.value(1));
    in->giacInit = Record::ReadReal(item.value(2));
    // No unit, or a unit that has been deleted since: no abbreviation.
    if (!item.value(0).isNull())
        in->unitSigla = Record::ReadText(item.value(3), 5);
    in->carichi = ReadSum(item.value(4));
    in->scarichi = ReadSum(item.value(5));
    in->resi = ReadSum(item.value(6));
    in->lastMov = Record::ReadDateTime(item.value(7));
    in->ordinato = ReadSum(item.value(8));
    // PostgreSQL's driver would have the next statement cut the result off; it is read.
    item.finish();
    return true;
}

bool UpdateArtInfo(Database& db, Profile* profile, int itemId) {
    if (itemId <= 0)
        return true;
    Items::WaitCursor wait;

    TransactionGuard guard(db);
    if (!guard.isActive() || !LockItemsForCounters(db, {itemId}))
        return false;
    ArtCounterInputs in;
    bool found = false;
    const bool read = ReadArtCounterInputs(db, itemId, &in, &found);
    // The sums have ended either way.
    for (const char* key :
         {"ArticoliView:GetArtCar", "ArticoliView:GetArtSca", "ArticoliView:GetArtReso"})
        clearLog(profile, QLatin1String(key));
    if (!read || !found)
        return false;

    const ArtCounters counters = ComputeArtCounters(in);
    QSqlQuery* write =
        db.queryPrepared(ArtCountersUpdateStatement(), ArtCountersValues(counters, itemId));
    if (!write)
        return false;
    const int written = write->numRowsAffected();
    write->finish();
    if (written != 1 || !guard.commit())
        return false;
    clearLog(profile, kUpdateLog);
    return true;
}

bool LockItemsForCounters(Database& db, const std::vector<int>& sortedKeys) {
    if (!db.isPostgres() || sortedKeys.empty())
        return true;
    QStringList marks;
    QVariantList values;
    for (int key : sortedKeys) {
        marks << QStringLiteral("?");
        values << key;
    }
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("SELECT IDArticolo FROM Articoli WHERE IDArticolo IN (%1) "
                                 "ORDER BY IDArticolo FOR UPDATE")
                      .arg(marks.join(u',')),
                  values))
        return false;
    while (q.next()) {
    }
    return !q.lastError().isValid();
}
