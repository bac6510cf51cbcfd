#include "print/StockValueReport.h"

#include "company/Formats.h"
#include "movements/MovementTypes.h"
#include "store/Database.h"
#include "store/TableRecord.h"

#include <QHash>
#include <QSqlQuery>
#include <algorithm>
#include <tuple>

namespace {

qint64 unitsOf(const CurrencyAmount& a) {
    return a.isValid() ? a.units() : 0;
}

struct Group {
    int type = 0;
    float quantity = 0;
    CurrencyAmount price;
    double vat = 0, discount = 0;
};

// An amount times a rate, as MultiplyCurrency rounds it; a rate of 0 (most discounts, some
// VAT) gives 0 without the work.
CurrencyAmount times(const CurrencyAmount& amount, double rate) {
    return rate == 0 && amount.isValid() ? CurrencyAmount::fromUnits(0)
                                         : MultiplyCurrency(amount, rate);
}

// One group's amounts into the item's line: amount = price x quantity, the discount off, the
// VAT on, each product rounded as a currency amount.
void addGroup(const Group& g, StockValueReport::Line* line) {
    const CurrencyAmount gross = MultiplyCurrency(g.price, double(g.quantity));
    const qint64 discount = unitsOf(times(gross, g.discount));
    const CurrencyAmount net = CurrencyAmount::fromUnits(unitsOf(gross) - discount);
    const qint64 tax = unitsOf(times(net, g.vat));
    const qint64 amount = unitsOf(net) + tax;
    switch (g.type) {
    case MovementType::Carico:
    case MovementType::Reso:
        line->discount += discount;
        line->tax += tax;
        (g.type == MovementType::Carico ? line->load : line->returned) += amount;
        break;
    case MovementType::Scarico:
    case MovementType::Ricevuta:
        line->discount -= discount;
        line->tax -= tax;
        line->unload += amount;
        break;
    default:
        break; // no other kind of movement moves stock
    }
}

} // namespace

bool StockValueReport::Compute(Database& db, const std::vector<ItemReportItem>& items,
                               StockValueReport* report) {
    report->m_lines.clear();
    report->m_totals = Totals();
    QList<int> keys;
    keys.reserve(qsizetype(items.size()));
    QHash<int, size_t> lineOf;
    lineOf.reserve(qsizetype(items.size()));
    report->m_lines.resize(items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        Line& line = report->m_lines[i];
        line.key = items[i].key;
        line.matricola = items[i].matricola;
        line.descrizione = items[i].descrizione;
        lineOf.insert(line.key, i);
        keys.append(line.key);
    }

    // The groups of each item are those of the item on its own: the item is one more grouping
    // term, so one query serves many items.
    // SQLite sums the quantities in double precision; PostgreSQL would sum reals in single
    // precision, so it sums them exactly instead, as the stock counters do.
    const QString qt =
        db.isPostgres()
            ? QStringLiteral("CAST(CAST(SottoMovimenti.Qt AS DOUBLE PRECISION) AS NUMERIC)")
            : QStringLiteral("SottoMovimenti.Qt");
    const QString sql =
        QStringLiteral("SELECT SottoMovimenti.IDArticolo, Movimenti.Tipo, SUM(%1) AS TotQt, "
                       "SottoMovimenti.Prezzo, SottoMovimenti.Iva, SottoMovimenti.Sconto "
                       "FROM {rows} INNER JOIN Movimenti "
                       "ON Movimenti.IDMovimento = SottoMovimenti.IDMovimento WHERE {items} "
                       "GROUP BY SottoMovimenti.IDArticolo, Movimenti.Tipo, SottoMovimenti.Prezzo, "
                       "SottoMovimenti.Iva, SottoMovimenti.Sconto")
            .arg(qt);
    const auto onGroup = [&](const QSqlQuery& q) {
        // A group without quantity, price, VAT or discount has no value to count.
        if (q.isNull(1) || q.isNull(2) || q.isNull(3) || q.isNull(4) || q.isNull(5))
            return;
        const auto it = lineOf.constFind(q.value(0).toInt());
        if (it == lineOf.constEnd())
            return;
        Group g;
        g.type = q.value(1).toInt();
        // Quantities are single precision: the sum is narrowed before it is used.
        g.quantity = Record::ReadReal(q.value(2)).value_or(0.0f);
        g.price = Record::ReadCurrency(q.value(3));
        g.vat = double(Record::ReadReal(q.value(4)).value_or(0.0f));
        g.discount = double(Record::ReadReal(q.value(5)).value_or(0.0f));
        if (!g.price.isValid())
            return;
        addGroup(g, &report->m_lines[*it]);
    };
    bool ok = true;
    if (ItemReportData::NamesKeys(keys.size())) {
        ok = ItemReportData::ForEachItemRow(db, keys, sql, {}, {}, true, onGroup);
    } else {
        // Over every row the groups are formed here: most groups hold a row or two, and the
        // back ends' grouping of a million of them (PostgreSQL's spilling to disk) costs more
        // than the rows themselves. The groups are the same: equal item, type and stored
        // price, VAT and discount; quantities summed in double precision in the order read.
        struct RawRow {
            int item;
            int type;
            double quantity, price, vat, discount;
        };
        std::vector<RawRow> raw;
        raw.reserve(1 << 16);
        ok = ItemReportData::ForEachItemRow(
            db, keys,
            QStringLiteral("SELECT SottoMovimenti.IDArticolo, Movimenti.Tipo, SottoMovimenti.Qt, "
                           "SottoMovimenti.Prezzo, SottoMovimenti.Iva, SottoMovimenti.Sconto "
                           "FROM {rows} INNER JOIN Movimenti "
                           "ON Movimenti.IDMovimento = SottoMovimenti.IDMovimento WHERE {items}"),
            {}, {}, true, [&](const QSqlQuery& q) {
                // A row without quantity adds nothing to its group; one without price, VAT or
                // discount belongs to a group that is passed over.
                if (q.isNull(1) || q.isNull(2) || q.isNull(3) || q.isNull(4) || q.isNull(5))
                    return;
                const int item = q.value(0).toInt();
                if (!lineOf.contains(item))
                    return;
                raw.push_back({item, q.value(1).toInt(), q.value(2).toDouble(),
                               q.value(3).toDouble(), q.value(4).toDouble(),
                               q.value(5).toDouble()});
            });
        auto key = [](const RawRow& r) {
            return std::make_tuple(r.item, r.type, r.price, r.vat, r.discount);
        };
        std::stable_sort(raw.begin(), raw.end(),
                         [&](const RawRow& a, const RawRow& b) { return key(a) < key(b); });
        for (size_t i = 0; ok && i < raw.size();) {
            size_t end = i;
            double quantity = 0;
            while (end < raw.size() && key(raw[end]) == key(raw[i]))
                quantity += raw[end++].quantity;
            Group g;
            g.type = raw[i].type;
            g.quantity = float(quantity);
            g.price = CurrencyAmount::fromDouble(raw[i].price);
            g.vat = double(float(raw[i].vat));
            g.discount = double(float(raw[i].discount));
            if (g.price.isValid())
                addGroup(g, &report->m_lines[lineOf.value(raw[i].item)]);
            i = end;
        }
    }
    if (!ok) {
        report->m_lines.clear();
        return false;
    }

    Totals& t = report->m_totals;
    for (size_t i = 0; i < items.size(); ++i) {
        const ItemReportItem& item = items[i];
        Line& line = report->m_lines[i];
        line.value = line.load + line.returned - line.unload;

        const double vat = double(item.iva.value_or(0.0f));
        if (item.prezzo.isValid() && item.giacInit) {
            // The initial stock was bought too: its VAT counts into the tax total.
            const CurrencyAmount initial = MultiplyCurrency(item.prezzo, double(*item.giacInit));
            const qint64 tax = item.incIva
                                   ? unitsOf(initial) - unitsOf(DivideCurrency(initial, 1.0 + vat))
                                   : unitsOf(MultiplyCurrency(initial, vat));
            line.tax += tax;
        }
        if (item.prezzo.isValid() && item.giacenza) {
            CurrencyAmount stock = MultiplyCurrency(item.prezzo, double(*item.giacenza));
            if (item.incIva)
                stock = DivideCurrency(stock, 1.0 + vat);
            t.stockAtListPrice += unitsOf(stock);
        }
        t.load += line.load;
        t.unload += line.unload;
        t.returned += line.returned;
        t.discount += line.discount;
        t.tax += line.tax;
        t.value += line.value;
    }
    return true;
}
