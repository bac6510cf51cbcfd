#include "store/ArchiveInfo.h"

#include "store/Database.h"
#include "store/SchemaUpgrade.h"

#include <QSqlQuery>

namespace {

bool count(Database& db, const char* table, qint64* n) {
    QSqlQuery q;
    if (!db.query(q, QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table))) ||
        !q.next())
        return false;
    *n = q.value(0).toLongLong();
    return true;
}

} // namespace

bool ReadArchiveInfo(Database& db, ArchiveInfo* info) {
    bool ok = false;
    info->schemaVersion = SchemaUpgrade::ReadVersion(db, &ok);
    return ok && count(db, "Articoli", &info->items) && count(db, "CliFor", &info->counterparts) &&
           count(db, "Movimenti", &info->movements) && count(db, "SottoMovimenti", &info->rows) &&
           count(db, "Scadenze", &info->agendaEntries);
}
