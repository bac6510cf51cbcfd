#pragma once

#include "TestSupport.h"
#include "store/ConnectionString.h"

#include <QProcess>
#include <QTemporaryDir>

namespace TestSupport {

// The system's environment with `home` as the home and its config and data folders inside.
inline QProcessEnvironment HomeEnvironment(const QString& home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    return env;
}

struct CliRun {
    int code = -1;
    QByteArray out;
};

// quarzil-cli on an archive or catalog, in `home` when given (else a home of its own, so that
// no profile of the user's is read).
inline CliRun RunCli(const QString& connection, const QStringList& args,
                     const QString& home = QString(), int timeoutMs = 120000) {
    QTemporaryDir own;
    const QString dir = home.isEmpty() ? own.path() : home;
    QProcess p;
    p.setProcessEnvironment(HomeEnvironment(dir));
    const QStringList target =
        ConnectionString::TypeOf(connection) == 0
            ? QStringList{QStringLiteral("--archive"),
                          ConnectionString::Value(connection, QStringLiteral("Data Source"))}
            : QStringList{QStringLiteral("--connection"), connection};
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(CliPath(), target + args);
    CliRun r;
    if (p.waitForFinished(timeoutMs) && p.exitStatus() == QProcess::NormalExit)
        r.code = p.exitCode();
    r.out = p.readAllStandardOutput();
    return r;
}

inline int EnvInt(const char* name, int fallback) {
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(name, &ok);
    return ok && v > 0 ? v : fallback;
}

} // namespace TestSupport
