#pragma once

#include <QString>
#include <functional>

class Database;
class UpgradeProgress;

// Brings an opened archive to the program's schema version.
// 0: at the current version; 1: failure, the archive must not be used; 2: the archive is newer
// than the program.
namespace SchemaUpgrade {
enum Result { UpToDate = 0, Failed = 1, Newer = 2 };

struct Options {
    // Where the copy taken before the step from version 17 goes; empty: the user's data folder.
    QString dataFolder;
    // Shown while the data migration runs; null: nobody watches.
    UpgradeProgress* progress = nullptr;
    // Every statement as it is sent (tests).
    std::function<void(const QString& sql)> statementSent;
    // Stops at this version instead of the current one: for building archives of an earlier
    // version (tests, benchmarks).
    int targetVersion = 0;
};

// What an upgrade did, and where it stopped when it failed.
struct Report {
    int fromVersion = -1;
    // The version whose step failed; -1 when the failure came before or after the steps.
    int failedStep = -1;
    // The statement (or the operation) that failed, and the back end's word for why.
    QString failedWhat;
    QString error;
    // The copy taken before the step from version 17, when one was taken.
    QString backupFile;

    // One line for the log and the command line.
    QString describe() const;
};

// The name of the copy taken before the step from version 17, in the data folder.
QString BackupFileName();

int ReadVersion(Database& db, bool* ok);
// Every step from the archive's version to the current one, the data migration and the new
// version number run in one transaction: a failure leaves the archive exactly as it was. An
// archive at the current version gets the alphabetical indexes it lacks, and those an earlier
// build made on fewer columns are made again: the lists and look-ups are correct without them,
// only slower.
Result Run(Database& db);
Result Run(Database& db, const Options& options, Report* report);
void CreateMissingIndexes(Database& db);
} // namespace SchemaUpgrade
