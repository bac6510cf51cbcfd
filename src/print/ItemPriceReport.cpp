#include "print/ItemPriceReport.h"

#include "company/Formats.h"
#include "store/Database.h"
#include "store/TableRecord.h"
#include "store/TextOrder.h"

#include <QHash>
#include <QSqlQuery>
#include <cmath>

namespace {

CurrencyAmount plus(const CurrencyAmount& a, const CurrencyAmount& b, int sign = 1) {
    return a.isValid() && b.isValid() ? CurrencyAmount::fromUnits(a.units() + sign * b.units())
                                      : CurrencyAmount::invalid();
}

// The average of a price column: its exact sum over the count, to the ten-thousandth, so that
// both back ends round alike (a decimal average and a binary one can fall either side of a half).
CurrencyAmount averageOf(const CurrencyAmount& sum, qint64 count) {
    if (!sum.isValid() || count <= 0)
        return CurrencyAmount::null();
    const long double units = static_cast<long double>(sum.units()) / count;
    return CurrencyAmount::fromUnits(qint64(std::llround(units)));
}

} // namespace

CurrencyAmount ItemPriceReport::SellingPrice(const ItemReportItem& item) {
    if (!item.prezzo.isValid())
        return CurrencyAmount::null();
    const double v = double(item.iva.value_or(0.0f));
    CurrencyAmount n = item.incIva ? DivideCurrency(item.prezzo, 1.0 + v) : item.prezzo;
    n = plus(n, MultiplyCurrency(n, double(item.ricarico.value_or(0.0f))));
    n = plus(n, MultiplyCurrency(n, double(item.sconto.value_or(0.0f))), -1);
    return plus(n, MultiplyCurrency(n, v));
}

CurrencyAmount ItemPriceReport::AveragePrice(const CurrencyAmount& price, double discount,
                                             double vat) {
    return MultiplyCurrency(price, (1.0 - discount) * (1.0 + vat));
}

bool ItemPriceReport::Compute(Database& db, const std::vector<ItemReportItem>& items,
                              ItemPriceReport* report) {
    report->m_lines.clear();
    QList<int> keys;
    QHash<int, size_t> lineOf;
    std::vector<Line> lines(items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        Line& l = lines[i];
        l.key = items[i].key;
        l.matricola = items[i].matricola;
        l.descrizione = items[i].descrizione;
        l.purchase = items[i].prezzo;
        l.selling = SellingPrice(items[i]);
        lineOf.insert(l.key, i);
        keys.append(l.key);
    }
    auto lineFor = [&](const QSqlQuery& q) -> Line* {
        const auto it = lineOf.constFind(q.value(0).toInt());
        return it == lineOf.constEnd() ? nullptr : &lines[*it];
    };

    // Averages of the loads and of the sales (unloads and receipts), per item.
    const QString averages = QStringLiteral(
        "SELECT SottoMovimenti.IDArticolo, SUM(SottoMovimenti.Prezzo), "
        "COUNT(SottoMovimenti.Prezzo), AVG(SottoMovimenti.Iva), AVG(SottoMovimenti.Sconto) "
        "FROM {rows} INNER JOIN Movimenti ON Movimenti.IDMovimento = SottoMovimenti.IDMovimento "
        "WHERE %1 AND {items} GROUP BY SottoMovimenti.IDArticolo");
    for (const bool sales : {false, true}) {
        const QString where = sales ? QStringLiteral("(Movimenti.Tipo = 1 OR Movimenti.Tipo = 3)")
                                    : QStringLiteral("Movimenti.Tipo = 0");
        const bool ok = ItemReportData::ForEachItemRow(
            db, keys, averages.arg(where), {}, {}, true, [&](const QSqlQuery& q) {
                Line* l = lineFor(q);
                if (!l)
                    return;
                const CurrencyAmount price =
                    averageOf(Record::ReadCurrency(q.value(1)), q.value(2).toLongLong());
                if (!price.isValid())
                    return;
                (sales ? l->avgSale : l->avgPurchase) =
                    AveragePrice(price, q.value(4).toDouble(), q.value(3).toDouble());
            });
        if (!ok)
            return false;
    }

    // The usual supplier: the name on most load rows of the item.
    struct Best {
        qint64 count = 0;
        QString name;
    };
    QHash<int, Best> usual;
    bool ok = ItemReportData::ForEachItemRow(
        db, keys,
        QStringLiteral("SELECT SottoMovimenti.IDArticolo, Movimenti.CliFor, "
                       "COUNT(Movimenti.IDCliFor) FROM {rows} INNER JOIN Movimenti "
                       "ON Movimenti.IDMovimento = SottoMovimenti.IDMovimento "
                       "WHERE Movimenti.Tipo = 0 AND {items} AND Movimenti.CliFor IS NOT NULL "
                       "GROUP BY SottoMovimenti.IDArticolo, Movimenti.CliFor"),
        {}, {}, true, [&](const QSqlQuery& q) {
            if (!lineOf.contains(q.value(0).toInt()))
                return;
            const int key = q.value(0).toInt();
            const QString name = Record::ReadText(q.value(1), 100);
            const qint64 count = q.value(2).toLongLong();
            if (count <= 0)
                return;
            Best& b = usual[key];
            if (count > b.count || (count == b.count && TextOrder::Compare(name, b.name) < 0)) {
                b.count = count;
                b.name = name;
            }
        });
    if (!ok)
        return false;
    for (auto it = usual.cbegin(); it != usual.cend(); ++it)
        if (const auto line = lineOf.constFind(it.key()); line != lineOf.constEnd())
            lines[*line].usualSupplier = it->name;

    // The best supplier: the one of the item's cheapest load (the earliest of equal ones).
    ok = ItemReportData::ForEachItemRow(
        db, keys,
        QStringLiteral(
            "SELECT IDArticolo, CliFor FROM (SELECT SottoMovimenti.IDArticolo AS IDArticolo, "
            "Movimenti.CliFor AS CliFor, ROW_NUMBER() OVER (PARTITION BY "
            "SottoMovimenti.IDArticolo ORDER BY SottoMovimenti.Prezzo, "
            "SottoMovimenti.IDSottoMovimento) AS Place FROM {rows} INNER JOIN Movimenti "
            "ON Movimenti.IDMovimento = SottoMovimenti.IDMovimento "
            "WHERE Movimenti.Tipo = 0 AND {items} AND SottoMovimenti.Prezzo IS NOT NULL) "
            "AS Loads WHERE Place = 1"),
        {}, {}, true, [&](const QSqlQuery& q) {
            if (Line* l = lineFor(q))
                l->bestSupplier = Record::ReadText(q.value(1), 100);
        });
    if (!ok)
        return false;
    report->m_lines = std::move(lines);
    return true;
}
