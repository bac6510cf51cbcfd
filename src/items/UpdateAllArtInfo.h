#pragma once

#include "items/ArtCounters.h"

#include <utility>
#include <vector>

class Database;
class Profile;

// Recomputes the stock counters of every item in one pass: three grouped reads and one prepared
// write per item, in one transaction (or inside the caller's). Gives each item exactly what
// UpdateArtInfo gives it. Returns the number of items written, or -1 on failure (nothing is
// changed then, unless the caller's transaction goes on and commits).
int UpdateAllArtInfo(Database& db, Profile* profile);

// What every real item's counters are computed from, ordered by key: three grouped reads, held
// in memory. False on failure (db's errorText() tells).
using ItemCounterInputs = std::vector<std::pair<int, ArtCounterInputs>>;
bool ReadAllArtCounterInputs(Database& db, ItemCounterInputs* items);
