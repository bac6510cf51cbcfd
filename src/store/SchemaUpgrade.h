#pragma once

class Database;

// Brings an opened archive to the program's schema version.
// 0: at the current version; 1: failure, the archive must not be used; 2: the archive is newer
// than the program.
namespace SchemaUpgrade {
enum Result { UpToDate = 0, Failed = 1, Newer = 2 };

int ReadVersion(Database& db, bool* ok);
// Archives older than the current version are refused until the upgrade steps exist. An
// archive at the current version gets the alphabetical indexes it lacks, and those an earlier
// build made on fewer columns are made again: the lists and look-ups are correct without them,
// only slower.
Result Run(Database& db);
void CreateMissingIndexes(Database& db);
} // namespace SchemaUpgrade
