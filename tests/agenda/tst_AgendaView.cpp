// label: gui
#include "ArchiveTestCase.h"
#include "ModalTesting.h"
#include "RecordingBrowser.h"
#include "ScriptedPrompt.h"
#include "TestSupport.h"
#include "agenda/AgendaLayout.h"
#include "agenda/AgendaStore.h"
#include "agenda/ui/CAgendaView.h"
#include "agenda/ui/CAppDialog.h"
#include "agenda/ui/CCalAppBar.h"
#include "agenda/ui/CComboApp.h"
#include "common/ChangeNotifier.h"
#include "common/Profile.h"
#include "common/ui/CMainDoc.h"

#include <QAction>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCharFormat>
#include <QTimeEdit>

namespace {

namespace L = AgendaLayout;

QDateTime At(const QDate& d, int h, int mi) {
    return QDateTime(d, QTime(h, mi));
}

qint32 Add(Database& db, const QDateTime& start, const QDateTime& end, const QString& subject,
           int type = 0) {
    AgendaStore store(db);
    ScadenzeRecord r;
    r.DataInit = start;
    r.DataEnd = end;
    r.Oggetto = subject;
    r.Descrizione = subject + QStringLiteral(" (note)");
    r.Tipo = type;
    return store.insert(r) ? r.IDScadenza : 0;
}

QStringList Subjects(const CAgendaView& view) {
    QStringList out;
    for (const ScadenzeRecord& e : view.entries())
        out << e.Oggetto;
    return out;
}

// The agenda view with its calendar pane and the frame's commands, as the frame makes them.
struct Bench {
    QTemporaryDir dir;
    Profile profile{dir.filePath(QStringLiteral("p.ini")), dir.filePath(QStringLiteral("m.ini"))};
    ChangeNotifier notifier;
    ScriptedPrompt prompt;
    RecordingBrowser browser;
    std::unique_ptr<CMainDoc> doc;
    std::unique_ptr<CCalAppBar> bar;
    std::unique_ptr<CAgendaView> view;
    QHash<int, QAction*> commands;

    explicit Bench(Database& db, const QDate& day) {
        doc = std::make_unique<CMainDoc>(profile, db, notifier);
        bar = std::make_unique<CCalAppBar>(32813, QStringLiteral("Calendario"), db);
        view = std::make_unique<CAgendaView>(*doc, prompt, browser);
        for (int id : {32812, 32814, 32815, 32805})
            commands.insert(id, new QAction(view.get()));
        view->attachCommands(commands);
        view->setCalAppBar(bar.get());
        view->resize(700, 600);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        view->showDay(day);
        view->becameVisible();
    }
    void trigger(int id) { commands.value(id)->trigger(); }
    int count(Database& db) {
        QSqlQuery q;
        return db.query(q, QStringLiteral("SELECT COUNT(*) FROM Scadenze")) && q.next()
                   ? q.value(0).toInt()
                   : -1;
    }
};

const QDate kMonday(2024, 5, 6);

// A check that fails inside a dialog's script returns early: the dialog must still close, so
// that the failure is reported instead of the test hanging in the dialog.
auto CloseOnFailure(CAppDialog* d) {
    return qScopeGuard([d] {
        if (d->isVisible())
            QTest::mouseClick(d->cancelButton(), Qt::LeftButton);
    });
}

} // namespace

class tst_AgendaView : public ArchiveTestCase {
    Q_OBJECT
private Q_SLOTS:
    void newFromDraggedSlots_data() { TestSupport::AddBackendRows(); }
    void newFromDraggedSlots();
    void dialogRefusalsKeepIt_data() { TestSupport::AddBackendRows(); }
    void dialogRefusalsKeepIt();
    void selectOpenAndDelete_data() { TestSupport::AddBackendRows(); }
    void selectOpenAndDelete();
    void saveFailureKeepsTheDialog_data() { TestSupport::AddBackendRows(); }
    void saveFailureKeepsTheDialog();
    void keysAndDays_data() { TestSupport::AddBackendRows(); }
    void keysAndDays();
    void calendarBoldDays_data() { TestSupport::AddBackendRows(); }
    void calendarBoldDays();
    void paintedBands_data() { TestSupport::AddBackendRows(); }
    void paintedBands();
};

void tst_AgendaView::newFromDraggedSlots() {
    QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "Scadenze");
    Bench b(*db, kMonday);
    CAgendaView& view = *b.view;
    // Drag from 9:00 to the slot of 10:00 (18 to 20), scrolled to the morning.
    view.scrollBar()->setValue(L::SlotTop(16) - 40);
    QTest::mousePress(&view, Qt::LeftButton, {}, view.slotRect(18).center());
    QMouseEvent move(QEvent::MouseMove, view.slotRect(20).center(),
                     view.mapToGlobal(view.slotRect(20).center()), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&view, &move);
    QTest::mouseRelease(&view, Qt::LeftButton, {}, view.slotRect(20).center());
    QCOMPARE(view.firstSlot(), 18);
    QCOMPARE(view.lastSlot(), 20);
    QVERIFY(!b.commands.value(32814)->isEnabled());

    bool shown = false;
    TestSupport::WhenShown<CAppDialog>([&](CAppDialog* d) {
        const auto closer = CloseOnFailure(d);
        shown = true;
        QCOMPARE(d->windowTitle(), QStringLiteral("Appuntamenti e Scadenze"));
        QCOMPARE(d->startDateEdit()->date(), kMonday);
        QCOMPARE(d->startTimeEdit()->time(), QTime(9, 0));
        QCOMPARE(d->endDateEdit()->date(), kMonday);
        QCOMPARE(d->endTimeEdit()->time(), QTime(10, 30));
        QCOMPARE(d->typeCombo()->count(), 3);
        QCOMPARE(d->typeCombo()->itemText(1), QStringLiteral("Scadenza"));
        QTest::keyClicks(d->subjectEdit(), QStringLiteral("Dentista dell'80%"));
        QTest::keyClicks(d->descriptionEdit(), QStringLiteral("Via Roma; secondo piano"));
        // Ten minutes: stretched to thirty after the message.
        d->endTimeEdit()->setTime(QTime(9, 10));
        d->typeCombo()->setType(2);
        b.prompt.expect(L::ShortDurationText());
        QTest::mouseClick(d->saveButton(), Qt::LeftButton);
    });
    b.trigger(32812);
    QVERIFY(shown);
    QVERIFY2(b.prompt.unexpected.isEmpty(), qPrintable(b.prompt.unexpected.join('\n')));
    QVERIFY(b.prompt.pending().isEmpty());
    QCOMPARE(b.prompt.shown.last().icon, IPrompt::Icon::Information);

    QCOMPARE(Subjects(view), QStringList({"Dentista dell'80%"}));
    const ScadenzeRecord& saved = view.entries().front();
    QCOMPARE(saved.DataInit, At(kMonday, 9, 0));
    QCOMPARE(saved.DataEnd, At(kMonday, 9, 30));
    QCOMPARE(saved.Tipo, std::optional<qint32>(2));
    QCOMPARE(saved.Descrizione, QStringLiteral("Via Roma; secondo piano"));
    // The new entry is the selected one, and the calendar bolds its day.
    QCOMPARE(view.selectedKey(), saved.IDScadenza);
    QVERIFY(b.commands.value(32814)->isEnabled());
    QVERIFY(b.bar->boldDays().count(kMonday));

    // Without a slot range the dialog starts at the present minute.
    TestSupport::WhenShown<CAppDialog>([&](CAppDialog* d) {
        const auto closer = CloseOnFailure(d);
        const QDateTime start(d->startDateEdit()->date(), d->startTimeEdit()->time());
        QVERIFY(qAbs(start.secsTo(QDateTime::currentDateTime())) < 120);
        QCOMPARE(d->endTimeEdit()->time(), d->startTimeEdit()->time());
        QTest::mouseClick(d->cancelButton(), Qt::LeftButton);
    });
    view.showDay(kMonday.addDays(1));
    b.trigger(32812);
    QCOMPARE(b.count(*db), 1);
}

void tst_AgendaView::dialogRefusalsKeepIt() {
    QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "Scadenze");
    Bench b(*db, kMonday);
    int steps = 0;
    TestSupport::WhenShown<CAppDialog>([&](CAppDialog* d) {
        const auto closer = CloseOnFailure(d);
        // Nothing typed: the subject is refused first and takes the focus.
        b.prompt.expect(QStringLiteral("Il campo non può avere valore nullo!"));
        QTest::mouseClick(d->saveButton(), Qt::LeftButton);
        QVERIFY(d->isVisible());
        QCOMPARE(QApplication::focusWidget(), d->subjectEdit());
        QTest::keyClicks(d->subjectEdit(), QStringLiteral("Consegna"));
        b.prompt.expect(QStringLiteral("Il campo non può avere valore nullo!"));
        QTest::mouseClick(d->saveButton(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), d->descriptionEdit());
        QTest::keyClicks(d->descriptionEdit(), QStringLiteral("Ordine 12"));
        // An end before the start.
        d->startTimeEdit()->setTime(QTime(15, 0));
        d->endTimeEdit()->setTime(QTime(14, 0));
        b.prompt.expect(QStringLiteral("Problema nelle date o orari, impossibile salvare!"));
        QTest::mouseClick(d->saveButton(), Qt::LeftButton);
        QVERIFY(d->isVisible());
        steps = 3;
        // Help opens the entry page; cancel stores nothing.
        QTest::mouseClick(d->helpButton(), Qt::LeftButton);
        QTest::mouseClick(d->cancelButton(), Qt::LeftButton);
    });
    b.trigger(32812);
    QCOMPARE(steps, 3);
    QVERIFY2(b.prompt.unexpected.isEmpty(), qPrintable(b.prompt.unexpected.join('\n')));
    QCOMPARE(b.prompt.shown.size(), 3);
    QCOMPARE(b.count(*db), 0);
    QCOMPARE(b.browser.opened.size(), 1);
    QVERIFY(
        b.browser.opened.front().toString().endsWith(QStringLiteral("/aiuto/Quarzil/agenda.php")));
}

void tst_AgendaView::selectOpenAndDelete() {
    QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "Scadenze");
    const qint32 first = Add(*db, At(kMonday, 10, 0), At(kMonday, 11, 0), QStringLiteral("Primo"));
    const qint32 second =
        Add(*db, At(kMonday, 10, 30), At(kMonday, 12, 0), QStringLiteral("Secondo"), 1);
    const qint32 allDay = Add(*db, At(kMonday, 0, 0), QDateTime(kMonday, QTime(23, 59, 59)),
                              QStringLiteral("Tutto il giorno"), 2);
    QVERIFY(first && second && allDay);
    Bench b(*db, kMonday);
    CAgendaView& view = *b.view;
    QCOMPARE(Subjects(view), QStringList({"Tutto il giorno", "Primo", "Secondo"}));
    QVERIFY(!b.commands.value(32815)->isEnabled());

    // The two overlapping boxes share the width; the second starts ten pixels further right.
    // Scrolled so that the boxes lie below the all-day band.
    view.scrollBar()->setValue(L::SlotTop(18) - 100);
    const QRect r1 = view.entryRect(first);
    const QRect r2 = view.entryRect(second);
    QVERIFY(!r1.isEmpty() && !r2.isEmpty());
    QCOMPARE(r1.left(), L::kBoxLeft);
    QCOMPARE(r2.left(), L::kBoxLeft + (view.clientWidth() - 70) / 2 + 10);
    // The all-day box stays in the header band whatever the scroll.
    QCOMPARE(view.entryRect(allDay).top(), L::kAllDayTop);

    QTest::mouseClick(&view, Qt::LeftButton, {}, r2.center());
    QCOMPARE(view.selectedKey(), second);
    QVERIFY(b.commands.value(32815)->isEnabled());
    QTest::mouseClick(&view, Qt::LeftButton, {}, view.entryRect(allDay).center());
    QCOMPARE(view.selectedKey(), allDay);

    // A double click opens the entry; moving it to another day takes it off this one.
    TestSupport::WhenShown<CAppDialog>([&](CAppDialog* d) {
        const auto closer = CloseOnFailure(d);
        QCOMPARE(d->subjectEdit()->text(), QStringLiteral("Primo"));
        QCOMPARE(d->startTimeEdit()->time(), QTime(10, 0));
        d->startDateEdit()->setDate(kMonday.addDays(2));
        d->endDateEdit()->setDate(kMonday.addDays(2));
        QTest::mouseClick(d->saveButton(), Qt::LeftButton);
    });
    QTest::mouseDClick(&view, Qt::LeftButton, {}, view.entryRect(first).center());
    QCOMPARE(Subjects(view), QStringList({"Tutto il giorno", "Secondo"}));
    QVERIFY(b.bar->boldDays().count(kMonday.addDays(2)));

    // Enter opens the selected entry; its changes show in place.
    QTest::mouseClick(&view, Qt::LeftButton, {}, view.entryRect(second).center());
    TestSupport::WhenShown<CAppDialog>([&](CAppDialog* d) {
        const auto closer = CloseOnFailure(d);
        QCOMPARE(d->typeCombo()->type(), 1);
        d->subjectEdit()->setText(QStringLiteral("Secondo, spostato"));
        QTest::mouseClick(d->saveButton(), Qt::LeftButton);
    });
    QTest::keyClick(&view, Qt::Key_Return);
    QCOMPARE(Subjects(view), QStringList({"Tutto il giorno", "Secondo, spostato"}));
    QCOMPARE(view.selectedKey(), second);

    // Delete asks first; No keeps it, Yes removes it from the archive and the day.
    const QString question = QStringLiteral("Si desidera eliminare definitivamente la scadenza "
                                            "selezionata?");
    b.prompt.expect(question, IPrompt::Answer::No);
    b.trigger(32815);
    QCOMPARE(b.count(*db), 3);
    b.prompt.expect(question, IPrompt::Answer::Yes);
    b.trigger(32815);
    QCOMPARE(b.count(*db), 2);
    QCOMPARE(Subjects(view), QStringList({"Tutto il giorno"}));
    QCOMPARE(view.selectedKey(), 0);
    QVERIFY(!b.commands.value(32815)->isEnabled());
    QCOMPARE(b.prompt.shown.last().icon, IPrompt::Icon::Question);
    // Without a selection, open and delete do nothing.
    b.trigger(32815);
    QTest::keyClick(&view, Qt::Key_Return);
    QVERIFY2(b.prompt.unexpected.isEmpty(), qPrintable(b.prompt.unexpected.join('\n')));
}

void tst_AgendaView::saveFailureKeepsTheDialog() {
    QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "Scadenze");
    const qint32 key =
        Add(*db, At(kMonday, 14, 0), At(kMonday, 15, 0), QStringLiteral("Fornitore"));
    Bench b(*db, kMonday);
    CAgendaView& view = *b.view;
    view.scrollBar()->setValue(L::SlotTop(26) - 100);
    QTest::mouseClick(&view, Qt::LeftButton, {}, view.entryRect(key).center());
    QCOMPARE(view.selectedKey(), key);
    bool stayed = false;
    TestSupport::WhenShown<CAppDialog>([&](CAppDialog* d) {
        const auto closer = CloseOnFailure(d);
        // Another computer deletes the entry meanwhile: the save fails and says so.
        QVERIFY(db->execute(QStringLiteral("DELETE FROM Scadenze")));
        d->subjectEdit()->setText(QStringLiteral("Fornitore nuovo"));
        b.prompt.expect(QStringLiteral("Impossibile salvare i dati in agenda!"));
        QTest::mouseClick(d->saveButton(), Qt::LeftButton);
        stayed = d->isVisible() && d->subjectEdit()->text() == QStringLiteral("Fornitore nuovo");
        QTest::mouseClick(d->cancelButton(), Qt::LeftButton);
    });
    b.trigger(32814);
    QVERIFY(stayed);
    QVERIFY2(b.prompt.unexpected.isEmpty(), qPrintable(b.prompt.unexpected.join('\n')));
    QCOMPARE(b.prompt.shown.last().icon, IPrompt::Icon::Warning);
    QCOMPARE(b.count(*db), 0);
}

void tst_AgendaView::keysAndDays() {
    QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "Scadenze");
    // From 23:30 to 00:30: on both days.
    Add(*db, At(kMonday, 23, 30), At(kMonday.addDays(1), 0, 30), QStringLiteral("Notte"));
    Bench b(*db, kMonday);
    CAgendaView& view = *b.view;
    QCOMPARE(Subjects(view), QStringList({"Notte"}));
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_PageDown);
    QCOMPARE(view.firstSlot(), 47);
    // The view scrolled to the last slot.
    QVERIFY(view.slotRect(47).bottom() <= view.height());
    QTest::keyClick(&view, Qt::Key_Up);
    QCOMPARE(view.firstSlot(), 46);
    QCOMPARE(view.lastSlot(), 46);
    QTest::keyClick(&view, Qt::Key_PageUp);
    QCOMPARE(view.firstSlot(), 0);
    // Slot 0 in sight, below the header that stays in place.
    QCOMPARE(view.slotRect(0).top(), L::kGridTop);
    QTest::keyClick(&view, Qt::Key_Down);
    QCOMPARE(view.firstSlot(), 1);

    // Right and Left move a day, and the calendar follows; Home comes back to today.
    QSignalSpy shown(&view, &CAgendaView::dayShown);
    QTest::keyClick(&view, Qt::Key_Right);
    QCOMPARE(view.day(), kMonday.addDays(1));
    QCOMPARE(Subjects(view), QStringList({"Notte"}));
    QCOMPARE(view.firstSlot(), -1);
    QCOMPARE(b.bar->calendar()->selectedDate(), kMonday.addDays(1));
    QTest::keyClick(&view, Qt::Key_Right);
    QVERIFY(view.entries().empty());
    QTest::keyClick(&view, Qt::Key_Left);
    QTest::keyClick(&view, Qt::Key_Left);
    QCOMPARE(view.day(), kMonday);
    QTest::keyClick(&view, Qt::Key_Home);
    QCOMPARE(view.day(), QDate::currentDate());
    QCOMPARE(shown.count(), 5);
}

void tst_AgendaView::calendarBoldDays() {
    QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "Scadenze");
    // A deadline from Monday to Friday, an entry crossing into June, one in July.
    Add(*db, At(kMonday, 9, 0), At(kMonday.addDays(4), 18, 0), QStringLiteral("Settimana"), 1);
    Add(*db, At(QDate(2024, 5, 31), 23, 0), At(QDate(2024, 6, 1), 1, 0), QStringLiteral("Notte"));
    Add(*db, At(QDate(2024, 7, 15), 9, 0), At(QDate(2024, 7, 15), 10, 0), QStringLiteral("Luglio"));
    Bench b(*db, kMonday);
    std::set<QDate> expected;
    for (int i = 0; i < 5; ++i)
        expected.insert(kMonday.addDays(i));
    expected.insert(QDate(2024, 5, 31));
    expected.insert(QDate(2024, 6, 1));
    QCOMPARE(b.bar->boldDays(), expected);
    QCOMPARE(b.bar->calendar()->dateTextFormat(QDate(2024, 5, 8)).fontWeight(), int(QFont::Bold));
    QVERIFY(b.bar->calendar()->dateTextFormat(QDate(2024, 5, 13)).fontWeight() != QFont::Bold);
    // Every day of the deadline shows it.
    for (int i = 0; i < 5; ++i) {
        b.view->showDay(kMonday.addDays(i));
        QCOMPARE(Subjects(*b.view), QStringList({"Settimana"}));
    }

    // Turning to July loads its days; choosing a day shows it in the view.
    b.bar->calendar()->setCurrentPage(2024, 7);
    QCOMPARE(b.bar->boldDays(), std::set<QDate>({QDate(2024, 7, 15)}));
    b.bar->calendar()->setSelectedDate(QDate(2024, 7, 15));
    QCOMPARE(b.view->day(), QDate(2024, 7, 15));
    QCOMPARE(Subjects(*b.view), QStringList({"Luglio"}));
}

void tst_AgendaView::paintedBands() {
    QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "Scadenze");
    Bench b(*db, kMonday);
    CAgendaView& view = *b.view;
    view.scrollBar()->setValue(L::SlotTop(18) - 100);
    const int x = view.clientWidth() - 30;
    auto pixel = [&](int slot) {
        return view.grab().toImage().pixelColor(x, view.slotRect(slot).center().y());
    };
    // Monday: 9:30 is working time, 13:30 and 8:30 are not.
    QCOMPARE(pixel(19), QColor(255, 244, 188));
    QCOMPARE(pixel(27), QColor(Qt::white));
    QCOMPARE(pixel(17), QColor(Qt::white));
    // Saturday: no working hours.
    view.showDay(QDate(2024, 5, 11));
    QCOMPARE(pixel(19), QColor(Qt::white));
    // A selected slot takes the highlight.
    QTest::mouseClick(&view, Qt::LeftButton, {}, view.slotRect(19).center());
    QCOMPARE(pixel(19), view.palette().color(QPalette::Active, QPalette::Highlight));
}

QTEST_MAIN(tst_AgendaView)
#include "tst_AgendaView.moc"
