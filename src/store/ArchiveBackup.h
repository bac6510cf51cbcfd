#pragma once

#include <QString>

class Database;

// Copies of the open archive into a new SQLite file that the program opens like any archive:
// "Backup Dati", the copy taken before the step from version 17 and the automatic backup.
namespace ArchiveBackup {

// SQLite: a VACUUM INTO the new file. PostgreSQL: a new file made from the schema source and
// filled table by table, keys and key counters included, from one snapshot of the catalog.
// The copy is written under a temporary name and checked (integrity, version) before it takes
// the place of a file already at `path`; a failure leaves no new file and the old one as it
// was. Fails inside a transaction (SQLite copies only outside one).
bool CopyTo(Database& db, const QString& path, QString* error);

// Whether a file is an intact SQLite archive at the given version.
bool Verify(const QString& path, int expectedVersion, QString* error);

} // namespace ArchiveBackup
