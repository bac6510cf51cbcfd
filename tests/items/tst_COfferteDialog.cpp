// label: gui
#include "ArchiveTestCase.h"
#include "RecordingBrowser.h"
#include "ScriptedPrompt.h"
#include "common/NonInteractive.h"
#include "common/Profile.h"
#include "company/Formats.h"
#include "items/ActivePromotion.h"
#include "items/ArtListModel.h"
#include "items/Promotions.h"
#include "items/ui/COfferteDialog.h"
#include "movements/MovementEntry.h"
#include "movements/MovementTypes.h"
#include "movements/RowPricing.h"
#include "store/TableRecord.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

using S = Profile::Section;
using Tool = COfferteDialog::Tool;

namespace {

struct Bench {
    QTemporaryDir dir;
    Profile profile{dir.filePath(QStringLiteral("p.ini")), dir.filePath(QStringLiteral("m.ini"))};
    ScriptedPrompt prompt;
    RecordingBrowser browser;
    CancelledFileDialogs files;

    Bench() {
        for (const auto& [key, value] : {std::pair{"SimbVal", "€"},
                                         {"DecVal", ","},
                                         {"MigVal", "."},
                                         {"NDecVal", "2"},
                                         {"DecValNum", ","},
                                         {"MigValNum", "."},
                                         {"NDecValNum", "2"}})
            profile.setValue(S::Azienda, QLatin1String(key), QString::fromUtf8(value));
    }
};

int AddItem(Database& db, const QString& code, const QString& name, const QString& barcode,
            double price) {
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("INSERT INTO Articoli (Matricola, Descrizione, CodBarre, Prezzo, "
                                 "Iva) VALUES (?, ?, ?, ?, ?) RETURNING IDArticolo"),
                  {code, name, barcode,
                   Record::BindCurrency(CurrencyAmount::fromDouble(price), db.backend()), 0.22f}) ||
        !q.next())
        return 0;
    return q.value(0).toInt();
}

QStringList Line(const QTreeWidget* list, int row) {
    QStringList texts;
    for (int c = 0; c < list->columnCount(); ++c)
        texts << list->topLevelItem(row)->text(c);
    return texts;
}

// The stored rows, oldest first: Sempre, start, end, active, the kind.
QStringList Stored(Database& db) {
    QSqlQuery q;
    QStringList rows;
    if (!db.query(q, QStringLiteral("SELECT Sempre, DataInit, DataEnd, Attivo, TreXDue, DueXUno, "
                                    "Sconto FROM Offerte ORDER BY IDOfferta")))
        return {QStringLiteral("<failed>")};
    while (q.next()) {
        const auto bit = [&](int i) {
            return Record::ReadBit(q.value(i)).value_or(false) ? QStringLiteral("1")
                                                               : QStringLiteral("0");
        };
        const auto when = [&](int i) {
            const QDateTime d = Record::ReadDateTime(q.value(i));
            return d.isValid() ? d.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                               : QStringLiteral("NULL");
        };
        const std::optional<float> sconto = Record::ReadReal(q.value(6));
        rows << QStringList{bit(0),
                            when(1),
                            when(2),
                            bit(3),
                            bit(4),
                            bit(5),
                            sconto ? QString::number(*sconto) : QStringLiteral("NULL")}
                    .join(u' ');
    }
    return rows;
}

void Click(QAbstractButton* b) {
    QVERIFY(b && b->isEnabled());
    QTest::mouseClick(b, Qt::LeftButton);
}

void Type(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

void Open(COfferteDialog& d) {
    d.show();
    QApplication::setActiveWindow(&d);
    QVERIFY(QTest::qWaitForWindowActive(&d));
}

void Select(QTreeWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->topLevelItem(row)).center());
}

} // namespace

class tst_COfferteDialog : public ArchiveTestCase {
    Q_OBJECT
private Q_SLOTS:
    void keepingPromotions_data() { TestSupport::AddBackendRows(); }
    void keepingPromotions();
    void newestActiveApplies_data() { TestSupport::AddBackendRows(); }
    void newestActiveApplies();
};

// The item chosen by code and barcode, always and a one-day period, the discount's proposal,
// a refused period, switching one off, and deleting only the selected one.
void tst_COfferteDialog::keepingPromotions() {
    QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "Offerte", "SottoMovimenti", "Imei", "Articoli");
    Bench b;
    AddItem(*db, QStringLiteral("A1"), QStringLiteral("Bulloni"), QStringLiteral("800123"), 10);
    AddItem(*db, QStringLiteral("B1"), QStringLiteral("Dadi"), QStringLiteral("900456"), 4);
    b.profile.setValue(S::Hardware, QStringLiteral("LettPort"), QStringLiteral("/dev/ttyS0"));
    {
        COfferteDialog d(*db, b.profile, b.prompt, b.browser, b.files);
        QCOMPARE(d.windowTitle(), QStringLiteral("Gestione Offerte e Promozioni"));
        QCOMPARE(d.okButton()->text(), QStringLiteral("OK"));
        QCOMPARE(d.toolButton(Tool::InsertOffer)->toolTip(),
                 QStringLiteral("Inserisci Offerta (Ctrl+Ins)"));
        QCOMPARE(d.toolButton(Tool::DeleteOffer)->toolTip(),
                 QStringLiteral("Elimina Offerta (Ctrl+Canc)"));
        QCOMPARE(d.toolButton(Tool::SaveOffer)->toolTip(),
                 QStringLiteral("Salva Offerta (Ctrl+S)"));
        Open(d);
        // Without an item, insert does nothing.
        QTest::keyClick(&d, Qt::Key_Insert, Qt::ControlModifier);
        QCOMPARE(d.list()->topLevelItemCount(), 0);

        // Codes search by prefix, whatever the case; erasing keeps the item.
        Type(d.codeSearch(), QStringLiteral("b1"));
        QCOMPARE(d.items()->currentText(), QStringLiteral("Dadi"));
        Type(d.barcodeSearch(), QStringLiteral("8001"));
        QCOMPARE(d.items()->currentText(), QStringLiteral("Bulloni"));
        d.codeSearch()->setFocus();
        d.codeSearch()->end(false);
        QTest::keyClick(d.codeSearch(), Qt::Key_Backspace);
        QCOMPARE(d.codeSearch()->text(), QStringLiteral("b"));
        QCOMPARE(d.items()->currentText(), QStringLiteral("Bulloni"));

        // Always, three for two: no dates, "Sempre" twice.
        Click(d.sempre());
        QVERIFY(!d.firstDay()->isEnabled() && !d.lastDay()->isEnabled());
        Click(d.treXDue());
        QVERIFY(!d.percent()->isEnabled());
        // Pressed while typing in a code box, as a user does: the box does not take it as copy.
        d.codeSearch()->setFocus();
        QTest::keyClick(d.codeSearch(), Qt::Key_Insert, Qt::ControlModifier);
        QCOMPARE(d.list()->topLevelItemCount(), 1);
        QCOMPARE(Line(d.list(), 0), (QStringList{"Bulloni", "Sempre", "Sempre",
                                                 "Promozione del prendi 3 e paghi 2", "Si"}));
        QCOMPARE(Stored(*db), QStringList{"1 NULL NULL 1 1 0 NULL"});

        // One day, 5 March to 5 March, a discount: the box proposes 25 %.
        Click(d.sempre());
        QVERIFY(d.firstDay()->isEnabled());
        d.firstDay()->setDate(QDate(2026, 3, 5));
        d.lastDay()->setDate(QDate(2026, 3, 5));
        Click(d.sconto());
        QVERIFY(d.percent()->isEnabled());
        QCOMPARE(d.percent()->text(), QStringLiteral("25,00%"));
        QVERIFY(!d.treXDue()->isChecked());
        Click(d.toolButton(Tool::InsertOffer));
        QCOMPARE(d.list()->topLevelItemCount(), 2);
        const QString march5 = QLocale().toString(QDate(2026, 3, 5), QLocale::ShortFormat);
        QCOMPARE(Line(d.list(), 1),
                 (QStringList{"Bulloni", march5, march5, "Promozione del 25,00%", "Si"}));
        QCOMPARE(Stored(*db).value(1),
                 QStringLiteral("0 2026-03-05 00:00:00 2026-03-05 23:59:59 1 0 0 0.25"));

        // An end before the start is refused, and nothing is written.
        d.lastDay()->setDate(QDate(2026, 3, 4));
        b.prompt.expect(QStringLiteral("La data iniziale deve essere precedente a quella finale!"));
        QTest::keyClick(&d, Qt::Key_Insert, Qt::ControlModifier);
        QVERIFY(b.prompt.pending().isEmpty());
        QCOMPARE(b.prompt.shown.last().text,
                 QStringLiteral("La data iniziale deve essere precedente a quella finale!"));
        QCOMPARE(b.prompt.shown.last().icon, IPrompt::Icon::Information);
        QCOMPARE(Stored(*db).size(), 2);

        // The first one switched off stays listed with "No".
        Select(d.list(), 0);
        QVERIFY(d.sempre()->isChecked() && d.treXDue()->isChecked());
        Click(d.attiva());
        QTest::keyClick(&d, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(d.list()->topLevelItemCount(), 2);
        QCOMPARE(Line(d.list(), 0).last(), QStringLiteral("No"));
        QCOMPARE(Stored(*db).value(0), QStringLiteral("1 NULL NULL 0 1 0 NULL"));
        // Another computer deleted it: the save says so.
        const int gone = d.selectedPromotion();
        QVERIFY(db->execute(QStringLiteral("DELETE FROM Offerte WHERE IDOfferta = ?"), {gone}));
        b.prompt.expect(QStringLiteral("Impossibile inserire la promozione!"));
        Click(d.toolButton(Tool::SaveOffer));
        QVERIFY(b.prompt.pending().isEmpty());
        QCOMPARE(b.prompt.shown.last().icon, IPrompt::Icon::Warning);
        QVERIFY(db->execute(QStringLiteral("DELETE FROM Offerte")));
        QVERIFY(b.prompt.unexpected.isEmpty());
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }

    // Reopened over three promotions: delete removes the selected one only. The list comes
    // active first, then the latest periods; a promotion never marked active reads "No".
    const int bulloni = AddItem(*db, QStringLiteral("C1"), QStringLiteral("Viti"), {}, 1);
    for (const auto& [from, active] :
         {std::pair{QDate(2026, 1, 1), true}, std::pair{QDate(2026, 2, 1), true},
          std::pair{QDate(2026, 3, 1), false}})
        QVERIFY(db->execute(
            QStringLiteral("INSERT INTO Offerte (IDArticolo, DataInit, DataEnd, Attivo, Sempre, "
                           "DueXUno) VALUES (?, ?, ?, ?, ?, ?)"),
            {bulloni, QDateTime(from, QTime(0, 0)), QDateTime(from.addDays(9), QTime(23, 59, 59)),
             active ? Record::BindBit(true, db->backend()) : QVariant(QMetaType(QMetaType::Int)),
             Record::BindBit(false, db->backend()), Record::BindBit(true, db->backend())}));
    b.profile.setValue(S::Hardware, QStringLiteral("LettPort"), QStringLiteral("Tastiera"));
    COfferteDialog d(*db, b.profile, b.prompt, b.browser, b.files);
    QCOMPARE(d.okButton()->text(), QStringLiteral("Salva (F2)"));
    Open(d);
    QCOMPARE(d.list()->topLevelItemCount(), 3);
    const QString feb1 = QLocale().toString(QDate(2026, 2, 1), QLocale::ShortFormat);
    const QString jan1 = QLocale().toString(QDate(2026, 1, 1), QLocale::ShortFormat);
    const QString mar1 = QLocale().toString(QDate(2026, 3, 1), QLocale::ShortFormat);
    QCOMPARE(d.list()->topLevelItem(0)->text(1), feb1);
    QCOMPARE(d.list()->topLevelItem(1)->text(1), jan1);
    QCOMPARE(
        Line(d.list(), 2),
        (QStringList{"Viti", mar1, QLocale().toString(QDate(2026, 3, 10), QLocale::ShortFormat),
                     "Promozione del prendi 2 e paghi 1", "No"}));
    Select(d.list(), 1);
    QTest::keyClick(&d, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(d.list()->topLevelItemCount(), 2);
    QCOMPARE(d.list()->topLevelItem(0)->text(1), feb1);
    QCOMPARE(d.list()->topLevelItem(1)->text(1), mar1);
    QSqlQuery q;
    QVERIFY(db->query(q, QStringLiteral("SELECT COUNT(*) FROM Offerte WHERE DataInit = ?"),
                      {QDateTime(QDate(2026, 1, 1), QTime(0, 0))}) &&
            q.next());
    QCOMPARE(q.value(0).toInt(), 0);
    q.finish();
    QCOMPARE(Stored(*db).size(), 2);
    // A reader's Enter stays in the search box; F2 closes.
    d.barcodeSearch()->setFocus();
    QTest::keyClick(d.barcodeSearch(), Qt::Key_Return);
    QVERIFY(d.isVisible());
    Click(d.helpButton());
    QCOMPARE(b.browser.opened.last().path(),
             QStringLiteral("/aiuto/Quarzil/offerte-promozioni.php"));
    QTest::keyClick(&d, Qt::Key_F2);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QVERIFY(b.prompt.unexpected.isEmpty());
}

// Of several active promotions of an item the newest sets a sale row's price; one switched off
// is kept and never applied. The items list marks the items on promotion today.
void tst_COfferteDialog::newestActiveApplies() {
    QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "Offerte", "SottoMovimenti", "Imei", "Articoli");
    Bench b;
    const int item =
        AddItem(*db, QStringLiteral("A1"), QStringLiteral("Bulloni"), QStringLiteral("800"), 10);
    const int other = AddItem(*db, QStringLiteral("B1"), QStringLiteral("Dadi"), {}, 4);
    {
        COfferteDialog d(*db, b.profile, b.prompt, b.browser, b.files);
        Open(d);
        Type(d.codeSearch(), QStringLiteral("A1"));
        Click(d.sempre());
        Click(d.dueXUno());
        Click(d.toolButton(Tool::InsertOffer));
        // The newer one: a discount of 20 % over today.
        Click(d.sempre());
        Click(d.sconto());
        Type(d.percent(), QStringLiteral("20"));
        Click(d.toolButton(Tool::InsertOffer));
        // The newest, switched off.
        Type(d.percent(), QStringLiteral("50"));
        Click(d.attiva());
        Click(d.toolButton(Tool::InsertOffer));
        // One for the other item, over yesterday only.
        Type(d.codeSearch(), QStringLiteral("B1"));
        Click(d.attiva());
        d.firstDay()->setDate(QDate::currentDate().addDays(-1));
        d.lastDay()->setDate(QDate::currentDate().addDays(-1));
        Click(d.toolButton(Tool::InsertOffer));
        QCOMPARE(d.list()->topLevelItemCount(), 4);
        QVERIFY(b.prompt.unexpected.isEmpty() && b.prompt.shown.isEmpty());
    }
    ActivePromotion promotion;
    QVERIFY(FindActivePromotion(*db, item, QDateTime::currentDateTime(), &promotion));
    QVERIFY(promotion.found);
    QCOMPARE(promotion.sconto.value_or(0), 0.2f);
    MovementEntry::Item loaded;
    QVERIFY(MovementEntry::LoadItem(*db, item, &loaded));
    const RowPrice sale = PriceRow(loaded.pricing, MovementType::Scarico, &promotion, 2, 0);
    QCOMPARE(sale.net.toDecimalString(), QStringLiteral("8.0000"));
    QVERIFY(FindActivePromotion(*db, other, QDateTime::currentDateTime(), &promotion));
    QVERIFY(!promotion.found);

    ArtListModel model(*db, b.profile);
    QVERIFY(model.refresh());
    QCOMPARE(model.rowCount(), 2);
    for (int row = 0; row < 2; ++row)
        QCOMPARE(model.data(model.index(row, 0), ArtListModel::PromotionRole).toBool(),
                 model.keyAt(row) == item);
}

QTEST_MAIN(tst_COfferteDialog)
#include "tst_COfferteDialog.moc"
