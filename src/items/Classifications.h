#pragma once

#include <QList>
#include <QString>

class Database;

// The four lookup tables that classify items. Each row is a key and a name; an item refers to
// a row by key, 0 meaning none.
namespace Classifications {

enum class Table { Categorie, Reparti, Scaffali, Gruppi };

struct Entry {
    int key = 0;
    QString name;
};

// Table, key and name column names, and the name's width in characters.
QString TableName(Table table);
QString KeyColumn(Table table);
QString NameColumn(Table table);
int NameWidth(Table table);
// The item column that refers to the table (IDCategoria, IDReparto, IDScaffale, IDGruppo).
QString ItemColumn(Table table);

// The key of the row with this name (cut to the table's width, compared without regard to
// case; the lowest key when several match), inserting the row as typed when there is none. 0
// for an empty name; -1 on failure.
int CreateByName(Database& db, Table table, const QString& name);

// Deletes every row that no item refers to. The number deleted, or -1 on failure.
int DeleteUnused(Database& db, Table table);

// The rows in name order, as the combo boxes and the change of other values list them.
// False on failure.
bool List(Database& db, Table table, QList<Entry>* entries);

// Gives one row a new name, cut to the table's width and stored as typed. False when the name
// is empty, the row does not exist or the statement fails.
bool Rename(Database& db, Table table, int key, const QString& name);

} // namespace Classifications
