#include "common/AppPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace AppPaths {

QString ApplicationDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString DataFolder(const QString& appData) {
    return appData + QStringLiteral("/Norvisk/Quarzil");
}

bool PrepareDataFolder(const QString& appData) {
    if (appData.isEmpty())
        return false;
    // A new account may not have its data folder yet; the desktop's rule is to create it
    // readable by its owner only.
    if (!QFileInfo::exists(appData)) {
        if (!QDir().mkpath(appData))
            return false;
        QFile::setPermissions(appData, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    if (!QFileInfo(appData).isDir())
        return false;
    QDir dir(appData);
    if (!dir.exists(QStringLiteral("Norvisk")) && !dir.mkdir(QStringLiteral("Norvisk")))
        return false;
    dir.cd(QStringLiteral("Norvisk"));
    if (!dir.exists(QStringLiteral("Quarzil")) && !dir.mkdir(QStringLiteral("Quarzil")))
        return false;
    return QFileInfo(DataFolder(appData)).isDir();
}

QString DefaultDatabaseFile(const QString& appData) {
    return DataFolder(appData) + QStringLiteral("/Quarzil.db");
}

QString TemplateFile(const QString& installationFolder) {
    return installationFolder + QStringLiteral("Database/Quarzil.db");
}

QString FindInstallationFolder(const QString& executableFolder) {
    const QString candidates[] = {
        QDir(executableFolder).absolutePath(),
        QDir::cleanPath(executableFolder + QStringLiteral("/../") +
                        QStringLiteral(QUARZIL_SHARE_SUBDIR)),
    };
    for (const QString& c : candidates) {
        const QString folder = c.endsWith(u'/') ? c : c + u'/';
        if (QFileInfo::exists(TemplateFile(folder)))
            return folder;
    }
    return QString();
}

} // namespace AppPaths
