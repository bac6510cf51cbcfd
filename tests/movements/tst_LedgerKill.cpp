// label: process
// A program killed while it saves movements leaves a whole ledger: quarzil_ledger_writer saves
// 250-row unloads in a loop and is killed with SIGKILL at random moments; after every kill the
// archive must open, every movement must have all its rows or be gone, and nothing pending
// may be left. The counters are a cache of the ledger: a kill after a commit and before the
// recompute leaves those of that movement's items stale, and nothing else. What is asserted
// after each kill, in order:
//   1. the archive opens again; SQLite's integrity check says "ok";
//   2. every movement has exactly 250 rows and its totals, no row is pending (IDMovimento 0)
//      or belongs to no movement, and every movement the writer said it committed is there;
//   3. "quarzil-cli recompute --check" finds no difference, or only differences in items of
//      the last movement when the writer had not said it recomputed that one;
//   4. "quarzil-cli recompute" and then "quarzil-cli recompute --check" both exit 0.
//
//   QUARZIL_KILLS=200 QUARZIL_KILL_SECONDS=600 tst_LedgerKill
//
// runs longer; the seed is printed on failure.
#include "BenchData.h"
#include "CliRunning.h"
#include "TestSupport.h"
#include "items/UpdateAllArtInfo.h"
#include "store/ConnectionString.h"
#include "store/Database.h"
#include "store/TableRecord.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <random>
#include <unistd.h>

namespace {

constexpr unsigned kSeed = 4242;
constexpr int kDefaultKills = 25;
constexpr int kDefaultSeconds = 100;
constexpr int kRows = 250;

qint64 scalar(Database& db, const QString& sql, const QVariantList& values = {}) {
    QSqlQuery q;
    if (!db.query(q, sql, values) || !q.next())
        return -1;
    return q.value(0).toLongLong();
}

using TestSupport::CliRun;

CliRun cli(const QString& connection, const QStringList& args) {
    return TestSupport::RunCli(connection, args);
}

// What the writer said before it died.
struct WriterOutput {
    QList<int> committed;
    QList<int> recomputed;
    void read(QProcess& p) {
        while (p.canReadLine()) {
            const QList<QByteArray> words = p.readLine().trimmed().split(' ');
            if (words.size() != 2)
                continue;
            if (words[0] == "committed")
                committed << words[1].toInt();
            else if (words[0] == "recomputed")
                recomputed << words[1].toInt();
        }
    }
};

} // namespace

class tst_LedgerKill : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void killedWriterLeavesWholeLedger_data() { TestSupport::AddBackendRows(); }
    void killedWriterLeavesWholeLedger();

private:
    void checkAfterKill(const QString& connection, const WriterOutput& said, int* stale);
};

void tst_LedgerKill::checkAfterKill(const QString& connection, const WriterOutput& said,
                                    int* stale) {
    int lastMovement = 0;
    QSet<int> lastItems;
    {
        Database db(QStringLiteral("after_kill"));
        QVERIFY2(db.open(connection), qPrintable(db.errorText()));
        if (!db.isPostgres()) {
            QSqlQuery q;
            QVERIFY(db.query(q, QStringLiteral("PRAGMA integrity_check")));
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toString(), QStringLiteral("ok"));
        }
        QCOMPARE(scalar(db, QStringLiteral("SELECT COUNT(*) FROM SottoMovimenti WHERE "
                                           "IDMovimento = 0")),
                 qint64(0));
        QCOMPARE(scalar(db, QStringLiteral("SELECT COUNT(*) FROM SottoMovimenti WHERE NOT EXISTS "
                                           "(SELECT 1 FROM Movimenti WHERE Movimenti.IDMovimento "
                                           "= SottoMovimenti.IDMovimento)")),
                 qint64(0));
        QCOMPARE(scalar(db,
                        QStringLiteral("SELECT COUNT(*) FROM (SELECT Movimenti.IDMovimento "
                                       "FROM Movimenti LEFT JOIN SottoMovimenti ON "
                                       "Movimenti.IDMovimento = SottoMovimenti.IDMovimento "
                                       "GROUP BY Movimenti.IDMovimento HAVING "
                                       "COUNT(SottoMovimenti.IDSottoMovimento) <> ?) t"),
                        {kRows}),
                 qint64(0));
        // The header's totals are written in the same transaction as its rows.
        QCOMPARE(scalar(db, QStringLiteral("SELECT COUNT(*) FROM Movimenti WHERE Prezzo IS NULL "
                                           "OR Totale IS NULL OR CliFor IS NULL")),
                 qint64(0));
        for (int key : said.committed)
            QVERIFY2(scalar(db,
                            QStringLiteral("SELECT COUNT(*) FROM Movimenti WHERE IDMovimento = ?"),
                            {key}) == 1,
                     qPrintable(QStringLiteral("committed movement %1 is gone").arg(key)));
        lastMovement =
            int(scalar(db, QStringLiteral("SELECT COALESCE(MAX(IDMovimento), 0) FROM Movimenti")));
        QSqlQuery q;
        QVERIFY(db.query(
            q,
            QStringLiteral("SELECT DISTINCT IDArticolo FROM SottoMovimenti WHERE IDMovimento = ?"),
            {lastMovement}));
        while (q.next())
            lastItems << q.value(0).toInt();
    }

    const CliRun check = cli(connection, {QStringLiteral("recompute"), QStringLiteral("--check"),
                                          QStringLiteral("--json")});
    QVERIFY2(check.code == 0 || check.code == 1, check.out.constData());
    const QJsonArray differences =
        QJsonDocument::fromJson(check.out).object().value(QStringLiteral("differences")).toArray();
    QCOMPARE(check.code == 0, differences.isEmpty());
    if (!differences.isEmpty()) {
        ++*stale;
        QVERIFY2(!said.recomputed.contains(lastMovement),
                 qPrintable(QStringLiteral("movement %1 was recomputed, yet: %2")
                                .arg(lastMovement)
                                .arg(QString::fromUtf8(check.out))));
        for (const QJsonValue& d : differences) {
            const int item = d.toObject().value(QStringLiteral("item")).toInt();
            QVERIFY2(lastItems.contains(item),
                     qPrintable(QStringLiteral("item %1 is stale but not in movement %2")
                                    .arg(item)
                                    .arg(lastMovement)));
        }
    }
    QCOMPARE(cli(connection, {QStringLiteral("recompute")}).code, 0);
    const CliRun again = cli(connection, {QStringLiteral("recompute"), QStringLiteral("--check")});
    QVERIFY2(again.code == 0, again.out.constData());
}

void tst_LedgerKill::killedWriterLeavesWholeLedger() {
    QFETCH(QString, backend);
    QTemporaryDir dir;
    const bool postgres = backend == QLatin1String("postgres");
    const QString target =
        postgres ? TestSupport::PostgresServer() : dir.filePath(QStringLiteral("kill.db"));
    QVERIFY2(!target.isEmpty(), "QUARZIL_TEST_PG is not set: run through tools/pgtest.sh");
    const QString catalog = TestSupport::UniqueName(QStringLiteral("qz_kill_")).toLower();
    QString error;
    const QString connection = BenchData::CreateArchive(target, catalog, &error);
    QVERIFY2(!connection.isEmpty(), qPrintable(error));
    struct Drop {
        QString target, catalog;
        ~Drop() { BenchData::DropArchive(target, catalog); }
    } drop{target, catalog};
    {
        Database db(QStringLiteral("kill_setup"));
        QVERIFY2(db.open(connection), qPrintable(db.errorText()));
        BenchData::Sizes sizes;
        sizes.items = 400;
        sizes.rows = 0;
        BenchData::Counts counts;
        QVERIFY2(BenchData::Generate(db, sizes, &counts, &error), qPrintable(error));
        QVERIFY(
            db.execute(QStringLiteral("INSERT INTO CliFor (RagSoc, CliFor) VALUES (?, ?)"),
                       {QStringLiteral("Cliente al banco"), Record::BindBit(true, db.backend())}));
        QVERIFY(UpdateAllArtInfo(db, nullptr) == sizes.items);
    }

    const int kills = TestSupport::EnvInt("QUARZIL_KILLS", kDefaultKills);
    const int seconds = TestSupport::EnvInt("QUARZIL_KILL_SECONDS", kDefaultSeconds);
    std::mt19937 rng(kSeed);
    QElapsedTimer clock;
    clock.start();
    int done = 0, stale = 0, afterCommit = 0;
    for (; done < kills && clock.elapsed() < seconds * 1000; ++done) {
        const unsigned writerSeed = kSeed + unsigned(done);
        QProcess writer;
        writer.setProcessChannelMode(QProcess::SeparateChannels);
        writer.start(QStringLiteral(QUARZIL_LEDGER_WRITER),
                     {connection, QString::number(writerSeed)});
        QVERIFY2(writer.waitForStarted(10000), qPrintable(writer.errorString()));
        WriterOutput said;
        // Half the kills at any moment; half just after a commit, where the counters lag.
        const bool nearCommit = rng() % 2 == 1;
        if (nearCommit) {
            const int commits = int(rng() % 3) + 1;
            QElapsedTimer waited;
            waited.start();
            while (said.committed.size() < commits && waited.elapsed() < 30000 &&
                   writer.state() == QProcess::Running) {
                writer.waitForReadyRead(100);
                said.read(writer);
            }
            ::usleep(useconds_t(rng() % 5000));
            ++afterCommit;
        } else {
            writer.waitForFinished(int(rng() % 1500) + 30);
        }
        const bool ranOn = writer.state() == QProcess::Running;
        writer.kill();
        writer.waitForFinished(10000);
        said.read(writer);
        QVERIFY2(ranOn,
                 qPrintable(QStringLiteral("the writer stopped by itself: %1")
                                .arg(QString::fromLocal8Bit(writer.readAllStandardError()))));
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

        checkAfterKill(connection, said, &stale);
        if (QTest::currentTestFailed()) {
            qInfo("kill %d (writer seed %u, %s) failed", done, writerSeed,
                  nearCommit ? "after a commit" : "at any moment");
            return;
        }
    }
    QVERIFY2(done >= std::min(kills, 5), "too few kills in the time given");
    Database db(QStringLiteral("kill_end"));
    QVERIFY(db.open(connection));
    const qint64 movements = scalar(db, QStringLiteral("SELECT COUNT(*) FROM Movimenti"));
    QVERIFY2(movements > 0, "no movement was ever committed");
    qInfo("%d kills (%d just after a commit), %d left stale counters, %lld movements saved", done,
          afterCommit, stale, movements);
}

QTEST_GUILESS_MAIN(tst_LedgerKill)
#include "tst_LedgerKill.moc"
