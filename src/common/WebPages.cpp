#include "common/WebPages.h"

#include "common/Commands.h"
#include "common/MakerSite.h"
#include "common/Profile.h"

namespace WebPages {

namespace {

QUrl Configurable(const Profile& profile, const QString& name, const QString& path) {
    const QString own = profile.string(Profile::Section::Web, name).trimmed();
    return own.isEmpty() ? MakerPage(profile, path) : QUrl(own);
}

} // namespace

QUrl ForCommand(const Profile& profile, int commandId) {
    using namespace Commands;
    switch (commandId) {
    case Manuale:
        return Configurable(profile, QStringLiteral("Manuale"),
                            QStringLiteral("/manuale/Quarzil/"));
    case Facebook:
        return Configurable(profile, QStringLiteral("Facebook"), QStringLiteral("/facebook"));
    case YouTube:
        return Configurable(profile, QStringLiteral("YouTube"), QStringLiteral("/youtube"));
    case Twitter:
        return Configurable(profile, QStringLiteral("Twitter"), QStringLiteral("/twitter"));
    case PaginaWeb:
        return Configurable(profile, QStringLiteral("Home"), QStringLiteral("/"));
    case Donazioni:
        return Configurable(profile, QStringLiteral("Donazioni"), QStringLiteral("/donazioni.php"));
    case AiutoMagazzino:
        return MakerSite::HelpPage(profile, HelpPath(0));
    case AiutoMovimenti:
        return MakerSite::HelpPage(profile, HelpPath(1));
    case AiutoAnagrafiche:
        return MakerSite::HelpPage(profile, HelpPath(2));
    case AiutoAgenda:
        return MakerSite::HelpPage(profile, HelpPath(3));
    default:
        return QUrl();
    }
}

QUrl FindHelp(const Profile& profile) {
    return MakerSite::HelpPage(profile, QStringLiteral("/aiuto/Quarzil/trova.php"));
}

} // namespace WebPages
