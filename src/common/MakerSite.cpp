#include "common/MakerSite.h"

#include "common/Profile.h"

namespace {
const QString kHelpFolder = QStringLiteral("/aiuto/Quarzil/");
}

QUrl MakerPage(const Profile& profile, const QString& path) {
    QString site = profile.string(Profile::Section::Web, QStringLiteral("Sito"),
                                  QStringLiteral("https://www.quarzil.it"));
    while (site.endsWith(u'/'))
        site.chop(1);
    return QUrl(site + (path.startsWith(u'/') ? path : u'/' + path));
}

namespace MakerSite {

QString Key(Endpoint endpoint) {
    switch (endpoint) {
    case Endpoint::VersionFile:
        return QStringLiteral("Versione");
    case Endpoint::Package:
        return QStringLiteral("Pacchetto");
    case Endpoint::News:
        return QStringLiteral("Notizie");
    case Endpoint::Ping:
        return QStringLiteral("Ping");
    case Endpoint::Report:
        return QStringLiteral("Rapporto");
    case Endpoint::Help:
        return QStringLiteral("Aiuto");
    }
    return QString();
}

namespace {

QString DefaultPath(Endpoint endpoint) {
    switch (endpoint) {
    case Endpoint::VersionFile:
        return QStringLiteral("/script/VerQuarzil.txt");
    case Endpoint::Package:
        return QStringLiteral("/download/Quarzil/quarzil.deb");
    case Endpoint::News:
        return QStringLiteral("/script/infosoft.php?idprod=1");
    case Endpoint::Ping:
        return QStringLiteral("/script/users.php");
    case Endpoint::Report:
        return QStringLiteral("/report/");
    case Endpoint::Help:
        return kHelpFolder;
    }
    return QStringLiteral("/");
}

} // namespace

QUrl Url(const Profile& profile, Endpoint endpoint) {
    const QString own = profile.string(Profile::Section::Web, Key(endpoint)).trimmed();
    return own.isEmpty() ? MakerPage(profile, DefaultPath(endpoint)) : QUrl(own);
}

QUrl HelpPage(const Profile& profile, const QString& path) {
    QString folder = profile.string(Profile::Section::Web, Key(Endpoint::Help)).trimmed();
    if (folder.isEmpty() || !path.startsWith(kHelpFolder))
        return MakerPage(profile, path);
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return QUrl(folder + path.mid(kHelpFolder.size()));
}

bool UsagePingEnabled(const Profile& profile) {
    return profile.integer(Profile::Section::Web, QStringLiteral("Statistiche"), 1) != 0;
}

void SetUsagePingEnabled(Profile& profile, bool enabled) {
    profile.setValue(Profile::Section::Web, QStringLiteral("Statistiche"), enabled ? 1 : 0);
}

int TimeoutMs(const Profile& profile) {
    const int ms =
        profile.integer(Profile::Section::Web, QStringLiteral("Attesa"), kDefaultTimeoutMs);
    return ms > 0 ? ms : kDefaultTimeoutMs;
}

} // namespace MakerSite
