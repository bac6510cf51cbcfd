#pragma once

#include <QString>
#include <QVariantList>
#include <vector>

class Database;

// The statements the stock counters run, in the text of the open back end. They differ in how
// the quantities are summed and in the type of Evaso (boolean on PostgreSQL).
namespace StockQueries {

enum class Sum { Carichi, Scarichi, Resi };

// One item's sum of movement rows of one kind; one bound value, the item key.
QString MovementSum(const Database& db, Sum kind);
// What one item's counters are computed from, in one row: IDUM, ScortaMin, GiacInit, the unit's
// Sigla, the three movement sums, the last movement date and the open-order quantity. Three
// bound values, each the item key. No row when the item does not exist.
QString ItemTotals(const Database& db);

// The same for several items at once, one row for each that exists: IDArticolo, then the columns
// of ItemTotals. *values receives what the statement binds.
QString ListedItemTotals(const Database& db, const std::vector<int>& keys, QVariantList* values);

// Every item at once, ordered by key: IDArticolo, the three sums, and the last date.
QString AllMovementSums(const Database& db);
// IDArticolo and the open-order quantity of every item on an open order.
QString AllOpenOrderSums(const Database& db);
// IDArticolo, IDUM, ScortaMin, GiacInit and Sigla of every real item, ordered by key.
QString AllItemInputs();

} // namespace StockQueries
