#pragma once

#include <QString>

class Database;

// A user's pattern as the SQL LIKE operand: "*" becomes "%", and a "%" is appended (prefix).
QString LikePattern(const QString& typed);
// " LIKE ?" on SQLite; " ILIKE ? ESCAPE ''" on PostgreSQL (a backslash typed by the user is a
// plain character there too).
QString LikeOperator(const Database& db);
