#include "items/ItemStore.h"

#include "items/ArtFilter.h"
#include "items/Classifications.h"
#include "items/StockCounters.h"
#include "store/CodeCompletion.h"
#include "store/Database.h"
#include "store/LikePattern.h"
#include "store/TextOrder.h"
#include "store/TransactionGuard.h"

#include <QSqlQuery>

ItemEditRecord ItemStore::NewRecord() {
    ItemEditRecord r;
    r.Iva = 0.22f;
    r.IncIva = false;
    return r;
}

bool ItemStore::load(qint32 id, ItemEditRecord& record) {
    return LoadRecord(m_db, id, record);
}

std::optional<int> ItemStore::itemCount() {
    QSqlQuery q;
    if (!m_db.query(q, QStringLiteral("SELECT COUNT(IDArticolo) AS Totale FROM Articoli")) ||
        !q.next())
        return std::nullopt;
    return q.value(0).toInt();
}

bool ItemStore::isLarge() {
    return itemCount().value_or(0) > kLargeArchive;
}

namespace {

// Without regard to case: "art001" is a duplicate of "ART001".
std::optional<int> CountEqual(Database& db, const QString& column, const QString& value,
                              int width) {
    const auto keys = TextOrder::KeysIgnoringCase(
        db, QStringLiteral("Articoli"), QStringLiteral("IDArticolo"), column, value, width);
    if (!keys)
        return std::nullopt;
    return int(keys->size());
}

QString SupplierFilter(const Database& db) {
    return db.isPostgres() ? QStringLiteral("CliFor = FALSE AND Operaio = FALSE")
                           : QStringLiteral("CliFor = 0 AND Operaio = 0");
}

} // namespace

std::optional<int> ItemStore::codeCount(const QString& code) {
    return CountEqual(m_db, QStringLiteral("Matricola"), code, kCodeWidth);
}

std::optional<int> ItemStore::barcodeCount(const QString& barcode) {
    return CountEqual(m_db, QStringLiteral("CodBarre"), barcode, kBarcodeWidth);
}

QString ItemStore::completeCode(const QString& typed) {
    return CodeCompletion::Complete(m_db, QStringLiteral("Articoli"), QStringLiteral("IDArticolo"),
                                    QStringLiteral("Matricola"), kCodeWidth, typed);
}

bool ItemStore::suppliers(QList<Supplier>* list) {
    list->clear();
    QSqlQuery q;
    if (!m_db.query(q,
                    QStringLiteral("SELECT IDCliFor, Codice, RagSoc, CodFisc FROM CliFor WHERE "
                                   "IDCliFor > ? AND ") +
                        SupplierFilter(m_db) +
                        // Walking the name index would visit every record, customers and
                        // workers too, one table look-up each: reading and sorting the
                        // suppliers is three times faster on SQLite.
                        (m_db.isPostgres() ? QStringLiteral(" ORDER BY RagSoc")
                                           : QStringLiteral(" ORDER BY +RagSoc")),
                    {0}))
        return false;
    while (q.next())
        list->append({q.value(0).toInt(), Record::ReadText(q.value(1), 20),
                      Record::ReadText(q.value(2), 100), Record::ReadText(q.value(3), 16)});
    return !q.lastError().isValid();
}

int ItemStore::supplierByCode(const QString& prefix) {
    if (prefix.isEmpty())
        return 0;
    QSqlQuery q;
    // Workers are left out as in the list itself, so a match is always an entry of the list.
    if (!m_db.query(q,
                    QStringLiteral("SELECT IDCliFor FROM CliFor WHERE IDCliFor > ? AND Codice") +
                        LikeOperator(m_db) + QStringLiteral(" AND ") + SupplierFilter(m_db) +
                        QStringLiteral(" ORDER BY RagSoc LIMIT 1"),
                    {0, LikePattern(prefix)}) ||
        !q.next())
        return 0;
    return q.value(0).toInt();
}

bool ItemStore::save(Save& save, Profile* profile) {
    TransactionGuard guard(m_db);
    if (!guard.isActive())
        return false;
    using Classifications::Table;
    const struct {
        Table table;
        const QString& name;
        std::optional<qint32>& key;
    } created[] = {
        {Table::Categorie, save.newCategory, save.record.IDCategoria},
        {Table::Gruppi, save.newGroup, save.record.IDGruppo},
        {Table::Reparti, save.newDepartment, save.record.IDReparto},
        {Table::Scaffali, save.newShelf, save.record.IDScaffale},
    };
    ItemEditRecord& r = save.record;
    const ItemEditRecord before = r;
    for (const auto& c : created) {
        if (c.name.trimmed().isEmpty())
            continue;
        const int key = Classifications::CreateByName(m_db, c.table, c.name);
        if (key < 0) {
            r = before;
            return false;
        }
        c.key = key;
    }
    TableRecordSet<ItemEditRecord> set(m_db);
    const bool opened = r.IDArticolo > 0;
    if (!(opened ? set.change(r) : set.insert(r))) {
        r = before;
        return false;
    }
    // A new item's counters too (its stock is its initial stock): in the same transaction, so
    // that no item is ever saved without them.
    if (!UpdateArtInfo(m_db, profile, r.IDArticolo)) {
        r = before;
        return false;
    }
    if (opened) {
        // A category nobody uses any more would only clutter the box.
        const int left = save.previousCategory;
        if (left > 0 && left != r.IDCategoria.value_or(0) &&
            !m_db.execute(QStringLiteral("DELETE FROM Categorie WHERE IDCategoria = ? AND NOT "
                                         "EXISTS (SELECT 1 FROM Articoli WHERE IDCategoria = ?)"),
                          {left, left})) {
            r = before;
            return false;
        }
    }
    if (!guard.commit()) {
        r = before;
        return false;
    }
    return true;
}
