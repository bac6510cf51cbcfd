#pragma once

class Database;
class Profile;

// Recomputes the stock counters of every item in one pass: three grouped reads and one prepared
// write per item, in one transaction (or inside the caller's). Gives each item exactly what
// UpdateArtInfo gives it. Returns the number of items written, or -1 on failure (nothing is
// changed then, unless the caller's transaction goes on and commits).
int UpdateAllArtInfo(Database& db, Profile* profile);
