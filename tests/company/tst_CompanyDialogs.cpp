// label: gui
#include "common/ChangeNotifier.h"
#include "common/IBrowser.h"
#include "common/IFileDialogs.h"
#include "common/Language.h"
#include "common/Profile.h"
#include "company/CompanyData.h"
#include "company/CompanyLogo.h"
#include "company/DocumentCurrency.h"
#include "company/FormatConventions.h"
#include "company/Formats.h"
#include "company/ui/CAziendaSheet.h"
#include "company/ui/CDittaDialog.h"
#include "company/ui/CFormatDialog.h"
#include "company/ui/CFormatFields.h"
#include "company/ui/CSceltaValuta.h"
#include "company/ui/CValutaDialog.h"
#include "shell/ui/CMainApp.h"
#include "shell/ui/CMainFrame.h"
#include "shell/ui/CRibbonBar.h"

#include "RecordingBrowser.h"
#include "ScriptedPrompt.h"
#include "TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace {
using S = Profile::Section;

class FakeFileDialogs : public IFileDialogs {
public:
    struct Call {
        QString title;
        QString filter;
    };
    QStringList answers;
    QList<Call> calls;

    QString openFile(const QString& title, const QString&, const QString& filter) override {
        calls.append({title, filter});
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    QString saveFile(const QString& title, const QString&, const QString&,
                     const QString& filter) override {
        calls.append({title, filter});
        return QString();
    }
    QString chooseFolder(const QString& title, const QString&) override {
        calls.append({title, QString()});
        return QString();
    }
};

// One user's profile, data folder and answers, all in a temporary folder.
struct World {
    QTemporaryDir tmp;
    Profile profile{tmp.filePath(QStringLiteral("q.ini")),
                    tmp.filePath(QStringLiteral("none.ini"))};
    ScriptedPrompt prompt;
    FakeFileDialogs files;
    RecordingBrowser browser;

    QString appData() const { return tmp.path(); }
    QString logoFile() const { return tmp.path() + QStringLiteral("/Norvisk/Quarzil/logo.jpg"); }
    QString azienda(const char* key) const {
        return profile.string(S::Azienda, QLatin1String(key));
    }
    bool has(const char* key) const { return profile.contains(S::Azienda, QLatin1String(key)); }
    void set(const char* key, const QVariant& value) {
        profile.setValue(S::Azienda, QLatin1String(key), value);
    }
    void setItalianFormats() {
        set("SimbVal", QStringLiteral("€"));
        set("DecVal", QStringLiteral(","));
        set("MigVal", QStringLiteral("."));
        set("NDecVal", 2);
        set("DecValNum", QStringLiteral(","));
        set("MigValNum", QStringLiteral("."));
        set("NDecValNum", 2);
    }
    QString prompts() const {
        QStringList texts;
        for (const auto& s : prompt.shown)
            texts << s.text;
        return (texts + prompt.balloons).join(u'\n');
    }
};

QString Stripped(QString text) {
    return text.remove(u'&');
}

QPushButton* Button(QWidget* parent, const char* name) {
    return parent->findChild<QPushButton*>(QLatin1String(name));
}

QByteArray Digest(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

QString WriteImage(const QTemporaryDir& dir, const QString& name, const QColor& color,
                   const char* format) {
    QImage image(40, 20, QImage::Format_ARGB32);
    image.fill(color);
    const QString path = dir.filePath(name);
    return image.save(path, format) ? path : QString();
}

// The colour at the middle of what the logo area shows.
QColor ShownColour(const CDittaDialog& page) {
    const QPixmap pixmap = page.logoArea()->pixmap();
    if (pixmap.isNull())
        return QColor();
    const QImage image = pixmap.toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

bool Near(const QColor& a, const QColor& b) {
    return qAbs(a.red() - b.red()) < 24 && qAbs(a.green() - b.green()) < 24 &&
           qAbs(a.blue() - b.blue()) < 24;
}

// Runs `drive` on the modal dialog as soon as one is open, then closes it if it is still open,
// so a failing check never leaves the test waiting on exec().
void WhenModal(std::function<void(QWidget*)> drive) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, drive] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && ++*tries < 500)
            return;
        timer->stop();
        timer->deleteLater();
        if (!modal)
            return;
        drive(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && dialog->isVisible())
            dialog->reject();
    });
    timer->start();
}

const QString kNameBalloon =
    QStringLiteral("Errore nella ragione sociale: La ragione sociale dell'azienda è obbligatoria!");
const QString kSymbolsBalloon =
    QStringLiteral("Errore nel simbolo dei decimali: Il simbolo dei decimali e raggruppamento "
                   "cifre non possono essere uguali!");
} // namespace

class tst_CompanyDialogs : public QObject {
    Q_OBJECT

    QLocale m_savedLocale;

private Q_SLOTS:
    void initTestCase() {
        // The wizard must open in these tests, as it does for a user.
        qunsetenv("QUARZIL_NONINTERACTIVE");
        QLocale::setDefault(QLocale(QStringLiteral("it_IT")));
    }
    void cleanupTestCase() { QLocale::setDefault(m_savedLocale); }
    void init() { QLocale::setDefault(QLocale(QStringLiteral("it_IT"))); }

    // --- Conventions read off the locale ---------------------------------------------------

    void localeDerivation_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("grouping");
        QTest::addColumn<QString>("symbolInFrontOnly");
        QTest::addColumn<QString>("currencyExample");
        QTest::addColumn<QString>("numberExample");
        QTest::addColumn<QString>("sampleAmount");
        QTest::addColumn<QString>("sampleText");
        QTest::newRow("it_IT") << "it_IT"
                               << "€" << 2 << ","
                               << "."
                               << ""
                               << "Esempio: € 12.345.678,58"
                               << "Esempio: 12.345.678,58"
                               << "12345.24"
                               << "€ 12.345,24";
        QTest::newRow("en_US") << "en_US"
                               << "$" << 2 << "."
                               << ","
                               << "$"
                               << "Esempio: $ 12,345,678.58"
                               << "Esempio: 12,345,678.58"
                               << "12345.24"
                               << "$ 12,345.24";
        // Currencies without decimals: what follows the thousands is a grouping symbol, and
        // the decimal symbol is the locale's own.
        QTest::newRow("ja_JP") << "ja_JP"
                               << "￥" << 0 << "."
                               << ","
                               << "￥"
                               << "Esempio: ￥ 12,345,679"
                               << "Esempio: 12,345,678.58"
                               << "12345"
                               << "￥ 12,345";
        QTest::newRow("ko_KR") << "ko_KR"
                               << "₩" << 0 << "."
                               << ","
                               << "₩"
                               << "Esempio: ₩ 12,345,679"
                               << "Esempio: 12,345,678.58"
                               << "12345"
                               << "₩ 12,345";
        QTest::newRow("vi_VN") << "vi_VN"
                               << "₫" << 0 << ","
                               << "."
                               << ""
                               << "Esempio: ₫ 12.345.679"
                               << "Esempio: 12.345.678,58"
                               << "12345"
                               << "₫ 12.345";
        QTest::newRow("is_IS") << "is_IS"
                               << "ISK" << 0 << ","
                               << "."
                               << ""
                               << "Esempio: ISK 12.345.679"
                               << "Esempio: 12.345.678,58"
                               << "12345"
                               << "ISK 12.345";
        QTest::newRow("es_CL") << "es_CL"
                               << "$" << 0 << ","
                               << "."
                               << "$"
                               << "Esempio: $ 12.345.679"
                               << "Esempio: 12.345.678,58"
                               << "12345"
                               << "$ 12.345";
    }
    void localeDerivation() {
        QFETCH(QString, locale);
        QFETCH(QString, symbol);
        QFETCH(int, decimals);
        QFETCH(QString, decimal);
        QFETCH(QString, grouping);
        QFETCH(QString, symbolInFrontOnly);
        QFETCH(QString, currencyExample);
        QFETCH(QString, numberExample);
        QFETCH(QString, sampleAmount);
        QFETCH(QString, sampleText);
        QLocale::setDefault(QLocale(locale));

        const CurrencyConvention currency = LocaleCurrencyConvention();
        QCOMPARE(currency, (CurrencyConvention{symbol, decimals, decimal, grouping}));
        QCOMPARE(LocaleNumberConvention(), (NumberConvention{2, decimal, grouping}));
        // The document's dialog finds a symbol only in front of the number.
        QCOMPARE(LocaleCurrencyConvention(QLocale(), false),
                 (CurrencyConvention{symbolInFrontOnly, decimals, decimal, grouping}));

        // On an empty profile the page shows them; nothing is written before OK.
        World w;
        CAziendaSheet sheet(CAziendaSheet::Mode::Sheet, w.profile, w.prompt, w.files, w.browser,
                            w.appData(), nullptr);
        sheet.show();
        CFormatFields* f = sheet.formatPage()->fields();
        QCOMPARE(f->currencySymbol()->text(), symbol);
        QCOMPARE(f->currencyDecimals()->text(), QString::number(decimals));
        QCOMPARE(f->currencyDecimal()->text(), decimal);
        QCOMPARE(f->currencyGrouping()->text(), grouping);
        QCOMPARE(f->numberDecimals()->text(), QStringLiteral("2"));
        QCOMPARE(f->numberDecimal()->text(), decimal);
        QCOMPARE(f->numberGrouping()->text(), grouping);
        QCOMPARE(f->currencyExample()->text(), currencyExample);
        QCOMPARE(f->numberExample()->text(), numberExample);
        QCOMPARE(w.profile.keys(S::Azienda), QStringList());

        sheet.dittaPage()->field(QStringLiteral("RagSoc"))->setText(QStringLiteral("Rossi Srl"));
        QTest::mouseClick(Button(&sheet, "OK"), Qt::LeftButton);
        QVERIFY(!sheet.isVisible());
        QCOMPARE(w.azienda("SimbVal"), symbol);
        QCOMPARE(w.azienda("DecVal"), decimal);
        QCOMPARE(w.azienda("MigVal"), grouping);
        QCOMPARE(w.profile.integer(S::Azienda, QStringLiteral("NDecVal"), -1), decimals);
        QCOMPARE(w.azienda("DecValNum"), decimal);
        QCOMPARE(w.azienda("MigValNum"), grouping);
        QCOMPARE(w.profile.integer(S::Azienda, QStringLiteral("NDecValNum"), -1), 2);
        // The written format reads the locale's own amounts, and its own, as they are.
        const CurrencyAmount sample = CurrencyAmount::fromDecimalString(sampleAmount);
        QCOMPARE(ParseCurrency(w.profile, QLocale().toCurrencyString(12345.24)), sample);
        QCOMPARE(FormatCurrency(w.profile, sample), sampleText);
        QCOMPARE(ParseCurrency(w.profile, sampleText), sample);
        QVERIFY2(w.prompt.shown.isEmpty() && w.prompt.balloons.isEmpty(), qPrintable(w.prompts()));

        // Cancelled, neither the wizard nor the sheet writes anything.
        World other;
        for (auto mode : {CAziendaSheet::Mode::Wizard, CAziendaSheet::Mode::Sheet}) {
            CAziendaSheet cancelled(mode, other.profile, other.prompt, other.files, other.browser,
                                    other.appData(), nullptr);
            cancelled.show();
            QTest::mouseClick(Button(&cancelled, "Annulla"), Qt::LeftButton);
            QVERIFY(!cancelled.isVisible());
        }
        QCOMPARE(other.profile.keys(S::Azienda), QStringList());
    }

    // Wherever a locale yields a whole convention, that convention reads the locale's own
    // amounts and its own texts back as the amounts they show.
    void everyLocaleReadsItsOwnAmounts() {
        QStringList wrong;
        QSet<QString> seen;
        World w;
        for (const QLocale& locale : QLocale::matchingLocales(
                 QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
            if (seen.contains(locale.name()))
                continue;
            seen.insert(locale.name());
            const CurrencyConvention c = LocaleCurrencyConvention(locale);
            if (c.symbol.isEmpty() || c.decimal.isEmpty() || c.grouping.isEmpty())
                continue;
            WriteCurrencyConvention(w.profile, c);
            qint64 step = 1;
            for (int d = c.decimals; d < 4; ++d)
                step *= 10;
            const CurrencyAmount shown =
                CurrencyAmount::fromUnits((123452400 + step / 2) / step * step);
            const QString sample = locale.toCurrencyString(12345.24);
            if (c.decimal == c.grouping || ParseCurrency(w.profile, sample) != shown ||
                ParseCurrency(w.profile, FormatCurrency(w.profile, shown)) != shown)
                wrong << locale.name() + u' ' + sample;
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    }

    void conventionTexts() {
        // A trailing symbol after a no-break space, digits grouped by a narrow no-break space.
        QCOMPARE(CurrencyConventionFromText(QStringLiteral("12\u202F345,24\u00A0€"), true),
                 (CurrencyConvention{QStringLiteral("€"), 2, QStringLiteral(","),
                                     QStringLiteral("\u202F")}));
        QCOMPARE(CurrencyConventionFromText(QStringLiteral("12’345.24 CHF"), true),
                 (CurrencyConvention{QStringLiteral("CHF"), 2, QStringLiteral("."),
                                     QStringLiteral("’")}));
        QCOMPARE(CurrencyConventionFromText(QStringLiteral("R$ 12.345,24"), true),
                 (CurrencyConvention{QStringLiteral("R$"), 2, QStringLiteral(","),
                                     QStringLiteral(".")}));
        QCOMPARE(NumberConventionFromText(QStringLiteral("1.000,50")),
                 (NumberConvention{2, QStringLiteral(","), QStringLiteral(".")}));
        // A locale that leaves 1000 ungrouped still has a grouping symbol.
        QCOMPARE(NumberConventionFromText(QStringLiteral("1000,50")).grouping, QString());
        QCOMPARE(LocaleNumberConvention(QLocale(QStringLiteral("es_ES"))).grouping,
                 QStringLiteral("."));
        QCOMPARE(DecimalsFromText(QStringLiteral("3")), 3);
        QCOMPARE(DecimalsFromText(QStringLiteral("x")), 0);
        QCOMPARE(DecimalsFromText(QString()), 0);
    }

    void storedFormatsAreNotDerivedAgain() {
        World w;
        w.set("SimbVal", QStringLiteral("CHF"));
        w.set("DecVal", QStringLiteral("."));
        w.set("MigVal", QStringLiteral("'"));
        w.set("DecValNum", QStringLiteral(","));
        w.set("MigValNum", QStringLiteral(" "));
        w.set("NDecValNum", 3);
        CFormatDialog page(w.profile, w.prompt, w.browser);
        CFormatFields* f = page.fields();
        QCOMPARE(f->currencySymbol()->text(), QStringLiteral("CHF"));
        // A missing count of decimals shows as 2 and is not written by opening the page.
        QCOMPARE(f->currencyDecimals()->text(), QStringLiteral("2"));
        QVERIFY(!w.has("NDecVal"));
        QCOMPARE(f->currencyGrouping()->text(), QStringLiteral("'"));
        QCOMPARE(f->numberDecimals()->text(), QStringLiteral("3"));
        QCOMPARE(f->numberGrouping()->text(), QStringLiteral(" "));
        QCOMPARE(f->currencyExample()->text(), QStringLiteral("Esempio: CHF 12'345'678.58"));
        QCOMPARE(f->numberExample()->text(), QStringLiteral("Esempio: 12 345 678,583"));
        QCOMPARE(f->currencySymbol()->maxLength(), 3);
        for (QLineEdit* e : {f->currencyDecimals(), f->currencyDecimal(), f->currencyGrouping(),
                             f->numberDecimals(), f->numberDecimal(), f->numberGrouping()})
            QCOMPARE(e->maxLength(), 1);

        page.showHelp();
        QCOMPARE(w.browser.opened.value(0).path(), QStringLiteral("/aiuto/Quarzil/valuta.php"));
    }

    // --- The format page ----------------------------------------------------------------------

    void examplesFollowTheFields() {
        World w;
        w.setItalianFormats();
        CFormatDialog page(w.profile, w.prompt, w.browser);
        CFormatFields* f = page.fields();
        f->currencySymbol()->setText(QStringLiteral("$"));
        QCOMPARE(f->currencyExample()->text(), QStringLiteral("Esempio: $ 12.345.678,58"));
        f->currencyDecimals()->setText(QStringLiteral("0"));
        QCOMPARE(f->currencyExample()->text(), QStringLiteral("Esempio: $ 12.345.679"));
        f->currencyGrouping()->setText(QStringLiteral("'"));
        QCOMPARE(f->currencyExample()->text(), QStringLiteral("Esempio: $ 12'345'679"));
        // The number example has its own fields.
        QCOMPARE(f->numberExample()->text(), QStringLiteral("Esempio: 12.345.678,58"));
        f->numberDecimals()->setText(QStringLiteral("1"));
        QCOMPARE(f->numberExample()->text(), QStringLiteral("Esempio: 12.345.678,6"));
        f->numberDecimal()->setText(QStringLiteral("."));
        f->numberGrouping()->setText(QStringLiteral(","));
        QCOMPARE(f->numberExample()->text(), QStringLiteral("Esempio: 12,345,678.6"));
        QCOMPARE(f->currencyExample()->text(), QStringLiteral("Esempio: $ 12'345'679"));
        // Nothing is written before saving.
        QCOMPARE(w.azienda("SimbVal"), QStringLiteral("€"));
        QCOMPARE(w.azienda("DecValNum"), QStringLiteral(","));
    }

    void equalSymbolsAreRefused_data() {
        QTest::addColumn<bool>("numbers");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("grouping");
        QTest::newRow("currency, both commas") << false << ","
                                               << ",";
        QTest::newRow("currency, both empty") << false << ""
                                              << "";
        QTest::newRow("numbers, both points") << true << "."
                                              << ".";
        QTest::newRow("numbers, both empty") << true << ""
                                             << "";
    }
    void equalSymbolsAreRefused() {
        QFETCH(bool, numbers);
        QFETCH(QString, decimal);
        QFETCH(QString, grouping);
        World w;
        w.setItalianFormats();
        CFormatDialog page(w.profile, w.prompt, w.browser);
        CFormatFields* f = page.fields();
        f->currencySymbol()->setText(QStringLiteral("$"));
        f->numberDecimals()->setText(QStringLiteral("3"));
        (numbers ? f->numberDecimal() : f->currencyDecimal())->setText(decimal);
        (numbers ? f->numberGrouping() : f->currencyGrouping())->setText(grouping);

        QVERIFY(!page.save());
        QCOMPARE(w.prompt.balloons, QStringList{kSymbolsBalloon});
        QVERIFY(w.prompt.shown.isEmpty());
        // The currency group is written before the numbers are checked, never after a refusal.
        QCOMPARE(w.azienda("SimbVal"), numbers ? QStringLiteral("$") : QStringLiteral("€"));
        QCOMPARE(w.azienda("DecVal"), QStringLiteral(","));
        QCOMPARE(w.azienda("MigVal"), QStringLiteral("."));
        QCOMPARE(w.profile.integer(S::Azienda, QStringLiteral("NDecValNum")), 2);
        QCOMPARE(w.azienda("DecValNum"), QStringLiteral(","));
        QCOMPARE(w.azienda("MigValNum"), QStringLiteral("."));
    }

    void nonNumericDecimalsSaveZero() {
        World w;
        w.setItalianFormats();
        CFormatDialog page(w.profile, w.prompt, w.browser);
        page.fields()->currencyDecimals()->setText(QStringLiteral("x"));
        page.fields()->numberDecimals()->setText(QStringLiteral("-"));
        page.fields()->numberGrouping()->setText(QStringLiteral(" "));
        QVERIFY2(page.save(), qPrintable(w.prompts()));
        QCOMPARE(w.profile.value(S::Azienda, QStringLiteral("NDecVal")).toString(),
                 QStringLiteral("0"));
        QCOMPARE(w.profile.value(S::Azienda, QStringLiteral("NDecValNum")).toString(),
                 QStringLiteral("0"));
        QCOMPARE(w.azienda("MigValNum"), QStringLiteral(" "));
        QCOMPARE(w.azienda("SimbVal"), QStringLiteral("€"));
    }

    // --- The company page ---------------------------------------------------------------------

    void companyPageShowsFieldsAndTools() {
        World w;
        w.set("RagSoc", QStringLiteral("Rossi Srl"));
        w.set("Web", QStringLiteral("www.rossi.it"));
        CDittaDialog page(w.profile, w.prompt, w.files, w.browser, w.appData());
        QCOMPARE(page.field(QStringLiteral("RagSoc"))->text(), QStringLiteral("Rossi Srl"));
        QCOMPARE(page.field(QStringLiteral("Web"))->text(), QStringLiteral("www.rossi.it"));
        QCOMPARE(page.countryCombo()->currentText(), QStringLiteral("Italia"));
        QVERIFY(page.countryCombo()->isEditable());
        QStringList countries;
        for (int i = 0; i < page.countryCombo()->count(); ++i)
            countries << page.countryCombo()->itemText(i);
        QCOMPARE(countries, (QStringList{QStringLiteral("Italia"), QStringLiteral("Svizzera"),
                                         QStringLiteral("San Marino"), QStringLiteral("Altra")}));
        QCOMPARE(page.field(QStringLiteral("Paese")), page.countryCombo()->lineEdit());

        // Every field has its label with its access key.
        QStringList labels;
        for (const CompanyField& f : CompanyFields()) {
            QLabel* label = nullptr;
            for (QLabel* l : page.findChildren<QLabel*>())
                if (l->buddy() == page.field(f.key) ||
                    (f.key == QLatin1String("Paese") && l->buddy() == page.countryCombo()))
                    label = l;
            QVERIFY2(label, qPrintable(f.key));
            labels << label->text();
        }
        QCOMPARE(labels, (QStringList{"&Rag.Soc.", "&Indirizzo", "&Comune", "Na&zione", "&Telefono",
                                      "Fa&x", "Cell&ulare", "&E-Mail", "&Sito Web", "C&od.Fisc",
                                      "Part.I&va", "Ca&p.Sociale", "A&ltro"}));
        QVERIFY(page.field(QStringLiteral("Indirizzo"))->placeholderText().startsWith("Es. "));
        QVERIFY(page.field(QStringLiteral("Comune"))->placeholderText().contains(u'('));
        QCOMPARE(page.field(QStringLiteral("CapSoc"))->placeholderText(),
                 QStringLiteral("Es. €.10.000,00"));
        QVERIFY(page.field(QStringLiteral("Altro"))
                    ->placeholderText()
                    .startsWith(QStringLiteral("Es. R.E.A. XXXXX")));
        QVERIFY(page.field(QStringLiteral("RagSoc"))->placeholderText().isEmpty());

        auto* taxCode = page.findChild<QToolButton*>(QStringLiteral("CalcolaCodiceFiscale"));
        auto* vatNumber = page.findChild<QToolButton*>(QStringLiteral("ControllaPartitaIva"));
        QVERIFY(taxCode && vatNumber);
        QCOMPARE(taxCode->toolTip(), QStringLiteral("Calcola codice fiscale"));
        QCOMPARE(vatNumber->toolTip(), QStringLiteral("Controlla partita iva"));
        taxCode->click();
        vatNumber->click();
        page.showHelp();
        QCOMPARE(w.browser.opened.size(), 3);
        QCOMPARE(w.browser.opened.at(0).path(), QStringLiteral("/calcolo-codice-fiscale.php"));
        QCOMPARE(w.browser.opened.at(1).path(), QStringLiteral("/controllo-partita-iva.php"));
        QCOMPARE(w.browser.opened.at(2).path(), QStringLiteral("/aiuto/Quarzil/azienda.php"));
        QVERIFY2(w.prompt.shown.isEmpty(), qPrintable(w.prompts()));
    }

    // The labels, the example cue texts and the country list follow the interface language;
    // the saved values do not change with it.
    void companyPageFollowsTheLanguage() {
        World w;
        w.set("Paese", QStringLiteral("Italia"));
        struct Case {
            const char* code;
            const char* name;
            const char* firstCountry;
            const char* cuePrefix;
        };
        const Case cases[] = {{"en", "Company &name", "Australia", "E.g. "},
                              {"es", "&Razón social", "España", "Ej. "},
                              {"fr", "&Raison sociale", "France", "Ex. "}};
        QSet<QString> addressCues;
        for (const Case& c : cases) {
            QVERIFY(Language::Apply(QString::fromLatin1(c.code)));
            CDittaDialog page(w.profile, w.prompt, w.files, w.browser, w.appData());
            QLabel* name = nullptr;
            for (QLabel* l : page.findChildren<QLabel*>())
                if (l->buddy() == page.field(QStringLiteral("RagSoc")))
                    name = l;
            QVERIFY(name);
            QCOMPARE(name->text(), QString::fromUtf8(c.name));
            QCOMPARE(page.countryCombo()->itemText(0), QString::fromUtf8(c.firstCountry));
            QCOMPARE(page.countryCombo()->currentText(), QStringLiteral("Italia"));
            const QString address = page.field(QStringLiteral("Indirizzo"))->placeholderText();
            QVERIFY2(address.startsWith(QString::fromLatin1(c.cuePrefix)), qPrintable(address));
            QVERIFY(page.field(QStringLiteral("Comune"))
                        ->placeholderText()
                        .startsWith(QString::fromLatin1(c.cuePrefix)));
            addressCues.insert(address);
            QVERIFY(page.findChild<QGroupBox*>()->title() != QStringLiteral("Logo Aziendale"));
        }
        QCOMPARE(addressCues.size(), 3);
        QVERIFY(Language::Apply(QStringLiteral("it")));
        CDittaDialog page(w.profile, w.prompt, w.files, w.browser, w.appData());
        QCOMPARE(page.countryCombo()->itemText(0), QStringLiteral("Italia"));
        QCOMPARE(page.field(QStringLiteral("Indirizzo"))->placeholderText(),
                 QStringLiteral("Es. Via Giuseppe Garibaldi, 25"));
        QVERIFY2(w.prompt.shown.isEmpty(), qPrintable(w.prompts()));
    }

    void overlongWebStopsAfterEMail() {
        World w;
        w.set("Web", QStringLiteral("old.example"));
        CDittaDialog page(w.profile, w.prompt, w.files, w.browser, w.appData());
        const QStringList keys = {"RagSoc", "Indirizzo", "Comune",  "Telefono", "Fax",  "Cellulare",
                                  "EMail",  "CodFisc",   "PartIva", "CapSoc",   "Altro"};
        for (const QString& key : keys)
            page.field(key)->setText(key + QStringLiteral(" nuovo"));
        page.countryCombo()->setCurrentText(QStringLiteral("San Marino"));
        page.field(QStringLiteral("Web"))->setText(QString(151, u'w'));

        w.prompt.expect(QStringLiteral("Il campo non può essere più lungo di 150 caratteri!"));
        QVERIFY(!page.save());
        QVERIFY2(w.prompt.pending().isEmpty() && w.prompt.unexpected.isEmpty(),
                 qPrintable(w.prompts()));
        QCOMPARE(w.prompt.shown.value(0).icon, IPrompt::Icon::Information);
        for (const char* key :
             {"RagSoc", "Indirizzo", "Comune", "Telefono", "Fax", "Cellulare", "EMail"})
            QCOMPARE(w.azienda(key), QLatin1String(key) + QStringLiteral(" nuovo"));
        QCOMPARE(w.azienda("Paese"), QStringLiteral("San Marino"));
        QCOMPARE(w.azienda("Web"), QStringLiteral("old.example"));
        for (const char* key : {"CodFisc", "PartIva", "CapSoc", "Altro"})
            QVERIFY2(!w.has(key), key);

        // At its limit the same text passes and the rest follows.
        page.field(QStringLiteral("Web"))->setText(QString(150, u'w'));
        QVERIFY(page.save());
        QCOMPARE(w.azienda("Web"), QString(150, u'w'));
        QCOMPARE(w.azienda("Altro"), QStringLiteral("Altro nuovo"));
    }

    void nameIsCheckedForLengthToo() {
        World w;
        CDittaDialog page(w.profile, w.prompt, w.files, w.browser, w.appData());
        page.field(QStringLiteral("RagSoc"))->setText(QString(251, u'r'));
        w.prompt.expect(QStringLiteral("Il campo non può essere più lungo di 250 caratteri!"));
        QVERIFY(!page.save());
        QVERIFY(w.prompt.balloons.isEmpty());
        QVERIFY(!w.has("RagSoc"));
        // A cleared country stays cleared rather than going back to the default.
        page.field(QStringLiteral("RagSoc"))->setText(QStringLiteral("Bianchi Snc"));
        page.countryCombo()->setCurrentText(QString());
        QVERIFY(page.save());
        QVERIFY(w.has("Paese"));
        QCOMPARE(CompanyValue(w.profile, QStringLiteral("Paese")), QString());
    }

    // --- The sheet ----------------------------------------------------------------------------

    void emptyNameKeepsTheSheetOpen() {
        World w;
        ChangeNotifier notifier;
        QSignalSpy refresh(&notifier, &ChangeNotifier::refreshAllRequested);
        CAziendaSheet sheet(CAziendaSheet::Mode::Sheet, w.profile, w.prompt, w.files, w.browser,
                            w.appData(), &notifier);
        QCOMPARE(sheet.windowTitle(), QStringLiteral("Gestione Dati Aziendali"));
        auto* tabs = sheet.findChild<QTabWidget*>();
        QVERIFY(tabs);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Anagrafica Azienda"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Valute e Numeri"));
        sheet.show();
        sheet.dittaPage()->field(QStringLiteral("Indirizzo"))->setText(QStringLiteral("Via Po 1"));
        tabs->setCurrentIndex(1);

        Button(&sheet, "OK")->click();
        QCOMPARE(w.prompt.balloons, QStringList{kNameBalloon});
        QVERIFY(sheet.isVisible());
        QCOMPARE(sheet.result(), int(QDialog::Rejected));
        // The refusal is shown on its page.
        QCOMPARE(tabs->currentIndex(), 0);
        QVERIFY(!w.has("RagSoc"));
        QVERIFY(!w.has("Indirizzo"));
        QCOMPARE(refresh.count(), 0);

        Button(&sheet, "Annulla")->click();
        QVERIFY(!sheet.isVisible());
        QCOMPARE(refresh.count(), 0);
    }

    void okSavesBothPagesAndRefreshes() {
        World w;
        w.setItalianFormats();
        ChangeNotifier notifier;
        QSignalSpy refresh(&notifier, &ChangeNotifier::refreshAllRequested);
        CAziendaSheet sheet(CAziendaSheet::Mode::Sheet, w.profile, w.prompt, w.files, w.browser,
                            w.appData(), &notifier);
        sheet.show();
        sheet.dittaPage()->field(QStringLiteral("RagSoc"))->setText(QStringLiteral("Rossi Srl"));
        sheet.formatPage()->fields()->currencySymbol()->setText(QStringLiteral("CHF"));
        // A refusal on the second page keeps the sheet open on that page.
        sheet.formatPage()->fields()->numberGrouping()->setText(QStringLiteral(","));
        Button(&sheet, "OK")->click();
        QCOMPARE(w.prompt.balloons, QStringList{kSymbolsBalloon});
        QCOMPARE(sheet.currentPage(), 1);
        QVERIFY(sheet.isVisible());
        QCOMPARE(refresh.count(), 0);

        sheet.formatPage()->fields()->numberGrouping()->setText(QStringLiteral("."));
        Button(&sheet, "OK")->click();
        QVERIFY(!sheet.isVisible());
        QCOMPARE(sheet.result(), int(QDialog::Accepted));
        QCOMPARE(refresh.count(), 1);
        QCOMPARE(w.azienda("RagSoc"), QStringLiteral("Rossi Srl"));
        QCOMPARE(w.azienda("Paese"), QStringLiteral("Italia"));
        QCOMPARE(w.azienda("SimbVal"), QStringLiteral("CHF"));

        // Help follows the page on show.
        CAziendaSheet again(CAziendaSheet::Mode::Sheet, w.profile, w.prompt, w.files, w.browser,
                            w.appData(), nullptr);
        again.findChild<QTabWidget*>()->setCurrentIndex(1);
        Button(&again, "Aiuto")->click();
        QCOMPARE(w.browser.opened.value(0).path(), QStringLiteral("/aiuto/Quarzil/valuta.php"));
    }

    void wizardSteps() {
        World w;
        ChangeNotifier notifier;
        QSignalSpy refresh(&notifier, &ChangeNotifier::refreshAllRequested);
        CAziendaSheet wizard(CAziendaSheet::Mode::Wizard, w.profile, w.prompt, w.files, w.browser,
                             w.appData(), &notifier);
        wizard.show();
        QPushButton* back = Button(&wizard, "Indietro");
        QPushButton* next = Button(&wizard, "Avanti");
        QPushButton* finish = Button(&wizard, "Fine");
        QCOMPARE(next->text(), QStringLiteral("Avanti >"));
        QCOMPARE(finish->text(), QStringLiteral("Fine"));
        QVERIFY(!wizard.findChild<QTabWidget*>());
        QVERIFY(next->isVisible() && !back->isVisible() && !finish->isVisible());

        // Leaving the first step without a name is refused there, and nothing is written.
        wizard.dittaPage()->field(QStringLiteral("Comune"))->setText(QStringLiteral("Pisa"));
        next->click();
        QCOMPARE(w.prompt.balloons, QStringList{kNameBalloon});
        QCOMPARE(wizard.currentPage(), 0);
        QVERIFY(!w.has("Comune"));

        wizard.dittaPage()->field(QStringLiteral("RagSoc"))->setText(QStringLiteral("Verdi Spa"));
        next->click();
        QCOMPARE(wizard.currentPage(), 1);
        QVERIFY(!next->isVisible() && back->isVisible() && finish->isVisible());
        QVERIFY(!w.has("RagSoc"));
        back->click();
        QCOMPARE(wizard.currentPage(), 0);
        next->click();
        finish->click();
        QVERIFY(!wizard.isVisible());
        QCOMPARE(wizard.result(), int(QDialog::Accepted));
        QCOMPARE(refresh.count(), 1);
        QCOMPARE(w.azienda("RagSoc"), QStringLiteral("Verdi Spa"));
        QCOMPARE(w.azienda("Comune"), QStringLiteral("Pisa"));
        QCOMPARE(w.prompt.balloons.size(), 1);
    }

    // The application shows the wizard at a first start, writes the company, and does not ask
    // again; the menu opens the normal sheet.
    void wizardAtFirstStartThenMenu() {
        QVERIFY2(QFile::exists(TestSupport::TemplateFile()),
                 qPrintable(TestSupport::TemplateFile()));
        QTemporaryDir dir;
        const QString appData = dir.filePath(QStringLiteral("data"));
        QDir().mkpath(appData);
        auto prompt = std::make_shared<ScriptedPrompt>();
        auto browser = std::make_shared<RecordingBrowser>();
        auto makeApp = [&] {
            MainAppEnvironment env;
            env.userProfileFile = dir.filePath(QStringLiteral("config/Quarzil.ini"));
            env.machineProfileFile = dir.filePath(QStringLiteral("machine.ini"));
            env.applicationDataFolder = appData;
            env.executableFolder = TestSupport::BuildDir();
            env.instanceName = TestSupport::UniqueName(QStringLiteral("qz_company_"));
            env.prompt = prompt;
            env.fileDialogs = std::make_shared<FakeFileDialogs>();
            env.browser = browser;
            env.internetState = [] { return StartupChecks::InternetState::Connected; };
            env.display = [] { return std::make_pair(QSize(1280, 1024), 24); };
            return std::make_unique<CMainApp>(env);
        };

        QString mode;
        QString firstButtons;
        WhenModal([&](QWidget* modal) {
            auto* wizard = qobject_cast<CAziendaSheet*>(modal);
            if (!wizard)
                return;
            mode = wizard->mode() == CAziendaSheet::Mode::Wizard ? "wizard" : "sheet";
            for (QPushButton* b : wizard->findChildren<QPushButton*>())
                if (b->isVisible())
                    firstButtons += b->text() + u'|';
            wizard->dittaPage()->field(QStringLiteral("RagSoc"))->setText("Neri & Figli");
            Button(wizard, "Avanti")->click();
            Button(wizard, "Fine")->click();
        });
        {
            auto app = makeApp();
            QSignalSpy refresh(&app->notifier(), &ChangeNotifier::refreshAllRequested);
            QVERIFY(app->initInstance());
            QCOMPARE(mode, QStringLiteral("wizard"));
            QCOMPARE(firstButtons, QStringLiteral("Aiuto|Annulla|Avanti >|"));
            QCOMPARE(refresh.count(), 1);
            QVERIFY2(prompt->shown.isEmpty(), qPrintable(prompt->shown.value(0).text));
            app->exitInstance();
        }
        QSettings onDisk(dir.filePath(QStringLiteral("config/Quarzil.ini")), QSettings::IniFormat);
        QCOMPARE(onDisk.value(QStringLiteral("Azienda/RagSoc")).toString(),
                 QStringLiteral("Neri & Figli"));
        QCOMPARE(onDisk.value(QStringLiteral("Azienda/SimbVal")).toString(), QStringLiteral("€"));

        auto app = makeApp();
        int wizards = 0;
        const auto original = app->runCompanyWizard;
        app->runCompanyWizard = [&] {
            ++wizards;
            original();
        };
        QVERIFY(app->initInstance());
        QCOMPARE(wizards, 0);
        QVERIFY(!QApplication::activeModalWidget());

        // The command sits in the ribbon's application menu.
        QAction* command = app->mainFrame()->command(32796);
        QVERIFY(command);
        QCOMPARE(Stripped(command->text()), QStringLiteral("Dati Aziendali"));
        QVERIFY(app->mainFrame()->ribbon()->applicationMenu()->actions().contains(command));
        QString shownName;
        mode.clear();
        WhenModal([&](QWidget* modal) {
            auto* sheet = qobject_cast<CAziendaSheet*>(modal);
            if (!sheet)
                return;
            mode = sheet->mode() == CAziendaSheet::Mode::Wizard ? "wizard" : "sheet";
            shownName = sheet->dittaPage()->field(QStringLiteral("RagSoc"))->text();
        });
        command->trigger();
        QCOMPARE(mode, QStringLiteral("sheet"));
        QCOMPARE(shownName, QStringLiteral("Neri & Figli"));
        app->exitInstance();
    }

    // --- The logo -----------------------------------------------------------------------------

    void logoArea() {
        World w;
        CDittaDialog page(w.profile, w.prompt, w.files, w.browser, w.appData());
        QCOMPARE(page.logoArea()->contentsRect().size(), QSize(100, 60));
        QCOMPARE(page.logoArea()->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(page.logoArea()->frameWidth(), 1);
        QVERIFY(page.logoArea()->pixmap().isNull());

        // A cancelled choice does nothing.
        QTest::mouseClick(page.logoArea(), Qt::LeftButton);
        QCOMPARE(w.files.calls.size(), 1);
        QCOMPARE(w.files.calls.at(0).title, QStringLiteral("Quarzil : Selezione Immagine"));
        const QString filter = w.files.calls.at(0).filter;
        for (const char* type : {"*.bmp", "*.jpeg", "*.png", "*.jpg", "*.gif", "*.ico", "*.tiff"})
            QVERIFY2(filter.contains(QLatin1String(type)), type);
        QVERIFY(!filter.contains(QStringLiteral("wmf")));
        QVERIFY(w.prompt.shown.isEmpty());
        QVERIFY(!QFile::exists(w.logoFile()));
    }

    void logoYesSavesJpeg() {
        World w;
        CDittaDialog page(w.profile, w.prompt, w.files, w.browser, w.appData());
        w.files.answers << WriteImage(w.tmp, QStringLiteral("blue.png"), Qt::blue, "PNG");
        w.prompt.expect(QStringLiteral("Salvare questa immagine come proprio logo?"),
                        IPrompt::Answer::Yes);
        QTest::mouseClick(page.logoArea(), Qt::LeftButton);
        QVERIFY2(w.prompt.pending().isEmpty() && w.prompt.unexpected.isEmpty(),
                 qPrintable(w.prompts()));
        QCOMPARE(w.prompt.shown.value(0).buttons, IPrompt::Buttons::YesNo);
        QImageReader reader(w.logoFile());
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage saved = reader.read();
        QCOMPARE(saved.size(), QSize(40, 20));
        QVERIFY(Near(saved.pixelColor(20, 10), Qt::blue));
        QVERIFY(Near(ShownColour(page), Qt::blue));
        QCOMPARE(page.logoArea()->pixmap().size(), QSize(100, 60));

        // A later page shows the saved logo.
        CDittaDialog later(w.profile, w.prompt, w.files, w.browser, w.appData());
        QVERIFY(Near(ShownColour(later), Qt::blue));
    }

    void logoNoKeepsThePreviousFile() {
        World w;
        QDir().mkpath(QFileInfo(w.logoFile()).absolutePath());
        QImage old(30, 30, QImage::Format_RGB32);
        old.fill(Qt::red);
        QVERIFY(old.save(w.logoFile(), "JPEG"));
        const QByteArray before = Digest(w.logoFile());
        CDittaDialog page(w.profile, w.prompt, w.files, w.browser, w.appData());
        QVERIFY(Near(ShownColour(page), Qt::red));

        w.files.answers << WriteImage(w.tmp, QStringLiteral("green.bmp"), Qt::green, "BMP");
        w.prompt.expect(QStringLiteral("Salvare questa immagine"), IPrompt::Answer::No);
        QTest::mouseClick(page.logoArea(), Qt::LeftButton);
        QVERIFY2(w.prompt.pending().isEmpty() && w.prompt.unexpected.isEmpty(),
                 qPrintable(w.prompts()));
        QCOMPARE(Digest(w.logoFile()), before);
        QVERIFY(Near(ShownColour(page), Qt::red));
    }

    void logoNoWithoutPreviousClearsOrReports() {
        World w;
        CDittaDialog page(w.profile, w.prompt, w.files, w.browser, w.appData());
        w.files.answers << WriteImage(w.tmp, QStringLiteral("green.png"), Qt::green, "PNG");
        w.prompt.expect(QStringLiteral("Salvare questa immagine"), IPrompt::Answer::No);
        QTest::mouseClick(page.logoArea(), Qt::LeftButton);
        QVERIFY(page.logoArea()->pixmap().isNull());
        QVERIFY(!QFile::exists(w.logoFile()));

        // An existing logo that cannot be read is reported when it should be shown again.
        QDir().mkpath(QFileInfo(w.logoFile()).absolutePath());
        QFile broken(w.logoFile());
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a picture");
        broken.close();
        w.files.answers << WriteImage(w.tmp, QStringLiteral("green.png"), Qt::green, "PNG");
        w.prompt.expect(QStringLiteral("Salvare questa immagine"), IPrompt::Answer::No);
        w.prompt.expect(QStringLiteral("Impossibile caricare l'immagine!"));
        QTest::mouseClick(page.logoArea(), Qt::LeftButton);
        QVERIFY2(w.prompt.pending().isEmpty() && w.prompt.unexpected.isEmpty(),
                 qPrintable(w.prompts()));
        QCOMPARE(w.prompt.shown.last().icon, IPrompt::Icon::Warning);
        QVERIFY(page.logoArea()->pixmap().isNull());
    }

    void unreadableImageIsRefused() {
        World w;
        CDittaDialog page(w.profile, w.prompt, w.files, w.browser, w.appData());
        QFile bad(w.tmp.filePath(QStringLiteral("bad.png")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("\x89PNG but not really");
        bad.close();
        w.files.answers << bad.fileName();
        w.prompt.expect(QStringLiteral("Impossibile salvare l'immagine!"));
        QTest::mouseClick(page.logoArea(), Qt::LeftButton);
        QVERIFY2(w.prompt.pending().isEmpty() && w.prompt.unexpected.isEmpty(),
                 qPrintable(w.prompts()));
        QCOMPARE(w.prompt.shown.size(), 1);
        QCOMPARE(w.prompt.shown.at(0).icon, IPrompt::Icon::Warning);
        QVERIFY(!QFile::exists(w.logoFile()));
        QVERIFY(page.logoArea()->pixmap().isNull());
    }

    void logoFileWrites() {
        QTemporaryDir dir;
        const QString file = CompanyLogoFile(dir.path());
        QCOMPARE(file, dir.path() + QStringLiteral("/Norvisk/Quarzil/logo.jpg"));
        // Transparency turns white, not black.
        QImage clear(10, 10, QImage::Format_ARGB32);
        clear.fill(Qt::transparent);
        QVERIFY(SaveCompanyLogo(clear, file));
        QVERIFY(Near(QImage(file).pixelColor(5, 5), Qt::white));
        // A failed write leaves the previous logo as it was.
        const QByteArray before = Digest(file);
        QVERIFY(!SaveCompanyLogo(QImage(), file));
        QCOMPARE(Digest(file), before);
        QImage red(10, 10, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(!SaveCompanyLogo(red, file + QStringLiteral("/inside-a-file.jpg")));
        QCOMPARE(Digest(file), before);
    }

    // --- The document's currency --------------------------------------------------------------

    void currencyDialogOpensOnTheCompanyFormats() {
        World w;
        w.setItalianFormats();
        DocumentCurrency none;
        none.exchangeRate = 0.0f;
        CValutaDialog dialog(none, w.profile, w.prompt, w.browser);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Valute e Numeri"));
        CFormatFields* f = dialog.fields();
        QCOMPARE(f->currencySymbol()->text(), QStringLiteral("€"));
        QCOMPARE(f->currencyDecimal()->text(), QStringLiteral(","));
        QCOMPARE(f->numberGrouping()->text(), QStringLiteral("."));
        QCOMPARE(dialog.rateLabel()->text(), QStringLiteral("1 € vale"));
        QCOMPARE(dialog.rate()->text(), QStringLiteral("1,00"));
        QCOMPARE(dialog.rate()->maxLength(), 15);
        QCOMPARE(dialog.documentSymbol()->text(), QStringLiteral("€"));
        QCOMPARE(f->currencyExample()->text(), QStringLiteral("Esempio: € 12.345.678,58"));
        QCOMPARE(Stripped(dialog.updateValuesBox()->text()),
                 QStringLiteral("Aggiorna valori nel documento"));
        QVERIFY(!dialog.updateValuesBox()->isChecked());
        QVERIFY(Button(&dialog, "Salva") && Button(&dialog, "Annulla"));

        // The document's symbol follows the symbol field.
        f->currencySymbol()->setText(QStringLiteral("USD"));
        QCOMPARE(dialog.documentSymbol()->text(), QStringLiteral("USD"));
        auto* converter = dialog.findChild<QToolButton*>(QStringLiteral("ApriCambioValute"));
        QCOMPARE(converter->toolTip(), QStringLiteral("Apri Cambio Valute"));
        converter->click();
        QCOMPARE(w.browser.opened, QList<QUrl>{CurrencyConverterPage()});
    }

    void currencyDialogWithoutCompanyFormats() {
        World w;
        DocumentCurrency none;
        CValutaDialog dialog(none, w.profile, w.prompt, w.browser);
        // Taken from the locale, where the symbol follows the number and is not picked up.
        QCOMPARE(dialog.fields()->currencySymbol()->text(), QString());
        QCOMPARE(dialog.fields()->currencyDecimal()->text(), QStringLiteral(","));
        QCOMPARE(dialog.fields()->numberDecimal()->text(), QStringLiteral(","));
        QCOMPARE(dialog.rateLabel()->text(), QStringLiteral("1 € vale"));
        // Nothing is written.
        QVERIFY(w.profile.keys(S::Azienda).isEmpty());
    }

    void currencyDialogSaves() {
        World w;
        w.setItalianFormats();
        DocumentCurrency usd{QStringLiteral("USD"), 2,      QStringLiteral("."),
                             QStringLiteral(","),   3,      QStringLiteral("."),
                             QStringLiteral(","),   1.0856f};
        CValutaDialog dialog(usd, w.profile, w.prompt, w.browser);
        QCOMPARE(dialog.fields()->currencySymbol()->text(), QStringLiteral("USD"));
        QCOMPARE(dialog.fields()->numberDecimals()->text(), QStringLiteral("3"));
        // The rate keeps its own decimals in the company's format.
        QCOMPARE(dialog.rate()->text(), QStringLiteral("1,0856"));
        QCOMPARE(dialog.documentSymbol()->text(), QStringLiteral("USD"));
        dialog.show();

        // Both equality checks come before any length check.
        dialog.fields()->numberGrouping()->setText(QStringLiteral("."));
        dialog.rate()->setMaxLength(100);
        dialog.rate()->setText(QString(21, u'1'));
        Button(&dialog, "Salva")->click();
        QCOMPARE(w.prompt.balloons, QStringList{kSymbolsBalloon});
        QVERIFY(w.prompt.shown.isEmpty());
        QVERIFY(dialog.isVisible());

        dialog.fields()->numberGrouping()->setText(QStringLiteral(","));
        w.prompt.expect(QStringLiteral("Il campo non può essere più lungo di 20 caratteri!"));
        Button(&dialog, "Salva")->click();
        QVERIFY(w.prompt.pending().isEmpty());
        QVERIFY(dialog.isVisible());

        dialog.rate()->setText(QStringLiteral("-1,25"));
        dialog.updateValuesBox()->setChecked(true);
        Button(&dialog, "Salva")->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        DocumentCurrency expected = usd;
        expected.exchangeRate = 1.25f;
        QCOMPARE(dialog.currency(), expected);
        QVERIFY(dialog.updateDocumentValues());
        // The company's own formats are untouched.
        QCOMPARE(w.azienda("SimbVal"), QStringLiteral("€"));
    }

    void rateOfZeroMeansOne() {
        DocumentCurrency d;
        d.exchangeRate = 0.0f;
        QCOMPARE(d.effectiveRate(), 1.0f);
        d.exchangeRate = -2.0f;
        QCOMPARE(d.effectiveRate(), 1.0f);
        d.exchangeRate = 0.5f;
        QCOMPARE(d.effectiveRate(), 0.5f);
    }

    void printCurrencyChoice() {
        CSceltaValuta dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Stampa Valuta Documento"));
        QVERIFY(dialog.findChild<QLabel*>()->text() ==
                QStringLiteral("Scegliere la stampa della valuta del documento"));
        QCOMPARE(dialog.baseButton()->text(), QStringLiteral("Valuta &Base"));
        QCOMPARE(dialog.documentButton()->text(), QStringLiteral("Valuta &Documento"));
        QVERIFY(dialog.baseButton()->isChecked());
        QCOMPARE(dialog.choice(), 0);

        WhenModal([](QWidget* modal) {
            auto* chooser = qobject_cast<CSceltaValuta*>(modal);
            chooser->documentButton()->click();
            Button(chooser, "Continua")->click();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(dialog.choice(), 1);

        CSceltaValuta cancelled;
        WhenModal([](QWidget* modal) { Button(modal, "Annulla")->click(); });
        QCOMPARE(cancelled.exec(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(tst_CompanyDialogs)
#include "tst_CompanyDialogs.moc"
