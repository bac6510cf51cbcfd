#pragma once

#include "shell/SystemFacts.h"

#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

class CInfoDlg;
class CMainApp;
#include <QNetworkReply>

// The program's requests to the maker's site, with the windows they show: the update check
// and the package download, the system report, the news and the usage ping. Every request is
// asynchronous and gives up after the profile's time-out; a site that cannot be reached is
// noticed only where the user asked for something.
class OnlineServices : public QObject {
    Q_OBJECT
public:
    explicit OnlineServices(CMainApp& app);
    ~OnlineServices() override;

    // The update check: manual (the "Aggiornamenti" command) tells the user every outcome;
    // automatic (the frame's timer) only asks when a newer version is published.
    void checkForUpdates(bool manual);
    // Downloads the newer program's package and opens it with the desktop's installer. True
    // when the package was downloaded and opened.
    bool downloadAndStart();
    // The comments window and the system report: offered at start-up after an irregular end,
    // and shown by the "Commenti e suggerimenti" command (fromCommand).
    void offerSystemReport(bool fromCommand = false);
    // Fetches the news page and slides the news window in when there is a news item not read.
    void fetchNews();
    // The usage ping with the two counts, unless "Web"/Statistiche is 0.
    void sendUsagePing(int items, int movements);

    CInfoDlg* infoWindow() const;
    // At the exit: the news window goes with the frame.
    void closeInfoWindow();
    bool isCheckingForUpdates() const { return m_checking; }
    // The facts of this computer, read once.
    const SystemFacts& facts();

    // Where the report and the package are written; the system's temporary folder.
    QString temporaryFolder;
    // The notification sound of a news item; tests count it.
    std::function<void()> playSound;
    // After the newer program's package was opened: the program ends (tests replace it).
    std::function<void()> endAfterUpdate;

Q_SIGNALS:
    // For tests and scripts: a request has been answered (or given up).
    void updateCheckDone();
    void reportDone(bool uploaded);
    void newsDone(bool shown);
    void pingDone(bool ok);

private:
    int timeout() const;

    CMainApp& m_app;
    QNetworkAccessManager m_network;
    std::unique_ptr<CInfoDlg> m_info;
    std::optional<SystemFacts> m_facts;
    QPointer<QNetworkReply> m_ping;
    QPointer<QNetworkReply> m_news;
    bool m_checking = false;
};
