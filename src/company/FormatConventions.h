#pragma once

#include <QLocale>
#include <QString>
#include <optional>

class Profile;

// The company's currency convention ("Azienda": SimbVal, NDecVal, DecVal, MigVal).
struct CurrencyConvention {
    QString symbol;
    int decimals = 2;
    QString decimal;
    QString grouping;
    friend bool operator==(const CurrencyConvention&, const CurrencyConvention&) = default;
};

// The company's number convention ("Azienda": NDecValNum, DecValNum, MigValNum).
struct NumberConvention {
    int decimals = 2;
    QString decimal;
    QString grouping;
    friend bool operator==(const NumberConvention&, const NumberConvention&) = default;
};

// Reads a convention off a locale's currency text of 12345.24 ("12.345,24 €", "$12,345.24").
// symbolAfterNumber: a text that starts with the number and has a space after it carries the
// symbol at its end; without it only a symbol in front of the number is found.
CurrencyConvention CurrencyConventionFromText(const QString& text, bool symbolAfterNumber);
// Reads a convention off a locale's number text of 1000.5 ("1.000,50").
NumberConvention NumberConventionFromText(const QString& text);

// The locale's currency convention, read off its text of 12345.24 so that it reads that text
// back as the amount shown (a currency without decimals gets 0 of them); when no convention
// does, the separators stay empty and amounts keep following the locale.
CurrencyConvention LocaleCurrencyConvention(const QLocale& locale = QLocale(),
                                            bool symbolAfterNumber = true);
NumberConvention LocaleNumberConvention(const QLocale& locale = QLocale());

// The stored conventions: currency when SimbVal is set, numbers when DecValNum is set; a
// missing decimals count reads as 2.
std::optional<CurrencyConvention> StoredCurrencyConvention(const Profile& profile);
std::optional<NumberConvention> StoredNumberConvention(const Profile& profile);
void WriteCurrencyConvention(Profile& profile, const CurrencyConvention& convention);
void WriteNumberConvention(Profile& profile, const NumberConvention& convention);

// What the company's format page opens with: the stored convention, else the locale's. Nothing
// is written: the page writes what it shows when the user confirms it.
CurrencyConvention OpenCompanyCurrencyConvention(const Profile& profile,
                                                 const QLocale& locale = QLocale());
NumberConvention OpenCompanyNumberConvention(const Profile& profile,
                                             const QLocale& locale = QLocale());

// A decimals count as typed: non-numeric text counts as 0.
int DecimalsFromText(const QString& text);

// A decimal symbol may not equal the grouping symbol; two empty symbols count as equal.
inline bool SeparatorsClash(const QString& decimal, const QString& grouping) {
    return decimal == grouping;
}
