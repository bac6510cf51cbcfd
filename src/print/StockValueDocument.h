#pragma once

#include "print/ItemTableDocument.h"
#include "print/StockValueReport.h"

#include <QList>
#include <memory>

// The stock value report: per item the load, unload and return values, the discount and tax
// totals and the item's value, closed by two lines of totals; "Giacenza" there is the stock on
// hand at list price, "Valore Magazzino" the sum of the items' values.
class StockValueDocument : public ItemTableDocument {
public:
    // The items of keys, in that order. A failed read leaves no page and errorText() set.
    static std::unique_ptr<StockValueDocument> Make(const PrintSource& source,
                                                    const QList<int>& keys);

    const StockValueReport& report() const { return m_report; }

private:
    explicit StockValueDocument(const PrintSource& source);

    StockValueReport m_report;
};
