#pragma once

#include "company/FormatConventions.h"

#include <QString>
#include <QUrl>

class Profile;

// A movement's own currency set: how its amounts and numbers are written and how many units of
// the document currency one unit of the company currency is worth.
struct DocumentCurrency {
    QString symbol;
    int decimals = 2;
    QString decimal;
    QString grouping;
    int numberDecimals = 2;
    QString numberDecimal;
    QString numberGrouping;
    float exchangeRate = 1.0f;

    // A rate of 0 or less means the two currencies are worth the same.
    float effectiveRate() const { return exchangeRate > 0.0f ? exchangeRate : 1.0f; }
    bool hasOwnCurrency() const { return !symbol.isEmpty(); }

    friend bool operator==(const DocumentCurrency&, const DocumentCurrency&) = default;
};

// What the document's currency dialog opens with. Without a symbol of its own the document
// takes the company's convention, else the locale's (a symbol only in front of the number is
// found); the number group likewise. Nothing is written to the profile.
CurrencyConvention DocumentCurrencyConvention(const DocumentCurrency& document,
                                              const Profile& profile,
                                              const QLocale& locale = QLocale());
NumberConvention DocumentNumberConvention(const DocumentCurrency& document, const Profile& profile,
                                          const QLocale& locale = QLocale());

// The company currency's symbol as the exchange line names it: "€" when none is set.
QString CompanyCurrencySymbol(const Profile& profile);

// The rate in the company's number format, with as many more decimals (up to six) as it needs,
// so that showing it and reading it back does not round it.
QString FormatExchangeRate(const Profile& profile, float rate);

// A public currency converter, for looking up today's rate.
QUrl CurrencyConverterPage();
