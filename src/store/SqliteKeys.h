#pragma once

#include <QString>
#include <QVariantList>
#include <vector>

class Database;

// Reads a one-column integer result straight through the SQLite library, for the lists that
// collect up to millions of keys: the driver's per-row overhead would be most of their time.
namespace SqliteKeys {

// Runs the statement with its bound values (integers, reals, texts, nulls) and appends the first
// column of every row. False when the connection is not SQLite or the statement fails; the
// error text is then in *error (empty when the connection is simply not SQLite).
bool Read(Database& db, const QString& sql, const QVariantList& values, std::vector<qint32>* keys,
          QString* error);

// The same on either back end: through the library on SQLite and on PostgreSQL (PostgresKeys),
// through the driver when the library cannot take the statement. Replaces *keys; false when the
// query failed (no keys, the error in the database).
bool ReadAny(Database& db, const QString& sql, const QVariantList& values,
             std::vector<qint32>* keys);

} // namespace SqliteKeys
