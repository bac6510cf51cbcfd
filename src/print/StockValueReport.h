#pragma once

#include "common/CurrencyAmount.h"
#include "print/ItemReportData.h"

#include <QList>
#include <vector>

class Database;

// The stock value of items, from their movement rows grouped by type and price conditions.
// Each group's amount is price x quantity, less the discount, plus VAT; loads and returns add
// their discount and tax to the totals, unloads and receipts take theirs off. An item's value is
// what came in (loads and returns) less what went out (unloads and receipts).
class StockValueReport {
public:
    struct Line {
        int key = 0;
        QString matricola, descrizione;
        qint64 load = 0, unload = 0, returned = 0, discount = 0, tax = 0, value = 0; // 1/10000
    };
    struct Totals {
        qint64 load = 0, unload = 0, returned = 0, discount = 0, tax = 0;
        // The stock on hand at the items' list price, net of VAT: printed under "Giacenza".
        qint64 stockAtListPrice = 0;
        // The sum of the items' values: printed under "Valore Magazzino".
        qint64 value = 0;
    };

    // The report over items (as ItemReportData reads them), one line each in their order. The
    // movement groups of all of them are read in a few grouped queries. False when a query
    // failed (db.errorText() tells).
    static bool Compute(Database& db, const std::vector<ItemReportItem>& items,
                        StockValueReport* report);

    const std::vector<Line>& lines() const { return m_lines; }
    const Totals& totals() const { return m_totals; }

    static CurrencyAmount Amount(qint64 units) { return CurrencyAmount::fromUnits(units); }

private:
    std::vector<Line> m_lines;
    Totals m_totals;
};
