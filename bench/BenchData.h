#pragma once

#include <QString>

class Database;

// Builds archives of a chosen size for the benchmarks and the tests that need a realistic one:
// classifications, items with units, open and fulfilled orders, and movements of every type
// spread over several years with 1 to 10 rows each. The same seed gives the same archive.
namespace BenchData {

struct Sizes {
    int items = 1000;
    qint64 rows = 10000;      // movement rows; movements are added until there are this many
    int orders = -1;          // -1: one order for every ten items
    int rowsPerMovement = 10; // a movement gets 1 to this many rows
    unsigned seed = 1;
};

struct Counts {
    int items = 0;
    qint64 movements = 0;
    qint64 rows = 0;
    int orders = 0;
};

// Fills an open, empty archive, in one transaction with prepared statements.
bool Generate(Database& db, const Sizes& sizes, Counts* counts, QString* error);

// Adds movements to an archive Generate filled until it has `totalRows` movement rows.
bool AddMovements(Database& db, qint64 totalRows, unsigned seed, Counts* counts, QString* error);

// Adds `count` customers, suppliers and workers (about 60, 35 and 5 in a hundred) with
// Italian-looking names, addresses, telephones and tax codes; some fields are left empty. One
// transaction, prepared statements; the database assigns the keys.
bool AddCounterparts(Database& db, int count, unsigned seed, QString* error);

// Adds `count` agenda entries spread over 2019 to 2028 (about 27 a day): most within a day, some
// across midnight, some over several days, a few covering whole days. One transaction.
bool AddAgendaEntries(Database& db, int count, unsigned seed, QString* error);

// A new archive for a benchmark: an SQLite file at `target`, or, when `target` is a PostgreSQL
// server connection string, a new catalog on that server named `catalog`. Returns the
// connection string of the new archive, empty on failure.
QString CreateArchive(const QString& target, const QString& catalog, QString* error);
// Drops what CreateArchive made on a server; removes the file otherwise.
void DropArchive(const QString& target, const QString& catalog);

} // namespace BenchData
