#include "store/SchemaUpgrade.h"

#include "store/Database.h"
#include "store/Schema.h"

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

Result Run(Database& db) {
    bool ok = false;
    const int version = ReadVersion(db, &ok);
    if (!ok)
        return Failed;
    if (version > Schema::kCurrentVersion)
        return Newer;
    if (version == Schema::kCurrentVersion)
        return UpToDate;
    return Failed;
}

} // namespace SchemaUpgrade
