#pragma once

#include <QString>

class Database;

// A user's text as a LIKE operand. Only "*" is a wildcard (any run of characters): a "%" or "_"
// the user typed is a character like any other, escaped with "!" as LikeOperator declares.
QString LikeLiteral(const QString& typed);
// The text as typed with "*" as a wildcard: the whole value must match.
QString LikeWhole(const QString& typed);
// The same as a prefix: values that begin with the text.
QString LikePattern(const QString& typed);
// Values that contain the text, "*" included as a plain character.
QString LikeContains(const QString& typed);
// " LIKE ? ESCAPE '!'" on SQLite (whose connections register a LIKE that ignores the case of
// every letter); " ILIKE ? ESCAPE '!'" on PostgreSQL.
QString LikeOperator(const Database& db);
