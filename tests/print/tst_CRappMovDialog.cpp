// label: gui
#include "common/Language.h"
#include "common/Profile.h"
#include "print/ui/CRappMovDialog.h"

#include "ModalTesting.h"
#include "RecordingBrowser.h"
#include "ScriptedPrompt.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

const QString kEqual = QStringLiteral("La data finale deve essere maggiore della data iniziale!");
const QString kOneDay =
    QStringLiteral("La data finale deve essere maggiore di almeno un giorno della data iniziale!");

} // namespace

class tst_CRappMovDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Profile> m_profile;
    ScriptedPrompt m_prompt;
    RecordingBrowser m_browser;

    std::unique_ptr<CRappMovDialog> open() {
        auto d = std::make_unique<CRappMovDialog>(*m_profile, m_prompt, m_browser);
        d->show();
        QApplication::setActiveWindow(d.get());
        if (!QTest::qWaitForWindowActive(d.get()))
            qWarning("dialog not active");
        return d;
    }

    // A picked date and time: the picker's value as its calendar leaves it.
    static void pick(QDateTimeEdit* edit, const QDateTime& when) {
        edit->setFocus();
        edit->setDateTime(when);
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

    void captionsAndDefaults() {
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        auto d = open();
        QCOMPARE(d->windowTitle(), QStringLiteral("Rapporto Movimenti"));
        QVERIFY(d->endEdit()->dateTime() >= before);
        QVERIFY(d->endEdit()->dateTime() <= QDateTime::currentDateTime());
        QCOMPARE(d->startEdit()->dateTime(), d->endEdit()->dateTime().addDays(-7));
        const QStringList texts{"Per &Categoria", "Per A&rticolo", "Per Cliente e &Fornitore",
                                "Per R&eparto", "Per &Scaffale"};
        for (int i = 0; i < texts.size(); ++i)
            QCOMPARE(d->groupingButton(MovementGrouping(i))->text(), texts.at(i));
        QVERIFY(d->groupingButton(MovementGrouping::Category)->isChecked());
        QCOMPARE(d->continueButton()->text(), QStringLiteral("Continua"));
        QCOMPARE(d->cancelButton()->text(), QStringLiteral("Annulla"));
        QCOMPARE(d->helpButton()->text(), QStringLiteral("A&iuto"));
    }

    // Equal dates, then an end 23 hours after the start: each refused with its message, the
    // dialog stays open with the end date in focus; a whole day goes through.
    void periodChecks() {
        auto d = open();
        const QDateTime start(QDate(2026, 3, 1), QTime(9, 0));
        pick(d->startEdit(), start);
        pick(d->endEdit(), start);
        m_prompt.expect(kEqual);
        d->startEdit()->setFocus();
        QTest::mouseClick(d->continueButton(), Qt::LeftButton);
        QVERIFY(d->isVisible());
        QCOMPARE(QApplication::focusWidget(), d->endEdit());

        pick(d->endEdit(), start.addSecs(23 * 3600));
        m_prompt.expect(kOneDay);
        d->startEdit()->setFocus();
        QTest::mouseClick(d->continueButton(), Qt::LeftButton);
        QVERIFY(d->isVisible());
        QCOMPARE(QApplication::focusWidget(), d->endEdit());
        QCOMPARE(m_prompt.shown.size(), 2);
        QCOMPARE(m_prompt.shown.at(0).text, kEqual);
        QCOMPARE(m_prompt.shown.at(1).text, kOneDay);

        // Enter takes the default button, Continua.
        pick(d->endEdit(), start.addDays(1));
        QTest::keyClick(d->endEdit(), Qt::Key_Return);
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QVERIFY(!d->isVisible());
        QCOMPARE(d->request().from, start);
        QCOMPARE(d->request().to, start.addDays(1));
    }

    // In French the captions, the groupings (from a table of texts) and the period refusal of
    // the core code are French, each grouping keeping an access key; Italian comes back.
    void followsTheLanguage() {
        QVERIFY(Language::Apply(QStringLiteral("fr")));
        {
            auto d = open();
            QCOMPARE(d->windowTitle(), QStringLiteral("Rapport des mouvements"));
            QCOMPARE(d->groupingButton(MovementGrouping::Category)->text(),
                     QStringLiteral("Par &catégorie"));
            for (int i = 0; i < 5; ++i)
                QVERIFY(d->groupingButton(MovementGrouping(i))->text().contains(u'&'));
            QCOMPARE(d->continueButton()->text(), QStringLiteral("Continuer"));
            const QDateTime start(QDate(2026, 3, 1), QTime(9, 0));
            pick(d->startEdit(), start);
            pick(d->endEdit(), start);
            const QString french =
                QStringLiteral("La date de fin doit être postérieure à la date de début !");
            m_prompt.expect(french);
            QTest::mouseClick(d->continueButton(), Qt::LeftButton);
            QVERIFY(d->isVisible());
            QCOMPARE(m_prompt.shown.size(), 1);
            QCOMPARE(m_prompt.shown.at(0).text, french);
        }
        QVERIFY(Language::Apply(QStringLiteral("it")));
        auto d = open();
        QCOMPARE(d->groupingButton(MovementGrouping::Category)->text(),
                 QStringLiteral("Per &Categoria"));
    }

    // The whole entry point: the grouping chosen by its mnemonic, Continua pressed.
    void runReturnsTheRequest() {
        MovementReportRequest request;
        TestSupport::WhenShown<CRappMovDialog>([](CRappMovDialog* d) {
            QTest::keyClick(d, Qt::Key_E, Qt::AltModifier);
            (void)QTest::qWaitFor(
                [d] { return d->groupingButton(MovementGrouping::Department)->isChecked(); });
            QTest::mouseClick(d->continueButton(), Qt::LeftButton);
        });
        QVERIFY(CRappMovDialog::Run(*m_profile, m_prompt, m_browser, nullptr, &request));
        QCOMPARE(request.grouping, MovementGrouping::Department);
        QCOMPARE(request.from.daysTo(request.to), 7);

        TestSupport::WhenShown<CRappMovDialog>([](CRappMovDialog* d) {
            QTest::keyClick(d, Qt::Key_R, Qt::AltModifier);
            (void)QTest::qWaitFor(
                [d] { return d->groupingButton(MovementGrouping::Item)->isChecked(); });
            QTest::mouseClick(d->cancelButton(), Qt::LeftButton);
        });
        request = MovementReportRequest();
        QVERIFY(!CRappMovDialog::Run(*m_profile, m_prompt, m_browser, nullptr, &request));
        QCOMPARE(request.grouping, MovementGrouping::Category);

        TestSupport::WhenShown<CRappMovDialog>(
            [](CRappMovDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
        QVERIFY(!CRappMovDialog::Run(*m_profile, m_prompt, m_browser, nullptr, &request));
    }

    void helpOpensTheReportPage() {
        auto d = open();
        QTest::keyClick(d.get(), Qt::Key_I, Qt::AltModifier);
        // A mnemonic clicks its button the way a click looks: a moment later.
        QTRY_COMPARE(m_browser.opened.size(), 1);
        QVERIFY2(m_browser.opened.first().toString().endsWith(
                     QLatin1String("/aiuto/Quarzil/rapporto-movimenti.php")),
                 qPrintable(m_browser.opened.first().toString()));
        QVERIFY(d->isVisible());
    }
};

QTEST_MAIN(tst_CRappMovDialog)
#include "tst_CRappMovDialog.moc"
