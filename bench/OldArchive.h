#pragma once

#include <QString>

class Database;

// Archives of the versions before the current one, for the upgrade's tests and benchmark:
// the tables as the first version had them, brought forward by the program's own steps.
namespace OldArchive {

// A new SQLite file at `path` holding the base tables at version 0 (no rows but the version),
// then upgraded to `version` (no further than 17 leaves the data migration to do). Returns the
// connection string, empty on failure.
QString Create(const QString& path, int version, QString* error);

// Fills an archive made by Create(path, 17) with the rows of a current archive `source` (a
// file BenchData filled): the classification names go back into the item texts they came from.
bool FillFromCurrent(Database& db, const QString& source, QString* error);

} // namespace OldArchive
