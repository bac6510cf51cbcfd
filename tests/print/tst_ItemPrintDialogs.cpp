// label: gui
#include "ModalTesting.h"
#include "ScriptedPrompt.h"
#include "print/ui/CArtStoricoDialog.h"
#include "print/ui/CStampaDialog.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using TestSupport::WhenShown;

namespace {

// Types a day into a date field as the user does: the day's two digits selected, then the digits
// of day, month and year (each full part moves on to the next).
void typeDay(QDateEdit* edit, const QString& digits) {
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(edit, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClicks(edit, digits);
}

// Runs checks on the dialog once shown; a failed check closes it, so the test ends rather than
// waiting on it.
template <class D> void WhenShownChecked(std::function<void(D*)> checks) {
    WhenShown<D>([checks](D* d) {
        checks(d);
        if (QTest::currentTestFailed() && d->isVisible())
            d->reject();
    });
}

} // namespace

class tst_ItemPrintDialogs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void stampaWithoutSelection() {
        bool selectedOnly = true;
        WhenShownChecked<CStampaDialog>([](CStampaDialog* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Impostazione Stampa"));
            QCOMPARE(d->allRowsButton()->text(), QStringLiteral("&Stampa tutte le righe"));
            QCOMPARE(d->selectedRowsButton()->text(),
                     QStringLiteral("S&tampa solo le righe selezionate"));
            QCOMPARE(d->continueButton()->text(), QStringLiteral("Continua"));
            QCOMPARE(d->cancelButton()->text(), QStringLiteral("Annulla"));
            QVERIFY(d->allRowsButton()->isChecked());
            QVERIFY(!d->selectedRowsButton()->isEnabled());
            // A click on the disabled choice changes nothing.
            QTest::mouseClick(d->selectedRowsButton(), Qt::LeftButton);
            QVERIFY(d->allRowsButton()->isChecked());
            QTest::mouseClick(d->continueButton(), Qt::LeftButton);
        });
        QVERIFY(CStampaDialog::Run(false, nullptr, &selectedOnly));
        QVERIFY(!selectedOnly);
    }

    void stampaSelectedRowsAndCancel() {
        bool selectedOnly = false;
        WhenShownChecked<CStampaDialog>([](CStampaDialog* d) {
            QVERIFY(d->allRowsButton()->isChecked());
            QVERIFY(d->selectedRowsButton()->isEnabled());
            QTest::mouseClick(d->selectedRowsButton(), Qt::LeftButton);
            QVERIFY(d->selectedRowsButton()->isChecked());
            QTest::mouseClick(d->continueButton(), Qt::LeftButton);
        });
        QVERIFY(CStampaDialog::Run(true, nullptr, &selectedOnly));
        QVERIFY(selectedOnly);

        // Enter takes the preselected choice; "Annulla" ends without printing.
        WhenShownChecked<CStampaDialog>(
            [](CStampaDialog* d) { QTest::keyClick(d, Qt::Key_Return); });
        QVERIFY(CStampaDialog::Run(true, nullptr, &selectedOnly));
        QVERIFY(!selectedOnly);
        WhenShownChecked<CStampaDialog>(
            [](CStampaDialog* d) { QTest::mouseClick(d->cancelButton(), Qt::LeftButton); });
        QVERIFY(!CStampaDialog::Run(true, nullptr, &selectedOnly));
    }

    void historyPeriod() {
        ScriptedPrompt prompt;
        const QDate today(2026, 3, 31);
        HistoryPeriod period;
        WhenShownChecked<CArtStoricoDialog>([&](CArtStoricoDialog* d) {
            // The last 30 days up to today.
            QCOMPARE(d->fromEdit()->date(), QDate(2026, 3, 1));
            QCOMPARE(d->toEdit()->date(), today);
            QCOMPARE(d->continueButton()->text(), QStringLiteral("Continua"));
            QCOMPARE(d->cancelButton()->text(), QStringLiteral("Annulla"));
            // An end before the start is refused and the dialog stays.
            typeDay(d->toEdit(), QStringLiteral("15022026"));
            QCOMPARE(d->toEdit()->date(), QDate(2026, 2, 15));
            prompt.expect(CArtStoricoDialog::EndBeforeStartMessage());
            QTest::mouseClick(d->continueButton(), Qt::LeftButton);
            QCOMPARE(prompt.shown.size(), 1);
            QCOMPARE(prompt.shown.at(0).text,
                     QStringLiteral("La data finale non può precedere la data iniziale!"));
            QVERIFY(d->isVisible());
            typeDay(d->fromEdit(), QStringLiteral("01022026"));
            QTest::mouseClick(d->continueButton(), Qt::LeftButton);
        });
        QVERIFY(CArtStoricoDialog::Run(prompt, nullptr, &period, today));
        QVERIFY(prompt.unexpected.isEmpty());
        QCOMPARE(period.from, QDate(2026, 2, 1));
        QCOMPARE(period.to, QDate(2026, 2, 15));
        QCOMPARE(period.start(), QDateTime(QDate(2026, 2, 1), QTime(0, 0)));
        QCOMPARE(period.end(), QDateTime(QDate(2026, 2, 15), QTime(23, 59, 59, 999)));

        // One day is a period; "Annulla" gives none.
        WhenShownChecked<CArtStoricoDialog>([&](CArtStoricoDialog* d) {
            typeDay(d->fromEdit(), QStringLiteral("31032026"));
            QTest::mouseClick(d->continueButton(), Qt::LeftButton);
        });
        QVERIFY(CArtStoricoDialog::Run(prompt, nullptr, &period, today));
        QCOMPARE(period.from, today);
        QCOMPARE(period.to, today);
        WhenShownChecked<CArtStoricoDialog>(
            [&](CArtStoricoDialog* d) { QTest::mouseClick(d->cancelButton(), Qt::LeftButton); });
        QVERIFY(!CArtStoricoDialog::Run(prompt, nullptr, &period, today));
        QCOMPARE(prompt.shown.size(), 1);
    }
};

QTEST_MAIN(tst_ItemPrintDialogs)
#include "tst_ItemPrintDialogs.moc"
