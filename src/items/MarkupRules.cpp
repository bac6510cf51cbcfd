#include "items/MarkupRules.h"

#include "common/Profile.h"
#include "company/Formats.h"

#include <cmath>

namespace MarkupRules {

CurrencyAmount SellingPrice(const CurrencyAmount& price, double markup) {
    if (!price.isValid() || !std::isfinite(markup))
        return CurrencyAmount::invalid();
    return CurrencyAmount::fromDouble(price.toDouble() * (1.0 + markup));
}

std::optional<double> FromSellingPrice(const CurrencyAmount& price, const CurrencyAmount& selling) {
    if (!price.isValid() || !selling.isValid() || price.units() == 0)
        return std::nullopt;
    return double(selling.units()) / double(price.units()) - 1.0;
}

int Decimals(const Profile& profile) {
    int n = profile.integer(Profile::Section::Azienda, QStringLiteral("NDecValNum"), -1);
    if (n < 0)
        n = 2;
    return n > 2 ? n : n + 1;
}

QString Format(const Profile& profile, double markup) {
    return FormatNumber(profile, markup, Decimals(profile), true);
}

} // namespace MarkupRules
