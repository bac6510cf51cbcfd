#include "counterparts/AnaDelete.h"

namespace AnaDelete {

namespace {
const GuardedDelete::Tables kTables{QStringLiteral("CliFor"), QStringLiteral("IDCliFor"),
                                    QStringLiteral("Movimenti"), QStringLiteral("Ordini")};
} // namespace

Check CheckAll(Database& db, const QList<int>& ids) {
    return GuardedDelete::CheckAll(db, kTables, ids);
}

QList<int> DeleteAll(Database& db, const QList<int>& ids) {
    return GuardedDelete::DeleteAll(db, kTables, ids);
}

} // namespace AnaDelete
