// label: db
#include "BenchData.h"
#include "TestSupport.h"
#include "common/Profile.h"
#include "items/ArtRowIcon.h"
#include "items/StockCounters.h"
#include "items/UpdateAllArtInfo.h"
#include "store/TableRecord.h"
#include "store/records/ArticoliRecord.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Rows = QList<QPair<int, double>>; // item, quantity

struct Item {
    std::optional<float> giacInit;
    std::optional<float> scortaMin;
    QVariant idum = QVariant(QMetaType::fromType<int>());
};

int addItem(Database& db, const Item& item = {}) {
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("INSERT INTO Articoli (Matricola, Descrizione, GiacInit, "
                                 "ScortaMin, IDUM) VALUES (?, ?, ?, ?, ?) RETURNING IDArticolo"),
                  {TestSupport::UniqueName(QStringLiteral("M")), QStringLiteral("Articolo"),
                   Record::BindReal(item.giacInit), Record::BindReal(item.scortaMin), item.idum}) ||
        !q.next())
        return -1;
    return q.value(0).toInt();
}

bool addMovement(Database& db, int tipo, const QDateTime& when, const Rows& rows) {
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("INSERT INTO Movimenti (Tipo, Data) VALUES (?, ?) "
                                 "RETURNING IDMovimento"),
                  {tipo, when}) ||
        !q.next())
        return false;
    const int id = q.value(0).toInt();
    for (const auto& [item, qt] : rows)
        if (!db.execute(QStringLiteral("INSERT INTO SottoMovimenti (IDMovimento, IDArticolo, Qt) "
                                       "VALUES (?, ?, ?)"),
                        {id, item, qt}))
            return false;
    return true;
}

bool addOrder(Database& db, const std::optional<bool>& evaso, const Rows& rows) {
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("INSERT INTO Ordini (Numero, Evaso) VALUES (?, ?) "
                                 "RETURNING IDOrdine"),
                  {QStringLiteral("1"), Record::BindBit(evaso, db.backend())}) ||
        !q.next())
        return false;
    const int id = q.value(0).toInt();
    for (const auto& [item, qt] : rows)
        if (!db.execute(QStringLiteral("INSERT INTO SottoOrdini (IDOrdine, IDArticolo, Qt) "
                                       "VALUES (?, ?, ?)"),
                        {id, item, qt}))
            return false;
    return true;
}

ArticoliRecord load(Database& db, int id) {
    ArticoliRecord r;
    LoadRecord(db, id, r);
    return r;
}

QDateTime at(int y, int m, int d) {
    return QDateTime(QDate(y, m, d), QTime(10, 30));
}

// Every item's derived columns, one line each.
QString dumpCounters(Database& db) {
    QString text;
    QSqlQuery q;
    if (!db.query(q, QStringLiteral("SELECT IDArticolo, UnMis, Carichi, Scarichi, Resi, Giacenza, "
                                    "Riordino, Ordinato, LastMov FROM Articoli "
                                    "ORDER BY IDArticolo")))
        return db.errorText();
    while (q.next()) {
        QStringList cells{q.value(0).toString(), q.value(1).toString()};
        for (int c = 2; c < 8; ++c) {
            const std::optional<float> v = Record::ReadReal(q.value(c));
            cells << (v ? QString::number(*v, 'g', 9) : QStringLiteral("NULL"));
        }
        cells << Record::ReadDateTime(q.value(8)).toString(Qt::ISODate);
        text += cells.join(u'|') + u'\n';
    }
    return text;
}

} // namespace

class tst_StockCounters : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanupTestCase() { m_archives.clear(); }

    void itemWithoutMovements_data() { TestSupport::AddBackendRows(); }
    void itemWithoutMovements();
    void sumsByMovementType_data() { TestSupport::AddBackendRows(); }
    void sumsByMovementType();
    void reorderRule_data();
    void reorderRule();
    void onlyOpenOrdersCount_data() { TestSupport::AddBackendRows(); }
    void onlyOpenOrdersCount();
    void unitAbbreviation_data() { TestSupport::AddBackendRows(); }
    void unitAbbreviation();
    void singlePrecision_data() { TestSupport::AddBackendRows(); }
    void singlePrecision();
    void missingItemAndCrashLog_data() { TestSupport::AddBackendRows(); }
    void missingItemAndCrashLog();
    void rowIcon();
    void recomputeAllOrListedMatchesEachItem_data() { TestSupport::AddBackendRows(); }
    void recomputeAllOrListedMatchesEachItem();

private:
    TestSupport::ArchivePool m_archives;
};

#define ARCHIVE(db) QUARZIL_FETCH_ARCHIVE(m_archives, db)

void tst_StockCounters::itemWithoutMovements() {
    ARCHIVE(db);
    const int id = addItem(*db, {5.0f, std::nullopt});
    QVERIFY2(id > 0, qPrintable(db->errorText()));
    QVERIFY(UpdateArtInfo(*db, nullptr, id));
    const ArticoliRecord r = load(*db, id);
    QCOMPARE(r.Carichi, std::nullopt);
    QCOMPARE(r.Scarichi, std::nullopt);
    QCOMPARE(r.Resi, std::nullopt);
    QCOMPARE(r.Ordinato, std::nullopt);
    QCOMPARE(r.Riordino, std::nullopt);
    QVERIFY(!r.LastMov.isValid());
    QCOMPARE(r.Giacenza, std::optional<float>(5.0f));
    QCOMPARE(GetArtCar(*db, nullptr, id), 0.0f);
}

void tst_StockCounters::sumsByMovementType() {
    ARCHIVE(db);
    const int id = addItem(*db, {1.0f, std::nullopt});
    const int other = addItem(*db);
    QVERIFY(id > 0 && other > 0);
    QVERIFY(addMovement(*db, 0, at(2021, 3, 1), {{id, 10}, {id, 2.5}, {other, 100}}));
    QVERIFY(addMovement(*db, 1, at(2022, 5, 9), {{id, 3}, {other, 7}}));
    // A receipt takes stock out like an unload.
    QVERIFY(addMovement(*db, 3, at(2020, 1, 1), {{id, 1.5}}));
    QVERIFY(addMovement(*db, 2, at(2021, 12, 31), {{id, 2}}));
    // The most recent movement of another item is not this one's.
    QVERIFY(addMovement(*db, 0, at(2024, 1, 1), {{other, 1}}));

    QCOMPARE(GetArtCar(*db, nullptr, id), 12.5f);
    QCOMPARE(GetArtSca(*db, nullptr, id), 4.5f);
    QCOMPARE(GetArtReso(*db, nullptr, id), 2.0f);
    QVERIFY(UpdateArtInfo(*db, nullptr, id));
    const ArticoliRecord r = load(*db, id);
    QCOMPARE(r.Carichi, std::optional<float>(12.5f));
    QCOMPARE(r.Scarichi, std::optional<float>(4.5f));
    QCOMPARE(r.Resi, std::optional<float>(2.0f));
    QCOMPARE(r.Giacenza, std::optional<float>(12.5f + 2.0f + 1.0f - 4.5f));
    QCOMPARE(r.LastMov, at(2022, 5, 9));

    // Movements that cancel out leave no counter but the stock.
    const int even = addItem(*db);
    QVERIFY(addMovement(*db, 0, at(2021, 3, 1), {{even, 4}, {even, -4}}));
    QVERIFY(UpdateArtInfo(*db, nullptr, even));
    const ArticoliRecord e = load(*db, even);
    QCOMPARE(e.Carichi, std::nullopt);
    QCOMPARE(e.Giacenza, std::optional<float>(0.0f));
    QCOMPARE(e.LastMov, at(2021, 3, 1));
}

void tst_StockCounters::reorderRule_data() {
    QTest::addColumn<QString>("backend");
    QTest::addColumn<std::optional<float>>("scortaMin");
    QTest::addColumn<float>("giacenza");
    QTest::addColumn<std::optional<float>>("riordino");
    for (const char* b : {"sqlite", "postgres"}) {
        const QString backend = QLatin1String(b);
        QTest::addRow("%s/below minimum", b)
            << backend << std::optional<float>(10) << 4.0f << std::optional<float>(6);
        QTest::addRow("%s/at minimum", b)
            << backend << std::optional<float>(10) << 10.0f << std::optional<float>();
        QTest::addRow("%s/negative, no minimum", b)
            << backend << std::optional<float>() << -3.0f << std::optional<float>(3);
        QTest::addRow("%s/zero, no minimum", b)
            << backend << std::optional<float>() << 0.0f << std::optional<float>();
        QTest::addRow("%s/negative, zero minimum", b)
            << backend << std::optional<float>(0) << -2.0f << std::optional<float>(2);
    }
}

void tst_StockCounters::reorderRule() {
    ARCHIVE(db);
    QFETCH(std::optional<float>, scortaMin);
    QFETCH(float, giacenza);
    QFETCH(std::optional<float>, riordino);
    const int id = addItem(*db, {std::nullopt, scortaMin});
    QVERIFY(id > 0);
    if (giacenza != 0)
        QVERIFY(addMovement(*db, giacenza > 0 ? 0 : 1, at(2023, 2, 2), {{id, qAbs(giacenza)}}));
    QVERIFY(UpdateArtInfo(*db, nullptr, id));
    const ArticoliRecord r = load(*db, id);
    QCOMPARE(r.Giacenza, std::optional<float>(giacenza));
    QCOMPARE(r.Riordino, riordino);
}

void tst_StockCounters::onlyOpenOrdersCount() {
    ARCHIVE(db);
    const int id = addItem(*db);
    const int fulfilledOnly = addItem(*db);
    QVERIFY(addOrder(*db, false, {{id, 4}, {fulfilledOnly, 1}}));
    QVERIFY(addOrder(*db, true, {{id, 7}, {fulfilledOnly, 9}}));
    // An order whose flag was never written is still open.
    QVERIFY(addOrder(*db, std::nullopt, {{id, 1}}));
    QVERIFY(addOrder(*db, true, {{fulfilledOnly, 2}}));
    QVERIFY(addOrder(*db, false, {{fulfilledOnly, -1}}));
    QVERIFY(UpdateArtInfo(*db, nullptr, id));
    QVERIFY(UpdateArtInfo(*db, nullptr, fulfilledOnly));
    QCOMPARE(load(*db, id).Ordinato, std::optional<float>(5));
    QCOMPARE(load(*db, fulfilledOnly).Ordinato, std::nullopt);
}

void tst_StockCounters::unitAbbreviation() {
    ARCHIVE(db);
    QSqlQuery q;
    QVERIFY(db->query(q,
                      QStringLiteral("INSERT INTO UnMis (Sigla, Descrizione) VALUES (?, ?) "
                                     "RETURNING IDUM"),
                      {QStringLiteral("Bt"), QStringLiteral("Bottiglie")}));
    QVERIFY(q.next());
    const int unit = q.value(0).toInt();
    q.finish();
    const int measured = addItem(*db, {std::nullopt, std::nullopt, unit});
    const int none = addItem(*db);
    const int zero = addItem(*db, {std::nullopt, std::nullopt, 0});
    for (int id : {measured, none, zero})
        QVERIFY(UpdateArtInfo(*db, nullptr, id));
    QCOMPARE(load(*db, measured).UnMis, QStringLiteral("Bt"));
    QVERIFY(load(*db, none).UnMis.isNull());
    QVERIFY(load(*db, zero).UnMis.isNull());

    QVERIFY(db->execute(QStringLiteral("DELETE FROM UnMis WHERE IDUM = ?"), {unit}));
    QVERIFY(UpdateArtInfo(*db, nullptr, measured));
    QVERIFY(load(*db, measured).UnMis.isNull());
}

void tst_StockCounters::singlePrecision() {
    ARCHIVE(db);
    // 2^24 + 1 cannot be held in single precision: the stock stays at 2^24.
    const int id = addItem(*db, {16777216.0f, std::nullopt});
    QVERIFY(addMovement(*db, 0, at(2023, 1, 1), {{id, 1}}));
    const int tenths = addItem(*db);
    QVERIFY(addMovement(*db, 0, at(2023, 1, 1), {{tenths, 0.1}, {tenths, 0.2}}));
    QVERIFY(UpdateArtInfo(*db, nullptr, id));
    QVERIFY(UpdateArtInfo(*db, nullptr, tenths));
    QCOMPARE(load(*db, id).Giacenza, std::optional<float>(16777216.0f));
    // The rows hold 0.1f and 0.2f; their sum is narrowed once.
    QCOMPARE(load(*db, tenths).Carichi, std::optional<float>(float(double(0.1f) + double(0.2f))));
}

void tst_StockCounters::missingItemAndCrashLog() {
    ARCHIVE(db);
    QTemporaryDir dir;
    Profile profile(dir.filePath(QStringLiteral("user.ini")),
                    dir.filePath(QStringLiteral("m.ini")));
    const QString key = QStringLiteral("ArticoliView:UpdateArtInfo");
    for (const char* k : {"ArticoliView:UpdateArtInfo", "ArticoliView:GetArtCar",
                          "ArticoliView:GetArtSca", "ArticoliView:GetArtReso"})
        profile.logStep(QLatin1String(k), QStringLiteral("in corso"));

    // A key that names no item: the counters cannot be written and the entry stays.
    QVERIFY(!UpdateArtInfo(*db, &profile, 987654));
    QVERIFY(profile.contains(Profile::Section::Log, key));
    QVERIFY(!profile.contains(Profile::Section::Log, QStringLiteral("ArticoliView:GetArtCar")));

    QVERIFY(UpdateArtInfo(*db, &profile, 0));
    QVERIFY(UpdateArtInfo(*db, &profile, -5));
    const int id = addItem(*db);
    QVERIFY(UpdateArtInfo(*db, &profile, id));
    QVERIFY(profile.logEntries().isEmpty());
}

void tst_StockCounters::rowIcon() {
    const std::optional<float> none, zero(0.0f), some(2.5f);
    QCOMPARE(ArtRowIcon(none, none, std::nullopt), 0);
    QCOMPARE(ArtRowIcon(zero, zero, false), 0);
    QCOMPARE(ArtRowIcon(none, some, std::nullopt), 2);
    QCOMPARE(ArtRowIcon(none, none, true), 3);
    QCOMPARE(ArtRowIcon(some, none, false), 4);
    QCOMPARE(ArtRowIcon(some, some, true), 6);
    QCOMPARE(ArtRowIcon(some, none, true), 7);
    ArticoliRecord item;
    item.Ordinato = 1.0f;
    item.Imei = true;
    QCOMPARE(ArtRowIcon(item), 2);
}

void tst_StockCounters::recomputeAllOrListedMatchesEachItem() {
    QFETCH(QString, backend);
    TestSupport::Archive archive(backend);
    QVERIFY2(archive.isOpen(), qPrintable(archive.error()));
    Database& db = archive.db();
    BenchData::Sizes sizes;
    // More items than one batch of written rows holds.
    sizes.items = 1100;
    sizes.rows = 8000;
    BenchData::Counts counts;
    QString error;
    QVERIFY2(BenchData::Generate(db, sizes, &counts, &error), qPrintable(error));
    // A unit that items use is deleted; some quantities have no exact binary form, so the sums
    // must not depend on the order the rows are added in.
    QVERIFY(db.execute(QStringLiteral("DELETE FROM UnMis WHERE IDUM = 3")));
    QVERIFY(db.execute(QStringLiteral("UPDATE SottoMovimenti SET Qt = Qt + 0.1 "
                                      "WHERE IDSottoMovimento % 3 = 0")));

    for (int id = 1; id <= counts.items; ++id)
        QVERIFY2(UpdateArtInfo(db, nullptr, id), qPrintable(QString::number(id)));
    const QString eachItem = dumpCounters(db);
    QVERIFY(eachItem.contains(QLatin1String("|NULL|")));

    QVERIFY(db.execute(QStringLiteral("UPDATE Articoli SET UnMis = 'x', Carichi = 1, "
                                      "Scarichi = 1, Resi = 1, Giacenza = 1, Riordino = 1, "
                                      "Ordinato = 1, LastMov = NULL")));
    QCOMPARE(UpdateAllArtInfo(db, nullptr), counts.items);
    QCOMPARE(dumpCounters(db), eachItem);

    // A list longer than one read, in any order, with repeats and keys that name no item.
    const QString scramble =
        QStringLiteral("UPDATE Articoli SET UnMis = 'x', Carichi = 1, Scarichi = 1, Resi = 1, "
                       "Giacenza = 1, Riordino = 1, Ordinato = 1, LastMov = NULL");
    QVERIFY(db.execute(scramble));
    QList<int> listed{0, -4};
    for (int id = counts.items; id >= 1; --id)
        listed << id;
    listed << 7 << 7;
    QVERIFY(UpdateArtInfoList(db, nullptr, listed));
    QCOMPARE(dumpCounters(db), eachItem);
    QVERIFY(UpdateArtInfoList(db, nullptr, {}));
    QVERIFY(db.execute(scramble));
    QVERIFY(!UpdateArtInfoList(db, nullptr, {3, counts.items + 50, 5}));
    QVERIFY(!db.inTransaction());
    const QStringList lines = dumpCounters(db).split(u'\n');
    const QStringList expected = eachItem.split(u'\n');
    QCOMPARE(lines.at(2), expected.at(2));
    QCOMPARE(lines.at(4), expected.at(4));
    QVERIFY(lines.at(3) != expected.at(3));
}

QTEST_MAIN(tst_StockCounters)
#include "tst_StockCounters.moc"
