#include "items/Classifications.h"

#include "store/Database.h"
#include "store/TableRecord.h"
#include "store/TextOrder.h"

#include <QSqlQuery>

namespace Classifications {

namespace {
struct Names {
    const char* table;
    const char* key;
    const char* name;
    int width;
};

const Names& names(Table table) {
    static const Names all[] = {
        {"Categorie", "IDCategoria", "Categoria", 30},
        {"Reparti", "IDReparto", "Reparto", 20},
        {"Scaffali", "IDScaffale", "Scaffale", 20},
        {"Gruppi", "IDGruppo", "Gruppo", 30},
    };
    return all[int(table)];
}
} // namespace

QString TableName(Table table) {
    return QLatin1String(names(table).table);
}
QString KeyColumn(Table table) {
    return QLatin1String(names(table).key);
}
QString NameColumn(Table table) {
    return QLatin1String(names(table).name);
}
int NameWidth(Table table) {
    return names(table).width;
}
QString ItemColumn(Table table) {
    return KeyColumn(table);
}

int CreateByName(Database& db, Table table, const QString& name) {
    const QString cut = Record::CutText(name, NameWidth(table));
    if (cut.isEmpty())
        return 0;
    // "gruppo x" is the group "Gruppo X" already there.
    const auto same = TextOrder::KeysIgnoringCase(db, TableName(table), KeyColumn(table),
                                                  NameColumn(table), cut, NameWidth(table));
    if (!same)
        return -1;
    for (int key : *same)
        if (key > 0)
            return key;
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("INSERT INTO %1 (%2) VALUES (?) RETURNING %3")
                      .arg(TableName(table), NameColumn(table), KeyColumn(table)),
                  {cut}) ||
        !q.next())
        return -1;
    return q.value(0).toInt();
}

int DeleteUnused(Database& db, Table table) {
    // One statement: another computer cannot give an item the row between count and delete.
    QSqlQuery q;
    if (!db.query(q, QStringLiteral("DELETE FROM %1 WHERE NOT EXISTS (SELECT 1 FROM Articoli "
                                    "WHERE Articoli.%2 = %1.%3)")
                         .arg(TableName(table), ItemColumn(table), KeyColumn(table))))
        return -1;
    return q.numRowsAffected();
}

bool List(Database& db, Table table, QList<Entry>* entries) {
    entries->clear();
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("SELECT %1, %2 FROM %3 WHERE %1 > ? ORDER BY %2")
                      .arg(KeyColumn(table), NameColumn(table), TableName(table)),
                  {0}))
        return false;
    while (q.next())
        entries->append({q.value(0).toInt(), Record::ReadText(q.value(1), NameWidth(table))});
    return !q.lastError().isValid();
}

bool Rename(Database& db, Table table, int key, const QString& name) {
    const QString cut = Record::CutText(name, NameWidth(table));
    if (cut.isEmpty() || key <= 0)
        return false;
    QSqlQuery q;
    return db.query(q,
                    QStringLiteral("UPDATE %1 SET %2 = ? WHERE %3 = ?")
                        .arg(TableName(table), NameColumn(table), KeyColumn(table)),
                    {cut, key}) &&
           q.numRowsAffected() == 1;
}

} // namespace Classifications
