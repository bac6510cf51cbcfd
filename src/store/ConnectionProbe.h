#pragma once

#include <QString>
#include <QStringList>

// What the connection dialog builds and checks before a connection string is stored: the string
// from the dialog's fields, a test opening with the three queries that tell this program's
// archives from other files and catalogs, and the list of a server's catalogs.
namespace ConnectionProbe {

// The dialog's fields. The password is never trimmed: spaces may be part of it.
struct Fields {
    bool postgres = false;
    QString file;
    QString server;
    QString user;
    QString password;
    QString catalog;
};

QString Build(const Fields& fields);
// The fields a stored string fills (an unknown or empty string gives the SQLite mode, empty).
Fields FromString(const QString& connection);

enum class Result { Usable, OpenFailed, NotQuarzil };

// Opens a connection of its own (the file is left exactly as it was found, never switched to
// another journal mode) and runs the three probe queries. *error gets the driver's text, with
// the password hidden.
Result Probe(const QString& connection, QString* error);

// The catalogs of the server whose fields are given, the templates left out, those the user may
// not connect to too, in name order. The server is reached through its maintenance catalog
// ("postgres"), else through the typed one, else through "template1": a name typed for a catalog
// that does not exist yet must not stop the list.
bool ListCatalogs(const Fields& fields, QStringList* names, QString* error);

// The text with every occurrence of the password replaced by asterisks. Passwords shorter than
// three characters are left alone: hiding them would garble every word of the text.
QString HidePassword(const QString& text, const QString& password);

} // namespace ConnectionProbe
