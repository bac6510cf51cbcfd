// label: gui
#include "common/Profile.h"
#include "movements/MovementStore.h"
#include "movements/OtherData.h"
#include "movements/ui/CDdtDataDialog.h"
#include "store/Schema.h"
#include "store/records/MovimentiRecord.h"

#include "RecordingBrowser.h"
#include "ScriptedPrompt.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

using G = OtherDataField::Group;
using S = Profile::Section;

const QStringList kTransport{"Causale", "Vettore", "Aspetto", "Porto", "Colli", "Peso"};
const QStringList kFooter{"Riga1SX", "Riga1DX",  "Riga2",    "Riga3",
                          "Riga4",   "Riga1Min", "Riga2Min", "Riga3Min"};

// A movement's texts, each one different, so that a text landing in the wrong field shows.
OtherData Sample() {
    OtherData d;
    for (const OtherDataField& f : OtherDataFields())
        d.*f.text = QStringLiteral("%1 di prova").arg(QLatin1String(f.column)).left(f.limit);
    return d;
}

QString Text(const CDdtDataDialog& d, const char* column) {
    return d.field(QLatin1String(column))->text();
}

} // namespace

class tst_CDdtDataDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Profile> m_profile;
    ScriptedPrompt m_prompt;
    RecordingBrowser m_browser;

    std::unique_ptr<CDdtDataDialog> open(int mode, const OtherData& data) {
        auto d = std::make_unique<CDdtDataDialog>(*m_profile, m_prompt, m_browser, mode, data);
        d->show();
        return d;
    }

private Q_SLOTS:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_profile = std::make_unique<Profile>(m_dir->filePath(QStringLiteral("q.ini")),
                                              m_dir->filePath(QStringLiteral("none.ini")));
        m_prompt = ScriptedPrompt();
        m_browser.opened.clear();
    }
    void cleanup() {
        QVERIFY2(m_prompt.unexpected.isEmpty(), qPrintable(m_prompt.unexpected.join(u'\n')));
        QVERIFY2(m_prompt.pending().isEmpty(), qPrintable(m_prompt.pending().join(u'\n')));
    }

    // The limits are the columns' own widths, and the header keeps every text where it belongs.
    void textsAndLimits() {
        QSet<QString> columns;
        for (const OtherDataField& f : OtherDataFields()) {
            const Schema::Column* c =
                Schema::FindColumn(QStringLiteral("Movimenti"), QLatin1String(f.column));
            QVERIFY2(c, f.column);
            QCOMPARE(c->width, f.limit);
            columns << QLatin1String(f.column);
        }
        QCOMPARE(columns.size(), kOtherDataFieldCount);

        const OtherData sample = Sample();
        MovimentiRecord header;
        header.Numero = QStringLiteral("1/2026");
        ApplyOtherData(sample, header);
        QCOMPARE(header.Causale, sample.causale);
        QCOMPARE(header.IBAN, sample.iban);
        QCOMPARE(header.ComuneDiv, sample.comuneDiv);
        QCOMPARE(header.Riga3Min, sample.riga3Min);
        QCOMPARE(OtherDataOf(header), sample);
        QCOMPARE(header.Numero, QStringLiteral("1/2026"));

        // Empty texts go to the header as NULL.
        OtherData blank = sample;
        blank.vettore = QLatin1String("");
        blank.riga2 = QLatin1String("");
        ApplyOtherData(blank, header);
        QVERIFY(header.Vettore.isNull());
        QVERIFY(header.Riga2.isNull());
        QCOMPARE(header.Riga3, sample.riga3);

        QCOMPARE(FindOtherDataField(QStringLiteral("CondPag"))->limit, 30);
        QVERIFY(!FindOtherDataField(QStringLiteral("Numero")));
    }

    // A new invoice (no title yet) starts as an immediate one with the usual transport terms;
    // an invoice with a title, and every other document, opens on its texts as they are.
    void openingTexts_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("titolo");
        QTest::addColumn<bool>("defaults");
        QTest::newRow("unload without title") << 1 << QString() << true;
        QTest::newRow("unload with title")
            << 1 << QStringLiteral("FATTURA ACCOMPAGNATORIA") << false;
        QTest::newRow("load") << 0 << QString() << false;
        QTest::newRow("return") << 2 << QString() << false;
        QTest::newRow("receipt") << 3 << QString() << false;
    }
    void openingTexts() {
        QFETCH(int, mode);
        QFETCH(QString, titolo);
        QFETCH(bool, defaults);
        OtherData given = Sample();
        given.titolo = titolo;
        given.condPag = QStringLiteral("RI.BA. 30 GG D.F.");
        auto d = open(mode, given);
        QCOMPARE(d->windowTitle(), QStringLiteral("Altri Dati"));
        QCOMPARE(Text(*d, "Aspetto"), defaults ? QStringLiteral("VISIBILE") : given.aspetto);
        QCOMPARE(Text(*d, "Porto"), defaults ? QStringLiteral("FRANCO") : given.porto);
        QCOMPARE(Text(*d, "Titolo"), defaults ? QStringLiteral("FATTURA IMMEDIATA") : titolo);
        QCOMPARE(Text(*d, "Causale"), given.causale);
        QCOMPARE(Text(*d, "Riga2Min"), given.riga2Min);
        // A payment term of the list is selected in it.
        QCOMPARE(d->paymentTermsBox()->currentText(), given.condPag);
        QCOMPARE(d->paymentTermsBox()->currentIndex(),
                 int(CDdtDataDialog::paymentTerms().indexOf(given.condPag)));
        QVERIFY(d->paymentTermsBox()->isEditable());
        // The proposal reaches the movement only when the dialog is accepted.
        QCOMPARE(d->data(), given);
    }

    // Only an unload is an invoice: elsewhere the six transport fields alone can be changed.
    void enablingByMode_data() {
        QTest::addColumn<int>("mode");
        for (int mode : {0, 1, 2, 3})
            QTest::addRow("mode %d", mode) << mode;
    }
    void enablingByMode() {
        QFETCH(int, mode);
        auto d = open(mode, OtherData());
        const bool invoice = mode == 1;
        for (const OtherDataField& f : OtherDataFields()) {
            const QString column = QLatin1String(f.column);
            QCOMPARE(kTransport.contains(column), f.group == G::Transport);
            QVERIFY2(d->field(column)->isEnabled() == (invoice || f.group == G::Transport),
                     f.column);
        }
        QCOMPARE(d->paymentTermsBox()->isEnabled(), invoice);
        QCOMPARE(d->defaultTextButton()->isEnabled(), invoice);
        QCOMPARE(d->saveFooterButton()->isEnabled(), invoice);
        QVERIFY(d->closeButton()->isEnabled());
        QVERIFY(d->helpButton()->isEnabled());
        QVERIFY(d->group(G::Transport)->isEnabled());
    }

    // A text longer than its column is refused with the limit, and the dialog stays open on
    // that field; the same text at the limit closes it.
    void tooLongTextIsRefused_data() {
        QTest::addColumn<QString>("column");
        QTest::addColumn<bool>("saveFooter");
        QTest::newRow("Causale") << "Causale" << false;
        QTest::newRow("Colli") << "Colli" << false;
        QTest::newRow("CondPag") << "CondPag" << false;
        QTest::newRow("Riga4 on saving the footer") << "Riga4" << true;
        QTest::newRow("Riga1Min") << "Riga1Min" << false;
    }
    void tooLongTextIsRefused() {
        QFETCH(QString, column);
        QFETCH(bool, saveFooter);
        const int limit = FindOtherDataField(column)->limit;
        auto d = open(1, OtherData());
        QVERIFY(QTest::qWaitForWindowActive(d.get()));
        QLineEdit* edit = d->field(column);
        edit->clear();
        QTest::keyClicks(edit, QString(limit + 1, u'x'));
        QCOMPARE(edit->text().size(), limit + 1);
        QPushButton* button = saveFooter ? d->saveFooterButton() : d->closeButton();

        m_prompt.expect(QStringLiteral("Il campo"));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(m_prompt.shown.size(), 1);
        QCOMPARE(m_prompt.shown.at(0).text,
                 QStringLiteral("Il campo non può essere più lungo di %1 caratteri!").arg(limit));
        QCOMPARE(m_prompt.shown.at(0).icon, IPrompt::Icon::Information);
        QVERIFY(d->isVisible());
        QCOMPARE(d->result(), int(QDialog::Rejected));
        // The payment terms' line hands its focus to its combo box.
        QWidget* focused = column == QLatin1String("CondPag")
                               ? static_cast<QWidget*>(d->paymentTermsBox())
                               : static_cast<QWidget*>(edit);
        QCOMPARE(QApplication::focusWidget(), focused);
        QCOMPARE(d->data(), OtherData());
        QVERIFY(!m_profile->contains(S::Settings, QStringLiteral("RowsSaved")));

        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(m_prompt.shown.size(), 1);
        QVERIFY(!d->isVisible());
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QCOMPARE(d->data().*FindOtherDataField(column)->text, QString(limit, u'x'));
    }

    // "Testo Defa&ult" rewrites the eight footer lines and nothing else; its reduced-regime
    // lines are not those a new unload starts with.
    void defaultFooterText() {
        OtherData given = Sample();
        given.titolo = QStringLiteral("FATTURA DIFFERITA");
        auto d = open(1, given);
        QCOMPARE(d->defaultTextButton()->text(), QStringLiteral("Testo Defa&ult"));
        QTest::mouseClick(d->defaultTextButton(), Qt::LeftButton);
        const QStringList expected{
            QStringLiteral("CONTRIBUTO AMBIENTALE CONAI ASSOLTO OVE DOVUTO"),
            QStringLiteral("CONTRIBUTO RAEE ADDEBITATO OVE DOVUTO"),
            QStringLiteral("Vi informiamo che i vostri dati sono trattati solo per finalità "
                           "consentite dalla legge e per scopi contrattuali. Detti dati non sono "
                           "soggetti"),
            QStringLiteral("a diffusione, ma possono essere comunicati a soggetti che operano "
                           "all'interno dell'azienda incaricati di gestione di pagamenti o che "
                           "svolgono"),
            QStringLiteral("attività di consulenza. Vi sono riconosciuti i diritti di cui "
                           "all'art.7 della legge 196/03. Maggiori informazioni potete trovarle "
                           "presso i nostri uffici."),
            QStringLiteral("Imposta di bollo assolta ai sensi dell’art. 13 della Tariffa allegata "
                           "al DPR 26.10.72 n. 642"),
            QStringLiteral("Operazione fuori campo IVA ai sensi dell'art. 1, commi 54-89, L. "
                           "23/12/2014, n.190"),
            QStringLiteral("Bollo di €. 2,00 su originale"),
        };
        for (qsizetype i = 0; i < kFooter.size(); ++i)
            QCOMPARE(d->field(kFooter.at(i))->text(), expected.at(i));
        QCOMPARE(Text(*d, "Causale"), given.causale);
        QCOMPARE(Text(*d, "Titolo"), given.titolo);
        QCOMPARE(Text(*d, "RagSocDiv"), given.ragSocDiv);

        const FooterLines unload = DefaultUnloadFooter();
        QCOMPARE(unload.riga2, expected.at(2));
        QVERIFY(unload.riga1Min != expected.at(5));
        QVERIFY(unload.riga2Min != expected.at(6));
        QCOMPARE(unload.riga3Min, expected.at(7));
    }

    // "C&hiudi e Salva Testo Fattura" keeps the footer for the next new unloads and closes
    // accepted with every text.
    void saveFooterForNewUnloads() {
        QVERIFY(NewUnloadFooter(*m_profile).riga1SX.startsWith(QStringLiteral("CONTRIBUTO")));
        OtherData given = Sample();
        given.riga4 = QString();
        auto d = open(1, given);
        QLineEdit* line = d->field(QStringLiteral("Riga1DX"));
        line->selectAll();
        QTest::keyClicks(line, QStringLiteral("Pagamento anticipato"));
        // Fields open at their start, so that a long text shows its beginning.
        QLineEdit* carrier = d->field(QStringLiteral("Vettore"));
        QCOMPARE(carrier->cursorPosition(), 0);
        QTest::keyClick(carrier, Qt::Key_End);
        QTest::keyClicks(carrier, QStringLiteral(" srl"));
        QTest::mouseClick(d->saveFooterButton(), Qt::LeftButton);
        QVERIFY(!d->isVisible());
        QCOMPARE(d->result(), int(QDialog::Accepted));

        OtherData expected = given;
        expected.riga1DX = QStringLiteral("Pagamento anticipato");
        expected.vettore += QStringLiteral(" srl");
        QCOMPARE(d->data(), expected);
        QCOMPARE(m_profile->integer(S::Settings, QStringLiteral("RowsSaved")), 1);
        QCOMPARE(m_profile->string(S::Settings, QStringLiteral("Riga1DX")),
                 QStringLiteral("Pagamento anticipato"));
        // Only the footer is kept, not the document's own data.
        QVERIFY(!m_profile->contains(S::Settings, QStringLiteral("Vettore")));
        QVERIFY(!m_profile->contains(S::Settings, QStringLiteral("Titolo")));

        const FooterLines next = NewUnloadFooter(*m_profile);
        OtherData fromSettings;
        ApplyFooter(next, fromSettings);
        for (const QString& column : kFooter) {
            const QString OtherData::*text = FindOtherDataField(column)->text;
            QCOMPARE(fromSettings.*text, expected.*text);
        }
        QVERIFY(next.riga4.isEmpty());
    }

    // Esc and the window's close give nothing back; "Chiudi" gives back what the fields hold.
    void closingWays_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Esc") << "Esc";
        QTest::newRow("window close") << "close";
        QTest::newRow("Chiudi") << "Chiudi";
        QTest::newRow("Enter") << "Enter";
    }
    void closingWays() {
        QFETCH(QString, how);
        const OtherData given = Sample();
        auto d = open(2, given);
        QVERIFY(QTest::qWaitForWindowActive(d.get()));
        QLineEdit* porto = d->field(QStringLiteral("Porto"));
        porto->selectAll();
        QTest::keyClicks(porto, QStringLiteral("ASSEGNATO"));
        if (how == QLatin1String("Esc"))
            QTest::keyClick(porto, Qt::Key_Escape);
        else if (how == QLatin1String("close"))
            QVERIFY(d->close());
        else if (how == QLatin1String("Enter"))
            QTest::keyClick(porto, Qt::Key_Return);
        else
            QTest::mouseClick(d->closeButton(), Qt::LeftButton);
        QVERIFY(!d->isVisible());
        const bool accepted = how == QLatin1String("Chiudi") || how == QLatin1String("Enter");
        QCOMPARE(d->result(), int(accepted ? QDialog::Accepted : QDialog::Rejected));
        OtherData expected = given;
        if (accepted)
            expected.porto = QStringLiteral("ASSEGNATO");
        QCOMPARE(d->data(), expected);
        QVERIFY(!m_profile->contains(S::Settings, QStringLiteral("RowsSaved")));
    }

    void helpPage() {
        m_profile->setValue(S::Web, QStringLiteral("Sito"), QStringLiteral("http://help.test/"));
        auto d = open(1, OtherData());
        QTest::mouseClick(d->helpButton(), Qt::LeftButton);
        QCOMPARE(
            m_browser.opened,
            QList<QUrl>{QUrl(QStringLiteral("http://help.test/aiuto/Quarzil/altri-dati.php"))});
        QVERIFY(d->isVisible());
    }
};

QTEST_MAIN(tst_CDdtDataDialog)
#include "tst_CDdtDataDialog.moc"
