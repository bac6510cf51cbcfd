#pragma once

#include <QString>
#include <QUrl>

class Profile;

// Pages of the maker's web site (help, tools, downloads). The host can be changed in the
// profile ("Web"/"Sito") for a mirror or a local test server.
QUrl MakerPage(const Profile& profile, const QString& path);
