#pragma once

#include "print/ItemPriceReport.h"
#include "print/ItemTableDocument.h"

#include <QList>
#include <memory>

// The price list of items: purchase and selling price, the average purchase and sale prices of
// their movements, the usual and the best supplier.
class ItemPriceDocument : public ItemTableDocument {
public:
    // The items of keys, in that order. A failed read leaves no page and errorText() set.
    static std::unique_ptr<ItemPriceDocument> Make(const PrintSource& source,
                                                   const QList<int>& keys);

    const ItemPriceReport& report() const { return m_report; }

private:
    explicit ItemPriceDocument(const PrintSource& source);

    ItemPriceReport m_report;
};
