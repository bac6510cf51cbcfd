#include "shell/FrameTimers.h"

#include "common/Profile.h"
#include "shell/FrameRules.h"
#include "store/Database.h"

#include <QSqlQuery>

FrameTimers::FrameTimers(Profile& profile, Database& db, std::function<bool()> busy,
                         std::function<bool()> connected, QObject* parent)
    : QObject(parent), m_profile(profile), m_db(db), m_busy(std::move(busy)),
      m_connected(std::move(connected)) {
    connect(&m_update, &QTimer::timeout, this, &FrameTimers::runUpdateCheck);
    connect(&m_usage, &QTimer::timeout, this, &FrameTimers::runUsageCount);
    connect(&m_news, &QTimer::timeout, this, &FrameTimers::runNewsCheck);
}

void FrameTimers::start(int updateMs, int usageMs, int newsMs) {
    m_update.start(updateMs);
    m_usage.start(usageMs);
    m_news.start(newsMs);
}

void FrameTimers::stop() {
    m_update.stop();
    m_usage.stop();
    m_news.stop();
}

void FrameTimers::runUpdateCheck() {
    if (m_busy && m_busy())
        return;
    if (m_connected && !m_connected()) {
        Q_EMIT updateCheckOffline();
        return;
    }
    if (checkForUpdates)
        checkForUpdates();
}

int FrameTimers::count(const QString& sql) {
    QSqlQuery q(m_db.handle());
    if (!m_db.isOpen() || !m_db.query(q, sql) || !q.next())
        return 0;
    return q.value(0).toInt();
}

void FrameTimers::runUsageCount() {
    // The counts go with the ping: without a connection there is nothing to do.
    if (m_connected && !m_connected())
        return;
    const int items = count(QStringLiteral("SELECT COUNT(IDArticolo) AS Totale FROM Articoli"));
    const int movements =
        count(QStringLiteral("SELECT COUNT(IDMovimento) AS Totale FROM Movimenti"));
    m_profile.setValue(Profile::Section::Settings, QStringLiteral("NumArt"), items);
    m_profile.setValue(Profile::Section::Settings, QStringLiteral("NumMov"), movements);
    if (sendUsagePing)
        sendUsagePing(items, movements);
}

void FrameTimers::runNewsCheck() {
    if (m_busy && m_busy())
        return;
    if (m_connected && !m_connected())
        return;
    const QDateTime current = now();
    const auto decision = FrameRules::NewsRule(
        m_profile.string(Profile::Section::Settings, QStringLiteral("DtMsgShow")), current);
    if (decision.writeNow)
        m_profile.setValue(Profile::Section::Settings, QStringLiteral("DtMsgShow"),
                           FrameRules::NewsStamp(current));
    if (decision.fetch && fetchNews)
        fetchNews();
}
