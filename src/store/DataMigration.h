#pragma once

class UpgradeProgress;
class UpgradeSession;

// The data half of the step from version 17: the classification texts of the items become
// rows of Categorie, Reparti and Scaffali; every item gets its stock counters, unit and last
// movement date; every movement its counterpart's name and its totals. Runs on SQLite inside
// the upgrade's transaction; every value travels as a bound parameter.
namespace DataMigration {

// Items and movements are walked in this many bar steps.
constexpr int kItemSlots = 63;
constexpr int kMovementSlots = 18;

// After how many records the bar steps by one: never less than one.
int Stride(int count, int slots);

// False at the first failed statement (the session tells which).
bool Run(UpgradeSession& session, UpgradeProgress* progress);

} // namespace DataMigration
