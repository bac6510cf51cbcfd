#include "shell/ui/CMainApp.h"

#include "common/Language.h"

#include "barcode/SerialBarcodePort.h"
#include "barcode/ui/SerialReaderTyping.h"
#include "common/AppPaths.h"
#include "common/MakerSite.h"
#include "common/NonInteractive.h"
#include "common/ui/QtFileDialogs.h"
#include "common/ui/QtPrompt.h"
#include "company/ui/CAziendaSheet.h"
#include "shell/UnixSignalWatcher.h"
#include "shell/ui/CMainFrame.h"
#include "shell/ui/CRelNotesDialog.h"
#include "shell/ui/OnlineServices.h"
#include "shell/ui/RibbonIcons.h"
#include "store/AutomaticBackup.h"
#include "store/ConnectionProbe.h"
#include "store/ConnectionString.h"
#include "store/DatabaseOpener.h"
#include "store/SchemaUpgrade.h"
#include "store/ui/CAggiornamentoDlg.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

namespace {
using S = Profile::Section;
const QString kStartup = QStringLiteral("Avvio");
const QString kExit = QStringLiteral("Chiusura");
const QString kConnect = QStringLiteral("ConnectDatabase");
const char* const kNewerArchive =
    QT_TRANSLATE_NOOP("CMainApp", "L'archivio dati è di una versione più recente e per "
                                  "questo occorre aggiornare il programma, continuare?");
} // namespace

MainAppEnvironment MainAppEnvironment::FromSystem() {
    MainAppEnvironment env;
    env.userProfileFile = Profile::DefaultUserFile();
    env.machineProfileFile = Profile::DefaultMachineFile();
    env.applicationDataFolder = AppPaths::ApplicationDataFolder();
    env.executableFolder = QCoreApplication::applicationDirPath();
    env.instanceName = SingleInstance::DefaultName();
    env.onlineServices = !IsNonInteractive();
    env.showSplash = !IsNonInteractive() &&
                     !QCoreApplication::arguments().contains(QStringLiteral("--nosplash"));
    if (IsNonInteractive()) {
        env.prompt = std::make_shared<StderrPrompt>();
        env.fileDialogs = std::make_shared<CancelledFileDialogs>();
        env.browser = std::make_shared<StderrBrowser>();
    } else {
        env.prompt = std::make_shared<QtPrompt>();
        env.fileDialogs = std::make_shared<QtFileDialogs>();
        env.browser = std::make_shared<DesktopBrowser>();
    }
    return env;
}

CMainApp::CMainApp(MainAppEnvironment env, QElapsedTimer startClock)
    : m_env(std::move(env)), m_startClock(startClock) {
    if (!m_startClock.isValid())
        m_startClock.start();
    // A caller that names no prompt, file dialogs or browser (a test) gets the stand-ins of a run
    // without a user: the windows always have one to refer to.
    if (!m_env.prompt)
        m_env.prompt = std::make_shared<StderrPrompt>();
    if (!m_env.fileDialogs)
        m_env.fileDialogs = std::make_shared<CancelledFileDialogs>();
    if (!m_env.browser)
        m_env.browser = std::make_shared<StderrBrowser>();
    if (!m_env.internetState)
        m_env.internetState = &StartupChecks::TestInternetState;
    if (!m_env.display)
        m_env.display = [] {
            const QScreen* screen = QGuiApplication::primaryScreen();
            return screen ? std::make_pair(screen->size(), screen->depth())
                          : std::make_pair(QSize(), 0);
        };
    m_profile = std::make_unique<Profile>(m_env.userProfileFile, m_env.machineProfileFile);
    m_profile->setWriteFailureHandler([this] { warnProfileNotSaved(); });
    m_serialReader = std::make_unique<SerialBarcodePort>();
    m_serialTyping = std::make_unique<SerialReaderTyping>(*m_serialReader);
    connect(m_serialReader.get(), &SerialBarcodePort::lost, this, [this](const QString& port) {
        // Told once per loss; reading goes on by itself when the reader is back.
        QTimer::singleShot(0, this, [this, port] {
            prompt().message(tr("Il lettore di codici a barre sulla porta %1 non "
                                "risponde: è scollegato o spento? I codici saranno "
                                "letti di nuovo appena sarà ricollegato.")
                                 .arg(port),
                             IPrompt::Icon::Warning);
        });
    });
    // main() then leaves the event loop and exits with 0: the exit sequence has already run.
    endProcess = [] { QCoreApplication::exit(0); };
    runCompanyWizard = [this] {
        // Nobody would answer the wizard in a run without a user.
        if (IsNonInteractive())
            return;
        CAziendaSheet wizard(CAziendaSheet::Mode::Wizard, *m_profile, prompt(), fileDialogs(),
                             browser(), m_env.applicationDataFolder, &m_notifier, m_frame.get());
        wizard.exec();
    };
    m_services = std::make_unique<OnlineServices>(*this);
    if (m_env.onlineServices) {
        offerSystemReport = [this] { m_services->offerSystemReport(false); };
        downloadNewerProgram = [this] { return m_services->downloadAndStart(); };
    }
    runAutomaticBackup = [this] {
        AutomaticBackup(*m_profile, AppPaths::DataFolder(m_env.applicationDataFolder), m_env.clock)
            .run(m_exitArchive);
    };
}

CMainApp::~CMainApp() {
    // What is written from here on is written by destructors: no message box from them.
    m_profile->setWriteFailureHandler({});
    m_serialReader->disconnect(this);
    m_serialReader->stop();
    m_frame.reset();
    m_services.reset();
    m_db.close();
}

void CMainApp::startSerialReader() {
    m_serialReader->start(BarcodeReader::Read(*m_profile));
}

bool CMainApp::isTerminationRequested() const {
    return m_terminationRequested || (m_signals && m_signals->received());
}

void CMainApp::warnProfileNotSaved() {
    if (m_profileWarned)
        return;
    m_profileWarned = true;
    const QString text = StartupChecks::ProfileNotSavedText(m_profile->fileName());
    // The start-up and the exit run straight through; at any other time the failed write may
    // come from deep inside a window's work, so the box waits for the event loop.
    if (m_startupInProgress || m_exited)
        prompt().message(text, IPrompt::Icon::Warning);
    else
        QTimer::singleShot(0, this,
                           [this, text] { prompt().message(text, IPrompt::Icon::Warning); });
}

bool CMainApp::fail(const QString& message) {
    if (!message.isEmpty())
        prompt().message(message, IPrompt::Icon::Error);
    // A refused start is a regular end: nothing of it is left for the next start to report.
    m_frame.reset();
    m_db.close();
    m_instance.release();
    m_profile->setValue(S::Application, QStringLiteral("CloseUnregular"), 0);
    m_profile->clearLog();
    return false;
}

bool CMainApp::initInstance() {
    // The interface language: Italian unless the profile or the command line names another.
    // OLE and common controls are Windows set-up with nothing to do here.
    const QString language =
        m_env.language.isEmpty() ? Language::Stored(*m_profile) : m_env.language;
    if (language != Language::Active() && !Language::Apply(language))
        logStep(kStartup, QStringLiteral("Traduzione non disponibile: %1").arg(language));

    // Every window, the first messages included, carries the program's icon.
    QApplication::setWindowIcon(RibbonIcons::Application());

    // One copy per computer. Taken before anything else is written, so that a refused second
    // copy neither offers a report about the running one nor touches its profile values.
    if (!m_instance.acquire(m_env.instanceName)) {
        prompt().message(tr("Per motivi di sincronizzazione dati una sola istanza, per "
                            "computer, dell'applicazione può essere avviata!"),
                         IPrompt::Icon::Error);
        return false;
    }

    // From here on a logout or Ctrl+C ends the program regularly, even while it waits for a
    // server that does not answer.
    m_signals = std::make_unique<UnixSignalWatcher>();
    connect(m_signals.get(), &UnixSignalWatcher::terminationRequested, this, [this] {
        m_terminationRequested = true;
        // exit() leaves every running event loop, a start-up dialog's included; quit() would
        // do nothing before the main loop runs.
        QCoreApplication::exit(0);
    });

    if (m_profile->integer(S::Application, QStringLiteral("CloseUnregular")) != 0 &&
        offerSystemReport)
        offerSystemReport();
    logStep(kStartup, QStringLiteral("Caricamento iniziale completato"));

    StartupChecks::SyncInstallation(*m_profile, m_env.executableFolder);

    if (!AppPaths::PrepareDataFolder(m_env.applicationDataFolder))
        return fail(tr("Impossibile creare la cartella dei dati %1!")
                        .arg(AppPaths::DataFolder(m_env.applicationDataFolder)));

    m_profile->setValue(S::Application, QStringLiteral("CloseUnregular"), 1);
    logStep(kStartup, QStringLiteral("Scrittura valori completato"));

    const auto [size, depth] = m_env.display();
    if (const auto problem = StartupChecks::DisplayProblem(size, depth))
        return fail(*problem);

    if (!openArchive())
        return false;

    if (!m_internetConnected) {
        // Only a known disconnection warns; an unknown state counts as connected.
        if (m_env.internetState() == StartupChecks::InternetState::Disconnected)
            prompt().message(tr("Consiglio di connettere il computer ad internet per "
                                "avere più caratteristiche del software e controllare "
                                "gli ultimi aggiornamenti!"),
                             IPrompt::Icon::Warning);
        else
            m_internetConnected = true;
    }

    m_frame = std::make_unique<CMainFrame>(*this);

    m_startupInProgress = false;
    m_frame->setWindowTitle(QCoreApplication::translate("CMainFrame", "Magazzino - Quarzil"));
    m_frame->showWithState(m_profile->integer(S::Settings, QStringLiteral("Style"), 1));
    m_frame->activateWindow();

    if (m_profile->string(S::Azienda, QStringLiteral("RagSoc")).isEmpty() && runCompanyWizard) {
        // The wizard waits for the user, maybe for long: a crash meanwhile is told as such.
        logStep(kStartup, QStringLiteral("Procedura guidata dati aziendali"));
        runCompanyWizard();
    }

    showReleaseNotes();
    startSerialReader();

    m_profile->setValue(S::Application, QStringLiteral("Speed"), int(m_startClock.elapsed()));
    m_profile->clearLog();
    return true;
}

bool CMainApp::openArchive() {
    OpeningReport report;
    const bool opened = OpenDatabase(m_db, *m_profile, m_env.applicationDataFolder, &report,
                                     [this] { return isTerminationRequested(); });
    // Asked to end while it waited: a regular end, with nothing more to tell.
    if (isTerminationRequested())
        return fail(QString());
    if (!opened)
        return fail(StartupChecks::OpeningFailedText(report));
    logStep(kStartup, QStringLiteral("Connessione al database completata"));

    // Whoever goes on typing must know the data go to another archive than the one chosen.
    const QString fallback =
        StartupChecks::ChosenArchiveFailedText(report, m_db.connectionString());
    if (!fallback.isEmpty()) {
        prompt().message(fallback, IPrompt::Icon::Warning);
        if (isTerminationRequested())
            return fail(QString());
    }

    SchemaUpgrade::Result upgraded;
    {
        CAggiornamentoDlg progress;
        SchemaUpgrade::Options options;
        options.dataFolder = AppPaths::DataFolder(m_env.applicationDataFolder);
        options.progress = &progress;
        SchemaUpgrade::Report upgradeReport;
        upgraded = SchemaUpgrade::Run(m_db, options, &upgradeReport);
    }
    switch (upgraded) {
    case SchemaUpgrade::Failed:
        m_db.close();
        return fail(tr("Errore nell'aggiornare il database alla versione attuale del "
                       "programma, impossibile continuare!"));
    case SchemaUpgrade::Newer:
        if (prompt().question(tr(kNewerArchive))) {
            if (downloadNewerProgram)
                downloadNewerProgram();
            return fail(QString());
        }
        break;
    case SchemaUpgrade::UpToDate:
        break;
    }
    if (isTerminationRequested())
        return fail(QString());

    // Accepted: only now may the opening change the file.
    const QString archive = ConnectionString::Describe(m_db.connectionString());
    if (!m_db.prepareForUse()) {
        report.failures = {{QString(), archive, m_db.errorText().trimmed()}};
        return fail(StartupChecks::OpeningFailedText(report));
    }
    return true;
}

void CMainApp::showReleaseNotes() {
    const int seen = m_profile->integer(S::Settings, QStringLiteral("LastVerRelNotes"), 100);
    if (seen >= StartupChecks::kReleaseNotesVersion)
        return;
    // A first installation (100) never shows them; an update from an older version once.
    if (seen > 100) {
        const QString html = StartupChecks::ReleaseNotesHtml(
            m_profile->string(S::Settings, QStringLiteral("Directory")));
        if (!html.isEmpty() && !IsNonInteractive()) {
            CRelNotesDialog dialog(html, m_frame.get());
            dialog.exec();
        }
    }
    m_profile->setValue(S::Settings, QStringLiteral("LastVerRelNotes"),
                        StartupChecks::kReleaseNotesVersion);
}

bool CMainApp::testInternetConnection() {
    if (!m_internetConnected && m_env.internetState() != StartupChecks::InternetState::Disconnected)
        m_internetConnected = true;
    return m_internetConnected;
}

int CMainApp::exitInstance() {
    if (m_exited)
        return 0;
    m_exited = true;
    logStep(kExit, QStringLiteral("Inizio uscita"));
    m_services->closeInfoWindow();
    m_serialReader->stop();
    m_frame.reset();
    m_signals.reset();
    m_exitArchive = m_db.isOpen() ? m_db.connectionString() : QString();
    m_db.close();
    m_instance.release();
    if (runAutomaticBackup)
        runAutomaticBackup();
    m_profile->setValue(S::Application, QStringLiteral("CloseUnregular"), 0);
    m_profile->clearLog();
    return 0;
}

void CMainApp::emergencyShutdown(bool releaseDatabase) {
    m_exited = true;
    m_services->closeInfoWindow();
    if (releaseDatabase)
        m_db.close();
    m_instance.release();
    m_profile->setValue(S::Application, QStringLiteral("CloseUnregular"), 0);
    m_profile->clearLog();
}

CMainApp::Reconnection CMainApp::reconnect() {
    // Annulla reopens too: with no string of the user's own, the archive that was open is the
    // one to come back to, not a reason to end the program.
    QString target = m_profile->string(S::Settings, QStringLiteral("MyConnection"));
    if (!ConnectionString::IsValid(target))
        target = m_db.connectionString();
    const auto showArchive = [this] {
        Q_EMIT m_notifier.refreshAllRequested();
        if (m_frame)
            m_frame->showOpenArchive();
    };
    const auto end = [&] {
        const QString reason = ConnectionProbe::HidePassword(
            m_db.errorText().trimmed(),
            ConnectionString::Value(target, QStringLiteral("Password")));
        m_db.close();
        m_profile->setValue(S::Settings, QStringLiteral("MyConnection"),
                            m_profile->string(S::Settings, QStringLiteral("Connection")));
        // Ending without a word would look like a crash.
        prompt().message(tr("Impossibile aprire l'archivio dei dati!\n\n%1: %2")
                             .arg(ConnectionString::Describe(target), reason),
                         IPrompt::Icon::Error);
        emergencyShutdown(false);
        if (endProcess)
            endProcess();
        return Reconnection::Ended;
    };

    logStep(kConnect, QStringLiteral("Inizio riapertura"));
    m_db.close();
    if (!m_db.openToInspect(target))
        return end();
    m_profile->setValue(S::Settings, QStringLiteral("TypeConnection"),
                        ConnectionString::TypeOf(target));
    deleteLog(kConnect);

    switch (SchemaUpgrade::Run(m_db)) {
    case SchemaUpgrade::Failed:
        m_db.close();
        prompt().message(tr("Errore nell'aggiornare il database alla versione attuale "
                            "del programma, impossibile continuare!"),
                         IPrompt::Icon::Error);
        // The views empty themselves rather than keep rows of an archive no longer open.
        showArchive();
        return Reconnection::Closed;
    case SchemaUpgrade::Newer:
        if (prompt().question(tr(kNewerArchive)))
            browser().open(MakerPage(*m_profile, QStringLiteral("/download/Quarzil/")));
        break;
    case SchemaUpgrade::UpToDate:
        break;
    }
    // Accepted: only now may the opening change the file.
    if (!m_db.prepareForUse())
        return end();
    showArchive();
    return Reconnection::Reopened;
}
