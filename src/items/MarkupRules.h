#pragma once

#include "common/CurrencyAmount.h"

#include <QString>
#include <optional>

class Profile;

// The arithmetic of a mark-up (a fraction: 0.5 is 50 %) on a purchase price.
namespace MarkupRules {

// price + price × mark-up; invalid when the price is not a valid amount.
CurrencyAmount SellingPrice(const CurrencyAmount& price, double markup);

// The mark-up that turns the price into the selling price: selling / price − 1. None when
// either is not a valid amount or the price is zero, which would give no finite number.
std::optional<double> FromSellingPrice(const CurrencyAmount& price, const CurrencyAmount& selling);

// Mark-ups show one decimal more than other numbers (NDecValNum, 2 when unset), so that a
// mark-up worked back from a price is not visibly rounded; from three decimals up the setting
// already shows enough.
int Decimals(const Profile& profile);
QString Format(const Profile& profile, double markup);

} // namespace MarkupRules
