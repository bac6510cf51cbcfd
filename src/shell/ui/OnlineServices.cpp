#include "shell/ui/OnlineServices.h"

#include "common/IBrowser.h"
#include "common/IPrompt.h"
#include "common/MakerSite.h"
#include "common/Profile.h"
#include "shell/FrameRules.h"
#include "shell/NewsPage.h"
#include "shell/PackageDownload.h"
#include "shell/PublishedVersion.h"
#include "shell/SystemReport.h"
#include "shell/UsagePing.h"
#include "shell/WebRequests.h"
#include "shell/ui/CCommentiDialog.h"
#include "shell/ui/CDownloadDialog.h"
#include "shell/ui/CInfoDlg.h"
#include "shell/ui/CMainApp.h"
#include "shell/ui/CMainFrame.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QNetworkReply>
#include <QProcess>
#include <QStandardPaths>
#include <QStatusBar>

namespace {
using S = Profile::Section;
using Endpoint = MakerSite::Endpoint;

const char* const kOffline = QT_TRANSLATE_NOOP(
    "OnlineServices", "Occorre essere connessi ad internet per verificare gli aggiornamenti!");
const char* const kLatest =
    QT_TRANSLATE_NOOP("OnlineServices", "Si sta utilizzando l'ultima versione del programma!");
const char* const kOffer = QT_TRANSLATE_NOOP(
    "OnlineServices",
    "Disponibile l'aggiornamento alla versione %1 del programma. Si desidera installarlo?");
const char* const kStopDownload =
    QT_TRANSLATE_NOOP("OnlineServices", "Scaricamento del file in corso, interrompere?");
const char* const kThanks = QT_TRANSLATE_NOOP(
    "OnlineServices",
    "Grazie per averci inviato informazioni utili al miglioramento del software!");

// The desktop's own notification sound where the sound theme player is installed.
void PlayNotification() {
    const QString player = QStandardPaths::findExecutable(QStringLiteral("canberra-gtk-play"));
    if (player.isEmpty() ||
        !QProcess::startDetached(player,
                                 {QStringLiteral("-i"), QStringLiteral("message-new-instant"),
                                  QStringLiteral("-d"), QStringLiteral("Quarzil")}))
        QApplication::beep();
}

} // namespace

OnlineServices::OnlineServices(CMainApp& app) : QObject(nullptr), m_app(app) {
    temporaryFolder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    playSound = &PlayNotification;
    endAfterUpdate = [this] {
        m_app.emergencyShutdown(true);
        if (m_app.endProcess)
            m_app.endProcess();
    };
}

OnlineServices::~OnlineServices() = default;

int OnlineServices::timeout() const {
    return MakerSite::TimeoutMs(m_app.profile());
}

const SystemFacts& OnlineServices::facts() {
    if (!m_facts)
        m_facts = SystemFacts::Collect();
    return *m_facts;
}

CInfoDlg* OnlineServices::infoWindow() const {
    return m_info.get();
}

void OnlineServices::closeInfoWindow() {
    m_info.reset();
}

// --- Update check and download ------------------------------------------------------------------

void OnlineServices::checkForUpdates(bool manual) {
    if (manual) {
        if (!m_app.testInternetConnection()) {
            m_app.prompt().message(tr(kOffline), IPrompt::Icon::Information);
            return;
        }
        if (m_app.isBusy())
            return;
    }
    // One check at a time: a timer round while the question is open waits for the next.
    if (m_checking)
        return;
    m_checking = true;
    const QNetworkRequest request =
        WebRequests::Make(MakerSite::Url(m_app.profile(), Endpoint::VersionFile),
                          QStringLiteral("NorviskUpdate"), timeout());
    WebRequests::Get(
        m_network, request, this, [this, manual](bool ok, const QByteArray& body, const QString&) {
            const PublishedVersion v = PublishedVersion::Parse(body, !ok);
            bool ended = false;
            if (!v.updateAvailable()) {
                if (manual)
                    m_app.prompt().message(tr(kLatest), IPrompt::Icon::Information);
            } else {
                m_app.profile().setValue(S::Settings, QStringLiteral("DtUpdShow"),
                                         FrameRules::NewsStamp(QDateTime::currentDateTime()));
                if (m_app.prompt().question(tr(kOffer).arg(v.text)) && downloadAndStart()) {
                    ended = true;
                }
            }
            m_checking = false;
            Q_EMIT updateCheckDone();
            if (ended && endAfterUpdate)
                endAfterUpdate();
        });
}

bool OnlineServices::downloadAndStart() {
    const bool wasBusy = m_app.isBusy();
    m_app.setBusy(true);
    const auto restore = qScopeGuard([&] { m_app.setBusy(wasBusy); });

    const QUrl url = MakerSite::Url(m_app.profile(), Endpoint::Package);
    PackageDownload download(m_network, url, PackageDownload::LocalPath(temporaryFolder, url),
                             timeout());
    const auto failed = [this](const QString& why) {
        m_app.prompt().message(
            tr("Impossibile scaricare l'aggiornamento del programma:\n%1").arg(why),
            IPrompt::Icon::Warning);
        return false;
    };
    if (!download.start())
        return failed(download.error());

    CDownloadDialog window(QFileInfo(download.localPath()).fileName(), m_app.mainFrame());
    QEventLoop loop;
    bool ok = false;
    bool asking = false;
    bool stopped = false;
    connect(&download, &PackageDownload::progress, &window, &CDownloadDialog::setProgress);
    connect(&download, &PackageDownload::finished, &loop, [&](bool success) {
        ok = success;
        // While the question is open its answer decides; the loop ends after it.
        if (!asking)
            loop.quit();
    });
    connect(&window, &CDownloadDialog::stopRequested, &loop, [&] {
        if (asking)
            return;
        asking = true;
        const bool stop = m_app.prompt().question(tr(kStopDownload));
        asking = false;
        if (stop) {
            stopped = true;
            if (download.isRunning())
                download.cancel();
            else if (ok) // it ended while the question was open: the user still said stop
                QFile::remove(download.localPath());
            ok = false;
            loop.quit();
        } else if (!download.isRunning()) {
            loop.quit();
        }
    });
    window.show();
    loop.exec();
    window.hide();

    if (!ok) {
        if (stopped || download.wasCancelled())
            return false;
        return failed(download.error());
    }
    if (m_app.browser().open(QUrl::fromLocalFile(download.localPath())))
        return true;
    // Without a desktop handler for packages the user installs it by hand.
    m_app.prompt().message(
        tr("L'aggiornamento è stato scaricato nel file %1: aprirlo con il programma "
           "di installazione dei pacchetti per installare la nuova versione.")
            .arg(QDir::toNativeSeparators(download.localPath())),
        IPrompt::Icon::Information);
    return false;
}

// --- System report ------------------------------------------------------------------------------

void OnlineServices::offerSystemReport(bool fromCommand) {
    if (!m_app.testInternetConnection()) {
        if (fromCommand)
            m_app.prompt().message(tr("Occorre essere connessi ad internet per "
                                      "inviare commenti e suggerimenti!"),
                                   IPrompt::Icon::Information);
        return;
    }
    QString errorInfo, comment;
    {
        CCommentiDialog dialog(m_app.mainFrame());
        if (dialog.exec() != QDialog::Accepted)
            return;
        errorInfo = dialog.errorInfo();
        comment = dialog.comment();
    }
    SystemReport::Input input =
        SystemReport::FromProfile(m_app.profile(), facts(), m_app.isInternetConnected());
    input.errorInfo = errorInfo;
    input.comment = comment;
    const QString path = SystemReport::FilePath(temporaryFolder);
    QString error;
    if (!SystemReport::WriteFile(path, SystemReport::Text(input), &error)) {
        if (fromCommand)
            m_app.prompt().message(tr("Impossibile scrivere il rapporto %1: %2")
                                       .arg(QDir::toNativeSeparators(path), error),
                                   IPrompt::Icon::Warning);
        Q_EMIT reportDone(false);
        return;
    }
    // Nothing leaves the computer without the user's own words.
    if (!input.hasUserText() || !input.facts.anonymousId) {
        Q_EMIT reportDone(false);
        return;
    }
    QFile file(path);
    const QByteArray data = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    file.close();
    QString base = MakerSite::Url(m_app.profile(), Endpoint::Report).toString();
    if (!base.endsWith(u'/'))
        base += u'/';
    const QUrl target(base + SystemReport::UploadName(*input.facts.anonymousId));
    WebRequests::Put(m_network, WebRequests::Make(target, QStringLiteral("BreloReport"), timeout()),
                     data, this, [this, path](bool ok, const QByteArray&, const QString&) {
                         QFile::remove(path);
                         if (ok)
                             m_app.prompt().message(tr(kThanks), IPrompt::Icon::Information);
                         Q_EMIT reportDone(ok);
                     });
}

// --- News ---------------------------------------------------------------------------------------

void OnlineServices::fetchNews() {
    CMainFrame* frame = m_app.mainFrame();
    if (!frame || !frame->statusBar()->isVisible() || frame->isMinimized())
        return;
    if (!m_app.testInternetConnection() || m_news)
        return;
    const QNetworkRequest request = WebRequests::Make(
        MakerSite::Url(m_app.profile(), Endpoint::News), QStringLiteral("NorviskInfo"), timeout());
    m_news = WebRequests::Get(
        m_network, request, this, [this](bool ok, const QByteArray& body, const QString&) {
            m_news = nullptr;
            const int lastOpened =
                m_app.profile().integer(S::Application, QStringLiteral("NewsInfo"), 0);
            const NewsPage::Parsed parsed =
                ok ? NewsPage::Parse(QString::fromUtf8(body), lastOpened) : NewsPage::Parsed{};
            CMainFrame* frame = m_app.mainFrame();
            if (parsed.outcome != NewsPage::Outcome::Show || !frame) {
                Q_EMIT newsDone(false);
                return;
            }
            if (!m_info)
                m_info = std::make_unique<CInfoDlg>(m_app.profile(), m_app.browser());
            frame->setInfoWindow(m_info.get());
            m_info->showNews(parsed.item, frame->infoWindowRect());
            if (playSound)
                playSound();
            Q_EMIT newsDone(true);
        });
}

// --- Usage ping ---------------------------------------------------------------------------------

void OnlineServices::sendUsagePing(int items, int movements) {
    if (!MakerSite::UsagePingEnabled(m_app.profile()) || m_ping)
        return;
    const UsagePing::Facts pingFacts = UsagePing::FromSystem(
        facts(), m_app.profile().string(S::Settings, QStringLiteral("Directory")), items,
        movements);
    const QUrl url = UsagePing::Url(MakerSite::Url(m_app.profile(), Endpoint::Ping), pingFacts);
    // The answer is not read: the request itself is the count.
    m_ping = WebRequests::Get(
        m_network, WebRequests::Make(url, QStringLiteral("NorviskStatistica"), timeout()), this,
        [this](bool ok, const QByteArray&, const QString&) {
            m_ping = nullptr;
            Q_EMIT pingDone(ok);
        });
}
