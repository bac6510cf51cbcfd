#include "store/DatabaseOpener.h"

#include "common/AppPaths.h"
#include "common/Profile.h"
#include "store/ConnectionString.h"
#include "store/Database.h"

#include <QFile>
#include <QFileInfo>

namespace {
const QString kLogKey = QStringLiteral("ConnectDatabase");
using S = Profile::Section;

bool tryStored(Database& db, Profile& profile, const QString& valueName, int attempt) {
    const QString stored = profile.string(S::Settings, valueName);
    if (!ConnectionString::IsValid(stored))
        return false;
    profile.logStep(kLogKey, QStringLiteral("Inizio apertura %1").arg(attempt));
    if (!db.open(stored))
        return false;
    profile.logStep(kLogKey, QStringLiteral("Apertura sessione %1").arg(attempt));
    return true;
}

bool finish(Database& db, Profile& profile, const QString& valueName) {
    profile.setValue(S::Settings, valueName, db.connectionString());
    profile.setValue(S::Settings, QStringLiteral("TypeConnection"),
                     ConnectionString::TypeOf(db.connectionString()));
    profile.deleteLog(kLogKey);
    return true;
}
} // namespace

bool OpenDatabase(Database& db, Profile& profile, const QString& appDataFolder) {
    profile.logStep(kLogKey, QStringLiteral("Inizio apertura database"));
    if (!AppPaths::PrepareDataFolder(appDataFolder))
        return false;
    const QString file = AppPaths::DefaultDatabaseFile(appDataFolder);
    if (!QFileInfo::exists(file)) {
        const QString directory = profile.string(S::Settings, QStringLiteral("Directory"));
        if (directory.isEmpty())
            return false;
        if (!QFile::copy(AppPaths::TemplateFile(directory), file))
            return false;
        // The archive holds the firm's data: keep it private to its owner.
        QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    profile.logStep(kLogKey, QStringLiteral("Trovata cartella database"));

    if (tryStored(db, profile, QStringLiteral("MyConnection"), 1))
        return finish(db, profile, QStringLiteral("MyConnection"));
    if (tryStored(db, profile, QStringLiteral("Connection"), 2))
        return finish(db, profile, QStringLiteral("Connection"));

    profile.logStep(kLogKey, QStringLiteral("Inizio apertura 3"));
    if (!db.open(ConnectionString::ForSqlite(file))) {
        profile.logStep(kLogKey, db.errorText());
        return false;
    }
    profile.logStep(kLogKey, QStringLiteral("Termine apertura 3"));
    return finish(db, profile, QStringLiteral("Connection"));
}
