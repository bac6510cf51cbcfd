#include "common/MakerSite.h"

#include "common/Profile.h"

QUrl MakerPage(const Profile& profile, const QString& path) {
    QString site = profile.string(Profile::Section::Web, QStringLiteral("Sito"),
                                  QStringLiteral("https://www.quarzil.it"));
    while (site.endsWith(u'/'))
        site.chop(1);
    return QUrl(site + (path.startsWith(u'/') ? path : u'/' + path));
}
