#include "print/ItemListDocument.h"

#include "print/ItemReportData.h"
#include "store/Database.h"

ItemListDocument::ItemListDocument(const PrintSource& source)
    : ItemTableDocument(source, QStringLiteral("Lista della Merce"),
                        {{QStringLiteral("Matricola"), 250},
                         {QStringLiteral("Descrizione"), 590},
                         {QStringLiteral("Categoria"), 280},
                         {QStringLiteral("Carico"), 220, true},
                         {QStringLiteral("Scarico"), 220, true},
                         {QStringLiteral("Reso"), 220, true},
                         {QStringLiteral("Giacenza"), 220, true}}) {}

std::unique_ptr<ItemListDocument> ItemListDocument::Make(const PrintSource& source,
                                                         const QList<int>& keys) {
    std::unique_ptr<ItemListDocument> doc(new ItemListDocument(source));
    std::vector<ItemReportItem> items;
    if (!ItemReportData::ReadItems(source.db, keys, &items)) {
        doc->setError(source.db.errorText());
        return doc;
    }
    std::vector<QStringList> rows;
    rows.reserve(items.size());
    for (const ItemReportItem& item : items) {
        auto quantity = [&](const std::optional<float>& value) {
            return ItemReportData::QuantityText(source.profile, value.value_or(0.0f), item.unit);
        };
        rows.push_back({item.matricola, item.descrizione, item.categoria, quantity(item.carichi),
                        quantity(item.scarichi), quantity(item.resi), quantity(item.giacenza)});
    }
    doc->setRows(std::move(rows));
    return doc;
}
