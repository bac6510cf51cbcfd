#include "store/SchemaUpgrade.h"

#include "store/Database.h"
#include "store/Schema.h"

#include <QSet>
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

void CreateMissingIndexes(Database& db) {
    QSqlQuery q;
    if (!db.query(q, db.isPostgres() ? QStringLiteral("SELECT indexname FROM pg_indexes WHERE "
                                                      "schemaname = current_schema()")
                                     : QStringLiteral("SELECT name FROM sqlite_master WHERE "
                                                      "type = 'index'")))
        return;
    QSet<QString> present;
    while (q.next())
        present.insert(q.value(0).toString().toLower());
    const Schema::Dialect dialect =
        db.isPostgres() ? Schema::Dialect::PostgreSQL : Schema::Dialect::SQLite;
    for (const Schema::Index& index : Schema::AlphabeticalIndexes())
        if (!present.contains(Schema::IndexName(index).toLower()))
            // A refusal (a read-only file, a catalog the user does not own) leaves the archive
            // as it was.
            db.execute(Schema::CreateIndexStatement(index, dialect));
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
