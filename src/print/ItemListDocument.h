#pragma once

#include "print/ItemTableDocument.h"

#include <QList>
#include <memory>

// "Lista della Merce": code, description, category and the four stock counters of each item,
// the quantities with the item's unit.
class ItemListDocument : public ItemTableDocument {
public:
    // The items of keys, in that order (the listed or the selected rows of the items list).
    // A failed read leaves no page and errorText() set.
    static std::unique_ptr<ItemListDocument> Make(const PrintSource& source,
                                                  const QList<int>& keys);

private:
    explicit ItemListDocument(const PrintSource& source);
};
