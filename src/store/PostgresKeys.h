#pragma once

#include <QString>
#include <QVariantList>
#include <utility>
#include <vector>

class Database;

// Reads a one-column integer result straight through libpq (the library the Qt driver uses),
// in binary and a row at a time: for the lists that collect up to millions of keys, where the
// driver's per-row overhead would be a third of their time and a whole result in memory would
// cost tens of megabytes for a moment.
namespace PostgresKeys {

// Runs the statement ('?' placeholders, bound values of any kind the driver takes) and appends
// the first column of every row, which must be an integer column. False when the connection is
// not PostgreSQL or cannot take the statement now (*error empty: the caller may use the driver
// instead), or when the statement fails (*error says why).
bool Read(Database& db, const QString& sql, const QVariantList& values, std::vector<qint32>* keys,
          QString* error);

// The same for a key and a text column (names of a list): the rows in the statement's order.
bool ReadKeyTexts(Database& db, const QString& sql, const QVariantList& values,
                  std::vector<std::pair<qint32, QString>>* rows, QString* error);

// The statement with libpq's numbered placeholders ($1, $2, ...) for '?' outside quotes.
QString NumberedPlaceholders(const QString& sql);

} // namespace PostgresKeys
