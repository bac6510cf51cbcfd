#include "items/CounterCheck.h"

#include "items/ArtCounters.h"
#include "items/StockCounters.h"
#include "items/UpdateAllArtInfo.h"
#include "store/Database.h"
#include "store/TableRecord.h"

#include <QHash>
#include <QSqlQuery>
#include <charconv>

namespace {

struct Stored {
    QString code;
    ArtCounters counters;
    std::optional<float> giacenza; // NULL is a difference from the 0 that is written
};

QString quantityText(const std::optional<float>& v) {
    if (!v)
        return QStringLiteral("NULL");
    // The shortest text that reads back as the same single-precision value.
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, *v).ptr;
    return QString::fromLatin1(buffer, int(end - buffer));
}

QString dateText(const QDateTime& v) {
    return v.isValid() ? v.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) : QStringLiteral("NULL");
}

QString unitText(const QString& v) {
    return v.isNull() ? QStringLiteral("NULL") : v;
}

void compare(int itemId, const Stored& stored, const ArtCounters& computed,
             std::vector<CounterDifference>* out) {
    const ArtCounters& s = stored.counters;
    auto add = [&](const char* column, const QString& a, const QString& b) {
        if (a != b)
            out->push_back({itemId, stored.code, QLatin1String(column), a, b});
    };
    add("UnMis", unitText(s.UnMis), unitText(computed.UnMis));
    add("Carichi", quantityText(s.Carichi), quantityText(computed.Carichi));
    add("Scarichi", quantityText(s.Scarichi), quantityText(computed.Scarichi));
    add("Resi", quantityText(s.Resi), quantityText(computed.Resi));
    add("Giacenza", quantityText(stored.giacenza), quantityText(computed.Giacenza));
    add("Riordino", quantityText(s.Riordino), quantityText(computed.Riordino));
    add("Ordinato", quantityText(s.Ordinato), quantityText(computed.Ordinato));
    add("LastMov", dateText(s.LastMov), dateText(computed.LastMov));
}

Stored readStored(const QSqlQuery& q) {
    Stored s;
    s.code = Record::ReadText(q.value(1), 30);
    s.counters.UnMis = Record::ReadText(q.value(2), 5);
    s.counters.Carichi = Record::ReadReal(q.value(3));
    s.counters.Scarichi = Record::ReadReal(q.value(4));
    s.counters.Resi = Record::ReadReal(q.value(5));
    s.giacenza = Record::ReadReal(q.value(6));
    s.counters.Riordino = Record::ReadReal(q.value(7));
    s.counters.Ordinato = Record::ReadReal(q.value(8));
    s.counters.LastMov = Record::ReadDateTime(q.value(9));
    return s;
}

const QString kStoredColumns =
    QStringLiteral("SELECT IDArticolo, Matricola, UnMis, Carichi, Scarichi, Resi, Giacenza, "
                   "Riordino, Ordinato, LastMov FROM Articoli");

} // namespace

bool CheckArtCounters(Database& db, int itemId, CounterCheckResult* result) {
    result->items = 0;
    result->differences.clear();
    QSqlQuery q;
    if (itemId > 0) {
        ArtCounterInputs in;
        bool found = false;
        if (!ReadArtCounterInputs(db, itemId, &in, &found) || !found)
            return false;
        if (!db.query(q, kStoredColumns + QStringLiteral(" WHERE IDArticolo = ?"), {itemId}) ||
            !q.next())
            return false;
        const Stored stored = readStored(q);
        q.finish();
        result->items = 1;
        compare(itemId, stored, ComputeArtCounters(in), &result->differences);
        return true;
    }

    ItemCounterInputs inputs;
    if (!ReadAllArtCounterInputs(db, &inputs))
        return false;
    // Both walks go by key, so one pass pairs them.
    if (!db.query(q, kStoredColumns + QStringLiteral(" WHERE IDArticolo > 0 ORDER BY IDArticolo")))
        return false;
    size_t i = 0;
    while (q.next()) {
        const int key = q.value(0).toInt();
        while (i < inputs.size() && inputs[i].first < key)
            ++i;
        if (i == inputs.size() || inputs[i].first != key)
            continue; // added since the inputs were read
        compare(key, readStored(q), ComputeArtCounters(inputs[i].second), &result->differences);
        ++result->items;
    }
    if (q.lastError().isValid()) {
        db.setError(q.lastError());
        return false;
    }
    return true;
}
