#include "shell/SingleInstance.h"

#include <QLocalServer>

SingleInstance::SingleInstance() = default;

SingleInstance::~SingleInstance() { release(); }

QString SingleInstance::DefaultName() {
    const QString overridden = qEnvironmentVariable("QUARZIL_INSTANCE_NAME");
    return overridden.isEmpty() ? QStringLiteral("QuarzilAppMutex") : overridden;
}

bool SingleInstance::acquire(const QString& name) {
    release();
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::AbstractNamespaceOption);
    if (!server->listen(name))
        return false;
    m_server = std::move(server);
    return true;
}

void SingleInstance::release() {
    if (m_server) {
        m_server->close();
        m_server.reset();
    }
}

bool SingleInstance::isHeld() const { return m_server && m_server->isListening(); }
