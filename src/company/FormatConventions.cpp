#include "company/FormatConventions.h"

#include "common/Profile.h"

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
    CurrencyConvention convention =
        CurrencyConventionFromText(locale.toCurrencyString(12345.24), symbolAfterNumber);
    // Some locales leave short numbers ungrouped; the convention still needs the symbol.
    if (convention.grouping.isEmpty() && !convention.decimal.isEmpty() &&
        !(locale.numberOptions() & QLocale::OmitGroupSeparator))
        convention.grouping = locale.groupSeparator();
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

CurrencyConvention OpenCompanyCurrencyConvention(Profile& profile, const QLocale& locale) {
    if (auto stored = StoredCurrencyConvention(profile))
        return *stored;
    const CurrencyConvention derived = LocaleCurrencyConvention(locale, true);
    WriteCurrencyConvention(profile, derived);
    return derived;
}

NumberConvention OpenCompanyNumberConvention(Profile& profile, const QLocale& locale) {
    if (auto stored = StoredNumberConvention(profile))
        return *stored;
    const NumberConvention derived = LocaleNumberConvention(locale);
    WriteNumberConvention(profile, derived);
    return derived;
}

int DecimalsFromText(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}
