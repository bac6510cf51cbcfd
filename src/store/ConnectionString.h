#pragma once

#include <QMap>
#include <QString>

// Connection strings keep the "Provider=...;Key=Value" shape:
//   Provider=QSQLITE;Data Source=<file>
//   Provider=QPSQL;Data Source=<host>[:port];Initial Catalog=<db>;User ID=<u>;Password=<p>
namespace ConnectionString {

// A stored value is a connection string only when its first eight characters are "Provider".
bool IsValid(const QString& text);
// 0 for the embedded SQLite file, 1 for a PostgreSQL catalog.
int TypeOf(const QString& text);

QString ForSqlite(const QString& file);
QString ForPostgres(const QString& server, const QString& catalog, const QString& user,
                    const QString& password);

// Key/value pairs; keys compare without regard to case. Values may not contain ';'.
QMap<QString, QString> Parse(const QString& text);
QString Value(const QString& text, const QString& key);

} // namespace ConnectionString
