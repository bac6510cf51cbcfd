#pragma once

#include <QString>
#include <QStringList>

// A new, empty PostgreSQL catalog for this program on a server: the tables and indexes of the
// schema source, the units of measure of the template database, the schema version.
namespace CatalogCreator {

struct Request {
    QString server;
    QString user;
    QString password;
    // The new catalog's name, used exactly as given (it is quoted as an identifier).
    QString catalog;
    // The template database the units of measure are copied from.
    QString templateFile;
};

struct Outcome {
    // The driver's text (password hidden) when the creation failed; a failure after CREATE
    // DATABASE drops the catalog again, one that already existed is never touched.
    QString error;
    // One "statement with its values" line per unit that could not be copied; the other units
    // are copied all the same.
    QStringList unitFailures;
};

// A unit's text as it is copied: surrounding white space trimmed, the first character kept as
// it is and the rest in lower case ("  KG " -> "Kg", "mQ" -> "mq").
QString UnitText(const QString& text);

// True when the catalog was created; *outcome tells what went wrong.
bool Create(const Request& request, Outcome* outcome);

} // namespace CatalogCreator
