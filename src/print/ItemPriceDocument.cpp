#include "print/ItemPriceDocument.h"

#include "company/Formats.h"
#include "store/Database.h"

ItemPriceDocument::ItemPriceDocument(const PrintSource& source)
    : ItemTableDocument(source, QStringLiteral("Lista Prezzi"),
                        {{QStringLiteral("Matricola"), 200},
                         {QStringLiteral("Descrizione"), 330},
                         {QStringLiteral("Prezzo Acquisto"), 185, true},
                         {QStringLiteral("Prezzo Vendita"), 185, true},
                         {QStringLiteral("Prezzo Medio Acquisto"), 185, true},
                         {QStringLiteral("Prezzo Medio Vendita"), 185, true},
                         {QStringLiteral("Fornitore Abituale"), 365},
                         {QStringLiteral("Miglior Fornitore"), 365}}) {}

std::unique_ptr<ItemPriceDocument> ItemPriceDocument::Make(const PrintSource& source,
                                                           const QList<int>& keys) {
    std::unique_ptr<ItemPriceDocument> doc(new ItemPriceDocument(source));
    std::vector<ItemReportItem> items;
    if (!ItemReportData::ReadItems(source.db, keys, &items) ||
        !ItemPriceReport::Compute(source.db, items, &doc->m_report)) {
        doc->setError(source.db.errorText());
        return doc;
    }
    // A price that is not there (no loads, no sales) prints nothing.
    auto money = [&](const CurrencyAmount& amount) {
        return amount.isValid() ? FormatCurrency(source.profile, amount) : QString();
    };
    std::vector<QStringList> rows;
    rows.reserve(doc->m_report.lines().size());
    for (const ItemPriceReport::Line& l : doc->m_report.lines())
        rows.push_back({l.matricola, l.descrizione, money(l.purchase), money(l.selling),
                        money(l.avgPurchase), money(l.avgSale), l.usualSupplier, l.bestSupplier});
    doc->setRows(std::move(rows));
    return doc;
}
