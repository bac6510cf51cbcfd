#include "items/StockCounters.h"

#include "items/ArtCounters.h"
#include "items/StockQueries.h"
#include "items/WaitCursor.h"
#include "shell/Profile.h"
#include "store/Database.h"
#include "store/TableRecord.h"

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

std::optional<double> readSum(const QVariant& v) {
    if (v.isNull())
        return std::nullopt;
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? std::optional<double>(d) : std::nullopt;
}

std::optional<double> sumValue(Database& db, const QString& sql, int itemId) {
    return readSum(singleValue(db, sql, itemId));
}

// Clears a crash-log entry the caller may have written. Nothing is written here: a profile
// write per recomputed item would cost more than the recomputation itself.
void clearLog(Profile* profile, const QString& key) {
    if (profile && profile->contains(Profile::Section::Log, key))
        profile->deleteLog(key);
}

float movementSum(Database& db, Profile* profile, int itemId, StockQueries::Sum kind,
                  const QString& logKey) {
    const std::optional<double> sum = sumValue(db, StockQueries::MovementSum(db, kind), itemId);
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

bool UpdateArtInfo(Database& db, Profile* profile, int itemId) {
    if (itemId <= 0)
        return true;
    Items::WaitCursor wait;

    // One pass over the item's rows gives what the three sums and the last-date query give
    // one by one; the counters are the same, in a quarter of the reads.
    ArtCounterInputs in;
    {
        QSqlQuery totals;
        if (db.query(totals, StockQueries::MovementTotals(db), {itemId}) && totals.next()) {
            in.carichi = readSum(totals.value(0));
            in.scarichi = readSum(totals.value(1));
            in.resi = readSum(totals.value(2));
            in.lastMov = Record::ReadDateTime(totals.value(3));
        }
    }
    for (const char* key :
         {"ArticoliView:GetArtCar", "ArticoliView:GetArtSca", "ArticoliView:GetArtReso"})
        clearLog(profile, QLatin1String(key));
    in.ordinato = sumValue(db, StockQueries::OpenOrderSum(db), itemId);

    QSqlQuery item;
    if (!db.query(item, StockQueries::ItemInputs(), {itemId}) || !item.next())
        return false;
    in.scortaMin = Record::ReadReal(item.value(1));
    in.giacInit = Record::ReadReal(item.value(2));
    // No unit, or a unit that has been deleted since: no abbreviation.
    if (!item.value(0).isNull())
        in.unitSigla = Record::ReadText(item.value(3), 5);
    item.finish();

    const ArtCounters counters = ComputeArtCounters(in);
    QSqlQuery write;
    if (!db.query(write, ArtCountersUpdateStatement(), ArtCountersValues(counters, itemId)) ||
        write.numRowsAffected() != 1)
        return false;
    clearLog(profile, kUpdateLog);
    return true;
}
