// label: gui
#include "ScriptedPrompt.h"
#include "TestSupport.h"
#include "shell/SingleInstance.h"
#include "shell/ui/CMainApp.h"
#include "shell/ui/CMainFrame.h"
#include "store/ConnectionString.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScopeGuard>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <sys/stat.h>
#include <utility>

using Answer = IPrompt::Answer;
using Icon = IPrompt::Icon;
using InternetState = StartupChecks::InternetState;

namespace {

const QString kSingleInstance =
    QStringLiteral("Per motivi di sincronizzazione dati una sola istanza, "
                   "per computer, dell'applicazione può essere avviata!");
const QString kNewerArchive = QStringLiteral("L'archivio dati è di una versione più recente e per "
                                             "questo occorre aggiornare il programma, continuare?");
const QString kUpgradeFailed = QStringLiteral("Errore nell'aggiornare il database alla versione "
                                              "attuale del programma, impossibile continuare!");
const QString kNoInternet = QStringLiteral("Consiglio di connettere il computer ad internet per "
                                           "avere più caratteristiche del software e controllare "
                                           "gli ultimi aggiornamenti!");

// Runs one statement on an archive file through a connection of the test's own; value gets the
// first column of its first row, when it has one.
bool runSql(const QString& file, const QString& sql, int* value = nullptr) {
    const QString name = TestSupport::UniqueName(QStringLiteral("startup_"));
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        if (db.open()) {
            QSqlQuery q(db);
            ok = q.exec(sql);
            if (ok && value && q.next())
                *value = q.value(0).toInt();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

int queryInt(const QString& file, const QString& sql) {
    int value = -1;
    runSql(file, sql, &value);
    return value;
}

// The permission bits as the kernel has them (Qt adds the "user" bits for the current user).
int unixMode(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return int(st.st_mode & 07777);
}

// One user's world in temporary folders: profile, machine settings, application data, and the
// answers of the system (display, internet) and of the user (scripted prompt).
struct Sandbox {
    QTemporaryDir dir;
    QString profileFile = dir.filePath(QStringLiteral("config/Norvisk/Quarzil.ini"));
    QString machineFile = dir.filePath(QStringLiteral("machine.ini"));
    QString appData = dir.filePath(QStringLiteral("data"));
    QString instanceName = TestSupport::UniqueName(QStringLiteral("qz_startup_"));
    std::shared_ptr<ScriptedPrompt> prompt = std::make_shared<ScriptedPrompt>();
    InternetState internet = InternetState::Connected;
    QSize screen{1280, 1024};
    int depth = 24;

    Sandbox() { QDir().mkpath(appData); }

    QString dataFolder() const { return appData + QStringLiteral("/Norvisk/Quarzil"); }
    QString archive() const { return dataFolder() + QStringLiteral("/Quarzil.db"); }

    MainAppEnvironment environment() const {
        MainAppEnvironment env;
        env.userProfileFile = profileFile;
        env.machineProfileFile = machineFile;
        env.applicationDataFolder = appData;
        env.executableFolder = TestSupport::BuildDir();
        env.instanceName = instanceName;
        env.prompt = prompt;
        const InternetState state = internet;
        env.internetState = [state] { return state; };
        const auto display = std::make_pair(screen, depth);
        env.display = [display] { return display; };
        return env;
    }

    std::unique_ptr<CMainApp> makeApp() const {
        auto app = std::make_unique<CMainApp>(environment());
        // A first run has no company: keep the wizard hook quiet unless a test watches it.
        app->runCompanyWizard = [] {};
        return app;
    }

    // What is on disk now. QSettings objects in one process share what they cache of a file,
    // so a reader on the profile itself would see values the program has not written yet: read
    // a copy instead.
    std::unique_ptr<QSettings> onDisk() const {
        const QString copy = dir.filePath(TestSupport::UniqueName(QStringLiteral("disk_")));
        QFile::copy(profileFile, copy);
        return std::make_unique<QSettings>(copy, QSettings::IniFormat);
    }
    QVariant stored(const QString& key) const { return onDisk()->value(key); }
    QStringList storedLog() const {
        auto s = onDisk();
        s->beginGroup(QStringLiteral("Log"));
        return s->allKeys();
    }

    void writeProfile(const QString& key, const QVariant& value) const {
        QDir().mkpath(QFileInfo(profileFile).absolutePath());
        QSettings s(profileFile, QSettings::IniFormat);
        s.setValue(key, value);
    }

    void writeMachine(const QString& key, const QVariant& value) const {
        QSettings s(machineFile, QSettings::IniFormat);
        s.setValue(key, value);
    }

    // An existing archive in the data folder, at the given schema version.
    bool placeArchive(int version = 20) const {
        QDir().mkpath(dataFolder());
        QFile::remove(archive());
        if (!QFile::copy(TestSupport::TemplateFile(), archive()))
            return false;
        QFile::setPermissions(archive(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return version == 20 ||
               runSql(archive(),
                      QStringLiteral("UPDATE Informazioni SET Versione = %1").arg(version));
    }

    bool instanceFree() const {
        SingleInstance probe;
        return probe.acquire(instanceName);
    }
};

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// The journal files SQLite leaves beside an archive it had open.
QStringList companions(const QString& archive) {
    QStringList found;
    for (const char* suffix : {"-wal", "-shm", "-journal"})
        if (QFile::exists(archive + QLatin1String(suffix)))
            found << archive + QLatin1String(suffix);
    return found;
}

QString archivePane(CMainApp& app) {
    auto* pane = app.mainFrame()->statusBar()->findChild<QLabel*>("StatusPane-Archive");
    return pane ? pane->text() : QStringLiteral("<no archive pane>");
}

const QString kReadOnly =
    QStringLiteral("il file è in sola lettura: i dati non si potrebbero salvare");

QString profileNotSaved(const QString& file) {
    return QStringLiteral("Impossibile salvare le impostazioni nel file %1 (file o cartella in "
                          "sola lettura, oppure disco pieno): le modifiche alle impostazioni non "
                          "saranno conservate.")
        .arg(file);
}

QStringList texts(const ScriptedPrompt& prompt) {
    QStringList t;
    for (const auto& s : prompt.shown)
        t << s.text;
    return t;
}

} // namespace

class tst_Startup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    // A clean first run and the exit after it.
    void firstRunPreparesProfileAndArchive();
    void laterRunKeepsTheArchive();
    void exitLeavesARegularEnd();
    void showStateFollowsStyle_data();
    void showStateFollowsStyle();

    // Refusals: each one ends regularly and frees the lock.
    void display_data();
    void display();
    void schemaVersion_data();
    void schemaVersion();
    void dataFolderCannotBeCreated_data();
    void dataFolderCannotBeCreated();
    void secondInstanceIsRefused();

    // What the start-up tells the user, and what it remembers.
    void internetState_data();
    void internetState();
    void previousEnd_data();
    void previousEnd();
    void installationSync_data();
    void installationSync();
    void profileIsPrivate();
    void releaseNotes_data();
    void releaseNotes();

    // Which archive is open, and settings that cannot be saved.
    void chosenArchive_data();
    void chosenArchive();
    void profileCannotBeWritten_data();
    void profileCannotBeWritten();

private:
    // Accepts whatever modal dialog the start-up opens, so that a dialog never hangs the suite;
    // a test that expects one takes it out of m_dialogs, any other fails the test.
    QTimer m_closer;
    QStringList m_dialogs;
    QString m_notes;
    const QWidget* m_dialogParent = nullptr;
};

void tst_Startup::initTestCase() {
    QVERIFY2(QFile::exists(TestSupport::TemplateFile()), qPrintable(TestSupport::TemplateFile()));
    // The release notes are never shown in non-interactive mode; these tests drive the dialog.
    qunsetenv("QUARZIL_NONINTERACTIVE");
    m_closer.setInterval(20);
    connect(&m_closer, &QTimer::timeout, this, [this] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        m_dialogs << dialog->windowTitle();
        m_dialogParent = dialog->parentWidget();
        if (auto* browser = dialog->findChild<QTextBrowser*>())
            m_notes = browser->toPlainText();
        dialog->accept();
    });
}

void tst_Startup::init() {
    m_dialogs.clear();
    m_notes.clear();
    m_dialogParent = nullptr;
    m_closer.start();
}

void tst_Startup::cleanup() {
    m_closer.stop();
    QVERIFY2(m_dialogs.isEmpty(), qPrintable(m_dialogs.join(u',')));
}

void tst_Startup::firstRunPreparesProfileAndArchive() {
    Sandbox box;
    auto app = box.makeApp();
    int wizardCalls = 0;
    bool visibleDuringWizard = false;
    QVariant unregularDuringStart;
    app->runCompanyWizard = [&] {
        ++wizardCalls;
        visibleDuringWizard = app->mainFrame() && app->mainFrame()->isVisible();
        unregularDuringStart = box.stored(QStringLiteral("Application/CloseUnregular"));
    };
    bool reportOffered = false;
    app->offerSystemReport = [&] { reportOffered = true; };

    QVERIFY(app->initInstance());
    QVERIFY2(box.prompt->shown.isEmpty(), qPrintable(texts(*box.prompt).join(u'\n')));
    QVERIFY(!reportOffered);

    // The template became the user's archive, private to its owner.
    QVERIFY(QFile::exists(box.archive()));
    QCOMPARE(unixMode(box.archive()), 0600);
    QVERIFY(app->database().isOpen());
    QCOMPARE(queryInt(box.archive(), QStringLiteral("SELECT Versione FROM Informazioni")), 20);

    // The window is up before the wizard asks for the company.
    QCOMPARE(wizardCalls, 1);
    QVERIFY(visibleDuringWizard);
    QCOMPARE(unregularDuringStart.toInt(), 1);
    QVERIFY(app->mainFrame());
    QCOMPARE(app->mainFrame()->windowTitle(), QStringLiteral("Magazzino - Quarzil"));
    QVERIFY(app->mainFrame()->isVisible());
    QVERIFY(!app->isStartupInProgress());
    QVERIFY(app->isInternetConnected());

    auto s = box.onDisk();
    QCOMPARE(s->value(QStringLiteral("Settings/Connection")).toString(),
             QStringLiteral("Provider=QSQLITE;Data Source=%1").arg(box.archive()));
    QCOMPARE(s->value(QStringLiteral("Settings/TypeConnection")).toInt(), 0);
    QCOMPARE(s->value(QStringLiteral("Settings/Directory")).toString(),
             QDir(TestSupport::BuildDir()).absolutePath() + u'/');
    QCOMPARE(s->value(QStringLiteral("Application/Versione")).toInt(), 320);
    QCOMPARE(s->value(QStringLiteral("Settings/LastVerRelNotes")).toInt(), 320);
    QVERIFY(s->contains(QStringLiteral("Application/Speed")));
    QVERIFY(s->value(QStringLiteral("Application/Speed")).toInt() >= 0);
    QCOMPARE(s->value(QStringLiteral("Application/CloseUnregular")).toInt(), 1);
    QVERIFY2(box.storedLog().isEmpty(), qPrintable(box.storedLog().join(u',')));

    QCOMPARE(app->exitInstance(), 0);
    QCOMPARE(box.stored(QStringLiteral("Application/CloseUnregular")).toInt(), 0);
    QVERIFY(box.storedLog().isEmpty());
    QVERIFY(box.instanceFree());
}

void tst_Startup::laterRunKeepsTheArchive() {
    Sandbox box;
    {
        auto app = box.makeApp();
        QVERIFY(app->initInstance());
        app->exitInstance();
    }
    // Mark the user's archive: a second start must open it, not lay the template over it.
    QVERIFY(runSql(box.archive(), QStringLiteral("PRAGMA user_version = 77")));
    box.writeProfile(QStringLiteral("Azienda/RagSoc"), QStringLiteral("Rossi Srl"));
    auto app = box.makeApp();
    int wizardCalls = 0;
    app->runCompanyWizard = [&] { ++wizardCalls; };
    QVERIFY(app->initInstance());
    QCOMPARE(wizardCalls, 0);
    QCOMPARE(queryInt(box.archive(), QStringLiteral("PRAGMA user_version")), 77);
    app->exitInstance();
}

void tst_Startup::exitLeavesARegularEnd() {
    Sandbox box;
    auto app = box.makeApp();
    QVERIFY(app->initInstance());

    // The backup runs on a closed archive, while a crash in it would still be seen next time.
    bool backupRan = false;
    bool dbOpenDuringBackup = true;
    QString exitStep;
    int unregularDuringBackup = -1;
    app->runAutomaticBackup = [&] {
        backupRan = true;
        dbOpenDuringBackup = app->database().isOpen();
        exitStep = box.stored(QStringLiteral("Log/Chiusura")).toString();
        unregularDuringBackup = box.stored(QStringLiteral("Application/CloseUnregular")).toInt();
    };
    QCOMPARE(app->exitInstance(), 0);
    QVERIFY(backupRan);
    QVERIFY(!dbOpenDuringBackup);
    QCOMPARE(exitStep, QStringLiteral("Inizio uscita"));
    QCOMPARE(unregularDuringBackup, 1);
    QVERIFY(!app->mainFrame());
    QCOMPARE(box.stored(QStringLiteral("Application/CloseUnregular")).toInt(), 0);
    QVERIFY(box.storedLog().isEmpty());

    // Exiting twice does not run the backup twice.
    backupRan = false;
    QCOMPARE(app->exitInstance(), 0);
    QVERIFY(!backupRan);
}

void tst_Startup::showStateFollowsStyle_data() {
    QTest::addColumn<QVariant>("style");
    QTest::addColumn<Qt::WindowState>("state");
    QTest::newRow("absent") << QVariant() << Qt::WindowNoState;
    QTest::newRow("normal") << QVariant(1) << Qt::WindowNoState;
    QTest::newRow("minimised") << QVariant(2) << Qt::WindowMinimized;
    QTest::newRow("maximised") << QVariant(3) << Qt::WindowMaximized;
}

void tst_Startup::showStateFollowsStyle() {
    QFETCH(QVariant, style);
    QFETCH(Qt::WindowState, state);
    Sandbox box;
    if (style.isValid())
        box.writeProfile(QStringLiteral("Settings/Style"), style);
    auto app = box.makeApp();
    QVERIFY(app->initInstance());
    QVERIFY(app->mainFrame()->isVisible());
    QCOMPARE(app->mainFrame()->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized),
             Qt::WindowStates(state));
    app->exitInstance();
}

void tst_Startup::display_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("depth");
    QTest::addColumn<QString>("refusal");
    const QString resolution =
        QStringLiteral("La risoluzione attuale del video è di %1 pixel. La "
                       "risoluzione minima del programma per funzionare è di "
                       "800x600 pixel!");
    QTest::newRow("1024x576") << QSize(1024, 576) << 24
                              << resolution.arg(QStringLiteral("1024x576"));
    QTest::newRow("640x480 at 8 bits")
        << QSize(640, 480) << 8 << resolution.arg(QStringLiteral("640x480"));
    QTest::newRow("15 bits") << QSize(1280, 1024) << 15
                             << QStringLiteral("La scheda video è configurata a 32.768 colori per "
                                               "pixel. Si consiglia di impostarla ad almeno 65.536 "
                                               "colori!");
    QTest::newRow("16 bits") << QSize(1280, 1024) << 16 << QString();
    QTest::newRow("800x600") << QSize(800, 600) << 32 << QString();
}

void tst_Startup::display() {
    QFETCH(QSize, size);
    QFETCH(int, depth);
    QFETCH(QString, refusal);
    Sandbox box;
    box.screen = size;
    box.depth = depth;
    auto app = box.makeApp();
    const bool started = app->initInstance();
    if (refusal.isEmpty()) {
        QVERIFY(started);
        QVERIFY(box.prompt->shown.isEmpty());
        app->exitInstance();
        return;
    }
    QVERIFY(!started);
    QCOMPARE(box.prompt->shown.size(), 1);
    QCOMPARE(box.prompt->shown.first().text, refusal);
    QCOMPARE(box.prompt->shown.first().icon, Icon::Error);
    // Refused before the archive: no window, no connection, a regular end.
    QVERIFY(!app->mainFrame());
    QVERIFY(!app->database().isOpen());
    QCOMPARE(box.stored(QStringLiteral("Application/CloseUnregular")).toInt(), 0);
    QVERIFY(box.storedLog().isEmpty());
    QVERIFY(box.instanceFree());
}

void tst_Startup::schemaVersion_data() {
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("answer"); // to the newer-archive question; -1 when none is asked
    QTest::addColumn<bool>("started");
    QTest::addColumn<QString>("message");
    QTest::newRow("20 current") << 20 << -1 << true << QString();
    QTest::newRow("21 newer, go on") << 21 << int(Answer::No) << true << kNewerArchive;
    QTest::newRow("21 newer, stop") << 21 << int(Answer::Yes) << false << kNewerArchive;
    QTest::newRow("19 older") << 19 << -1 << false << kUpgradeFailed;
}

void tst_Startup::schemaVersion() {
    QFETCH(int, version);
    QFETCH(int, answer);
    QFETCH(bool, started);
    QFETCH(QString, message);
    Sandbox box;
    QVERIFY(box.placeArchive(version));
    const QByteArray bytes = fileBytes(box.archive());
    if (!message.isEmpty())
        box.prompt->expect(message, answer >= 0 ? Answer(answer) : Answer::Ok);
    auto app = box.makeApp();
    bool downloadOffered = false;
    app->downloadNewerProgram = [&] {
        downloadOffered = true;
        return false;
    };

    QCOMPARE(app->initInstance(), started);
    QCOMPARE(texts(*box.prompt), message.isEmpty() ? QStringList() : QStringList{message});
    QVERIFY(box.prompt->unexpected.isEmpty());
    if (!message.isEmpty())
        QCOMPARE(box.prompt->shown.first().icon, answer >= 0 ? Icon::Question : Icon::Error);
    QCOMPARE(downloadOffered, answer == int(Answer::Yes));
    QCOMPARE(bool(app->mainFrame()), started);
    QCOMPARE(app->database().isOpen(), started);
    // The archive is used as it is: nobody rewrites its version.
    QCOMPARE(queryInt(box.archive(), QStringLiteral("SELECT Versione FROM Informazioni")), version);
    // One that is used goes over to the write-ahead log; a refused one is left byte for byte.
    const char journal = fileBytes(box.archive()).at(18);
    QCOMPARE(int(journal), started ? 2 : 1);
    if (started) {
        app->exitInstance();
    } else {
        QVERIFY(fileBytes(box.archive()) == bytes);
        QCOMPARE(companions(box.archive()), QStringList());
        QCOMPARE(box.stored(QStringLiteral("Application/CloseUnregular")).toInt(), 0);
        QVERIFY(box.storedLog().isEmpty());
        QVERIFY(box.instanceFree());
    }
}

void tst_Startup::dataFolderCannotBeCreated_data() {
    QTest::addColumn<QString>("blocker"); // a file standing where a folder must be
    QTest::newRow("appdata is a file") << QString();
    QTest::newRow("Norvisk is a file") << QStringLiteral("Norvisk");
    QTest::newRow("Quarzil is a file") << QStringLiteral("Norvisk/Quarzil");
}

void tst_Startup::dataFolderCannotBeCreated() {
    QFETCH(QString, blocker);
    Sandbox box;
    const QString path = blocker.isEmpty() ? box.appData : box.appData + u'/' + blocker;
    QDir().rmdir(box.appData);
    QDir().mkpath(QFileInfo(path).absolutePath());
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    auto app = box.makeApp();
    QVERIFY(!app->initInstance());
    QCOMPARE(box.prompt->shown.size(), 1);
    QVERIFY2(box.prompt->shown.first().text.startsWith(
                 QStringLiteral("Impossibile creare la cartella dei dati")),
             qPrintable(box.prompt->shown.first().text));
    QCOMPARE(box.prompt->shown.first().icon, Icon::Error);
    QVERIFY(QFileInfo(path).isFile());
    QCOMPARE(box.stored(QStringLiteral("Application/CloseUnregular")).toInt(), 0);
    QVERIFY(box.storedLog().isEmpty());
    QVERIFY(box.instanceFree());
}

void tst_Startup::secondInstanceIsRefused() {
    Sandbox box;
    auto first = box.makeApp();
    QVERIFY(first->initInstance());
    QFile profile(box.profileFile);
    QVERIFY(profile.open(QIODevice::ReadOnly));
    const QByteArray before = profile.readAll();
    profile.close();
    QVERIFY(before.contains("CloseUnregular=1"));

    // The running copy's CloseUnregular=1 must not make the second one offer a report.
    auto secondPrompt = std::make_shared<ScriptedPrompt>();
    MainAppEnvironment env = box.environment();
    env.prompt = secondPrompt;
    auto second = std::make_unique<CMainApp>(env);
    bool reportOffered = false;
    second->offerSystemReport = [&] { reportOffered = true; };
    QVERIFY(!second->initInstance());
    QCOMPARE(texts(*secondPrompt), QStringList{kSingleInstance});
    QCOMPARE(secondPrompt->shown.first().icon, Icon::Error);
    QVERIFY(!reportOffered);
    QVERIFY(!second->mainFrame());

    QVERIFY(profile.open(QIODevice::ReadOnly));
    QCOMPARE(profile.readAll(), before);
    profile.close();
    QVERIFY(first->database().isOpen());
    QVERIFY(first->mainFrame()->isVisible());

    first->exitInstance();
    QVERIFY(box.instanceFree());
}

void tst_Startup::internetState_data() {
    QTest::addColumn<InternetState>("state");
    QTest::addColumn<bool>("warned");
    QTest::newRow("connected") << InternetState::Connected << false;
    QTest::newRow("disconnected") << InternetState::Disconnected << true;
    QTest::newRow("unknown") << InternetState::Unknown << false;
}

void tst_Startup::internetState() {
    QFETCH(InternetState, state);
    QFETCH(bool, warned);
    Sandbox box;
    box.internet = state;
    auto app = box.makeApp();
    QVERIFY(app->initInstance());
    if (warned) {
        QCOMPARE(texts(*box.prompt), QStringList{kNoInternet});
        QCOMPARE(box.prompt->shown.first().icon, Icon::Warning);
    } else {
        QVERIFY(box.prompt->shown.isEmpty());
    }
    QCOMPARE(app->isInternetConnected(), !warned);
    // A warning, not a refusal.
    QVERIFY(app->mainFrame()->isVisible());
    app->exitInstance();
}

void tst_Startup::previousEnd_data() {
    QTest::addColumn<QVariant>("closeUnregular");
    QTest::addColumn<bool>("offered");
    QTest::newRow("crashed") << QVariant(1) << true;
    QTest::newRow("clean") << QVariant(0) << false;
    QTest::newRow("never ran") << QVariant() << false;
}

void tst_Startup::previousEnd() {
    QFETCH(QVariant, closeUnregular);
    QFETCH(bool, offered);
    Sandbox box;
    if (closeUnregular.isValid()) {
        box.writeProfile(QStringLiteral("Application/CloseUnregular"), closeUnregular);
        if (offered)
            box.writeProfile(QStringLiteral("Log/ConnectDatabase"),
                             QStringLiteral("Inizio apertura 3"));
    }
    auto app = box.makeApp();
    int calls = 0;
    QString crashStep;
    app->offerSystemReport = [&] {
        ++calls;
        // The report describes the previous run: its log must still be there.
        crashStep = box.stored(QStringLiteral("Log/ConnectDatabase")).toString();
    };
    QVERIFY(app->initInstance());
    QCOMPARE(calls, offered ? 1 : 0);
    if (offered)
        QCOMPARE(crashStep, QStringLiteral("Inizio apertura 3"));
    QVERIFY(box.storedLog().isEmpty());
    app->exitInstance();
}

void tst_Startup::installationSync_data() {
    QTest::addColumn<bool>("machineIni");
    QTest::addColumn<QVariant>("machineDir");
    QTest::addColumn<QVariant>("machineVer");
    QTest::addColumn<QVariant>("profileDir");
    QTest::addColumn<QVariant>("profileVer");
    QTest::addColumn<QString>("expectedDir");
    QTest::addColumn<int>("expectedVer"); // 0: absent

    const QVariant none;
    QTest::newRow("empty profile takes machine values")
        << true << QVariant("/opt/a") << QVariant(310) << none << none << "/opt/a/" << 310;
    QTest::newRow("empty profile, empty machine directory")
        << true << QVariant("") << QVariant(310) << none << none << "" << 310;
    QTest::newRow("empty profile, machine version 0")
        << true << QVariant("/opt/a/") << QVariant(0) << none << none << "/opt/a/" << 0;
    QTest::newRow("empty profile, machine version 0 keeps profile's")
        << true << QVariant("/opt/a/") << QVariant(0) << QVariant("") << QVariant(250) << "/opt/a/"
        << 250;
    QTest::newRow("different directory replaces")
        << true << QVariant("/opt/b") << none << QVariant("/opt/a/") << QVariant(300) << "/opt/b/"
        << 300;
    QTest::newRow("same directory without slash stays")
        << true << QVariant("/opt/a") << none << QVariant("/opt/a/") << QVariant(300) << "/opt/a/"
        << 300;
    QTest::newRow("empty machine directory keeps profile's")
        << true << QVariant("") << QVariant(310) << QVariant("/opt/a/") << QVariant(300)
        << "/opt/a/" << 310;
    QTest::newRow("greater machine version replaces")
        << true << QVariant("/opt/a/") << QVariant(330) << QVariant("/opt/a/") << QVariant(300)
        << "/opt/a/" << 330;
    QTest::newRow("smaller machine version kept out")
        << true << QVariant("/opt/a/") << QVariant(290) << QVariant("/opt/a/") << QVariant(300)
        << "/opt/a/" << 300;
    const QString build = QDir(TestSupport::BuildDir()).absolutePath() + u'/';
    QTest::newRow("no machine settings: the build folder")
        << false << none << none << QVariant("/old/place/") << QVariant(300) << build << 320;
    QTest::newRow("no machine settings: newer profile version stays")
        << false << none << none << QVariant(build) << QVariant(400) << build << 400;
}

void tst_Startup::installationSync() {
    QFETCH(bool, machineIni);
    QFETCH(QVariant, machineDir);
    QFETCH(QVariant, machineVer);
    QFETCH(QVariant, profileDir);
    QFETCH(QVariant, profileVer);
    QFETCH(QString, expectedDir);
    QFETCH(int, expectedVer);
    Sandbox box;
    // The archive exists already, so the installation folder need not hold a template.
    QVERIFY(box.placeArchive());
    if (machineIni) {
        box.writeMachine(QStringLiteral("Other/Key"), 1);
        if (machineDir.isValid())
            box.writeMachine(QStringLiteral("Settings/Directory"), machineDir);
        if (machineVer.isValid())
            box.writeMachine(QStringLiteral("Application/Versione"), machineVer);
    }
    if (profileDir.isValid())
        box.writeProfile(QStringLiteral("Settings/Directory"), profileDir);
    if (profileVer.isValid())
        box.writeProfile(QStringLiteral("Application/Versione"), profileVer);

    auto app = box.makeApp();
    QVERIFY(app->initInstance());
    QCOMPARE(box.stored(QStringLiteral("Settings/Directory")).toString(), expectedDir);
    QCOMPARE(box.stored(QStringLiteral("Application/Versione")).toInt(), expectedVer);
    app->exitInstance();
}

void tst_Startup::profileIsPrivate() {
    {
        Sandbox box;
        auto app = box.makeApp();
        QVERIFY(app->initInstance());
        QCOMPARE(unixMode(box.profileFile), 0600);
        app->exitInstance();
        QCOMPARE(unixMode(box.profileFile), 0600);
    }
    {
        // A profile left readable by others (an older version, a copy) is closed up.
        Sandbox box;
        box.writeProfile(QStringLiteral("Azienda/RagSoc"), QStringLiteral("Rossi Srl"));
        QFile::setPermissions(box.profileFile, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ReadGroup | QFileDevice::ReadOther);
        QCOMPARE(unixMode(box.profileFile), 0644);
        auto app = box.makeApp();
        QVERIFY(app->initInstance());
        QCOMPARE(unixMode(box.profileFile), 0600);
        app->exitInstance();
    }
}

void tst_Startup::releaseNotes_data() {
    QTest::addColumn<QVariant>("lastSeen");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("stored");
    QTest::newRow("update from 200") << QVariant(200) << true << 320;
    QTest::newRow("update from 101") << QVariant(101) << true << 320;
    QTest::newRow("first installation") << QVariant(100) << false << 320;
    QTest::newRow("absent") << QVariant() << false << 320;
    QTest::newRow("already seen") << QVariant(320) << false << 320;
    QTest::newRow("seen newer") << QVariant(400) << false << 400;
}

void tst_Startup::releaseNotes() {
    QFETCH(QVariant, lastSeen);
    QFETCH(bool, shown);
    QFETCH(int, stored);
    Sandbox box;
    if (lastSeen.isValid())
        box.writeProfile(QStringLiteral("Settings/LastVerRelNotes"), lastSeen);
    auto app = box.makeApp();

    QVERIFY(app->initInstance());
    const QStringList dialogs = std::exchange(m_dialogs, {});
    QCOMPARE(dialogs, shown ? QStringList{QStringLiteral("Aggiornamenti ")} : QStringList());
    if (shown) {
        QCOMPARE(m_dialogParent, app->mainFrame());
        QVERIFY2(m_notes.contains(QStringLiteral("Quarzil 3.2")), qPrintable(m_notes));
    }
    QCOMPARE(box.stored(QStringLiteral("Settings/LastVerRelNotes")).toInt(), stored);
    app->exitInstance();
}

void tst_Startup::chosenArchive_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason"); // why the chosen archive failed; empty when it opens
    QTest::newRow("opens") << QStringLiteral("postgres") << QString();
    QTest::newRow("server down") << QStringLiteral("server down") << QStringLiteral("*");
    QTest::newRow("catalog missing") << QStringLiteral("catalog missing") << QStringLiteral("*");
    QTest::newRow("file missing") << QStringLiteral("file missing")
                                  << QStringLiteral("File non trovato: %1");
    QTest::newRow("file read-only") << QStringLiteral("file read-only") << kReadOnly;
}

void tst_Startup::chosenArchive() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    Sandbox box;
    QVERIFY(box.placeArchive());
    const QString server =
        ConnectionString::Value(TestSupport::PostgresServer(), QStringLiteral("Data Source"));
    std::unique_ptr<TestSupport::PostgresCatalog> catalog;
    QString chosen;
    const QString file = box.dir.filePath(QStringLiteral("shared/Quarzil.db"));
    QString chosenName = file; // as the user is told about it
    if (kind == QLatin1String("postgres")) {
        catalog = std::make_unique<TestSupport::PostgresCatalog>();
        QVERIFY2(catalog->isValid(), qPrintable(catalog->error()));
        chosen = catalog->connectionString();
    } else if (kind == QLatin1String("server down")) {
        chosen =
            ConnectionString::ForPostgres(QStringLiteral("127.0.0.1:1"), QStringLiteral("ditta"),
                                          QStringLiteral("mario"), QStringLiteral("segreta"));
        chosenName = QStringLiteral("ditta sul server 127.0.0.1:1");
    } else if (kind == QLatin1String("catalog missing")) {
        QVERIFY2(!server.isEmpty(), "QUARZIL_TEST_PG is not set: run through tools/pgtest.sh");
        chosen = ConnectionString::ForPostgres(server, QStringLiteral("qz_never_made"),
                                               QStringLiteral("quarzil"), QString());
        chosenName = QStringLiteral("qz_never_made sul server ") + server;
    } else {
        chosen = ConnectionString::ForSqlite(file);
        if (kind == QLatin1String("file read-only")) {
            QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
            QVERIFY(QFile::copy(TestSupport::TemplateFile(), file));
            QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner));
        }
    }
    box.writeProfile(QStringLiteral("Settings/MyConnection"), chosen);
    box.writeProfile(QStringLiteral("Azienda/RagSoc"), QStringLiteral("Rossi Srl"));
    if (!reason.isEmpty())
        box.prompt->expect(QStringLiteral("Impossibile aprire l'archivio dei dati scelto:"));

    auto app = box.makeApp();
    {
        TestSupport::FileModesEnforced asAUser;
        QVERIFY(asAUser.isValid());
        QVERIFY(app->initInstance());
    }
    QVERIFY2(box.prompt->unexpected.isEmpty(), qPrintable(box.prompt->unexpected.join(u'\n')));
    // The title stays the program's; the status bar names the archive in use.
    QCOMPARE(app->mainFrame()->windowTitle(), QStringLiteral("Magazzino - Quarzil"));
    if (reason.isEmpty()) {
        QVERIFY2(box.prompt->shown.isEmpty(), qPrintable(texts(*box.prompt).join(u'\n')));
        QVERIFY(app->database().isPostgres());
        QCOMPARE(archivePane(*app),
                 QStringLiteral("Archivio: %1 sul server %2").arg(catalog->name(), server));
        app->exitInstance();
        return;
    }

    // Told once, naming both archives; the start goes on with the default file.
    QCOMPARE(box.prompt->shown.size(), 1);
    const auto& shown = box.prompt->shown.first();
    QCOMPARE(shown.icon, Icon::Warning);
    const QString head =
        QStringLiteral("Impossibile aprire l'archivio dei dati scelto:\n%1\n").arg(chosenName);
    const QString tail = QStringLiteral("\n\nÈ aperto invece l'archivio:\n%1\nI dati inseriti ora "
                                        "saranno salvati in questo archivio.")
                             .arg(box.archive());
    QVERIFY2(shown.text.startsWith(head) && shown.text.endsWith(tail), qPrintable(shown.text));
    const QString why = shown.text.mid(head.size(), shown.text.size() - head.size() - tail.size());
    if (reason == QLatin1String("*"))
        QVERIFY2(!why.trimmed().isEmpty() && !why.contains(QLatin1String("segreta")),
                 qPrintable(why));
    else
        QCOMPARE(why, reason.contains(QLatin1String("%1")) ? reason.arg(file) : reason);
    QVERIFY(!app->database().isPostgres());
    QCOMPARE(archivePane(*app), QStringLiteral("Archivio: %1").arg(box.archive()));
    // The choice stays for the next start; the file that opened is remembered as usual.
    QCOMPARE(box.stored(QStringLiteral("Settings/MyConnection")).toString(), chosen);
    QCOMPARE(box.stored(QStringLiteral("Settings/Connection")).toString(),
             ConnectionString::ForSqlite(box.archive()));
    if (kind == QLatin1String("file read-only"))
        QCOMPARE(companions(file), QStringList());
    app->exitInstance();
    QCOMPARE(box.prompt->shown.size(), 1);
}

void tst_Startup::profileCannotBeWritten_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("read-only settings folder") << QStringLiteral("folder");
    QTest::newRow("administrator's read-only file") << QStringLiteral("file");
    QTest::newRow("folder made read-only while running") << QStringLiteral("later");
}

void tst_Startup::profileCannotBeWritten() {
    QFETCH(QString, kind);
    Sandbox box;
    box.writeProfile(QStringLiteral("Azienda/RagSoc"), QStringLiteral("Rossi Srl"));
    const QString folder = QFileInfo(box.profileFile).absolutePath();
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
    });
    constexpr auto kReadOnlyFolder = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
    QVERIFY(
        QFile::setPermissions(box.profileFile, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    if (kind == QLatin1String("folder"))
        QVERIFY(QFile::setPermissions(folder, kReadOnlyFolder));
    if (kind == QLatin1String("file"))
        QVERIFY(QFile::setPermissions(box.profileFile, QFileDevice::ReadOwner |
                                                           QFileDevice::ReadGroup |
                                                           QFileDevice::ReadOther));
    const int mode = unixMode(box.profileFile);
    const QByteArray bytes = fileBytes(box.profileFile);

    TestSupport::FileModesEnforced asAUser;
    QVERIFY(asAUser.isValid());
    const QStringList expected{profileNotSaved(box.profileFile)};
    box.prompt->expect(expected.first());
    auto app = box.makeApp();
    QVERIFY(app->initInstance());
    if (kind == QLatin1String("later")) {
        QVERIFY(box.prompt->shown.isEmpty());
        QVERIFY(QFile::setPermissions(folder, kReadOnlyFolder));
        app->logStep(QStringLiteral("Prova"), QStringLiteral("1"));
        // Told from the event loop, not from inside whatever was writing.
        QVERIFY(box.prompt->shown.isEmpty());
        QTRY_COMPARE(texts(*box.prompt), expected);
    } else {
        QCOMPARE(texts(*box.prompt), expected);
        // Left as the administrator set it, and not a byte written.
        QCOMPARE(unixMode(box.profileFile), mode);
        QVERIFY(fileBytes(box.profileFile) == bytes);
    }
    QCOMPARE(box.prompt->shown.first().icon, Icon::Warning);
    QVERIFY(app->mainFrame()->isVisible());

    // Once per run: later writes and the exit say nothing more.
    app->logStep(QStringLiteral("Prova"), QStringLiteral("2"));
    QTest::qWait(50);
    app->exitInstance();
    app.reset();
    QCOMPARE(texts(*box.prompt), expected);
    QVERIFY(box.prompt->unexpected.isEmpty());
}

QTEST_MAIN(tst_Startup)
#include "tst_Startup.moc"
