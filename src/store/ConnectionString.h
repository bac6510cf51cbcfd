#pragma once

#include <QMap>
#include <QString>

// Connection strings keep the "Provider=...;Key=Value" shape:
//   Provider=QSQLITE;Data Source=<file>
//   Provider=QPSQL;Data Source=<host>[:port];Initial Catalog=<db>;User ID=<u>;Password=<p>
// A value that holds ';' (or begins with '"') is written between double quotes with every quote
// inside it doubled, as OLE DB strings do: Password="a;b""c" is the password a;b"c.
namespace ConnectionString {

// A stored value is a connection string only when its first eight characters are "Provider".
bool IsValid(const QString& text);
// 0 for the embedded SQLite file, 1 for a PostgreSQL catalog.
int TypeOf(const QString& text);

QString ForSqlite(const QString& file);
QString ForPostgres(const QString& server, const QString& catalog, const QString& user,
                    const QString& password);
// One value as it is written after its '=': quoted when it must be.
QString Quote(const QString& value);

// Key/value pairs; keys compare without regard to case. A quote that is never closed, or is
// followed by more than spaces before the next ';', is taken as part of a plain value.
QMap<QString, QString> Parse(const QString& text);
QString Value(const QString& text, const QString& key);

// The string without its password (and anything that follows its key up to the next ';'), for
// texts that leave the program, such as the system report. The other pairs keep their text.
QString WithoutPassword(const QString& text);

// The archive a string names, as the user is told about it: the file, or the catalog and its
// server. Never the user name or the password.
QString Describe(const QString& text);

} // namespace ConnectionString
