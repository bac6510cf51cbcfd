// label: db
#include "OldArchive.h"
#include "ScriptedPrompt.h"
#include "TestSupport.h"
#include "common/IBrowser.h"
#include "common/IFileDialogs.h"
#include "shell/RibbonLayout.h"
#include "shell/ui/CMainApp.h"
#include "shell/ui/CMainFrame.h"
#include "store/ConnectionString.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/ui/CAggiornamentoDlg.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QSettings>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using Icon = IPrompt::Icon;
namespace RL = RibbonLayout;

namespace {

// Answers the save dialog with a scripted path and writes down how it was asked.
class ScriptedFileDialogs : public IFileDialogs {
public:
    QString answer;
    QStringList asked;
    QString openFile(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(const QString& title, const QString&, const QString& defaultName,
                     const QString& filter) override {
        asked << title << defaultName << filter;
        return answer;
    }
    QString chooseFolder(const QString&, const QString&) override { return {}; }
};

class NoBrowser : public IBrowser {
public:
    bool open(const QUrl&) override { return true; }
};

// Everything the window showed when it appeared, and the bar's positions after.
class WindowWatcher : public QObject {
public:
    QStringList shown;
    QList<int> positions;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (auto* window = qobject_cast<CAggiornamentoDlg*>(watched)) {
            if (event->type() == QEvent::Show) {
                shown << window->windowTitle() << window->text()->text();
                QObject::connect(window->bar(), &QProgressBar::valueChanged, this,
                                 [this](int v) { positions << v; });
            }
        }
        return false;
    }
};

QVariant scalar(Database& db, const QString& sql) {
    QSqlQuery q;
    if (!db.query(q, sql) || !q.next())
        return QStringLiteral("<%1: %2>").arg(sql, db.errorText());
    return q.value(0);
}

QStringList rowCounts(Database& db) {
    QStringList counts;
    for (const Schema::Table& t : Schema::Tables())
        counts << QStringLiteral("%1=%2").arg(
            QLatin1String(t.name),
            scalar(db, QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(t.name)))
                .toString());
    return counts;
}

// A user with a company, an archive chosen through MyConnection, and a clock of the test's.
struct Sandbox {
    QTemporaryDir dir;
    QString profileFile = dir.filePath(QStringLiteral("config/Norvisk/Quarzil.ini"));
    QString appData = dir.filePath(QStringLiteral("data"));
    std::shared_ptr<ScriptedPrompt> prompt = std::make_shared<ScriptedPrompt>();
    std::shared_ptr<ScriptedFileDialogs> files = std::make_shared<ScriptedFileDialogs>();
    std::shared_ptr<QDateTime> now = std::make_shared<QDateTime>(QDate(2026, 12, 9), QTime(18, 0));

    Sandbox() {
        QDir().mkpath(appData);
        write(QStringLiteral("Azienda/RagSoc"), QStringLiteral("Rossi Srl"));
        write(QStringLiteral("Settings/LastVerRelNotes"), 320);
    }
    void write(const QString& key, const QVariant& value) const {
        QDir().mkpath(QFileInfo(profileFile).absolutePath());
        QSettings s(profileFile, QSettings::IniFormat);
        s.setValue(key, value);
    }
    QVariant stored(const QString& key) const {
        const QString copy = dir.filePath(TestSupport::UniqueName(QStringLiteral("disk_")));
        QFile::copy(profileFile, copy);
        return QSettings(copy, QSettings::IniFormat).value(key);
    }
    QString dataFolder() const { return appData + QStringLiteral("/Norvisk/Quarzil"); }

    std::unique_ptr<CMainApp> start() const {
        MainAppEnvironment env;
        env.userProfileFile = profileFile;
        env.machineProfileFile = dir.filePath(QStringLiteral("machine.ini"));
        env.applicationDataFolder = appData;
        env.executableFolder = TestSupport::BuildDir();
        env.instanceName = TestSupport::UniqueName(QStringLiteral("qz_backup_"));
        env.prompt = prompt;
        env.fileDialogs = files;
        env.browser = std::make_shared<NoBrowser>();
        env.internetState = [] { return StartupChecks::InternetState::Connected; };
        env.display = [] { return std::make_pair(QSize(1280, 1024), 24); };
        env.clock = [clock = now] { return *clock; };
        auto app = std::make_unique<CMainApp>(std::move(env));
        app->runCompanyWizard = [] {};
        if (!app->initInstance())
            return nullptr;
        return app;
    }
};

} // namespace

class tst_BackupDati : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qunsetenv("QUARZIL_NONINTERACTIVE"); }
    void commandCopiesTheOpenArchive_data();
    void commandCopiesTheOpenArchive();
    void startupUpgradeShowsItsWindow();
    void exitBacksUpTheChosenArchive();
};

void tst_BackupDati::commandCopiesTheOpenArchive_data() {
    TestSupport::AddBackendRows();
}

void tst_BackupDati::commandCopiesTheOpenArchive() {
    QFETCH(QString, backend);
    Sandbox box;
    TestSupport::Archive archive(backend);
    QVERIFY2(archive.isOpen(), qPrintable(archive.error()));
    QVERIFY(archive.db().execute(
        QStringLiteral("INSERT INTO CliFor (RagSoc) VALUES ('Bar dell''Angolo'), ('Rossi')")));
    box.write(QStringLiteral("Settings/MyConnection"), archive.connectionString());
    auto app = box.start();
    QVERIFY2(app, qPrintable(box.prompt->unexpected.join(u'\n')));
    QAction* command = app->mainFrame()->command(RL::BackupDati);
    QVERIFY(command && command->isEnabled());

    // A name without extension gets the archives' own.
    box.files->answer = box.dir.filePath(QStringLiteral("Copia Quarzil"));
    box.prompt->expect(QStringLiteral("Archivio dati salvato con successo!"));
    command->trigger();
    QCOMPARE(box.files->asked,
             QStringList({"Salva Dati", "Quarzil", "Database Quarzil (*.db *.sqlite)"}));
    QVERIFY(box.prompt->pending().isEmpty());
    QCOMPARE(box.prompt->shown.last().icon, Icon::Information);
    const QString file = box.files->answer + QStringLiteral(".db");
    {
        Database copy(TestSupport::UniqueName(QStringLiteral("copy_")));
        QVERIFY2(copy.open(ConnectionString::ForSqlite(file)), qPrintable(copy.errorText()));
        QCOMPARE(scalar(copy, QStringLiteral("SELECT Versione FROM Informazioni")).toInt(), 20);
        QCOMPARE(rowCounts(copy), rowCounts(app->database()));
        QCOMPARE(scalar(copy, QStringLiteral("SELECT RagSoc FROM CliFor ORDER BY IDCliFor")),
                 QVariant(QStringLiteral("Bar dell'Angolo")));
    }

    // A place it cannot be written: the warning, and no file.
    box.files->answer = box.dir.filePath(QStringLiteral("manca/Quarzil.db"));
    box.prompt->expect(QStringLiteral("Impossibile salvare l'archivio dati!"));
    command->trigger();
    QVERIFY(box.prompt->pending().isEmpty());
    QCOMPARE(box.prompt->shown.last().icon, Icon::Warning);
    QVERIFY(!QFileInfo::exists(box.dir.filePath(QStringLiteral("manca"))));

    // Cancelled: nothing at all.
    const int messages = int(box.prompt->shown.size());
    box.files->answer.clear();
    command->trigger();
    QCOMPARE(int(box.prompt->shown.size()), messages);
    QVERIFY2(box.prompt->unexpected.isEmpty(), qPrintable(box.prompt->unexpected.join(u'\n')));
    app->exitInstance();
}

void tst_BackupDati::startupUpgradeShowsItsWindow() {
    Sandbox box;
    QDir().mkpath(box.dataFolder());
    QString error;
    const QString file = box.dataFolder() + QStringLiteral("/Quarzil.db");
    QVERIFY2(!OldArchive::Create(file, 17, &error).isEmpty(), qPrintable(error));
    {
        Database db(TestSupport::UniqueName(QStringLiteral("old_")));
        QVERIFY(db.openRaw(ConnectionString::ForSqlite(file)));
        QVERIFY(db.execute(QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 126) "
            "INSERT INTO Articoli (Matricola, Categoria) SELECT 'M' || i, 'Viti' FROM n")));
    }
    WindowWatcher watcher;
    qApp->installEventFilter(&watcher);
    auto app = box.start();
    qApp->removeEventFilter(&watcher);
    QVERIFY2(app, qPrintable(box.prompt->unexpected.join(u'\n')));
    QCOMPARE(watcher.shown, QStringList({"Aggiornamento Archivio",
                                         "Attendere prego, stiamo ottimizzando i dati..."}));
    // 126 items: a step every two; then the fixed positions to the end.
    QVERIFY(watcher.positions.contains(17));
    QCOMPARE(watcher.positions.mid(watcher.positions.indexOf(17), 3), QList<int>({17, 18, 19}));
    QCOMPARE(watcher.positions.last(), 100);
    QVERIFY(!QApplication::topLevelWidgets().isEmpty());
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<CAggiornamentoDlg*>(w) || !w->isVisible());
    QCOMPARE(scalar(app->database(), QStringLiteral("SELECT Versione FROM Informazioni")).toInt(),
             20);
    QVERIFY(QFile::exists(box.dataFolder() + QStringLiteral("/BackQuarzil17.db")));
    app->exitInstance();
}

void tst_BackupDati::exitBacksUpTheChosenArchive() {
    Sandbox box;
    // The archive the user chose, outside the data folder: it is the one backed up.
    QTemporaryDir elsewhere;
    const QString chosen = TestSupport::CopyTemplate(elsewhere, QStringLiteral("Negozio.db"));
    box.write(QStringLiteral("Settings/MyConnection"), ConnectionString::ForSqlite(chosen));
    box.write(QStringLiteral("Settings/BackJet"), QStringLiteral("2026-11-19 18:00:00"));
    auto app = box.start();
    QVERIFY(app);
    QVERIFY(
        app->database().execute(QStringLiteral("INSERT INTO Articoli (Matricola) VALUES ('A')")));
    app->exitInstance();
    QCOMPARE(box.stored(QStringLiteral("Settings/BackJet")).toString(),
             QStringLiteral("2026-12-09 18:00:00"));
    const QString weekday = box.dataFolder() + QStringLiteral("/backup4.db");
    // One copy: the archive in the data folder, never opened, has none of its own.
    QCOMPARE(QDir(box.dataFolder()).entryList({"backup*"}), QStringList({"backup4.db"}));
    Database copy(TestSupport::UniqueName(QStringLiteral("weekday_")));
    QVERIFY2(copy.open(ConnectionString::ForSqlite(weekday)), qPrintable(copy.errorText()));
    QCOMPARE(scalar(copy, QStringLiteral("SELECT Matricola FROM Articoli")).toString(),
             QStringLiteral("A"));
    app.reset();

    // Nineteen days on, the next exit leaves everything as it is.
    *box.now = box.now->addDays(19);
    QFile::remove(weekday);
    app = box.start();
    QVERIFY(app);
    app->exitInstance();
    QVERIFY(!QFile::exists(weekday));
    QCOMPARE(box.stored(QStringLiteral("Settings/BackJet")).toString(),
             QStringLiteral("2026-12-09 18:00:00"));
}

QTEST_MAIN(tst_BackupDati)
#include "tst_BackupDati.moc"
