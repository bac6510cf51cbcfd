#include "print/StockValueDocument.h"

#include "company/Formats.h"
#include "store/Database.h"

StockValueDocument::StockValueDocument(const PrintSource& source)
    : ItemTableDocument(source, QStringLiteral("Valore Magazzino"),
                        {{QStringLiteral("Matricola"), 230},
                         {QStringLiteral("Descrizione"), 420},
                         {QStringLiteral("Carico"), 225, true},
                         {QStringLiteral("Scarico"), 225, true},
                         {QStringLiteral("Reso"), 225, true},
                         {QStringLiteral("Sconti"), 225, true},
                         {QStringLiteral("IVA"), 225, true},
                         {QStringLiteral("Valore"), 225, true}}) {}

std::unique_ptr<StockValueDocument> StockValueDocument::Make(const PrintSource& source,
                                                             const QList<int>& keys) {
    std::unique_ptr<StockValueDocument> doc(new StockValueDocument(source));
    std::vector<ItemReportItem> items;
    if (!ItemReportData::ReadItems(source.db, keys, &items) ||
        !StockValueReport::Compute(source.db, items, &doc->m_report)) {
        doc->setError(source.db.errorText());
        return doc;
    }
    auto money = [&](qint64 units) {
        return FormatCurrency(source.profile, StockValueReport::Amount(units));
    };
    std::vector<QStringList> rows;
    rows.reserve(doc->m_report.lines().size());
    for (const StockValueReport::Line& l : doc->m_report.lines())
        rows.push_back({l.matricola, l.descrizione, money(l.load), money(l.unload),
                        money(l.returned), money(l.discount), money(l.tax), money(l.value)});
    doc->setRows(std::move(rows));
    const StockValueReport::Totals& t = doc->m_report.totals();
    doc->setClosingLines(
        {QStringLiteral("Carichi: %1 - Scarichi: %2 - Resi: %3")
             .arg(money(t.load), money(t.unload), money(t.returned)),
         QStringLiteral("Sconti: %1 - IVA: %2 - Giacenza: %3 - Valore Magazzino: %4")
             .arg(money(t.discount), money(t.tax), money(t.stockAtListPrice), money(t.value))});
    return doc;
}
