#include "shell/UsagePing.h"

#include "shell/StartupChecks.h"
#include "shell/SystemFacts.h"

namespace UsagePing {

QString InstallationId(int version, const QString& installationFolder,
                       std::optional<quint32> anonymousId) {
    if (installationFolder.isEmpty() || !anonymousId)
        return QStringLiteral("%1-").arg(version);
    return QStringLiteral("%1-%2").arg(version).arg(*anonymousId);
}

Facts FromSystem(const SystemFacts& system, const QString& installationFolder, int items,
                 int movements) {
    Facts f;
    f.processor =
        system.processors.isEmpty() ? QString() : system.processors.first().name.trimmed();
    f.installationId =
        InstallationId(StartupChecks::kProgramVersion, installationFolder, system.anonymousId);
    f.items = items;
    f.movements = movements;
    f.osName = system.osName;
    return f;
}

QString Query(const Facts& facts) {
    const auto enc = [](const QString& s) {
        return QString::fromLatin1(QUrl::toPercentEncoding(s));
    };
    return QStringLiteral("codappnorvisk=%1&codapphd=%2&codappid=5&codapplang=1&n1=%3&n2=%4&so=%5")
        .arg(enc(facts.processor), enc(facts.installationId))
        .arg(facts.items)
        .arg(facts.movements)
        .arg(enc(facts.osName));
}

QUrl Url(const QUrl& endpoint, const Facts& facts) {
    QUrl url = endpoint;
    url.setQuery(Query(facts), QUrl::StrictMode);
    return url;
}

} // namespace UsagePing
