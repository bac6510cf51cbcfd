#pragma once

#include <QList>
#include <QString>
#include <functional>

class Database;
class Profile;

// What an opening met on its way, for the start-up to tell the user.
struct OpeningReport {
    struct Failure {
        // "MyConnection" or "Connection"; empty for the default file.
        QString valueName;
        // The archive tried, as ConnectionString::Describe names it.
        QString archive;
        QString error;
    };
    // Every attempt that failed, in the order they were made.
    QList<Failure> failures;
    // The opening gave up between two attempts because it was asked to stop.
    bool stopped = false;

    // The failure of the archive the user chose (MyConnection), when it failed.
    const Failure* chosenFailure() const;
};

// Opens the archive at start-up: the user's chosen connection (MyConnection), then the last
// good one (Connection), then the default file in the data folder, copied from the template on
// a first run. Each step is written to the crash log under "ConnectDatabase". On success the
// string that worked is stored and TypeConnection describes the open connection.
// The archive is left exactly as it was found (Database::openToInspect): once its version is
// accepted, the caller calls Database::prepareForUse(). stopRequested, asked between attempts,
// ends the opening early (a termination signal during a long connect).
bool OpenDatabase(Database& db, Profile& profile, const QString& appDataFolder,
                  OpeningReport* report = nullptr, const std::function<bool()>& stopRequested = {});
