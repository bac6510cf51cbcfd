#include "items/ArtDelete.h"

namespace ArtDelete {

namespace {
const GuardedDelete::Tables kTables{QStringLiteral("Articoli"), QStringLiteral("IDArticolo"),
                                    QStringLiteral("SottoMovimenti"),
                                    QStringLiteral("SottoOrdini")};
} // namespace

Check CheckAll(Database& db, const QList<int>& itemIds) {
    return GuardedDelete::CheckAll(db, kTables, itemIds);
}

int DeleteAll(Database& db, const QList<int>& itemIds) {
    return int(GuardedDelete::DeleteAll(db, kTables, itemIds).size());
}

} // namespace ArtDelete
