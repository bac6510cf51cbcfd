#include "store/SchemaUpgrade.h"

#include "store/Database.h"
#include "store/Schema.h"

#include <QHash>
#include <QSqlQuery>
#include <QVariant>

namespace SchemaUpgrade {

int ReadVersion(Database& db, bool* ok) {
    *ok = false;
    QSqlQuery q;
    if (!db.query(q, QStringLiteral("SELECT Versione FROM Informazioni")) || !q.next())
        return 0;
    return q.value(0).toInt(ok);
}

namespace {

// The key columns of an index's definition, lowered and without spaces or quotes:
// "data,idmovimento".
QString keyColumns(const QString& definition) {
    const qsizetype open = definition.lastIndexOf(u'(');
    const qsizetype close = definition.lastIndexOf(u')');
    if (open < 0 || close < open)
        return QString();
    QString columns = definition.mid(open + 1, close - open - 1).toLower();
    columns.remove(u' ');
    columns.remove(u'"');
    return columns;
}

} // namespace

void CreateMissingIndexes(Database& db) {
    QSqlQuery q;
    if (!db.query(q, db.isPostgres() ? QStringLiteral("SELECT indexname, indexdef FROM pg_indexes "
                                                      "WHERE schemaname = current_schema()")
                                     : QStringLiteral("SELECT name, sql FROM sqlite_master WHERE "
                                                      "type = 'index'")))
        return;
    QHash<QString, QString> present;
    while (q.next())
        present.insert(q.value(0).toString().toLower(), q.value(1).toString());
    q.finish();
    const Schema::Dialect dialect =
        db.isPostgres() ? Schema::Dialect::PostgreSQL : Schema::Dialect::SQLite;
    for (const Schema::Index& index : Schema::AlphabeticalIndexes())
        if (!present.contains(Schema::IndexName(index).toLower()))
            // A refusal (a read-only file, a catalog the user does not own) leaves the archive
            // as it was.
            db.execute(Schema::CreateIndexStatement(index, dialect));
    // An index an earlier build made on fewer columns is made again, in one transaction so that
    // a refusal keeps the old one.
    for (const Schema::Index& index : Schema::Indexes()) {
        const auto found = present.constFind(Schema::IndexName(index).toLower());
        const QString wanted = keyColumns(Schema::CreateIndexStatement(index, dialect));
        if (found == present.constEnd() || keyColumns(*found) == wanted || db.inTransaction() ||
            !db.beginTransaction())
            continue;
        if (db.execute(QStringLiteral("DROP INDEX %1").arg(Schema::IndexName(index))) &&
            db.execute(Schema::CreateIndexStatement(index, dialect)))
            db.commit();
        else
            db.rollback();
    }
    // Nor is it an error that a later message should show.
    db.setError(QSqlError());
}

Result Run(Database& db) {
    bool ok = false;
    const int version = ReadVersion(db, &ok);
    if (!ok)
        return Failed;
    if (version > Schema::kCurrentVersion)
        return Newer;
    if (version == Schema::kCurrentVersion) {
        CreateMissingIndexes(db);
        return UpToDate;
    }
    return Failed;
}

} // namespace SchemaUpgrade
