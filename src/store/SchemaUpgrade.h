#pragma once

class Database;

// Brings an opened archive to the program's schema version.
// 0: at the current version; 1: failure, the archive must not be used; 2: the archive is newer
// than the program.
namespace SchemaUpgrade {
enum Result { UpToDate = 0, Failed = 1, Newer = 2 };

int ReadVersion(Database& db, bool* ok);
// Archives older than the current version are refused until the upgrade steps exist.
Result Run(Database& db);
} // namespace SchemaUpgrade
