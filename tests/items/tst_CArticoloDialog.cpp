// label: db
#include "NoFileDialogs.h"
#include "barcode/Barcodes.h"
#include "barcode/ui/CBarCodeWnd.h"
#include "common/IFileDialogs.h"
#include "common/Profile.h"
#include "counterparts/CounterpartStore.h"
#include "counterparts/ui/CAnagraficaDialog.h"
#include "items/Classifications.h"
#include "items/ItemStore.h"
#include "items/MarkupRules.h"
#include "items/PriceChain.h"
#include "items/QuickChange.h"
#include "items/ui/CArticoloDialog.h"
#include "items/ui/CFotoWnd.h"
#include "items/ui/CUniMisDialog.h"
#include "store/Database.h"

#include "RecordingBrowser.h"
#include "ScriptedPrompt.h"
#include "TestSupport.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <memory>

namespace {
using S = Profile::Section;

QVariant Scalar(Database& db, const QString& sql, const QVariantList& values = {}) {
    QSqlQuery q;
    if (!db.query(q, sql, values) || !q.next())
        return QVariant();
    return q.value(0);
}

} // namespace

class tst_CArticoloDialog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void priceChain();
    void completion_data() { TestSupport::AddBackendRows(); }
    void completion();
    void validation_data() { TestSupport::AddBackendRows(); }
    void validation();
    void barcodeSuggestion_data() { TestSupport::AddBackendRows(); }
    void barcodeSuggestion();
    void saveAndReopen_data() { TestSupport::AddBackendRows(); }
    void saveAndReopen();
    void toolbars_data() { TestSupport::AddBackendRows(); }
    void toolbars();
    void readerMode_data() { TestSupport::AddBackendRows(); }
    void readerMode();
    void unitsFromTheItemDialog_data() { TestSupport::AddBackendRows(); }
    void unitsFromTheItemDialog();
    void openedItemKeepsWhatItHas_data() { TestSupport::AddBackendRows(); }
    void openedItemKeepsWhatItHas();
    void pastedLinesKeepTheFirst_data() { TestSupport::AddBackendRows(); }
    void pastedLinesKeepTheFirst();
    void barcodePictureHoldsTheWidestCode_data() { TestSupport::AddBackendRows(); }
    void barcodePictureHoldsTheWidestCode();
    void tabFollowsTheLayout_data() { TestSupport::AddBackendRows(); }
    void tabFollowsTheLayout();
    void typedValuesAreStoredAsTyped_data() { TestSupport::AddBackendRows(); }
    void typedValuesAreStoredAsTyped();
    void supplierDeletedElsewhere_data() { TestSupport::AddBackendRows(); }
    void supplierDeletedElsewhere();

private:
    std::unique_ptr<CArticoloDialog> open(Database& db, int itemId = 0);
    int addItem(Database& db, const QString& code, const QString& barcode = QString(),
                int category = 0);

    TestSupport::ArchivePool m_archives;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Profile> m_profile;
    ScriptedPrompt m_prompt;
    RecordingBrowser m_browser;
    NoFileDialogs m_files;
};

#define ARCHIVE(db)                                                                                \
    QUARZIL_FETCH_ARCHIVE(m_archives, db);                                                         \
    for (const char* table : {"Articoli", "Categorie", "Gruppi", "Reparti", "Scaffali", "CliFor"}) \
    QVERIFY2(db->execute(QStringLiteral("DELETE FROM ") + QLatin1String(table)),                   \
             qPrintable(db->errorText()))

void tst_CArticoloDialog::init() {
    m_profile.reset();
    m_dir = std::make_unique<QTemporaryDir>();
    m_profile = std::make_unique<Profile>(m_dir->filePath(QStringLiteral("p.ini")),
                                          m_dir->filePath(QStringLiteral("m.ini")));
    for (const auto& [key, value] : {std::pair{"SimbVal", "€"},
                                     {"DecVal", ","},
                                     {"MigVal", "."},
                                     {"DecValNum", ","},
                                     {"MigValNum", "."}})
        m_profile->setValue(S::Azienda, QLatin1String(key), QString::fromUtf8(value));
    m_profile->setValue(S::Azienda, QStringLiteral("NDecVal"), 2);
    m_profile->setValue(S::Azienda, QStringLiteral("NDecValNum"), 2);
    // A serial reader, so Enter keeps its ordinary meaning unless a test says otherwise.
    m_profile->setValue(S::Hardware, QStringLiteral("LettPort"), QStringLiteral("/dev/ttyS0"));
    m_prompt = ScriptedPrompt();
    m_browser.opened.clear();
}

void tst_CArticoloDialog::cleanup() {
    QVERIFY2(m_prompt.unexpected.isEmpty(), qPrintable(m_prompt.unexpected.join(u'\n')));
    QVERIFY2(m_prompt.pending().isEmpty(), qPrintable(m_prompt.pending().join(u'\n')));
}

std::unique_ptr<CArticoloDialog> tst_CArticoloDialog::open(Database& db, int itemId) {
    ItemEditRecord r = ItemStore::NewRecord();
    if (itemId > 0 && !ItemStore(db).load(itemId, r))
        return nullptr;
    auto d = std::make_unique<CArticoloDialog>(db, *m_profile, m_prompt, m_browser, m_files, r);
    d->show();
    d->activateWindow();
    if (!QTest::qWaitForWindowActive(d.get()))
        return nullptr;
    return d;
}

int tst_CArticoloDialog::addItem(Database& db, const QString& code, const QString& barcode,
                                 int category) {
    ItemStore::Save s;
    s.record = ItemStore::NewRecord();
    s.record.Matricola = code;
    s.record.Descrizione = QStringLiteral("Articolo ") + code;
    s.record.CodBarre = barcode;
    if (category > 0)
        s.record.IDCategoria = category;
    return ItemStore(db).save(s, m_profile.get()) ? s.record.IDArticolo : 0;
}

void tst_CArticoloDialog::priceChain() {
    const PriceChain chain =
        PriceChain::Compute(*m_profile, QStringLiteral("100"), QStringLiteral("22%"), true,
                            QStringLiteral("50"), QStringLiteral("10%"));
    QCOMPARE(chain.purchaseLine, QStringLiteral("Prezzo netto acquisto: € 81,97"));
    QCOMPARE(chain.sellingLine, QStringLiteral("Prezzo totale vendita: € 135,00"));
    const PriceChain excluded =
        PriceChain::Compute(*m_profile, QStringLiteral("100"), QStringLiteral("22"), false, {}, {});
    QCOMPARE(excluded.purchaseLine, QStringLiteral("Prezzo totale acquisto: € 122,00"));
    QCOMPARE(excluded.sellingLine, QStringLiteral("Prezzo totale vendita: € 122,00"));
    for (const QString& price : {QStringLiteral("abc"), QString()}) {
        const PriceChain bad =
            PriceChain::Compute(*m_profile, price, QStringLiteral("22%"), false, {}, {});
        QCOMPARE(bad.purchaseLine, QStringLiteral("Impossibile calcolare!"));
        QCOMPARE(bad.sellingLine, QStringLiteral("Impossibile calcolare!"));
    }
    // One more decimal for a mark-up; all of them once the convention keeps more than two.
    QCOMPARE(MarkupRules::Decimals(*m_profile), 3);
    m_profile->setValue(S::Azienda, QStringLiteral("NDecValNum"), 4);
    QCOMPARE(MarkupRules::Decimals(*m_profile), 4);
}

void tst_CArticoloDialog::completion() {
    ARCHIVE(db);
    for (int i = 1; i <= 9; ++i)
        QVERIFY(addItem(*db, QStringLiteral("ART00%1").arg(i)) > 0);
    QVERIFY(addItem(*db, QStringLiteral("0001")) > 0);
    auto d = open(*db);
    QVERIFY(d);
    QLineEdit* code = d->field(QStringLiteral("Matricola"));
    code->setFocus();
    QTest::keyClicks(code, QStringLiteral("A"));
    QCOMPARE(code->text(), QStringLiteral("ART010"));
    QCOMPARE(code->selectedText(), QStringLiteral("RT010"));
    // Erasing proposes nothing anew; a leading 1 to 9 is typed in full, a leading 0 completes.
    QTest::keyClick(code, Qt::Key_Backspace);
    QCOMPARE(code->text(), QStringLiteral("A"));
    code->clear();
    QTest::keyClicks(code, QStringLiteral("1"));
    QCOMPARE(code->text(), QStringLiteral("1"));
    code->clear();
    QTest::keyClicks(code, QStringLiteral("0"));
    QCOMPARE(code->text(), QStringLiteral("0002"));
    // A proposal only ever adds to what was typed, or scanned at a reader's pace.
    for (const QString& typed : {QStringLiteral("ART0055"), QStringLiteral("ART0015")}) {
        code->clear();
        QTest::keyClicks(code, typed);
        QCOMPARE(code->text(), typed);
    }
    code->clear();
    QTest::keyClicks(code, QStringLiteral("art0"));
    QCOMPARE(code->text(), QStringLiteral("ART010"));
    QCOMPARE(code->selectedText(), QStringLiteral("10"));

    // An opened item and a large archive are never completed.
    auto e = open(*db, addItem(*db, QStringLiteral("B1")));
    QVERIFY(e);
    e->setExisting(true);
    QLineEdit* other = e->field(QStringLiteral("Matricola"));
    other->clear();
    QTest::keyClicks(other, QStringLiteral("A"));
    QCOMPARE(other->text(), QStringLiteral("A"));
    auto l = open(*db);
    QVERIFY(l);
    l->setLargeArchive(true);
    QTest::keyClicks(l->field(QStringLiteral("Matricola")), QStringLiteral("A"));
    QCOMPARE(l->field(QStringLiteral("Matricola"))->text(), QStringLiteral("A"));
}

void tst_CArticoloDialog::validation() {
    ARCHIVE(db);
    const int first = addItem(*db, QStringLiteral("X1"), QStringLiteral("4006381333931"));
    QVERIFY(first > 0);
    auto d = open(*db);
    QVERIFY(d);
    QLineEdit* code = d->field(QStringLiteral("Matricola"));
    QLineEdit* description = d->field(QStringLiteral("Descrizione"));
    QLineEdit* barcode = d->field(QStringLiteral("CodBarre"));
    QLineEdit* price = d->field(QStringLiteral("Prezzo"));
    QVERIFY(!d->save());
    code->setText(QStringLiteral("X1"));
    QVERIFY(!d->save());
    code->setText(QStringLiteral("X2"));
    QVERIFY(!d->save());
    description->setText(QStringLiteral("Seconda"));
    barcode->setText(QStringLiteral("4006381333931"));
    QVERIFY(!d->save());
    barcode->clear();
    price->setText(QStringLiteral("dieci"));
    QVERIFY(!d->save());
    QCOMPARE(d->purchaseLine()->text(), QStringLiteral("Impossibile calcolare!"));
    QCOMPARE(m_prompt.balloons,
             (QStringList{
                 QStringLiteral("Errore matricola: La matricola dell'articolo non può avere "
                                "valore nullo!"),
                 QStringLiteral("Errore matricola: La matricola è duplicata, scegliere un altro "
                                "valore!"),
                 QStringLiteral("Errore descrizione: La descrizione dell'articolo non può avere "
                                "valore nullo!"),
                 QStringLiteral("Errore codice a barre: Il codice a barre è duplicato, scegliere "
                                "un altro valore!"),
                 QStringLiteral("Errore prezzo: Il prezzo non è un importo valido!")}));
    QCOMPARE(d->focusWidget(), price);
    QCOMPARE(Scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Articoli")).toInt(), 1);

    // A large archive and an opened item skip both duplicate checks.
    price->clear();
    m_prompt.balloons.clear();
    code->setText(QStringLiteral("X1"));
    barcode->setText(QStringLiteral("4006381333931"));
    d->setLargeArchive(true);
    QVERIFY(d->save());
    auto e = open(*db, first);
    QVERIFY(e);
    e->setExisting(true);
    QVERIFY(e->save());
    QCOMPARE(Scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Articoli WHERE Matricola = ?"),
                    {QStringLiteral("X1")})
                 .toInt(),
             2);
    QVERIFY(m_prompt.balloons.isEmpty());
}

void tst_CArticoloDialog::barcodeSuggestion() {
    ARCHIVE(db);
    auto d = open(*db);
    QVERIFY(d);
    QLineEdit* barcode = d->field(QStringLiteral("CodBarre"));
    const QList<std::tuple<QString, QString, QString>> cases = {
        {QStringLiteral("400638133393"), QStringLiteral("4006381333931"), QStringLiteral("1")},
        {QStringLiteral("1234567"), QStringLiteral("12345670"), QStringLiteral("0")},
        {QStringLiteral("ABC"), QStringLiteral("ABCX"), QStringLiteral("X")},
        {QStringLiteral("12345678"), QStringLiteral("12345678"), QString()},
    };
    for (const auto& [typed, shown, selected] : cases) {
        barcode->clear();
        QTest::keyClicks(barcode, typed);
        QCOMPARE(barcode->text(), shown);
        QCOMPARE(barcode->selectedText(), selected);
        QCOMPARE(d->barcodePicture()->text(), shown);
    }
    // Backspace takes the suggestion away without a new one.
    barcode->clear();
    QTest::keyClicks(barcode, QStringLiteral("ABC"));
    QTest::keyClick(barcode, Qt::Key_Backspace);
    QCOMPARE(barcode->text(), QStringLiteral("ABC"));
}

void tst_CArticoloDialog::saveAndReopen() {
    ARCHIVE(db);
    QVERIFY(Classifications::CreateByName(*db, Classifications::Table::Categorie,
                                          QStringLiteral("Bevande")) > 0);
    const int dept = Classifications::CreateByName(*db, Classifications::Table::Reparti,
                                                   QStringLiteral("Alimentari"));
    CliForRecord supplier = CounterpartStore::NewRecord(CounterpartStore::Kind::Supplier);
    supplier.Codice = QStringLiteral("F07");
    supplier.RagSoc = QStringLiteral("Fornitore Sette");
    QVERIFY(CounterpartStore(*db).save(supplier));

    auto d = open(*db);

    QVERIFY(d);
    // New items: VAT 22 %, first unit and first category offered, no supplier.
    QCOMPARE(d->combo(QStringLiteral("Iva"))->currentText(), QStringLiteral("22%"));
    QCOMPARE(d->combo(QStringLiteral("IDCategoria"))->currentText(), QStringLiteral("Bevande"));
    QCOMPARE(d->combo(QStringLiteral("IDFornitore"))->currentText(), QStringLiteral("<Nessuno>"));
    QVERIFY(!d->toolButton(3131)->isEnabled());
    QVERIFY(d->toolButton(3132)->isEnabled());
    QVERIFY(d->serialCodes()->isEnabled());

    const QString hostile = QStringLiteral("O'Brien \\%_\"; DROP TABLE Articoli;--");
    d->field(QStringLiteral("Matricola"))->setText(QStringLiteral("N'1"));
    d->field(QStringLiteral("Descrizione"))->setText(hostile);
    d->field(QStringLiteral("Prezzo"))->setText(QStringLiteral("100"));
    d->vatIncluded()->setChecked(true);
    d->field(QStringLiteral("Ricarico"))->setText(QStringLiteral("50"));
    d->field(QStringLiteral("Sconto"))->setText(QStringLiteral("10"));
    QCOMPARE(d->sellingLine()->text(), QStringLiteral("Prezzo totale vendita: € 135,00"));
    QComboBox* category = d->combo(QStringLiteral("IDCategoria"));
    category->lineEdit()->clear();
    QTest::keyClicks(category->lineEdit(), QStringLiteral("Frutta fresca di stagione e altro"));
    QComboBox* department = d->combo(QStringLiteral("IDReparto"));
    department->lineEdit()->clear();
    QTest::keyClicks(department->lineEdit(), QStringLiteral("ali"));
    QCOMPARE(department->currentText(), QStringLiteral("Alimentari"));
    QCOMPARE(department->lineEdit()->selectedText(), QStringLiteral("mentari"));
    QTest::keyClicks(d->supplierSearch(), QStringLiteral("F0"));
    QCOMPARE(d->combo(QStringLiteral("IDFornitore"))->currentText(),
             QStringLiteral("Fornitore Sette"));
    QVERIFY(d->toolButton(3131)->isEnabled());
    QVERIFY(d->save());

    const ItemEditRecord saved = d->record();
    ItemEditRecord r;
    QVERIFY(ItemStore(*db).load(saved.IDArticolo, r));
    QCOMPARE(r.Matricola, QStringLiteral("N'1"));
    QCOMPARE(r.Descrizione, hostile);
    QCOMPARE(r.Prezzo, CurrencyAmount::fromUnits(1000000));
    QCOMPARE(*r.Iva, 0.22f);
    QCOMPARE(*r.Ricarico, 0.5f);
    QCOMPARE(*r.Sconto, 0.1f);
    QVERIFY(*r.IncIva);
    QCOMPARE(*r.IDReparto, dept);
    QCOMPARE(*r.IDFornitore, supplier.IDCliFor);
    QVERIFY(!r.IDGruppo.value_or(0));
    // The typed category was created, cut to its width.
    const int fresh = *r.IDCategoria;
    QCOMPARE(Scalar(*db, QStringLiteral("SELECT Categoria FROM Categorie WHERE IDCategoria = ?"),
                    {fresh})
                 .toString(),
             QStringLiteral("Frutta fresca di stagione e al"));

    // Reopened, the values come back as they were shown; moving the item to another category
    // removes the one it left, now unused, and recomputes its counters.
    auto e = open(*db, saved.IDArticolo);
    QVERIFY(e);
    e->setExisting(true);
    QCOMPARE(e->field(QStringLiteral("Sconto"))->text(), QStringLiteral("10,00%"));
    QCOMPARE(e->field(QStringLiteral("Ricarico"))->text(), QStringLiteral("50,000%"));
    QCOMPARE(e->field(QStringLiteral("Prezzo"))->text(), QStringLiteral("€ 100,00"));
    QVERIFY(!e->serialCodes()->isEnabled());
    e->combo(QStringLiteral("IDCategoria"))->setCurrentText(QStringLiteral("Bevande"));
    QVERIFY(e->save());
    QCOMPARE(
        Scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Categorie WHERE IDCategoria = ?"), {fresh})
            .toInt(),
        0);
    QVERIFY(!Scalar(*db, QStringLiteral("SELECT Giacenza FROM Articoli WHERE IDArticolo = ?"),
                    {saved.IDArticolo})
                 .isNull());
}

void tst_CArticoloDialog::toolbars() {
    ARCHIVE(db);
    const int used = Classifications::CreateByName(*db, Classifications::Table::Categorie,
                                                   QStringLiteral("Usata"));
    QVERIFY(Classifications::CreateByName(*db, Classifications::Table::Categorie,
                                          QStringLiteral("Vuota")) > 0);
    QVERIFY(addItem(*db, QStringLiteral("U1"), QString(), used) > 0);
    auto d = open(*db);
    QVERIFY(d);
    QVERIFY(!d->toolButton(3132)->isEnabled());

    // A new supplier made from the item dialog becomes its supplier.
    QTimer::singleShot(0, this, [] {
        auto* dialog = qobject_cast<CAnagraficaDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QVERIFY(!dialog->discountEnabled());
        dialog->field(QStringLiteral("RagSoc"))->setText(QStringLiteral("Nuovo Fornitore"));
        dialog->save();
    });
    d->toolButton(3130)->click();
    QCOMPARE(d->combo(QStringLiteral("IDFornitore"))->currentText(),
             QStringLiteral("Nuovo Fornitore"));
    QVERIFY(d->toolButton(3131)->isEnabled() && d->toolButton(3132)->isEnabled());
    QCOMPARE(Scalar(*db, QStringLiteral("SELECT CliFor FROM CliFor WHERE RagSoc = ?"),
                    {QStringLiteral("Nuovo Fornitore")})
                 .toBool(),
             false);

    // Find looks through the box by name, then tax code.
    d->combo(QStringLiteral("IDFornitore"))->setCurrentIndex(0);
    QString wanted = QStringLiteral("nuovo f");
    d->askFindSupplier = [&wanted](QString* name, QString* taxCode) {
        *name = wanted;
        *taxCode = QString();
        return true;
    };
    d->toolButton(3132)->click();
    QCOMPARE(d->combo(QStringLiteral("IDFornitore"))->currentText(),
             QStringLiteral("Nuovo Fornitore"));
    wanted = QStringLiteral("nessuno così");
    m_prompt.expect(QStringLiteral("Cliente o fornitore non trovato!"));
    d->toolButton(3132)->click();

    // Unused categories go, even the one just chosen; the box falls back to "Standard".
    QComboBox* category = d->combo(QStringLiteral("IDCategoria"));
    category->setCurrentText(QStringLiteral("Vuota"));
    d->toolButton(3126)->click();
    QCOMPARE(category->currentText(), QStringLiteral("Standard"));
    QCOMPARE(category->count(), 2);
    QCOMPARE(Scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Categorie")).toInt(), 1);

    // The calculator's mark-up replaces the field and the price lines follow.
    d->field(QStringLiteral("Prezzo"))->setText(QStringLiteral("10"));
    d->combo(QStringLiteral("Iva"))->setCurrentText(QStringLiteral("0%"));
    CurrencyAmount given;
    d->askMarkup = [&given](const CurrencyAmount& price, double, double, double) {
        given = price;
        return std::optional<double>(0.25);
    };
    d->toolButton(3124)->click();
    QCOMPARE(given, CurrencyAmount::fromUnits(100000));
    QCOMPARE(d->field(QStringLiteral("Ricarico"))->text(), QStringLiteral("25,000%"));
    QCOMPARE(d->sellingLine()->text(), QStringLiteral("Prezzo totale vendita: € 12,50"));

    // The picture goes into the record with the rest.
    const QByteArray jpeg = [] {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPEG");
        return bytes;
    }();
    d->photo()->setPicture(jpeg);
    d->field(QStringLiteral("Matricola"))->setText(QStringLiteral("P1"));
    d->field(QStringLiteral("Descrizione"))->setText(QStringLiteral("Con foto"));
    QVERIFY(d->save());
    ItemEditRecord r;
    QVERIFY(ItemStore(*db).load(d->record().IDArticolo, r));
    QCOMPARE(r.Foto, jpeg);
    QVERIFY(!r.IDCategoria.value_or(0));
}

void tst_CArticoloDialog::readerMode() {
    ARCHIVE(db);
    m_profile->remove(S::Hardware, QStringLiteral("LettPort"));
    auto d = open(*db);
    QVERIFY(d);
    QVERIFY(d->keyboardReader());
    QCOMPARE(d->okButton()->text(), QStringLiteral("Salva (F2)"));
    QLineEdit* code = d->field(QStringLiteral("Matricola"));
    code->setFocus();
    QTest::keyClicks(code, QStringLiteral("R1"));
    QTest::keyClick(code, Qt::Key_Return);
    QVERIFY(d->isVisible());
    d->field(QStringLiteral("Descrizione"))->setText(QStringLiteral("Letto"));
    QTest::keyClicks(d->notes(), QStringLiteral("uno"));
    QTest::keyClick(d->notes(), Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClick(d->notes(), Qt::Key_Return);
    QCOMPARE(d->notes()->toPlainText(), QStringLiteral("uno\n"));
    QVERIFY(d->isVisible());
    // A US-keyboard reader under AZERTY: the digit row without Shift, 5 ms apart.
    QLineEdit* barcode = d->field(QStringLiteral("CodBarre"));
    const QString azerty = QStringLiteral("&\u00e9\"'(-\u00e8_\u00e7\u00e0");
    quint64 clock = 1000;
    auto press = [&](int key, quint32 scanCode, const QString& text) {
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, key, Qt::NoModifier, scanCode, 0, 0, text);
            event.setTimestamp(clock += 5);
            QCoreApplication::sendEvent(barcode, &event);
        }
    };
    for (const QChar digit : QStringLiteral("4006381333931")) {
        const int index = digit == u'0' ? 9 : digit.digitValue() - 1;
        press(Qt::Key_unknown, quint32(10 + index), azerty.mid(index, 1));
    }
    press(Qt::Key_Return, 36, QStringLiteral("\r"));
    QCOMPARE(barcode->text(), QStringLiteral("4006381333931"));
    QVERIFY(d->isVisible());
    QTest::keyClick(code, Qt::Key_F2);
    QCOMPARE(d->result(), int(QDialog::Accepted));

    // The serial-code box asks first; No leaves it clear.
    auto s = open(*db);
    QVERIFY(s);
    m_prompt.expect(QStringLiteral("Attenzione, utilizzare questa funzione con cautela"),
                    IPrompt::Answer::No);
    s->serialCodes()->click();
    QVERIFY(!s->serialCodes()->isChecked());

    // A serial reader keeps the ordinary OK, and Enter saves.
    m_profile->setValue(S::Hardware, QStringLiteral("LettPort"), QStringLiteral("/dev/ttyS0"));
    auto e = open(*db);
    QVERIFY(e);
    QCOMPARE(e->okButton()->text(), QStringLiteral("OK"));
    QLineEdit* other = e->field(QStringLiteral("Matricola"));
    QTest::keyClicks(other, QStringLiteral("R2"));
    e->field(QStringLiteral("Descrizione"))->setText(QStringLiteral("Tastiera"));
    QTest::keyClick(other, Qt::Key_Return);
    QCOMPARE(e->result(), int(QDialog::Accepted));
    QCOMPARE(Scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Articoli")).toInt(), 2);

    // Callers that scan one item after another let Enter save, even with a keyboard reader.
    m_profile->remove(S::Hardware, QStringLiteral("LettPort"));
    auto n = open(*db);
    QVERIFY(n);
    n->setEnterSaves(true);
    QTest::keyClicks(n->field(QStringLiteral("Matricola")), QStringLiteral("R3"));
    n->field(QStringLiteral("Descrizione"))->setText(QStringLiteral("Invio"));
    QTest::keyClick(n->field(QStringLiteral("Matricola")), Qt::Key_F2);
    QVERIFY(n->isVisible());
    QTest::keyClick(n->field(QStringLiteral("Matricola")), Qt::Key_Return);
    QCOMPARE(n->result(), int(QDialog::Accepted));
}

// A unit made in the units dialog opened from the item dialog is kept when that dialog closes and
// offered at once in the unit box.
void tst_CArticoloDialog::unitsFromTheItemDialog() {
    ARCHIVE(db);
    QVERIFY(db->execute(QStringLiteral("DELETE FROM UnMis WHERE Sigla = 'Zq'")));
    auto d = open(*db);
    QVERIFY(d);
    bool driven = false;
    QTimer::singleShot(0, this, [&] {
        auto* units = qobject_cast<CUniMisDialog*>(QApplication::activeModalWidget());
        QVERIFY(units);
        // The offscreen platform leaves the item dialog active; a desktop activates the new one.
        QApplication::setActiveWindow(units);
        QVERIFY(QTest::qWaitForWindowActive(units));
        QTest::keyClicks(units->siglaEdit(), QStringLiteral("Zq"));
        QTest::keyClick(units->siglaEdit(), Qt::Key_Insert, Qt::ControlModifier);
        QVERIFY(units->list()->currentItem());
        QCOMPARE(units->list()->currentItem()->text(0), QStringLiteral("Zq"));
        QTest::mouseClick(units->findChild<QPushButton*>(QStringLiteral("Chiudi")), Qt::LeftButton);
        driven = true;
    });
    d->toolButton(3125)->click();
    QVERIFY(driven);
    QVERIFY(!db->inTransaction());
    QCOMPARE(Scalar(*db, QStringLiteral("SELECT COUNT(*) FROM UnMis WHERE Sigla = 'Zq'")).toInt(),
             1);
    QVERIFY(d->combo(QStringLiteral("IDUM"))->findText(QStringLiteral("Zq")) >= 0);
}

// An item opened without unit or category is saved unchanged without them; a new one is still
// offered the first of each.
void tst_CArticoloDialog::openedItemKeepsWhatItHas() {
    ARCHIVE(db);
    QVERIFY(Classifications::CreateByName(*db, Classifications::Table::Categorie,
                                          QStringLiteral("Bevande")) > 0);
    const int plain = addItem(*db, QStringLiteral("P1"));
    QVERIFY(plain > 0);
    bool driven = false;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<CArticoloDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QCOMPARE(dialog->combo(QStringLiteral("IDUM"))->currentText(), QString());
        QCOMPARE(dialog->combo(QStringLiteral("IDCategoria"))->currentText(),
                 QStringLiteral("Standard"));
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        driven = true;
    });
    QCOMPARE(
        CArticoloDialog::Run(*db, *m_profile, m_prompt, m_browser, m_files, plain, false, nullptr),
        plain);
    QVERIFY(driven);
    ItemEditRecord r;
    QVERIFY(ItemStore(*db).load(plain, r));
    QCOMPARE(r.IDUM.value_or(0), 0);
    QCOMPARE(r.IDCategoria.value_or(0), 0);
    QCOMPARE(Scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Categorie")).toInt(), 1);

    auto d = open(*db);
    QVERIFY(d);
    QCOMPARE(d->combo(QStringLiteral("IDUM"))->currentIndex(), 0);
    QCOMPARE(d->combo(QStringLiteral("IDCategoria"))->currentText(), QStringLiteral("Bevande"));
}

// Several lines pasted into a one-line field leave their first line where the cursor was.
void tst_CArticoloDialog::pastedLinesKeepTheFirst() {
    ARCHIVE(db);
    auto d = open(*db);
    QVERIFY(d);
    QGuiApplication::clipboard()->setText(QStringLiteral("Riga uno\r\nRiga due\nRiga tre"));
    const QList<QLineEdit*> edits = d->findChildren<QLineEdit*>();
    QVERIFY(edits.size() >= 16);
    for (QLineEdit* edit : edits) {
        edit->setFocus();
        edit->setText(QStringLiteral("AB"));
        edit->setCursorPosition(1);
        QTest::keySequence(edit, QKeySequence::Paste);
        QCOMPARE(edit->text(), QStringLiteral("ARiga unoB"));
    }
    QGuiApplication::clipboard()->setText(QStringLiteral("C-1\nda non tenere"));
    QLineEdit* code = d->field(QStringLiteral("Matricola"));
    code->clear();
    QTest::keySequence(code, QKeySequence::Paste);
    QLineEdit* description = d->field(QStringLiteral("Descrizione"));
    description->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("Vino rosso\nannata 2020"));
    QTest::keySequence(description, QKeySequence::Paste);
    d->field(QStringLiteral("CodBarre"))->clear();
    d->field(QStringLiteral("Prezzo"))->clear();
    d->field(QStringLiteral("ScortaMin"))->clear();
    d->field(QStringLiteral("GiacInit"))->clear();
    d->field(QStringLiteral("Sconto"))->clear();
    d->field(QStringLiteral("Ricarico"))->clear();
    d->combo(QStringLiteral("Iva"))->setCurrentIndex(3);
    for (const char* column : {"IDCategoria", "IDGruppo", "IDReparto", "IDScaffale"})
        d->combo(QLatin1String(column))->lineEdit()->clear();
    QTest::mouseClick(d->okButton(), Qt::LeftButton);
    QVERIFY(!d->isVisible());
    ItemEditRecord r;
    QVERIFY(ItemStore(*db).load(d->record().IDArticolo, r));
    QCOMPARE(r.Matricola, QStringLiteral("C-1"));
    QCOMPARE(r.Descrizione, QStringLiteral("Vino rosso"));
    QCOMPARE(r.CodForn, QStringLiteral("ARiga unoB"));
}

// The widest code the field can draw is whole and readable by a scanner, and so is the list of
// supported codes when there is none.
void tst_CArticoloDialog::barcodePictureHoldsTheWidestCode() {
    ARCHIVE(db);
    auto d = open(*db);
    QVERIFY(d);
    QLineEdit* barcode = d->field(QStringLiteral("CodBarre"));
    CBarCodeWnd* picture = d->barcodePicture();
    const QString message = QStringLiteral("Codici a barre supportati: EAN8 - EAN13 - CODE39");
    QVERIFY(picture->width() >= picture->fontMetrics().horizontalAdvance(message));
    const QString widest = QStringLiteral("abcdefghijklmnopqr");
    QCOMPARE(widest.size(), kCode39MaxLength);
    barcode->setFocus();
    for (const QString& text :
         {widest, QStringLiteral("4006381333931"), QStringLiteral("ZZ-99.ABC/12345+%")}) {
        barcode->clear();
        QTest::keyClicks(barcode, text);
        QCOMPARE(barcode->text(), text);
        QString error;
        const QString read = TestSupport::DecodeBarcodes(picture->grab().toImage(), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QString expected =
            BarcodeKind(text) == 1
                ? QStringLiteral("EAN-13:") + text
                : QStringLiteral("CODE-39:") + CodeFullAscii(text, FullAscii::Encode);
        QCOMPARE(read, expected);
    }
}

// Tab goes through the fields as they are read: along each row, then down.
void tst_CArticoloDialog::tabFollowsTheLayout() {
    ARCHIVE(db);
    auto d = open(*db);
    QVERIFY(d);
    QWidget* first = d->field(QStringLiteral("Matricola"));
    first->setFocus();
    QList<QWidget*> visited{first};
    for (int i = 0; i < 80; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (auto* box = qobject_cast<QComboBox*>(now->parentWidget()))
            now = box;
        if (now == first)
            break;
        visited << now;
    }
    auto rect = [&d](QWidget* w) { return QRect(w->mapTo(d.get(), QPoint(0, 0)), w->size()); };
    auto name = [](QWidget* w) {
        return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                         : w->objectName();
    };
    for (qsizetype i = 1; i < visited.size(); ++i) {
        const QRect a = rect(visited.at(i - 1));
        const QRect b = rect(visited.at(i));
        const bool sameRow = qAbs(a.center().y() - b.center().y()) < qMin(a.height(), b.height());
        QVERIFY2(
            sameRow ? b.left() > a.left() : b.top() > a.center().y(),
            qPrintable(name(visited.at(i - 1)) + QStringLiteral(" -> ") + name(visited.at(i))));
    }
    for (const char* column : {"Matricola", "CodBarre", "Descrizione", "Prezzo", "ScortaMin",
                               "GiacInit", "Sconto", "Ricarico", "CodForn"})
        QVERIFY2(visited.contains(d->field(QLatin1String(column))), column);
    for (const char* column :
         {"IDUM", "IDCategoria", "IDGruppo", "IDReparto", "IDScaffale", "Iva", "IDFornitore"})
        QVERIFY2(visited.contains(d->combo(QLatin1String(column))), column);
    for (QWidget* w : std::initializer_list<QWidget*>{d->supplierSearch(), d->vatIncluded(),
                                                      d->serialCodes(), d->notes(), d->okButton()})
        QVERIFY2(visited.contains(w), qPrintable(name(w)));
}

// What the user types is what the archive keeps, on both back ends: a rate or a quantity is one
// stored value whichever path wrote it, a pasted NUL character goes, a negative mark-up prices
// the item, and a price too large to keep exactly is refused with everything else of the save.
void tst_CArticoloDialog::typedValuesAreStoredAsTyped() {
    ARCHIVE(db);
    auto d = open(*db);
    QVERIFY(d);
    QTest::keyClicks(d->field(QStringLiteral("Matricola")), QStringLiteral("V1"));
    QLineEdit* description = d->field(QStringLiteral("Descrizione"));
    QGuiApplication::clipboard()->setText(QStringLiteral("Vite") + QChar(0) +
                                          QStringLiteral(" M4"));
    description->setFocus();
    QTest::keyClick(description, Qt::Key_V, Qt::ControlModifier);
    // The field drops the NUL as the archive would.
    QCOMPARE(description->text(), QStringLiteral("Vite M4"));
    QLineEdit* price = d->field(QStringLiteral("Prezzo"));
    QLineEdit* markup = d->field(QStringLiteral("Ricarico"));
    QTest::keyClicks(price, QStringLiteral("1,00"));
    QTest::keyClicks(markup, QStringLiteral("-5"));
    QCOMPARE(d->sellingLine()->text(), QStringLiteral("Prezzo totale vendita: € 1,16"));
    QTest::keyClicks(d->field(QStringLiteral("Sconto")), QStringLiteral("12,5"));
    QTest::keyClicks(d->field(QStringLiteral("ScortaMin")), QStringLiteral("1,1"));
    QComboBox* category = d->combo(QStringLiteral("IDCategoria"));
    category->lineEdit()->clear();
    QTest::keyClicks(category->lineEdit(), QStringLiteral("Minuteria"));

    price->clear();
    QTest::keyClicks(price, QStringLiteral("300.000.000.000"));
    m_prompt.expect(QStringLiteral("L'importo 300.000.000.000,0000 è troppo grande"));
    QTest::mouseClick(d->okButton(), Qt::LeftButton);
    QVERIFY(d->isVisible());
    QCOMPARE(m_prompt.shown.last().text,
             QStringLiteral("L'importo 300.000.000.000,0000 è troppo grande per l'archivio, che "
                            "conserva esattamente importi fino a 274.877.906.943,9999 in più o "
                            "in meno: non è stato salvato."));
    QCOMPARE(m_prompt.shown.last().icon, IPrompt::Icon::Warning);
    QCOMPARE(Scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Articoli")).toInt(), 0);
    QCOMPARE(Scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Categorie")).toInt(), 0);

    price->clear();
    QTest::keyClicks(price, QStringLiteral("274.877.906.943,99"));
    QTest::mouseClick(d->okButton(), Qt::LeftButton);
    QCOMPARE(d->result(), int(QDialog::Accepted));
    const int saved = d->record().IDArticolo;
    QSqlQuery q;
    QVERIFY(db->query(q,
                      db->isPostgres()
                          ? QStringLiteral("SELECT Descrizione, Prezzo::text, Iva::text, "
                                           "Sconto::text, Ricarico::text, ScortaMin::text FROM "
                                           "Articoli WHERE IDArticolo = ?")
                          : QStringLiteral("SELECT Descrizione, CAST(Prezzo AS TEXT), CAST(Iva "
                                           "AS TEXT), CAST(Sconto AS TEXT), CAST(Ricarico AS "
                                           "TEXT), CAST(ScortaMin AS TEXT) FROM Articoli WHERE "
                                           "IDArticolo = ?"),
                      {saved}) &&
            q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("Vite M4"));
    QVERIFY(q.value(1).toString().startsWith(QLatin1String("274877906943.99")));
    QCOMPARE(q.value(2).toString(), QStringLiteral("0.22"));
    QCOMPARE(q.value(3).toString(), QStringLiteral("0.125"));
    QCOMPARE(q.value(4).toString(), QStringLiteral("-0.05"));
    QCOMPARE(q.value(5).toString(), QStringLiteral("1.1"));
    q.finish();

    // The quick change's 22 % is the same rate: one VAT group, and the item reopens on "22%".
    const int other = Classifications::CreateByName(*db, Classifications::Table::Categorie,
                                                    QStringLiteral("Altra"));
    QVERIFY(addItem(*db, QStringLiteral("V2"), QString(), other) > 0);
    QVERIFY(QuickChange::Apply(*db, QuickChange::Field::Iva, QuickChange::Operation::Fixed,
                               QuickChange::ParseValue(*m_profile, QStringLiteral("22%")),
                               QuickChange::Base::Categoria, other));
    QCOMPARE(Scalar(*db, QStringLiteral("SELECT COUNT(DISTINCT Iva) FROM Articoli")).toInt(), 1);
    auto e = open(*db, saved);
    QVERIFY(e);
    QCOMPARE(e->combo(QStringLiteral("Iva"))->currentIndex(), 3);
    QCOMPARE(e->field(QStringLiteral("ScortaMin"))->text(), QStringLiteral("1,10"));
}

// The usual supplier was deleted on another computer: editing it says so and empties the box.
void tst_CArticoloDialog::supplierDeletedElsewhere() {
    ARCHIVE(db);
    CliForRecord supplier = CounterpartStore::NewRecord(CounterpartStore::Kind::Supplier);
    supplier.RagSoc = QStringLiteral("Fornitore Uno");
    QVERIFY(CounterpartStore(*db).save(supplier));
    Database other(TestSupport::UniqueName(QStringLiteral("other_")));
    QVERIFY2(other.open(m_archives.connectionString(backend)), qPrintable(other.errorText()));
    auto d = open(*db);
    QVERIFY(d);
    QComboBox* suppliers = d->combo(QStringLiteral("IDFornitore"));
    suppliers->setCurrentIndex(1);
    QCOMPARE(suppliers->currentText(), QStringLiteral("Fornitore Uno"));
    QVERIFY(other.execute(QStringLiteral("DELETE FROM CliFor WHERE IDCliFor = ?"),
                          {supplier.IDCliFor}));
    m_prompt.expect(QStringLiteral("Il record non esiste più"));
    QTest::mouseClick(d->toolButton(3131), Qt::LeftButton);
    QCOMPARE(m_prompt.shown.last().text,
             QStringLiteral("Il record non esiste più: è stato eliminato da un altro computer."));
    QCOMPARE(m_prompt.shown.last().icon, IPrompt::Icon::Warning);
    QCOMPARE(suppliers->currentText(), QStringLiteral("<Nessuno>"));
    QCOMPARE(suppliers->count(), 1);
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(tst_CArticoloDialog)
#include "tst_CArticoloDialog.moc"
