#include "print/MovementReport.h"
#include "print/PeriodMessages.h"

#include "company/Formats.h"
#include "store/Database.h"
#include "store/TableRecord.h"
#include "store/TextOrder.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <cmath>
#include <unordered_map>
#include <vector>

// What each grouping counts:
// - categories, departments, shelves: every one of them, with or without items; the opening
//   stock is the sum of its items' GiacInit, valued at the averages of their Prezzo, Sconto and
//   Iva; the movement rows are those of its items.
// - items: every item that has movement rows, with its own GiacInit valued at its own price,
//   discount and VAT.
// - counterparts: every counterpart that has movements, with no opening stock; the movements
//   without a counterpart (receipts, or a counterpart since removed) make one line of their own.
// At each date, rows of loads and returns (types 0 and 2) come in and rows of unloads and
// receipts (1 and 3) go out, up to that date's 00:00 included. Rows of equal price, VAT and
// discount are valued together at q x p x (1 - s) x (1 + v). The stock is the opening stock plus
// what came in minus what went out; the balance is what went out minus what came in minus the
// opening value.

namespace {

struct Classification {
    const char* table;
    const char* key;
    const char* name;
};

Classification classificationOf(MovementGrouping grouping) {
    switch (grouping) {
    case MovementGrouping::Department:
        return {"Reparti", "IDReparto", "Reparto"};
    case MovementGrouping::Shelf:
        return {"Scaffali", "IDScaffale", "Scaffale"};
    default:
        return {"Categorie", "IDCategoria", "Categoria"};
    }
}

// A quantity column summed on the back end. PostgreSQL sums single-precision values in single
// precision, and may split a grouped sum among workers: there the sum is exact, in decimal, as
// the item counters have it, so that the report's stock agrees with theirs.
QString summed(const Database& db, const QString& column) {
    return db.isPostgres()
               ? QStringLiteral("SUM(CAST(CAST(%1 AS DOUBLE PRECISION) AS NUMERIC))").arg(column)
               : QStringLiteral("SUM(%1)").arg(column);
}

// The average of a rate (single precision) as the rate's own decimal text reads: 22 % averages
// as 0.22 on both back ends, not as the float nearest to it widened.
QString averagedRate(const Database& db, const QString& column) {
    return db.isPostgres() ? QStringLiteral("AVG(CAST(CAST(%1 AS TEXT) AS NUMERIC))").arg(column)
                           : QStringLiteral("AVG(%1)").arg(column);
}

// Names alphabetically with NULLs first on both back ends (SQLite's own way), equal names by key.
QString nameOrder(const Database& db, const QString& name, const QString& key) {
    return TextOrder::Term(db.backend(), name) +
           (db.isPostgres() ? QStringLiteral(" NULLS FIRST, ") : QStringLiteral(", ")) + key;
}

// NULL counts as nothing: no quantity, no discount, no VAT.
double number(const QVariant& v) {
    return v.isNull() ? 0.0 : v.toDouble();
}

// The value of q at price p with discount s and VAT v, in ten-thousandths. A row without a
// price is worth nothing.
qint64 valueUnits(const CurrencyAmount& price, double q, double s, double v) {
    if (!price.isValid() || q == 0)
        return 0;
    const CurrencyAmount value = MultiplyCurrency(price, q * (1 - s) * (1 + v));
    return value.isValid() ? value.units() : 0;
}

struct Group {
    MovementReportLine line;
    double openingStock = 0;
    qint64 openingValue = 0;
    double inA = 0, outA = 0, inB = 0, outB = 0;
    qint64 inValueA = 0, outValueA = 0, inValueB = 0, outValueB = 0;
};

class Builder {
public:
    Builder(Database& db, const MovementReportRequest& request)
        : m_db(db), m_grouping(request.grouping), m_a(MovementReportCutoff(request.from)),
          m_b(MovementReportCutoff(request.to)) {}

    bool run(QList<MovementReportLine>* lines) {
        bool ok = false;
        switch (m_grouping) {
        case MovementGrouping::Item:
            ok = readItems();
            break;
        case MovementGrouping::Counterpart:
            ok = readCounterparts();
            break;
        default:
            ok = readClassifications();
            break;
        }
        if (!ok || !readMovements())
            return false;
        lines->clear();
        lines->reserve(qsizetype(m_groups.size()));
        for (Group& g : m_groups) {
            g.line.initialStock = g.openingStock + g.inA - g.outA;
            g.line.finalStock = g.openingStock + g.inB - g.outB;
            g.line.initialValue =
                CurrencyAmount::fromUnits(g.outValueA - g.inValueA - g.openingValue);
            g.line.finalValue =
                CurrencyAmount::fromUnits(g.outValueB - g.inValueB - g.openingValue);
            lines->append(std::move(g.line));
        }
        return true;
    }

private:
    bool failed(const QSqlQuery& q) {
        m_db.setError(q.lastError());
        return false;
    }

    void addGroup(const QVariant& key, const QString& name, const QString& prefix) {
        Group g;
        g.line.name = name;
        g.line.unitPrefix = prefix;
        if (key.isNull())
            m_unkeyed = int(m_groups.size());
        else
            m_index.insert(key.toLongLong(), int(m_groups.size()));
        m_groups.push_back(std::move(g));
    }

    // The line a row's group key belongs to, -1 for none.
    int groupOf(const QVariant& key) const {
        const int i = key.isNull() ? -1 : m_index.value(key.toLongLong(), -1);
        // Only the counterparts have a line for what belongs to no group of theirs.
        return i >= 0 ? i : m_unkeyed;
    }

    bool readClassifications() {
        const Classification c = classificationOf(m_grouping);
        const QString key = QLatin1String(c.key);
        QSqlQuery q;
        q.setForwardOnly(true);
        if (!m_db.query(q,
                        QStringLiteral("SELECT %1, %2 FROM %3 WHERE %1 > ? ORDER BY %4")
                            .arg(key, QLatin1String(c.name), QLatin1String(c.table),
                                 nameOrder(m_db, QLatin1String(c.name), key)),
                        {0}))
            return false;
        while (q.next())
            addGroup(q.value(0), q.value(1).toString(), QLatin1String(kNoUnitPrefix));
        if (q.lastError().isValid())
            return failed(q);
        q.finish();

        // Every group's opening stock in one pass over the items.
        if (!m_db.query(q,
                        QStringLiteral("SELECT %1, %2, AVG(Prezzo), %3, %4 FROM Articoli "
                                       "WHERE %1 > ? GROUP BY %1")
                            .arg(key, summed(m_db, QStringLiteral("GiacInit")),
                                 averagedRate(m_db, QStringLiteral("Sconto")),
                                 averagedRate(m_db, QStringLiteral("Iva"))),
                        {0}))
            return false;
        while (q.next()) {
            const int i = m_index.value(q.value(0).toLongLong(), -1);
            if (i < 0)
                continue;
            Group& g = m_groups[size_t(i)];
            g.openingStock = number(q.value(1));
            g.openingValue = valueUnits(Record::ReadCurrency(q.value(2)), g.openingStock,
                                        number(q.value(3)), number(q.value(4)));
        }
        if (q.lastError().isValid())
            return failed(q);
        return true;
    }

    bool readItems() {
        QSqlQuery q;
        q.setForwardOnly(true);
        if (!m_db.query(
                q,
                QStringLiteral("SELECT Articoli.IDArticolo, Articoli.Descrizione, UnMis.Sigla, "
                               "Articoli.GiacInit, Articoli.Prezzo, Articoli.Sconto, "
                               "Articoli.Iva FROM Articoli LEFT JOIN UnMis ON "
                               "UnMis.IDUM = Articoli.IDUM WHERE Articoli.IDArticolo > ? AND "
                               "EXISTS (SELECT 1 FROM SottoMovimenti WHERE "
                               "SottoMovimenti.IDArticolo = Articoli.IDArticolo) ORDER BY ") +
                    nameOrder(m_db, QStringLiteral("Articoli.Descrizione"),
                              QStringLiteral("Articoli.IDArticolo")),
                {0}))
            return false;
        while (q.next()) {
            const QString sigla = q.value(2).toString();
            addGroup(q.value(0), q.value(1).toString(),
                     sigla.isEmpty() ? QLatin1String(kNoUnitPrefix) : sigla);
            Group& g = m_groups.back();
            g.openingStock = number(q.value(3));
            g.openingValue = valueUnits(Record::ReadCurrency(q.value(4)), g.openingStock,
                                        number(q.value(5)), number(q.value(6)));
        }
        if (q.lastError().isValid())
            return failed(q);
        return true;
    }

    bool readCounterparts() {
        QSqlQuery q;
        q.setForwardOnly(true);
        // Movements whose counterpart is none (receipts) or no longer there: their line comes
        // first, where the nameless line sorts.
        if (!m_db.query(q,
                        QStringLiteral("SELECT 1 FROM Movimenti WHERE Movimenti.IDMovimento > ? "
                                       "AND (Movimenti.IDCliFor IS NULL OR NOT EXISTS (SELECT 1 "
                                       "FROM CliFor WHERE CliFor.IDCliFor = Movimenti.IDCliFor)) "
                                       "LIMIT 1"),
                        {0}))
            return false;
        const bool unnamed = q.next();
        if (q.lastError().isValid())
            return failed(q);
        q.finish();
        if (unnamed)
            addGroup(QVariant(), QLatin1String(kNoCounterpartName), QLatin1String(kNoUnitPrefix));

        if (!m_db.query(q,
                        QStringLiteral("SELECT IDCliFor, RagSoc FROM CliFor WHERE IDCliFor > ? "
                                       "AND EXISTS (SELECT 1 FROM Movimenti WHERE "
                                       "Movimenti.IDCliFor = CliFor.IDCliFor) ORDER BY ") +
                            nameOrder(m_db, QStringLiteral("RagSoc"), QStringLiteral("IDCliFor")),
                        {0}))
            return false;
        while (q.next())
            addGroup(q.value(0), q.value(1).toString(), QLatin1String(kNoUnitPrefix));
        if (q.lastError().isValid())
            return failed(q);
        return true;
    }

    // Rows of one group at one price, VAT and discount: valued together, as one group row.
    struct Combination {
        int group;
        qint64 price; // ten-thousandths; the state tells NULL apart
        int priceState;
        double vat, discount;
        bool vatNull, discountNull;
        bool operator==(const Combination& o) const {
            return group == o.group && price == o.price && priceState == o.priceState &&
                   vat == o.vat && discount == o.discount && vatNull == o.vatNull &&
                   discountNull == o.discountNull;
        }
    };
    struct CombinationHash {
        size_t operator()(const Combination& c) const {
            size_t h = std::hash<qint64>()(c.price) ^ (size_t(c.group) * 0x9e3779b97f4a7c15ULL);
            h ^= std::hash<double>()(c.vat) + 0x9e3779b9 + (h << 6) + (h >> 2);
            h ^= std::hash<double>()(c.discount) + 0x9e3779b9 + (h << 6) + (h >> 2);
            return h;
        }
    };
    struct Sums {
        double inA = 0, outA = 0, inB = 0, outB = 0;
    };
    using Combinations = std::unordered_map<Combination, Sums, CombinationHash>;

    Sums* sumsOf(Combinations& sums, const QSqlQuery& q) {
        const int g = groupOf(q.value(0));
        if (g < 0)
            return nullptr;
        const CurrencyAmount price = Record::ReadCurrency(q.value(1));
        const QVariant vat = q.value(2), discount = q.value(3);
        const Combination c{g,
                            price.isValid() ? price.units() : 0,
                            int(price.status()),
                            number(vat),
                            number(discount),
                            vat.isNull(),
                            discount.isNull()};
        return &sums[c];
    }

    // Every row up to the later date in one pass, each quantity split by direction and by the
    // date it counts at, summed here by group, price, VAT and discount: grouping a million rows
    // of nearly as many prices costs both back ends a sort or a hash spilled to disk, several
    // times what reading them as they lie costs. The sums are in double precision, as Jet
    // summed them.
    bool readMovements() {
        QString key;
        bool byItemColumn = false;
        switch (m_grouping) {
        case MovementGrouping::Item:
            key = QStringLiteral("SottoMovimenti.IDArticolo");
            break;
        case MovementGrouping::Counterpart:
            key = QStringLiteral("Movimenti.IDCliFor");
            break;
        default:
            key = QStringLiteral("Articoli.") + QLatin1String(classificationOf(m_grouping).key);
            byItemColumn = true;
            break;
        }
        auto items = [&](const char* join) {
            return byItemColumn ? QStringLiteral(" %1 Articoli ON Articoli.IDArticolo = "
                                                 "SottoMovimenti.IDArticolo")
                                      .arg(QLatin1String(join))
                                : QString();
        };
        const QString columns =
            QStringLiteral("%1, SottoMovimenti.Prezzo, SottoMovimenti.Iva, SottoMovimenti.Sconto")
                .arg(key);
        // Summed to the later date and, apart, to the earlier one; A is normally the earlier.
        const QDateTime earlier = qMin(m_a, m_b), later = qMax(m_a, m_b);
        Combinations sums;
        // SottoMovimenti read in its own order, each row's header found by its key (SQLite
        // would otherwise walk the item index and fetch every row out of order).
        const QString from =
            m_db.isPostgres()
                ? QStringLiteral("Movimenti INNER JOIN SottoMovimenti ON Movimenti.IDMovimento = "
                                 "SottoMovimenti.IDMovimento") +
                      items("INNER JOIN")
                : QStringLiteral("SottoMovimenti NOT INDEXED CROSS JOIN Movimenti ON "
                                 "Movimenti.IDMovimento = SottoMovimenti.IDMovimento") +
                      items("CROSS JOIN");
        const QString sql =
            QStringLiteral("SELECT %1, Movimenti.Tipo, CASE WHEN Movimenti.Data <= ? THEN 1 "
                           "ELSE 0 END, SottoMovimenti.Qt FROM %2 WHERE Movimenti.Data <= ? AND "
                           "Movimenti.Tipo >= 0 AND Movimenti.Tipo <= 3")
                .arg(columns, from);
        QSqlQuery q;
        q.setForwardOnly(true);
        if (!m_db.query(q, sql, {earlier, later}))
            return false;
        while (q.next()) {
            Sums* s = sumsOf(sums, q);
            if (!s)
                continue;
            const int tipo = q.value(4).toInt();
            const bool byEarlier = q.value(5).toInt() != 0;
            const double qt = number(q.value(6));
            const bool in = tipo == 0 || tipo == 2;
            (in ? s->inB : s->outB) += qt;
            if (byEarlier)
                (in ? s->inA : s->outA) += qt;
        }
        if (q.lastError().isValid())
            return failed(q);
        q.finish();
        if (m_b < m_a)
            for (auto& [c, s] : sums) {
                // A came after B: the sums to the later date are its own.
                std::swap(s.inA, s.inB);
                std::swap(s.outA, s.outB);
            }
        for (const auto& [c, s] : sums) {
            Group& g = m_groups[size_t(c.group)];
            const CurrencyAmount price = c.priceState == int(CurrencyAmount::Status::Valid)
                                             ? CurrencyAmount::fromUnits(c.price)
                                             : CurrencyAmount::null();
            g.inA += s.inA;
            g.outA += s.outA;
            g.inB += s.inB;
            g.outB += s.outB;
            g.inValueA += valueUnits(price, s.inA, c.discount, c.vat);
            g.outValueA += valueUnits(price, s.outA, c.discount, c.vat);
            g.inValueB += valueUnits(price, s.inB, c.discount, c.vat);
            g.outValueB += valueUnits(price, s.outB, c.discount, c.vat);
        }
        return true;
    }

    Database& m_db;
    MovementGrouping m_grouping;
    QDateTime m_a, m_b;
    std::vector<Group> m_groups;
    QHash<qint64, int> m_index;
    int m_unkeyed = -1;
};

} // namespace

CurrencyAmount MovementReportLine::movedValue() const {
    return CurrencyAmount::fromUnits(finalValue.units() - initialValue.units());
}

double MovementReport::totalMovedStock() const {
    double total = 0;
    for (const MovementReportLine& line : lines)
        total += line.movedStock();
    return total;
}

CurrencyAmount MovementReport::totalMovedValue() const {
    qint64 total = 0;
    for (const MovementReportLine& line : lines)
        total += line.movedValue().units();
    return CurrencyAmount::fromUnits(total);
}

QString MovementReportPeriodError(const QDateTime& from, const QDateTime& to) {
    if (from == to)
        return QCoreApplication::translate("PeriodMessages", kSameDatesMessage);
    // The difference of the two wall clocks in days, as the date numbers have it (a change of
    // summer time does not make a day shorter), plus half a second, truncated.
    const double ms =
        double(from.date().daysTo(to.date())) * 86400000.0 + double(from.time().msecsTo(to.time()));
    const double days = std::trunc((ms + 500.0) / 86400000.0);
    if (days <= 0)
        return QCoreApplication::translate("PeriodMessages", kLessThanADayMessage);
    return {};
}

QDateTime MovementReportCutoff(const QDateTime& when) {
    return QDateTime(when.date(), QTime(0, 0));
}

bool BuildMovementReport(Database& db, const MovementReportRequest& request,
                         MovementReport* report) {
    report->request = request;
    report->lines.clear();
    Builder builder(db, request);
    return builder.run(&report->lines);
}
