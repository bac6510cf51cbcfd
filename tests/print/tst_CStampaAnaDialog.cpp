// label: gui
#include "ModalTesting.h"
#include "ScriptedPrompt.h"
#include "print/SituationRequest.h"
#include "print/ui/CStampaAnaDialog.h"

#include <QApplication>
#include <QDateEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

QPushButton* button(QWidget* dialog, const char* name) {
    return dialog->findChild<QPushButton*>(QLatin1String(name));
}

// Types a day into a date field as the user does: tabbed into, it has its day selected, and
// each full section moves on to the next.
void typeDay(QDateEdit* edit, const QString& ddMMyyyy) {
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(edit, ddMMyyyy);
    QTest::keyClick(edit, Qt::Key_Tab);
}

// Closes the dialog when a check in the work failed, so that the test ends rather than waits.
struct CloseIfLeftOpen {
    QDialog* dialog;
    ~CloseIfLeftOpen() {
        if (dialog->isVisible())
            dialog->reject();
    }
};

} // namespace

class tst_CStampaAnaDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void presetsAndChoices() {
        ScriptedPrompt prompt;
        SituationRequest request;
        bool checked = false;
        TestSupport::WhenShown<CStampaAnaDialog>([&](CStampaAnaDialog* d) {
            CloseIfLeftOpen guard{d};
            checked = true;
            QCOMPARE(d->windowTitle(), QStringLiteral("Impostazione Stampa"));
            QCOMPARE(d->toEdit()->date(), QDate::currentDate());
            QCOMPARE(d->fromEdit()->date(), QDate::currentDate().addDays(-7));
            QCOMPARE(d->allButton()->text(), QStringLiteral("&Stampa tutte le righe"));
            QCOMPARE(d->selectedButton()->text(),
                     QStringLiteral("S&tampa solo le righe selezionate"));
            QVERIFY(d->allButton()->isChecked());
            // Without a selection only all rows can be printed.
            QVERIFY(!d->selectedButton()->isEnabled());
            QTest::mouseClick(d->selectedButton(), Qt::LeftButton);
            QVERIFY(!d->selectedButton()->isChecked());
            QTest::mouseClick(button(d, "Continua"), Qt::LeftButton);
        });
        QVERIFY(CStampaAnaDialog::Run(prompt, false, nullptr, &request));
        QVERIFY(checked);
        QVERIFY(prompt.shown.isEmpty());
        QCOMPARE(request.from, QDate::currentDate().addDays(-7));
        QCOMPARE(request.to, QDate::currentDate());
        QVERIFY(!request.selectedOnly);
        QCOMPARE(request.periodStart(), QDateTime(request.from, QTime(0, 0, 0)));
        QCOMPARE(request.periodEnd(), QDateTime(request.to, QTime(23, 59, 59)));

        // Cancelled: false, and the request is left as it was.
        TestSupport::WhenShown<CStampaAnaDialog>(
            [&](CStampaAnaDialog* d) { QTest::mouseClick(button(d, "Annulla"), Qt::LeftButton); });
        SituationRequest untouched;
        QVERIFY(!CStampaAnaDialog::Run(prompt, true, nullptr, &untouched));
        QVERIFY(!untouched.from.isValid());
    }

    void refusesShortPeriods() {
        ScriptedPrompt prompt;
        prompt.expect(QString::fromUtf8(kSameDatesMessage));
        prompt.expect(QString::fromUtf8(kLessThanADayMessage));
        // The view's last period comes back as the preset.
        SituationRequest request{QDate(2026, 3, 2), QDate(2026, 3, 9), false};
        TestSupport::WhenShown<CStampaAnaDialog>([&](CStampaAnaDialog* d) {
            CloseIfLeftOpen guard{d};
            QCOMPARE(d->fromEdit()->date(), QDate(2026, 3, 2));
            QVERIFY(d->selectedButton()->isEnabled());
            typeDay(d->toEdit(), "02032026");
            QCOMPARE(d->toEdit()->date(), QDate(2026, 3, 2));
            QTest::mouseClick(button(d, "Continua"), Qt::LeftButton);
            // Refused: the dialog is still there.
            QVERIFY(d->isVisible());
            typeDay(d->toEdit(), "01032026");
            QTest::mouseClick(button(d, "Continua"), Qt::LeftButton);
            QVERIFY(d->isVisible());
            typeDay(d->toEdit(), "03032026");
            QTest::mouseClick(d->selectedButton(), Qt::LeftButton);
            QTest::mouseClick(button(d, "Continua"), Qt::LeftButton);
        });
        QVERIFY(CStampaAnaDialog::Run(prompt, true, nullptr, &request));
        QVERIFY2(prompt.unexpected.isEmpty(), qPrintable(prompt.unexpected.join('\n')));
        QVERIFY(prompt.pending().isEmpty());
        QCOMPARE(prompt.shown.size(), 2);
        QCOMPARE(prompt.shown.at(0).text,
                 QStringLiteral("La data finale deve essere maggiore della data iniziale!"));
        QCOMPARE(prompt.shown.at(1).text,
                 QStringLiteral("La data finale deve essere maggiore di almeno un giorno della "
                                "data iniziale!"));
        for (const auto& s : prompt.shown)
            QCOMPARE(int(s.icon), int(IPrompt::Icon::Information));
        // One whole day is enough.
        QCOMPARE(request.from, QDate(2026, 3, 2));
        QCOMPARE(request.to, QDate(2026, 3, 3));
        QVERIFY(request.selectedOnly);
    }
};

QTEST_MAIN(tst_CStampaAnaDialog)
#include "tst_CStampaAnaDialog.moc"
