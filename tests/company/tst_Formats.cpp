// label: unit
#include "common/Profile.h"
#include "company/Formats.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>

// What Qt 6.4 itself writes for the locales checked below (12345678.5834 / -1234.5):
//   it_IT  currency "12.345.678,58\u00A0€" / "-1.234,50\u00A0€"   numbers "12.345.678,58"
//   en_US  currency "$12,345,678.58" / "($1,234.50)"              numbers "12,345,678.58"
//   de_CH  currency "12’345’678.58\u00A0CHF" / "-1’234.50\u00A0CHF" (grouping U+2019, not ')
//   fr_FR  currency "12\u202F345\u202F678,58\u00A0€" / "(1\u202F234,50\u00A0€)" (grouping U+202F)
// Negative plain numbers are "-1.234,50", "-1,234.50", "-1’234.50", "-1\u202F234,50". Every
// locale puts a no-break space (U+00A0) between the number and a trailing symbol.

namespace {

CurrencyAmount amount(const char* text) {
    return CurrencyAmount::fromDecimalString(text);
}

QString describe(const CurrencyAmount& a) {
    if (a.isNull())
        return QStringLiteral("null");
    return a.isValid() ? a.toDecimalString() : QStringLiteral("invalid");
}

// Pins the default locale for one test and restores the previous one.
class LocaleScope {
public:
    explicit LocaleScope(const QString& name) : m_saved(QLocale()) {
        QLocale::setDefault(QLocale(name));
    }
    ~LocaleScope() { QLocale::setDefault(m_saved); }

private:
    QLocale m_saved;
};

} // namespace

class tst_Formats : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Profile> m_profile;
    QLocale m_savedLocale;

    void set(const char* key, const QVariant& value) {
        m_profile->setValue(Profile::Section::Azienda, QLatin1String(key), value);
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_savedLocale = QLocale();
    }
    void init() {
        QLocale::setDefault(QLocale(QStringLiteral("it_IT")));
        m_profile = std::make_unique<Profile>(m_dir.filePath(QStringLiteral("q.ini")),
                                              m_dir.filePath(QStringLiteral("none.ini")));
        m_profile->removeSection(Profile::Section::Azienda);
        set("SimbVal", QStringLiteral("€"));
        set("NDecVal", 2);
        set("DecVal", QStringLiteral(","));
        set("MigVal", QStringLiteral("."));
        set("NDecValNum", 2);
        set("DecValNum", QStringLiteral(","));
        set("MigValNum", QStringLiteral("."));
    }
    void cleanup() { m_profile.reset(); }
    void cleanupTestCase() { QLocale::setDefault(m_savedLocale); }

    void formatCurrency_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expected");
        QTest::newRow("grouped") << "12345678.5834" << -1 << "€ 12.345.678,58";
        QTest::newRow("negative") << "-1234.5" << -1 << "€ -1.234,50";
        QTest::newRow("fraction carries") << "0.999" << -1 << "€ 1,00";
        QTest::newRow("carry adds a group") << "999.999" << -1 << "€ 1.000,00";
        QTest::newRow("no decimals") << "1234.6" << 0 << "€ 1.235";
        QTest::newRow("no decimals, carry") << "999.5" << 0 << "€ 1.000";
        QTest::newRow("no decimals, below half") << "0.4999" << 0 << "€ 0";
        QTest::newRow("half away from zero") << "0.125" << -1 << "€ 0,13";
        QTest::newRow("exact decimal half") << "1.005" << -1 << "€ 1,01";
        QTest::newRow("negative half") << "-2.675" << -1 << "€ -2,68";
        QTest::newRow("three decimals carry") << "9.9999" << 3 << "€ 10,000";
        QTest::newRow("four decimals") << "12345678.5834" << 4 << "€ 12.345.678,5834";
        QTest::newRow("more decimals than held") << "1.5" << 6 << "€ 1,500000";
        QTest::newRow("zero") << "0" << -1 << "€ 0,00";
        QTest::newRow("negative rounding to zero keeps sign") << "-0.001" << -1 << "€ -0,00";
        QTest::newRow("three digits, no group") << "999" << -1 << "€ 999,00";
        QTest::newRow("beyond 32 bits") << "3000000000.25" << -1 << "€ 3.000.000.000,25";
        QTest::newRow("2^31 exactly") << "2147483648" << 0 << "€ 2.147.483.648";
        QTest::newRow("900 billion") << "900000000000.5" << -1 << "€ 900.000.000.000,50";
        QTest::newRow("largest") << "922337203685477.5807" << -1 << "€ 922.337.203.685.477,58";
        QTest::newRow("smallest") << "-922337203685477.5808" << 4 << "€ -922.337.203.685.477,5808";
        QTest::newRow("largest, carry") << "922337203685477.5807" << 0 << "€ 922.337.203.685.478";
    }
    void formatCurrency() {
        QFETCH(QString, value);
        QFETCH(int, decimals);
        QFETCH(QString, expected);
        const CurrencyAmount a = CurrencyAmount::fromDecimalString(value);
        QVERIFY(a.isValid());
        QCOMPARE(FormatCurrency(*m_profile, a, decimals), expected);
    }

    void formatCurrencyOverridesAndSettings() {
        const CurrencyAmount a = amount("1234567.891");
        QCOMPARE(FormatCurrency(*m_profile, a, 1, QStringLiteral("US$"), QStringLiteral("."),
                                QStringLiteral(",")),
                 QStringLiteral("US$ 1,234,567.9"));
        // The settings are read at every call.
        set("NDecVal", 3);
        set("MigVal", QStringLiteral("'"));
        QCOMPARE(FormatCurrency(*m_profile, a), QStringLiteral("€ 1'234'567,891"));
        QCOMPARE(FormatCurrency(*m_profile, CurrencyAmount::null()), QString());
        QCOMPARE(FormatCurrency(*m_profile, CurrencyAmount::invalid()), QString());
    }

    // An incomplete currency convention hands the amount to the locale (it_IT here), with the
    // caller's symbol override only.
    void currencyFallsBackToLocale_data() {
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no grouping, symbol set") << "MigVal"
                                                 << ""
                                                 << "12.345.678,58\u00A0€";
        QTest::newRow("no decimal symbol") << "DecVal"
                                           << ""
                                           << "12.345.678,58\u00A0€";
        QTest::newRow("no symbol") << "SimbVal"
                                   << ""
                                   << "12.345.678,58\u00A0€";
        QTest::newRow("no decimals count") << "NDecVal"
                                           << ""
                                           << "12.345.678,58\u00A0€";
        QTest::newRow("override symbol kept") << "MigVal"
                                              << "US$"
                                              << "US$ 12.345.678,58";
    }
    void currencyFallsBackToLocale() {
        QFETCH(QString, missing);
        QFETCH(QString, symbol);
        QFETCH(QString, expected);
        m_profile->remove(Profile::Section::Azienda, missing);
        const CurrencyAmount a = amount("12345678.5834");
        QCOMPARE(FormatCurrency(*m_profile, a, -1, symbol), expected);
        QCOMPARE(FormatCurrency(*m_profile, CurrencyAmount::null(), -1, symbol), QString());
        // Parsing falls back only for a missing decimal symbol; its locale reading drops "-".
        if (missing == QLatin1String("DecVal"))
            QCOMPARE(describe(ParseCurrency(*m_profile, QStringLiteral("-1.234,50 €"))),
                     QStringLiteral("1234.5000"));
    }

    void formatNumber_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<bool>("percent");
        QTest::addColumn<QString>("expected");
        QTest::newRow("grouped") << 12345678.5834 << -1 << false << "12.345.678,58";
        QTest::newRow("percent") << 0.125 << 1 << true << "12,5%";
        QTest::newRow("negative") << -1234.5 << -1 << false << "-1.234,50";
        QTest::newRow("fraction carries") << 0.999 << -1 << false << "1,00";
        QTest::newRow("carry adds a group") << 999.999 << -1 << false << "1.000,00";
        QTest::newRow("no decimals") << 1234.6 << 0 << false << "1.235";
        QTest::newRow("zero") << 0.0 << 3 << false << "0,000";
        QTest::newRow("negative zero") << -0.0 << -1 << false << "0,00";
        QTest::newRow("beyond 32 bits") << 3000000000.25 << -1 << false << "3.000.000.000,25";
        QTest::newRow("beyond 64 bits") << 1e20 << 0 << false << "100.000.000.000.000.000.000";
        QTest::newRow("negative percent") << -0.2 << 0 << true << "-20%";
        QTest::newRow("not a number") << std::nan("") << -1 << false << "";
        QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << -1 << false << "";
    }
    void formatNumber() {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(bool, percent);
        QFETCH(QString, expected);
        QCOMPARE(FormatNumber(*m_profile, value, decimals, percent), expected);
    }

    void formatNumberFallsBackToLocale() {
        m_profile->remove(Profile::Section::Azienda, QStringLiteral("MigValNum"));
        QCOMPARE(FormatNumber(*m_profile, 0.125, 1, true), QStringLiteral("12,50%"));
        set("MigValNum", QStringLiteral("."));
        set("NDecValNum", QStringLiteral("x")); // unreadable: not set
        QCOMPARE(FormatNumber(*m_profile, 1234.5), QStringLiteral("1.234,50"));
        QCOMPARE(
            FormatNumber(*m_profile, 1234.5, 1, false, QStringLiteral("."), QStringLiteral(",")),
            QStringLiteral("1,234.5"));
    }

    void formatInteger_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("grouping");
        QTest::addColumn<QString>("expected");
        QTest::newRow("123") << 123 << ""
                             << "123";
        QTest::newRow("1234") << 1234 << ""
                              << "1.234";
        QTest::newRow("-123") << -123 << ""
                              << "-123";
        QTest::newRow("-123456") << -123456 << ""
                                 << "-123.456";
        QTest::newRow("min") << std::numeric_limits<qint32>::min() << ""
                             << "-2.147.483.648";
        QTest::newRow("override") << 1234567 << " "
                                  << "1 234 567";
    }
    void formatInteger() {
        QFETCH(int, value);
        QFETCH(QString, grouping);
        QFETCH(QString, expected);
        QCOMPARE(FormatInteger(*m_profile, value, grouping), expected);
        m_profile->remove(Profile::Section::Azienda, QStringLiteral("MigValNum"));
        QCOMPARE(FormatInteger(*m_profile, value), FormatIntegerLocale(value));
    }

    void parseCurrency_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("expected");
        QTest::newRow("symbol and minus dropped") << "€ -1.234,50"
                                                  << ""
                                                  << "1234.5000";
        QTest::newRow("empty") << ""
                               << ""
                               << "null";
        QTest::newRow("no digits") << "abc"
                                   << ""
                                   << "null";
        QTest::newRow("leading decimal ignored") << ",5"
                                                 << ""
                                                 << "5.0000";
        QTest::newRow("two decimal symbols") << "1,2,3"
                                             << ""
                                             << "null";
        QTest::newRow("fifth decimal rounds") << "1.234,56785"
                                              << ""
                                              << "1234.5679";
        QTest::newRow("trailing decimal") << "12,"
                                          << ""
                                          << "12.0000";
        QTest::newRow("beyond 32 bits") << "3.000.000.000,25"
                                        << ""
                                        << "3000000000.2500";
        QTest::newRow("too large") << "1.000.000.000.000.000"
                                   << ""
                                   << "null";
        QTest::newRow("override") << "$1,234.5"
                                  << "."
                                  << "1234.5000";
    }
    void parseCurrency() {
        QFETCH(QString, text);
        QFETCH(QString, decimal);
        QFETCH(QString, expected);
        QCOMPARE(describe(ParseCurrency(*m_profile, text, decimal)), expected);
    }

    void parseNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("percent");
        QTest::addColumn<bool>("nonNegative");
        QTest::addColumn<double>("expected");
        QTest::newRow("leading decimal ignored") << ",5" << false << false << 5.0;
        QTest::newRow("second decimal ends") << "1,2,3" << false << false << 1.2;
        QTest::newRow("grouped negative") << "-1.234,5" << false << false << -1234.5;
        QTest::newRow("non-negative drops minus") << "-1.234,5" << false << true << 1234.5;
        QTest::newRow("percent") << "12,5%" << true << false << 0.125;
        QTest::newRow("minus inside ends") << "5-3" << false << false << 5.0;
        QTest::newRow("unreadable") << "abc" << false << false << 0.0;
        QTest::newRow("empty goes to locale") << "" << false << false << 0.0;
    }
    void parseNumber() {
        QFETCH(QString, text);
        QFETCH(bool, percent);
        QFETCH(bool, nonNegative);
        QFETCH(double, expected);
        QCOMPARE(ParseNumber(*m_profile, text, percent, nonNegative), expected);
    }

    // What is formatted reads back as the same value, for every decimals count.
    void roundTrip_data() {
        QTest::addColumn<int>("decimals");
        for (int n = 0; n <= 4; ++n)
            QTest::addRow("%d decimals", n) << n;
    }
    void roundTrip() {
        QFETCH(int, decimals);
        set("NDecVal", decimals);
        set("NDecValNum", decimals);
        const qint64 step = qint64(std::pow(10, 4 - decimals));
        QRandomGenerator random(20240205u + quint32(decimals));
        for (int i = 0; i < 400; ++i) {
            // Magnitudes from cents to the billions, both signs.
            const qint64 range = qint64(std::pow(10, 3 + i % 12));
            const qint64 units = (qint64(random.bounded(quint64(range))) - range / 2) * step;
            const CurrencyAmount a = CurrencyAmount::fromUnits(units);
            const QString text = FormatCurrency(*m_profile, a);
            QCOMPARE(ParseCurrency(*m_profile, text), CurrencyAmount::fromUnits(std::abs(units)));

            const double value = double(units / step) / std::pow(10, decimals);
            const QString number = FormatNumber(*m_profile, value);
            QCOMPARE(ParseNumber(*m_profile, number), value);
            const double rate = value / 100;
            const double back =
                ParseNumber(*m_profile, FormatNumber(*m_profile, rate, -1, true), true);
            QVERIFY2(std::fabs(back - rate) <= 1e-12 * std::fabs(rate),
                     qPrintable(QString::number(rate, 'g', 17)));
        }
    }

    void multiplyDivide_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("divide");
        QTest::addColumn<double>("operand");
        QTest::addColumn<QString>("expected");
        QTest::newRow("times 3") << "12345678.5834" << false << 3.0 << "37037035.7502";
        QTest::newRow("VAT") << "19.99" << false << 1.22 << "24.3878";
        QTest::newRow("fifth decimal up") << "0.0001" << false << 0.5 << "0.0001";
        // 0.00004999996 is 0.000050 with six decimals, hence 0.0001.
        QTest::newRow("six decimals first") << "1" << false << 0.00004999996 << "0.0001";
        QTest::newRow("fifth decimal down") << "0.0001" << false << 0.4 << "0.0000";
        QTest::newRow("negative keeps sign") << "-10" << false << 0.33333 << "-3.3333";
        QTest::newRow("large") << "900000000000.5" << false << 2.0 << "1800000000001.0000";
        QTest::newRow("largest times one")
            << "922337203685477.5807" << false << 1.0 << "922337203685477.5807";
        QTest::newRow("overflow") << "922337203685477.5807" << false << 2.0 << "null";
        QTest::newRow("infinite factor") << "1" << false << qInf() << "null";
        QTest::newRow("one third") << "1" << true << 3.0 << "0.3333";
        QTest::newRow("two thirds") << "2" << true << 3.0 << "0.6667";
        QTest::newRow("negative two thirds") << "-2" << true << 3.0 << "-0.6667";
        QTest::newRow("exchange rate") << "100" << true << 1.0856 << "92.1150";
        QTest::newRow("by zero") << "5" << true << 0.0 << "null";
        QTest::newRow("zero by zero") << "0" << true << 0.0 << "null";
        QTest::newRow("null amount") << "" << false << 2.0 << "null";
        // A negative operand or amount gives the product's sign; results below a tenth keep
        // their digits, and negative halves round away from zero as positive ones do.
        QTest::newRow("negative mark-up") << "1" << false << -0.05 << "-0.0500";
        QTest::newRow("negative factor") << "12345678.5834" << false << -3.0 << "-37037035.7502";
        QTest::newRow("both negative") << "-2" << false << -1.5 << "3.0000";
        QTest::newRow("negative small") << "-0.05" << false << 1.0 << "-0.0500";
        QTest::newRow("positive small") << "0.05" << false << 1.0 << "0.0500";
        QTest::newRow("negative fifth decimal up") << "-0.0001" << false << 0.5 << "-0.0001";
        QTest::newRow("negative fifth decimal down") << "-0.0001" << false << 0.4 << "0.0000";
        QTest::newRow("negative factor fifth decimal up") << "0.0003" << false << -0.5 << "-0.0002";
        QTest::newRow("negative times zero") << "-5" << false << 0.0 << "0.0000";
        QTest::newRow("by negative") << "10" << true << -4.0 << "-2.5000";
        QTest::newRow("negative by negative") << "-1" << true << -3.0 << "0.3333";
        QTest::newRow("small by negative") << "0.0002" << true << -3.0 << "-0.0001";
        QTest::newRow("negative overflow") << "-922337203685477.5807" << false << -2.0 << "null";
    }
    void multiplyDivide() {
        QFETCH(QString, value);
        QFETCH(bool, divide);
        QFETCH(double, operand);
        QFETCH(QString, expected);
        const CurrencyAmount a =
            value.isEmpty() ? CurrencyAmount::null() : CurrencyAmount::fromDecimalString(value);
        const CurrencyAmount result =
            divide ? DivideCurrency(a, operand) : MultiplyCurrency(a, operand);
        QCOMPARE(describe(result), expected);
    }

    void formatLongDate_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one-digit day") << QDate(2024, 2, 5) << "Lunedì  5 Febbraio 2024";
        QTest::newRow("sunday") << QDate(2024, 1, 7) << "Domenica  7 Gennaio 2024";
        QTest::newRow("two-digit day") << QDate(2023, 12, 30) << "Sabato 30 Dicembre 2023";
        QTest::newRow("invalid") << QDate() << "";
    }
    void formatLongDate() {
        QFETCH(QDate, date);
        QFETCH(QString, expected);
        QCOMPARE(FormatLongDate(date), expected);
    }

    // With no company conventions every operation follows the locale.
    void localeFormats_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("currency");
        QTest::addColumn<QString>("negativeCurrency");
        QTest::addColumn<QString>("otherSymbol");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QString>("integer");
        QTest::newRow("it_IT") << "it_IT"
                               << "12.345.678,58\u00A0€"
                               << "-1.234,50\u00A0€"
                               << "US$ 1.234,50"
                               << "-1.234,50"
                               << "12,50%"
                               << "-1.234.567";
        QTest::newRow("en_US") << "en_US"
                               << "$12,345,678.58"
                               << "($1,234.50)"
                               << "US$ 1,234.50"
                               << "-1,234.50"
                               << "12.50%"
                               << "-1,234,567";
        QTest::newRow("de_CH") << "de_CH"
                               << "12’345’678.58\u00A0CHF"
                               << "-1’234.50\u00A0CHF"
                               << "US$ 1’234.50"
                               << "-1’234.50"
                               << "12.50%"
                               << "-1’234’567";
        QTest::newRow("fr_FR") << "fr_FR"
                               << "12\u202F345\u202F678,58\u00A0€"
                               << "(1\u202F234,50\u00A0€)"
                               << "US$ 1\u202F234,50"
                               << "-1\u202F234,50"
                               << "12,50%"
                               << "-1\u202F234\u202F567";
    }
    void localeFormats() {
        QFETCH(QString, locale);
        QFETCH(QString, currency);
        QFETCH(QString, negativeCurrency);
        QFETCH(QString, otherSymbol);
        QFETCH(QString, number);
        QFETCH(QString, percent);
        QFETCH(QString, integer);
        LocaleScope scope(locale);
        m_profile->removeSection(Profile::Section::Azienda);
        const CurrencyAmount big = amount("12345678.5834");
        const CurrencyAmount negative = amount("-1234.5");

        QCOMPARE(FormatCurrency(*m_profile, big), currency);
        QCOMPARE(FormatCurrencyLocale(big), currency);
        QCOMPARE(FormatCurrencyLocale(negative), negativeCurrency);
        // Another currency's symbol replaces the locale's own and its sign.
        QCOMPARE(FormatCurrency(*m_profile, negative, -1, QStringLiteral("US$")), otherSymbol);
        QCOMPARE(FormatCurrencyLocale(CurrencyAmount::invalid()), QString());
        QCOMPARE(FormatNumber(*m_profile, -1234.5), number);
        QCOMPARE(FormatNumberLocale(0.125, true), percent);
        QCOMPARE(FormatInteger(*m_profile, -1234567), integer);
        QCOMPARE(FormatIntegerLocale(-1234567), integer);

        QCOMPARE(ParseCurrency(*m_profile, negativeCurrency), amount("1234.5"));
        QCOMPARE(ParseCurrencyLocale(negativeCurrency, false), negative);
        QCOMPARE(ParseCurrencyLocale(QString()), CurrencyAmount::null());
        QCOMPARE(ParseNumber(*m_profile, number), -1234.5);
        QCOMPARE(ParseNumberLocale(number, false, true), 1234.5);
        QCOMPARE(ParseNumberLocale(percent, true), 0.125);
        QCOMPARE(ParseNumberLocale(integer), -1234567.0);
    }

    void localeRounding() {
        LocaleScope scope(QStringLiteral("it_IT"));
        // Amounts round exactly, half away from zero; the largest keeps all its digits.
        QCOMPARE(FormatCurrencyLocale(amount("1.005")), QStringLiteral("1,01\u00A0€"));
        QCOMPARE(FormatCurrencyLocale(amount("0.999")), QStringLiteral("1,00\u00A0€"));
        QCOMPARE(FormatCurrencyLocale(amount("922337203685477.5807")),
                 QStringLiteral("922.337.203.685.477,58\u00A0€"));
        // Numbers go through six decimals first: 1.0049996 is 1.005000, then 1,01.
        QCOMPARE(FormatNumberLocale(1.0049996), QStringLiteral("1,01"));
        QCOMPARE(FormatNumberLocale(0.125), QStringLiteral("0,13"));
        QCOMPARE(FormatNumberLocale(qInf()), QString());
    }

    // Locale texts read back, including the plain space or apostrophe a user types where the
    // locale groups with U+202F or U+2019.
    void localeRoundTrip_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::newRow("it_IT") << "it_IT"
                               << "1.234,5";
        QTest::newRow("en_US") << "en_US"
                               << "1,234.5";
        QTest::newRow("de_CH") << "de_CH"
                               << "1'234.5";
        QTest::newRow("fr_FR") << "fr_FR"
                               << "1 234,5";
        // Negative amounts with U+2212; grouping only from five digits on.
        QTest::newRow("sv_SE") << "sv_SE"
                               << "1 234,5";
        QTest::newRow("es_ES") << "es_ES"
                               << "1.234,5";
    }
    void localeRoundTrip() {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        LocaleScope scope(locale);
        QCOMPARE(ParseNumberLocale(typed), 1234.5);
        QCOMPARE(ParseCurrencyLocale(typed), amount("1234.5"));
        QRandomGenerator random(7);
        for (int i = 0; i < 200; ++i) {
            const qint64 cents = qint64(random.bounded(quint64(2000000000000))) - 1000000000000;
            const CurrencyAmount a = CurrencyAmount::fromUnits(cents * 100);
            const QString text = FormatCurrencyLocale(a);
            QCOMPARE(ParseCurrencyLocale(text, false), a);
            QCOMPARE(ParseCurrencyLocale(text), CurrencyAmount::fromUnits(std::abs(cents) * 100));
            const double value = double(cents) / 100;
            QCOMPARE(ParseNumberLocale(FormatNumberLocale(value)), value);
            const qint32 whole = qint32(cents % 2000000000);
            QCOMPARE(ParseNumberLocale(FormatIntegerLocale(whole)), double(whole));
        }
    }

    // The C locale groups no digits, beyond 64 bits neither: what it writes reads back.
    void localeWithoutGrouping() {
        LocaleScope scope(QStringLiteral("C"));
        QCOMPARE(FormatNumberLocale(1e20), QStringLiteral("100000000000000000000.00"));
        QCOMPARE(ParseNumberLocale(FormatNumberLocale(1e20)), 1e20);
        QCOMPARE(ParseNumberLocale(FormatNumberLocale(-12345.5)), -12345.5);
    }

    // Bulk readers find the decimal symbol once and pass it on: that must read every value as
    // the per-call lookup does, with the company's symbol and with the locale's.
    void resolvedDecimalSymbolReadsAlike_data() { localeRoundTrip_data(); }
    void resolvedDecimalSymbolReadsAlike() {
        QFETCH(QString, locale);
        LocaleScope scope(locale);
        for (const bool company : {true, false}) {
            if (!company) {
                set("DecVal", QString());
                set("DecValNum", QString());
            }
            const QString amountSymbol = CurrencyDecimalSymbol(*m_profile);
            const QString numberSymbol = NumberDecimalSymbol(*m_profile);
            QCOMPARE(amountSymbol.isEmpty(), false);
            QRandomGenerator random(11);
            for (int i = 0; i < 200; ++i) {
                const qint64 cents = qint64(random.bounded(quint64(200000000)));
                const CurrencyAmount a = CurrencyAmount::fromUnits(cents * 100);
                const QString money =
                    company ? FormatCurrency(*m_profile, a) : FormatCurrencyLocale(a);
                QCOMPARE(ParseCurrency(*m_profile, money, amountSymbol),
                         ParseCurrency(*m_profile, money));
                const QString number = company ? FormatNumber(*m_profile, double(cents) / 100)
                                               : FormatNumberLocale(double(cents) / 100);
                QCOMPARE(ParseNumber(*m_profile, number, false, false, numberSymbol),
                         ParseNumber(*m_profile, number));
            }
        }
    }
};

QTEST_MAIN(tst_Formats)
#include "tst_Formats.moc"
