// label: gui
#include "MakerSiteServer.h"
#include "ModalTesting.h"
#include "ScriptedPrompt.h"
#include "TestSupport.h"
#include "common/Profile.h"
#include "shell/FrameTimers.h"
#include "shell/RibbonLayout.h"
#include "shell/ui/CCommentiDialog.h"
#include "shell/ui/CDownloadDialog.h"
#include "shell/ui/CInfoDlg.h"
#include "shell/ui/CMainApp.h"
#include "shell/ui/CMainFrame.h"
#include "shell/ui/OnlineServices.h"
#include "store/ConnectionString.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>
#include <memory>

using InternetState = StartupChecks::InternetState;
namespace RL = RibbonLayout;

namespace {

class RecordingBrowser : public IBrowser {
public:
    bool open(const QUrl& url) override {
        opened << url;
        return answer;
    }
    QList<QUrl> opened;
    bool answer = true;
};

// A started program whose maker's site is the test's own server.
struct Sandbox {
    QTemporaryDir dir;
    QString profileFile = dir.filePath(QStringLiteral("config/Norvisk/Quarzil.ini"));
    QString appData = dir.filePath(QStringLiteral("data"));
    QString temp = dir.filePath(QStringLiteral("tmp"));
    std::shared_ptr<ScriptedPrompt> prompt = std::make_shared<ScriptedPrompt>();
    std::shared_ptr<RecordingBrowser> browser = std::make_shared<RecordingBrowser>();
    std::shared_ptr<InternetState> internet =
        std::make_shared<InternetState>(InternetState::Connected);
    std::unique_ptr<CMainApp> app;
    int ended = 0;

    explicit Sandbox(const QString& site, bool automatic = false, bool online = true) {
        if (!online) {
            *internet = InternetState::Disconnected;
            prompt->expect(QStringLiteral("Consiglio di connettere il computer ad internet"));
        }
        QDir().mkpath(appData);
        QDir().mkpath(temp);
        QDir().mkpath(QFileInfo(profileFile).absolutePath());
        {
            QSettings s(profileFile, QSettings::IniFormat);
            s.setValue(QStringLiteral("Azienda/RagSoc"), QStringLiteral("Rossi Srl"));
            s.setValue(QStringLiteral("Web/Sito"), site);
            s.setValue(QStringLiteral("Web/Attesa"), 3000);
        }
        MainAppEnvironment env;
        env.userProfileFile = profileFile;
        env.machineProfileFile = dir.filePath(QStringLiteral("machine.ini"));
        env.applicationDataFolder = appData;
        env.executableFolder = TestSupport::BuildDir();
        env.instanceName = TestSupport::UniqueName(QStringLiteral("qz_web_"));
        env.prompt = prompt;
        env.browser = browser;
        env.internetState = [state = internet] { return *state; };
        env.display = [] { return std::make_pair(QSize(1280, 1024), 24); };
        env.onlineServices = automatic;
        app = std::make_unique<CMainApp>(std::move(env));
        app->runCompanyWizard = [] {};
        if (!app->initInstance()) {
            app.reset();
            return;
        }
        services().temporaryFolder = temp;
        services().playSound = [this] { ++sounds; };
        services().endAfterUpdate = [this] { ++ended; };
    }
    ~Sandbox() {
        if (app)
            app->exitInstance();
    }
    OnlineServices& services() { return app->onlineServices(); }
    Profile& profile() { return app->profile(); }
    int sounds = 0;
};

template <class W> W* TopLevel() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<W*>(w); found && found->isVisible())
            return found;
    return nullptr;
}

// Keeps a picture of a window when QUARZIL_SHOTS names a folder (runs under Xvfb).
void Shot(QWidget* w, const QString& name) {
    const QString folder = qEnvironmentVariable("QUARZIL_SHOTS");
    if (!folder.isEmpty() && w)
        w->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

QByteArray Package(int size) {
    QByteArray data;
    data.reserve(size);
    for (int i = 0; i < size; ++i)
        data.append(char('a' + i % 26));
    return data;
}

} // namespace

class tst_WebServices : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void manualCheckWithoutUpdate();
    void updateDownloadedAndOpened();
    void automaticCheckDeclinedAsksAgain();
    void downloadCancelRemovesFile();
    void downloadFailures();
    void newsWithoutLink();
    void newsWithLink();
    void newsSeenOrSilent();
    void usagePing();
    void reportSentWithText();
    void reportKeptWithoutText();
    void cliVerbs();

private:
    std::unique_ptr<MakerSiteServer> m_server;
};

void tst_WebServices::initTestCase() {
    m_server = std::make_unique<MakerSiteServer>();
    QVERIFY2(m_server->isRunning(), "the local web server did not start");
}

void tst_WebServices::manualCheckWithoutUpdate() {
    m_server->put(QStringLiteral("script/VerQuarzil.txt"), "3.2.0\r\n");
    Sandbox box(m_server->site());
    QVERIFY(box.app);
    QSignalSpy done(&box.services(), &OnlineServices::updateCheckDone);
    box.prompt->expect(QStringLiteral("Si sta utilizzando l'ultima versione"));
    box.app->mainFrame()->command(RL::Aggiornamenti)->trigger();
    QVERIFY(done.wait(5000));
    QCOMPARE(box.prompt->shown.last().icon, IPrompt::Icon::Information);
    const auto asked = m_server->requests().last();
    QCOMPARE(asked.value("path").toString(), QStringLiteral("/script/VerQuarzil.txt"));
    QCOMPARE(asked.value("agent").toString(), QStringLiteral("NorviskUpdate"));

    // A site that cannot be reached says the same, after the time-out at the latest.
    box.profile().setValue(Profile::Section::Web, QStringLiteral("Versione"),
                           m_server->site() + QStringLiteral("/hang/VerQuarzil.txt"));
    box.profile().setValue(Profile::Section::Web, QStringLiteral("Attesa"), 500);
    box.prompt->expect(QStringLiteral("Si sta utilizzando l'ultima versione"));
    box.app->mainFrame()->command(RL::Aggiornamenti)->trigger();
    QVERIFY(done.wait(5000));

    // Offline: the information, and no request.
    QVERIFY(box.prompt->unexpected.isEmpty());
    box.app->exitInstance();
    box.app.reset();
    const int before = m_server->requests().size();
    Sandbox offline(m_server->site(), false, false);
    QVERIFY(offline.app);
    offline.prompt->expect(QStringLiteral("Occorre essere connessi ad internet per verificare"));
    offline.app->mainFrame()->command(RL::Aggiornamenti)->trigger();
    // While busy the command does nothing at all.
    *offline.internet = InternetState::Connected;
    offline.app->setBusy(true);
    offline.app->mainFrame()->command(RL::Aggiornamenti)->trigger();
    QTest::qWait(200);
    QCOMPARE(m_server->requests().size(), before);
    QVERIFY(offline.prompt->unexpected.isEmpty());
    QVERIFY(offline.prompt->pending().isEmpty());
}

void tst_WebServices::updateDownloadedAndOpened() {
    m_server->put(QStringLiteral("script/VerQuarzil.txt"), "3.2.1\n");
    const QByteArray package = Package(300 * 1024 + 17);
    m_server->put(QStringLiteral("download/Quarzil/quarzil.deb"), package);
    Sandbox box(m_server->site());
    QVERIFY(box.app);
    QSignalSpy done(&box.services(), &OnlineServices::updateCheckDone);
    box.prompt->expect(QStringLiteral("Disponibile l'aggiornamento alla versione 3.2.1 del "
                                      "programma. Si desidera installarlo?"),
                       IPrompt::Answer::Yes);
    box.app->mainFrame()->command(RL::Aggiornamenti)->trigger();
    QVERIFY(done.wait(10000));
    QVERIFY2(box.prompt->unexpected.isEmpty(), qPrintable(box.prompt->unexpected.join('\n')));
    QVERIFY(box.prompt->pending().isEmpty());
    QCOMPARE(box.browser->opened.size(), 1);
    const QString local = box.browser->opened.first().toLocalFile();
    QCOMPARE(local, QDir(box.temp).filePath(QStringLiteral("quarzil.deb")));
    QFile f(local);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), package);
    QCOMPARE(box.ended, 1);
    QVERIFY(
        !box.profile().string(Profile::Section::Settings, QStringLiteral("DtUpdShow")).isEmpty());
    QCOMPARE(m_server->requests().last().value("agent").toString(), QStringLiteral("BreloSetup"));
    QVERIFY(!box.app->isBusy());

    // Without a desktop handler the user learns where the package is, and the program goes on.
    box.browser->answer = false;
    box.prompt->expect(QStringLiteral("L'aggiornamento è stato scaricato nel file ") + local);
    QVERIFY(!box.services().downloadAndStart());
    QVERIFY(QFileInfo::exists(local));
    QVERIFY(box.prompt->pending().isEmpty());
}

void tst_WebServices::automaticCheckDeclinedAsksAgain() {
    m_server->put(QStringLiteral("script/VerQuarzil.txt"), "3.10.0");
    Sandbox box(m_server->site(), true);
    QVERIFY(box.app);
    QSignalSpy done(&box.services(), &OnlineServices::updateCheckDone);
    for (int round = 0; round < 2; ++round) {
        box.prompt->expect(QStringLiteral("Disponibile l'aggiornamento alla versione 3.10.0"),
                           IPrompt::Answer::No);
        box.app->mainFrame()->timers().runUpdateCheck();
        QVERIFY(done.wait(5000));
    }
    QVERIFY(box.prompt->pending().isEmpty());
    QVERIFY(box.browser->opened.isEmpty());
    QCOMPARE(box.ended, 0);

    // No update: the timer says nothing.
    m_server->put(QStringLiteral("script/VerQuarzil.txt"), "3.2.0");
    box.app->mainFrame()->timers().runUpdateCheck();
    QVERIFY(done.wait(5000));
    QVERIFY(box.prompt->unexpected.isEmpty());
}

void tst_WebServices::downloadCancelRemovesFile() {
    m_server->put(QStringLiteral("pkg/slow.deb"), Package(400 * 1024));
    Sandbox box(m_server->site());
    QVERIFY(box.app);
    box.profile().setValue(Profile::Section::Web, QStringLiteral("Pacchetto"),
                           m_server->site() + QStringLiteral("/slow/pkg/slow.deb"));
    const QString local = QDir(box.temp).filePath(QStringLiteral("slow.deb"));
    // An old file of that name goes first.
    QFile old(local);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();

    bool sawPartialFile = false;
    int barValue = 0;
    QTimer::singleShot(0, [&] {
        CDownloadDialog* window = nullptr;
        for (int i = 0; i < 500 && (!window || window->progressBar()->value() < 20); ++i) {
            QTest::qWait(10);
            window = TopLevel<CDownloadDialog>();
        }
        QVERIFY(window);
        Shot(window, QStringLiteral("download"));
        barValue = window->progressBar()->value();
        sawPartialFile = QFileInfo(local).size() > 0 && QFileInfo(local).size() < 400 * 1024;
        // No: it goes on.
        box.prompt->expect(QStringLiteral("Scaricamento del file in corso, interrompere?"),
                           IPrompt::Answer::No);
        QTest::mouseClick(window->stopButton(), Qt::LeftButton);
        QVERIFY(window->isVisible());
        box.prompt->expect(QStringLiteral("Scaricamento del file in corso, interrompere?"),
                           IPrompt::Answer::Yes);
        QTest::mouseClick(window->stopButton(), Qt::LeftButton);
    });
    QVERIFY(!box.services().downloadAndStart());
    QVERIFY(sawPartialFile);
    QVERIFY(barValue >= 20);
    QVERIFY(!QFileInfo::exists(local));
    QVERIFY(box.browser->opened.isEmpty());
    QVERIFY(box.prompt->pending().isEmpty());
    QVERIFY2(box.prompt->unexpected.isEmpty(), qPrintable(box.prompt->unexpected.join('\n')));
    QVERIFY(!TopLevel<CDownloadDialog>());
}

void tst_WebServices::downloadFailures() {
    Sandbox box(m_server->site());
    QVERIFY(box.app);
    // Missing on the server.
    box.profile().setValue(Profile::Section::Web, QStringLiteral("Pacchetto"),
                           m_server->site() + QStringLiteral("/nothing/here.deb"));
    box.prompt->expect(QStringLiteral("Impossibile scaricare l'aggiornamento del programma:"));
    QVERIFY(!box.services().downloadAndStart());
    QVERIFY(!QFileInfo::exists(QDir(box.temp).filePath(QStringLiteral("here.deb"))));
    // A server that stops answering.
    box.profile().setValue(Profile::Section::Web, QStringLiteral("Attesa"), 400);
    box.profile().setValue(Profile::Section::Web, QStringLiteral("Pacchetto"),
                           m_server->site() + QStringLiteral("/hang/stuck.deb"));
    box.prompt->expect(QStringLiteral("Impossibile scaricare l'aggiornamento del programma:"));
    QVERIFY(!box.services().downloadAndStart());
    QVERIFY(!QFileInfo::exists(QDir(box.temp).filePath(QStringLiteral("stuck.deb"))));
    QVERIFY(box.prompt->pending().isEmpty());
    QVERIFY(box.browser->opened.isEmpty());
    QVERIFY(!box.app->isBusy());
}

void tst_WebServices::newsWithoutLink() {
    m_server->put(QStringLiteral("script/infosoft.php"),
                  "<html><head><title>Novità</title></head>\n"
                  "<body><p>12:nolink:La versione 3.3 arriva a maggio.</p></body></html>");
    Sandbox box(m_server->site());
    QVERIFY(box.app);
    box.profile().setValue(Profile::Section::Application, QStringLiteral("NewsInfo"), 11);
    QSignalSpy done(&box.services(), &OnlineServices::newsDone);
    box.services().fetchNews();
    QVERIFY(done.wait(5000));
    QCOMPARE(done.last().first().toBool(), true);
    QCOMPARE(m_server->requests().last().value("path").toString(),
             QStringLiteral("/script/infosoft.php?idprod=1"));
    QCOMPARE(m_server->requests().last().value("agent").toString(), QStringLiteral("NorviskInfo"));
    CInfoDlg* info = box.services().infoWindow();
    QVERIFY(info && info->isVisible());
    QVERIFY(info->isSliding());
    QCOMPARE(box.sounds, 1);
    if (!qEnvironmentVariableIsEmpty("QUARZIL_SHOTS")) {
        QTest::qWait(150);
        Shot(info, QStringLiteral("news-sliding"));
    }
    QCOMPARE(info->news().title, QStringLiteral("Novità"));
    QCOMPARE(info->news().text, QStringLiteral("La versione 3.3 arriva a maggio."));
    // It rises into the frame's lower right corner.
    QTRY_VERIFY_WITH_TIMEOUT(!info->isSliding(), 2000);
    QCOMPARE(info->geometry(), box.app->mainFrame()->infoWindowRect());
    Shot(info, QStringLiteral("news"));
    QTest::mouseClick(info, Qt::LeftButton, {}, info->rect().center());
    QVERIFY(!info->isVisible());
    QCOMPARE(box.profile().integer(Profile::Section::Application, QStringLiteral("NewsInfo")), 11);
    QVERIFY(box.browser->opened.isEmpty());
}

void tst_WebServices::newsWithLink() {
    m_server->put(QStringLiteral("script/infosoft.php"),
                  "<html><head><title>Offerta</title></head>\n"
                  "<body><p>20:www.quarzil.it/offerte/20:Il manuale stampato.</p></body></html>");
    Sandbox box(m_server->site());
    QVERIFY(box.app);
    QSignalSpy done(&box.services(), &OnlineServices::newsDone);
    box.services().fetchNews();
    QVERIFY(done.wait(5000));
    CInfoDlg* info = box.services().infoWindow();
    QVERIFY(info && info->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!info->isSliding(), 2000);
    // The close box only hides it: the news stays unread and comes back at the next fetch.
    QTest::mouseClick(info, Qt::LeftButton, {}, info->closeBox().center());
    QVERIFY(!info->isVisible());
    QCOMPARE(box.profile().integer(Profile::Section::Application, QStringLiteral("NewsInfo")), 0);
    box.services().fetchNews();
    QVERIFY(done.wait(5000));
    QVERIFY(info->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!info->isSliding(), 2000);
    QTest::mouseClick(info, Qt::LeftButton, {}, QPoint(30, info->height() - 20));
    QVERIFY(!info->isVisible());
    QCOMPARE(box.profile().integer(Profile::Section::Application, QStringLiteral("NewsInfo")), 20);
    QCOMPARE(box.browser->opened,
             QList<QUrl>{QUrl(QStringLiteral("https://www.quarzil.it/offerte/20"))});
    // Read: the same news is not shown again.
    box.services().fetchNews();
    QVERIFY(done.wait(5000));
    QCOMPARE(done.last().first().toBool(), false);
    QVERIFY(!info->isVisible());
}

void tst_WebServices::newsSeenOrSilent() {
    Sandbox box(m_server->site());
    QVERIFY(box.app);
    QSignalSpy done(&box.services(), &OnlineServices::newsDone);
    for (const QByteArray& page :
         {QByteArray("<body><p>HTTP:2256</p></body>"), QByteArray("<body><p>4:nolink:x</p></body>"),
          QByteArray("<html>errore del server</html>")}) {
        m_server->put(QStringLiteral("script/infosoft.php"), page);
        box.profile().setValue(Profile::Section::Application, QStringLiteral("NewsInfo"), 4);
        box.services().fetchNews();
        QVERIFY(done.wait(5000));
        QCOMPARE(done.last().first().toBool(), false);
    }
    QVERIFY(!box.services().infoWindow());
    QCOMPARE(box.sounds, 0);
    // No fetch while the frame is minimised.
    const int before = m_server->requests().size();
    box.app->mainFrame()->showMinimized();
    box.services().fetchNews();
    QTest::qWait(200);
    QCOMPARE(m_server->requests().size(), before);
}

void tst_WebServices::usagePing() {
    Sandbox box(m_server->site(), true);
    QVERIFY(box.app);
    QSignalSpy done(&box.services(), &OnlineServices::pingDone);
    box.app->mainFrame()->timers().runUsageCount();
    QVERIFY(done.wait(5000));
    const QJsonObject r = m_server->requests().last();
    QCOMPARE(r.value("agent").toString(), QStringLiteral("NorviskStatistica"));
    const QUrl url(r.value("path").toString());
    QCOMPARE(url.path(), QStringLiteral("/script/users.php"));
    const QUrlQuery q(url);
    QCOMPARE(q.queryItemValue("n1"), QStringLiteral("0"));
    QCOMPARE(q.queryItemValue("n2"), QStringLiteral("0"));
    QCOMPARE(q.queryItemValue("codappid"), QStringLiteral("5"));
    QVERIFY(q.queryItemValue("codapphd").startsWith(QLatin1String("320-")));
    QCOMPARE(q.queryItemValue("so", QUrl::FullyDecoded), box.services().facts().osName);

    // The application menu's check box turns it off, and the profile remembers.
    QAction* check = box.app->mainFrame()->command(RL::Statistiche);
    QVERIFY(check->isCheckable() && check->isChecked());
    check->trigger();
    QCOMPARE(box.profile().integer(Profile::Section::Web, QStringLiteral("Statistiche"), 1), 0);
    const int before = m_server->requests().size();
    box.app->mainFrame()->timers().runUsageCount();
    QVERIFY(!done.wait(500));
    QCOMPARE(m_server->requests().size(), before);
    // The counts are still kept.
    QCOMPARE(box.profile().integer(Profile::Section::Settings, QStringLiteral("NumArt"), -1), 0);
}

void tst_WebServices::reportSentWithText() {
    Sandbox box(m_server->site());
    QVERIFY(box.app);
    box.profile().setValue(
        Profile::Section::Settings, QStringLiteral("MyConnection"),
        ConnectionString::ForPostgres(QStringLiteral("db.local"), QStringLiteral("magazzino"),
                                      QStringLiteral("anna"), QStringLiteral("Segreta;42")));
    box.profile().logStep(QStringLiteral("ArticoliView:FillData"), QStringLiteral("Lettura righe"));
    QSignalSpy done(&box.services(), &OnlineServices::reportDone);
    TestSupport::WhenShown<CCommentiDialog>([](CCommentiDialog* d) {
        Shot(d, QStringLiteral("comments"));
        QCOMPARE(d->errorField()->placeholderText(),
                 QStringLiteral("Descrivere l'ultima operazione effettuatata prima della "
                                "chiusura inaspettata del software"));
        QCOMPARE(d->commentField()->placeholderText(),
                 QStringLiteral("Descrivere cosa, secondo voi, andrebbbe migliorato o "
                                "implementato nel software"));
        QTest::keyClicks(d->errorField(), QStringLiteral("Salvavo un carico"));
        QTest::keyClicks(d->commentField(), QString(250, u'x'));
        QCOMPARE(d->commentField()->text().size(), 200);
        QTest::mouseClick(d->okButton(), Qt::LeftButton);
    });
    box.prompt->expect(QStringLiteral("Grazie per averci inviato informazioni utili"));
    box.app->mainFrame()->command(RL::Commenti)->trigger();
    QVERIFY(done.wait(5000));
    QCOMPARE(done.last().first().toBool(), true);
    QVERIFY(box.prompt->pending().isEmpty());
    const QJsonObject r = m_server->requests().last();
    QCOMPARE(r.value("method").toString(), QStringLiteral("PUT"));
    QCOMPARE(r.value("agent").toString(), QStringLiteral("BreloReport"));
    const QString id = QString::number(*box.services().facts().anonymousId);
    QCOMPARE(r.value("path").toString(), QStringLiteral("/report/%1.txt").arg(id));
    const QString text = QString::fromUtf8(m_server->uploaded(id + QStringLiteral(".txt")));
    QVERIFY(text.startsWith(QLatin1String("Software: Quarzil Free 320 Italiano\n")));
    QVERIFY(text.contains(
        QStringLiteral("\nSistema Operativo: %1\n").arg(box.services().facts().osName)));
    QVERIFY(text.contains(QLatin1String("\nConnessione ad Internet: Si\n")));
    QVERIFY(text.contains(QLatin1String("\nSQLite: 3.")));
    QVERIFY(text.contains(QLatin1String("\nMia Connessione: Provider=QPSQL;Data Source=db.local;"
                                        "Initial Catalog=magazzino;User ID=anna\n")));
    QVERIFY(!text.contains(QLatin1String("Segreta")));
    QVERIFY(!text.contains(QLatin1String("Password")));
    QVERIFY(text.contains(QLatin1String("\nDati del Log\nArticoliView:FillData: Lettura righe\n")));
    QVERIFY(text.contains(QLatin1String("\nInformazioni Errore: Salvavo un carico\n")));
    QVERIFY(text.endsWith(QStringLiteral("\nCommento Errore: %1\n").arg(QString(200, u'x'))));
    // Sent: no copy stays behind.
    QVERIFY(!QFileInfo::exists(QDir(box.temp).filePath(QStringLiteral("BreloReport.txt"))));
}

void tst_WebServices::reportKeptWithoutText() {
    Sandbox box(m_server->site());
    QVERIFY(box.app);
    const int before = m_server->requests().size();
    QSignalSpy done(&box.services(), &OnlineServices::reportDone);
    TestSupport::WhenShown<CCommentiDialog>(
        [](CCommentiDialog* d) { QTest::mouseClick(d->okButton(), Qt::LeftButton); });
    box.services().offerSystemReport(false);
    QCOMPARE(done.size(), 1);
    const QString path = QDir(box.temp).filePath(QStringLiteral("BreloReport.txt"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    QVERIFY(text.contains(QLatin1String("\nTempo in ms: ")));
    QVERIFY(!text.contains(QLatin1String("Informazioni Errore")));
    // Readable and writable by its owner, by nobody else.
    QCOMPARE(QFileInfo(path).permissions() & 0x60FF,
             QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QTest::qWait(200);
    QCOMPARE(m_server->requests().size(), before);
    QVERIFY(box.prompt->shown.isEmpty());

    // Annulla writes nothing.
    QFile::remove(path);
    TestSupport::WhenShown<CCommentiDialog>(
        [](CCommentiDialog* d) { QTest::mouseClick(d->cancelButton(), Qt::LeftButton); });
    box.services().offerSystemReport(false);
    QVERIFY(!QFileInfo::exists(path));
    // Offline at start-up: no window at all.
    box.app->exitInstance();
    box.app.reset();
    Sandbox offline(m_server->site(), false, false);
    QVERIFY(offline.app);
    offline.services().offerSystemReport(false);
    QVERIFY(!QFileInfo::exists(QDir(offline.temp).filePath(QStringLiteral("BreloReport.txt"))));
}

void tst_WebServices::cliVerbs() {
    QTemporaryDir home;
    const QString config = home.filePath(QStringLiteral("config"));
    QDir().mkpath(config + QStringLiteral("/Norvisk"));
    {
        QSettings s(config + QStringLiteral("/Norvisk/Quarzil.ini"), QSettings::IniFormat);
        s.setValue(QStringLiteral("Web/Sito"), m_server->site());
        s.setValue(QStringLiteral("Settings/Directory"), QStringLiteral("/opt/quarzil/"));
        s.setValue(QStringLiteral("Settings/Connection"),
                   QStringLiteral("Provider=QPSQL;Data Source=h;Initial Catalog=c;User ID=u;"
                                  "Password=TopSecret"));
    }
    const auto run = [&](const QStringList& args, QByteArray* out) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        p.setProcessEnvironment(env);
        p.start(TestSupport::CliPath(), args);
        p.waitForFinished(20000);
        *out = p.readAllStandardOutput() + p.readAllStandardError();
        return p.exitCode();
    };
    QByteArray out;
    m_server->put(QStringLiteral("script/VerQuarzil.txt"), "3.2.1\n");
    QCOMPARE(run({QStringLiteral("update-check"), QStringLiteral("--json")}, &out), 0);
    const QJsonObject o = QJsonDocument::fromJson(out).object();
    QCOMPARE(o.value("published").toString(), QStringLiteral("3.2.1"));
    QCOMPARE(o.value("updateAvailable").toBool(), true);
    QCOMPARE(o.value("ownNumber").toInt(), 320);

    const QString archive = TestSupport::CopyTemplate(home);
    m_server->put(QStringLiteral("script/users.php"), "ok");
    QCOMPARE(run({QStringLiteral("--archive"), archive, QStringLiteral("ping"),
                  QStringLiteral("--show")},
                 &out),
             0);
    QVERIFY2(out.startsWith(m_server->site().toUtf8() + "/script/users.php?codappnorvisk="), out);
    const int before = m_server->requests().size();
    QVERIFY2(run({QStringLiteral("--archive"), archive, QStringLiteral("ping")}, &out) == 0, out);
    QCOMPARE(m_server->requests().size(), before + 1);
    QVERIFY(m_server->requests().last().value("path").toString().contains(
        QLatin1String("&n1=0&n2=0&")));
    {
        QSettings s(config + QStringLiteral("/Norvisk/Quarzil.ini"), QSettings::IniFormat);
        s.setValue(QStringLiteral("Web/Statistiche"), 0);
    }
    QCOMPARE(run({QStringLiteral("--archive"), archive, QStringLiteral("ping")}, &out), 0);
    QVERIFY2(out.contains("non è stato inviato nulla"), out);
    QCOMPARE(m_server->requests().size(), before + 1);

    const QString report = home.filePath(QStringLiteral("rapporto.txt"));
    QCOMPARE(run({QStringLiteral("report"), report}, &out), 0);
    QFile f(report);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    QVERIFY(text.contains("\nDirectory: /opt/quarzil/\n"));
    QVERIFY(
        text.contains("\nConnessione: Provider=QPSQL;Data Source=h;Initial Catalog=c;User ID=u\n"));
    QVERIFY(!text.contains("TopSecret"));
    QCOMPARE(run({QStringLiteral("report"), report, QStringLiteral("--invia")}, &out), 2);
    QCOMPARE(run({QStringLiteral("report"), report, QStringLiteral("--commento"),
                  QStringLiteral("Ottimo"), QStringLiteral("--invia")},
                 &out),
             0);
    QCOMPARE(m_server->requests().last().value("method").toString(), QStringLiteral("PUT"));
    QVERIFY(m_server->requests().last().value("body").toString().endsWith(
        QLatin1String("\nCommento Errore: Ottimo\n")));
}

QTEST_MAIN(tst_WebServices)
#include "tst_WebServices.moc"
