// label: gui
#include "ArchiveTestCase.h"
#include "KeyedListViewTesting.h"
#include "ModalTesting.h"
#include "RecordingBrowser.h"
#include "ScriptedPrompt.h"
#include "common/ChangeNotifier.h"
#include "common/NonInteractive.h"
#include "common/Profile.h"
#include "common/ui/CMainDoc.h"
#include "company/Formats.h"
#include "counterparts/ui/CAnagraficaDialog.h"
#include "items/ArtListModel.h"
#include "items/ui/CArticoliView.h"
#include "items/ui/CImeiDialog.h"
#include "movements/MovListModel.h"
#include "movements/MovementEntry.h"
#include "movements/MovementStore.h"
#include "movements/MovementTypes.h"
#include "movements/ui/CMovRowBar.h"
#include "movements/ui/CMovimentiDialog.h"
#include "movements/ui/CMovimentiView.h"
#include "store/TableRecord.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

using S = Profile::Section;
using TestSupport::WhenShown;
using Tool = CMovimentiDialog::Tool;
using MovementEntry::CodeField;

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

struct Archive {
    Database& db;
    int unit = 0;

    int item(const QString& code, const QString& name, double price,
             std::optional<float> sconto = {}, std::optional<float> giacInit = {},
             const QString& barcode = {}, bool serial = false) {
        return Insert(db,
                      QStringLiteral("INSERT INTO Articoli (Matricola, Descrizione, Prezzo, Iva, "
                                     "Sconto, GiacInit, IDUM, CodBarre, Imei) VALUES (?, ?, ?, ?, "
                                     "?, ?, ?, ?, ?)"),
                      {code, name,
                       Record::BindCurrency(CurrencyAmount::fromDouble(price), db.backend()), 0.22f,
                       Record::BindReal(sconto), Record::BindReal(giacInit), unit,
                       barcode.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : barcode,
                       Record::BindBit(serial, db.backend())},
                      "IDArticolo");
    }
    int counterpart(const QString& code, const QString& name, bool customer,
                    std::optional<float> sconto = {}) {
        return Insert(db,
                      QStringLiteral("INSERT INTO CliFor (Codice, RagSoc, CliFor, Operaio, "
                                     "Sconto) VALUES (?, ?, ?, ?, ?)"),
                      // The worker flag never set, as records from older programs have it.
                      {code, name, Record::BindBit(customer, db.backend()),
                       QVariant(QMetaType(QMetaType::Int)), Record::BindReal(sconto)},
                      "IDCliFor");
    }
};

struct Bench {
    QTemporaryDir dir;
    Profile profile{dir.filePath(QStringLiteral("p.ini")), dir.filePath(QStringLiteral("m.ini"))};
    ChangeNotifier notifier;
    ScriptedPrompt prompt;
    RecordingBrowser browser;
    CancelledFileDialogs files;

    Bench() {
        // The company's own conventions, so that every text below is known.
        for (const auto& [key, value] : {std::pair{"SimbVal", "€"},
                                         {"DecVal", ","},
                                         {"MigVal", "."},
                                         {"NDecVal", "2"},
                                         {"DecValNum", ","},
                                         {"MigValNum", "."},
                                         {"NDecValNum", "2"}})
            profile.setValue(S::Azienda, QLatin1String(key), QString::fromUtf8(value));
    }
    QString money(double v, int decimals = -1) const {
        return FormatCurrency(profile, CurrencyAmount::fromDouble(v), decimals);
    }
    QString number(double v) const { return FormatNumber(profile, v); }
};

void Type(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

void Click(CMovimentiDialog& d, int tool) {
    QToolButton* b = d.toolButton(tool);
    QVERIFY2(b && b->isEnabled(), qPrintable(QString::number(tool)));
    QTest::mouseClick(b, Qt::LeftButton);
}

// What the prompt showed and what it still waits for, for a failure's report.
QString Said(const ScriptedPrompt& prompt) {
    QStringList texts;
    for (const auto& shown : prompt.shown)
        texts << shown.text;
    return texts.join(QStringLiteral(" | ")) + QStringLiteral(" / pending: ") +
           prompt.pending().join(QStringLiteral(" | "));
}

QStringList Line(const QTreeWidget* list, int row) {
    QStringList texts;
    for (int c = 0; c < list->columnCount(); ++c)
        texts << list->topLevelItem(row)->text(c);
    return texts;
}

} // namespace

class tst_CMovimentiDialog : public ArchiveTestCase {
    Q_OBJECT
private Q_SLOTS:
    void roadOfOneSale_data() { TestSupport::AddBackendRows(); }
    void roadOfOneSale();
    void pricesPromotionsAndStock_data() { TestSupport::AddBackendRows(); }
    void pricesPromotionsAndStock();
    void readerModeAndLimits_data() { TestSupport::AddBackendRows(); }
    void readerModeAndLimits();
    void serialCodesOfARow_data() { TestSupport::AddBackendRows(); }
    void serialCodesOfARow();
    void documentCurrency_data() { TestSupport::AddBackendRows(); }
    void documentCurrency();
    void counterpartCreatedInTheDialog_data() { TestSupport::AddBackendRows(); }
    void counterpartCreatedInTheDialog();
    void takenNumberIsWarned_data() { TestSupport::AddBackendRows(); }
    void takenNumberIsWarned();

private:
    Archive prepare(Database& db);
};

Archive tst_CMovimentiDialog::prepare(Database& db) {
    for (const char* table :
         {"Imei", "SottoMovimenti", "Movimenti", "Offerte", "Articoli", "CliFor", "UnMis"})
        db.execute(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
    Archive a{db};
    db.execute(QStringLiteral("INSERT INTO UnMis (Sigla, Descrizione) VALUES ('PZ', 'Pezzi')"));
    a.unit = One(db, QStringLiteral("SELECT IDUM FROM UnMis")).toInt();
    return a;
}

// A load, an unload switched to a receipt and back and then saved as a receipt, a return, and a
// cancelled change, each through the list's own commands and the dialog's own buttons.
void tst_CMovimentiDialog::roadOfOneSale() {
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    Archive a = prepare(*db);
    const int screws = a.item(QStringLiteral("VIT01"), QStringLiteral("Viti"), 10.0);
    const int supplier =
        a.counterpart(QStringLiteral("F01"), QStringLiteral("Ferramenta Sud"), false);
    const int customer = a.counterpart(QStringLiteral("C01"), QStringLiteral("Rossi Mario"), true);
    Bench b;
    CMainDoc doc(b.profile, *db, b.notifier);
    CMovimentiView view(doc, b.prompt, b.browser, b.files);
    view.show();
    view.becameVisible();
    QSignalSpy recomputed(&b.notifier, &ChangeNotifier::itemsRecomputeRequested);
    // The items view, wired as the frame wires it, shows the new stock.
    CArticoliView items(doc, b.prompt);
    items.becameVisible();
    QObject::connect(&b.notifier, &ChangeNotifier::itemsRecomputeRequested, &items,
                     [&items](const QList<int>& ids) { items.recomputeItems(ids); });
    auto stock = [&] {
        return items.model()
            ->index(items.model()->rowOfKey(screws), ArtListModel::Giacenza)
            .data()
            .toString();
    };
    const int year = QDate::currentDate().year();

    // The load: the supplier by code, the item by its code, ten pieces.
    view.prepareDialog = [&](CMovimentiDialog& d) {
        WhenShown<CMovimentiDialog>([&](CMovimentiDialog* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Dati Carico"));
            QCOMPARE(d->counterpartLabel()->text(), QStringLiteral("&Fornitore"));
            QCOMPARE(d->numberField()->text(), QStringLiteral("1/%1").arg(year));
            QVERIFY(!d->invoiceBox()->isVisible());
            QVERIFY(view.model()->isBusy());
            Type(d->counterpartCode(), QStringLiteral("F"));
            QCOMPARE(d->counterpartList()->currentText(), QStringLiteral("Ferramenta Sud"));
            Type(d->codeField(CodeField::Matricola), QStringLiteral("vit"));
            QCOMPARE(d->itemList()->currentText(), QStringLiteral("Viti"));
            QCOMPARE(d->codeField(CodeField::Matricola)->text(), QStringLiteral("VIT01"));
            QCOMPARE(d->codeField(CodeField::Matricola)->selectedText(), QStringLiteral("01"));
            QCOMPARE(d->stockLabel()->text(), QStringLiteral("Giacenza ") + b.number(0));
            Type(d->quantityField(), QStringLiteral("10"));
            Click(*d, Tool::InsertRow);
            QCOMPARE(
                Line(d->rowList(), 0),
                (QStringList{QStringLiteral("Viti"), b.number(10) + QStringLiteral(" PZ"),
                             b.money(10, 3), b.money(100), b.money(0), b.money(22), b.money(122)}));
            QCOMPARE(d->stockLabel()->text(), QStringLiteral("Giacenza ") + b.number(10));
            QTest::mouseClick(d->okButton(), Qt::LeftButton);
        });
        Q_UNUSED(d);
    };
    QTest::keyClick(TestSupport::FocusedList(view), Qt::Key_F2);
    QVERIFY(b.prompt.unexpected.isEmpty());
    QCOMPARE(One(*db,
                 QStringLiteral("SELECT COUNT(*) FROM Movimenti WHERE Tipo = 0 AND "
                                "IDCliFor = ? AND CliFor = ?"),
                 {supplier, QStringLiteral("Ferramenta Sud")})
                 .toInt(),
             1);
    QCOMPARE(recomputed.size(), 1);
    QCOMPARE(recomputed.at(0).at(0).value<QList<int>>(), QList<int>{screws});
    QVERIFY2(stock().startsWith(b.number(10)), qPrintable(stock()));
    QVERIFY(!view.model()->isBusy());
    QCOMPARE(view.model()->rowCount(), 1);
    QCOMPARE(view.model()->text(0, MovListModel::CliFor), QStringLiteral("Ferramenta Sud"));
    QCOMPARE(view.model()->text(0, MovListModel::Prezzo), b.money(100));
    QCOMPARE(view.model()->text(0, MovListModel::Imposta), b.money(22));
    QCOMPARE(view.model()->text(0, MovListModel::Totale), b.money(122));

    // The unload, switched to a receipt and back (the customer comes back), then to a receipt
    // for good: saved with no counterpart and the unload's number.
    view.prepareDialog = [&](CMovimentiDialog&) {
        WhenShown<CMovimentiDialog>([&](CMovimentiDialog* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Dati Scarico"));
            QCOMPARE(d->numberField()->text(), QStringLiteral("1/%1").arg(year));
            d->counterpartList()->setCurrentIndex(0);
            QCOMPARE(d->counterpartCode()->text(), QStringLiteral("C01"));
            QTest::keyClick(d, Qt::Key_R, Qt::ControlModifier);
            QCOMPARE(d->mode(), MovementType::Ricevuta);
            QCOMPARE(d->invoiceBox()->text(), QStringLiteral("Stampa Ricevuta"));
            QVERIFY(!d->counterpartList()->isEnabled());
            QCOMPARE(d->counterpartList()->currentIndex(), -1);
            QVERIFY(d->paidBox()->isChecked() && !d->paidBox()->isEnabled());
            QVERIFY(!d->toolButton(Tool::OtherDataTool)->isEnabled());
            QTest::keyClick(d, Qt::Key_R, Qt::ControlModifier);
            QCOMPARE(d->mode(), MovementType::Scarico);
            QCOMPARE(d->counterpartList()->currentText(), QStringLiteral("Rossi Mario"));
            QCOMPARE(d->invoiceBox()->text(), QStringLiteral("Stampa &Fattura"));
            QVERIFY(d->paidBox()->isEnabled());
            QTest::keyClick(d, Qt::Key_R, Qt::ControlModifier);
            d->itemList()->setCurrentIndex(0);
            Type(d->quantityField(), QStringLiteral("3"));
            // Typed in the quantity field, as a user does: the field does not take it as copy.
            QTest::keyClick(d->quantityField(), Qt::Key_Insert, Qt::ControlModifier);
            QCOMPARE(d->rowList()->topLevelItemCount(), 1);
            QCOMPARE(d->stockLabel()->text(), QStringLiteral("Giacenza ") + b.number(7));
            QTest::keyClick(d, Qt::Key_F2);
        });
    };
    QTest::keyClick(TestSupport::FocusedList(view), Qt::Key_F3);
    QVERIFY(b.prompt.unexpected.isEmpty());
    QCOMPARE(One(*db,
                 QStringLiteral("SELECT COUNT(*) FROM Movimenti WHERE Tipo = 3 AND "
                                "IDCliFor IS NULL AND CliFor IS NULL AND Numero = ?"),
                 {QStringLiteral("1/%1").arg(year)})
                 .toInt(),
             1);

    // The return of one piece.
    view.prepareDialog = [&](CMovimentiDialog&) {
        WhenShown<CMovimentiDialog>([&](CMovimentiDialog* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Dati Reso"));
            QVERIFY(!d->toolButton(Tool::Receipt)->isVisible());
            Type(d->counterpartCode(), QStringLiteral("c0"));
            d->itemList()->setCurrentIndex(0);
            Type(d->quantityField(), QStringLiteral("1"));
            Click(*d, Tool::InsertRow);
            QTest::mouseClick(d->okButton(), Qt::LeftButton);
        });
    };
    // Only loads listed: the new return joins the end of the list all the same, selected.
    view.onTypeFilter(1);
    QCOMPARE(view.model()->rowCount(), 1);
    QTest::keyClick(TestSupport::FocusedList(view), Qt::Key_F4);
    QVERIFY(b.prompt.unexpected.isEmpty());
    QCOMPARE(view.model()->rowCount(), 2);
    QCOMPARE(
        view.selectedKeys(),
        QList<int>{
            One(*db, QStringLiteral("SELECT IDMovimento FROM Movimenti WHERE Tipo = 2")).toInt()});
    view.onTypeFilter(0);
    QCOMPARE(One(*db, QStringLiteral("SELECT IDCliFor FROM Movimenti WHERE Tipo = 2")).toInt(),
             customer);
    QCOMPARE(view.model()->rowCount(), 3);

    // Opening the load and removing its row, then cancelling: the row is there again.
    const int load =
        One(*db, QStringLiteral("SELECT IDMovimento FROM Movimenti WHERE Tipo = 0")).toInt();
    view.selectKey(load);
    view.prepareDialog = [&](CMovimentiDialog&) {
        WhenShown<CMovimentiDialog>([&](CMovimentiDialog* d) {
            QCOMPARE(d->rowList()->topLevelItemCount(), 1);
            d->rowList()->setCurrentItem(d->rowList()->topLevelItem(0));
            QCOMPARE(d->quantityField()->text(), b.number(10));
            Click(*d, Tool::DeleteRow);
            QCOMPARE(d->rowList()->topLevelItemCount(), 0);
            QTest::keyClick(d, Qt::Key_Escape);
        });
    };
    recomputed.clear();
    QTest::keyClick(TestSupport::FocusedList(view), Qt::Key_Return);
    QCOMPARE(One(*db, QStringLiteral("SELECT COUNT(*) FROM SottoMovimenti WHERE IDMovimento = ?"),
                 {load})
                 .toInt(),
             1);
    QVERIFY(recomputed.isEmpty());
    QVERIFY(!view.model()->isBusy());

    // A double click opens it as well.
    bool opened = false;
    view.prepareDialog = [&](CMovimentiDialog&) {
        WhenShown<CMovimentiDialog>([&](CMovimentiDialog* d) {
            opened = d->rowList()->topLevelItemCount() == 1;
            QTest::mouseClick(d->okButton(), Qt::LeftButton);
        });
    };
    QTableView* list = TestSupport::FocusedList(view);
    const QRect cell = list->visualRect(view.model()->index(view.model()->rowOfKey(load), 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    QVERIFY(opened);
}

// The proposal of a sale row: mark-up, the promotion following the quantity, the cascaded
// discount, the VAT split; the stock question; the totals.
void tst_CMovimentiDialog::pricesPromotionsAndStock() {
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    Archive a = prepare(*db);
    const int item = a.item(QStringLiteral("A1"), QStringLiteral("Bulloni"), 9.0, 0.10f, 1.0f);
    a.counterpart(QStringLiteral("C1"), QStringLiteral("Bianchi"), true, 0.05f);
    QVERIFY(db->execute(
        QStringLiteral("INSERT INTO Offerte (IDArticolo, TreXDue, DueXUno, "
                       "Attivo, Sempre) VALUES (?, ?, ?, ?, ?)"),
        {item, Record::BindBit(true, db->backend()), Record::BindBit(false, db->backend()),
         Record::BindBit(true, db->backend()), Record::BindBit(true, db->backend())}));
    Bench b;
    MovementEdit edit(*db, MovementType::Scarico);
    QVERIFY(edit.begin());
    edit.header().Numero = QStringLiteral("5/2026");
    edit.header().Data = QDateTime::currentDateTime();
    CMovimentiDialog d(*db, b.profile, b.prompt, b.browser, b.files, edit);
    d.show();
    QApplication::setActiveWindow(&d);
    QCOMPARE(d.quantityField()->text(), b.number(1));
    Type(d.counterpartCode(), QStringLiteral("c1"));
    d.itemList()->setCurrentIndex(0);
    QCOMPARE(d.netField()->text(), b.money(9, 3));
    QCOMPARE(d.vatField()->text(), QStringLiteral("22,00%"));
    QCOMPARE(d.discountField()->text(), QStringLiteral("14,50%"));
    Type(d.quantityField(), QStringLiteral("3"));
    QCOMPARE(d.netField()->text(), b.money(6, 3));
    Type(d.quantityField(), QStringLiteral("4"));
    QCOMPARE(d.netField()->text(), b.money(6.75, 3));
    QCOMPARE(d.grossField()->text(), b.money(8.235, 3));
    // The gross price leads the net one back, and a text that is no price says so.
    Type(d.grossField(), QStringLiteral("12,2"));
    QCOMPARE(d.netField()->text(), b.money(10, 3));
    Type(d.grossField(), QStringLiteral("x"));
    QCOMPARE(d.netField()->text(), QStringLiteral("-"));

    // Stock 1, four asked: "c'è", and No writes nothing.
    Type(d.netField(), QStringLiteral("10"));
    Type(d.discountField(), QStringLiteral("10"));
    Type(d.quantityField(), QStringLiteral("3"));
    Type(d.netField(), QStringLiteral("10"));
    b.prompt.expect(QStringLiteral("In magazzino c'è solo 1,00 PZ di merce, si desidera comunque "
                                   "scaricare 3,00 PZ di prodotto?"),
                    IPrompt::Answer::No);
    Click(d, Tool::InsertRow);
    QVERIFY2(b.prompt.pending().isEmpty(), qPrintable(Said(b.prompt)));
    QCOMPARE(d.rowList()->topLevelItemCount(), 0);
    b.prompt.expect(QStringLiteral("In magazzino c'è solo"), IPrompt::Answer::Yes);
    Click(d, Tool::InsertRow);
    QCOMPARE(d.rowList()->topLevelItemCount(), 1);
    QCOMPARE(d.totalLabel(0)->text(), QStringLiteral("Imponibile: ") + b.money(27));
    QCOMPARE(d.totalLabel(1)->text(), QStringLiteral("Sconto: ") + b.money(3));
    QCOMPARE(d.totalLabel(2)->text(), QStringLiteral("Imposta: ") + b.money(5.94));
    QCOMPARE(d.totalLabel(3)->text(), QStringLiteral("Totale: ") + b.money(32.94));
    QCOMPARE(d.stockLabel()->text(), QStringLiteral("Giacenza ") + b.number(-2));
    // The row itself left out, a change of it sees the stock of 1 again; another row sees -2,
    // and the question says "ci sono".
    b.prompt.expect(QStringLiteral("In magazzino c'è solo 1,00 PZ"), IPrompt::Answer::No);
    Click(d, Tool::SaveRow);
    b.prompt.expect(QStringLiteral("In magazzino ci sono solo -2,00 PZ"), IPrompt::Answer::No);
    Click(d, Tool::InsertRow);
    QVERIFY2(b.prompt.pending().isEmpty(), qPrintable(Said(b.prompt)));
    QCOMPARE(d.rowList()->topLevelItemCount(), 1);

    // The price menu: the purchase price as the item has it, the last sale price used.
    d.priceMenu()->actions().at(0)->trigger();
    QCOMPARE(d.netField()->text(), b.money(9, 3));
    QTest::mouseClick(d.okButton(), Qt::LeftButton);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(edit.save(), MovementEdit::SaveResult::Saved);
    QCOMPARE(One(*db, QStringLiteral("SELECT Totale FROM Movimenti")).toDouble(), 32.94);
    QCOMPARE(One(*db, QStringLiteral("SELECT CliFor FROM Movimenti")).toString(),
             QStringLiteral("Bianchi"));
    QVERIFY(b.prompt.unexpected.isEmpty());
}

// The barcode reader inserts a row per scan with the quantity shown, an empty quantity taking
// one piece; an unknown barcode offers a new item. OK checks the header in its order; the
// 251st row is refused.
void tst_CMovimentiDialog::readerModeAndLimits() {
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    Archive a = prepare(*db);
    const int screwdriver = a.item(QStringLiteral("B1"), QStringLiteral("Cacciavite"), 5.0, {},
                                   100.0f, QStringLiteral("8001234567890"));
    a.item(QStringLiteral("B2"), QStringLiteral("Cacciavite corto"), 4.0, {}, 100.0f,
           QStringLiteral("800"));
    Bench b;
    MovementEdit edit(*db, MovementType::Scarico);
    QVERIFY(edit.begin());
    CMovimentiDialog d(*db, b.profile, b.prompt, b.browser, b.files, edit);
    d.show();
    QApplication::setActiveWindow(&d);

    b.prompt.expect(QStringLiteral("Il numero del movimento è obbligatorio!"));
    QTest::keyClick(&d, Qt::Key_F2);
    QVERIFY(d.isVisible());
    Type(d.numberField(), QStringLiteral("9/2026"));
    b.prompt.expect(QStringLiteral("Occorre inserire il cliente o fornitore della fattura!"));
    QTest::keyClick(&d, Qt::Key_F2);
    QTest::keyClick(&d, Qt::Key_R, Qt::ControlModifier);
    b.prompt.expect(QStringLiteral("Occorre inserire almeno una riga nel movimento!"));
    QTest::keyClick(&d, Qt::Key_F2);
    QVERIFY2(b.prompt.pending().isEmpty(), qPrintable(Said(b.prompt)));
    QVERIFY(d.isVisible());

    b.prompt.expect(QStringLiteral("In questa modalità ogni volta che si spara un codice a barre "
                                   "viene inserita una riga"));
    Click(d, Tool::ReaderMode);
    QVERIFY(d.readerMode() && d.toolButton(Tool::ReaderMode)->isChecked());
    d.quantityField()->clear();
    // The scan is looked up whole: "800" of the first barcode is another item's code.
    QLineEdit* barcode = d.codeField(CodeField::CodBarre);
    QTest::keyClicks(barcode, QStringLiteral("8001234567890"));
    QTest::keyClick(barcode, Qt::Key_Return);
    QCOMPARE(d.rowList()->topLevelItemCount(), 1);
    QCOMPARE(Line(d.rowList(), 0).mid(0, 2),
             (QStringList{QStringLiteral("Cacciavite"), b.number(1) + QStringLiteral(" PZ")}));
    QCOMPARE(d.quantityField()->text(), b.number(1));
    QVERIFY(barcode->text().isEmpty());
    b.prompt.expect(QStringLiteral("L'articolo con codice a barre 123 non è presente in archivio, "
                                   "volete inserirlo ora?"),
                    IPrompt::Answer::No);
    QTest::keyClicks(barcode, QStringLiteral("123"));
    QTest::keyClick(barcode, Qt::Key_Return);
    QVERIFY2(b.prompt.pending().isEmpty(), qPrintable(Said(b.prompt)));
    QCOMPARE(d.rowList()->topLevelItemCount(), 1);
    QVERIFY(d.isVisible());

    // Up to 250 rows, then the message.
    for (int i = 1; i < 250; ++i) {
        SottoMovimentiRecord row;
        row.IDArticolo = screwdriver;
        row.Qt = 1;
        QVERIFY(edit.insertRow(row));
    }
    b.prompt.expect(QStringLiteral("Numero massimo di righe permesse per movimento 250, creare un "
                                   "nuovo movimento!"));
    QTest::keyClicks(barcode, QStringLiteral("800"));
    QTest::keyClick(barcode, Qt::Key_Return);
    QVERIFY2(b.prompt.pending().isEmpty(), qPrintable(Said(b.prompt)));
    QCOMPARE(b.prompt.shown.last().icon, IPrompt::Icon::Information);
    QVERIFY(b.prompt.unexpected.isEmpty());
}

// A serial-tracked item: the codes typed for a new row belong to it once it is inserted; the
// codes window cancelled leaves no row and no code.
void tst_CMovimentiDialog::serialCodesOfARow() {
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    Archive a = prepare(*db);
    a.item(QStringLiteral("TEL"), QStringLiteral("Telefono"), 100.0, {}, {}, {}, true);
    a.item(QStringLiteral("CAV"), QStringLiteral("Cavo"), 5.0);
    a.counterpart(QStringLiteral("F1"), QStringLiteral("Grossista"), false);
    Bench b;
    MovementEdit edit(*db, MovementType::Carico);
    QVERIFY(edit.begin());
    CMovimentiDialog d(*db, b.profile, b.prompt, b.browser, b.files, edit);
    d.show();
    QApplication::setActiveWindow(&d);
    d.itemList()->setCurrentIndex(d.itemList()->findText(QStringLiteral("Telefono")));
    Type(d.quantityField(), QStringLiteral("2"));
    WhenShown<CImeiDialog>([](CImeiDialog* w) {
        QTest::keyClicks(w->codeField(), QStringLiteral("IMEI-1"));
        QTest::mouseClick(w->insertButton(), Qt::LeftButton);
        QTest::mouseClick(w->cancelButton(), Qt::LeftButton);
    });
    Click(d, Tool::InsertRow);
    QCOMPARE(d.rowList()->topLevelItemCount(), 0);
    QCOMPARE(One(*db, QStringLiteral("SELECT COUNT(*) FROM Imei")).toInt(), 0);

    WhenShown<CImeiDialog>([](CImeiDialog* w) {
        for (const char* code : {"IMEI-1", "IMEI-2"}) {
            QTest::keyClicks(w->codeField(), QLatin1String(code));
            QTest::mouseClick(w->insertButton(), Qt::LeftButton);
            w->codeField()->clear();
        }
        QTest::mouseClick(w->okButton(), Qt::LeftButton);
    });
    Click(d, Tool::InsertRow);
    QCOMPARE(d.rowList()->topLevelItemCount(), 1);
    QCOMPARE(One(*db, QStringLiteral("SELECT COUNT(*) FROM Imei WHERE IDSottoMovimento = ?"),
                 {edit.rowKeys().value(0)})
                 .toInt(),
             2);

    // Half a telephone has no code.
    Type(d.quantityField(), QStringLiteral("1,5"));
    b.prompt.expect(QStringLiteral("Il prodotto è gestito con i codici seriali: la quantità deve "
                                   "essere un numero intero di pezzi!"));
    Click(d, Tool::InsertRow);
    QVERIFY2(b.prompt.pending().isEmpty(), qPrintable(Said(b.prompt)));

    // The row given another item keeps none of the telephone's codes.
    d.rowList()->setCurrentItem(d.rowList()->topLevelItem(0));
    d.itemList()->setCurrentIndex(d.itemList()->findText(QStringLiteral("Cavo")));
    Type(d.quantityField(), QStringLiteral("2"));
    Click(d, Tool::SaveRow);
    QCOMPARE(One(*db, QStringLiteral("SELECT COUNT(*) FROM Imei")).toInt(), 0);
    QVERIFY(b.prompt.unexpected.isEmpty());
}

// A customer created from the dialog is chosen at once; cancelling the movement then asks first,
// because the customer goes with it.
void tst_CMovimentiDialog::counterpartCreatedInTheDialog() {
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    prepare(*db);
    Bench b;
    MovementEdit edit(*db, MovementType::Scarico);
    QVERIFY(edit.begin());
    CMovimentiDialog d(*db, b.profile, b.prompt, b.browser, b.files, edit);
    d.show();
    QApplication::setActiveWindow(&d);
    QVERIFY(!d.toolButton(Tool::ChangeCounterpart)->isEnabled());
    QCOMPARE(d.toolButton(Tool::NewCounterpart)->toolTip(), QStringLiteral("Inserisci Cliente"));
    WhenShown<CAnagraficaDialog>([](CAnagraficaDialog* a) {
        QTest::keyClicks(a->field(QStringLiteral("RagSoc")), QStringLiteral("Verdi Anna"));
        QTest::mouseClick(a->findChild<QPushButton*>(QStringLiteral("Salva")), Qt::LeftButton);
    });
    Click(d, Tool::NewCounterpart);
    QCOMPARE(d.counterpartList()->currentText(), QStringLiteral("Verdi Anna"));
    QVERIFY(d.toolButton(Tool::ChangeCounterpart)->isEnabled());

    b.prompt.expect(QStringLiteral("Gli articoli e le anagrafiche inseriti o modificati da questa "
                                   "finestra vengono annullati insieme al movimento."),
                    IPrompt::Answer::No);
    QTest::keyClick(&d, Qt::Key_Escape);
    QVERIFY(d.isVisible());
    b.prompt.expect(QStringLiteral("Gli articoli e le anagrafiche"), IPrompt::Answer::Yes);
    QTest::keyClick(&d, Qt::Key_Escape);
    QVERIFY2(b.prompt.pending().isEmpty(), qPrintable(Said(b.prompt)));
    QVERIFY(!d.isVisible());
    edit.cancel();
    QCOMPARE(One(*db, QStringLiteral("SELECT COUNT(*) FROM CliFor")).toInt(), 0);
}

// A currency of the document's own: converting the rows keeps the figures on screen and stores
// the prices divided by the rate; keeping them shows the stored prices multiplied by it.
void tst_CMovimentiDialog::documentCurrency() {
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    Archive a = prepare(*db);
    a.item(QStringLiteral("A1"), QStringLiteral("Dadi"), 10.0);
    Bench b;
    MovementEdit edit(*db, MovementType::Carico);
    QVERIFY(edit.begin());
    CMovimentiDialog d(*db, b.profile, b.prompt, b.browser, b.files, edit);
    d.show();
    d.itemList()->setCurrentIndex(0);
    Click(d, Tool::InsertRow);
    DocumentCurrency dollars;
    dollars.symbol = QStringLiteral("$");
    dollars.decimal = QStringLiteral(".");
    dollars.grouping = QStringLiteral(",");
    dollars.exchangeRate = 2.0f;
    bool keep = false;
    d.askCurrency = [&](DocumentCurrency* currency, bool* keepStored) {
        *currency = dollars;
        *keepStored = keep;
        return true;
    };
    Click(d, Tool::Currency);
    auto stored = [&] {
        return One(*db, QStringLiteral("SELECT Prezzo FROM SottoMovimenti")).toDouble();
    };
    QCOMPARE(stored(), 5.0);
    const QString ten =
        FormatCurrency(b.profile, CurrencyAmount::fromDouble(10), 3, QStringLiteral("$"),
                       QStringLiteral("."), QStringLiteral(","));
    QCOMPARE(d.rowList()->topLevelItem(0)->text(2), ten);
    keep = true;
    dollars.exchangeRate = 4.0f;
    Click(d, Tool::Currency);
    QCOMPARE(stored(), 5.0);
    QCOMPARE(d.rowList()->topLevelItem(0)->text(2),
             FormatCurrency(b.profile, CurrencyAmount::fromDouble(20), 3, QStringLiteral("$"),
                            QStringLiteral("."), QStringLiteral(",")));
    QCOMPARE(edit.header().SimbVal, QStringLiteral("$"));
    QCOMPARE(edit.header().ValCambio.value_or(0), 4.0f);
}

// Another computer saved a load with the number this one is proposed (this year's count plus
// one): the save goes through and then says which number is taken.
void tst_CMovimentiDialog::takenNumberIsWarned() {
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    Archive a = prepare(*db);
    a.item(QStringLiteral("VIT01"), QStringLiteral("Viti"), 10.0);
    const int supplier =
        a.counterpart(QStringLiteral("F01"), QStringLiteral("Ferramenta Sud"), false);
    const int year = QDate::currentDate().year();
    const QString taken = QStringLiteral("2/%1").arg(year);
    QVERIFY(db->execute(QStringLiteral("INSERT INTO Movimenti (Tipo, Numero, Data, IDCliFor) "
                                       "VALUES (0, ?, ?, ?)"),
                        {taken, QDateTime(QDate(year, 1, 1), QTime(9, 0)), supplier}));
    Bench b;
    CMainDoc doc(b.profile, *db, b.notifier);
    CMovimentiView view(doc, b.prompt, b.browser, b.files);
    view.show();
    view.becameVisible();
    view.prepareDialog = [&](CMovimentiDialog&) {
        WhenShown<CMovimentiDialog>([&](CMovimentiDialog* d) {
            QCOMPARE(d->numberField()->text(), taken);
            Type(d->counterpartCode(), QStringLiteral("F"));
            Type(d->codeField(CodeField::Matricola), QStringLiteral("vit"));
            Type(d->quantityField(), QStringLiteral("3"));
            Click(*d, Tool::InsertRow);
            QTest::mouseClick(d->okButton(), Qt::LeftButton);
        });
    };
    b.prompt.expect(QStringLiteral("Il movimento è stato salvato, ma il numero"));
    QTest::keyClick(TestSupport::FocusedList(view), Qt::Key_F2);
    QVERIFY(b.prompt.unexpected.isEmpty());
    QVERIFY(b.prompt.pending().isEmpty());
    QCOMPARE(b.prompt.shown.last().text,
             QStringLiteral("Il movimento è stato salvato, ma il numero %1 è già stato dato a un "
                            "altro movimento dello stesso tipo del %2 (forse salvato nello stesso "
                            "momento da un altro computer). Correggere il numero di uno dei due "
                            "se serve.")
                 .arg(taken)
                 .arg(year));
    QCOMPARE(b.prompt.shown.last().icon, IPrompt::Icon::Warning);
    QCOMPARE(One(*db, QStringLiteral("SELECT COUNT(*) FROM Movimenti WHERE Numero = ?"), {taken})
                 .toInt(),
             2);

    // Changing that movement later, its number kept: no word again.
    const int shown = int(b.prompt.shown.size());
    view.selectKey(
        One(*db, QStringLiteral("SELECT MAX(IDMovimento) FROM Movimenti WHERE Numero = ?"), {taken})
            .toInt());
    view.prepareDialog = [&](CMovimentiDialog&) {
        WhenShown<CMovimentiDialog>([&](CMovimentiDialog* d) {
            QCOMPARE(d->numberField()->text(), taken);
            Type(d->codeField(CodeField::Matricola), QStringLiteral("vit"));
            Type(d->quantityField(), QStringLiteral("2"));
            Click(*d, Tool::InsertRow);
            QTest::mouseClick(d->okButton(), Qt::LeftButton);
        });
    };
    QTest::keyClick(TestSupport::FocusedList(view), Qt::Key_Return);
    QCOMPARE(int(b.prompt.shown.size()), shown);
    QCOMPARE(One(*db, QStringLiteral("SELECT COUNT(*) FROM SottoMovimenti")).toInt(), 2);

    // A number of its own: no word.
    view.prepareDialog = [&](CMovimentiDialog&) {
        WhenShown<CMovimentiDialog>([&](CMovimentiDialog* d) {
            d->numberField()->selectAll();
            QTest::keyClicks(d->numberField(), QStringLiteral("99/%1").arg(year));
            Type(d->counterpartCode(), QStringLiteral("F"));
            Type(d->codeField(CodeField::Matricola), QStringLiteral("vit"));
            Type(d->quantityField(), QStringLiteral("1"));
            Click(*d, Tool::InsertRow);
            QTest::mouseClick(d->okButton(), Qt::LeftButton);
        });
    };
    QTest::keyClick(TestSupport::FocusedList(view), Qt::Key_F2);
    QCOMPARE(int(b.prompt.shown.size()), shown);
    QCOMPARE(One(*db, QStringLiteral("SELECT COUNT(*) FROM Movimenti WHERE Numero = ?"),
                 {QStringLiteral("99/%1").arg(year)})
                 .toInt(),
             1);
}

QTEST_MAIN(tst_CMovimentiDialog)
#include "tst_CMovimentiDialog.moc"
