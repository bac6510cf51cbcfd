#include "company/FormatConventions.h"

#include "common/Profile.h"

#include <cmath>

namespace {
using S = Profile::Section;

struct NumberParts {
    int decimals = 0;
    QString decimal;
    QString grouping;
};

// Walks the number text backwards: the digits before the first non-digit are the decimals,
// that non-digit is the decimal symbol and the next non-digit the grouping symbol.
NumberParts ReadNumberParts(const QString& number) {
    NumberParts parts;
    int i = int(number.size()) - 1;
    while (i >= 0 && number.at(i).isDigit()) {
        ++parts.decimals;
        --i;
    }
    if (i < 0) {
        // Only digits: a whole number with no symbols at all.
        parts.decimals = 0;
        return parts;
    }
    parts.decimal = number.at(i--);
    while (i >= 0 && number.at(i).isDigit())
        --i;
    if (i >= 0)
        parts.grouping = number.at(i);
    return parts;
}

// The digits and what lies between them, without a symbol on either side.
QString DigitSpan(const QString& text) {
    qsizetype first = -1;
    qsizetype last = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isDigit()) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    return first < 0 ? QString() : text.mid(first, last - first + 1);
}

// Whether a convention reads the locale's own sample text back as the amount the sample
// shows: the sample value rounded to the convention's decimals, in ten-thousandths. Texts it
// formats then read back too, since it puts its symbol in front of the digits and its two
// separators differ.
bool ReadsSampleBack(const CurrencyConvention& c, const QString& sample, double value) {
    if (c.symbol.isEmpty() || c.decimal.size() != 1 || c.grouping.isEmpty() ||
        c.decimal == c.grouping || c.decimals < 0 || c.decimals > 4)
        return false;
    qint64 whole = 0;
    qint64 fraction = 0;
    int fractionDigits = -1;
    for (const QChar ch : DigitSpan(sample)) {
        if (ch.isDigit()) {
            if (fractionDigits < 0) {
                whole = whole * 10 + ch.digitValue();
            } else {
                fraction = fraction * 10 + ch.digitValue();
                ++fractionDigits;
            }
        } else if (ch == c.decimal.at(0)) {
            if (fractionDigits >= 0)
                return false;
            fractionDigits = 0;
        }
    }
    if (fractionDigits < 0)
        fractionDigits = 0;
    if (fractionDigits > 4)
        return false;
    for (int d = fractionDigits; d < 4; ++d)
        fraction *= 10;
    qint64 step = 1;
    for (int d = c.decimals; d < 4; ++d)
        step *= 10;
    const qint64 shown = qint64(std::llround(value * 10000.0 / double(step))) * step;
    return whole * 10000 + fraction == shown;
}
} // namespace

CurrencyConvention CurrencyConventionFromText(const QString& text, bool symbolAfterNumber) {
    CurrencyConvention convention;
    QString number;
    // Desktop locales put a no-break space before a trailing symbol and may group digits with
    // a narrow no-break space ("12 345,24 €"), so the symbol follows the last space, not the
    // first.
    qsizetype lastSpace = -1;
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        if (text.at(i).isSpace()) {
            lastSpace = i;
            break;
        }
    }
    if (symbolAfterNumber && text.startsWith(u'1') && lastSpace >= 2) {
        convention.symbol = text.mid(lastSpace + 1).trimmed();
        number = DigitSpan(text.left(lastSpace));
    } else {
        qsizetype firstDigit = 0;
        while (firstDigit < text.size() && !text.at(firstDigit).isDigit())
            ++firstDigit;
        convention.symbol = text.left(firstDigit).trimmed();
        number = DigitSpan(text.mid(firstDigit));
    }
    const NumberParts parts = ReadNumberParts(number);
    convention.decimals = parts.decimals;
    convention.decimal = parts.decimal;
    convention.grouping = parts.grouping;
    return convention;
}

NumberConvention NumberConventionFromText(const QString& text) {
    const NumberParts parts = ReadNumberParts(DigitSpan(text));
    return {parts.decimals, parts.decimal, parts.grouping};
}

CurrencyConvention LocaleCurrencyConvention(const QLocale& locale, bool symbolAfterNumber) {
    constexpr double kSample = 12345.24;
    const QString sample = locale.toCurrencyString(kSample);
    CurrencyConvention convention = CurrencyConventionFromText(sample, symbolAfterNumber);
    // A currency without decimals (yen, won, dong, Icelandic and Chilean pesos: "￥12,345")
    // ends in three digits after the locale's grouping symbol, which is no decimal symbol.
    const QString group = locale.groupSeparator();
    if (convention.decimals == 3 && convention.decimal == group && group != locale.decimalPoint()) {
        convention.decimals = 0;
        convention.grouping = group;
        convention.decimal = locale.decimalPoint();
    }
    // Some locales leave short numbers ungrouped; the convention still needs the symbol.
    if (convention.grouping.isEmpty() && !convention.decimal.isEmpty() &&
        !(locale.numberOptions() & QLocale::OmitGroupSeparator))
        convention.grouping = group;
    // What would misread the locale's own amounts is not offered: without separators the
    // convention is incomplete, and amounts keep the locale's format until the user sets one.
    if (!convention.symbol.isEmpty() && !ReadsSampleBack(convention, sample, kSample)) {
        convention.decimal.clear();
        convention.grouping.clear();
    }
    return convention;
}

NumberConvention LocaleNumberConvention(const QLocale& locale) {
    // Qt keeps no count of decimals for plain numbers; two is what desktop locales show.
    NumberConvention convention = NumberConventionFromText(locale.toString(1000.5, 'f', 2));
    if (convention.grouping.isEmpty() && !convention.decimal.isEmpty() &&
        !(locale.numberOptions() & QLocale::OmitGroupSeparator))
        convention.grouping = locale.groupSeparator();
    return convention;
}

std::optional<CurrencyConvention> StoredCurrencyConvention(const Profile& profile) {
    const QString symbol = profile.string(S::Azienda, QStringLiteral("SimbVal"));
    if (symbol.isEmpty())
        return std::nullopt;
    return CurrencyConvention{symbol, profile.integer(S::Azienda, QStringLiteral("NDecVal"), 2),
                              profile.string(S::Azienda, QStringLiteral("DecVal")),
                              profile.string(S::Azienda, QStringLiteral("MigVal"))};
}

std::optional<NumberConvention> StoredNumberConvention(const Profile& profile) {
    const QString decimal = profile.string(S::Azienda, QStringLiteral("DecValNum"));
    if (decimal.isEmpty())
        return std::nullopt;
    return NumberConvention{profile.integer(S::Azienda, QStringLiteral("NDecValNum"), 2), decimal,
                            profile.string(S::Azienda, QStringLiteral("MigValNum"))};
}

void WriteCurrencyConvention(Profile& profile, const CurrencyConvention& convention) {
    profile.setValue(S::Azienda, QStringLiteral("SimbVal"), convention.symbol);
    profile.setValue(S::Azienda, QStringLiteral("DecVal"), convention.decimal);
    profile.setValue(S::Azienda, QStringLiteral("MigVal"), convention.grouping);
    profile.setValue(S::Azienda, QStringLiteral("NDecVal"), convention.decimals);
}

void WriteNumberConvention(Profile& profile, const NumberConvention& convention) {
    profile.setValue(S::Azienda, QStringLiteral("DecValNum"), convention.decimal);
    profile.setValue(S::Azienda, QStringLiteral("MigValNum"), convention.grouping);
    profile.setValue(S::Azienda, QStringLiteral("NDecValNum"), convention.decimals);
}

CurrencyConvention OpenCompanyCurrencyConvention(const Profile& profile, const QLocale& locale) {
    if (auto stored = StoredCurrencyConvention(profile))
        return *stored;
    return LocaleCurrencyConvention(locale, true);
}

NumberConvention OpenCompanyNumberConvention(const Profile& profile, const QLocale& locale) {
    if (auto stored = StoredNumberConvention(profile))
        return *stored;
    return LocaleNumberConvention(locale);
}

int DecimalsFromText(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}
