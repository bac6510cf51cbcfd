#pragma once

#include "common/CurrencyAmount.h"
#include "print/ItemReportData.h"

#include <vector>

class Database;

// The prices of items: the purchase price, the selling price the item's own chain gives, the
// average purchase and sale prices of its movements (average price less the average discount,
// plus the average VAT) and two suppliers: the one of most loads and the one of the cheapest.
class ItemPriceReport {
public:
    struct Line {
        int key = 0;
        QString matricola, descrizione;
        CurrencyAmount purchase;    // Prezzo
        CurrencyAmount selling;     // net of VAT when included, mark-up on, discount off, VAT on
        CurrencyAmount avgPurchase; // null without loads
        CurrencyAmount avgSale;     // null without unloads or receipts
        QString usualSupplier;      // of most load rows; ties go to the name first in order
        QString bestSupplier;       // of the load at the lowest price; ties to the earliest row
    };

    // One line per item, in their order; the movements of all of them are read in a few grouped
    // queries. False when a query failed (db.errorText() tells).
    static bool Compute(Database& db, const std::vector<ItemReportItem>& items,
                        ItemPriceReport* report);

    // The selling price of the item dialog's chain, from the item's own columns.
    static CurrencyAmount SellingPrice(const ItemReportItem& item);
    // P x (1 - S) x (1 + I), rounded as a currency amount.
    static CurrencyAmount AveragePrice(const CurrencyAmount& price, double discount, double vat);

    const std::vector<Line>& lines() const { return m_lines; }

private:
    std::vector<Line> m_lines;
};
