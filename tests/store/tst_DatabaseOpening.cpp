// label: db
#include "TestSupport.h"
#include "common/AppPaths.h"
#include "common/Profile.h"
#include "store/ConnectionString.h"
#include "store/DatabaseOpener.h"
#include "store/Schema.h"
#include "store/SqliteFunctions.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <memory>

using S = Profile::Section;

namespace {

const QString kLog = QStringLiteral("ConnectDatabase");

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// Builds an SQLite file with a connection of the test's own (SQLite creates the file).
bool makeSqlite(const QString& path, const QStringList& statements) {
    const QString name = TestSupport::UniqueName(QStringLiteral("maker_"));
    bool ok;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        // Our collation, as the program's connections have it: a copy of the template cannot
        // change the tables of its alphabetical indexes without it.
        ok = db.open() && SqliteFunctions::Register(db);
        for (const QString& sql : statements) {
            QSqlQuery q(db);
            ok = ok && q.exec(sql);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

// Makes at `path` a file that is not one of our archives, of the kind a test row names.
bool makeForeignFile(const QString& kind, const QString& path) {
    if (kind == QLatin1String("text file"))
        return writeFile(path, "Provider=QSQLITE;Data Source=/tmp/x.db\nnon è un archivio\n");
    if (kind == QLatin1String("empty file"))
        return writeFile(path, QByteArray());
    if (kind == QLatin1String("empty database"))
        return makeSqlite(path,
                          {QStringLiteral("CREATE TABLE t (x)"), QStringLiteral("DROP TABLE t")});
    // Each of these fails exactly one of the probes that tell our archives from others.
    if (kind == QLatin1String("other program's database")) {
        return makeSqlite(
            path, {QStringLiteral("CREATE TABLE CliFor (IDCliFor INTEGER, Web TEXT, PartIva TEXT)"),
                   QStringLiteral("CREATE TABLE SottoMovimenti (IDMovimento INTEGER, IDUM INTEGER, "
                                  "Qt REAL)"),
                   QStringLiteral("CREATE TABLE Unita (IDUM INTEGER, Sigla TEXT)")});
    }
    if (kind == QLatin1String("archive without CliFor.Web") ||
        kind == QLatin1String("archive without SottoMovimenti.Qt")) {
        // The index an item's stock is read from holds Qt: it must go before the column can.
        const QStringList drop =
            kind.endsWith(QLatin1String("Web"))
                ? QStringList{QStringLiteral("ALTER TABLE CliFor DROP COLUMN Web")}
                : QStringList{QStringLiteral("DROP INDEX IX_SottoMovimenti_IDArticolo"),
                              QStringLiteral("ALTER TABLE SottoMovimenti DROP COLUMN Qt")};
        return QFile::copy(TestSupport::TemplateFile(), path) &&
               QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner) &&
               makeSqlite(path, drop);
    }
    return false;
}

// What lies beside a file after SQLite had it open: journals that must not be left behind.
QStringList siblings(const QString& path) {
    QStringList found;
    for (const char* suffix : {"-wal", "-shm", "-journal"})
        if (QFile::exists(path + QLatin1String(suffix)))
            found << path + QLatin1String(suffix);
    return found;
}

// A user profile, an application-data folder and an installation folder holding the template,
// all in one temporary folder.
struct Setup {
    QTemporaryDir dir;
    QString appData = dir.filePath(QStringLiteral("appdata"));
    QString install = dir.filePath(QStringLiteral("install/"));
    QString defaultFile = AppPaths::DefaultDatabaseFile(appData);
    QString good; // a valid archive outside the data folder
    std::unique_ptr<Profile> profile;
    Database db{TestSupport::UniqueName(QStringLiteral("opening_"))};

    bool prepare() {
        const QString templateFile = AppPaths::TemplateFile(install);
        if (!dir.isValid() || !QDir().mkpath(appData) ||
            !QDir().mkpath(QFileInfo(templateFile).absolutePath()) ||
            !QFile::copy(TestSupport::TemplateFile(), templateFile))
            return false;
        const QString goodFile = TestSupport::CopyTemplate(dir, QStringLiteral("good.db"));
        good = ConnectionString::ForSqlite(goodFile);
        profile = std::make_unique<Profile>(dir.filePath(QStringLiteral("user.ini")),
                                            dir.filePath(QStringLiteral("machine.ini")));
        profile->setValue(S::Settings, QStringLiteral("Directory"), install);
        return !goodFile.isEmpty();
    }
    bool placeDefaultFile() {
        return QDir().mkpath(AppPaths::DataFolder(appData)) &&
               QFile::copy(TestSupport::TemplateFile(), defaultFile) &&
               QFile::setPermissions(defaultFile, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    QString setting(const QString& name) const { return profile->string(S::Settings, name); }
    bool logged() const { return profile->contains(S::Log, kLog); }
};

// A role of the test server whose name holds a ';', dropped with the catalogs it owns.
class SemicolonRole {
public:
    SemicolonRole() : m_name(TestSupport::UniqueName(QStringLiteral("shop;"))) {
        m_ok = m_server.openRaw(TestSupport::PostgresServer()) &&
               m_server.execute(QStringLiteral("CREATE ROLE %1 LOGIN SUPERUSER").arg(quoted()));
    }
    ~SemicolonRole() {
        for (const QString& catalog : std::as_const(m_catalogs))
            m_server.execute(
                QStringLiteral("DROP DATABASE IF EXISTS \"%1\" WITH (FORCE)").arg(catalog));
        if (m_ok)
            m_server.execute(QStringLiteral("DROP ROLE IF EXISTS %1").arg(quoted()));
    }
    bool isValid() const { return m_ok; }
    QString error() const { return m_server.errorText(); }
    QString name() const { return m_name; }
    void owns(const QString& catalog) { m_catalogs << catalog; }

private:
    QString quoted() const { return u'"' + m_name + u'"'; }
    Database m_server{TestSupport::UniqueName(QStringLiteral("roles_"))};
    QString m_name;
    QStringList m_catalogs;
    bool m_ok = false;
};

QString dataSource(const QString& connection) {
    return QFileInfo(ConnectionString::Value(connection, QStringLiteral("Data Source")))
        .canonicalFilePath();
}

} // namespace

class tst_DatabaseOpening : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void invalidStoredConnectionFallsBack_data();
    void invalidStoredConnectionFallsBack();
    void firstRunCopiesTemplate();
    void existingDefaultFileIsKept();
    void missingTemplateFails_data();
    void missingTemplateFails();
    void unusableDefaultFileFails_data();
    void unusableDefaultFileFails();
    void postgresConnection_data();
    void postgresConnection();

    // Archives that open but could not be written to, and what an opening leaves behind.
    void readOnlyArchiveIsRefused_data();
    void readOnlyArchiveIsRefused();
    void readOnlyCatalogIsRefused();

    // Values with ';' in the strings the program writes and reads.
    void semicolonInValues_data() { TestSupport::AddBackendRows(); }
    void semicolonInValues();
    void cliCreateReadsQuotedValues();
};

void tst_DatabaseOpening::invalidStoredConnectionFallsBack_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("toDefaultFile"); // Connection is invalid the same way
    const QStringList kinds = {
        QStringLiteral("Provider not first"),
        QStringLiteral("leading space"),
        QStringLiteral("lower-case provider"),
        QStringLiteral("unknown provider"),
        QStringLiteral("missing file"),
        QStringLiteral("folder"),
        QStringLiteral("text file"),
        QStringLiteral("empty file"),
        QStringLiteral("empty database"),
        QStringLiteral("other program's database"),
        QStringLiteral("archive without CliFor.Web"),
        QStringLiteral("archive without SottoMovimenti.Qt"),
        QStringLiteral("server not listening"),
        QStringLiteral("server catalog of another program"),
    };
    for (const QString& kind : kinds) {
        QTest::addRow("%s/to Connection", qPrintable(kind)) << kind << false;
        QTest::addRow("%s/to default file", qPrintable(kind)) << kind << true;
    }
}

void tst_DatabaseOpening::invalidStoredConnectionFallsBack() {
    QFETCH(QString, kind);
    QFETCH(bool, toDefaultFile);
    Setup s;
    QVERIFY(s.prepare());
    QVERIFY(s.placeDefaultFile());

    const QString goodFile = ConnectionString::Value(s.good, QStringLiteral("Data Source"));
    const QString badFile = s.dir.filePath(QStringLiteral("bad.db"));
    QString bad;
    if (kind == QLatin1String("Provider not first"))
        bad = QStringLiteral("Data Source=%1;Provider=QSQLITE").arg(goodFile);
    else if (kind == QLatin1String("leading space"))
        bad = u' ' + s.good;
    else if (kind == QLatin1String("lower-case provider"))
        bad = QStringLiteral("provider=QSQLITE;Data Source=%1").arg(goodFile);
    else if (kind == QLatin1String("unknown provider"))
        bad = QStringLiteral("Provider=QODBC;Data Source=%1").arg(goodFile);
    else if (kind == QLatin1String("missing file"))
        bad = ConnectionString::ForSqlite(badFile);
    else if (kind == QLatin1String("folder"))
        bad = ConnectionString::ForSqlite(s.dir.path());
    else if (kind == QLatin1String("server not listening"))
        bad = ConnectionString::ForPostgres(QStringLiteral("127.0.0.1:1"), QStringLiteral("x"),
                                            QStringLiteral("quarzil"), QString());
    else if (kind == QLatin1String("server catalog of another program")) {
        bad = TestSupport::PostgresServer();
        QVERIFY2(!bad.isEmpty(), "QUARZIL_TEST_PG is not set: run through tools/pgtest.sh");
    } else {
        QVERIFY(makeForeignFile(kind, badFile));
        bad = ConnectionString::ForSqlite(badFile);
    }
    const QByteArray badBytes = QFile::exists(badFile) ? readFile(badFile) : QByteArray();

    s.profile->setValue(S::Settings, QStringLiteral("MyConnection"), bad);
    s.profile->setValue(S::Settings, QStringLiteral("Connection"), toDefaultFile ? bad : s.good);
    s.profile->setValue(S::Settings, QStringLiteral("TypeConnection"), 1);

    OpeningReport report;
    QVERIFY2(OpenDatabase(s.db, *s.profile, s.appData, &report), qPrintable(s.db.errorText()));
    QVERIFY(s.db.isOpen());
    QCOMPARE(s.db.backend(), Database::Backend::SQLite);
    // Only a string that was tried can have failed; one that is not a connection string is
    // no choice at all.
    const OpeningReport::Failure* chosen = report.chosenFailure();
    QCOMPARE(bool(chosen), ConnectionString::IsValid(bad));
    if (chosen) {
        QCOMPARE(chosen->archive, ConnectionString::Describe(bad));
        QVERIFY(!chosen->error.isEmpty());
    }
    QCOMPARE(report.failures.size(), (chosen ? 1 : 0) + (toDefaultFile && chosen ? 1 : 0));
    if (toDefaultFile)
        QCOMPARE(dataSource(s.db.connectionString()), QFileInfo(s.defaultFile).canonicalFilePath());
    else
        QCOMPARE(s.db.connectionString(), s.good);
    QCOMPARE(s.setting(QStringLiteral("Connection")), s.db.connectionString());
    QCOMPARE(s.setting(QStringLiteral("MyConnection")), bad);
    QCOMPARE(s.profile->integer(S::Settings, QStringLiteral("TypeConnection"), -1), 0);
    QVERIFY(!s.logged());

    // A refused file is left exactly as it was, and a missing one is not created.
    if (kind == QLatin1String("missing file"))
        QVERIFY(!QFile::exists(badFile));
    else if (!badBytes.isEmpty() || kind == QLatin1String("empty file"))
        QVERIFY2(readFile(badFile) == badBytes, "the refused file was changed");
    QVERIFY2(siblings(badFile).isEmpty(), qPrintable(siblings(badFile).join(u' ')));
}

void tst_DatabaseOpening::firstRunCopiesTemplate() {
    Setup s;
    QVERIFY(s.prepare());
    QVERIFY(!QFile::exists(s.defaultFile));

    QVERIFY2(OpenDatabase(s.db, *s.profile, s.appData), qPrintable(s.db.errorText()));
    QVERIFY(QFile::exists(s.defaultFile));
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                            QFileDevice::ReadOther | QFileDevice::WriteOther;
    QVERIFY((QFile::permissions(s.defaultFile) & others) == 0);
    QCOMPARE(dataSource(s.db.connectionString()), QFileInfo(s.defaultFile).canonicalFilePath());
    QCOMPARE(ConnectionString::Value(s.db.connectionString(), QStringLiteral("Provider")),
             QStringLiteral("QSQLITE"));
    QSqlQuery q;
    QVERIFY(s.db.query(q, QStringLiteral("SELECT Versione FROM Informazioni")) && q.next());
    QCOMPARE(q.value(0).toInt(), Schema::kCurrentVersion);

    // What the next start reads back: the names and section of the values on disk.
    s.profile->sync();
    QSettings onDisk(s.profile->fileName(), QSettings::IniFormat);
    QCOMPARE(onDisk.value(QStringLiteral("Settings/Connection")).toString(),
             s.db.connectionString());
    QCOMPARE(onDisk.value(QStringLiteral("Settings/TypeConnection")).toInt(), 0);
    QVERIFY(!onDisk.contains(QStringLiteral("Settings/MyConnection")));
    QVERIFY(!onDisk.contains(QStringLiteral("Log/ConnectDatabase")));
}

void tst_DatabaseOpening::existingDefaultFileIsKept() {
    Setup s;
    QVERIFY(s.prepare());
    QVERIFY(s.placeDefaultFile());
    QVERIFY(
        makeSqlite(s.defaultFile, {QStringLiteral("INSERT INTO UnMis (Sigla) VALUES ('Mine')")}));

    QVERIFY2(OpenDatabase(s.db, *s.profile, s.appData), qPrintable(s.db.errorText()));
    QSqlQuery q;
    QVERIFY(s.db.query(q, QStringLiteral("SELECT COUNT(*) FROM UnMis WHERE Sigla = 'Mine'")));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 1);
}

void tst_DatabaseOpening::missingTemplateFails_data() {
    QTest::addColumn<QString>("directory"); // relative to the temporary folder; "-" unset
    QTest::addColumn<bool>("dataFolderExists");
    QTest::newRow("empty Directory") << QString() << true;
    QTest::newRow("no Directory value") << QStringLiteral("-") << true;
    QTest::newRow("Directory without template") << QStringLiteral("elsewhere/") << true;
    QTest::newRow("application-data path is a file") << QStringLiteral("install/") << false;
}

void tst_DatabaseOpening::missingTemplateFails() {
    QFETCH(QString, directory);
    QFETCH(bool, dataFolderExists);
    Setup s;
    QVERIFY(s.prepare());
    if (directory == QLatin1String("-"))
        s.profile->remove(S::Settings, QStringLiteral("Directory"));
    else
        s.profile->setValue(S::Settings, QStringLiteral("Directory"),
                            directory.isEmpty() ? QString() : s.dir.filePath(directory));
    QVERIFY(QDir().mkpath(s.dir.filePath(QStringLiteral("elsewhere"))));
    if (!dataFolderExists) {
        QVERIFY(QDir(s.appData).removeRecursively());
        QFile blocker(s.appData);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    // Run where a relative template path would resolve, as from the build folder.
    const QString cwd = QDir::currentPath();
    const auto restore = qScopeGuard([&] { QDir::setCurrent(cwd); });
    QVERIFY(QDir::setCurrent(s.install));

    QVERIFY(!OpenDatabase(s.db, *s.profile, s.appData));
    QVERIFY(!s.db.isOpen());
    QVERIFY(!QFile::exists(s.defaultFile));
    QCOMPARE(s.profile->string(S::Log, kLog), QStringLiteral("Inizio apertura database"));
    QVERIFY(!s.profile->contains(S::Settings, QStringLiteral("Connection")));
    QVERIFY(!s.profile->contains(S::Settings, QStringLiteral("TypeConnection")));
}

void tst_DatabaseOpening::unusableDefaultFileFails_data() {
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"text file", "empty file", "empty database",
                             "other program's database", "archive without CliFor.Web"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void tst_DatabaseOpening::unusableDefaultFileFails() {
    QFETCH(QString, kind);
    Setup s;
    QVERIFY(s.prepare());
    QVERIFY(QDir().mkpath(AppPaths::DataFolder(s.appData)));
    QVERIFY(makeForeignFile(kind, s.defaultFile));
    const QByteArray bytes = readFile(s.defaultFile);

    QVERIFY(!OpenDatabase(s.db, *s.profile, s.appData));
    QVERIFY(!s.db.isOpen());
    // The log keeps the failed third attempt for the next start to report.
    QVERIFY(s.logged());
    const QString step = s.profile->string(S::Log, kLog);
    QVERIFY2(!step.isEmpty() && step != QLatin1String("Termine apertura 3"), qPrintable(step));
    QVERIFY(!s.profile->contains(S::Settings, QStringLiteral("Connection")));
    QVERIFY(!s.profile->contains(S::Settings, QStringLiteral("TypeConnection")));
    // Not replaced by the template, and not touched.
    QVERIFY(readFile(s.defaultFile) == bytes);
}

void tst_DatabaseOpening::postgresConnection_data() {
    QTest::addColumn<QString>("slot");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("type");
    QTest::newRow("MyConnection") << QStringLiteral("MyConnection") << QString() << 1;
    QTest::newRow("Connection") << QStringLiteral("Connection") << QString() << 1;
    // The type is read from the text alone: QSQLITE anywhere in it means the embedded file.
    QTest::newRow("QSQLITE in the password")
        << QStringLiteral("MyConnection") << QStringLiteral("QSQLITE") << 0;
}

void tst_DatabaseOpening::postgresConnection() {
    QFETCH(QString, slot);
    QFETCH(QString, password);
    QFETCH(int, type);
    TestSupport::PostgresCatalog catalog;
    QVERIFY2(catalog.isValid(), qPrintable(catalog.error()));
    Setup s;
    QVERIFY(s.prepare());
    QVERIFY(s.placeDefaultFile());

    // The test server trusts its user, so any password opens the catalog.
    const QString pg = catalog.connectionString() + password;
    const QString other = slot == QLatin1String("MyConnection") ? QStringLiteral("Connection")
                                                                : QStringLiteral("MyConnection");
    const QString otherValue = other == QLatin1String("Connection")
                                   ? s.good
                                   : QStringLiteral("Provider=QSQLITE;Data Source=");
    s.profile->setValue(S::Settings, slot, pg);
    s.profile->setValue(S::Settings, other, otherValue);
    s.profile->setValue(S::Settings, QStringLiteral("TypeConnection"), 1 - type);

    QVERIFY2(OpenDatabase(s.db, *s.profile, s.appData), qPrintable(s.db.errorText()));
    QVERIFY(s.db.isPostgres());
    QCOMPARE(s.db.connectionString(), pg);
    QCOMPARE(s.setting(slot), pg);
    QCOMPARE(s.setting(other), otherValue);
    QCOMPARE(s.profile->integer(S::Settings, QStringLiteral("TypeConnection"), -1), type);
    QVERIFY(!s.logged());
    s.db.close();
}

void tst_DatabaseOpening::readOnlyArchiveIsRefused_data() {
    QTest::addColumn<QString>("readOnly"); // the file the test makes read-only
    QTest::addColumn<bool>("wal");         // the archive was in use before (write-ahead log)
    QTest::addColumn<bool>("chosen");      // MyConnection names it; else it is the default file
    for (const bool chosen : {true, false}) {
        const char* where = chosen ? "MyConnection" : "default file";
        QTest::addRow("%s: archive", where) << QString() << false << chosen;
        QTest::addRow("%s: archive in WAL mode", where) << QString() << true << chosen;
        QTest::addRow("%s: -wal left read-only", where) << QStringLiteral("-wal") << true << chosen;
        QTest::addRow("%s: -shm left read-only", where) << QStringLiteral("-shm") << true << chosen;
    }
}

void tst_DatabaseOpening::readOnlyArchiveIsRefused() {
    QFETCH(QString, readOnly);
    QFETCH(bool, wal);
    QFETCH(bool, chosen);
    Setup s;
    QVERIFY(s.prepare());
    QString archive = s.defaultFile;
    if (chosen) {
        QVERIFY(s.placeDefaultFile());
        archive = TestSupport::CopyTemplate(s.dir, QStringLiteral("readonly.db"));
        s.profile->setValue(S::Settings, QStringLiteral("MyConnection"),
                            ConnectionString::ForSqlite(archive));
    } else {
        QVERIFY(QDir().mkpath(AppPaths::DataFolder(s.appData)));
        QVERIFY(QFile::copy(TestSupport::TemplateFile(), archive));
    }
    if (wal)
        QVERIFY(makeSqlite(archive, {QStringLiteral("PRAGMA journal_mode=WAL")}));
    QVERIFY(siblings(archive).isEmpty());
    const QString target = archive + readOnly;
    if (!readOnly.isEmpty())
        QVERIFY(writeFile(target, QByteArray()));
    QVERIFY(QFile::setPermissions(archive, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner));
    const QStringList before = siblings(archive);
    const QByteArray bytes = readFile(archive);

    OpeningReport report;
    bool opened;
    {
        TestSupport::FileModesEnforced asAUser;
        QVERIFY(asAUser.isValid());
        opened = OpenDatabase(s.db, *s.profile, s.appData, &report);
    }
    const QString reason =
        readOnly.isEmpty()
            ? QStringLiteral("il file è in sola lettura: i dati non si potrebbero salvare")
            : QStringLiteral("il file %1 è in sola lettura: i dati non si potrebbero salvare")
                  .arg(QFileInfo(target).absoluteFilePath());
    QVERIFY(!report.failures.isEmpty());
    QCOMPARE(report.failures.last().archive, archive);
    QCOMPARE(report.failures.last().error, reason);
    if (chosen) {
        // The next archive opens instead; the caller tells the user.
        QVERIFY(opened);
        QCOMPARE(dataSource(s.db.connectionString()), QFileInfo(s.defaultFile).canonicalFilePath());
        QCOMPARE(report.failures.size(), 1);
        QVERIFY(report.chosenFailure());
    } else {
        QVERIFY(!opened);
        QVERIFY(!s.db.isOpen());
        QVERIFY(!s.profile->contains(S::Settings, QStringLiteral("Connection")));
    }
    s.db.close();
    // Nothing beside it that the owner would have to remove once writing is allowed again.
    QCOMPARE(siblings(archive), before);
    QVERIFY(readFile(archive) == bytes);
}

void tst_DatabaseOpening::readOnlyCatalogIsRefused() {
    TestSupport::PostgresCatalog catalog;
    QVERIFY2(catalog.isValid(), qPrintable(catalog.error()));
    {
        Database server(TestSupport::UniqueName(QStringLiteral("server_")));
        QVERIFY2(server.openRaw(TestSupport::PostgresServer()), qPrintable(server.errorText()));
        QVERIFY2(server.execute(QStringLiteral("ALTER DATABASE %1 SET "
                                               "default_transaction_read_only = on")
                                    .arg(catalog.name())),
                 qPrintable(server.errorText()));
    }
    Setup s;
    QVERIFY(s.prepare());
    QVERIFY(s.placeDefaultFile());
    s.profile->setValue(S::Settings, QStringLiteral("MyConnection"), catalog.connectionString());
    OpeningReport report;
    QVERIFY2(OpenDatabase(s.db, *s.profile, s.appData, &report), qPrintable(s.db.errorText()));
    QVERIFY(!s.db.isPostgres());
    QVERIFY(report.chosenFailure());
    QCOMPARE(report.chosenFailure()->archive,
             ConnectionString::Describe(catalog.connectionString()));
    QCOMPARE(report.chosenFailure()->error,
             QStringLiteral("il catalogo è in sola lettura: i dati non si potrebbero salvare"));
    s.db.close();
}

void tst_DatabaseOpening::semicolonInValues() {
    QFETCH(QString, backend);
    Setup s;
    QVERIFY(s.prepare());
    QVERIFY(s.placeDefaultFile());
    QString chosen;
    std::unique_ptr<TestSupport::PostgresCatalog> catalog;
    std::unique_ptr<SemicolonRole> role;
    if (backend == QLatin1String("sqlite")) {
        const QString folder = s.dir.filePath(QStringLiteral("Ditta;Rossi \"2024\""));
        QVERIFY(QDir().mkpath(folder));
        const QString file = folder + QStringLiteral("/Quarzil.db");
        QVERIFY(QFile::copy(TestSupport::TemplateFile(), file));
        QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        chosen = ConnectionString::ForSqlite(file);
    } else {
        catalog = std::make_unique<TestSupport::PostgresCatalog>();
        QVERIFY2(catalog->isValid(), qPrintable(catalog->error()));
        role = std::make_unique<SemicolonRole>();
        QVERIFY2(role->isValid(), qPrintable(role->error()));
        const QString server =
            ConnectionString::Value(TestSupport::PostgresServer(), QStringLiteral("Data Source"));
        chosen = ConnectionString::ForPostgres(server, catalog->name(), role->name(),
                                               QStringLiteral("pa;ss\"word"));
    }
    s.profile->setValue(S::Settings, QStringLiteral("MyConnection"), chosen);

    OpeningReport report;
    QVERIFY2(OpenDatabase(s.db, *s.profile, s.appData, &report), qPrintable(s.db.errorText()));
    QVERIFY2(report.failures.isEmpty(), qPrintable(report.failures.value(0).error));
    QCOMPARE(s.db.connectionString(), chosen);
    // What the next start reads back from the file opens the same archive. (A copy: QSettings
    // objects of one process share their cache of a file.)
    s.db.close();
    s.profile->sync();
    const QString copy = s.dir.filePath(QStringLiteral("copy.ini"));
    QVERIFY(QFile::copy(s.profile->fileName(), copy));
    const QString stored = QSettings(copy, QSettings::IniFormat)
                               .value(QStringLiteral("Settings/MyConnection"))
                               .toString();
    QCOMPARE(stored, chosen);
    QVERIFY2(s.db.open(stored), qPrintable(s.db.errorText()));
    QCOMPARE(s.db.isPostgres(), backend == QLatin1String("postgres"));
    s.db.close();
}

void tst_DatabaseOpening::cliCreateReadsQuotedValues() {
    // The tool reads a server string the way the program does: a quoted user name whole.
    const QString serverString = TestSupport::PostgresServer();
    QVERIFY2(!serverString.isEmpty(), "QUARZIL_TEST_PG is not set: run through tools/pgtest.sh");
    SemicolonRole role;
    QVERIFY2(role.isValid(), qPrintable(role.error()));
    const QString catalog = TestSupport::UniqueName(QStringLiteral("qz_tool;"));
    role.owns(catalog);
    const QString server = ConnectionString::Value(serverString, QStringLiteral("Data Source"));
    const QString typed =
        QStringLiteral("Provider=QPSQL;Data Source=%1;User ID=\"%2\";Password=\"a;b\"\"c\"")
            .arg(server, role.name());

    QProcess tool;
    tool.start(TestSupport::CliPath(),
               {QStringLiteral("create"), QStringLiteral("--server"), typed, catalog});
    QVERIFY2(tool.waitForFinished(60000), qPrintable(TestSupport::CliPath()));
    QVERIFY2(tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0,
             tool.readAllStandardError().constData());

    Database db(TestSupport::UniqueName(QStringLiteral("tool_")));
    QVERIFY2(db.open(ConnectionString::ForPostgres(server, catalog, role.name(),
                                                   QStringLiteral("a;b\"c"))),
             qPrintable(db.errorText()));
    QSqlQuery q;
    QVERIFY(db.query(q, QStringLiteral("SELECT pg_get_userbyid(datdba) FROM pg_database WHERE "
                                       "datname = current_database()")));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), role.name());
    QVERIFY(db.query(q, QStringLiteral("SELECT Versione FROM Informazioni")) && q.next());
    QCOMPARE(q.value(0).toInt(), Schema::kCurrentVersion);
    db.close();
}

QTEST_MAIN(tst_DatabaseOpening)
#include "tst_DatabaseOpening.moc"
