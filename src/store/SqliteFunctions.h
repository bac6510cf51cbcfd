#pragma once

#include <QSqlDatabase>

struct sqlite3;

// What every SQLite connection of the program adds to the library: the alphabetical collation
// the lists and their indexes use (TextOrder), and a LIKE that ignores the case of every
// letter, as PostgreSQL's ILIKE does, instead of ASCII letters only. A connection without them
// (another program's) can read the archive but not write the tables of the alphabetical
// indexes.
namespace SqliteFunctions {

// The library's handle of an open QSQLITE connection; null for any other.
sqlite3* Handle(const QSqlDatabase& db);

// Registers both on the connection. False when it is not an open SQLite connection or the
// library refuses.
bool Register(const QSqlDatabase& db);

} // namespace SqliteFunctions
