// label: db
// Random sequences of movement edits against a ledger of the test's own. While an edit is open
// the stock warning's figure (AvailableStock) must be the ledger's; after every committed
// operation the touched items are recomputed as the program does it (UpdateArtInfo for each, or
// UpdateArtInfoList of them all), and every item's counters must then be what the test's ledger
// gives.
//
//   QUARZIL_LEDGER_OPS=3000 QUARZIL_LEDGER_SEED=7 tst_LedgerProperty
//
// replays or lengthens a run; a failure prints the seed and the operations that led to it.
#include "TestSupport.h"
#include "items/StockCounters.h"
#include "items/UpdateAllArtInfo.h"
#include "movements/MovementStore.h"
#include "movements/MovementTypes.h"
#include "store/ConnectionString.h"
#include "store/TableRecord.h"

#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <random>
#include <set>

namespace {

constexpr unsigned kDefaultSeed = 20260417;
constexpr int kDefaultOps = 300;
constexpr int kItems = 12;
constexpr int kCheckEvery = 10;
// A unit key no row of UnMis has: an item whose unit was deleted.
constexpr int kMissingUnit = 9999;

// The standard generator's output is fixed by the standard; the distributions are not, so
// draws are made from it directly and a seed replays alike everywhere.
class Draw {
public:
    explicit Draw(unsigned seed) : m_rng(seed) {}
    int between(int lo, int hi) { return lo + int(m_rng() % unsigned(hi - lo + 1)); }
    bool chance(int percent) { return between(0, 99) < percent; }
    // Quarters are exact in binary: the sums then do not depend on the order of the rows.
    float quantity() { return float(between(1, 80)) * 0.25f; }
    QDateTime date() {
        return QDateTime(QDate(2020, 1, 1).addDays(between(0, 7 * 365)),
                         QTime(between(0, 23), between(0, 59), between(0, 59)));
    }
    template <class T> const T& pick(const std::vector<T>& v) {
        return v[size_t(between(0, int(v.size()) - 1))];
    }

private:
    std::mt19937 m_rng;
};

struct RowModel {
    int item = 0;
    float qt = 0;
};

struct MovementModel {
    int type = 0;
    QDateTime date;
    std::map<int, RowModel> rows; // by IDSottoMovimento
};

struct ItemModel {
    int id = 0;
    std::optional<float> giacInit;
    std::optional<float> scortaMin;
    QString sigla; // null without a unit or with a missing one
    double ordered = 0;
};

struct Counters {
    QString unMis;
    std::optional<float> carichi, scarichi, resi, giacenza, riordino, ordinato;
    QDateTime lastMov;

    bool operator==(const Counters& o) const {
        return unMis == o.unMis && carichi == o.carichi && scarichi == o.scarichi &&
               resi == o.resi && giacenza == o.giacenza && riordino == o.riordino &&
               ordinato == o.ordinato && lastMov == o.lastMov;
    }
    QString text() const {
        auto q = [](const std::optional<float>& v) {
            return v ? QString::number(double(*v)) : QStringLiteral("NULL");
        };
        return QStringLiteral("UnMis %1 Carichi %2 Scarichi %3 Resi %4 Giacenza %5 Riordino %6 "
                              "Ordinato %7 LastMov %8")
            .arg(unMis.isNull() ? QStringLiteral("NULL") : unMis, q(carichi), q(scarichi), q(resi),
                 q(giacenza), q(riordino), q(ordinato),
                 lastMov.isValid() ? lastMov.toString(Qt::ISODate) : QStringLiteral("NULL"));
    }
};

// What the item's row must hold, from the test's own ledger.
Counters expectedCounters(const ItemModel& item, const std::map<int, MovementModel>& ledger) {
    double loads = 0, unloads = 0, returns = 0;
    QDateTime last;
    for (const auto& [key, m] : ledger)
        for (const auto& [rowKey, r] : m.rows) {
            if (r.item != item.id)
                continue;
            (m.type == 0 ? loads : m.type == 2 ? returns : unloads) += r.qt;
            if (!last.isValid() || m.date > last)
                last = m.date;
        }
    auto positive = [](float v) { return v > 0 ? std::optional<float>(v) : std::nullopt; };
    Counters c;
    c.unMis = item.sigla;
    const float car = float(loads), sca = float(unloads), res = float(returns);
    c.carichi = positive(car);
    c.scarichi = positive(sca);
    c.resi = positive(res);
    const float stock = car + res + item.giacInit.value_or(0) - sca;
    c.giacenza = stock;
    if (item.scortaMin)
        c.riordino = positive(*item.scortaMin - stock);
    else
        c.riordino = positive(-stock);
    c.ordinato = positive(float(item.ordered));
    c.lastMov = last;
    return c;
}

std::map<int, Counters> storedCounters(Database& db) {
    std::map<int, Counters> stored;
    QSqlQuery q;
    if (!db.query(q, QStringLiteral("SELECT IDArticolo, UnMis, Carichi, Scarichi, Resi, Giacenza, "
                                    "Riordino, Ordinato, LastMov FROM Articoli")))
        return stored;
    while (q.next()) {
        Counters& c = stored[q.value(0).toInt()];
        c.unMis = Record::ReadText(q.value(1), 5);
        c.carichi = Record::ReadReal(q.value(2));
        c.scarichi = Record::ReadReal(q.value(3));
        c.resi = Record::ReadReal(q.value(4));
        c.giacenza = Record::ReadReal(q.value(5));
        c.riordino = Record::ReadReal(q.value(6));
        c.ordinato = Record::ReadReal(q.value(7));
        c.lastMov = Record::ReadDateTime(q.value(8));
    }
    return stored;
}

qint64 scalar(Database& db, const QString& sql, const QVariantList& values = {}) {
    QSqlQuery q;
    if (!db.query(q, sql, values) || !q.next())
        return -1;
    return q.value(0).toLongLong();
}

int insertReturning(Database& db, const QString& sql, const QVariantList& values) {
    return int(scalar(db, sql, values));
}

QString rowsText(const std::map<int, RowModel>& rows) {
    QStringList parts;
    for (const auto& [key, r] : rows)
        parts << QStringLiteral("%1:item %2 qt %3").arg(key).arg(r.item).arg(double(r.qt));
    return parts.join(QStringLiteral(", "));
}

// One run: the archive, the test's ledger, and the log that replays it.
class LedgerRun {
public:
    LedgerRun(Database& db, unsigned seed) : m_db(db), m_draw(seed) {}

    void setUp();
    void step(int n);
    void checkAll(const QString& when);
    const QStringList& log() const { return m_log; }
    int committed() const { return m_committed; }

private:
    void create(int n);
    void edit(int n);
    void cancel(int n);
    void remove(int n);
    // The stock warning's figure while an edit is open must be the ledger's.
    void checkStock(MovementEdit& edit, int editedKey, int storedType,
                    const std::map<int, RowModel>& working, const std::set<int>& attached);
    // Recomputes the items the program names after a commit, once each, and checks that they
    // cover every item whose rows the operation changed.
    void recompute(const QList<int>& touched, const std::set<int>& changed);
    SottoMovimentiRecord newRow();
    int pickMovement() {
        auto it = m_ledger.begin();
        std::advance(it, m_draw.between(0, int(m_ledger.size()) - 1));
        return it->first;
    }
    int counterpartFor(int type) const { return type == 0 ? m_supplier : m_customer; }

    Database& m_db;
    Draw m_draw;
    std::vector<ItemModel> m_items;
    std::vector<int> m_itemKeys;
    std::vector<int> m_units;
    std::map<int, MovementModel> m_ledger;
    QStringList m_log;
    int m_supplier = 0, m_customer = 0;
    int m_committed = 0;
};

void LedgerRun::setUp() {
    QSqlQuery q;
    std::map<int, QString> siglas;
    QVERIFY(m_db.query(q, QStringLiteral("SELECT IDUM, Sigla FROM UnMis ORDER BY IDUM")));
    while (q.next()) {
        siglas[q.value(0).toInt()] = Record::ReadText(q.value(1), 5);
        m_units.push_back(q.value(0).toInt());
    }
    q.finish();
    QVERIFY(m_units.size() >= 3);
    m_units.resize(3);

    for (int i = 0; i < kItems; ++i) {
        ItemModel item;
        item.giacInit = i % 3 == 0 ? std::nullopt : std::optional<float>(float(i % 7));
        item.scortaMin = i % 2 == 0 ? std::nullopt : std::optional<float>(float(3 + i));
        // No unit, a missing unit, or one of the starter units.
        QVariant unit = QVariant(QMetaType::fromType<int>());
        if (i % 4 == 1)
            unit = kMissingUnit;
        else if (i % 4 >= 2)
            unit = m_units[size_t(i % 3)];
        if (unit.isValid() && !unit.isNull() && unit.toInt() != kMissingUnit)
            item.sigla = siglas[unit.toInt()];
        item.id = insertReturning(
            m_db,
            QStringLiteral("INSERT INTO Articoli (Matricola, Descrizione, GiacInit, ScortaMin, "
                           "IDUM) VALUES (?, ?, ?, ?, ?) RETURNING IDArticolo"),
            {QStringLiteral("L%1").arg(i), QStringLiteral("Articolo %1").arg(i),
             Record::BindReal(item.giacInit), Record::BindReal(item.scortaMin), unit});
        QVERIFY2(item.id > 0, qPrintable(m_db.errorText()));
        m_items.push_back(item);
        m_itemKeys.push_back(item.id);
    }
    m_supplier = insertReturning(
        m_db,
        QStringLiteral("INSERT INTO CliFor (RagSoc, CliFor) VALUES (?, ?) RETURNING IDCliFor"),
        {QStringLiteral("Fornitore"), Record::BindBit(false, m_db.backend())});
    m_customer = insertReturning(
        m_db,
        QStringLiteral("INSERT INTO CliFor (RagSoc, CliFor) VALUES (?, ?) RETURNING IDCliFor"),
        {QStringLiteral("Cliente"), Record::BindBit(true, m_db.backend())});
    QVERIFY(m_supplier > 0 && m_customer > 0);

    // An open order and a fulfilled one: only the open one is on order.
    for (const bool evaso : {false, true}) {
        const int order = insertReturning(
            m_db,
            QStringLiteral("INSERT INTO Ordini (Numero, Evaso) VALUES (?, ?) RETURNING IDOrdine"),
            {QStringLiteral("1"), Record::BindBit(evaso, m_db.backend())});
        QVERIFY(order > 0);
        for (size_t i = 0; i < 3; ++i) {
            const float qt = float(2 + i) * (evaso ? 10.0f : 1.0f);
            QVERIFY(m_db.execute(QStringLiteral("INSERT INTO SottoOrdini (IDOrdine, IDArticolo, "
                                                "Qt) VALUES (?, ?, ?)"),
                                 {order, m_items[i].id, double(qt)}));
            if (!evaso)
                m_items[i].ordered += qt;
        }
    }
    // A new item is recomputed when it is first shown.
    for (const ItemModel& item : m_items)
        QVERIFY(UpdateArtInfo(m_db, nullptr, item.id));
    checkAll(QStringLiteral("at the start"));
}

SottoMovimentiRecord LedgerRun::newRow() {
    SottoMovimentiRecord row;
    row.IDArticolo = m_draw.pick(m_itemKeys);
    row.Qt = m_draw.quantity();
    row.IDUM = m_draw.pick(m_units);
    row.Prezzo = CurrencyAmount::fromUnits(qint64(m_draw.between(1, 50000)) * 100);
    row.Iva = 0.22f;
    row.Sconto = 0.0f;
    return row;
}

void LedgerRun::step(int n) {
    const int p = m_draw.between(0, 99);
    if (m_ledger.empty() || p < 35)
        create(n);
    else if (p < 65)
        edit(n);
    else if (p < 82)
        cancel(n);
    else
        remove(n);
}

void LedgerRun::checkStock(MovementEdit& edit, int editedKey, int storedType,
                           const std::map<int, RowModel>& working, const std::set<int>& attached) {
    const ItemModel& item = m_items[size_t(m_draw.between(0, int(m_items.size()) - 1))];
    int leftOut = 0;
    if (!working.empty() && m_draw.chance(50)) {
        auto it = working.begin();
        std::advance(it, m_draw.between(0, int(working.size()) - 1));
        leftOut = it->first;
    }
    // Committed rows by their movement's stored type (the edited movement's attached rows as the
    // edit has rewritten them), pending rows by the dialog's type, one row left out.
    double expected = item.giacInit.value_or(0);
    auto add = [&](int type, int key, const RowModel& r) {
        if (key != leftOut && r.item == item.id)
            expected += MovementType::IsSale(type) ? -double(r.qt) : double(r.qt);
    };
    for (const auto& [key, m] : m_ledger)
        if (key != editedKey)
            for (const auto& [rowKey, r] : m.rows)
                add(m.type, rowKey, r);
    for (const auto& [rowKey, r] : working)
        add(attached.count(rowKey) ? storedType : edit.type(), rowKey, r);
    const double stock = AvailableStock(m_db, item.id, leftOut, &edit);
    QVERIFY2(stock == expected, qPrintable(QStringLiteral("stock of item %1 without row %2: %3, "
                                                          "not %4")
                                               .arg(item.id)
                                               .arg(leftOut)
                                               .arg(stock)
                                               .arg(expected)));
}

void LedgerRun::recompute(const QList<int>& touched, const std::set<int>& changed) {
    const std::set<int> named(touched.begin(), touched.end());
    QVERIFY2(named.size() == size_t(touched.size()), "an item is named twice");
    for (int item : changed)
        QVERIFY2(named.count(item),
                 qPrintable(QStringLiteral("item %1 changed, not named").arg(item)));
    // The notifier's way, one item at a time, or all of them in one call.
    if (m_draw.chance(50)) {
        for (int item : touched)
            QVERIFY2(UpdateArtInfo(m_db, nullptr, item), qPrintable(m_db.errorText()));
    } else {
        m_log.last() += QStringLiteral(" (recomputed as a list)");
        QVERIFY2(UpdateArtInfoList(m_db, nullptr, touched), qPrintable(m_db.errorText()));
    }
    ++m_committed;
}

void LedgerRun::create(int n) {
    const int type = m_draw.between(0, 2);
    MovementEdit edit(m_db, type);
    QVERIFY(edit.begin());
    MovementModel m;
    m.date = m_draw.date();
    edit.header().Numero = NextMovementNumber(m_db, type, m.date.date());
    edit.header().Data = m.date;
    edit.header().IDCliFor = counterpartFor(type);
    QStringList actions;
    for (int rows = m_draw.between(0, 6); rows > 0; --rows) {
        SottoMovimentiRecord row = newRow();
        QVERIFY2(edit.insertRow(row), qPrintable(m_db.errorText()));
        m.rows[row.IDSottoMovimento] = {*row.IDArticolo, *row.Qt};
    }
    // The dialog changes and drops rows before the save too.
    if (!m.rows.empty() && m_draw.chance(30)) {
        SottoMovimentiRecord row;
        const int key = edit.rowKeys().at(m_draw.between(0, int(edit.rowKeys().size()) - 1));
        QVERIFY(edit.loadRow(key, &row));
        row.Qt = m_draw.quantity();
        QVERIFY(edit.changeRow(row));
        m.rows[key].qt = *row.Qt;
        actions << QStringLiteral("changed %1 to qt %2").arg(key).arg(double(*row.Qt));
    }
    if (!m.rows.empty() && m_draw.chance(20)) {
        const int key = edit.rowKeys().at(m_draw.between(0, int(edit.rowKeys().size()) - 1));
        QVERIFY(edit.deleteMovementRow(key));
        m.rows.erase(key);
        actions << QStringLiteral("removed %1").arg(key);
    }
    if (type == MovementType::Scarico && m_draw.chance(30)) {
        edit.setType(MovementType::Ricevuta);
        actions << QStringLiteral("switched to receipt");
    }
    m.type = edit.type();
    checkStock(edit, 0, m.type, m.rows, {});
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(edit.save(), MovementEdit::SaveResult::Saved);
    QVERIFY(!m_db.inTransaction());
    const int key = edit.header().IDMovimento;
    m_log << QStringLiteral("%1 create type %2 date %3 -> movement %4 type %5 rows [%6] %7")
                 .arg(n)
                 .arg(type)
                 .arg(m.date.toString(Qt::ISODate))
                 .arg(key)
                 .arg(m.type)
                 .arg(rowsText(m.rows), actions.join(QStringLiteral("; ")));
    std::set<int> changed;
    for (const auto& [rowKey, r] : m.rows)
        changed.insert(r.item);
    m_ledger[key] = m;
    recompute(edit.touchedItems(), changed);
}

void LedgerRun::edit(int n) {
    const int key = pickMovement();
    MovementModel& before = m_ledger[key];
    MovementModel after = before;
    MovementEdit edit(m_db, before.type);
    QVERIFY(edit.open(key));
    QCOMPARE(edit.type(), before.type);
    QList<int> expectedKeys;
    for (const auto& [rowKey, r] : before.rows)
        expectedKeys << rowKey;
    QCOMPARE(edit.rowKeys(), expectedKeys);

    QStringList actions;
    for (int k = m_draw.between(1, 4); k > 0; --k) {
        const int action = after.rows.empty() ? 3 : m_draw.between(0, 3);
        if (action == 3) {
            SottoMovimentiRecord row = newRow();
            QVERIFY(edit.insertRow(row));
            after.rows[row.IDSottoMovimento] = {*row.IDArticolo, *row.Qt};
            actions << QStringLiteral("added %1 item %2 qt %3")
                           .arg(row.IDSottoMovimento)
                           .arg(*row.IDArticolo)
                           .arg(double(*row.Qt));
            continue;
        }
        const int rowKey = edit.rowKeys().at(m_draw.between(0, int(edit.rowKeys().size()) - 1));
        if (action == 2) {
            QVERIFY(edit.deleteMovementRow(rowKey));
            after.rows.erase(rowKey);
            actions << QStringLiteral("removed %1").arg(rowKey);
            continue;
        }
        SottoMovimentiRecord row;
        QVERIFY(edit.loadRow(rowKey, &row));
        row.Qt = m_draw.quantity();
        if (action == 1)
            row.IDArticolo = m_draw.pick(m_itemKeys);
        QVERIFY(edit.changeRow(row));
        after.rows[rowKey] = {*row.IDArticolo, *row.Qt};
        actions << QStringLiteral("changed %1 to item %2 qt %3")
                       .arg(rowKey)
                       .arg(*row.IDArticolo)
                       .arg(double(*row.Qt));
    }
    if (m_draw.chance(30)) {
        after.date = m_draw.date();
        edit.header().Data = after.date;
        actions << QStringLiteral("date %1").arg(after.date.toString(Qt::ISODate));
    }
    if (MovementType::IsSale(after.type) && m_draw.chance(30)) {
        after.type =
            after.type == MovementType::Scarico ? MovementType::Ricevuta : MovementType::Scarico;
        edit.setType(after.type);
        if (after.type == MovementType::Scarico)
            edit.header().IDCliFor = m_customer;
        actions << QStringLiteral("type %1").arg(after.type);
    }
    std::set<int> attached;
    for (const auto& [rowKey, r] : before.rows)
        attached.insert(rowKey);
    checkStock(edit, key, before.type, after.rows, attached);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(edit.save(), MovementEdit::SaveResult::Saved);
    QVERIFY(!m_db.inTransaction());
    m_log << QStringLiteral("%1 edit movement %2: %3 -> rows [%4]")
                 .arg(n)
                 .arg(key)
                 .arg(actions.join(QStringLiteral("; ")), rowsText(after.rows));
    std::set<int> changed;
    for (const auto& [rowKey, r] : before.rows)
        changed.insert(r.item);
    for (const auto& [rowKey, r] : after.rows)
        changed.insert(r.item);
    before = after;
    recompute(edit.touchedItems(), changed);
}

void LedgerRun::cancel(int n) {
    const std::map<int, Counters> countersBefore = storedCounters(m_db);
    const qint64 rowsBefore = scalar(m_db, QStringLiteral("SELECT COUNT(*) FROM SottoMovimenti"));
    std::set<int> involved;
    QStringList actions;
    const bool existing = !m_ledger.empty() && m_draw.chance(50);
    const int key = existing ? pickMovement() : 0;
    {
        const int type = existing ? m_ledger[key].type : m_draw.between(0, 2);
        MovementEdit edit(m_db, type);
        QVERIFY(existing ? edit.open(key) : edit.begin());
        if (existing)
            for (const auto& [rowKey, r] : m_ledger[key].rows)
                involved.insert(r.item);
        for (int k = m_draw.between(1, 4); k > 0; --k) {
            if (!edit.rowKeys().isEmpty() && m_draw.chance(40)) {
                const int rowKey =
                    edit.rowKeys().at(m_draw.between(0, int(edit.rowKeys().size()) - 1));
                QVERIFY(edit.deleteMovementRow(rowKey));
                actions << QStringLiteral("removed %1").arg(rowKey);
                continue;
            }
            SottoMovimentiRecord row = newRow();
            QVERIFY(edit.insertRow(row));
            involved.insert(*row.IDArticolo);
            actions << QStringLiteral("added %1 item %2")
                           .arg(row.IDSottoMovimento)
                           .arg(*row.IDArticolo);
        }
        // Cancelled by the command, or by closing the dialog (the edit goes away).
        if (m_draw.chance(50)) {
            edit.cancel();
            actions << QStringLiteral("cancelled");
        } else {
            actions << QStringLiteral("dropped");
        }
    }
    m_log << QStringLiteral("%1 cancel %2: %3")
                 .arg(n)
                 .arg(existing ? QStringLiteral("edit of %1").arg(key) : QStringLiteral("new"),
                      actions.join(QStringLiteral("; ")));
    QVERIFY(!m_db.inTransaction());
    QCOMPARE(
        scalar(m_db, QStringLiteral("SELECT COUNT(*) FROM SottoMovimenti WHERE IDMovimento = 0")),
        qint64(0));
    QCOMPARE(scalar(m_db, QStringLiteral("SELECT COUNT(*) FROM SottoMovimenti")), rowsBefore);
    QVERIFY2(storedCounters(m_db) == countersBefore, "a cancel changed a counter");
    // Nothing of the edit is left in the ledger either: recomputing changes nothing.
    for (int item : involved)
        QVERIFY(UpdateArtInfo(m_db, nullptr, item));
    QVERIFY2(storedCounters(m_db) == countersBefore, "a cancel left rows that count");
}

void LedgerRun::remove(int n) {
    std::set<int> chosen;
    for (int k = m_draw.between(1, 4); k > 0 && chosen.size() < m_ledger.size(); --k)
        chosen.insert(pickMovement());
    const QList<int> keys(chosen.begin(), chosen.end());
    std::set<int> changed;
    for (int key : keys)
        for (const auto& [rowKey, r] : m_ledger[key].rows)
            changed.insert(r.item);
    const DeleteOutcome outcome = DeleteMovements(m_db, keys);
    m_log << QStringLiteral("%1 delete %2").arg(n).arg([&] {
        QStringList t;
        for (int k : keys)
            t << QString::number(k);
        return t.join(u' ');
    }());
    QCOMPARE(outcome.deleted, keys);
    QVERIFY(outcome.failed.isEmpty());
    QCOMPARE(std::set<int>(outcome.items.begin(), outcome.items.end()), changed);
    for (int key : keys)
        m_ledger.erase(key);
    recompute(outcome.items, changed);
}

void LedgerRun::checkAll(const QString& when) {
    // The ledger itself: the headers and their rows, and nothing pending.
    QSqlQuery q;
    std::map<int, int> types;
    QVERIFY(m_db.query(q, QStringLiteral("SELECT IDMovimento, Tipo, Data FROM Movimenti")));
    while (q.next()) {
        const int key = q.value(0).toInt();
        const auto m = m_ledger.find(key);
        QVERIFY2(m != m_ledger.end(),
                 qPrintable(QStringLiteral("%1: movement %2 should be gone").arg(when).arg(key)));
        QCOMPARE(q.value(1).toInt(), m->second.type);
        QCOMPARE(Record::ReadDateTime(q.value(2)), m->second.date);
        types[key] = q.value(1).toInt();
    }
    QCOMPARE(types.size(), m_ledger.size());
    std::map<int, std::map<int, RowModel>> rows;
    QVERIFY(m_db.query(q, QStringLiteral("SELECT IDSottoMovimento, IDMovimento, IDArticolo, Qt "
                                         "FROM SottoMovimenti")));
    while (q.next())
        rows[q.value(1).toInt()][q.value(0).toInt()] = {q.value(2).toInt(),
                                                        Record::ReadReal(q.value(3)).value_or(0)};
    q.finish();
    QVERIFY2(!rows.count(0), qPrintable(when + QStringLiteral(": pending rows left")));
    for (const auto& [key, m] : m_ledger) {
        const std::map<int, RowModel>& found = rows[key];
        QVERIFY2(rowsText(found) == rowsText(m.rows),
                 qPrintable(QStringLiteral("%1: movement %2 holds [%3], not [%4]")
                                .arg(when)
                                .arg(key)
                                .arg(rowsText(found), rowsText(m.rows))));
        rows.erase(key);
    }
    QVERIFY2(rows.empty(), qPrintable(when + QStringLiteral(": rows of no movement")));

    const std::map<int, Counters> stored = storedCounters(m_db);
    for (const ItemModel& item : m_items) {
        const auto s = stored.find(item.id);
        QVERIFY(s != stored.end());
        const Counters expected = expectedCounters(item, m_ledger);
        QVERIFY2(s->second == expected,
                 qPrintable(QStringLiteral("%1: item %2\n  stored   %3\n  expected %4")
                                .arg(when)
                                .arg(item.id)
                                .arg(s->second.text(), expected.text())));
    }
}

// Prints what replays a failed run.
class ReplayOnFailure {
public:
    ReplayOnFailure(const QString& backend, unsigned seed, int ops, const LedgerRun& run)
        : m_backend(backend), m_seed(seed), m_ops(ops), m_run(run) {}
    ~ReplayOnFailure() {
        if (!QTest::currentTestFailed())
            return;
        qInfo().noquote() << QStringLiteral("Replay: QUARZIL_LEDGER_SEED=%1 QUARZIL_LEDGER_OPS=%2 "
                                            "tst_LedgerProperty ledgerMatchesCounters:%3")
                                 .arg(m_seed)
                                 .arg(m_ops)
                                 .arg(m_backend);
        for (const QString& line : m_run.log())
            qInfo().noquote() << line;
    }

private:
    QString m_backend;
    unsigned m_seed;
    int m_ops;
    const LedgerRun& m_run;
};

int envInt(const char* name, int fallback) {
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(name, &ok);
    return ok && v > 0 ? v : fallback;
}

} // namespace

class tst_LedgerProperty : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ledgerMatchesCounters_data() { TestSupport::AddBackendRows(); }
    void ledgerMatchesCounters();
};

void tst_LedgerProperty::ledgerMatchesCounters() {
    QFETCH(QString, backend);
    TestSupport::Archive archive(backend);
    QVERIFY2(archive.isOpen(), qPrintable(archive.error()));
    Database& db = archive.db();
    const unsigned seed = unsigned(envInt("QUARZIL_LEDGER_SEED", int(kDefaultSeed)));
    const int ops = envInt("QUARZIL_LEDGER_OPS", kDefaultOps);

    LedgerRun run(db, seed);
    ReplayOnFailure replay(backend, seed, ops, run);
    run.setUp();
    if (QTest::currentTestFailed())
        return;
    for (int n = 1; n <= ops; ++n) {
        run.step(n);
        if (QTest::currentTestFailed())
            return;
        if (n % kCheckEvery == 0 || n == ops) {
            run.checkAll(QStringLiteral("after operation %1").arg(n));
            if (QTest::currentTestFailed())
                return;
        }
    }
    QVERIFY(run.committed() > ops / 2);

    // The command line's own check agrees with the counters the edits left.
    QProcess cli;
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    cli.setProcessEnvironment(env);
    cli.setProcessChannelMode(QProcess::MergedChannels);
    const QString connection = archive.connectionString();
    const QStringList target =
        ConnectionString::TypeOf(connection) == 0
            ? QStringList{QStringLiteral("--archive"),
                          ConnectionString::Value(connection, QStringLiteral("Data Source"))}
            : QStringList{QStringLiteral("--connection"), connection};
    cli.start(TestSupport::CliPath(),
              target + QStringList{QStringLiteral("recompute"), QStringLiteral("--check")});
    QVERIFY2(cli.waitForFinished(60000), qPrintable(cli.errorString()));
    QVERIFY2(cli.exitStatus() == QProcess::NormalExit && cli.exitCode() == 0,
             cli.readAll().constData());
}

QTEST_GUILESS_MAIN(tst_LedgerProperty)
#include "tst_LedgerProperty.moc"
