#include "items/UpdateAllArtInfo.h"

#include "common/Profile.h"
#include "common/WaitCursor.h"
#include "items/ArtCounters.h"
#include "items/StockCounters.h"
#include "items/StockQueries.h"
#include "store/Database.h"
#include "store/TableRecord.h"
#include "store/TransactionGuard.h"

#include <QHash>
#include <QSqlQuery>
#include <algorithm>
#include <vector>

namespace {

const QString kLog = QStringLiteral("ArticoliView:UpdateAllArtInfo");

struct MovementSums {
    std::optional<double> carichi, scarichi, resi;
    QDateTime lastMov;
};

using ItemInputs = ItemCounterInputs;

// A round trip per item would dominate on a server: PostgreSQL gets its rows a few hundred at a
// time, each typed as its column so that nothing is converted on the way.
constexpr int kBatch = 500;

QString batchStatement(int rows) {
    const QString row = QStringLiteral(
        "(CAST(? AS INTEGER), CAST(? AS VARCHAR(5)), CAST(? AS REAL), CAST(? AS REAL), "
        "CAST(? AS REAL), CAST(? AS REAL), CAST(? AS REAL), CAST(? AS REAL), "
        "CAST(? AS TIMESTAMP))");
    return QStringLiteral(
               "UPDATE Articoli SET UnMis = v.UnMis, Carichi = v.Carichi, Scarichi = v.Scarichi, "
               "Resi = v.Resi, Giacenza = v.Giacenza, Riordino = v.Riordino, "
               "Ordinato = v.Ordinato, LastMov = v.LastMov FROM (VALUES %1) AS v(IDArticolo, "
               "UnMis, Carichi, Scarichi, Resi, Giacenza, Riordino, Ordinato, LastMov) "
               "WHERE Articoli.IDArticolo = v.IDArticolo")
        .arg(QStringList(rows, row).join(u','));
}

bool writeBatches(Database& db, const ItemInputs& items) {
    QSqlQuery full(db.handle());
    bool fullReady = false;
    for (size_t first = 0; first < items.size(); first += kBatch) {
        const int rows = int(std::min<size_t>(kBatch, items.size() - first));
        QSqlQuery tail(db.handle());
        QSqlQuery& q = rows == kBatch ? full : tail;
        if ((rows != kBatch || !fullReady) && !q.prepare(batchStatement(rows))) {
            db.setError(q.lastError());
            return false;
        }
        fullReady = fullReady || rows == kBatch;
        int index = 0;
        for (int r = 0; r < rows; ++r) {
            const auto& [itemId, in] = items[first + r];
            QVariantList values = ArtCountersValues(ComputeArtCounters(in), itemId);
            q.bindValue(index++, values.takeLast());
            for (const QVariant& v : values)
                q.bindValue(index++, db.bindable(v));
        }
        if (!q.exec()) {
            db.setError(q.lastError());
            return false;
        }
    }
    return true;
}

bool writeCounters(Database& db, const ItemInputs& items) {
    if (db.isPostgres())
        return writeBatches(db, items);
    QSqlQuery write(db.handle());
    if (!write.prepare(ArtCountersUpdateStatement())) {
        db.setError(write.lastError());
        return false;
    }
    for (const auto& [itemId, in] : items) {
        const QVariantList values = ArtCountersValues(ComputeArtCounters(in), itemId);
        for (int i = 0; i < values.size(); ++i)
            write.bindValue(i, db.bindable(values.at(i)));
        if (!write.exec()) {
            db.setError(write.lastError());
            return false;
        }
    }
    return true;
}

// Items read by one statement; well under either back end's limit of bound values.
constexpr int kListed = 200;

bool readListed(Database& db, const std::vector<int>& keys, ItemInputs* items) {
    QVariantList values;
    const QString sql = StockQueries::ListedItemTotals(db, keys, &values);
    QSqlQuery q;
    if (!db.query(q, sql, values))
        return false;
    while (q.next()) {
        ArtCounterInputs in;
        in.scortaMin = Record::ReadReal(q.value(2));
        in.giacInit = Record::ReadReal(q.value(3));
        // No unit, or a unit that has been deleted since: no abbreviation.
        if (!q.value(1).isNull())
            in.unitSigla = Record::ReadText(q.value(4), 5);
        in.carichi = ReadSum(q.value(5));
        in.scarichi = ReadSum(q.value(6));
        in.resi = ReadSum(q.value(7));
        in.lastMov = Record::ReadDateTime(q.value(8));
        in.ordinato = ReadSum(q.value(9));
        items->emplace_back(q.value(0).toInt(), std::move(in));
    }
    if (q.lastError().isValid()) {
        db.setError(q.lastError());
        return false;
    }
    return true;
}

} // namespace

bool UpdateArtInfoList(Database& db, Profile* profile, const QList<int>& items) {
    std::vector<int> keys;
    for (int key : items)
        if (key > 0)
            keys.push_back(key);
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    if (keys.empty())
        return true;
    Items::WaitCursor wait;
    size_t found = 0;
    bool ok = false;
    {
        TransactionGuard guard(db);
        ItemInputs inputs;
        ok = guard.isActive();
        for (size_t first = 0; ok && first < keys.size(); first += kListed)
            ok = LockItemsForCounters(
                db,
                std::vector<int>(keys.begin() + qsizetype(first),
                                 keys.begin() + qsizetype(std::min(keys.size(), first + kListed))));
        for (size_t first = 0; ok && first < keys.size(); first += kListed)
            ok = readListed(
                db,
                std::vector<int>(keys.begin() + qsizetype(first),
                                 keys.begin() + qsizetype(std::min(keys.size(), first + kListed))),
                &inputs);
        ok = ok && writeCounters(db, inputs) && guard.commit();
        found = inputs.size();
    }
    if (!ok) {
        // One at a time instead, so that only the items that fail keep their old counters.
        bool all = true;
        for (int key : keys)
            all = UpdateArtInfo(db, profile, key) && all;
        return all;
    }
    if (profile)
        for (const char* key : {"ArticoliView:GetArtCar", "ArticoliView:GetArtSca",
                                "ArticoliView:GetArtReso", "ArticoliView:UpdateArtInfo"})
            if (profile->contains(Profile::Section::Log, QLatin1String(key)))
                profile->deleteLog(QLatin1String(key));
    // An item that no longer exists could not be recomputed.
    return found == keys.size();
}

bool ReadAllArtCounterInputs(Database& db, ItemCounterInputs* items) {
    QHash<int, MovementSums> movements;
    QSqlQuery q;
    if (!db.query(q, StockQueries::AllMovementSums(db)))
        return false;
    while (q.next()) {
        MovementSums& s = movements[q.value(0).toInt()];
        s.carichi = ReadSum(q.value(1));
        s.scarichi = ReadSum(q.value(2));
        s.resi = ReadSum(q.value(3));
        s.lastMov = Record::ReadDateTime(q.value(4));
    }
    if (q.lastError().isValid()) {
        db.setError(q.lastError());
        return false;
    }

    QHash<int, double> orders;
    if (!db.query(q, StockQueries::AllOpenOrderSums(db)))
        return false;
    while (q.next()) {
        if (const std::optional<double> sum = ReadSum(q.value(1)))
            orders.insert(q.value(0).toInt(), *sum);
    }
    if (q.lastError().isValid()) {
        db.setError(q.lastError());
        return false;
    }

    // Read in full before writing: PostgreSQL's driver streams a forward-only result, and a
    // statement run meanwhile on the connection would cut it off.
    if (!db.query(q, StockQueries::AllItemInputs()))
        return false;
    while (q.next()) {
        const int itemId = q.value(0).toInt();
        ArtCounterInputs in;
        const auto m = movements.constFind(itemId);
        if (m != movements.constEnd()) {
            in.carichi = m->carichi;
            in.scarichi = m->scarichi;
            in.resi = m->resi;
            in.lastMov = m->lastMov;
        }
        const auto o = orders.constFind(itemId);
        if (o != orders.constEnd())
            in.ordinato = *o;
        in.scortaMin = Record::ReadReal(q.value(2));
        in.giacInit = Record::ReadReal(q.value(3));
        if (!q.value(1).isNull())
            in.unitSigla = Record::ReadText(q.value(4), 5);
        items->emplace_back(itemId, std::move(in));
    }
    if (q.lastError().isValid()) {
        db.setError(q.lastError());
        return false;
    }
    return true;
}

int UpdateAllArtInfo(Database& db, Profile* profile) {
    Items::WaitCursor wait;
    TransactionGuard guard(db);
    if (!guard.isActive())
        return -1;
    // Every item is written: another computer's recomputation of one of them waits until this
    // one has committed, and then reads what it wrote (see LockItemsForCounters). Plain reads
    // go on meanwhile.
    if (db.isPostgres() && !db.execute(QStringLiteral("LOCK TABLE Articoli IN EXCLUSIVE MODE")))
        return -1;
    if (profile)
        profile->logStep(kLog, QStringLiteral("Lettura movimenti"));

    ItemInputs items;
    if (!ReadAllArtCounterInputs(db, &items))
        return -1;
    if (profile)
        profile->logStep(kLog, QStringLiteral("Scrittura articoli"));

    if (!writeCounters(db, items) || !guard.commit())
        return -1;
    if (profile)
        profile->deleteLog(kLog);
    return int(items.size());
}
