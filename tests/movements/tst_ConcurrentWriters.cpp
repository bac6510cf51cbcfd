// label: process
// Two programs save movements on the same items at the same time, each with its own
// connection (two quarzil_ledger_writer processes): both finish, every movement is whole, and
// once both have recomputed the items they touched the counters are the ledger's: neither
// wrote a total read before the other's movement was committed. On PostgreSQL the proposed
// numbers may collide; the program then tells which number is taken.
#include "BenchData.h"
#include "CliRunning.h"
#include "TestSupport.h"
#include "items/UpdateAllArtInfo.h"
#include "movements/MovementStore.h"
#include "movements/MovementTypes.h"
#include "store/Database.h"
#include "store/TableRecord.h"

#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kMovementsEach = 12;
constexpr int kRows = 250;

qint64 scalar(Database& db, const QString& sql, const QVariantList& values = {}) {
    QSqlQuery q;
    if (!db.query(q, sql, values) || !q.next())
        return -1;
    return q.value(0).toLongLong();
}

} // namespace

class tst_ConcurrentWriters : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void twoWritersLoseNothing_data() { TestSupport::AddBackendRows(); }
    void twoWritersLoseNothing();
};

void tst_ConcurrentWriters::twoWritersLoseNothing() {
    QFETCH(QString, backend);
    QTemporaryDir dir;
    const bool postgres = backend == QLatin1String("postgres");
    const QString target =
        postgres ? TestSupport::PostgresServer() : dir.filePath(QStringLiteral("two.db"));
    QVERIFY2(!target.isEmpty(), "QUARZIL_TEST_PG is not set: run through tools/pgtest.sh");
    const QString catalog = TestSupport::UniqueName(QStringLiteral("qz_two_")).toLower();
    QString error;
    const QString connection = BenchData::CreateArchive(target, catalog, &error);
    QVERIFY2(!connection.isEmpty(), qPrintable(error));
    struct Drop {
        QString target, catalog;
        ~Drop() { BenchData::DropArchive(target, catalog); }
    } drop{target, catalog};
    {
        Database db(QStringLiteral("two_setup"));
        QVERIFY2(db.open(connection), qPrintable(db.errorText()));
        // Few items: nearly every movement of one writer touches items of the other's.
        BenchData::Sizes sizes;
        sizes.items = 15;
        sizes.rows = 0;
        sizes.orders = 0;
        BenchData::Counts counts;
        QVERIFY2(BenchData::Generate(db, sizes, &counts, &error), qPrintable(error));
        QVERIFY(
            db.execute(QStringLiteral("INSERT INTO CliFor (RagSoc, CliFor) VALUES (?, ?)"),
                       {QStringLiteral("Cliente al banco"), Record::BindBit(true, db.backend())}));
        QVERIFY(UpdateAllArtInfo(db, nullptr) == sizes.items);
    }

    QProcess writers[2];
    for (int i = 0; i < 2; ++i) {
        writers[i].setProcessChannelMode(QProcess::ForwardedErrorChannel);
        writers[i].start(QStringLiteral(QUARZIL_LEDGER_WRITER),
                         {connection, QString::number(77 + i), QString::number(kMovementsEach)});
    }
    for (QProcess& w : writers) {
        QVERIFY(w.waitForFinished(240000));
        QCOMPARE(w.exitStatus(), QProcess::NormalExit);
        QCOMPARE(w.exitCode(), 0);
    }

    Database db(QStringLiteral("two_check"));
    QVERIFY2(db.open(connection), qPrintable(db.errorText()));
    QCOMPARE(scalar(db, QStringLiteral("SELECT COUNT(*) FROM Movimenti")),
             qint64(2 * kMovementsEach));
    QCOMPARE(scalar(db,
                    QStringLiteral("SELECT COUNT(*) FROM (SELECT IDMovimento FROM "
                                   "SottoMovimenti GROUP BY IDMovimento HAVING COUNT(*) = ?) "
                                   "t"),
                    {kRows}),
             qint64(2 * kMovementsEach));
    QCOMPARE(scalar(db, QStringLiteral("SELECT COUNT(*) FROM SottoMovimenti WHERE IDMovimento "
                                       "= 0")),
             qint64(0));
    const TestSupport::CliRun check =
        TestSupport::RunCli(connection, {QStringLiteral("recompute"), QStringLiteral("--check")});
    QVERIFY2(check.code == 0, check.out.constData());

    // Whatever numbers came out, the warning's look-up agrees with them.
    QSqlQuery q;
    QVERIFY(db.query(q, QStringLiteral("SELECT IDMovimento, Numero, Data FROM Movimenti")));
    QList<std::tuple<int, QString, int>> movements;
    while (q.next())
        movements << std::tuple{q.value(0).toInt(), q.value(1).toString(),
                                Record::ReadDateTime(q.value(2)).date().year()};
    q = QSqlQuery();
    int taken = 0;
    for (const auto& [key, number, year] : movements) {
        int same = 0;
        for (const auto& [otherKey, otherNumber, otherYear] : movements)
            same += otherKey != key && otherNumber == number && otherYear == year;
        QCOMPARE(MovementNumberTaken(db, MovementType::Scarico, number, year, key), same > 0);
        taken += same > 0;
    }
    // SQLite's writers take turns from the start of their edits: they never share a number.
    if (!postgres)
        QCOMPARE(taken, 0);
    qInfo("%s: %d movements saved at once by two writers, %d of them with a number the other "
          "also had",
          qPrintable(backend), 2 * kMovementsEach, taken);
}

QTEST_GUILESS_MAIN(tst_ConcurrentWriters)
#include "tst_ConcurrentWriters.moc"
