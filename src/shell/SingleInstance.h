#pragma once

#include <QString>
#include <memory>

class QLocalServer;

// One running copy per computer: a listening socket in the abstract namespace, which the kernel
// releases when the process ends however it ends.
class SingleInstance {
public:
    SingleInstance();
    ~SingleInstance();

    // "QuarzilAppMutex", or QUARZIL_INSTANCE_NAME when set (tests).
    static QString DefaultName();
    // False when another process holds the name or the socket cannot be created.
    bool acquire(const QString& name = DefaultName());
    void release();
    bool isHeld() const;

private:
    std::unique_ptr<QLocalServer> m_server;
};
