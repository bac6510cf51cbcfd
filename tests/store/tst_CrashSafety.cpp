// label: process
// A program killed with SIGKILL while it writes leaves an archive that opens and is whole. Each
// data row kills one kind of writer at random moments, with a fixed seed: item saves and
// customer/supplier saves (quarzil_crash_worker, through the stores the dialogs use), a CSV
// import, the schema upgrade and "Backup Dati" (quarzil-cli), and the backup taken at exit.
// After every kill:
//   - the archive opens again ("quarzil-cli info"), SQLite's integrity check says "ok";
//   - no movement row is pending or without its movement;
//   - what the writer said it had committed is there, whole; an import is all there or absent;
//   - a backup file is either absent or a whole archive with every item; one that was there
//     before the kill is still there;
//   - "quarzil-cli recompute --check" finds the counters equal to the ledger (after an upgrade:
//     what it finds after an upgrade run to its end).
// The movement saves are killed by tst_LedgerKill.
//
//   QUARZIL_CRASH_KILLS=50 QUARZIL_CRASH_SECONDS=300 tst_CrashSafety
//
// kills more in each row (defaults: 9 kills, at most 45 seconds a row).
#include "BenchData.h"
#include "CliRunning.h"
#include "OldArchive.h"
#include "TestSupport.h"
#include "items/UpdateAllArtInfo.h"
#include "store/ConnectionString.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/SchemaUpgrade.h"
#include "store/TableRecord.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <random>

using TestSupport::CliRun;
using TestSupport::RunCli;

namespace {

constexpr unsigned kSeed = 90210;
constexpr int kDefaultKills = 9;
constexpr int kDefaultSeconds = 45;

qint64 scalar(Database& db, const QString& sql, const QVariantList& values = {}) {
    QSqlQuery q;
    if (!db.query(q, sql, values) || !q.next())
        return -1;
    return q.value(0).toLongLong();
}

QString integrity(Database& db) {
    QSqlQuery q;
    if (!db.query(q, QStringLiteral("PRAGMA integrity_check")) || !q.next())
        return db.errorText();
    return q.value(0).toString();
}

// What a file left at a backup's place holds: empty when it is a whole archive with `items`
// items, else what is wrong with it.
QString backupFault(const QString& file, qint64 items) {
    Database db(QStringLiteral("backup_check"));
    if (!db.openToInspect(ConnectionString::ForSqlite(file)))
        return QStringLiteral("does not open: %1").arg(db.errorText());
    const QString check = integrity(db);
    if (check != QLatin1String("ok"))
        return QStringLiteral("integrity: %1").arg(check);
    const qint64 count = scalar(db, QStringLiteral("SELECT COUNT(*) FROM Articoli"));
    if (count != items)
        return QStringLiteral("%1 items instead of %2").arg(count).arg(items);
    return QString();
}

struct Said {
    QList<QPair<int, QString>> saved;
    void read(QProcess& p) {
        while (p.canReadLine()) {
            const QList<QByteArray> words = p.readLine().trimmed().split(' ');
            if (words.size() == 3 && words[0] == "saved")
                saved << qMakePair(words[1].toInt(), QString::fromUtf8(words[2]));
        }
    }
};

} // namespace

class tst_CrashSafety : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void killedWriterLeavesWholeArchive_data();
    void killedWriterLeavesWholeArchive();

private:
    // The checks every kill ends with, on the archive the writer wrote.
    void checkArchive(const QString& connection);
    QString m_home;
    // What "recompute --check" lists right after an upgrade that nobody stopped: the migration
    // stores 0 and the zero date where a recomputation stores nothing. A stopped one must leave
    // exactly that.
    QJsonArray m_upgradeDifferences;
    bool m_upgrade = false;
};

void tst_CrashSafety::killedWriterLeavesWholeArchive_data() {
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("backend");
    for (const char* writer : {"items", "counterparts", "import", "backup"})
        for (const char* backend : {"sqlite", "postgres"})
            QTest::addRow("%s/%s", writer, backend) << writer << backend;
    // Both change an archive file: PostgreSQL has neither.
    QTest::addRow("upgrade/sqlite") << "upgrade"
                                    << "sqlite";
    QTest::addRow("autobackup/sqlite") << "autobackup"
                                       << "sqlite";
}

void tst_CrashSafety::checkArchive(const QString& connection) {
    const CliRun info = RunCli(connection, {QStringLiteral("info")}, m_home);
    QVERIFY2(info.code == 0, info.out.constData());
    Database db(QStringLiteral("after_kill"));
    QVERIFY2(db.open(connection), qPrintable(db.errorText()));
    if (!db.isPostgres())
        QCOMPARE(integrity(db), QStringLiteral("ok"));
    QCOMPARE(scalar(db, QStringLiteral("SELECT COUNT(*) FROM SottoMovimenti WHERE "
                                       "IDMovimento = 0 OR NOT EXISTS (SELECT 1 FROM Movimenti "
                                       "WHERE Movimenti.IDMovimento = "
                                       "SottoMovimenti.IDMovimento)")),
             qint64(0));
    // A classification row the item points at is written in the item's own transaction.
    QCOMPARE(scalar(db, QStringLiteral("SELECT COUNT(*) FROM Articoli WHERE IDCategoria IS NOT "
                                       "NULL AND IDCategoria <> 0 AND NOT EXISTS (SELECT 1 FROM "
                                       "Categorie WHERE Categorie.IDCategoria = "
                                       "Articoli.IDCategoria)")),
             qint64(0));
    db.close();
    const CliRun check = RunCli(
        connection,
        {QStringLiteral("recompute"), QStringLiteral("--check"), QStringLiteral("--json")}, m_home);
    const QJsonArray differences =
        QJsonDocument::fromJson(check.out).object().value(QStringLiteral("differences")).toArray();
    if (m_upgrade) {
        QVERIFY2(check.code == 0 || check.code == 1, check.out.constData());
        QVERIFY2(differences == m_upgradeDifferences, check.out.left(2000).constData());
        return;
    }
    QVERIFY2(check.code == 0, check.out.left(2000).constData());
}

void tst_CrashSafety::killedWriterLeavesWholeArchive() {
    QFETCH(QString, writer);
    QFETCH(QString, backend);
    QTemporaryDir dir;
    m_upgrade = false;
    m_upgradeDifferences = QJsonArray();
    m_home = dir.filePath(QStringLiteral("home"));
    QDir().mkpath(m_home);
    const bool postgres = backend == QLatin1String("postgres");
    const QString target =
        postgres ? TestSupport::PostgresServer() : dir.filePath(QStringLiteral("crash.db"));
    QVERIFY2(!target.isEmpty(), "QUARZIL_TEST_PG is not set: run through tools/pgtest.sh");
    const QString catalog = TestSupport::UniqueName(QStringLiteral("qz_crash_")).toLower();
    QString error;
    QString connection = BenchData::CreateArchive(target, catalog, &error);
    QVERIFY2(!connection.isEmpty(), qPrintable(error));
    struct Drop {
        QString target, catalog;
        ~Drop() { BenchData::DropArchive(target, catalog); }
    } drop{target, catalog};
    qint64 items = 0;
    {
        Database db(QStringLiteral("crash_setup"));
        QVERIFY2(db.open(connection), qPrintable(db.errorText()));
        BenchData::Sizes sizes;
        sizes.items = writer == QLatin1String("upgrade") ? 3000 : 400;
        sizes.rows = writer == QLatin1String("upgrade") ? 30000 : 3000;
        BenchData::Counts counts;
        QVERIFY2(BenchData::Generate(db, sizes, &counts, &error), qPrintable(error));
        QVERIFY(UpdateAllArtInfo(db, nullptr) == sizes.items);
        items = sizes.items;
    }

    // The upgrade starts each time from the same archive of version 17.
    QString oldTemplate;
    if (writer == QLatin1String("upgrade")) {
        oldTemplate = dir.filePath(QStringLiteral("old17.db"));
        const QString old = OldArchive::Create(oldTemplate, 17, &error);
        QVERIFY2(!old.isEmpty(), qPrintable(error));
        Database db(QStringLiteral("crash_old"));
        QVERIFY2(db.openToInspect(old), qPrintable(db.errorText()));
        QVERIFY2(
            OldArchive::FillFromCurrent(
                db, ConnectionString::Value(connection, QStringLiteral("Data Source")), &error),
            qPrintable(error));
        items = scalar(db, QStringLiteral("SELECT COUNT(*) FROM Articoli"));
        connection = ConnectionString::ForSqlite(dir.filePath(QStringLiteral("upgraded.db")));
    }
    const QString upgradedFile = dir.filePath(QStringLiteral("upgraded.db"));

    // A CSV of new items, imported whole or not at all.
    const int importLines = postgres ? 3000 : 20000;
    const QString csv = dir.filePath(QStringLiteral("items.csv"));
    if (writer == QLatin1String("import")) {
        QFile f(csv);
        QVERIFY(f.open(QIODevice::WriteOnly));
        for (int i = 0; i < importLines; ++i)
            f.write(QStringLiteral("IMP%1;Articolo importato %1;pz;%2,50\n")
                        .arg(i)
                        .arg(i % 90)
                        .toUtf8());
    }
    const QString backupFile = dir.filePath(QStringLiteral("copie/Backup Dati.db"));
    QDir().mkpath(dir.filePath(QStringLiteral("copie")));
    const QString autoFolder = dir.filePath(QStringLiteral("automatiche"));

    const auto start = [&](QProcess& p, int n) {
        p.setProcessChannelMode(QProcess::SeparateChannels);
        p.setProcessEnvironment(TestSupport::HomeEnvironment(m_home));
        const QStringList on =
            postgres
                ? QStringList{QStringLiteral("--connection"), connection}
                : QStringList{QStringLiteral("--archive"),
                              ConnectionString::Value(connection, QStringLiteral("Data Source"))};
        if (writer == QLatin1String("items") || writer == QLatin1String("counterparts"))
            p.start(QStringLiteral(QUARZIL_CRASH_WORKER),
                    {writer, connection, QString::number(kSeed + unsigned(n))});
        else if (writer == QLatin1String("autobackup"))
            p.start(QStringLiteral(QUARZIL_CRASH_WORKER), {writer, connection, autoFolder});
        else if (writer == QLatin1String("import"))
            p.start(TestSupport::CliPath(),
                    on + QStringList{QStringLiteral("import"), QStringLiteral("items"), csv,
                                     QStringLiteral("--map"),
                                     QStringLiteral("1=Matricola,2=Descrizione,3=Un.di Misura,"
                                                    "4=Prezzo")});
        else if (writer == QLatin1String("backup"))
            p.start(TestSupport::CliPath(), on + QStringList{QStringLiteral("backup"), backupFile});
        else
            p.start(TestSupport::CliPath(), on + QStringList{QStringLiteral("upgrade")});
    };
    const auto prepare = [&]() {
        if (writer != QLatin1String("upgrade"))
            return true;
        for (const char* suffix : {"", "-wal", "-shm", "-journal"})
            QFile::remove(upgradedFile + QLatin1String(suffix));
        QDir(m_home + QStringLiteral("/data")).removeRecursively();
        return QFile::copy(oldTemplate, upgradedFile);
    };

    // A one-shot writer's whole run, timed once: the kills fall anywhere inside it.
    const bool oneShot = writer == QLatin1String("import") || writer == QLatin1String("backup") ||
                         writer == QLatin1String("upgrade");
    int span = 1200;
    if (oneShot || writer == QLatin1String("autobackup")) {
        QVERIFY(prepare());
        QElapsedTimer t;
        t.start();
        QProcess p;
        start(p, 0);
        QVERIFY(p.waitForStarted(10000));
        if (writer == QLatin1String("autobackup")) {
            QVERIFY(p.waitForReadyRead(60000));
            p.kill();
            p.waitForFinished(10000);
        } else {
            QVERIFY(p.waitForFinished(120000));
            QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
        }
        span = int(std::max<qint64>(50, t.elapsed()));
        if (writer == QLatin1String("upgrade")) {
            m_upgrade = true;
            const CliRun check = RunCli(
                connection,
                {QStringLiteral("recompute"), QStringLiteral("--check"), QStringLiteral("--json")},
                m_home);
            m_upgradeDifferences = QJsonDocument::fromJson(check.out)
                                       .object()
                                       .value(QStringLiteral("differences"))
                                       .toArray();
        }
        checkArchive(connection);
        if (QTest::currentTestFailed())
            return;
        if (writer == QLatin1String("import")) {
            Database db(QStringLiteral("crash_import"));
            QVERIFY(db.open(connection));
            QCOMPARE(scalar(db, QStringLiteral("SELECT COUNT(*) FROM Articoli WHERE Matricola "
                                               "LIKE 'IMP%'")),
                     qint64(importLines));
        }
    }

    const int kills = TestSupport::EnvInt("QUARZIL_CRASH_KILLS", kDefaultKills);
    const int seconds = TestSupport::EnvInt("QUARZIL_CRASH_SECONDS", kDefaultSeconds);
    std::mt19937 rng(kSeed);
    QElapsedTimer clock;
    clock.start();
    int done = 0, finished = 0;
    for (int n = 1; done < kills && clock.elapsed() < seconds * 1000; ++n) {
        if (writer == QLatin1String("import")) {
            Database db(QStringLiteral("crash_import"));
            QVERIFY(db.open(connection));
            QVERIFY(db.execute(QStringLiteral("DELETE FROM Articoli WHERE Matricola LIKE 'IMP%'")));
        }
        const bool hadBackup = QFile::exists(backupFile);
        QVERIFY(prepare());
        QProcess p;
        start(p, n);
        QVERIFY2(p.waitForStarted(10000), qPrintable(p.errorString()));
        // A worker that saves in a loop: once it has saved a few times, a kill anywhere after.
        p.waitForFinished(int(rng() % unsigned(span + span / 5)) + 5);
        Said said;
        const bool ranOn = p.state() == QProcess::Running;
        p.kill();
        p.waitForFinished(10000);
        said.read(p);
        if (!ranOn) {
            QVERIFY2(oneShot && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0,
                     p.readAllStandardError().constData());
            ++finished;
        } else {
            ++done;
        }
        const QString what = QStringLiteral("%1 %2 (run %3)").arg(writer, backend).arg(n);

        if (writer == QLatin1String("upgrade")) {
            // Either nothing was done or all of it; a second run ends what the first began.
            const QString pre =
                m_home + QStringLiteral("/data/Norvisk/Quarzil/") + SchemaUpgrade::BackupFileName();
            if (QFile::exists(pre)) {
                const QString fault = backupFault(pre, items);
                QVERIFY2(fault.isEmpty(), qPrintable(what + QStringLiteral(": ") + fault));
            }
            const CliRun again = RunCli(connection, {QStringLiteral("upgrade")}, m_home);
            QVERIFY2(again.code == 0, qPrintable(what + QString::fromUtf8(again.out)));
        }
        checkArchive(connection);
        if (QTest::currentTestFailed()) {
            qInfo("%s failed", qPrintable(what));
            return;
        }
        Database db(QStringLiteral("crash_after"));
        QVERIFY2(db.open(connection), qPrintable(db.errorText()));
        if (writer == QLatin1String("items") || writer == QLatin1String("counterparts")) {
            const QString sql =
                writer == QLatin1String("items")
                    ? QStringLiteral("SELECT COUNT(*) FROM Articoli WHERE IDArticolo = ? AND "
                                     "Matricola = ?")
                    : QStringLiteral(
                          "SELECT COUNT(*) FROM CliFor WHERE IDCliFor = ? AND Codice = ?");
            for (const auto& [key, code] : said.saved)
                QVERIFY2(
                    scalar(db, sql, {key, code}) == 1,
                    qPrintable(
                        QStringLiteral("%1: saved %2 %3 is gone").arg(what).arg(key).arg(code)));
        } else if (writer == QLatin1String("import")) {
            const qint64 imported = scalar(
                db, QStringLiteral("SELECT COUNT(*) FROM Articoli WHERE Matricola LIKE 'IMP%'"));
            QVERIFY2(imported == 0 || imported == importLines,
                     qPrintable(QStringLiteral("%1: %2 of %3 lines imported")
                                    .arg(what)
                                    .arg(imported)
                                    .arg(importLines)));
        } else if (writer == QLatin1String("backup")) {
            QVERIFY2(!hadBackup || QFile::exists(backupFile),
                     qPrintable(what + QStringLiteral(": the earlier copy is gone")));
            if (QFile::exists(backupFile)) {
                const QString fault = backupFault(backupFile, items);
                QVERIFY2(fault.isEmpty(), qPrintable(what + QStringLiteral(": ") + fault));
            }
        } else if (writer == QLatin1String("autobackup")) {
            const QStringList files =
                QDir(autoFolder).entryList({QStringLiteral("backup*.db")}, QDir::Files);
            for (const QString& file : files) {
                const QString fault = backupFault(QDir(autoFolder).filePath(file), items);
                QVERIFY2(fault.isEmpty(), qPrintable(what + QStringLiteral(": ") + file +
                                                     QStringLiteral(" ") + fault));
            }
        } else if (writer == QLatin1String("upgrade")) {
            bool ok = false;
            QCOMPARE(SchemaUpgrade::ReadVersion(db, &ok), Schema::kCurrentVersion);
            QCOMPARE(scalar(db, QStringLiteral("SELECT COUNT(*) FROM Articoli")), items);
        }
    }
    QVERIFY2(done >= std::min(kills, 3), "too few kills in the time given");
    qInfo("%s on %s: %d kills, %d runs ended before their kill", qPrintable(writer),
          qPrintable(backend), done, finished);
}

QTEST_GUILESS_MAIN(tst_CrashSafety)
#include "tst_CrashSafety.moc"
