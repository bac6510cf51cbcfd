// label: gui
#include "ArchiveTestCase.h"
#include "KeyedListViewTesting.h"
#include "NoFileDialogs.h"
#include "RecordingBrowser.h"
#include "ScriptedPrompt.h"
#include "TestSupport.h"
#include "common/ChangeNotifier.h"
#include "common/IFileDialogs.h"
#include "common/Profile.h"
#include "common/ui/CMainDoc.h"
#include "company/Formats.h"
#include "items/ArtListModel.h"
#include "items/ArtMovementsLoader.h"
#include "items/ui/CArticoliView.h"
#include "items/ui/CArticoloDialog.h"
#include "items/ui/CMovArtBar.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
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

int addItem(Database& db, const QString& code, const QString& description) {
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("INSERT INTO Articoli (Matricola, Descrizione, IDUM, UnMis, "
                                 "Giacenza) VALUES (?, ?, 1, 'Pz', 0) RETURNING IDArticolo"),
                  {code, description}) ||
        !q.next())
        return -1;
    return q.value(0).toInt();
}

bool addMovement(Database& db, int tipo, const QString& numero, int item, double qt) {
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("INSERT INTO Movimenti (Tipo, Numero, Data) VALUES (?, ?, ?) "
                                 "RETURNING IDMovimento"),
                  {tipo, numero, QDateTime(QDate(2024, 3, 1), QTime(9, 0))}) ||
        !q.next())
        return false;
    return db.execute(QStringLiteral("INSERT INTO SottoMovimenti (IDMovimento, IDArticolo, Qt) "
                                     "VALUES (?, ?, ?)"),
                      {q.value(0).toInt(), item, qt});
}

// One items view on an archive, as the frame would make it.
struct Bench {
    QTemporaryDir dir;
    Profile profile{dir.filePath(QStringLiteral("p.ini")), dir.filePath(QStringLiteral("m.ini"))};
    ChangeNotifier notifier;
    ScriptedPrompt prompt;
    std::unique_ptr<CMainDoc> doc;
    std::unique_ptr<CMovArtBar> bar;
    std::unique_ptr<CArticoliView> view;

    explicit Bench(Database& db) {
        doc = std::make_unique<CMainDoc>(profile, db, notifier);
        bar = std::make_unique<CMovArtBar>(32797, profile);
        view = std::make_unique<CArticoliView>(*doc, prompt);
        view->setMovArtBar(bar.get());
    }
    QStringList codes() const {
        QStringList texts;
        for (int r = 0; r < view->model()->rowCount(); ++r)
            texts << view->model()->data(view->model()->index(r, 0)).toString();
        return texts;
    }
    QStringList barColumn(int column) const {
        QStringList texts;
        const QAbstractItemModel* m = bar->list()->model();
        for (int r = 0; r < m->rowCount(); ++r)
            texts << m->index(r, column).data().toString();
        return texts;
    }
    bool waitForLoader() const {
        return QTest::qWaitFor([&] { return view->movementsLoader()->runningWorkers() == 0; },
                               10000);
    }
};

} // namespace

class tst_ArticoliView : public ArchiveTestCase {
    Q_OBJECT

private Q_SLOTS:
    void listSortAndState_data() { TestSupport::AddBackendRows(); }
    void listSortAndState();
    void findFilterAndDelete_data() { TestSupport::AddBackendRows(); }
    void findFilterAndDelete();
    void movementsPane_data() { TestSupport::AddBackendRows(); }
    void movementsPane();
    void itemDeletedElsewhere_data() { TestSupport::AddBackendRows(); }
    void itemDeletedElsewhere();
    void accelerators();
    void newItemAfterAnotherWriter_data() { TestSupport::AddBackendRows(); }
    void newItemAfterAnotherWriter();
};

#define ARCHIVE(db)                                                                                \
    QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "SottoMovimenti", "Movimenti", "Articoli")

void tst_ArticoliView::listSortAndState() {
    ARCHIVE(db);
    const int b = addItem(*db, QStringLiteral("B"), QStringLiteral("Bravo"));
    addItem(*db, QStringLiteral("A"), QStringLiteral("Alfa"));
    addItem(*db, QStringLiteral("C"), QStringLiteral("Charlie"));
    Bench bench(*db);
    bench.profile.setValue(Profile::Section::Settings, QStringLiteral("LastProduct"), b);
    QSignalSpy counts(&bench.notifier, &ChangeNotifier::rowCountChanged);
    bench.view->becameVisible();
    QCOMPARE(bench.codes(), QStringList({"A", "B", "C"}));
    QCOMPARE(bench.view->selectedKeys(), QList<int>{b});
    QCOMPARE(counts.last(), QVariantList({1, 3}));

    // The same heading twice: descending, then ascending again, with the arrow following.
    QHeaderView* header = bench.view->table()->horizontalHeader();
    Q_EMIT header->sectionClicked(0);
    QCOMPARE(bench.codes(), QStringList({"C", "B", "A"}));
    QCOMPARE(header->sortIndicatorSection(), 0);
    // Qt's ascending order is its down arrow.
    QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
    // The selection stays on the same item across the refresh.
    QCOMPARE(bench.view->selectedKeys(), QList<int>{b});
    const QColor tint = bench.view->model()->index(0, 0).data(Qt::BackgroundRole).value<QColor>();
    QVERIFY(tint.isValid());
    QVERIFY(!bench.view->model()->index(0, 1).data(Qt::BackgroundRole).isValid());
    Q_EMIT header->sectionClicked(0);
    QCOMPARE(bench.codes(), QStringList({"A", "B", "C"}));
    QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);

    // New and Open wait for the item dialog; the context menu leads with New, in bold.
    QVERIFY(!bench.view->command(32771)->isEnabled());
    QVERIFY(!bench.view->command(32772)->isEnabled());
    QCOMPARE(bench.view->contextMenu()->defaultAction()->text(),
             QStringLiteral("Inserisci Nuovo Prodotto ( F3 )"));
    bench.view->setItemDialog([](int, bool) { return 0; });
    QVERIFY(bench.view->command(32772)->isEnabled());

    // Widths, the last item and the sort are kept.
    bench.view->table()->horizontalHeader()->resizeSection(1, 5);
    bench.view->saveState();
    QCOMPARE(bench.profile.integer(Profile::Section::List, QStringLiteral("ColArt2")), 20);
    QCOMPARE(bench.profile.integer(Profile::Section::List, QStringLiteral("ColArt1")), 150);
    QCOMPARE(bench.profile.integer(Profile::Section::Settings, QStringLiteral("LastProduct")), b);
    QVERIFY(bench.prompt.unexpected.isEmpty());
}

void tst_ArticoliView::findFilterAndDelete() {
    ARCHIVE(db);
    const int a = addItem(*db, QStringLiteral("A1"), QStringLiteral("Alfa"));
    const int b = addItem(*db, QStringLiteral("B1"), QStringLiteral("Bravo"));
    const int c = addItem(*db, QStringLiteral("C1"), QStringLiteral("Charlie"));
    QVERIFY(addMovement(*db, 0, QStringLiteral("7"), b, 2));
    Bench bench(*db);
    bench.view->becameVisible();

    // Find: all texts empty finds nothing and says so; a code finds its row.
    const QString notFound = QStringLiteral("Articolo di magazzino non trovato!");
    auto find = [&](const QString& code, const QString& description, bool fromFirstRow) {
        bench.view->askFind = [=](CArticoliView::FindTexts* t) {
            *t = {{code, description, {}}, fromFirstRow};
            return true;
        };
        bench.view->onFind();
    };
    bench.prompt.expect(notFound);
    find({}, {}, true);
    QCOMPARE(bench.prompt.shown.last().icon, IPrompt::Icon::Information);
    find(QStringLiteral("c"), {}, true);
    QCOMPARE(bench.view->selectedKeys(), QList<int>{c});

    // Filter: the dialog's texts, then the command clears it without asking again.
    int asked = 0;
    bench.view->askFilter = [&](CArticoliView::FilterTexts* t) {
        ++asked;
        t->description = QStringLiteral("*r");
        return true;
    };
    bench.view->onFilter();
    QCOMPARE(bench.codes(), QStringList({"B1", "C1"}));
    QVERIFY(bench.view->command(32806)->isChecked());
    // The find searches the rows listed, in their order: every description has an "a", Alfa
    // is filtered out, so Bravo comes first, then (from the row after it) Charlie, then none.
    find({}, QStringLiteral("*a"), true);
    QCOMPARE(bench.view->selectedKeys(), QList<int>{b});
    find({}, QStringLiteral("*a"), false);
    QCOMPARE(bench.view->selectedKeys(), QList<int>{c});
    bench.prompt.expect(notFound);
    find({}, QStringLiteral("*a"), false);
    QCOMPARE(bench.view->selectedKeys(), QList<int>{c});
    bench.prompt.expect(notFound);
    find(QStringLiteral("A1"), {}, true);
    // Every text must match.
    bench.prompt.expect(notFound);
    find(QStringLiteral("B"), QStringLiteral("Ch"), true);
    // In descending order Charlie is the first listed.
    Q_EMIT bench.view->table()->horizontalHeader()->sectionClicked(0);
    find({}, QStringLiteral("*a"), true);
    QCOMPARE(bench.view->selectedKeys(), QList<int>{c});
    Q_EMIT bench.view->table()->horizontalHeader()->sectionClicked(0);
    bench.view->onFilter();
    QCOMPARE(asked, 1);
    QCOMPARE(bench.codes(), QStringList({"A1", "B1", "C1"}));
    QVERIFY(!bench.view->command(32806)->isChecked());
    // An empty dialog changes nothing.
    bench.view->askFilter = [](CArticoliView::FilterTexts*) { return true; };
    bench.view->onFilter();
    QVERIFY(!bench.view->model()->filterActive());

    // Deleting a selection where one item has movements deletes nothing.
    QTableView* table = bench.view->table();
    table->selectAll();
    bench.prompt.expect(QStringLiteral("Impossibile eliminare il valore od i valori selezionati "
                                       "perché utilizzati nei movimenti!"));
    bench.view->onDelete();
    QCOMPARE(bench.prompt.shown.last().icon, IPrompt::Icon::Error);
    QCOMPARE(bench.view->model()->rowCount(), 3);
    QSqlQuery q;
    QVERIFY(db->query(q, QStringLiteral("SELECT COUNT(*) FROM Articoli")) && q.next());
    QCOMPARE(q.value(0).toInt(), 3);

    // The others go after the question, answered Yes.
    bench.view->selectKey(a);
    table->selectionModel()->select(bench.view->model()->index(2, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QCOMPARE(bench.view->selectedKeys(), QList<int>({a, c}));
    bench.prompt.expect(QStringLiteral("Si desidera eliminare definitivamente"),
                        IPrompt::Answer::Yes);
    bench.view->onDelete();
    QCOMPARE(bench.codes(), QStringList({"B1"}));
    QVERIFY(bench.prompt.unexpected.isEmpty());
    QVERIFY(bench.prompt.pending().isEmpty());
}

void tst_ArticoliView::movementsPane() {
    ARCHIVE(db);
    const int busy = addItem(*db, QStringLiteral("A"), QStringLiteral("Molti movimenti"));
    const int quiet = addItem(*db, QStringLiteral("B"), QStringLiteral("Pochi movimenti"));
    for (int i = 0; i < 60; ++i)
        QVERIFY(addMovement(*db, i % 3, QStringLiteral("A%1").arg(i), busy, 1));
    QVERIFY(addMovement(*db, 3, QStringLiteral("B1"), quiet, 2.5));
    QVERIFY(addMovement(*db, 2, QStringLiteral("B2"), quiet, 1));

    Bench bench(*db);
    // Every row the pane ever shows, in order.
    QStringList everShown;
    auto* paneModel = bench.bar->list()->model();
    connect(paneModel, &QAbstractItemModel::rowsInserted, this,
            [&](const QModelIndex&, int first, int last) {
                for (int r = first; r <= last; ++r)
                    everShown << paneModel->index(r, 0).data().toString();
            });
    bench.view->becameVisible(); // selects A, the first row
    QVERIFY(bench.waitForLoader());
    QCOMPARE(bench.barColumn(0).size(), ArtMovementsLoader::kMaxMovements);
    // Newest first: equal dates, the last one saved on top.
    QCOMPARE(bench.barColumn(0).first(), QStringLiteral("A59"));
    QCOMPARE(bench.barColumn(2).first(),
             QStringLiteral("Reso di %1 Pz").arg(FormatNumber(bench.profile, 1)));

    // A quick move from A to B: A's second load is abandoned and never shown.
    everShown.clear();
    bench.view->selectKey(busy);
    bench.view->selectKey(quiet);
    QVERIFY(bench.waitForLoader());
    QTest::qWait(50);
    QCOMPARE(everShown.size(), 2);
    QVERIFY(everShown.contains(QStringLiteral("B1")));
    QCOMPARE(bench.barColumn(0).size(), 2);
    QStringList kinds = bench.barColumn(2);
    kinds.sort();
    QVERIFY2(kinds.first().startsWith(QStringLiteral("Reso di ")), qPrintable(kinds.first()));
    QVERIFY2(kinds.last().startsWith(QStringLiteral("Scarico di ")), qPrintable(kinds.last()));
    QVERIFY(kinds.last().endsWith(QStringLiteral(" Pz")));

    // Several rows selected: the pane empties.
    bench.view->table()->selectAll();
    QVERIFY(bench.waitForLoader());
    QCOMPARE(bench.barColumn(0).size(), 0);

    // A double click asks the movement dialog for that movement.
    bench.view->selectKey(quiet);
    QVERIFY(bench.waitForLoader());
    QTest::qWait(20);
    int opened = 0;
    bench.view->setMovementDialog([&](int id) { opened = id; });
    const int first = bench.bar->movementId(0);
    QVERIFY(first > 0);
    Q_EMIT bench.bar->list()->doubleClicked(bench.bar->list()->model()->index(0, 0));
    QCOMPARE(opened, first);
}

void tst_ArticoliView::accelerators() {
    Database* db = m_archives.get(QStringLiteral("sqlite"));
    QVERIFY2(db, m_archives.error(QStringLiteral("sqlite")));
    QVERIFY(db->execute(QStringLiteral("DELETE FROM SottoMovimenti")));
    QVERIFY(db->execute(QStringLiteral("DELETE FROM Articoli")));
    const int a = addItem(*db, QStringLiteral("A"), QStringLiteral("Alfa"));
    Bench bench(*db);
    QStringList log;
    bench.view->setItemDialog([&](int id, bool many) {
        log << QStringLiteral("dialog %1 %2").arg(id).arg(many);
        return 0;
    });
    bench.view->askFind = [&](CArticoliView::FindTexts*) {
        log << QStringLiteral("find");
        return false;
    };
    QTableView* table = TestSupport::FocusedList(*bench.view);
    QVERIFY(table);
    QTest::keyClick(table, Qt::Key_F3);
    QTest::keyClick(table, Qt::Key_Return);
    QTest::keyClick(table, Qt::Key_F6);
    QSignalSpy counts(&bench.notifier, &ChangeNotifier::rowCountChanged);
    QTest::keyClick(table, Qt::Key_F5);
    QCOMPARE(counts.size(), 1);
    bench.prompt.expect(QStringLiteral("Si desidera eliminare"), IPrompt::Answer::No);
    QTest::keyClick(table, Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(log, QStringList({"dialog 0 0", QStringLiteral("dialog %1 0").arg(a), "find"}));
    QVERIFY(bench.prompt.pending().isEmpty());
    QVERIFY(bench.prompt.unexpected.isEmpty());
}

// Another computer writes while the new item's dialog is open: the dialog sees what it wrote
// (the duplicate code is refused) and its own save goes through.
void tst_ArticoliView::newItemAfterAnotherWriter() {
    ARCHIVE(db);
    addItem(*db, QStringLiteral("A"), QStringLiteral("Alfa"));
    Database other(TestSupport::UniqueName(QStringLiteral("other_")));
    QVERIFY2(other.open(m_archives.connectionString(backend)), qPrintable(other.errorText()));
    Bench bench(*db);
    RecordingBrowser browser;
    NoFileDialogs files;
    bench.view->setItemDialog([&](int itemId, bool many) {
        return CArticoloDialog::Run(*db, bench.profile, bench.prompt, browser, files, itemId, many,
                                    bench.view.get());
    });
    QTableView* table = TestSupport::FocusedList(*bench.view);
    QVERIFY(table);
    bool driven = false;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<CArticoloDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QVERIFY(other.execute(QStringLiteral(
            "INSERT INTO Articoli (Matricola, Descrizione) VALUES ('DUP', 'Altro')")));
        QLineEdit* code = dialog->field(QStringLiteral("Matricola"));
        QTest::keyClicks(code, QStringLiteral("DUP"));
        QTest::keyClicks(dialog->field(QStringLiteral("Descrizione")), QStringLiteral("Doppio"));
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        QCOMPARE(bench.prompt.balloons,
                 QStringList{QStringLiteral(
                     "Errore matricola: La matricola è duplicata, scegliere un altro valore!")});
        QVERIFY(dialog->isVisible());
        code->selectAll();
        QTest::keyClicks(code, QStringLiteral("NUOVO"));
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        driven = true;
    });
    QTest::keyClick(table, Qt::Key_F3);
    QVERIFY(driven);
    QVERIFY2(bench.prompt.shown.isEmpty(), qPrintable(bench.prompt.shown.value(0).text));
    QCOMPARE(bench.codes(), QStringList({"A", "DUP", "NUOVO"}));
    QCOMPARE(bench.view->selectedKeys().size(), 1);
    QSqlQuery q;
    QVERIFY(other.query(q, QStringLiteral("SELECT Descrizione FROM Articoli WHERE Matricola = ?"),
                        {QStringLiteral("NUOVO")}) &&
            q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("Doppio"));
}

// Another computer deletes the item while its dialog is open here, or before it is opened: the
// user is told, the row leaves the list, and the item is not written back.
void tst_ArticoliView::itemDeletedElsewhere() {
    ARCHIVE(db);
    const int a = addItem(*db, QStringLiteral("A"), QStringLiteral("Alfa"));
    const int b = addItem(*db, QStringLiteral("B"), QStringLiteral("Bravo"));
    addItem(*db, QStringLiteral("C"), QStringLiteral("Charlie"));
    Database other(TestSupport::UniqueName(QStringLiteral("other_")));
    QVERIFY2(other.open(m_archives.connectionString(backend)), qPrintable(other.errorText()));
    Bench bench(*db);
    RecordingBrowser browser;
    NoFileDialogs files;
    bench.view->setItemDialog([&](int id, bool many) {
        return CArticoloDialog::Run(*db, bench.profile, bench.prompt, browser, files, id, many,
                                    bench.view.get());
    });
    QTableView* list = TestSupport::FocusedList(*bench.view);
    QVERIFY(list);
    bench.view->selectKey(a);

    // The dialog is driven as soon as it is open; if a check fails it is closed, so that the
    // test never waits on it.
    bool closed = false;
    QTimer poll;
    poll.setInterval(10);
    int tries = 0;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto* dialog = qobject_cast<CArticoloDialog*>(QApplication::activeModalWidget());
        if (!dialog && ++tries < 500)
            return;
        poll.stop();
        if (!dialog)
            return;
        QLineEdit* description = dialog->field(QStringLiteral("Descrizione"));
        description->selectAll();
        QTest::keyClicks(description, QStringLiteral("Alfa nuovo"));
        if (other.execute(QStringLiteral("DELETE FROM Articoli WHERE IDArticolo = ?"), {a}))
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        closed = !dialog->isVisible();
        if (!closed)
            dialog->reject();
    });
    poll.start();
    bench.prompt.expect(QStringLiteral("Impossibile salvare le modifiche"));
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(closed);
    QCOMPARE(bench.prompt.shown.last().text,
             QStringLiteral("Impossibile salvare le modifiche: il record non esiste più, è stato "
                            "eliminato da un altro computer."));
    QCOMPARE(bench.prompt.shown.last().icon, IPrompt::Icon::Warning);
    QCOMPARE(bench.codes(), QStringList({"B", "C"}));
    {
        QSqlQuery q;
        QVERIFY(db->query(q, QStringLiteral("SELECT COUNT(*) FROM Articoli")) && q.next());
        QCOMPARE(q.value(0).toInt(), 2);
    }

    // Opened after it has gone: told at once, no dialog, the row goes.
    bench.view->selectKey(b);
    QVERIFY(other.execute(QStringLiteral("DELETE FROM Articoli WHERE IDArticolo = ?"), {b}));
    QApplication::setActiveWindow(bench.view.get());
    QVERIFY(QTest::qWaitForWindowActive(bench.view.get()));
    list->setFocus();
    // A dialog that opens by mistake is closed again rather than waited on.
    QTimer::singleShot(500, this, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    bench.prompt.expect(QStringLiteral("Il record non esiste più"));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(bench.prompt.shown.last().text,
             QStringLiteral("Il record non esiste più: è stato eliminato da un altro computer."));
    QCOMPARE(bench.codes(), QStringList({"C"}));
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY2(bench.prompt.unexpected.isEmpty(), qPrintable(bench.prompt.unexpected.join(u'|')));
    QVERIFY(bench.prompt.pending().isEmpty());
}

QTEST_MAIN(tst_ArticoliView)
#include "tst_ArticoliView.moc"
