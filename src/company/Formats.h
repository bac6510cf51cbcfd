#pragma once

#include "common/CurrencyAmount.h"

#include <QDate>
#include <QString>

class Profile;

// Every amount, quantity, percentage and count the program shows or reads back goes through
// these. They follow the company's conventions in "Azienda" (read at every call) and fall back
// to the user's locale (QLocale()) when a convention is incomplete.

// decimals -1 = NDecVal; empty symbol/decimal/grouping = the setting.
QString FormatCurrency(const Profile& profile, const CurrencyAmount& amount, int decimals = -1,
                       const QString& symbol = QString(), const QString& decimal = QString(),
                       const QString& grouping = QString());
QString FormatCurrencyLocale(const CurrencyAmount& amount, const QString& symbol = QString());
// decimals -1 = NDecValNum.
QString FormatNumber(const Profile& profile, double value, int decimals = -1, bool percent = false,
                     const QString& decimal = QString(), const QString& grouping = QString());
QString FormatNumberLocale(double value, bool percent = false);
QString FormatInteger(const Profile& profile, qint32 value, const QString& grouping = QString());
QString FormatIntegerLocale(qint32 value);

CurrencyAmount ParseCurrency(const Profile& profile, const QString& text,
                             const QString& decimal = QString());
CurrencyAmount ParseCurrencyLocale(const QString& text, bool nonNegative = true);
double ParseNumber(const Profile& profile, const QString& text, bool percent = false,
                   bool nonNegative = false, const QString& decimal = QString());
double ParseNumberLocale(const QString& text, bool percent = false, bool nonNegative = false);

// The decimal symbol the parsers above use for amounts and for numbers: the company's, or the
// locale's when the company has none. Bulk readers find it once and pass it to every call.
QString CurrencyDecimalSymbol(const Profile& profile);
QString NumberDecimalSymbol(const Profile& profile);

CurrencyAmount MultiplyCurrency(const CurrencyAmount& amount, double factor);
CurrencyAmount DivideCurrency(const CurrencyAmount& amount, double divisor);

// "Lunedì  5 Febbraio 2024": the same Italian names in every interface language.
QString FormatLongDate(const QDate& date);
