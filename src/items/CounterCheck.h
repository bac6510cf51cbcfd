#pragma once

#include <QString>
#include <vector>

class Database;

// A stored counter of an item that the ledger does not give.
struct CounterDifference {
    int itemId = 0;
    QString code;   // the item's code (Matricola)
    QString column; // "Giacenza", "Carichi", ...
    QString stored; // the values as text: "NULL", a number, a date "yyyy-MM-dd hh:mm:ss"
    QString recomputed;
};

struct CounterCheckResult {
    int items = 0; // items compared
    std::vector<CounterDifference> differences;
};

// Compares the stored derived columns of every real item (or of the one item whose key is
// itemId > 0) with what UpdateArtInfo would write, and writes nothing. False when a read
// fails (db's errorText() tells) or, for one item, when it does not exist (*result->items 0).
bool CheckArtCounters(Database& db, int itemId, CounterCheckResult* result);
