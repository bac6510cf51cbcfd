#pragma once

#include <vector>

class Database;
class Profile;
struct ArtCounterInputs;

// Stock counters of one item, recomputed from its movement rows and open order rows. The
// profile receives the crash-log entries; it may be null where no crash log is kept.

// Total loaded (type 0), unloaded (types 1 and 3) and returned (type 2) quantity of an item, in
// single precision; 0 when it has no such rows or the query fails.
float GetArtCar(Database& db, Profile* profile, int itemId);
float GetArtSca(Database& db, Profile* profile, int itemId);
float GetArtReso(Database& db, Profile* profile, int itemId);

// Recomputes and stores every derived column of one item. False when the item cannot be read
// or written (its previous counters stay); does nothing, successfully, for a key not above 0.
bool UpdateArtInfo(Database& db, Profile* profile, int itemId);
// Two computers recomputing one item at once must not write a total read before the other's
// movement was committed: a recomputation reads and writes inside one transaction, and on a
// server it first locks the items' rows (in key order, so that two lists never deadlock), after
// which its reads see every movement committed before. SQLite's write lock does the same there.
// Called inside the caller's transaction.
bool LockItemsForCounters(Database& db, const std::vector<int>& sortedKeys);

// What one item's counters are computed from. False when the read fails; *found false when the
// item does not exist.
bool ReadArtCounterInputs(Database& db, int itemId, ArtCounterInputs* in, bool* found);
