#pragma once

#include <QString>
#include <QUrl>

class Profile;

// Pages of the maker's web site (help, tools, downloads). The host can be changed in the
// profile ("Web"/"Sito") for a mirror or a local test server.
QUrl MakerPage(const Profile& profile, const QString& path);

// The maker's services, each a page of the site unless "Web" names a full address of its own
// under the endpoint's key.
namespace MakerSite {

enum class Endpoint {
    VersionFile, // "Versione": the published version text
    Package,     // "Pacchetto": the newer program's package
    News,        // "Notizie": the news page
    Ping,        // "Ping": the usage counter
    Report,      // "Rapporto": the folder the system reports are uploaded into
    Help,        // "Aiuto": the folder of the online help pages
};

QString Key(Endpoint endpoint);
QUrl Url(const Profile& profile, Endpoint endpoint);

// The help page path ("/aiuto/Quarzil/magazzino.php") under the help folder.
QUrl HelpPage(const Profile& profile, const QString& path);

// Whether the usage ping may be sent ("Web"/"Statistiche", on unless 0) and turning it off.
bool UsagePingEnabled(const Profile& profile);
void SetUsagePingEnabled(Profile& profile, bool enabled);

// How long a request may go without any data before it is given up ("Web"/"Attesa", in
// milliseconds).
int TimeoutMs(const Profile& profile);
constexpr int kDefaultTimeoutMs = 15000;

} // namespace MakerSite
