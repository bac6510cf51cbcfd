#include "store/DataMigration.h"

#include "common/CurrencyAmount.h"
#include "store/TableRecord.h"
#include "store/UpgradeProgress.h"
#include "store/UpgradeSession.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QSqlQuery>
#include <algorithm>
#include <optional>

namespace DataMigration {

namespace {

// The bar when nobody watches.
class NoProgress : public UpgradeProgress {
public:
    void begin() override {}
    void setPosition(int) override {}
    void step() override {}
    void end() override {}
};

struct Totals {
    CurrencyAmount taxable = CurrencyAmount::fromUnits(0);
    CurrencyAmount tax = CurrencyAmount::fromUnits(0);
};

CurrencyAmount add(const CurrencyAmount& a, const CurrencyAmount& b) {
    if (!a.isValid() || !b.isValid())
        return CurrencyAmount::invalid();
    qint64 sum = 0;
    if (__builtin_add_overflow(a.units(), b.units(), &sum))
        return CurrencyAmount::invalid();
    return CurrencyAmount::fromUnits(sum);
}

CurrencyAmount subtract(const CurrencyAmount& a, const CurrencyAmount& b) {
    if (!a.isValid() || !b.isValid())
        return CurrencyAmount::invalid();
    qint64 diff = 0;
    if (__builtin_sub_overflow(a.units(), b.units(), &diff))
        return CurrencyAmount::invalid();
    return CurrencyAmount::fromUnits(diff);
}

// An amount times a rate or a quantity: the product in double precision, back to currency.
CurrencyAmount times(const CurrencyAmount& amount, double factor) {
    if (!amount.isValid())
        return CurrencyAmount::invalid();
    return CurrencyAmount::fromDouble(amount.toDouble() * factor);
}

// A total that cannot be stored exactly is stored as no total.
QVariant bindTotal(const CurrencyAmount& amount) {
    if (!amount.isValid() || !Record::AmountFits(amount))
        return Record::BindCurrency(CurrencyAmount::null(), Database::Backend::SQLite);
    return Record::BindCurrency(amount, Database::Backend::SQLite);
}

// One classification: its distinct texts become rows of its table, the items point at them,
// and the text column goes. A text longer than the name's width is cut to it; texts that are
// the same once cut share one row, and every item that had one of them points at it.
bool migrateClassification(UpgradeSession& s, const char* column, const char* table,
                           const char* keyColumn, int width, const char* excluded) {
    const QString col = QLatin1String(column);
    QSqlQuery q;
    if (!s.query(q, QStringLiteral("SELECT DISTINCT %1 FROM Articoli").arg(col)))
        return false;
    QStringList values;
    while (q.next())
        if (!q.value(0).isNull())
            values << q.value(0).toString();
    q.finish();
    QHash<QString, qint64> keys;
    for (const QString& value : values) {
        if (value.isEmpty() || (excluded && value == QLatin1String(excluded)))
            continue;
        const QString name = Record::CutText(value, width);
        auto found = keys.constFind(name);
        if (found == keys.constEnd()) {
            QSqlQuery insert;
            if (!s.query(insert,
                         QStringLiteral("INSERT INTO %1 (%2) VALUES (?) RETURNING %3")
                             .arg(QLatin1String(table), col, QLatin1String(keyColumn)),
                         {name}) ||
                !insert.next()) {
                if (!s.failed())
                    s.fail(
                        QStringLiteral("INSERT INTO %1").arg(QLatin1String(table)),
                        QCoreApplication::translate("DataMigration", "nessuna chiave assegnata"));
                return false;
            }
            found = keys.insert(name, insert.value(0).toLongLong());
        }
        if (!s.execute(QStringLiteral("UPDATE Articoli SET %1 = ? WHERE %2 = ?")
                           .arg(QLatin1String(keyColumn), col),
                       {*found, value}))
            return false;
    }
    return s.execute(QStringLiteral("ALTER TABLE Articoli DROP COLUMN %1").arg(col));
}

// A query of two or three columns read into maps by item key.
bool readMovementTotals(UpgradeSession& s, QHash<int, double>& loads, QHash<int, double>& unloads,
                        QHash<int, double>& returns) {
    QSqlQuery q;
    if (!s.query(q, QStringLiteral("SELECT SottoMovimenti.IDArticolo, Movimenti.Tipo, "
                                   "SUM(SottoMovimenti.Qt) AS Totale "
                                   "FROM Movimenti LEFT JOIN SottoMovimenti ON "
                                   "Movimenti.IDMovimento = SottoMovimenti.IDMovimento "
                                   "GROUP BY SottoMovimenti.IDArticolo, Movimenti.Tipo")))
        return false;
    while (q.next()) {
        if (q.value(0).isNull() || q.value(1).isNull())
            continue;
        const int item = q.value(0).toInt();
        const double total = q.value(2).toDouble();
        switch (q.value(1).toInt()) {
        case 0:
            loads[item] += total;
            break;
        case 1:
        case 3:
            unloads[item] += total;
            break;
        case 2:
            returns[item] += total;
            break;
        default:
            break;
        }
    }
    return true;
}

bool readPairs(UpgradeSession& s, const QString& sql, QHash<int, QVariant>& into) {
    QSqlQuery q;
    if (!s.query(q, sql))
        return false;
    while (q.next())
        if (!q.value(0).isNull())
            into.insert(q.value(0).toInt(), q.value(1));
    return true;
}

bool countRows(UpgradeSession& s, const QString& table, int* count) {
    QSqlQuery q;
    if (!s.query(q, QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)) || !q.next())
        return false;
    *count = q.value(0).toInt();
    return true;
}

bool migrateItems(UpgradeSession& s, UpgradeProgress& progress) {
    QHash<int, double> loads, unloads, returns;
    if (!readMovementTotals(s, loads, unloads, returns))
        return false;
    progress.setPosition(10);

    QHash<int, QVariant> ordered;
    if (!readPairs(s,
                   QStringLiteral("SELECT SottoOrdini.IDArticolo, SUM(SottoOrdini.Qt) AS Totale "
                                  "FROM Ordini LEFT JOIN SottoOrdini ON "
                                  "Ordini.IDOrdine = SottoOrdini.IDOrdine "
                                  "WHERE Ordini.Evaso = FALSE GROUP BY SottoOrdini.IDArticolo"),
                   ordered))
        return false;
    progress.setPosition(15);

    QHash<int, QVariant> units;
    if (!readPairs(s, QStringLiteral("SELECT IDUM, Sigla FROM UnMis WHERE IDUM > 0"), units))
        return false;
    progress.setPosition(17);

    // The most recent movement of every item, in one pass rather than one query per item.
    QHash<int, QVariant> lastMovement;
    if (!readPairs(s,
                   QStringLiteral("SELECT SottoMovimenti.IDArticolo, MAX(Movimenti.Data) AS Data "
                                  "FROM Movimenti LEFT JOIN SottoMovimenti ON "
                                  "Movimenti.IDMovimento = SottoMovimenti.IDMovimento "
                                  "GROUP BY SottoMovimenti.IDArticolo"),
                   lastMovement))
        return false;

    int count = 0;
    if (!countRows(s, QStringLiteral("Articoli"), &count))
        return false;
    struct Item {
        int id;
        QVariant unit, minimum, initial;
    };
    std::vector<Item> items;
    items.reserve(count);
    {
        QSqlQuery q;
        if (!s.query(q, QStringLiteral("SELECT IDArticolo, IDUM, ScortaMin, GiacInit FROM "
                                       "Articoli WHERE IDArticolo > 0")))
            return false;
        while (q.next())
            items.push_back({q.value(0).toInt(), q.value(1), q.value(2), q.value(3)});
    }

    const QDateTime zeroDate(QDate(1899, 12, 30), QTime(0, 0));
    const int stride = Stride(count, kItemSlots);
    const QString update = QStringLiteral(
        "UPDATE Articoli SET Carichi = ?, Scarichi = ?, Resi = ?, Giacenza = ?, Riordino = ?, "
        "Ordinato = ?, UnMis = ?, LastMov = ? WHERE IDArticolo = ?");
    int done = 0;
    for (const Item& item : items) {
        const float l = float(loads.value(item.id));
        const float u = float(unloads.value(item.id));
        const float r = float(returns.value(item.id));
        const float initial = item.initial.isNull() ? 0.0f : float(item.initial.toDouble());
        const float stock = initial + l + r - u;
        const float minimum = item.minimum.isNull() ? 0.0f : float(item.minimum.toDouble());
        const float reorder = std::max(0.0f, minimum - stock);
        const auto orderedIt = ordered.constFind(item.id);
        const float onOrder = orderedIt == ordered.constEnd() || orderedIt->isNull()
                                  ? 0.0f
                                  : float(orderedIt->toDouble());
        QString unit;
        if (!item.unit.isNull())
            unit = Record::ReadText(units.value(item.unit.toInt()), 5);
        QDateTime last = zeroDate;
        const auto lastIt = lastMovement.constFind(item.id);
        if (lastIt != lastMovement.constEnd() && !lastIt->isNull())
            last = Record::ReadDateTime(*lastIt); // invalid: stored as no date
        if (!s.executePrepared(update,
                               {Record::BindReal(l), Record::BindReal(u), Record::BindReal(r),
                                Record::BindReal(stock), Record::BindReal(reorder),
                                Record::BindReal(onOrder), Record::BindText(unit, 5),
                                Record::BindDateTime(last), item.id}))
            return false;
        if (++done % stride == 0)
            progress.step();
    }
    progress.setPosition(80);
    return true;
}

bool migrateMovements(UpgradeSession& s, UpgradeProgress& progress) {
    QHash<int, QVariant> names;
    if (!readPairs(s, QStringLiteral("SELECT IDCliFor, RagSoc FROM CliFor WHERE IDCliFor > 0"),
                   names))
        return false;
    progress.setPosition(82);

    // Every row's amount, added to its movement's totals in one pass over the rows.
    QHash<int, Totals> totals;
    {
        QSqlQuery q;
        if (!s.query(q, QStringLiteral("SELECT IDMovimento, Qt, Prezzo, Sconto, Iva FROM "
                                       "SottoMovimenti WHERE IDSottoMovimento > 0 ORDER BY "
                                       "IDSottoMovimento")))
            return false;
        while (q.next()) {
            if (q.value(0).isNull() || q.value(1).isNull() || q.value(2).isNull())
                continue;
            const std::optional<float> qt = Record::ReadReal(q.value(1));
            CurrencyAmount amount = times(Record::ReadCurrency(q.value(2)), qt.value_or(0.0f));
            if (const std::optional<float> discount = Record::ReadReal(q.value(3)))
                amount = subtract(amount, times(amount, *discount));
            Totals& t = totals[q.value(0).toInt()];
            t.taxable = add(t.taxable, amount);
            if (const std::optional<float> vat = Record::ReadReal(q.value(4)))
                t.tax = add(t.tax, times(amount, *vat));
        }
    }

    int count = 0;
    if (!countRows(s, QStringLiteral("Movimenti"), &count))
        return false;
    std::vector<std::pair<int, QVariant>> movements;
    movements.reserve(count);
    {
        QSqlQuery q;
        if (!s.query(q, QStringLiteral("SELECT IDMovimento, IDCliFor FROM Movimenti WHERE "
                                       "IDMovimento > 0")))
            return false;
        while (q.next())
            movements.emplace_back(q.value(0).toInt(), q.value(1));
    }
    const int stride = Stride(count, kMovementSlots);
    const QString update =
        QStringLiteral("UPDATE Movimenti SET CliFor = ?, Prezzo = ?, Imposta = ?, Totale = ? WHERE "
                       "IDMovimento = ?");
    int done = 0;
    for (const auto& [id, counterpart] : movements) {
        QString name;
        if (!counterpart.isNull())
            name = Record::ReadText(names.value(counterpart.toInt()), 100);
        const Totals t = totals.value(id);
        if (!s.executePrepared(update, {Record::BindText(name, 100), bindTotal(t.taxable),
                                        bindTotal(t.tax), bindTotal(add(t.taxable, t.tax)), id}))
            return false;
        if (++done % stride == 0)
            progress.step();
    }
    return true;
}

} // namespace

int Stride(int count, int slots) {
    return std::max(1, count / slots);
}

bool Run(UpgradeSession& s, UpgradeProgress* watcher) {
    NoProgress none;
    UpgradeProgress& progress = watcher ? *watcher : none;
    progress.begin();
    progress.setPosition(1);
    bool ok = migrateClassification(s, "Categoria", "Categorie", "IDCategoria", 30, "Standard");
    if (ok) {
        progress.setPosition(2);
        ok = migrateClassification(s, "Reparto", "Reparti", "IDReparto", 20, nullptr);
    }
    if (ok) {
        progress.setPosition(5);
        ok = migrateClassification(s, "Scaffale", "Scaffali", "IDScaffale", 20, nullptr);
    }
    if (ok) {
        progress.setPosition(7);
        ok = migrateItems(s, progress) && migrateMovements(s, progress);
    }
    if (ok)
        progress.setPosition(100);
    progress.end();
    return ok;
}

} // namespace DataMigration
