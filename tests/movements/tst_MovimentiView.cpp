// label: gui
#include "ArchiveTestCase.h"
#include "KeyedListViewTesting.h"
#include "ModalTesting.h"
#include "RecordingBrowser.h"
#include "ScriptedPrompt.h"
#include "TestSupport.h"
#include "common/ChangeNotifier.h"
#include "common/NonInteractive.h"
#include "common/Profile.h"
#include "common/ui/CMainDoc.h"
#include "common/ui/CTrovaDialog.h"
#include "movements/MovListModel.h"
#include "movements/MovementStore.h"
#include "movements/MovementTypes.h"
#include "movements/ui/CFiltroMovDialog.h"
#include "movements/ui/CMovRowBar.h"
#include "movements/ui/CMovimentiView.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDateTimeEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

namespace {

using S = Profile::Section;
using TestSupport::WhenShown;

int insertReturning(Database& db, const QString& sql, const QVariantList& values) {
    QSqlQuery q;
    if (!db.query(q, sql, values) || !q.next())
        return -1;
    return q.value(0).toInt();
}

int addItem(Database& db, const QString& description) {
    return insertReturning(db,
                           QStringLiteral("INSERT INTO Articoli (Matricola, Descrizione) VALUES "
                                          "(?, ?) RETURNING IDArticolo"),
                           {TestSupport::UniqueName(QStringLiteral("M")), description});
}

int addMovement(Database& db, int type, const QString& number, const QDateTime& when,
                const QList<QPair<int, float>>& rows) {
    MovementEdit edit(db, type);
    if (!edit.begin())
        return -1;
    edit.header().Numero = number;
    edit.header().Data = when;
    for (const auto& [item, qt] : rows) {
        SottoMovimentiRecord row;
        row.IDArticolo = item;
        row.Qt = qt;
        row.Prezzo = CurrencyAmount::fromUnits(25000);
        row.Iva = 0.22f;
        if (!edit.insertRow(row))
            return -1;
    }
    return edit.save() == MovementEdit::SaveResult::Saved ? edit.header().IDMovimento : -1;
}

struct Bench {
    QTemporaryDir dir;
    Profile profile{dir.filePath(QStringLiteral("p.ini")), dir.filePath(QStringLiteral("m.ini"))};
    ChangeNotifier notifier;
    ScriptedPrompt prompt;
    RecordingBrowser browser;
    CancelledFileDialogs files;
    std::unique_ptr<CMainDoc> doc;
    std::unique_ptr<CMovRowBar> bar;
    std::unique_ptr<CMovimentiView> view;
    std::unique_ptr<QAbstractItemModelTester> tester;

    explicit Bench(Database& db) {
        doc = std::make_unique<CMainDoc>(profile, db, notifier);
        bar = std::make_unique<CMovRowBar>(32798, db, profile);
        view = std::make_unique<CMovimentiView>(*doc, prompt, browser, files);
        view->setMovRowBar(bar.get());
        tester = std::make_unique<QAbstractItemModelTester>(view->model());
    }
    QStringList numbers() const {
        QStringList texts;
        for (int r = 0; r < view->model()->rowCount(); ++r)
            texts << view->model()->index(r, MovListModel::Numero).data().toString();
        return texts;
    }
    QStringList paneColumn(int c) const {
        QStringList texts;
        auto* model = bar->list()->model();
        for (int r = 0; r < model->rowCount(); ++r)
            texts << model->index(r, c).data().toString();
        return texts;
    }
};

} // namespace

class tst_MovimentiView : public ArchiveTestCase {
    Q_OBJECT
private Q_SLOTS:
    void listPaneAndSort_data() { TestSupport::AddBackendRows(); }
    void listPaneAndSort();
    void filters_data() { TestSupport::AddBackendRows(); }
    void filters();
    void deleteAndFind_data() { TestSupport::AddBackendRows(); }
    void deleteAndFind();
};

void tst_MovimentiView::listPaneAndSort() {
    QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "Imei", "SottoMovimenti", "Movimenti",
                                  "Articoli");
    const int screws = addItem(*db, QStringLiteral("Viti"));
    const int nails = addItem(*db, QStringLiteral("Chiodi"));
    const QDateTime day(QDate(2026, 3, 2), QTime(10, 0));
    const int first = addMovement(*db, MovementType::Carico, QStringLiteral("B-1"), day,
                                  {{screws, 3}, {nails, 2}});
    QVERIFY(addMovement(*db, MovementType::Scarico, QStringLiteral("A-2"), day.addDays(1),
                        {{screws, 1}}) > 0);
    Bench b(*db);
    QTableView* list = TestSupport::FocusedList(*b.view);
    QVERIFY(list);
    QCOMPARE(b.numbers(), (QStringList{QStringLiteral("A-2"), QStringLiteral("B-1")}));
    QVERIFY(b.view->command(CMovimentiView::NewScarico)->isEnabled());

    b.view->selectKey(first);
    QCOMPARE(b.paneColumn(0), (QStringList{QStringLiteral("Viti"), QStringLiteral("Chiodi")}));
    QVERIFY(b.paneColumn(1).first().startsWith(QStringLiteral("3")));
    QCOMPARE(b.paneColumn(2).size(), 2);

    // The date column (sorted descending) reverses; the number column sorts ascending.
    QTest::mouseClick(list->horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(list->horizontalHeader()->sectionViewportPosition(0) + 5, 5));
    QCOMPARE(b.numbers(), (QStringList{QStringLiteral("B-1"), QStringLiteral("A-2")}));
    QCOMPARE(b.profile.integer(S::Settings, QStringLiteral("LastMovSort")), 1);
    QTest::mouseClick(list->horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(list->horizontalHeader()->sectionViewportPosition(1) + 5, 5));
    QCOMPARE(b.numbers(), (QStringList{QStringLiteral("A-2"), QStringLiteral("B-1")}));
    QCOMPARE(list->horizontalHeader()->sortIndicatorSection(), 1);
    // The selection follows its movement.
    QCOMPARE(b.view->selectedKeys(), QList<int>{first});

    b.view->saveState();
    QCOMPARE(b.profile.integer(S::Settings, QStringLiteral("LastMov")), first);
    QVERIFY(b.prompt.unexpected.isEmpty());
}

void tst_MovimentiView::filters() {
    QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "Imei", "SottoMovimenti", "Movimenti",
                                  "Articoli");
    const int item = addItem(*db, QStringLiteral("Viti"));
    const int year = QDate::currentDate().year();
    const QDateTime inYear(QDate(year, 6, 1), QTime(9, 0));
    QVERIFY(addMovement(*db, MovementType::Carico, QStringLiteral("C"), inYear, {{item, 1}}) > 0);
    QVERIFY(addMovement(*db, MovementType::Scarico, QStringLiteral("S"), inYear, {{item, 1}}) > 0);
    QVERIFY(addMovement(*db, MovementType::Ricevuta, QStringLiteral("R"), inYear, {{item, 1}}) > 0);
    QVERIFY(addMovement(*db, MovementType::Reso, QStringLiteral("E"), inYear, {{item, 1}}) > 0);
    QVERIFY(addMovement(*db, MovementType::Carico, QStringLiteral("OLD"),
                        QDateTime(QDate(year - 1, 12, 31), QTime(23, 0)), {{item, 1}}) > 0);
    QVERIFY(addMovement(*db, MovementType::Carico, QStringLiteral("LAST"),
                        QDateTime(QDate(year, 12, 31), QTime(23, 59, 30)), {{item, 1}}) > 0);
    Bench b(*db);
    QVERIFY(TestSupport::FocusedList(*b.view));
    QCOMPARE(b.view->model()->rowCount(), 6);

    // "Solo Scarichi" lists unloads and receipts, never loads.
    b.view->command(CMovimentiView::FilterScarichi)->trigger();
    QStringList shown = b.numbers();
    shown.sort();
    QCOMPARE(shown, (QStringList{QStringLiteral("R"), QStringLiteral("S")}));
    QVERIFY(b.view->command(CMovimentiView::FilterScarichi)->isChecked());
    QVERIFY(!b.view->command(CMovimentiView::FilterAll)->isChecked());
    b.view->command(CMovimentiView::FilterAll)->trigger();
    QCOMPARE(b.view->model()->rowCount(), 6);

    // The date filter's own dialog, on its proposed period: this year, its last second included.
    WhenShown<CFiltroMovDialog>([](CFiltroMovDialog* d) {
        QCOMPARE(d->startEdit()->dateTime(),
                 QDateTime(QDate(QDate::currentDate().year(), 1, 1), QTime(0, 0)));
        d->findChild<QPushButton*>(QStringLiteral("Filtra"))->click();
    });
    b.view->command(CMovimentiView::Filter)->trigger();
    QVERIFY(b.view->command(CMovimentiView::Filter)->isChecked());
    QCOMPARE(b.view->model()->rowCount(), 5);
    QVERIFY(!b.numbers().contains(QStringLiteral("OLD")));
    QVERIFY(b.numbers().contains(QStringLiteral("LAST")));
    // Off again: both settings emptied.
    b.view->command(CMovimentiView::Filter)->trigger();
    QVERIFY(b.profile.string(S::Settings, QStringLiteral("MovInitFilter")).isEmpty());
    QVERIFY(b.profile.string(S::Settings, QStringLiteral("MovEndFilter")).isEmpty());
    QCOMPARE(b.view->model()->rowCount(), 6);
    // Cancelled, nothing changes.
    WhenShown<CFiltroMovDialog>([](CFiltroMovDialog* d) {
        d->findChild<QPushButton*>(QStringLiteral("Annulla"))->click();
    });
    b.view->command(CMovimentiView::Filter)->trigger();
    QVERIFY(!b.view->command(CMovimentiView::Filter)->isChecked());
    QCOMPARE(b.view->model()->rowCount(), 6);
}

void tst_MovimentiView::deleteAndFind() {
    QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "Imei", "SottoMovimenti", "Movimenti",
                                  "Articoli");
    const int shared = addItem(*db, QStringLiteral("Viti"));
    const int other = addItem(*db, QStringLiteral("Chiodi"));
    const QDateTime day(QDate(2026, 3, 2), QTime(10, 0));
    const int a = addMovement(*db, MovementType::Carico, QStringLiteral("7/2026"), day,
                              {{shared, 1}, {other, 1}});
    const int b2 = addMovement(*db, MovementType::Carico, QStringLiteral("8/2026"), day.addDays(1),
                               {{shared, 2}});
    QVERIFY(addMovement(*db, MovementType::Carico, QStringLiteral("9/2026"), day.addDays(2),
                        {{other, 2}}) > 0);
    Bench b(*db);
    QTableView* list = TestSupport::FocusedList(*b.view);
    QVERIFY(list);

    // F6 with the window's own fields: the number, then not found.
    WhenShown<CTrovaDialog>([](CTrovaDialog* d) {
        QTest::keyClicks(d->edit(1), QStringLiteral("8/20"));
        QTest::keyClick(d, Qt::Key_Return);
    });
    QTest::keyClick(list, Qt::Key_F6);
    QCOMPARE(b.view->selectedKeys(), QList<int>{b2});
    QVERIFY(TestSupport::FocusedList(*b.view));
    WhenShown<CTrovaDialog>([](CTrovaDialog* d) {
        QTest::keyClicks(d->edit(1), QStringLiteral("99/"));
        QTest::keyClick(d, Qt::Key_Return);
    });
    b.prompt.expect(QStringLiteral("Movimento non trovato!"));
    QTest::keyClick(list, Qt::Key_F6);
    QVERIFY(b.prompt.pending().isEmpty());
    QCOMPARE(b.prompt.shown.last().icon, IPrompt::Icon::Information);

    // Ctrl+D on two movements that share an item: one recomputation for it.
    b.view->selectKey(a);
    list->selectionModel()->select(b.view->model()->index(b.view->model()->rowOfKey(b2), 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QSignalSpy recomputed(&b.notifier, &ChangeNotifier::itemsRecomputeRequested);
    QSignalSpy reloads(&b.notifier, &ChangeNotifier::viewReloadRequested);
    QVERIFY(TestSupport::FocusedList(*b.view));
    b.prompt.expect(QStringLiteral("Si desidera eliminare definitivamente"), IPrompt::Answer::No);
    QTest::keyClick(list, Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(b.view->model()->rowCount(), 3);
    b.prompt.expect(QStringLiteral("Si desidera eliminare definitivamente"), IPrompt::Answer::Yes);
    QTest::keyClick(list, Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(b.numbers(), QStringList{QStringLiteral("9/2026")});
    QCOMPARE(recomputed.size(), 1);
    QList<int> items = recomputed.at(0).at(0).value<QList<int>>();
    std::sort(items.begin(), items.end());
    QCOMPARE(items, (QList<int>{qMin(shared, other), qMax(shared, other)}));
    QCOMPARE(reloads.size(), 1);
    QVERIFY(b.prompt.pending().isEmpty());
    QVERIFY(b.prompt.unexpected.isEmpty());
}

QTEST_MAIN(tst_MovimentiView)
#include "tst_MovimentiView.moc"
