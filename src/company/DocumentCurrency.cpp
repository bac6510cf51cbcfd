#include "company/DocumentCurrency.h"

#include "common/Profile.h"
#include "company/Formats.h"

#include <algorithm>
#include <cmath>

CurrencyConvention DocumentCurrencyConvention(const DocumentCurrency& document,
                                              const Profile& profile, const QLocale& locale) {
    if (document.hasOwnCurrency())
        return {document.symbol, document.decimals, document.decimal, document.grouping};
    if (auto company = StoredCurrencyConvention(profile))
        return *company;
    return LocaleCurrencyConvention(locale, false);
}

NumberConvention DocumentNumberConvention(const DocumentCurrency& document, const Profile& profile,
                                          const QLocale& locale) {
    if (!document.numberDecimal.isEmpty())
        return {document.numberDecimals, document.numberDecimal, document.numberGrouping};
    if (auto company = StoredNumberConvention(profile))
        return *company;
    return LocaleNumberConvention(locale);
}

QString CompanyCurrencySymbol(const Profile& profile) {
    const QString symbol = profile.string(Profile::Section::Azienda, QStringLiteral("SimbVal"));
    return symbol.isEmpty() ? QStringLiteral("€") : symbol;
}

QString FormatExchangeRate(const Profile& profile, float rate) {
    const int company =
        profile.integer(Profile::Section::Azienda, QStringLiteral("NDecValNum"), -1);
    if (company < 0)
        return FormatNumber(profile, rate);
    const double value = rate;
    int decimals = company;
    // A float carries about seven significant digits: beyond that the digits are noise.
    const double tolerance = 5e-7 * std::max(1.0, std::fabs(value));
    while (decimals < 6) {
        const double scale = std::pow(10.0, decimals);
        if (std::fabs(std::round(value * scale) / scale - value) <= tolerance)
            break;
        ++decimals;
    }
    return FormatNumber(profile, value, decimals);
}

QUrl CurrencyConverterPage() {
    return QUrl(QStringLiteral("https://www.xe.com/it/currencyconverter/"));
}
