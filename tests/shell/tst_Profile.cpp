// label: unit
#include "TestSupport.h"
#include "common/AppPaths.h"
#include "common/Profile.h"
#include "shell/StartupChecks.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {

int unixMode(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return int(st.st_mode & 07777);
}

bool touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly);
}

} // namespace

class tst_Profile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    // The user profile.
    void sectionsOnDisk_data();
    void sectionsOnDisk();
    void valuesAndFallbacks();
    void logStepIsOnDiskAtOnce();
    void deleteAndClearLog();
    void fileStaysPrivate();
    void unwritableProfile_data();
    void unwritableProfile();

    // The machine settings.
    void machineScope_data();
    void machineScope();

    // Start-up checks that need no window.
    void displayProblem_data();
    void displayProblem();
    void installationFolder();
    void prepareDataFolder();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString userFile() const {
        return m_dir->filePath(QStringLiteral("config/Norvisk/Quarzil.ini"));
    }
    QString machineFile() const { return m_dir->filePath(QStringLiteral("machine.ini")); }
    // QSettings objects in one process share what they cache of a file, so a reader on the
    // profile itself would see values not yet written: read a copy of the file instead.
    std::unique_ptr<QSettings> onDisk() const {
        const QString copy = m_dir->filePath(TestSupport::UniqueName(QStringLiteral("disk_")));
        QFile::copy(userFile(), copy);
        return std::make_unique<QSettings>(copy, QSettings::IniFormat);
    }
};

void tst_Profile::init() {
    m_dir = std::make_unique<QTemporaryDir>();
}
void tst_Profile::cleanup() {
    m_dir.reset();
}

void tst_Profile::sectionsOnDisk_data() {
    QTest::addColumn<Profile::Section>("section");
    QTest::addColumn<QString>("group");
    QTest::newRow("Settings") << Profile::Section::Settings << QStringLiteral("Settings");
    QTest::newRow("Application") << Profile::Section::Application << QStringLiteral("Application");
    QTest::newRow("List") << Profile::Section::List << QStringLiteral("List");
    QTest::newRow("Azienda") << Profile::Section::Azienda << QStringLiteral("Azienda");
    QTest::newRow("Hardware") << Profile::Section::Hardware << QStringLiteral("Hardware");
    QTest::newRow("Log") << Profile::Section::Log << QStringLiteral("Log");
    QTest::newRow("Web") << Profile::Section::Web << QStringLiteral("Web");
}

void tst_Profile::sectionsOnDisk() {
    // Profiles written by earlier versions must keep working: the group names are the file format.
    QFETCH(Profile::Section, section);
    QFETCH(QString, group);
    {
        Profile p(userFile(), machineFile());
        p.setValue(section, QStringLiteral("Chiave"), QStringLiteral("valore è"));
    }
    const auto disk = onDisk();
    QCOMPARE(disk->value(group + QStringLiteral("/Chiave")).toString(), QStringLiteral("valore è"));
    QCOMPARE(disk->childGroups(), QStringList{group});

    QSettings(userFile(), QSettings::IniFormat).setValue(group + QStringLiteral("/Numero"), 42);
    Profile again(userFile(), machineFile());
    QCOMPARE(again.integer(section, QStringLiteral("Numero")), 42);
}

void tst_Profile::valuesAndFallbacks() {
    using S = Profile::Section;
    Profile p(userFile(), machineFile());
    QCOMPARE(p.integer(S::Settings, QStringLiteral("LastVerRelNotes"), 100), 100);
    QCOMPARE(p.string(S::Azienda, QStringLiteral("RagSoc")), QString());
    QCOMPARE(p.string(S::Azienda, QStringLiteral("RagSoc"), QStringLiteral("x")),
             QStringLiteral("x"));
    QVERIFY(!p.contains(S::Settings, QStringLiteral("Style")));

    // A value edited by hand into something that is not a number falls back.
    p.setValue(S::Settings, QStringLiteral("Style"), QStringLiteral("grande"));
    QVERIFY(p.contains(S::Settings, QStringLiteral("Style")));
    QCOMPARE(p.integer(S::Settings, QStringLiteral("Style"), 1), 1);
    p.setValue(S::Settings, QStringLiteral("Style"), 3);
    QCOMPARE(p.integer(S::Settings, QStringLiteral("Style"), 1), 3);

    // The same key in two sections is two values.
    p.setValue(S::Application, QStringLiteral("Style"), 7);
    QCOMPARE(p.integer(S::Settings, QStringLiteral("Style")), 3);
    QCOMPARE(p.integer(S::Application, QStringLiteral("Style")), 7);

    // A connection string with ';' and '=' survives the INI file.
    const QString conn = QStringLiteral("Provider=QSQLITE;Data Source=/tmp/a b/Quarzil.db");
    p.setValue(S::Settings, QStringLiteral("Connection"), conn);
    p.sync();
    Profile again(userFile(), machineFile());
    QCOMPARE(again.string(S::Settings, QStringLiteral("Connection")), conn);
    QCOMPARE(again.fileName(), userFile());
}

void tst_Profile::logStepIsOnDiskAtOnce() {
    Profile p(userFile(), machineFile());
    p.logStep(QStringLiteral("Avvio"), QStringLiteral("Caricamento iniziale completato"));
    // A crash right now must leave the step behind.
    QCOMPARE(onDisk()->value(QStringLiteral("Log/Avvio")).toString(),
             QStringLiteral("Caricamento iniziale completato"));

    p.logStep(QStringLiteral("Avvio"), QStringLiteral("Scrittura valori completato"));
    QCOMPARE(onDisk()->value(QStringLiteral("Log/Avvio")).toString(),
             QStringLiteral("Scrittura valori completato"));

    // Values set before the step travel with it: CloseUnregular must be on disk with the log.
    p.setValue(Profile::Section::Application, QStringLiteral("CloseUnregular"), 1);
    p.logStep(QStringLiteral("ConnectDatabase"), QStringLiteral("Inizio apertura 3"));
    const auto disk = onDisk();
    QCOMPARE(disk->value(QStringLiteral("Application/CloseUnregular")).toInt(), 1);
    QCOMPARE(disk->value(QStringLiteral("Log/ConnectDatabase")).toString(),
             QStringLiteral("Inizio apertura 3"));
}

void tst_Profile::deleteAndClearLog() {
    Profile p(userFile(), machineFile());
    p.setValue(Profile::Section::Application, QStringLiteral("Speed"), 12);
    p.logStep(QStringLiteral("Avvio"), QStringLiteral("a"));
    p.logStep(QStringLiteral("ConnectDatabase"), QStringLiteral("b"));
    QMap<QString, QString> expected{{QStringLiteral("Avvio"), QStringLiteral("a")},
                                    {QStringLiteral("ConnectDatabase"), QStringLiteral("b")}};
    QCOMPARE(p.logEntries(), expected);

    p.deleteLog(QStringLiteral("ConnectDatabase"));
    {
        const auto disk = onDisk();
        QVERIFY(!disk->contains(QStringLiteral("Log/ConnectDatabase")));
        QCOMPARE(disk->value(QStringLiteral("Log/Avvio")).toString(), QStringLiteral("a"));
    }
    expected.remove(QStringLiteral("ConnectDatabase"));
    QCOMPARE(p.logEntries(), expected);

    p.clearLog();
    QVERIFY(p.logEntries().isEmpty());
    const auto disk = onDisk();
    QVERIFY(!disk->childGroups().contains(QStringLiteral("Log")));
    // Only the log goes.
    QCOMPARE(disk->value(QStringLiteral("Application/Speed")).toInt(), 12);
}

void tst_Profile::fileStaysPrivate() {
    // Created private before the first value is written, with the folders leading to it.
    Profile p(userFile(), machineFile());
    QVERIFY(QFile::exists(userFile()));
    QCOMPARE(unixMode(userFile()), 0600);

    p.setValue(Profile::Section::Settings, QStringLiteral("MyConnection"),
               QStringLiteral("Provider=QPSQL;Password=segreta"));
    p.sync();
    QCOMPARE(unixMode(userFile()), 0600);

    // Opened up behind the program's back: the next write closes it again.
    QVERIFY(QFile::setPermissions(userFile(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ReadOther));
    p.logStep(QStringLiteral("Avvio"), QStringLiteral("x"));
    QCOMPARE(unixMode(userFile()), 0600);
}

void tst_Profile::unwritableProfile_data() {
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<int>("fileMode");
    QTest::addColumn<int>("folderMode");
    QTest::newRow("administrator's read-only file") << true << 0444 << 0700;
    QTest::newRow("read-only folder, no file yet") << false << 0 << 0500;
}

void tst_Profile::unwritableProfile() {
    QFETCH(bool, fileExists);
    QFETCH(int, fileMode);
    QFETCH(int, folderMode);
    const QString folder = QFileInfo(userFile()).absolutePath();
    QVERIFY(QDir().mkpath(folder));
    const auto restore = qScopeGuard([&] { ::chmod(QFile::encodeName(folder).constData(), 0700); });
    if (fileExists) {
        QSettings(userFile(), QSettings::IniFormat).setValue(QStringLiteral("Settings/Style"), 2);
        QCOMPARE(::chmod(QFile::encodeName(userFile()).constData(), mode_t(fileMode)), 0);
    }
    QCOMPARE(::chmod(QFile::encodeName(folder).constData(), mode_t(folderMode)), 0);
    QFile f(userFile());
    const QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    f.close();

    TestSupport::FileModesEnforced asAUser;
    QVERIFY(asAUser.isValid());
    int failures = 0;
    {
        Profile p(userFile(), machineFile());
        p.setWriteFailureHandler([&] { ++failures; });
        QCOMPARE(p.integer(Profile::Section::Settings, QStringLiteral("Style")),
                 fileExists ? 2 : 0);
        p.setValue(Profile::Section::Settings, QStringLiteral("Style"), 3);
        p.sync();
        QVERIFY(p.writeFailed());
        QCOMPARE(failures, 1);
        // The run goes on with what it set.
        QCOMPARE(p.integer(Profile::Section::Settings, QStringLiteral("Style")), 3);
        p.logStep(QStringLiteral("Avvio"), QStringLiteral("x"));
        p.clearLog();
    }
    QCOMPARE(failures, 1);
    // Not made writable behind the administrator's back, and not changed.
    QCOMPARE(unixMode(userFile()), fileExists ? fileMode : -1);
    if (fileExists) {
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), bytes);
    }
}

void tst_Profile::machineScope_data() {
    QTest::addColumn<QString>("ini"); // empty: no machine file
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("directory");
    QTest::addColumn<int>("version");
    QTest::newRow("no file") << QString() << false << QString() << 0;
    QTest::newRow("unrelated keys") << "[Other]\nKey=1\n" << false << QString() << 0;
    QTest::newRow("directory only") << "[Settings]\nDirectory=/opt/quarzil/\n"
                                    << true << "/opt/quarzil/" << 0;
    QTest::newRow("version only") << "[Application]\nVersione=310\n" << true << QString() << 310;
    QTest::newRow("both") << "[Settings]\nDirectory=/opt/q\n[Application]\nVersione=330\n"
                          << true << "/opt/q" << 330;
    QTest::newRow("version not a number") << "[Application]\nVersione=tre\n"
                                          << true << QString() << 0;
}

void tst_Profile::machineScope() {
    QFETCH(QString, ini);
    QFETCH(bool, exists);
    QFETCH(QString, directory);
    QFETCH(int, version);
    if (!ini.isNull()) {
        QFile f(machineFile());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(ini.toUtf8());
    }
    Profile p(userFile(), machineFile());
    QCOMPARE(p.machineKeyExists(), exists);
    QCOMPARE(p.machineDirectory(), directory);
    QCOMPARE(p.machineVersion(), version);
    // Reading machine settings never creates or changes them.
    p.sync();
    QCOMPARE(QFile::exists(machineFile()), !ini.isNull());
}

void tst_Profile::displayProblem_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("depth");
    QTest::addColumn<QString>("contains"); // empty: accepted
    QTest::newRow("800x600x16") << QSize(800, 600) << 16 << QString();
    QTest::newRow("1920x1080x32") << QSize(1920, 1080) << 32 << QString();
    QTest::newRow("799x600") << QSize(799, 600) << 32 << QStringLiteral("è di 799x600 pixel.");
    QTest::newRow("800x599") << QSize(800, 599) << 32 << QStringLiteral("è di 800x599 pixel.");
    QTest::newRow("small and shallow") << QSize(640, 480) << 8 << QStringLiteral("640x480");
    QTest::newRow("15 bits") << QSize(1024, 768) << 15
                             << QStringLiteral("configurata a 32.768 colori");
    QTest::newRow("8 bits") << QSize(1024, 768) << 8 << QStringLiteral("configurata a 256 colori");
}

void tst_Profile::displayProblem() {
    QFETCH(QSize, size);
    QFETCH(int, depth);
    QFETCH(QString, contains);
    const auto problem = StartupChecks::DisplayProblem(size, depth);
    if (contains.isEmpty()) {
        QVERIFY2(!problem, qPrintable(problem.value_or(QString())));
        return;
    }
    QVERIFY(problem);
    QVERIFY2(problem->contains(contains), qPrintable(*problem));
    if (contains.contains(QStringLiteral("colori")))
        QVERIFY(problem->endsWith(
            QStringLiteral("Si consiglia di impostarla ad almeno 65.536 colori!")));
    else
        QVERIFY(problem->endsWith(QStringLiteral(
            "La risoluzione minima del programma per funzionare è di 800x600 pixel!")));
}

void tst_Profile::installationFolder() {
    const QString root = m_dir->path();
    const QString exe = root + QStringLiteral("/bin");
    const QString share = root + QStringLiteral("/share/quarzil");
    QVERIFY(QDir().mkpath(exe));

    // Neither place holds the template.
    QCOMPARE(AppPaths::FindInstallationFolder(exe), QString());

    // Installed: <prefix>/bin/quarzil with <prefix>/share/quarzil/Database/Quarzil.db.
    QVERIFY(touch(share + QStringLiteral("/Database/Quarzil.db")));
    QCOMPARE(AppPaths::FindInstallationFolder(exe), share + u'/');
    QCOMPARE(AppPaths::TemplateFile(AppPaths::FindInstallationFolder(exe)),
             share + QStringLiteral("/Database/Quarzil.db"));

    // The build tree: the template beside the executable wins.
    QVERIFY(touch(exe + QStringLiteral("/Database/Quarzil.db")));
    QCOMPARE(AppPaths::FindInstallationFolder(exe), exe + u'/');
    QCOMPARE(AppPaths::FindInstallationFolder(exe + u'/'), exe + u'/');
}

void tst_Profile::prepareDataFolder() {
    const QString appData = m_dir->filePath(QStringLiteral("data"));
    // A missing application-data folder is created as the desktop would, for its owner only.
    QVERIFY(!AppPaths::PrepareDataFolder(QString()));
    QVERIFY(AppPaths::PrepareDataFolder(appData));
    QCOMPARE(QFileInfo(appData).permissions() & 0x0077, QFile::Permissions());
    QVERIFY(QFileInfo(appData + QStringLiteral("/Norvisk/Quarzil")).isDir());
    QCOMPARE(AppPaths::DataFolder(appData), appData + QStringLiteral("/Norvisk/Quarzil"));
    QCOMPARE(AppPaths::DefaultDatabaseFile(appData),
             appData + QStringLiteral("/Norvisk/Quarzil/Quarzil.db"));
    // Twice is fine.
    QVERIFY(AppPaths::PrepareDataFolder(appData));

    const QString blocked = m_dir->filePath(QStringLiteral("blocked"));
    QVERIFY(QDir().mkpath(blocked + QStringLiteral("/Norvisk")));
    QVERIFY(touch(blocked + QStringLiteral("/Norvisk/Quarzil")));
    QVERIFY(!AppPaths::PrepareDataFolder(blocked));
}

QTEST_MAIN(tst_Profile)
#include "tst_Profile.moc"
