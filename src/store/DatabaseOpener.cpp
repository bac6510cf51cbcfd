#include "store/DatabaseOpener.h"

#include "common/AppPaths.h"
#include "common/Profile.h"
#include "store/ConnectionString.h"
#include "store/Database.h"

#include <QFile>
#include <QFileInfo>

namespace {
const QString kLogKey = QStringLiteral("ConnectDatabase");
const QString kChosen = QStringLiteral("MyConnection");
using S = Profile::Section;

void noteFailure(OpeningReport* report, const QString& valueName, const QString& connection,
                 const Database& db) {
    if (report)
        report->failures.append(
            {valueName, ConnectionString::Describe(connection), db.errorText().trimmed()});
}

bool tryStored(Database& db, Profile& profile, const QString& valueName, int attempt,
               OpeningReport* report) {
    const QString stored = profile.string(S::Settings, valueName);
    if (!ConnectionString::IsValid(stored))
        return false;
    profile.logStep(kLogKey, QStringLiteral("Inizio apertura %1").arg(attempt));
    if (!db.openToInspect(stored)) {
        noteFailure(report, valueName, stored, db);
        return false;
    }
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

const OpeningReport::Failure* OpeningReport::chosenFailure() const {
    for (const Failure& f : failures)
        if (f.valueName == kChosen)
            return &f;
    return nullptr;
}

bool OpenDatabase(Database& db, Profile& profile, const QString& appDataFolder,
                  OpeningReport* report, const std::function<bool()>& stopRequested) {
    const auto stop = [&] {
        if (!stopRequested || !stopRequested())
            return false;
        if (report)
            report->stopped = true;
        return true;
    };
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

    if (stop())
        return false;
    if (tryStored(db, profile, kChosen, 1, report))
        return finish(db, profile, kChosen);
    if (stop())
        return false;
    if (tryStored(db, profile, QStringLiteral("Connection"), 2, report))
        return finish(db, profile, QStringLiteral("Connection"));
    if (stop())
        return false;

    profile.logStep(kLogKey, QStringLiteral("Inizio apertura 3"));
    const QString connection = ConnectionString::ForSqlite(file);
    if (!db.openToInspect(connection)) {
        noteFailure(report, QString(), connection, db);
        profile.logStep(kLogKey, db.errorText());
        return false;
    }
    profile.logStep(kLogKey, QStringLiteral("Termine apertura 3"));
    return finish(db, profile, QStringLiteral("Connection"));
}
