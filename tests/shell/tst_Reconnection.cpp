// label: gui
#include "ModalTesting.h"
#include "RecordingBrowser.h"
#include "ScriptedPrompt.h"
#include "TestSupport.h"
#include "common/ChangeNotifier.h"
#include "common/IFileDialogs.h"
#include "items/ArtListModel.h"
#include "items/ui/CArticoliView.h"
#include "shell/RibbonLayout.h"
#include "shell/ui/CMainApp.h"
#include "shell/ui/CMainFrame.h"
#include "store/ArchiveCreator.h"
#include "store/ConnectionProbe.h"
#include "store/ConnectionString.h"
#include "store/ui/CConnDataDlg.h"
#include "store/ui/CConnStringDlg.h"
#include "store/ui/CatalogComboBox.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using Answer = IPrompt::Answer;
using Icon = IPrompt::Icon;
using Reconnection = CMainApp::Reconnection;
namespace RL = RibbonLayout;

namespace {
using S = Profile::Section;

const QString kOpenFailed = QStringLiteral("Impossibile aprire l'archivio dei dati!");
const QString kUpgradeFailed = QStringLiteral("Errore nell'aggiornare il database alla versione "
                                              "attuale del programma, impossibile continuare!");
const QString kNewer = QStringLiteral("L'archivio dati è di una versione più recente e per "
                                      "questo occorre aggiornare il programma, continuare?");

class AnswerFile : public IFileDialogs {
public:
    QString answer;
    QString openFile(const QString&, const QString&, const QString&) override { return answer; }
    QString saveFile(const QString&, const QString&, const QString&, const QString&) override {
        return QString();
    }
    QString chooseFolder(const QString&, const QString&) override { return QString(); }
};

// Runs one statement on an archive through a connection of the test's own.
bool RunSql(const QString& connection, const QString& sql) {
    Database db(TestSupport::UniqueName(QStringLiteral("reconnect_sql_")));
    return db.openRaw(connection) && db.execute(sql);
}

// A user with a company, an archive in the data folder holding one item, and a second archive.
struct Sandbox {
    QTemporaryDir dir;
    QString profileFile = dir.filePath(QStringLiteral("config/Norvisk/Quarzil.ini"));
    QString appData = dir.filePath(QStringLiteral("data"));
    QString archive = appData + QStringLiteral("/Norvisk/Quarzil/Quarzil.db");
    QString other = dir.filePath(QStringLiteral("Altro negozio.db"));
    std::shared_ptr<ScriptedPrompt> prompt = std::make_shared<ScriptedPrompt>();
    std::shared_ptr<RecordingBrowser> browser = std::make_shared<RecordingBrowser>();
    std::shared_ptr<AnswerFile> files = std::make_shared<AnswerFile>();
    int ended = 0;

    Sandbox() {
        QDir().mkpath(QFileInfo(archive).absolutePath());
        QFile::copy(TestSupport::TemplateFile(), archive);
        QFile::copy(TestSupport::TemplateFile(), other);
        for (const QString& f : {archive, other})
            QFile::setPermissions(f, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        RunSql(ConnectionString::ForSqlite(archive),
               QStringLiteral("INSERT INTO Articoli (Matricola, Descrizione) VALUES ('T1', "
                              "'Trapano')"));
        RunSql(ConnectionString::ForSqlite(other),
               QStringLiteral("INSERT INTO Articoli (Matricola, Descrizione) VALUES ('S1', "
                              "'Sega')"));
        RunSql(ConnectionString::ForSqlite(other),
               QStringLiteral("INSERT INTO Articoli (Matricola, Descrizione) VALUES ('S2', "
                              "'Scalpello')"));
        QSettings s(profileFile, QSettings::IniFormat);
        s.setValue(QStringLiteral("Azienda/RagSoc"), QStringLiteral("Rossi Srl"));
    }

    std::unique_ptr<CMainApp> start() {
        MainAppEnvironment env;
        env.userProfileFile = profileFile;
        env.machineProfileFile = dir.filePath(QStringLiteral("machine.ini"));
        env.applicationDataFolder = appData;
        env.executableFolder = TestSupport::BuildDir();
        env.instanceName = TestSupport::UniqueName(QStringLiteral("qz_reconnect_"));
        env.prompt = prompt;
        env.browser = browser;
        env.fileDialogs = files;
        env.internetState = [] { return StartupChecks::InternetState::Connected; };
        env.display = [] { return std::make_pair(QSize(1280, 1024), 24); };
        auto app = std::make_unique<CMainApp>(std::move(env));
        app->runCompanyWizard = [] {};
        app->endProcess = [this] { ++ended; };
        if (!app->initInstance())
            return nullptr;
        return app;
    }
};

QString ArchivePane(CMainApp& app) {
    auto* pane = app.mainFrame()->statusBar()->findChild<QLabel*>("StatusPane-Archive");
    return pane ? pane->text() : QStringLiteral("<no archive pane>");
}

// The items the items view shows, by description.
QStringList ShownItems(CMainApp& app) {
    auto* view = dynamic_cast<CArticoliView*>(app.mainFrame()->view(0));
    if (!view)
        return {QStringLiteral("<no items view>")};
    QStringList items;
    for (int r = 0; r < view->model()->rowCount(); ++r)
        items << view->model()->index(r, 1).data().toString();
    items.sort();
    return items;
}

QStringList Texts(const ScriptedPrompt& prompt) {
    QStringList texts;
    for (const auto& s : prompt.shown)
        texts << s.text;
    return texts;
}

void Click(QAbstractButton* button) {
    QVERIFY(button);
    QVERIFY(button->isEnabled());
    // A radio button takes the click on its circle and text, not on the empty width beside them.
    const QPoint at = qobject_cast<QRadioButton*>(button) ? QPoint(6, button->height() / 2)
                                                          : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, at);
}

// Typed key by key, as a user does; QTest's own table knows no ':' or '"'.
void Type(QWidget* field, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void ClickNamed(QWidget* parent, const char* name) {
    Click(parent->findChild<QPushButton*>(QLatin1String(name)));
}

} // namespace

class tst_Reconnection : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void savedArchiveIsOpenedAndShown();
    void cancelReopensFromMyConnection();
    void failedReopenEndsTheProgram();
    void upgradeResults();
    void advancedAndImport();
    void newCatalogEndToEnd();
};

void tst_Reconnection::init() {
    // Closing the program's connection while a query of a view still held it would leave that
    // view reading nothing.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("still in use")));
}

void tst_Reconnection::savedArchiveIsOpenedAndShown() {
    Sandbox box;
    auto app = box.start();
    QVERIFY(app);
    QAction* command = app->mainFrame()->command(RL::ConnData);
    QVERIFY(command && command->isEnabled());
    QTRY_COMPARE(ShownItems(*app), QStringList({"Trapano"}));
    QSignalSpy refreshed(&app->notifier(), &ChangeNotifier::refreshAllRequested);

    box.files->answer = box.other;
    QString startedFrom;
    TestSupport::WhenShown<CConnDataDlg>([&](CConnDataDlg* d) {
        startedFrom = d->pathLabel()->text();
        Click(d->openButton());
        ClickNamed(d, "Salva");
    });
    command->trigger();
    // The dialog starts from the archive in use.
    QCOMPARE(startedFrom, box.archive);
    QVERIFY2(box.prompt->shown.isEmpty(), qPrintable(Texts(*box.prompt).join('\n')));
    QCOMPARE(app->database().connectionString(), ConnectionString::ForSqlite(box.other));
    QVERIFY(app->database().isOpen());
    QCOMPARE(app->profile().string(S::Settings, "MyConnection"),
             ConnectionString::ForSqlite(box.other));
    QCOMPARE(app->profile().integer(S::Settings, "TypeConnection", -1), 0);
    QCOMPARE(refreshed.size(), 1);
    QCOMPARE(ArchivePane(*app), QStringLiteral("Archivio: ") + box.other);
    QTRY_COMPARE(ShownItems(*app), QStringList({"Scalpello", "Sega"}));
    // The archive is in use as a regular one: written through the program's own connection.
    QVERIFY(app->database().execute(
        QStringLiteral("INSERT INTO Categorie (Categoria) VALUES ('Utensili')")));
    QCOMPARE(box.ended, 0);
    app->exitInstance();
}

void tst_Reconnection::cancelReopensFromMyConnection() {
    Sandbox box;
    auto app = box.start();
    QVERIFY(app);
    QSignalSpy refreshed(&app->notifier(), &ChangeNotifier::refreshAllRequested);
    const QString before = app->database().connectionString();
    QVERIFY(app->profile().string(S::Settings, "MyConnection").isEmpty());

    // Nothing chosen yet: the archive in use is opened again.
    TestSupport::WhenShown<CConnDataDlg>([](CConnDataDlg* d) { ClickNamed(d, "Annulla"); });
    app->mainFrame()->command(RL::ConnData)->trigger();
    QCOMPARE(refreshed.size(), 1);
    QCOMPARE(app->database().connectionString(), before);
    QVERIFY(app->database().isOpen());
    QTRY_COMPARE(ShownItems(*app), QStringList({"Trapano"}));

    // A choice made elsewhere (an import) is what Annulla opens.
    app->profile().setValue(S::Settings, "MyConnection", ConnectionString::ForSqlite(box.other));
    TestSupport::WhenShown<CConnDataDlg>(
        [](CConnDataDlg* d) { QTest::keyClick(d, Qt::Key_Escape); });
    app->mainFrame()->command(RL::ConnData)->trigger();
    QCOMPARE(refreshed.size(), 2);
    QCOMPARE(app->database().connectionString(), ConnectionString::ForSqlite(box.other));
    QTRY_COMPARE(ShownItems(*app), QStringList({"Scalpello", "Sega"}));
    QVERIFY2(box.prompt->shown.isEmpty(), qPrintable(Texts(*box.prompt).join('\n')));
    app->exitInstance();
}

void tst_Reconnection::failedReopenEndsTheProgram() {
    const QString password = QStringLiteral("pw;\"s3cret\"");
    const QStringList targets{
        ConnectionString::ForSqlite(QStringLiteral("/nonexistent/Quarzil.db")),
        ConnectionString::ForPostgres(QStringLiteral("127.0.0.1:1"), QStringLiteral("negozio"),
                                      QStringLiteral("quarzil"), password)};
    for (const QString& target : targets) {
        Sandbox box;
        auto app = box.start();
        QVERIFY(app);
        const QString connection = app->profile().string(S::Settings, "Connection");
        QCOMPARE(connection, ConnectionString::ForSqlite(box.archive));
        app->profile().setValue(S::Settings, "MyConnection", target);
        box.prompt->expect(kOpenFailed);
        QCOMPARE(app->reconnect(), Reconnection::Ended);
        QCOMPARE(box.ended, 1);
        QCOMPARE(box.prompt->shown.size(), 1);
        const auto& shown = box.prompt->shown.first();
        QCOMPARE(shown.icon, Icon::Error);
        QVERIFY2(shown.text.startsWith(kOpenFailed + QStringLiteral("\n\n") +
                                       ConnectionString::Describe(target) + QStringLiteral(": ")),
                 qPrintable(shown.text));
        QVERIFY(!shown.text.contains(QStringLiteral("s3cret")));
        // The next start opens the archive that worked; the end counts as a regular one.
        app->profile().sync();
        QSettings disk(box.profileFile, QSettings::IniFormat);
        QCOMPARE(disk.value("Settings/MyConnection").toString(), connection);
        QCOMPARE(disk.value("Application/CloseUnregular").toInt(), 0);
        disk.beginGroup(QStringLiteral("Log"));
        QVERIFY(disk.allKeys().isEmpty());
        disk.endGroup();
        QCOMPARE(app->exitInstance(), 0);
    }
}

void tst_Reconnection::upgradeResults() {
    Sandbox box;
    auto app = box.start();
    QVERIFY(app);
    QSignalSpy refreshed(&app->notifier(), &ChangeNotifier::refreshAllRequested);
    const QString other = ConnectionString::ForSqlite(box.other);

    // Newer than the program: asked; Yes opens the download page, both answers go on with it.
    QVERIFY(RunSql(other, QStringLiteral("UPDATE Informazioni SET Versione = 99")));
    app->profile().setValue(S::Settings, "MyConnection", other);
    box.prompt->expect(kNewer, Answer::No);
    QCOMPARE(app->reconnect(), Reconnection::Reopened);
    QVERIFY(box.browser->opened.isEmpty());
    box.prompt->expect(kNewer, Answer::Yes);
    QCOMPARE(app->reconnect(), Reconnection::Reopened);
    QCOMPARE(box.browser->opened.size(), 1);
    QCOMPARE(box.browser->opened.first().path(), QStringLiteral("/download/Quarzil/"));
    QVERIFY(app->database().isOpen());
    QCOMPARE(refreshed.size(), 2);
    QTRY_COMPARE(ShownItems(*app), QStringList({"Scalpello", "Sega"}));

    // No version at all: the upgrade fails, the program goes on with no archive open.
    QVERIFY(RunSql(other, QStringLiteral("DELETE FROM Informazioni")));
    box.prompt->expect(kUpgradeFailed);
    QCOMPARE(app->reconnect(), Reconnection::Closed);
    QCOMPARE(box.prompt->shown.last().icon, Icon::Error);
    QVERIFY(!app->database().isOpen());
    QCOMPARE(refreshed.size(), 3);
    QTRY_COMPARE(ShownItems(*app), QStringList());
    QCOMPARE(box.ended, 0);
    QVERIFY2(box.prompt->unexpected.isEmpty(), qPrintable(box.prompt->unexpected.join('\n')));

    // The command mends it: back to the archive in the data folder.
    box.files->answer = box.archive;
    TestSupport::WhenShown<CConnDataDlg>([](CConnDataDlg* d) {
        Click(d->sqliteRadio());
        Click(d->openButton());
        ClickNamed(d, "Salva");
    });
    app->mainFrame()->command(RL::ConnData)->trigger();
    QVERIFY(app->database().isOpen());
    QTRY_COMPARE(ShownItems(*app), QStringList({"Trapano"}));
    app->exitInstance();
}

void tst_Reconnection::advancedAndImport() {
    Sandbox box;
    auto app = box.start();
    QVERIFY(app);
    QSignalSpy refreshed(&app->notifier(), &ChangeNotifier::refreshAllRequested);
    const QString before = app->database().connectionString();
    QAction* command = app->mainFrame()->command(RL::ConnData);

    // The raw string, cancelled: nothing is reopened.
    TestSupport::WhenShown<CConnDataDlg>([](CConnDataDlg* d) {
        TestSupport::WhenShown<CConnStringDlg>(
            [](CConnStringDlg* raw) { ClickNamed(raw, "Annulla"); });
        ClickNamed(d, "Avanzate");
    });
    command->trigger();
    QCOMPARE(refreshed.size(), 0);
    QCOMPARE(app->database().connectionString(), before);

    // Saved: tested, stored and opened.
    QString startedWith;
    TestSupport::WhenShown<CConnDataDlg>([&](CConnDataDlg* d) {
        TestSupport::WhenShown<CConnStringDlg>([&](CConnStringDlg* raw) {
            startedWith = raw->stringEdit()->text();
            raw->stringEdit()->setText(ConnectionString::ForSqlite(box.other));
            ClickNamed(raw, "Salva");
        });
        ClickNamed(d, "Avanzate");
    });
    command->trigger();
    QCOMPARE(startedWith, before);
    QCOMPARE(refreshed.size(), 1);
    QCOMPARE(app->database().connectionString(), ConnectionString::ForSqlite(box.other));
    QTRY_COMPARE(ShownItems(*app), QStringList({"Scalpello", "Sega"}));

    // The Access import is the frame's to run; the connection is not touched on the way.
    TestSupport::WhenShown<CConnDataDlg>([](CConnDataDlg* d) { ClickNamed(d, "ImportaAccess"); });
    command->trigger();
    QCOMPARE(refreshed.size(), 1);
    QCOMPARE(app->database().connectionString(), ConnectionString::ForSqlite(box.other));
    QVERIFY2(box.prompt->shown.isEmpty(), qPrintable(Texts(*box.prompt).join('\n')));
    app->exitInstance();
}

void tst_Reconnection::newCatalogEndToEnd() {
    const QString server = TestSupport::PostgresServer();
    QVERIFY2(!server.isEmpty(),
             "QUARZIL_TEST_PG is not set: run the tests through tools/pgtest.sh");
    const QString host = ConnectionString::Value(server, QStringLiteral("Data Source"));
    const QString user = ConnectionString::Value(server, QStringLiteral("User ID"));
    const QString name = TestSupport::UniqueName(QStringLiteral("qz_end2end_"));
    // The test server trusts loopback, so any password opens; what matters is where it shows.
    const QString password = QStringLiteral("s3;\"cr'et");
    struct Drop {
        QString server, name;
        ~Drop() {
            QString ignored;
            ArchiveCreator::DropPostgresCatalog(server, name, &ignored);
        }
    } drop{server, name};

    Sandbox box;
    auto app = box.start();
    QVERIFY(app);
    QTRY_COMPARE(ShownItems(*app), QStringList({"Trapano"}));
    box.prompt->expect(QStringLiteral("Database %1 su %2 creato con successo!").arg(name, host));
    TestSupport::WhenShown<CConnDataDlg>([&](CConnDataDlg* d) {
        Click(d->postgresRadio());
        Type(d->serverEdit(), host);
        Type(d->userEdit(), user);
        Type(d->passwordEdit(), password);
        Type(d->catalogCombo()->lineEdit(), name);
        Click(d->newCatalogButton());
        ClickNamed(d, "Salva");
    });
    app->mainFrame()->command(RL::ConnData)->trigger();
    QVERIFY2(box.prompt->pending().isEmpty(), qPrintable(Texts(*box.prompt).join('\n')));
    QVERIFY2(box.prompt->unexpected.isEmpty(), qPrintable(box.prompt->unexpected.join('\n')));

    QVERIFY(app->database().isOpen());
    QVERIFY(app->database().isPostgres());
    QCOMPARE(ConnectionString::Value(app->database().connectionString(), "Password"), password);
    QCOMPARE(app->profile().integer(S::Settings, "TypeConnection", -1), 1);
    QCOMPARE(ArchivePane(*app), QStringLiteral("Archivio: %1 sul server %2").arg(name, host));
    // The new catalog is empty, and the views say so.
    QTRY_COMPARE(ShownItems(*app), QStringList());
    QVERIFY(app->database().execute(
        QStringLiteral("INSERT INTO Articoli (Matricola, Descrizione) VALUES (?, ?)"),
        {QStringLiteral("P1"), QStringLiteral("Pialla")}));
    Q_EMIT app->notifier().refreshAllRequested();
    QTRY_COMPARE(ShownItems(*app), QStringList({"Pialla"}));

    // The password shows nowhere: not in a message, the status bar or the crash log.
    for (const QString& text : Texts(*box.prompt))
        QVERIFY(!text.contains(password));
    for (auto* label : app->mainFrame()->statusBar()->findChildren<QLabel*>())
        QVERIFY2(!label->text().contains(QStringLiteral("cr'et")), qPrintable(label->text()));
    for (const QString& step : app->profile().logEntries())
        QVERIFY(!step.contains(QStringLiteral("cr'et")));
    app->exitInstance();
}

QTEST_MAIN(tst_Reconnection)
#include "tst_Reconnection.moc"
