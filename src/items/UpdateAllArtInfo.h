#pragma once

#include "items/ArtCounters.h"

#include <QList>
#include <utility>
#include <vector>

class Database;
class Profile;

// Recomputes the stock counters of every item in one pass: three grouped reads and one prepared
// write per item, in one transaction (or inside the caller's). Gives each item exactly what
// UpdateArtInfo gives it. Returns the number of items written, or -1 on failure (nothing is
// changed then, unless the caller's transaction goes on and commits).
int UpdateAllArtInfo(Database& db, Profile* profile);

// Recomputes the listed items (each once, keys not above 0 passed over), giving each exactly
// what UpdateArtInfo gives it, in one transaction (or inside the caller's): one read per 200
// items and the writes prepared once (on PostgreSQL, a few hundred rows a statement). For the items
// of a saved or deleted movement, where one call per item would cost a round trip or more per
// statement on a server. When any step fails it falls back on UpdateArtInfo item by item. False
// when an item could not be recomputed (a missing one included).
bool UpdateArtInfoList(Database& db, Profile* profile, const QList<int>& items);

// What every real item's counters are computed from, ordered by key: three grouped reads, held
// in memory. False on failure (db's errorText() tells).
using ItemCounterInputs = std::vector<std::pair<int, ArtCounterInputs>>;
bool ReadAllArtCounterInputs(Database& db, ItemCounterInputs* items);
