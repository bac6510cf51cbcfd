#pragma once

#include "common/ChangeNotifier.h"
#include "common/IBrowser.h"
#include "common/IFileDialogs.h"
#include "common/IPrompt.h"
#include "common/Profile.h"
#include "shell/SingleInstance.h"
#include "shell/StartupChecks.h"
#include "store/Database.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <functional>
#include <memory>

class CMainFrame;
class OnlineServices;
class SerialBarcodePort;
class SerialReaderTyping;
class UnixSignalWatcher;

// Everything the application object needs from outside; production fills it from the
// environment, tests point it at temporary folders and scripted prompts.
struct MainAppEnvironment {
    QString userProfileFile;
    QString machineProfileFile;
    QString applicationDataFolder;
    QString executableFolder;
    QString instanceName;
    std::shared_ptr<IPrompt> prompt;
    std::shared_ptr<IFileDialogs> fileDialogs;
    std::shared_ptr<IBrowser> browser;
    // Tests replace the system's answers.
    std::function<StartupChecks::InternetState()> internetState;
    std::function<std::pair<QSize, int>()> display;
    // The time now, for the automatic backup at exit; the system clock when empty.
    std::function<QDateTime()> clock;
    // The start-up picture; off for "--nosplash", for runs without a user, and in tests.
    bool showSplash = false;
    // The requests nobody asked for at the moment they are made (the timers' update check,
    // news and usage ping, the start-up's report and download): off for runs without a user
    // and in tests that serve no maker's site of their own. The commands work either way.
    bool onlineServices = false;
    // The interface language for this run ("--lang"), over the stored one; empty for that.
    QString language;

    static MainAppEnvironment FromSystem();
};

// The application object: owns the profile, the one database connection, the single-instance
// lock and the main window; runs the start-up and exit sequences.
class CMainApp : public QObject {
    Q_OBJECT
public:
    explicit CMainApp(MainAppEnvironment env, QElapsedTimer startClock = {});
    ~CMainApp() override;

    // Start-up: true to run the event loop, false to end the process.
    bool initInstance();
    // Regular exit; returns the process exit code.
    int exitInstance();
    // Before a forced end of the process: leaves the profile as after a regular exit.
    void emergencyShutdown(bool releaseDatabase);

    // After the connection dialog (or anything else that changed MyConnection): closes the
    // program's connection and opens the archive MyConnection names, upgrades its schema and
    // refreshes every view. When the archive cannot be opened, Connection is copied back into
    // MyConnection (so the next start opens the archive that worked) and the program ends.
    // Closed: the schema upgrade failed and the program goes on with no archive open.
    enum class Reconnection { Reopened, Closed, Ended };
    Reconnection reconnect();
    // How the program ends after a failed reconnection; tests replace it.
    std::function<void()> endProcess;

    Profile& profile() { return *m_profile; }
    Database& database() { return m_db; }
    IPrompt& prompt() { return *m_env.prompt; }
    IFileDialogs& fileDialogs() { return *m_env.fileDialogs; }
    IBrowser& browser() { return *m_env.browser; }
    ChangeNotifier& notifier() { return m_notifier; }
    CMainFrame* mainFrame() { return m_frame.get(); }
    OnlineServices& onlineServices() { return *m_services; }
    bool automaticOnlineServices() const { return m_env.onlineServices; }
    // The serial barcode reader the profile names ("Hardware"), read while the program runs;
    // idle for a keyboard reader.
    SerialBarcodePort& serialReader() { return *m_serialReader; }
    // Starts (again) reading the reader the profile now names.
    void startSerialReader();
    const QString& applicationDataFolder() const { return m_env.applicationDataFolder; }

    bool isStartupInProgress() const { return m_startupInProgress; }
    // A termination signal arrived (possibly while a start-up dialog was open, or while the
    // start-up waited for a server): do not enter the event loop, go straight to the exit.
    bool isTerminationRequested() const;
    bool isInternetConnected() const { return m_internetConnected; }
    // Unless a test already succeeded, asks the system now; remembers a success. An unknown
    // state counts as connected, as at start-up.
    bool testInternetConnection();
    bool showsSplash() const { return m_env.showSplash; }
    bool isBusy() const { return m_busy; }
    void setBusy(bool busy) { m_busy = busy; }

    // Work that later parts of the program plug in: the system report offered after an
    // irregular end, the automatic backup and compaction at exit, and the download of a newer
    // program when the archive is newer than this one (true when the installer was started).
    std::function<void()> offerSystemReport;
    std::function<void()> runAutomaticBackup;
    std::function<bool()> downloadNewerProgram;
    // The company wizard shown while the company has no name (first run).
    std::function<void()> runCompanyWizard;

    void logStep(const QString& operation, const QString& step) {
        m_profile->logStep(operation, step);
    }
    void deleteLog(const QString& operation) { m_profile->deleteLog(operation); }

private:
    bool fail(const QString& message);
    bool openArchive();
    void showReleaseNotes();
    void warnProfileNotSaved();

    MainAppEnvironment m_env;
    QElapsedTimer m_startClock;
    std::unique_ptr<Profile> m_profile;
    Database m_db;
    SingleInstance m_instance;
    ChangeNotifier m_notifier;
    std::unique_ptr<OnlineServices> m_services;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<UnixSignalWatcher> m_signals;
    std::unique_ptr<SerialBarcodePort> m_serialReader;
    std::unique_ptr<SerialReaderTyping> m_serialTyping;
    bool m_startupInProgress = true;
    bool m_internetConnected = false;
    bool m_busy = false;
    bool m_exited = false;
    bool m_terminationRequested = false;
    bool m_profileWarned = false;
    // The archive that was open when the exit closed it: the automatic backup copies it.
    QString m_exitArchive;
};
