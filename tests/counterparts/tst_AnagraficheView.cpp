// label: gui
#include "ArchiveTestCase.h"
#include "KeyedListViewTesting.h"
#include "RecordingBrowser.h"
#include "ScriptedPrompt.h"
#include "TestSupport.h"
#include "common/ChangeNotifier.h"
#include "common/Profile.h"
#include "common/ui/CMainDoc.h"
#include "common/ui/CTrovaDialog.h"
#include "company/Formats.h"
#include "counterparts/AnaListModel.h"
#include "counterparts/CounterpartStore.h"
#include "counterparts/ui/CAnaMovBar.h"
#include "counterparts/ui/CAnagraficaDialog.h"
#include "counterparts/ui/CAnagraficheView.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

namespace {

using Kind = CounterpartStore::Kind;
using S = Profile::Section;

int addRecord(Database& db, const QString& name, Kind kind, const QString& phone = {},
              const QString& taxCode = {}) {
    CliForRecord r = CounterpartStore::NewRecord(kind);
    r.RagSoc = name;
    r.Telefono = phone;
    r.CodFisc = taxCode;
    CounterpartStore store(db);
    return store.save(r) ? r.IDCliFor : -1;
}

bool addMovement(Database& db, int cliFor, int tipo, const QString& numero, const QDateTime& when) {
    return db.execute(QStringLiteral("INSERT INTO Movimenti (Tipo, Numero, Data, IDCliFor) "
                                     "VALUES (?, ?, ?, ?)"),
                      {tipo, numero, when, cliFor});
}

// One counterparts view with its pane, as the frame makes them.
struct Bench {
    QTemporaryDir dir;
    Profile profile{dir.filePath(QStringLiteral("p.ini")), dir.filePath(QStringLiteral("m.ini"))};
    ChangeNotifier notifier;
    ScriptedPrompt prompt;
    RecordingBrowser browser;
    std::unique_ptr<CMainDoc> doc;
    std::unique_ptr<CAnaMovBar> bar;
    std::unique_ptr<CAnagraficheView> view;
    std::unique_ptr<QAbstractItemModelTester> tester;

    explicit Bench(Database& db, int storedFilter = 0) {
        if (storedFilter)
            profile.setValue(S::Settings, QStringLiteral("FilterAna"), storedFilter);
        doc = std::make_unique<CMainDoc>(profile, db, notifier);
        bar = std::make_unique<CAnaMovBar>(32800, db, profile);
        view = std::make_unique<CAnagraficheView>(*doc, prompt, browser);
        view->setAnaMovBar(bar.get());
        tester = std::make_unique<QAbstractItemModelTester>(view->model());
    }
    QStringList column(int c) const {
        QStringList texts;
        for (int r = 0; r < view->model()->rowCount(); ++r)
            texts << view->model()->index(r, c).data().toString();
        return texts;
    }
    QStringList names() const { return column(0); }
    void select(const QList<int>& rows) {
        view->table()->clearSelection();
        for (int r : rows)
            view->table()->selectionModel()->select(view->model()->index(r, 0),
                                                    QItemSelectionModel::Select |
                                                        QItemSelectionModel::Rows);
    }
    void find(const QString& name, const QString& taxCode, bool fromFirstRow) {
        view->askFind = [=](CAnagraficheView::FindTexts* t) {
            *t = {name, taxCode, fromFirstRow};
            return true;
        };
        view->onFind();
    }
    int count(Database& db, const QString& sql) {
        QSqlQuery q;
        return db.query(q, sql) && q.next() ? q.value(0).toInt() : -1;
    }
};

} // namespace

class tst_AnagraficheView : public ArchiveTestCase {
    Q_OBJECT

private Q_SLOTS:
    void filtersSortAndState_data() { TestSupport::AddBackendRows(); }
    void filtersSortAndState();
    void newOpenAndHostileText_data() { TestSupport::AddBackendRows(); }
    void newOpenAndHostileText();
    void deleteAllOrNothing_data() { TestSupport::AddBackendRows(); }
    void deleteAllOrNothing();
    void find_data() { TestSupport::AddBackendRows(); }
    void find();
    void movementsPane_data() { TestSupport::AddBackendRows(); }
    void movementsPane();
    void recordDeletedElsewhere_data() { TestSupport::AddBackendRows(); }
    void recordDeletedElsewhere();
    void findDialog();
    void accelerators();
    void newCustomerAfterAnotherWriter_data() { TestSupport::AddBackendRows(); }
    void newCustomerAfterAnotherWriter();
};

#define ARCHIVE(db) QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "Ordini", "Movimenti", "CliFor")

void tst_AnagraficheView::filtersSortAndState() {
    ARCHIVE(db);
    addRecord(*db, QStringLiteral("Bianchi"), Kind::Customer, QStringLiteral("9"));
    addRecord(*db, QStringLiteral("Verdi"), Kind::Supplier, QStringLiteral("10"));
    addRecord(*db, QStringLiteral("Neri"), Kind::Worker, QStringLiteral("100"));
    addRecord(*db, QStringLiteral("bianco"), Kind::Customer, QStringLiteral("09"));
    addRecord(*db, QStringLiteral("Èrcole"), Kind::Customer);
    addRecord(*db, QStringLiteral("Azzurri"), Kind::Customer);
    const QStringList all{"Azzurri", "Bianchi", "bianco", "Èrcole", "Neri", "Verdi"};

    // A stored filter outside 1 to 4 shows everything, the names in alphabetical order
    // whatever their case or accents.
    for (int stored : {0, 7}) {
        Bench bench(*db, stored);
        QSignalSpy counts(&bench.notifier, &ChangeNotifier::rowCountChanged);
        bench.view->becameVisible();
        QCOMPARE(bench.names(), all);
        QCOMPARE(bench.view->model()->filter(), int(AnaListModel::All));
        QCOMPARE(counts.last(), QVariantList({3, 6}));
        QVERIFY(bench.view->command(CAnagraficheView::FilterAll)->isChecked());
    }

    Bench bench(*db, AnaListModel::Suppliers);
    bench.view->becameVisible();
    QCOMPARE(bench.names(), QStringList({"Verdi"}));
    QCOMPARE(bench.view->model()->index(0, 0).data(AnaListModel::KindRole).toInt(),
             int(AnaListModel::Kind::Supplier));
    // Each filter lists its kind, checks its command only, and is kept.
    const struct {
        int command;
        QStringList names;
    } filters[] = {{CAnagraficheView::FilterClienti, {"Azzurri", "Bianchi", "bianco", "Èrcole"}},
                   {CAnagraficheView::FilterOperai, {"Neri"}},
                   {CAnagraficheView::FilterFornitori, {"Verdi"}},
                   {CAnagraficheView::FilterAll, all}};
    for (const auto& f : filters) {
        bench.view->command(f.command)->trigger();
        QCOMPARE(bench.names(), f.names);
        for (int id : {32823, 32824, 32825, 32826})
            QCOMPARE(bench.view->command(id)->isChecked(), id == f.command);
        QCOMPARE(bench.view->selectedKeys(), QList<int>{bench.view->model()->keyAt(0)});
    }
    QCOMPARE(bench.profile.integer(S::Settings, QStringLiteral("FilterAna")), 4);

    // The names' heading, already sorted ascending, reverses the refresh's order exactly.
    QHeaderView* header = bench.view->table()->horizontalHeader();
    Q_EMIT header->sectionClicked(0);
    QStringList reversed = all;
    std::reverse(reversed.begin(), reversed.end());
    QCOMPARE(bench.names(), reversed);
    bench.view->onUpdate();

    // Sorting compares the shown text: "10" before "9", empty cells first (in the order they
    // had); a second click reverses. The header's arrow points up for ascending (Qt's
    // "descending" indicator).
    const int bianchi = bench.view->model()->keyAt(1);
    bench.view->selectKey(bianchi);
    Q_EMIT header->sectionClicked(3);
    QCOMPARE(bench.column(3), QStringList({"", "", "09", "10", "100", "9"}));
    QCOMPARE(bench.names().mid(0, 2), QStringList({"Azzurri", "Èrcole"}));
    QCOMPARE(header->sortIndicatorSection(), 3);
    QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
    QCOMPARE(bench.view->selectedKeys(), QList<int>{bianchi});
    QVERIFY(bench.view->model()->index(0, 3).data(Qt::BackgroundRole).value<QColor>().isValid());
    QVERIFY(!bench.view->model()->index(0, 0).data(Qt::BackgroundRole).isValid());
    Q_EMIT header->sectionClicked(3);
    QCOMPARE(bench.column(3), QStringList({"9", "100", "10", "09", "", ""}));
    QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
    // Every refresh goes back to the names, ascending.
    bench.view->onUpdate();
    QCOMPARE(bench.view->model()->sortValue(), 1);
    QCOMPARE(header->sortIndicatorSection(), 0);

    // Widths are kept, never below 20; prints stay disabled for now.
    header->resizeSection(2, 5);
    bench.view->saveState();
    QCOMPARE(bench.profile.integer(S::List, QStringLiteral("ColAna3")), 20);
    QCOMPARE(bench.profile.integer(S::List, QStringLiteral("ColAna2")), 200);
    QCOMPARE(bench.view->contextMenu()->defaultAction()->text(),
             QStringLiteral("Inserisci Nuovo Cliente ( F3 )"));
    QVERIFY(bench.prompt.unexpected.isEmpty());
}

void tst_AnagraficheView::newOpenAndHostileText() {
    ARCHIVE(db);
    addRecord(*db, QStringLiteral("Zeta"), Kind::Customer);
    addRecord(*db, QStringLiteral("Alfa"), Kind::Customer);
    Bench bench(*db, AnaListModel::Customers);
    bench.view->becameVisible();

    // A new supplier in the customers' list still goes at the end, the only row selected.
    const QString hostile =
        QStringLiteral("'; DROP TABLE CliFor; -- O'Hara \"x\" %_*\\ è😀 ").repeated(8);
    CAnagraficaDialog::Caller caller{};
    bench.view->editRecord = [&](CliForRecord* r, CAnagraficaDialog::Caller c) {
        caller = c;
        for (QString* t : {&r->RagSoc, &r->Indirizzo, &r->Comune, &r->Telefono, &r->Cellulare,
                           &r->EMail, &r->Web, &r->CodFisc, &r->PartIva, &r->Codice})
            *t = hostile;
        return true;
    };
    QSignalSpy counts(&bench.notifier, &ChangeNotifier::rowCountChanged);
    bench.view->onNewSupplier();
    QCOMPARE(caller, CAnagraficaDialog::Caller::NewSupplier);
    QCOMPARE(bench.view->model()->rowCount(), 3);
    const int added = bench.view->model()->keyAt(2);
    QCOMPARE(bench.view->selectedKeys(), QList<int>{added});
    QCOMPARE(counts.last(), QVariantList({3, 3}));
    const int widths[] = {100, 100, 100, 20, 20, 50, 16, 30};
    for (int c = 0; c < AnaListModel::ColumnCount; ++c)
        QCOMPARE(bench.view->model()->index(2, c).data().toString(),
                 Record::CutText(hostile, widths[c]));
    CliForRecord back;
    QVERIFY(CounterpartStore(*db).load(added, back));
    QCOMPARE(back.RagSoc, Record::CutText(hostile, 100));
    QCOMPARE(back.CodFisc, Record::CutText(hostile, 16));
    QCOMPARE(CounterpartStore::KindOf(back), Kind::Supplier);
    QCOMPARE(bench.view->model()->index(2, 0).data(AnaListModel::KindRole).toInt(),
             int(AnaListModel::Kind::Supplier));
    // The find takes % and _ as they are.
    bench.find(QStringLiteral("%_*\\"), {}, true);
    QCOMPARE(bench.view->selectedKeys(), QList<int>{added});

    // Open: the row shows the saved values; a cleared field empties its cell.
    bench.view->editRecord = [&](CliForRecord* r, CAnagraficaDialog::Caller c) {
        caller = c;
        r->RagSoc = QStringLiteral("Rossi & C.");
        r->Indirizzo.clear();
        return true;
    };
    bench.view->onOpen();
    QCOMPARE(caller, CAnagraficaDialog::Caller::Edit);
    QCOMPARE(bench.view->model()->index(2, 0).data().toString(), QStringLiteral("Rossi & C."));
    QCOMPARE(bench.view->model()->index(2, 1).data().toString(), QString());
    QCOMPARE(bench.count(*db, QStringLiteral("SELECT COUNT(*) FROM CliFor WHERE Indirizzo IS NULL "
                                             "AND RagSoc = 'Rossi & C.'")),
             1);
    // Open acts on exactly one row.
    int asked = 0;
    bench.view->editRecord = [&](CliForRecord*, CAnagraficaDialog::Caller) {
        return ++asked, false;
    };
    bench.view->table()->selectAll();
    QVERIFY(!bench.view->command(CAnagraficheView::Open)->isEnabled());
    bench.view->onOpen();
    QCOMPARE(asked, 0);
    QVERIFY(bench.prompt.unexpected.isEmpty());
}

void tst_AnagraficheView::deleteAllOrNothing() {
    ARCHIVE(db);
    QList<int> keys;
    for (const char* name : {"A", "B", "C", "D", "E"})
        keys << addRecord(*db, QLatin1String(name), Kind::Customer);
    QVERIFY(addMovement(*db, keys[3], 1, QStringLiteral("1/2024"), QDateTime::currentDateTime()));
    QVERIFY(db->execute(QStringLiteral("INSERT INTO Ordini (Numero, IDCliFor) VALUES ('1', ?)"),
                        {keys[4]}));
    Bench bench(*db);
    bench.view->becameVisible();

    // One record with movements, or with orders, stops the lot.
    bench.select({0, 3, 4});
    bench.prompt.expect(QStringLiteral("Impossibile eliminare il valore od i valori selezionati "
                                       "perché utilizzati nei movimenti!"));
    bench.view->onDelete();
    QCOMPARE(bench.prompt.shown.last().icon, IPrompt::Icon::Error);
    bench.select({1, 4});
    bench.prompt.expect(QStringLiteral("Impossibile eliminare il valore od i valori selezionati "
                                       "perché utilizzati negli ordini!"));
    bench.view->onDelete();
    QCOMPARE(bench.names(), QStringList({"A", "B", "C", "D", "E"}));
    QCOMPARE(bench.count(*db, QStringLiteral("SELECT COUNT(*) FROM CliFor")), 5);

    // "No" keeps everything; "Yes" removes exactly the two rows, then selects the first.
    bench.select({0, 2});
    bench.prompt.expect(QStringLiteral("Si desidera eliminare definitivamente il valore o i "
                                       "valori selezionati?"),
                        IPrompt::Answer::No);
    bench.view->onDelete();
    QCOMPARE(bench.names().size(), 5);
    QSignalSpy counts(&bench.notifier, &ChangeNotifier::rowCountChanged);
    bench.prompt.expect(QStringLiteral("Si desidera eliminare"), IPrompt::Answer::Yes);
    bench.view->onDelete();
    QCOMPARE(bench.prompt.shown.last().icon, IPrompt::Icon::Question);
    QCOMPARE(bench.names(), QStringList({"B", "D", "E"}));
    QCOMPARE(bench.count(*db, QStringLiteral("SELECT COUNT(*) FROM CliFor")), 3);
    QCOMPARE(bench.view->selectedKeys(), QList<int>{keys[1]});
    QCOMPARE(counts.last(), QVariantList({3, 3}));

    // Many scattered rows at once: every other one of 80 goes, the rest stay in order.
    QVERIFY(db->execute(QStringLiteral("DELETE FROM CliFor WHERE IDCliFor IN (?, ?)"),
                        {keys[1], keys[2]}));
    QVERIFY(db->beginTransaction());
    QStringList kept;
    for (int i = 0; i < 80; ++i) {
        const QString name = QStringLiteral("N%1").arg(i, 2, 10, QLatin1Char('0'));
        QVERIFY(addRecord(*db, name, Kind::Supplier) > 0);
        if (i % 2)
            kept << name;
    }
    QVERIFY(db->commit());
    bench.view->onUpdate(); // D, E, N00 ... N79
    QList<int> every;
    for (int r = 2; r < 82; r += 2)
        every << r;
    bench.select(every);
    bench.prompt.expect(QStringLiteral("Si desidera eliminare"), IPrompt::Answer::Yes);
    bench.view->onDelete();
    QCOMPARE(bench.names(), QStringList({"D", "E"}) + kept);
    QCOMPARE(bench.count(*db, QStringLiteral("SELECT COUNT(*) FROM CliFor")), 42);
    QCOMPARE(bench.view->selectedKeys(), QList<int>{keys[3]});
    QVERIFY(bench.prompt.unexpected.isEmpty());
    QVERIFY(bench.prompt.pending().isEmpty());
}

void tst_AnagraficheView::find() {
    ARCHIVE(db);
    addRecord(*db, QStringLiteral("Rossi Mario"), Kind::Customer, {}, QStringLiteral("RSSMRA"));
    addRecord(*db, QStringLiteral("Bianchi"), Kind::Supplier, {}, QStringLiteral("BNCxyz"));
    addRecord(*db, QStringLiteral("ROSSI Anna"), Kind::Worker);
    addRecord(*db, QStringLiteral("Città Èlite"), Kind::Customer, {}, QStringLiteral("CTTLTE"));
    Bench bench(*db);
    bench.view->becameVisible(); // Bianchi, Città Èlite, ROSSI Anna, Rossi Mario
    const QString notFound = QStringLiteral("Cliente o fornitore non trovato!");

    // Lower-cased both ways; the name wins over the tax code.
    bench.find(QStringLiteral("rossi"), QStringLiteral("bnc"), true);
    QCOMPARE(bench.view->model()->text(bench.view->table()->currentIndex().row(), 0),
             QStringLiteral("ROSSI Anna"));
    // From the row after the last selected one, without wrapping.
    bench.find(QStringLiteral("rossi"), {}, false);
    QCOMPARE(bench.view->selectedKeys(), QList<int>{bench.view->model()->keyAt(3)});
    bench.prompt.expect(notFound);
    bench.find(QStringLiteral("rossi"), {}, false);
    QCOMPARE(bench.prompt.shown.last().icon, IPrompt::Icon::Information);
    QCOMPARE(bench.view->selectedKeys(), QList<int>{bench.view->model()->keyAt(3)});
    // Only the tax code, from the first row.
    bench.find({}, QStringLiteral("XYZ"), true);
    QCOMPARE(bench.view->selectedKeys(), QList<int>{bench.view->model()->keyAt(0)});
    // Accented capitals are matched as small letters, on both back ends; İ is a capital i.
    bench.find(QStringLiteral("CITTÀ è"), {}, true);
    QCOMPARE(bench.view->selectedKeys(), QList<int>{bench.view->model()->keyAt(1)});
    const int inox = addRecord(*db, QStringLiteral("Zeta İNOX"), Kind::Customer);
    bench.view->onUpdate();
    for (const QString& text : {QStringLiteral("a inox"), QStringLiteral("ZETA "),
                                QStringLiteral("A İn"), QStringLiteral("NOX")}) {
        bench.view->selectKey(bench.view->model()->keyAt(0));
        bench.find(text, {}, true);
        QCOMPARE(bench.view->selectedKeys(), QList<int>{inox});
    }
    // An unlisted match is no match.
    bench.view->onFilter(AnaListModel::Suppliers);
    bench.prompt.expect(notFound);
    bench.find(QStringLiteral("rossi"), QStringLiteral("cttlte"), true);
    // Nothing typed finds nothing.
    bench.prompt.expect(notFound);
    bench.find({}, {}, true);
    QVERIFY(bench.prompt.unexpected.isEmpty());
    QVERIFY(bench.prompt.pending().isEmpty());
}

void tst_AnagraficheView::movementsPane() {
    ARCHIVE(db);
    const int busy = addRecord(*db, QStringLiteral("A"), Kind::Customer);
    const int quiet = addRecord(*db, QStringLiteral("B"), Kind::Supplier);
    const QDateTime start(QDate(2023, 1, 2), QTime(10, 0));
    QVERIFY(db->beginTransaction());
    for (int i = 0; i < 260; ++i)
        QVERIFY(addMovement(*db, busy, i % 4, QStringLiteral("M%1").arg(i), start.addDays(i)));
    QVERIFY(db->commit());
    QVERIFY(addMovement(*db, quiet, 0, QStringLiteral("Q1"), start));

    Bench bench(*db);
    bench.view->becameVisible();
    const QAbstractItemModel* pane = bench.bar->list()->model();
    auto cell = [&](int r, int c) { return pane->index(r, c).data().toString(); };
    QCOMPARE(pane->rowCount(), 250);
    QCOMPARE(pane->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Tipo di Movimento"));
    QCOMPARE(cell(0, 0), QStringLiteral("M259"));
    QCOMPARE(cell(0, 1), FormatLongDate(start.addDays(259).date()));
    QCOMPARE(cell(249, 0), QStringLiteral("M10"));
    // 259 % 4 = 3 (a receipt: no text), then return, unload, load.
    QCOMPARE(QStringList({cell(0, 2), cell(1, 2), cell(2, 2), cell(3, 2)}),
             QStringList({"", "Reso", "Scarico", "Carico"}));

    bench.view->selectKey(quiet);
    QCOMPARE(pane->rowCount(), 1);
    QCOMPARE(cell(0, 2), QStringLiteral("Carico"));
    // Several rows selected: the pane empties.
    bench.view->table()->selectAll();
    QCOMPARE(pane->rowCount(), 0);
    bench.bar->list()->header()->resizeSection(1, 3);
    bench.view->saveState();
    QCOMPARE(bench.profile.integer(S::List, QStringLiteral("AnaMov2")), 20);
    QCOMPARE(bench.profile.integer(S::List, QStringLiteral("AnaMov1")), 200);
}

void tst_AnagraficheView::findDialog() {
    // The counterparts mode of the shared find window; the items mode keeps its own texts,
    // which say that every text given must match, and starts from the first row unless told.
    CTrovaDialog items(CTrovaDialog::Mode::Items);
    QCOMPARE(items.label(0)->text(), QStringLiteral("Cerca un prodotto che ha matricola"));
    QCOMPARE(items.label(1)->text(), QStringLiteral("e che ha descrizione"));
    QCOMPARE(items.label(2)->text(), QStringLiteral("e che ha codice a barre"));
    QVERIFY(items.edit(2)->isEnabled());
    QCOMPARE(items.fromFirstRowBox()->text(),
             QStringLiteral("&Inizia la ricerca dalla prima riga"));
    QVERIFY(items.fromFirstRow());
    items.show();
    QTest::mouseClick(items.fromFirstRowBox(), Qt::LeftButton);
    QVERIFY(!items.fromFirstRow());
    QVERIFY(items.helpButton()->isHidden());

    CTrovaDialog d(CTrovaDialog::Mode::Counterparts);
    RecordingBrowser browser;
    d.setHelpPage(browser, QUrl(QStringLiteral("https://example.org/aiuto/Quarzil/trova.php")));
    QCOMPARE(d.windowTitle(), QStringLiteral("Trova"));
    QCOMPARE(d.label(0)->text(),
             QStringLiteral("Cerca un cliente o fornitore che ha ragione sociale"));
    QCOMPARE(d.label(1)->text(), QStringLiteral("oppure che ha codice fiscale"));
    QCOMPARE(d.label(2)->text(), QStringLiteral("Non utilizzato in questa ricerca"));
    QVERIFY(!d.edit(2)->isEnabled());
    QCOMPARE(d.fromFirstRowBox()->text(), QStringLiteral("&Inizia la ricerca dalla prima riga"));
    QVERIFY(d.fromFirstRow());
    QCOMPARE(d.helpButton()->text(), QStringLiteral("&Aiuto"));
    d.helpButton()->click();
    QCOMPARE(browser.opened.size(), 1);
    QCOMPARE(browser.opened.first().path(), QStringLiteral("/aiuto/Quarzil/trova.php"));
    QVERIFY(d.result() != QDialog::Accepted);
}

void tst_AnagraficheView::accelerators() {
    Database* db = m_archives.get(QStringLiteral("sqlite"));
    QVERIFY2(db, m_archives.error(QStringLiteral("sqlite")));
    QVERIFY(db->execute(QStringLiteral("DELETE FROM CliFor")));
    const int a = addRecord(*db, QStringLiteral("A"), Kind::Customer);
    Bench bench(*db);
    QStringList log;
    bench.view->editRecord = [&](CliForRecord* r, CAnagraficaDialog::Caller c) {
        log << QStringLiteral("dialog %1 %2").arg(r->IDCliFor).arg(int(c));
        return false;
    };
    bench.view->askFind = [&](CAnagraficheView::FindTexts*) {
        log << QStringLiteral("find");
        return false;
    };
    QTableView* table = TestSupport::FocusedList(*bench.view);
    QVERIFY(table);
    QTest::keyClick(table, Qt::Key_F3);
    QTest::keyClick(table, Qt::Key_F4);
    QTest::keyClick(table, Qt::Key_Return);
    QTest::keyClick(table, Qt::Key_F6);
    QSignalSpy counts(&bench.notifier, &ChangeNotifier::rowCountChanged);
    QTest::keyClick(table, Qt::Key_F5);
    QCOMPARE(counts.size(), 1);
    bench.prompt.expect(QStringLiteral("Si desidera eliminare"), IPrompt::Answer::No);
    QTest::keyClick(table, Qt::Key_D, Qt::ControlModifier);
    using C = CAnagraficaDialog::Caller;
    QCOMPARE(log, QStringList({QStringLiteral("dialog 0 %1").arg(int(C::NewCustomer)),
                               QStringLiteral("dialog 0 %1").arg(int(C::NewSupplier)),
                               QStringLiteral("dialog %1 %2").arg(a).arg(int(C::Edit)), "find"}));
    QVERIFY(bench.prompt.pending().isEmpty());
    QVERIFY(bench.prompt.unexpected.isEmpty());
}

// Another computer adds a customer while the new customer's dialog is open: the dialog sees it
// (its code is refused as a duplicate) and then saves its own.
void tst_AnagraficheView::newCustomerAfterAnotherWriter() {
    ARCHIVE(db);
    addRecord(*db, QStringLiteral("Primo"), Kind::Customer);
    Database other(TestSupport::UniqueName(QStringLiteral("other_")));
    QVERIFY2(other.open(m_archives.connectionString(backend)), qPrintable(other.errorText()));
    Bench bench(*db);
    QTableView* table = TestSupport::FocusedList(*bench.view);
    QVERIFY(table);
    bool driven = false;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<CAnagraficaDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QVERIFY(other.execute(QStringLiteral("INSERT INTO CliFor (Codice, RagSoc, CliFor, Operaio) "
                                             "VALUES ('K7', 'Altro', ?, ?)"),
                              {true, false}));
        QLineEdit* code = dialog->field(QStringLiteral("Codice"));
        QTest::keyClicks(code, QStringLiteral("K7"));
        QTest::keyClicks(dialog->field(QStringLiteral("RagSoc")), QStringLiteral("Nuovo"));
        auto* save = dialog->findChild<QPushButton*>(QStringLiteral("Salva"));
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(bench.prompt.balloons,
                 QStringList{QStringLiteral(
                     "Errore codice: Il codice è duplicato, scegliere un altro valore!")});
        code->selectAll();
        QTest::keyClicks(code, QStringLiteral("K9"));
        QTest::mouseClick(save, Qt::LeftButton);
        driven = true;
    });
    QTest::keyClick(table, Qt::Key_F3);
    QVERIFY(driven);
    QVERIFY2(bench.prompt.shown.isEmpty(), qPrintable(bench.prompt.shown.value(0).text));
    QCOMPARE(bench.names().last(), QStringLiteral("Nuovo"));
    QCOMPARE(bench.count(other, QStringLiteral("SELECT COUNT(*) FROM CliFor WHERE Codice = 'K9'")),
             1);
}

// Another computer deletes the record while its dialog is open here, or before it is opened:
// the user is told, the row leaves the list, and nothing is written back.
void tst_AnagraficheView::recordDeletedElsewhere() {
    ARCHIVE(db);
    const int rossi = addRecord(*db, QStringLiteral("Rossi"), Kind::Customer);
    const int verdi = addRecord(*db, QStringLiteral("Verdi"), Kind::Customer);
    const int bianchi = addRecord(*db, QStringLiteral("Bianchi"), Kind::Supplier);
    Database other(TestSupport::UniqueName(QStringLiteral("other_")));
    QVERIFY2(other.open(m_archives.connectionString(backend)), qPrintable(other.errorText()));
    Bench bench(*db);
    QTableView* list = TestSupport::FocusedList(*bench.view);
    QVERIFY(list);
    bench.view->selectKey(rossi);
    QSignalSpy counts(&bench.notifier, &ChangeNotifier::rowCountChanged);

    bool saved = false;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<CAnagraficaDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        QLineEdit* name = dialog->field(QStringLiteral("RagSoc"));
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("Rossi & C."));
        if (other.execute(QStringLiteral("DELETE FROM CliFor WHERE IDCliFor = ?"), {rossi}))
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Salva")),
                              Qt::LeftButton);
        saved = !dialog->isVisible();
        if (!saved)
            dialog->reject();
    });
    bench.prompt.expect(QStringLiteral("Impossibile salvare le modifiche"));
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(saved);
    QCOMPARE(bench.prompt.shown.last().text,
             QStringLiteral("Impossibile salvare le modifiche: il record non esiste più, è stato "
                            "eliminato da un altro computer."));
    QCOMPARE(bench.prompt.shown.last().icon, IPrompt::Icon::Warning);
    QCOMPARE(bench.names(), QStringList({"Bianchi", "Verdi"}));
    QCOMPARE(bench.view->selectedKeys(), QList<int>{bianchi});
    QCOMPARE(counts.last(), QVariantList({3, 2}));
    QCOMPARE(bench.count(*db, QStringLiteral("SELECT COUNT(*) FROM CliFor")), 2);

    // Opening a record that is already gone says so at once, and its row goes too.
    bench.view->selectKey(verdi);
    QApplication::setActiveWindow(bench.view.get());
    QVERIFY(QTest::qWaitForWindowActive(bench.view.get()));
    list->setFocus();
    QVERIFY(other.execute(QStringLiteral("DELETE FROM CliFor WHERE IDCliFor = ?"), {verdi}));
    // A dialog that opens by mistake is closed again rather than waited on.
    QTimer::singleShot(500, this, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    bench.prompt.expect(QStringLiteral("Il record non esiste più"));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(bench.prompt.shown.last().text,
             QStringLiteral("Il record non esiste più: è stato eliminato da un altro computer."));
    QCOMPARE(bench.prompt.shown.last().icon, IPrompt::Icon::Warning);
    QCOMPARE(bench.names(), QStringList({"Bianchi"}));
    QCOMPARE(counts.last(), QVariantList({3, 1}));
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY2(bench.prompt.unexpected.isEmpty(), qPrintable(bench.prompt.unexpected.join(u'|')));
    QVERIFY(bench.prompt.pending().isEmpty());
}

QTEST_MAIN(tst_AnagraficheView)
#include "tst_AnagraficheView.moc"
