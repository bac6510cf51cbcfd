#include "company/Formats.h"

#include "common/Profile.h"

#include <QLocale>
#include <QStringList>

#include <charconv>
#include <cmath>
#include <limits>

// Amounts are formatted from their exact count of ten-thousandths, never through a double, so
// every amount the type can hold (up to 922,337,203,685,477.5807) shows all its digits and rounds
// half away from zero, as QString::number does for doubles. Plain numbers are doubles: they are
// formatted from the exact fixed-point text of the value, so values beyond any integer type still
// show their digits; infinities and NaN give empty text, like an invalid amount.

namespace {

using Section = Profile::Section;

QString setting(const Profile& profile, const char* name) {
    return profile.string(Section::Azienda, QLatin1String(name));
}

int decimalsSetting(const Profile& profile, const char* name) {
    return profile.integer(Section::Azienda, QLatin1String(name), -1);
}

QString pick(const QString& override, const Profile& profile, const char* name) {
    return override.isEmpty() ? setting(profile, name) : override;
}

// "1234567" -> "1.234.567": the symbol between every group of three digits from the right.
QString groupDigits(const QString& digits, const QString& grouping) {
    QString out;
    out.reserve(digits.size() + digits.size() / 3 * grouping.size());
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += grouping;
        out += digits[i];
    }
    return out;
}

quint64 magnitudeOf(const CurrencyAmount& amount) {
    const qint64 units = amount.units();
    return units < 0 ? 0 - quint64(units) : quint64(units);
}

quint64 powerOfTen(int n) {
    quint64 p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

struct Fixed {
    QString whole;    // ASCII digits, no sign
    QString fraction; // exactly the requested count of ASCII digits
};

// A magnitude in ten-thousandths rounded to n decimals, half away from zero; a fraction that
// rounds up to a whole unit carries into the integer part (0.999 -> 1.00).
Fixed roundUnits(quint64 magnitude, int n) {
    quint64 whole = magnitude / quint64(CurrencyAmount::kScale);
    const quint64 fraction = magnitude % quint64(CurrencyAmount::kScale);
    QString digits;
    if (n >= 4) {
        digits = QString::number(fraction).rightJustified(4, u'0') + QString(n - 4, u'0');
    } else {
        const quint64 divisor = powerOfTen(4 - n);
        quint64 kept = fraction / divisor;
        if ((fraction % divisor) * 2 >= divisor)
            ++kept;
        if (kept == powerOfTen(n)) {
            ++whole;
            kept = 0;
        }
        if (n > 0)
            digits = QString::number(kept).rightJustified(n, u'0');
    }
    return {QString::number(whole), digits};
}

// Rounds fixed-point text ("1234.567890", no sign) to n decimals, half away from zero.
Fixed roundText(const QString& text, int n) {
    const qsizetype point = text.indexOf(u'.');
    QString whole = point < 0 ? text : text.left(point);
    QString fraction = point < 0 ? QString() : text.mid(point + 1);
    const bool up = fraction.size() > n && fraction[n] >= u'5';
    fraction = fraction.left(n).leftJustified(n, u'0');
    if (up) {
        QString all = whole + fraction;
        qsizetype i = all.size() - 1;
        for (; i >= 0 && all[i] == u'9'; --i)
            all[i] = u'0';
        if (i >= 0)
            all[i] = QChar(all[i].unicode() + 1);
        else
            all.prepend(u'1');
        whole = all.left(all.size() - n);
        fraction = all.right(n);
    }
    return {whole, fraction};
}

// ASCII digits in the locale's own digits (the same for the Latin-script locales).
QString localDigits(const QLocale& locale, const QString& digits) {
    const QString zero = locale.zeroDigit();
    if (zero == QLatin1String("0") || zero.size() != 1)
        return digits;
    QString out = digits;
    for (QChar& c : out) {
        if (c >= u'0' && c <= u'9')
            c = QChar(zero[0].unicode() + (c.unicode() - u'0'));
    }
    return out;
}

// Whole digits grouped as the locale groups them. Beyond 64 bits (plain numbers only) the
// locale's group separator goes between every three digits, unless the locale groups none (C).
QString localWhole(const QLocale& locale, const QString& digits) {
    bool ok = false;
    const qlonglong value = digits.toLongLong(&ok);
    if (ok)
        return locale.toString(value);
    if (locale.numberOptions() & QLocale::OmitGroupSeparator)
        return localDigits(locale, digits);
    return localDigits(locale, groupDigits(digits, locale.groupSeparator()));
}

// The span from the first to the last digit of a text formatted by the locale: the number part
// of a sample, around which the locale puts its symbol and sign.
bool digitSpan(const QString& text, qsizetype* start, qsizetype* length) {
    qsizetype first = -1;
    qsizetype last = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isDigit()) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0)
        return false;
    *start = first;
    *length = last - first + 1;
    return true;
}

// The locale's number format: QLocale has no count of decimals for plain numbers, so they get
// two, as every common system locale does. The negative form comes from the locale's own -1.
QString localeNumber(const QString& fixedText) {
    const QLocale locale;
    const bool negative = fixedText.startsWith(u'-');
    const Fixed parts = roundText(negative ? fixedText.mid(1) : fixedText, 2);
    const QString number = localWhole(locale, parts.whole) + locale.decimalPoint() +
                           localDigits(locale, parts.fraction);
    if (!negative)
        return number;
    const QString pattern = locale.toString(qlonglong(-1));
    qsizetype start = 0;
    qsizetype length = 0;
    if (!digitSpan(pattern, &start, &length))
        return QString();
    return pattern.left(start) + number + pattern.mid(start + length);
}

// The "%f" text of a double, with the C locale whatever the process locale.
QString plainFixed(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

QString localeNumberOf(double value) {
    if (!std::isfinite(value))
        return QString();
    return localeNumber(plainFixed(value, 6));
}

// The character just before the first occurrence of `marker` in a locale sample.
QString charBefore(const QString& sample, const QString& marker) {
    const qsizetype at = sample.indexOf(marker);
    return at > 0 ? sample.mid(at - 1, 1) : QString();
}

// Reads the number at the start of the text as strtod would in the C locale (spaces, sign,
// digits, point, exponent); nothing readable, or a value beyond a double, gives 0.
double readLeadingNumber(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    QByteArray number;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        number += char(text[i++].unicode());
    int mantissaDigits = 0;
    auto digits = [&](int* count) {
        while (i < text.size() && text[i].isDigit()) {
            number += char('0' + text[i++].digitValue());
            ++*count;
        }
    };
    digits(&mantissaDigits);
    if (i < text.size() && text[i] == u'.') {
        number += '.';
        ++i;
        digits(&mantissaDigits);
    }
    if (mantissaDigits == 0)
        return 0.0;
    if (i + 1 < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < text.size() && (text[j] == u'-' || text[j] == u'+'))
            ++j;
        if (j < text.size() && text[j].isDigit()) {
            number += 'e';
            for (qsizetype k = i + 1; k < j; ++k)
                number += char(text[k].unicode());
            i = j;
            int exponentDigits = 0;
            digits(&exponentDigits);
        }
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

// Users type a plain space or apostrophe where the locale groups with a no-break space or a
// typographic apostrophe; they count as the same grouping character.
QStringList groupingVariants(const QString& grouping) {
    static const QStringList spaces = {QStringLiteral(" "), QStringLiteral("\u00A0"),
                                       QStringLiteral("\u202F")};
    static const QStringList apostrophes = {QStringLiteral("'"), QStringLiteral("\u2019")};
    if (spaces.contains(grouping))
        return spaces;
    if (apostrophes.contains(grouping))
        return apostrophes;
    return {grouping};
}

// An amount times (or divided by) a real, through the six-decimal text and back: value is the
// amount's magnitude in ten-thousandths already scaled, so the product is taken in extended
// precision from the exact count and the sixth decimal is right for amounts a double cannot
// hold exactly. The result is negative when exactly one of the amount and the operand is, and
// rounds half away from zero like a positive one.
CurrencyAmount scaleAmount(const CurrencyAmount& amount, long double value) {
    if (!std::isfinite(static_cast<double>(value)))
        return CurrencyAmount::null();
    const bool negative = (amount.units() < 0) != std::signbit(value);
    // value counts ten-thousandths: its text with two decimals is the currency's six decimals.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::fixed, 2);
    if (result.ec != std::errc())
        return CurrencyAmount::null();
    QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    text = text.rightJustified(8, u'0'); // at least "00000.00": a whole digit once shifted
    text.remove(text.size() - 3, 1);
    text.insert(text.size() - 6, u'.');
    if (negative)
        text.prepend(u'-');
    const CurrencyAmount converted = CurrencyAmount::fromDecimalString(text);
    return converted.isValid() ? converted : CurrencyAmount::null();
}

} // namespace

QString FormatCurrency(const Profile& profile, const CurrencyAmount& amount, int decimals,
                       const QString& symbol, const QString& decimal, const QString& grouping) {
    const QString currencySymbol = pick(symbol, profile, "SimbVal");
    const QString decimalSymbol = pick(decimal, profile, "DecVal");
    const QString groupingSymbol = pick(grouping, profile, "MigVal");
    const int n = decimals >= 0 ? decimals : decimalsSetting(profile, "NDecVal");
    if (currencySymbol.isEmpty() || decimalSymbol.isEmpty() || groupingSymbol.isEmpty() || n < 0)
        return FormatCurrencyLocale(amount, symbol);
    if (!amount.isValid())
        return QString();

    // The sign follows the amount, even when the shown figure rounds to zero.
    const Fixed parts = roundUnits(magnitudeOf(amount), n);
    QString text = currencySymbol + u' ';
    if (amount.units() < 0)
        text += u'-';
    text += groupDigits(parts.whole, groupingSymbol);
    if (n > 0)
        text += decimalSymbol + parts.fraction;
    return text;
}

QString FormatCurrencyLocale(const CurrencyAmount& amount, const QString& symbol) {
    if (!amount.isValid())
        return QString();
    const QLocale locale;
    // The locale's own text of one unit (or minus one) is the pattern: its digits tell the
    // decimals count and separator, the rest is symbol and sign, kept around our digits.
    const bool negative = amount.units() < 0;
    const QString pattern = locale.toCurrencyString(negative ? -1.0 : 1.0);
    qsizetype start = 0;
    qsizetype length = 0;
    if (!digitSpan(pattern, &start, &length))
        return QString();
    const QString sample = pattern.mid(start, length);
    int decimals = 0;
    while (decimals < sample.size() && sample[sample.size() - 1 - decimals].isDigit())
        ++decimals;
    QString separator;
    if (decimals == sample.size())
        decimals = 0;
    else
        separator = sample.mid(sample.size() - 1 - decimals, 1);

    const Fixed parts = roundUnits(magnitudeOf(amount), decimals);
    QString number = localWhole(locale, parts.whole);
    if (decimals > 0)
        number += separator + localDigits(locale, parts.fraction);
    if (symbol.isEmpty())
        return pattern.left(start) + number + pattern.mid(start + length);

    // Another currency's symbol replaces the locale's, and the locale's symbol and sign go
    // with it: only the number part stays, its digits and separators included (de_CH groups
    // with U+2019, fr_FR with U+202F; dropping them would run the digits together).
    return symbol + u' ' + number;
}

QString FormatNumber(const Profile& profile, double value, int decimals, bool percent,
                     const QString& decimal, const QString& grouping) {
    const QString decimalSymbol = pick(decimal, profile, "DecValNum");
    const QString groupingSymbol = pick(grouping, profile, "MigValNum");
    const int n = decimals >= 0 ? decimals : decimalsSetting(profile, "NDecValNum");
    if (decimalSymbol.isEmpty() || groupingSymbol.isEmpty() || n < 0)
        return FormatNumberLocale(value, percent);

    const double v = percent ? value * 100.0 : value;
    if (!std::isfinite(v))
        return QString();
    // The rounded fixed-point text itself gives the whole and the fraction digits: no integer
    // type limits the range and no subtraction misrounds the fraction.
    const QString rounded = plainFixed(std::fabs(v), n);
    const qsizetype point = rounded.indexOf(u'.');
    QString text;
    if (v < 0)
        text += u'-';
    text += groupDigits(point < 0 ? rounded : rounded.left(point), groupingSymbol);
    if (n > 0)
        text += decimalSymbol + rounded.mid(point + 1, n);
    if (percent)
        text += u'%';
    return text;
}

QString FormatNumberLocale(double value, bool percent) {
    const QString text = localeNumberOf(percent ? value * 100.0 : value);
    if (text.isEmpty() || !percent)
        return text;
    return text + u'%';
}

QString FormatInteger(const Profile& profile, qint32 value, const QString& grouping) {
    const QString groupingSymbol = pick(grouping, profile, "MigValNum");
    if (groupingSymbol.isEmpty())
        return FormatIntegerLocale(value);
    const qint64 wide = value;
    const QString digits = groupDigits(QString::number(wide < 0 ? -wide : wide), groupingSymbol);
    return wide < 0 ? u'-' + digits : digits;
}

QString FormatIntegerLocale(qint32 value) {
    const QString text = localeNumberOf(double(value));
    const QString decimalSymbol = charBefore(localeNumberOf(100.58), QStringLiteral("58"));
    if (decimalSymbol.isEmpty())
        return text;
    const qsizetype cut = text.indexOf(decimalSymbol);
    return cut < 0 ? text : text.left(cut);
}

CurrencyAmount ParseCurrency(const Profile& profile, const QString& text, const QString& decimal) {
    const QString decimalSymbol = pick(decimal, profile, "DecVal");
    if (text.isEmpty())
        return CurrencyAmount::null();
    if (decimalSymbol.isEmpty())
        return ParseCurrencyLocale(text, true);

    // Only digits and the decimal symbol after a digit survive: symbol, grouping and the minus
    // sign go, so a parsed amount is never negative.
    QString plain;
    bool digitSeen = false;
    for (const QChar c : text) {
        if (c.isDigit()) {
            plain += QChar(u'0' + c.digitValue());
            digitSeen = true;
        } else if (decimalSymbol.size() == 1 && c == decimalSymbol[0] && digitSeen) {
            plain += u'.';
        }
    }
    const CurrencyAmount amount = CurrencyAmount::fromDecimalString(plain);
    return amount.isValid() ? amount : CurrencyAmount::null();
}

CurrencyAmount ParseCurrencyLocale(const QString& text, bool nonNegative) {
    if (text.isEmpty())
        return CurrencyAmount::null();
    const QLocale locale;
    QString decimalSymbol =
        charBefore(locale.toCurrencyString(1000.50), localDigits(locale, QStringLiteral("5")));
    if (decimalSymbol.isEmpty())
        decimalSymbol = locale.decimalPoint();

    // The locale writes its own minus sign: Swedish, Finnish and Norwegian amounts use U+2212,
    // and a negative amount read without it would come back positive.
    const QString localeMinus = locale.negativeSign();
    const auto isMinus = [&](QChar c) {
        return c == u'-' || c == QChar(0x2212) || (localeMinus.size() == 1 && c == localeMinus[0]);
    };
    QString plain;
    for (const QChar c : text) {
        if (c.isDigit())
            plain += QChar(u'0' + c.digitValue());
        else if (decimalSymbol.contains(c))
            plain += u'.';
        else if (isMinus(c) && !nonNegative)
            plain += u'-';
    }
    // Locales that write a negative amount in parentheses ("($1,234.50)" in en_US, fr_FR
    // likewise) have no minus sign to keep: the parentheses stand for it.
    if (!nonNegative && !plain.startsWith(u'-') && text.contains(u'(') &&
        locale.toCurrencyString(-1.0).contains(u'('))
        plain.prepend(u'-');
    const CurrencyAmount amount = CurrencyAmount::fromDecimalString(plain);
    return amount.isValid() ? amount : CurrencyAmount::null();
}

double ParseNumber(const Profile& profile, const QString& text, bool percent, bool nonNegative,
                   const QString& decimal) {
    const QString decimalSymbol = pick(decimal, profile, "DecValNum");
    if (text.isEmpty() || decimalSymbol.isEmpty())
        return ParseNumberLocale(text, percent, nonNegative);

    // A decimal symbol before the first digit is dropped (",5" reads 5); a second one ends the
    // number when it is read ("1,2,3" reads 1.2).
    QString plain;
    bool digitSeen = false;
    for (const QChar c : text) {
        if (c.isDigit()) {
            plain += QChar(u'0' + c.digitValue());
            digitSeen = true;
        } else if (c == u'-' && !nonNegative) {
            plain += u'-';
        } else if (c == decimalSymbol[0] && digitSeen) {
            plain += u'.';
        }
    }
    const double value = readLeadingNumber(plain);
    return percent ? value / 100.0 : value;
}

QString CurrencyDecimalSymbol(const Profile& profile) {
    const QString symbol = setting(profile, "DecVal");
    if (!symbol.isEmpty())
        return symbol;
    const QLocale locale;
    const QString local =
        charBefore(locale.toCurrencyString(1000.50), localDigits(locale, QStringLiteral("5")));
    return local.isEmpty() ? locale.decimalPoint() : local;
}

QString NumberDecimalSymbol(const Profile& profile) {
    const QString symbol = setting(profile, "DecValNum");
    if (!symbol.isEmpty())
        return symbol;
    const QString local = charBefore(localeNumberOf(100.58), QStringLiteral("58"));
    return local.isEmpty() ? QLocale().decimalPoint() : local;
}

double ParseNumberLocale(const QString& text, bool percent, bool nonNegative) {
    QString input = text;

    // Grouping: 1000.5 is "1.000,50" in it_IT; the text before the character preceding the
    // first "5", less its first and last three characters.
    // Locales that group only from five digits on (es_ES, pl_PL) show none in that sample and
    // still group larger numbers: their group separator goes too.
    const QString five = localDigits(QLocale(), QStringLiteral("5"));
    const QString thousand = localeNumberOf(1000.5);
    const qsizetype fiveAt = thousand.indexOf(five);
    QString groupingSymbol;
    if (fiveAt > 0) {
        const QString head = thousand.left(fiveAt - 1);
        if (head.size() > 4)
            groupingSymbol = head.mid(1, head.size() - 4);
    }
    if (groupingSymbol.isEmpty() && !(QLocale().numberOptions() & QLocale::OmitGroupSeparator))
        groupingSymbol = QLocale().groupSeparator();
    if (!groupingSymbol.isEmpty()) {
        for (const QString& grouping : groupingVariants(groupingSymbol))
            input.remove(grouping);
    }

    // Negative prefix: whatever precedes the digits of -100.
    const QString hundred = localDigits(QLocale(), QStringLiteral("100"));
    const QString minusHundred = localeNumberOf(-100.0);
    const QString negativePrefix =
        minusHundred.left(std::max<qsizetype>(0, minusHundred.indexOf(hundred)));
    if (!negativePrefix.isEmpty() && negativePrefix != QLatin1String("-"))
        input.replace(negativePrefix, QStringLiteral("-"));

    // Decimal symbol: what follows "200" in 200.5, up to the "5".
    const QString twoHundred = localeNumberOf(200.5);
    const qsizetype twoHundredFive = twoHundred.indexOf(five);
    QString decimalSymbol = twoHundredFive < 0 ? QString() : twoHundred.left(twoHundredFive);
    decimalSymbol.remove(localDigits(QLocale(), QStringLiteral("200")));
    if (!decimalSymbol.isEmpty())
        input.replace(decimalSymbol, QStringLiteral("."));

    double value = readLeadingNumber(input);
    if (nonNegative && value < 0)
        value = -value;
    return percent ? value / 100.0 : value;
}

CurrencyAmount MultiplyCurrency(const CurrencyAmount& amount, double factor) {
    if (!amount.isValid())
        return CurrencyAmount::null();
    return scaleAmount(amount, static_cast<long double>(magnitudeOf(amount)) * factor);
}

CurrencyAmount DivideCurrency(const CurrencyAmount& amount, double divisor) {
    if (!amount.isValid())
        return CurrencyAmount::null();
    return scaleAmount(amount, static_cast<long double>(magnitudeOf(amount)) / divisor);
}

QString FormatLongDate(const QDate& date) {
    if (!date.isValid())
        return QString();
    static const char* const weekdays[] = {"Domenica", "Lunedì",  "Martedì", "Mercoledì",
                                           "Giovedì",  "Venerdì", "Sabato"};
    static const char* const months[] = {"Gennaio",   "Febbraio", "Marzo",    "Aprile",
                                         "Maggio",    "Giugno",   "Luglio",   "Agosto",
                                         "Settembre", "Ottobre",  "Novembre", "Dicembre"};
    return QString::fromUtf8(weekdays[date.dayOfWeek() % 7]) +
           QString::asprintf(" %2d ", date.day()) + QString::fromUtf8(months[date.month() - 1]) +
           QString::asprintf(" %d", date.year());
}
