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

Q_SIGNALS:
    void terminationRequested();

private:
    void handle();
    QSocketNotifier* m_notifier = nullptr;
};
