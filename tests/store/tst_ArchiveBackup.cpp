// label: db
#include "BenchData.h"
#include "TestSupport.h"
#include "common/Profile.h"
#include "store/ArchiveBackup.h"
#include "store/AutomaticBackup.h"
#include "store/ConnectionString.h"
#include "store/Database.h"
#include "store/Schema.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using Outcome = AutomaticBackup::Outcome;

namespace {

QVariant scalar(Database& db, const QString& sql, const QVariantList& values = {}) {
    QSqlQuery q;
    if (!db.query(q, sql, values) || !q.next())
        return QStringLiteral("<%1: %2>").arg(sql, db.errorText());
    return q.value(0);
}

// The number of rows of every table of the schema, "Articoli=12", in the schema's order.
QStringList rowCounts(Database& db) {
    QStringList counts;
    for (const Schema::Table& t : Schema::Tables())
        counts << QStringLiteral("%1=%2").arg(
            QLatin1String(t.name),
            scalar(db, QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(t.name)))
                .toString());
    return counts;
}

// Opens a copy as the program opens an archive, or says why not.
QString openCopy(Database& copy, const QString& file) {
    if (!copy.open(ConnectionString::ForSqlite(file)))
        return copy.errorText();
    return QString();
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

QByteArray testPicture() {
    QByteArray picture(200000, '\0');
    for (int i = 0; i < picture.size(); ++i)
        picture[i] = char(i * 7);
    return picture;
}

// An archive with a realistic few rows, and one item whose values test the copy's exactness.
bool fill(Database& db, QString* error) {
    BenchData::Sizes sizes;
    sizes.items = 60;
    sizes.rows = 400;
    BenchData::Counts counts;
    if (!BenchData::Generate(db, sizes, &counts, error) ||
        !BenchData::AddCounterparts(db, 20, 3, error))
        return false;
    const QByteArray picture = testPicture();
    const bool pg = db.isPostgres();
    const bool ok = db.execute(
        QStringLiteral("INSERT INTO Articoli (Matricola, Descrizione, Prezzo, Foto, Imei, LastMov, "
                       "Notes) VALUES (?, ?, ?, ?, ?, ?, ?)"),
        {QStringLiteral("EXACT"), QStringLiteral("Vite dell'Angolo"),
         pg ? QVariant(QStringLiteral("12345678.1234")) : QVariant(12345678.1234), picture,
         pg ? QVariant(true) : QVariant(1), QDateTime(QDate(2024, 2, 29), QTime(23, 59, 58)),
         QString(5000, u'n')});
    if (!ok)
        *error = db.errorText();
    return ok;
}

struct Clock {
    QDateTime now;
    std::function<QDateTime()> function() {
        return [this] { return now; };
    }
};

} // namespace

class tst_ArchiveBackup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void copyOpensAsArchive_data();
    void copyOpensAsArchive();
    void failedCopyLeavesNoFile_data();
    void failedCopyLeavesNoFile();
    void automaticBackupPeriod();
    void automaticBackupSkips();
    void commandLine_data();
    void commandLine();
};

void tst_ArchiveBackup::copyOpensAsArchive_data() {
    TestSupport::AddBackendRows();
}

void tst_ArchiveBackup::copyOpensAsArchive() {
    QFETCH(QString, backend);
    TestSupport::Archive archive(backend);
    QVERIFY2(archive.isOpen(), qPrintable(archive.error()));
    Database& db = archive.db();
    QString error;
    QVERIFY2(fill(db, &error), qPrintable(error));
    // The last item deleted: the copy must not give its key again.
    QVERIFY(db.execute(QStringLiteral("INSERT INTO Articoli (Matricola, Descrizione) VALUES "
                                      "('LAST', 'Dado')")));
    const int lastItem = scalar(db, QStringLiteral("SELECT MAX(IDArticolo) FROM Articoli")).toInt();
    QVERIFY(db.execute(QStringLiteral("DELETE FROM Articoli WHERE IDArticolo = ?"), {lastItem}));

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("copia.db"));
    // An older copy is replaced whole.
    QFile old(file);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("vecchia copia") > 0);
    old.close();
    QVERIFY2(ArchiveBackup::CopyTo(db, file, &error), qPrintable(error));
    QCOMPARE(filesIn(dir.path()), QStringList({"copia.db"}));
    QCOMPARE(QFile::permissions(file) & 0x0077, QFileDevice::Permissions());

    Database copy(TestSupport::UniqueName(QStringLiteral("copy_")));
    QCOMPARE(openCopy(copy, file), QString());
    QCOMPARE(scalar(copy, QStringLiteral("SELECT Versione FROM Informazioni")).toInt(), 20);
    QCOMPARE(rowCounts(copy), rowCounts(db));
    QCOMPARE(scalar(db, QStringLiteral("SELECT COUNT(*) FROM Articoli")).toInt(), 61);

    // Values survive whole: quotes, long notes, pictures beyond what a record reads, amounts to
    // the ten-thousandth, flags and dates.
    QSqlQuery q;
    QVERIFY(copy.query(q, QStringLiteral("SELECT Descrizione, Prezzo, Foto, Imei, LastMov, Notes "
                                         "FROM Articoli WHERE Matricola = 'EXACT'")));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("Vite dell'Angolo"));
    QCOMPARE(q.value(1).toDouble(), 12345678.1234);
    QCOMPARE(q.value(2).toByteArray().size(), 200000);
    QVERIFY(q.value(2).toByteArray() == testPicture());
    QCOMPARE(q.value(3).toInt(), 1);
    QCOMPARE(q.value(4).toDateTime(), QDateTime(QDate(2024, 2, 29), QTime(23, 59, 58)));
    QCOMPARE(q.value(5).toString().size(), 5000);
    q.finish();
    // The key counter goes on from the source's.
    QVERIFY(copy.execute(QStringLiteral("INSERT INTO Articoli (Matricola) VALUES ('NUOVO')")));
    QVERIFY(scalar(copy, QStringLiteral("SELECT IDArticolo FROM Articoli WHERE Matricola = "
                                        "'NUOVO'"))
                .toInt() > lastItem);
}

void tst_ArchiveBackup::failedCopyLeavesNoFile_data() {
    TestSupport::AddBackendRows();
}

void tst_ArchiveBackup::failedCopyLeavesNoFile() {
    QFETCH(QString, backend);
    TestSupport::Archive archive(backend);
    QVERIFY2(archive.isOpen(), qPrintable(archive.error()));
    Database& db = archive.db();
    QTemporaryDir dir;
    QString error;

    // A folder that does not exist.
    QVERIFY(!ArchiveBackup::CopyTo(db, dir.filePath(QStringLiteral("manca/copia.db")), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(filesIn(dir.path()), QStringList());

    // A copy that fails keeps the older one as it was.
    const QString file = dir.filePath(QStringLiteral("copia.db"));
    QVERIFY2(ArchiveBackup::CopyTo(db, file, &error), qPrintable(error));
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    if (backend == QLatin1String("sqlite")) {
        // SQLite copies outside a transaction only.
        QVERIFY(db.beginTransaction());
        QVERIFY(!ArchiveBackup::CopyTo(db, file, &error));
        db.rollback();
    } else {
        // A catalog of a version the schema source does not know.
        QVERIFY(db.execute(QStringLiteral("UPDATE Informazioni SET Versione = 21")));
        QVERIFY(!ArchiveBackup::CopyTo(db, file, &error));
        QVERIFY2(error.contains(QLatin1String("21")), qPrintable(error));
        QVERIFY(db.execute(QStringLiteral("UPDATE Informazioni SET Versione = 20")));
    }
    QCOMPARE(filesIn(dir.path()), QStringList({"copia.db"}));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll() == before);

    // Never over the archive itself.
    if (backend == QLatin1String("sqlite")) {
        const QString self =
            ConnectionString::Value(archive.connectionString(), QStringLiteral("Data Source"));
        QVERIFY(!ArchiveBackup::CopyTo(db, self, &error));
        QVERIFY(db.execute(QStringLiteral("SELECT COUNT(*) FROM Articoli")));
    }

    // A file that is not an intact archive at the version wanted is refused by the check.
    QFile junk(dir.filePath(QStringLiteral("junk.db")));
    QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write(QByteArray(4096, 'x')) > 0);
    junk.close();
    QVERIFY(!ArchiveBackup::Verify(junk.fileName(), 20, &error));
    QVERIFY(!ArchiveBackup::Verify(file, 19, &error));
    QVERIFY2(ArchiveBackup::Verify(file, 20, &error), qPrintable(error));

    // A copy whose writer was killed is left under its provisional name: the next copy to the
    // same file removes it once it has lain untouched for a while, and no other.
    const auto leftover = [&](const QString& name, int minutesAgo) {
        QFile left(dir.filePath(name));
        if (!left.open(QIODevice::WriteOnly) || left.write(QByteArray(8192, 'p')) <= 0 ||
            !left.flush())
            return false;
        const QDateTime when = QDateTime::currentDateTime().addSecs(-60 * minutesAgo);
        return left.setFileTime(when, QFileDevice::FileModificationTime);
    };
    QVERIFY(leftover(QStringLiteral(".copia.db.0abc.partial"), 60));
    QVERIFY(leftover(QStringLiteral(".copia.db.0abc.partial-journal"), 60));
    QVERIFY(leftover(QStringLiteral(".copia.db.1def.partial"), 1));
    QVERIFY(leftover(QStringLiteral(".altra.db.2ghi.partial"), 60));
    QVERIFY2(ArchiveBackup::CopyTo(db, file, &error), qPrintable(error));
    QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    QCOMPARE(left, QStringList({".altra.db.2ghi.partial", ".copia.db.1def.partial", "copia.db",
                                "junk.db"}));
}

void tst_ArchiveBackup::automaticBackupPeriod() {
    QTemporaryDir dir;
    const QString file = TestSupport::CopyTemplate(dir);
    const QString connection = ConnectionString::ForSqlite(file);
    {
        Database db(TestSupport::UniqueName(QStringLiteral("fill_")));
        QVERIFY(db.open(connection));
        QString error;
        QVERIFY2(fill(db, &error), qPrintable(error));
    }
    Profile profile(dir.filePath(QStringLiteral("profile.ini")),
                    dir.filePath(QStringLiteral("machine.ini")));
    const QString data = dir.filePath(QStringLiteral("data"));
    // A Wednesday.
    Clock clock{QDateTime(QDate(2026, 12, 9), QTime(18, 30))};
    AutomaticBackup backup(profile, data, clock.function());

    // No date yet: only the date is stored.
    QCOMPARE(backup.run(connection), Outcome::FirstDateStored);
    QCOMPARE(profile.string(Profile::Section::Settings, QStringLiteral("BackJet")),
             QStringLiteral("2026-12-09 18:30:00"));
    QVERIFY(filesIn(data).isEmpty());

    clock.now = clock.now.addDays(20).addSecs(-1);
    QCOMPARE(backup.run(connection), Outcome::NotDue);
    QVERIFY(filesIn(data).isEmpty());

    // Twenty days later, a Tuesday: backup3.db.
    clock.now = clock.now.addSecs(1);
    QCOMPARE(backup.run(connection), Outcome::Done);
    QCOMPARE(filesIn(data), QStringList({"backup3.db"}));
    QCOMPARE(profile.string(Profile::Section::Settings, QStringLiteral("BackJet")),
             QStringLiteral("2026-12-29 18:30:00"));

    // Another twenty days, a Monday; then a Wednesday (backup4.db) six weeks on.
    clock.now = clock.now.addDays(20);
    QCOMPARE(backup.run(connection), Outcome::Done);
    clock.now = QDateTime(QDate(2027, 2, 10), QTime(9, 0));
    QCOMPARE(clock.now.date().dayOfWeek(), 3);
    QCOMPARE(backup.run(connection), Outcome::Done);
    QCOMPARE(filesIn(data), QStringList({"backup2.db", "backup3.db", "backup4.db"}));
    QCOMPARE(QFileInfo(AutomaticBackup::FileFor(data, clock.now)).fileName(),
             QStringLiteral("backup4.db"));
    QCOMPARE(QFileInfo(AutomaticBackup::FileFor(data, QDateTime(QDate(2027, 2, 14), QTime())))
                 .fileName(),
             QStringLiteral("backup1.db"));

    // Every file is a whole archive with the archive's rows.
    Database db(TestSupport::UniqueName(QStringLiteral("source_")));
    QVERIFY(db.open(connection));
    for (const QString& name : filesIn(data)) {
        Database copy(TestSupport::UniqueName(QStringLiteral("weekday_")));
        QCOMPARE(openCopy(copy, QDir(data).filePath(name)), QString());
        QCOMPARE(scalar(copy, QStringLiteral("SELECT Versione FROM Informazioni")).toInt(), 20);
        QCOMPARE(rowCounts(copy), rowCounts(db));
    }
}

void tst_ArchiveBackup::automaticBackupSkips() {
    QTemporaryDir dir;
    const QString file = TestSupport::CopyTemplate(dir);
    const QString connection = ConnectionString::ForSqlite(file);
    Profile profile(dir.filePath(QStringLiteral("profile.ini")),
                    dir.filePath(QStringLiteral("machine.ini")));
    const QString data = dir.filePath(QStringLiteral("data"));
    Clock clock{QDateTime(QDate(2026, 12, 9), QTime(18, 30))};
    profile.setValue(Profile::Section::Settings, QStringLiteral("BackJet"),
                     QStringLiteral("2026-11-01 08:00:00"));
    AutomaticBackup backup(profile, data, clock.function());

    // A second connection holding the archive (another program's, reading it): skipped, and
    // tried again at the next exit.
    {
        Database other(TestSupport::UniqueName(QStringLiteral("other_")));
        QVERIFY(other.open(connection));
        QVERIFY(other.execute(QStringLiteral("SELECT COUNT(*) FROM Articoli")));
        QCOMPARE(backup.run(connection), Outcome::InUse);
        QVERIFY(filesIn(data).isEmpty());
        QCOMPARE(profile.string(Profile::Section::Settings, QStringLiteral("BackJet")),
                 QStringLiteral("2026-11-01 08:00:00"));
        QCOMPARE(scalar(other, QStringLiteral("PRAGMA journal_mode")).toString(),
                 QStringLiteral("wal"));
    }
    QCOMPARE(backup.run(connection), Outcome::Done);
    QCOMPARE(filesIn(data), QStringList({"backup4.db"}));

    // Nothing to copy: a catalog, a file that is gone, no archive at all.
    clock.now = clock.now.addDays(40);
    QCOMPARE(backup.run(ConnectionString::ForPostgres(QStringLiteral("localhost"),
                                                      QStringLiteral("quarzil"), {}, {})),
             Outcome::NotSqlite);
    QCOMPARE(backup.run(QString()), Outcome::NotSqlite);
    QCOMPARE(backup.run(ConnectionString::ForSqlite(dir.filePath(QStringLiteral("gone.db")))),
             Outcome::FileMissing);
    QCOMPARE(profile.string(Profile::Section::Settings, QStringLiteral("BackJet")),
             QStringLiteral("2026-12-09 18:30:00"));

    // A date that does not read is taken as none: stored again, no copy.
    profile.setValue(Profile::Section::Settings, QStringLiteral("BackJet"),
                     QStringLiteral("09/12/26 18:30"));
    QCOMPARE(backup.run(connection), Outcome::FirstDateStored);
}

void tst_ArchiveBackup::commandLine_data() {
    TestSupport::AddBackendRows();
}

void tst_ArchiveBackup::commandLine() {
    QFETCH(QString, backend);
    TestSupport::Archive archive(backend);
    QVERIFY2(archive.isOpen(), qPrintable(archive.error()));
    QVERIFY(archive.db().execute(QStringLiteral("INSERT INTO Articoli (Matricola) VALUES ('A')")));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("notte.db"));
    QProcess p;
    p.start(TestSupport::CliPath(),
            {"--connection", archive.connectionString(), "backup", file, "--json"});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    const QJsonObject o = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    QCOMPARE(o.value("backup").toString(), file);
    QCOMPARE(o.value("bytes").toInteger(), QFileInfo(file).size());
    Database copy(TestSupport::UniqueName(QStringLiteral("cli_")));
    QCOMPARE(openCopy(copy, file), QString());
    QCOMPARE(rowCounts(copy), rowCounts(archive.db()));

    p.start(TestSupport::CliPath(), {"--connection", archive.connectionString(), "backup",
                                     dir.filePath(QStringLiteral("manca/notte.db"))});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 1);
    QVERIFY(p.readAllStandardError().startsWith("quarzil-cli: impossibile salvare l'archivio"));
}

QTEST_GUILESS_MAIN(tst_ArchiveBackup)
#include "tst_ArchiveBackup.moc"
