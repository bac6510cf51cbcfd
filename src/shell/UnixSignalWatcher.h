#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (logout, Ctrl+C, a closed terminal) into a signal on the event
// loop, so the program ends through its regular exit instead of being cut off.
class UnixSignalWatcher : public QObject {
    Q_OBJECT
public:
    explicit UnixSignalWatcher(QObject* parent = nullptr);
    ~UnixSignalWatcher() override;

    // True once a signal has arrived, even while no event loop ran to announce it (a long
    // blocking connect at start-up).
    bool received() const;

Q_SIGNALS:
    void terminationRequested();

private:
    void handle();
    QSocketNotifier* m_notifier = nullptr;
};
