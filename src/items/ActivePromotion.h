#pragma once

#include <QDateTime>
#include <optional>

class Database;

// The promotion of an item that is in force on a day: the newest active one whose period holds
// the day, or one that is always on.
struct ActivePromotion {
    bool found = false;
    std::optional<float> sconto; // a discount rate, which wins over the quantity offers
    bool dueXUno = false;        // two for one
    bool treXDue = false;        // three for two
};

// False when the query fails (no promotion is then applied).
bool FindActivePromotion(Database& db, int itemId, const QDateTime& day, ActivePromotion* out);
