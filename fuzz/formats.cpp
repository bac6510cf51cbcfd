// The amount and number readers, with the company's conventions and with the user's locale.
#include "FuzzInput.h"

#include "common/Profile.h"
#include "company/Formats.h"

#include <QLocale>
#include <QTemporaryDir>
#include <cmath>
#include <limits>
#include <memory>

namespace {

// Locales whose conventions differ: grouping by '.', ',', no-break spaces and apostrophes,
// symbols before and after, parentheses for negative amounts, other digits, no decimals.
const char* const kLocales[] = {"it_IT", "en_US", "de_DE", "de_CH", "fr_FR", "fr_CH",
                                "es_ES", "pt_BR", "ja_JP", "ar_EG", "hi_IN", "da_DK",
                                "nl_NL", "sv_SE", "en_IN", "C"};
constexpr int kLocaleCount = int(sizeof kLocales / sizeof kLocales[0]);

struct Setup {
    QTemporaryDir dir;
    std::unique_ptr<Profile> empty;   // no conventions: the locale's
    std::unique_ptr<Profile> company; // "," for decimals, "." for grouping, two decimals
    QList<QLocale> locales;
};

Setup* setup() {
    static Setup* s = [] {
        auto* made = new Setup;
        made->empty = std::make_unique<Profile>(made->dir.filePath(QStringLiteral("empty.ini")),
                                                made->dir.filePath(QStringLiteral("machine.ini")));
        made->company =
            std::make_unique<Profile>(made->dir.filePath(QStringLiteral("company.ini")),
                                      made->dir.filePath(QStringLiteral("machine.ini")));
        using S = Profile::Section;
        made->company->setValue(S::Azienda, QStringLiteral("SimbVal"), QStringLiteral("€"));
        made->company->setValue(S::Azienda, QStringLiteral("DecVal"), QStringLiteral(","));
        made->company->setValue(S::Azienda, QStringLiteral("MigVal"), QStringLiteral("."));
        made->company->setValue(S::Azienda, QStringLiteral("NDecVal"), 2);
        made->company->setValue(S::Azienda, QStringLiteral("DecValNum"), QStringLiteral(","));
        made->company->setValue(S::Azienda, QStringLiteral("MigValNum"), QStringLiteral("."));
        made->company->setValue(S::Azienda, QStringLiteral("NDecValNum"), 2);
        for (const char* name : kLocales)
            made->locales.append(QLocale(QString::fromLatin1(name)));
        return made;
    }();
    return s;
}

// The decimal symbol a reader is given: the profile's (empty), or one of the usual ones, or an
// odd one that is also a grouping or minus character.
QString decimalChoice(uint8_t b) {
    switch (b % 6) {
    case 0:
        return QString();
    case 1:
        return QStringLiteral(",");
    case 2:
        return QStringLiteral(".");
    case 3:
        return QStringLiteral("'");
    case 4:
        return QStringLiteral("-");
    default:
        return QStringLiteral(",.");
    }
}

bool closeEnough(double a, double b, double absolute) {
    return std::fabs(a - b) <= absolute + 1e-12 * std::max(std::fabs(a), std::fabs(b));
}

void companyAmount(const Profile& profile, const QString& text, const QString& decimal) {
    const CurrencyAmount amount = ParseCurrency(profile, text, decimal);
    // Unreadable text is no amount, never an invalid one, and the sign never survives.
    FUZZ_CHECK(amount.isNull() || amount.isValid());
    if (!amount.isValid())
        return;
    FUZZ_CHECK(amount.units() >= 0);
    const QString symbol = decimal.isEmpty()
                               ? profile.string(Profile::Section::Azienda, QStringLiteral("DecVal"))
                               : decimal;
    if (symbol.size() != 1 || symbol[0].isDigit())
        return;
    // Written with all four decimals and read back, the amount is the same.
    const QString grouping =
        symbol == QLatin1String(".") ? QStringLiteral("'") : QStringLiteral(".");
    const QString written =
        FormatCurrency(profile, amount, 4, QStringLiteral("€"), symbol, grouping);
    FUZZ_CHECK(ParseCurrency(profile, written, symbol) == amount);
}

void localeAmount(const QString& text, bool nonNegative) {
    const CurrencyAmount amount = ParseCurrencyLocale(text, nonNegative);
    FUZZ_CHECK(amount.isNull() || amount.isValid());
    if (!amount.isValid())
        return;
    if (nonNegative)
        FUZZ_CHECK(amount.units() >= 0);
    // At the very ends of the 64-bit range the rounding to the locale's decimals leaves the range
    // (922,337,203,685,477.5807 is written ...477,58): far beyond what an archive keeps.
    constexpr qint64 kEdge = std::numeric_limits<qint64>::max() - CurrencyAmount::kScale;
    if (amount.units() > kEdge || amount.units() < -kEdge)
        return;
    // The locale's text rounds to its decimals; read back it is the amount to within half its
    // last decimal, keeps the sign, and another round changes nothing.
    const QString written = FormatCurrencyLocale(amount);
    FUZZ_CHECK(!written.isEmpty());
    const CurrencyAmount again = ParseCurrencyLocale(written, false);
    FUZZ_CHECK(again.isValid());
    const qint64 diff = again.units() - amount.units();
    FUZZ_CHECK(diff <= CurrencyAmount::kScale / 2 && diff >= -CurrencyAmount::kScale / 2);
    FUZZ_CHECK(again.units() == 0 || (again.units() < 0) == (amount.units() < 0));
    FUZZ_CHECK(ParseCurrencyLocale(FormatCurrencyLocale(again), false) == again);
}

void companyNumber(const Profile& profile, const QString& text, const QString& decimal,
                   bool percent, bool nonNegative) {
    const double value = ParseNumber(profile, text, percent, nonNegative, decimal);
    FUZZ_CHECK(std::isfinite(value));
    if (nonNegative)
        FUZZ_CHECK(value >= 0);
    const QString symbol =
        decimal.isEmpty() ? profile.string(Profile::Section::Azienda, QStringLiteral("DecValNum"))
                          : decimal;
    if (symbol.size() != 1 || symbol == QLatin1String("-") || percent)
        return;
    const QString grouping =
        symbol == QLatin1String(".") ? QStringLiteral("'") : QStringLiteral(".");
    const QString written = FormatNumber(profile, value, 6, false, symbol, grouping);
    FUZZ_CHECK(closeEnough(ParseNumber(profile, written, false, false, symbol), value, 5e-7));
}

void localeNumber(const QString& text, bool percent, bool nonNegative) {
    const double value = ParseNumberLocale(text, percent, nonNegative);
    FUZZ_CHECK(std::isfinite(value));
    if (nonNegative)
        FUZZ_CHECK(value >= 0);
    if (percent)
        return;
    const QString written = FormatNumberLocale(value);
    FUZZ_CHECK(!written.isEmpty());
    const double again = ParseNumberLocale(written);
    FUZZ_CHECK(closeEnough(again, value, 0.005 + 1e-9));
    FUZZ_CHECK(ParseNumberLocale(FormatNumberLocale(again)) == again);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Setup* s = setup();
    FuzzInput in(data, size);
    const uint8_t options = in.byte();
    const uint8_t choice = in.byte();
    const QString text = in.text(options & 0x80);
    QLocale::setDefault(s->locales[(options & 0x0F) % kLocaleCount]);
    const Profile& profile = (options & 0x10) ? *s->company : *s->empty;
    const QString decimal = decimalChoice(choice);
    const bool percent = choice & 0x40;
    const bool nonNegative = choice & 0x80;

    companyAmount(profile, text, decimal);
    localeAmount(text, nonNegative);
    companyNumber(profile, text, decimal, percent, nonNegative);
    localeNumber(text, percent, nonNegative);
    return 0;
}
