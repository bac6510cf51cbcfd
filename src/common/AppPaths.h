#pragma once

#include <QString>

// Where the program keeps its files.
namespace AppPaths {

// The user's application-data folder (~/.local/share unless XDG_DATA_HOME says otherwise).
QString ApplicationDataFolder();
// <appdata>/Norvisk/Quarzil: the default archive, backups and the company logo.
QString DataFolder(const QString& appData);
// Creates <appdata>/Norvisk and <appdata>/Norvisk/Quarzil when missing; false when it cannot.
bool PrepareDataFolder(const QString& appData);
QString DefaultDatabaseFile(const QString& appData);

// The installation folder, ending in '/': the executable's own folder when it holds the template
// (the build tree), else <prefix>/share/quarzil beside the installed executable. Empty when
// neither holds the template.
QString FindInstallationFolder(const QString& executableFolder);
QString TemplateFile(const QString& installationFolder);

} // namespace AppPaths
