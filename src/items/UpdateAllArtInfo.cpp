#include "items/UpdateAllArtInfo.h"

#include "common/Profile.h"
#include "common/WaitCursor.h"
#include "items/ArtCounters.h"
#include "items/StockQueries.h"
#include "store/Database.h"
#include "store/TableRecord.h"
#include "store/TransactionGuard.h"

#include <QHash>
#include <QSqlQuery>
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

} // namespace

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
    if (profile)
        profile->logStep(kLog, QStringLiteral("Lettura movimenti"));

    ItemInputs items;
    if (!ReadAllArtCounterInputs(db, &items))
        return -1;
    if (profile)
        profile->logStep(kLog, QStringLiteral("Scrittura articoli"));

    if (db.isPostgres()) {
        if (!writeBatches(db, items))
            return -1;
    } else {
        QSqlQuery write(db.handle());
        if (!write.prepare(ArtCountersUpdateStatement())) {
            db.setError(write.lastError());
            return -1;
        }
        for (const auto& [itemId, in] : items) {
            const QVariantList values = ArtCountersValues(ComputeArtCounters(in), itemId);
            for (int i = 0; i < values.size(); ++i)
                write.bindValue(i, db.bindable(values.at(i)));
            if (!write.exec()) {
                db.setError(write.lastError());
                return -1;
            }
        }
    }
    if (!guard.commit())
        return -1;
    if (profile)
        profile->deleteLog(kLog);
    return int(items.size());
}
