#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <functional>

class Database;
class Profile;

// The main frame's three periodic jobs: the update check (every 5 minutes), the usage counters
// (every minute) and the news (every 2 minutes). The network work itself is plugged in
// through the hooks below; unset hooks do nothing, so no traffic leaves the program.
class FrameTimers : public QObject {
    Q_OBJECT
public:
    static constexpr int kUpdateInterval = 300000;
    static constexpr int kUsageInterval = 60000;
    static constexpr int kNewsInterval = 120000;

    // busy: a view runs a long refresh (the update check and the news wait for the next round).
    // connected: the application's internet test, which remembers a success.
    FrameTimers(Profile& profile, Database& db, std::function<bool()> busy,
                std::function<bool()> connected, QObject* parent = nullptr);

    // Starts the three timers; tests pass short intervals.
    void start(int updateMs = kUpdateInterval, int usageMs = kUsageInterval,
               int newsMs = kNewsInterval);
    void stop();

    // The automatic update check, the usage ping with the two counts, the news fetch.
    std::function<void()> checkForUpdates;
    std::function<void(int items, int movements)> sendUsagePing;
    std::function<void()> fetchNews;
    // The clock (tests move it).
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };

    // One round of each job, as its timer runs it.
    void runUpdateCheck();
    void runUsageCount();
    void runNewsCheck();

Q_SIGNALS:
    // The update check found the computer offline: the frame warns the user.
    void updateCheckOffline();

private:
    int count(const QString& sql);

    Profile& m_profile;
    Database& m_db;
    std::function<bool()> m_busy;
    std::function<bool()> m_connected;
    QTimer m_update;
    QTimer m_usage;
    QTimer m_news;
};
