// label: gui
// The print commands as the views carry them: each runs through the printing part of the
// program, asks what its dialogs ask and prints what the user chose.
#include "ArchiveTestCase.h"
#include "KeyedListViewTesting.h"
#include "ModalTesting.h"
#include "PdfTesting.h"
#include "RecordingBrowser.h"
#include "ScriptedPrompt.h"
#include "TestSupport.h"
#include "common/ChangeNotifier.h"
#include "common/Commands.h"
#include "common/NonInteractive.h"
#include "common/Profile.h"
#include "common/ui/CMainDoc.h"
#include "company/ui/CSceltaValuta.h"
#include "counterparts/ui/CAnaMovBar.h"
#include "counterparts/ui/CAnagraficheView.h"
#include "items/ui/CArticoliView.h"
#include "items/ui/CMovArtBar.h"
#include "movements/MovementStore.h"
#include "movements/MovementTypes.h"
#include "movements/ui/CMovRowBar.h"
#include "movements/ui/CMovimentiDialog.h"
#include "movements/ui/CMovimentiView.h"
#include "print/ui/CStampaAnaDialog.h"
#include "print/ui/CStampaDialog.h"
#include "print/ui/CounterpartPrints.h"
#include "print/ui/DocumentPrinter.h"
#include "print/ui/ItemPrints.h"
#include "print/ui/MovementPrints.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using TestSupport::WhenShown;

namespace {

QVariant One(Database& db, const QString& sql, const QVariantList& values = {}) {
    QSqlQuery q;
    if (!db.query(q, sql, values) || !q.next())
        return QVariant(QStringLiteral("<failed>"));
    return q.value(0);
}

int Insert(Database& db, const QString& sql, const QVariantList& values, const char* key) {
    return One(db, sql + QStringLiteral(" RETURNING ") + QLatin1String(key), values).toInt();
}

QPushButton* ButtonNamed(QWidget* dialog, const QString& text) {
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
        if (b->text() == text)
            return b;
    return nullptr;
}

// What the program's printer put out: each print goes to a PDF file of its own.
struct Output {
    QTemporaryDir dir;
    QStringList files;
    int previews = 0;

    void attach(DocumentPrinter& printer) {
        printer.choosePrinter = [this](QPrinter& p) {
            files << dir.filePath(QStringLiteral("print%1.pdf").arg(files.size()));
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(files.last());
            return true;
        };
        printer.prepareDialog = [this](QPrintPreviewDialog& dialog) {
            ++previews;
            // Closed as a user does, with Esc.
            QTimer::singleShot(0, &dialog, [&dialog] { QTest::keyClick(&dialog, Qt::Key_Escape); });
        };
    }
    QString lastText() const { return TestSupport::PdfText(files.value(files.size() - 1)); }
};

struct Bench {
    QTemporaryDir dir;
    Profile profile{dir.filePath(QStringLiteral("p.ini")), dir.filePath(QStringLiteral("m.ini"))};
    ChangeNotifier notifier;
    ScriptedPrompt prompt;
    RecordingBrowser browser;
    CancelledFileDialogs files;
    std::unique_ptr<CMainDoc> doc;
    std::unique_ptr<DocumentPrinter> printer;
    Output output;

    explicit Bench(Database& db) {
        profile.setValue(Profile::Section::Azienda, QStringLiteral("RagSoc"),
                         QStringLiteral("Ferramenta Bortolotti"));
        doc = std::make_unique<CMainDoc>(profile, db, notifier);
        printer = std::make_unique<DocumentPrinter>(profile, prompt, files, nullptr);
        output.attach(*printer);
    }
};

} // namespace

class tst_ViewPrints : public ArchiveTestCase {
    Q_OBJECT

    struct Data {
        int unit = 0, item = 0, customer = 0, sale = 0, ret = 0, receipt = 0, foreign = 0;
    };

    Data fill(Database& db) {
        for (const char* table :
             {"Imei", "SottoMovimenti", "Movimenti", "Offerte", "Articoli", "CliFor", "UnMis"})
            db.execute(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
        Data d;
        db.execute(QStringLiteral("INSERT INTO UnMis (Sigla, Descrizione) VALUES ('PZ', 'Pezzi')"));
        d.unit = One(db, QStringLiteral("SELECT IDUM FROM UnMis")).toInt();
        d.item = Insert(db,
                        QStringLiteral("INSERT INTO Articoli (Matricola, Descrizione, Prezzo, Iva, "
                                       "IDUM, CodBarre) VALUES (?, ?, ?, ?, ?, ?)"),
                        {QStringLiteral("VIT01"), QStringLiteral("Viti inox"),
                         Record::BindCurrency(CurrencyAmount::fromDouble(10), db.backend()), 0.22f,
                         d.unit, QStringLiteral("4006381333931")},
                        "IDArticolo");
        d.customer =
            Insert(db,
                   QStringLiteral("INSERT INTO CliFor (Codice, RagSoc, CliFor, Operaio) "
                                  "VALUES (?, ?, ?, ?)"),
                   {QStringLiteral("C01"), QStringLiteral("Rossi Mario"),
                    Record::BindBit(true, db.backend()), Record::BindBit(false, db.backend())},
                   "IDCliFor");
        const auto movement = [&](int type, bool counterpart, const QString& symbol) {
            MovementEdit edit(db, type);
            if (!edit.begin())
                return -1;
            edit.header().Numero = QStringLiteral("%1/2026").arg(type + 1);
            edit.header().Data = QDateTime(QDate(2026, 3, 2 + type), QTime(10, 0));
            if (counterpart) {
                edit.header().IDCliFor = d.customer;
                edit.header().CliFor = QStringLiteral("Rossi Mario");
            }
            if (!symbol.isEmpty()) {
                edit.header().SimbVal = symbol;
                edit.header().ValCambio = 2.0f;
            }
            SottoMovimentiRecord row;
            row.IDArticolo = d.item;
            row.Qt = 2;
            row.Prezzo = CurrencyAmount::fromDouble(10);
            row.Iva = 0.22f;
            if (!edit.insertRow(row))
                return -1;
            return edit.save() == MovementEdit::SaveResult::Saved ? edit.header().IDMovimento : -1;
        };
        d.sale = movement(MovementType::Scarico, true, {});
        d.ret = movement(MovementType::Reso, true, {});
        d.receipt = movement(MovementType::Ricevuta, false, {});
        d.foreign = movement(MovementType::Scarico, true, QStringLiteral("$"));
        return d;
    }

private Q_SLOTS:
    void movementCommands_data() { TestSupport::AddBackendRows(); }
    void movementCommands();
    void printAfterSave_data() { TestSupport::AddBackendRows(); }
    void printAfterSave();
    void counterpartAndItemCommands_data() { TestSupport::AddBackendRows(); }
    void counterpartAndItemCommands();
};

// The invoice command prints the kind the selection asks for, a return has neither invoice nor
// transport document, a movement in its own currency asks which currency first.
void tst_ViewPrints::movementCommands() {
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    const Data d = fill(*db);
    QVERIFY(d.sale > 0 && d.ret > 0 && d.receipt > 0 && d.foreign > 0);
    Bench b(*db);
    CMovimentiView view(*b.doc, b.prompt, b.browser, b.files);
    view.show();
    view.becameVisible();
    QVERIFY(!view.command(Commands::MovStampaFattura)->isEnabled());
    new MovementPrints(view, b.prompt, b.browser, *b.printer, QString());
    QVERIFY(view.command(Commands::MovStampaFattura)->isEnabled());

    view.selectKey(d.ret);
    for (int id : {Commands::MovAnteprimaFattura, Commands::MovStampaFattura,
                   Commands::MovAnteprimaDdt, Commands::MovStampaDdt})
        QVERIFY2(!view.command(id)->isEnabled(), qPrintable(QString::number(id)));
    QVERIFY(view.command(Commands::MovStampaLista)->isEnabled());

    view.selectKey(d.sale);
    QVERIFY(view.command(Commands::MovStampaDdt)->isEnabled());
    view.command(Commands::MovStampaFattura)->trigger();
    QCOMPARE(b.output.files.size(), 1);
    QString text = b.output.lastText();
    QVERIFY2(text.contains(QStringLiteral("FATTURA IMMEDIATA")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Rossi Mario")));
    view.command(Commands::MovStampaDdt)->trigger();
    QVERIFY(b.output.lastText().contains(QStringLiteral("DOCUMENTO DI TRASPORTO ( d.d.t. )")) ||
            b.output.lastText().contains(QStringLiteral("( d.d.t. )")));

    // The receipt row's counterpart column reads "- Ricevuta -": the invoice command prints
    // the receipt.
    view.selectKey(d.receipt);
    view.command(Commands::MovStampaFattura)->trigger();
    QVERIFY(b.output.lastText().contains(QStringLiteral("RICEVUTA")));
    QVERIFY(b.output.lastText().contains(QStringLiteral("Totale da Pagare")));

    // Its own currency: the chooser comes first; cancelled, nothing is printed.
    view.selectKey(d.foreign);
    WhenShown<CSceltaValuta>([](CSceltaValuta* dialog) {
        QTest::mouseClick(ButtonNamed(dialog, QStringLiteral("Annulla")), Qt::LeftButton);
    });
    view.command(Commands::MovStampaFattura)->trigger();
    QCOMPARE(b.output.files.size(), 3);
    WhenShown<CSceltaValuta>([](CSceltaValuta* dialog) {
        // On the button's circle: the row beyond its text takes no click.
        QTest::mouseClick(dialog->documentButton(), Qt::LeftButton, {}, QPoint(6, 10));
        QVERIFY(dialog->documentButton()->isChecked());
        QTest::mouseClick(ButtonNamed(dialog, QStringLiteral("Continua")), Qt::LeftButton);
    });
    view.command(Commands::MovStampaFattura)->trigger();
    QCOMPARE(b.output.files.size(), 4);
    QVERIFY2(b.output.lastText().contains(QStringLiteral("$")), qPrintable(b.output.lastText()));

    // The list of every listed movement.
    view.command(Commands::MovStampaLista)->trigger();
    text = b.output.lastText();
    QVERIFY2(text.contains(QStringLiteral("Movimenti: 4")), qPrintable(text));

    // The report: its dialog's "Annulla" prints nothing.
    WhenShown<QDialog>([](QDialog* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Rapporto Movimenti"));
        QTest::mouseClick(ButtonNamed(dialog, QStringLiteral("Annulla")), Qt::LeftButton);
    });
    view.command(Commands::MovStampaRapporto)->trigger();
    QCOMPARE(b.output.files.size(), 5);
    QVERIFY2(b.prompt.unexpected.isEmpty(), qPrintable(b.prompt.unexpected.join(u'|')));
}

// "Stampa &Fattura" ticked in a sale's dialog: the saved sale's invoice is printed.
void tst_ViewPrints::printAfterSave() {
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    const Data d = fill(*db);
    Q_UNUSED(d);
    Bench b(*db);
    CMovimentiView view(*b.doc, b.prompt, b.browser, b.files);
    view.show();
    view.becameVisible();
    new MovementPrints(view, b.prompt, b.browser, *b.printer, QString());
    view.prepareDialog = [&](CMovimentiDialog&) {
        WhenShown<CMovimentiDialog>([&](CMovimentiDialog* dialog) {
            QVERIFY(dialog->invoiceBox()->isEnabled());
            dialog->counterpartList()->setCurrentIndex(0);
            dialog->itemList()->setCurrentIndex(0);
            dialog->quantityField()->setFocus();
            QTest::keyClicks(dialog->quantityField(), QStringLiteral("3"));
            QTest::keyClick(dialog->quantityField(), Qt::Key_Insert, Qt::ControlModifier);
            QTest::mouseClick(dialog->invoiceBox(), Qt::LeftButton);
            QVERIFY(dialog->invoiceBox()->isChecked());
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        });
    };
    // The sales of the archive left the item short.
    b.prompt.expect(QStringLiteral("In magazzino ci sono solo"), IPrompt::Answer::Yes);
    const int key = view.createMovement(MovementType::Scarico);
    QVERIFY(key > 0);
    QCOMPARE(b.output.files.size(), 1);
    const QString text = b.output.lastText();
    QVERIFY2(text.contains(QStringLiteral("FATTURA IMMEDIATA")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Viti inox")));
    QVERIFY2(b.prompt.unexpected.isEmpty(), qPrintable(b.prompt.unexpected.join(u'|')));
}

// The counterparts list through its options dialog, the situation from the context menu; the
// items' reprint of the last preview.
void tst_ViewPrints::counterpartAndItemCommands() {
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    const Data d = fill(*db);
    Bench b(*db);
    CAnagraficheView people(*b.doc, b.prompt, b.browser);
    people.show();
    people.becameVisible();
    new CounterpartPrints(people, b.prompt, b.browser, *b.printer, QString());
    WhenShown<CStampaDialog>([](CStampaDialog* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Impostazione Stampa"));
        QTest::mouseClick(dialog->continueButton(), Qt::LeftButton);
    });
    people.command(Commands::AnaStampaLista)->trigger();
    QCOMPARE(b.output.files.size(), 1);
    QVERIFY(b.output.lastText().contains(QStringLiteral("Rossi Mario")));

    QAction* situation = nullptr;
    for (QAction* a : people.contextMenu()->actions())
        if (a->text() == QStringLiteral("Stampa Situazione"))
            situation = a;
    QVERIFY(situation && situation->isEnabled());
    WhenShown<CStampaAnaDialog>([](CStampaAnaDialog* dialog) {
        dialog->fromEdit()->setDate(QDate(2026, 3, 1));
        dialog->toEdit()->setDate(QDate(2026, 3, 31));
        QTest::mouseClick(ButtonNamed(dialog, QStringLiteral("Continua")), Qt::LeftButton);
    });
    situation->trigger();
    QCOMPARE(b.output.files.size(), 2);
    const QString text = b.output.lastText();
    QVERIFY2(text.contains(QStringLiteral("Situazione di Rossi Mario")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Viti inox")));

    CArticoliView items(*b.doc, b.prompt);
    items.show();
    items.becameVisible();
    auto* prints = new ItemPrints(items, b.prompt, b.browser, *b.printer, QString());
    // Nothing previewed yet: nothing to print again.
    b.prompt.expect(QStringLiteral("Non ci sono dati da stampare!"));
    items.command(Commands::Ristampa)->trigger();
    QVERIFY(b.prompt.pending().isEmpty());
    WhenShown<CStampaDialog>(
        [](CStampaDialog* dialog) { QTest::mouseClick(dialog->continueButton(), Qt::LeftButton); });
    items.command(Commands::ArtAnteprimaEtichette)->trigger();
    QCOMPARE(b.output.previews, 1);
    QVERIFY(prints->lastPreviewed());
    items.command(Commands::Ristampa)->trigger();
    QCOMPARE(b.output.files.size(), 3);
    QCOMPARE(TestSupport::PdfPageCount(b.output.files.last()), 1);
    QVERIFY(b.output.lastText().contains(QStringLiteral("VIT01")));
    Q_UNUSED(d);
    QVERIFY2(b.prompt.unexpected.isEmpty(), qPrintable(b.prompt.unexpected.join(u'|')));
}

QTEST_MAIN(tst_ViewPrints)
#include "tst_ViewPrints.moc"
