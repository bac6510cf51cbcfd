// label: db
#include "TestSupport.h"
#include "common/Profile.h"
#include "items/ActivePromotion.h"
#include "items/StockCounters.h"
#include "movements/MovListModel.h"
#include "movements/MovementListQuery.h"
#include "movements/MovementMessages.h"
#include "movements/MovementStore.h"
#include "movements/MovementTypes.h"
#include "movements/RowPricing.h"
#include "store/TableRecord.h"
#include "store/records/ArticoliRecord.h"

#include <QAbstractItemModelTester>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

int insertReturning(Database& db, const QString& sql, const QVariantList& values) {
    QSqlQuery q;
    if (!db.query(q, sql, values) || !q.next())
        return -1;
    return q.value(0).toInt();
}

int addItem(Database& db, std::optional<float> giacInit = {}) {
    return insertReturning(db,
                           QStringLiteral("INSERT INTO Articoli (Matricola, Descrizione, GiacInit) "
                                          "VALUES (?, ?, ?) RETURNING IDArticolo"),
                           {TestSupport::UniqueName(QStringLiteral("M")), QStringLiteral("Pezzo"),
                            Record::BindReal(giacInit)});
}

int addCounterpart(Database& db, const QString& name, bool customer) {
    return insertReturning(db,
                           QStringLiteral("INSERT INTO CliFor (RagSoc, CliFor) VALUES (?, ?) "
                                          "RETURNING IDCliFor"),
                           {name, Record::BindBit(customer, db.backend())});
}

// A committed movement of one type made the way the dialog makes it.
int saveMovement(Database& db, int type, const QDateTime& when,
                 const QList<QPair<int, float>>& rows, int counterpart = 0) {
    MovementEdit edit(db, type);
    if (!edit.begin())
        return -1;
    edit.header().Numero = NextMovementNumber(db, type, when.date());
    edit.header().Data = when;
    if (counterpart)
        edit.header().IDCliFor = counterpart;
    for (const auto& [item, qt] : rows) {
        SottoMovimentiRecord row;
        row.IDArticolo = item;
        row.Qt = qt;
        row.Prezzo = CurrencyAmount::fromUnits(10000);
        row.Iva = 0.22f;
        row.Sconto = 0.0f;
        if (!edit.insertRow(row))
            return -1;
    }
    if (edit.save() != MovementEdit::SaveResult::Saved)
        return -1;
    return edit.header().IDMovimento;
}

qint64 count(Database& db, const QString& sql, const QVariantList& values = {}) {
    QSqlQuery q;
    if (!db.query(q, sql, values) || !q.next())
        return -1;
    return q.value(0).toLongLong();
}

} // namespace

class tst_MovementStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { m_archives.clear(); }
    void numbering_data() { TestSupport::AddBackendRows(); }
    void numbering();
    void totalsAndHeader_data() { TestSupport::AddBackendRows(); }
    void totalsAndHeader();
    void cancelLeavesNothing_data() { TestSupport::AddBackendRows(); }
    void cancelLeavesNothing();
    void availableStockCountsPendingRows_data() { TestSupport::AddBackendRows(); }
    void availableStockCountsPendingRows();
    void deleteMovements_data() { TestSupport::AddBackendRows(); }
    void deleteMovements();
    void saveAttachesEveryRowOrNone_data() { TestSupport::AddBackendRows(); }
    void saveAttachesEveryRowOrNone();
    void editNamesItemsItTookRowsFrom_data() { TestSupport::AddBackendRows(); }
    void editNamesItemsItTookRowsFrom();
    void footerLinesAndMessages();
    void listQuery_data() { TestSupport::AddBackendRows(); }
    void listQuery();
    void listByName_data() { TestSupport::AddBackendRows(); }
    void listByName();
    void updateMovimento_data() { TestSupport::AddBackendRows(); }
    void updateMovimento();
    void listModel_data() { TestSupport::AddBackendRows(); }
    void listModel();
    void rowPricing();
    void activePromotion_data() { TestSupport::AddBackendRows(); }
    void activePromotion();

private:
    TestSupport::ArchivePool m_archives;
};

void tst_MovementStore::numbering() {
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    const int item = addItem(*db);
    const QDate today(2026, 6, 15);
    QCOMPARE(NextMovementNumber(*db, MovementType::Carico, today), QStringLiteral("1/2026"));
    // Earlier years and other types do not count; the last day of the year counts at any hour.
    QVERIFY(saveMovement(*db, MovementType::Carico, QDateTime(QDate(2025, 12, 31), QTime(18, 0)),
                         {{item, 1}}) > 0);
    QVERIFY(saveMovement(*db, MovementType::Scarico, QDateTime(QDate(2026, 2, 1), QTime(9, 0)),
                         {{item, 1}}) > 0);
    QCOMPARE(NextMovementNumber(*db, MovementType::Carico, today), QStringLiteral("1/2026"));
    QVERIFY(saveMovement(*db, MovementType::Carico, QDateTime(QDate(2026, 12, 31), QTime(18, 0)),
                         {{item, 1}}) > 0);
    QVERIFY(saveMovement(*db, MovementType::Carico, QDateTime(QDate(2026, 1, 1), QTime(0, 0)),
                         {{item, 1}}) > 0);
    QCOMPARE(NextMovementNumber(*db, MovementType::Carico, today), QStringLiteral("3/2026"));
    QCOMPARE(NextMovementNumber(*db, MovementType::Scarico, today), QStringLiteral("2/2026"));
    QCOMPARE(NextMovementNumber(*db, MovementType::Carico, QDate(2025, 3, 1)),
             QStringLiteral("2/2025"));
}

void tst_MovementStore::totalsAndHeader() {
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    const int item = addItem(*db);
    const int customer = addCounterpart(*db, QStringLiteral("Bar Sport di Rossi"), true);

    MovementEdit edit(*db, MovementType::Scarico);
    QVERIFY(edit.begin());
    edit.header().Numero = QStringLiteral("7/2026");
    edit.header().Data = QDateTime(QDate(2026, 3, 5), QTime(10, 30));
    edit.header().IDCliFor = customer;
    SottoMovimentiRecord row;
    row.IDArticolo = item;
    row.Qt = 3.0f;
    row.Prezzo = CurrencyAmount::fromDecimalString(QStringLiteral("10.00"));
    row.Sconto = 0.10f;
    row.Iva = 0.22f;
    QVERIFY(edit.insertRow(row));
    // An empty VAT field is a rate of 0; a NULL rate (written by other means) adds no tax.
    SottoMovimentiRecord free = row;
    free.Iva = 0.0f;
    free.Sconto = 0.0f;
    QVERIFY(edit.insertRow(free));
    SottoMovimentiRecord untaxed = row;
    untaxed.Iva.reset();
    untaxed.Sconto = 0.0f;
    QVERIFY(edit.insertRow(untaxed));
    QCOMPARE(
        count(*db, QStringLiteral("SELECT COUNT(*) FROM SottoMovimenti WHERE IDMovimento = 0")), 3);
    QCOMPARE(edit.save(), MovementEdit::SaveResult::Saved);
    QCOMPARE(edit.touchedItems(), QList<int>{item});

    MovimentiRecord saved;
    QVERIFY(LoadRecord(*db, edit.header().IDMovimento, saved));
    QCOMPARE(saved.Prezzo.toDecimalString(), QStringLiteral("87.0000"));
    QCOMPARE(saved.Imposta.toDecimalString(), QStringLiteral("5.9400"));
    QCOMPARE(saved.Totale.toDecimalString(), QStringLiteral("92.9400"));
    QCOMPARE(saved.CliFor, QStringLiteral("Bar Sport di Rossi"));
    QCOMPARE(saved.Tipo.value_or(-1), 1);
    QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM SottoMovimenti WHERE IDMovimento = ?"),
                   {saved.IDMovimento}),
             3);

    // The unload becomes a receipt: no counterpart, the number it was given.
    MovementEdit receipt(*db, MovementType::Scarico);
    QVERIFY(receipt.begin());
    receipt.header().Numero = NextMovementNumber(*db, MovementType::Scarico);
    receipt.header().Data = QDateTime::currentDateTime();
    receipt.header().IDCliFor = customer;
    receipt.setType(MovementType::Ricevuta);
    SottoMovimentiRecord one = row;
    QVERIFY(receipt.insertRow(one));
    QCOMPARE(receipt.save(), MovementEdit::SaveResult::Saved);
    QVERIFY(LoadRecord(*db, receipt.header().IDMovimento, saved));
    QCOMPARE(saved.Tipo.value_or(-1), 3);
    QVERIFY(!saved.IDCliFor);
    QVERIFY(saved.CliFor.isNull());
    QCOMPARE(saved.Numero, receipt.header().Numero);

    // A load carries no invoice footer whatever the dialog held.
    MovementEdit load(*db, MovementType::Carico);
    QVERIFY(load.begin());
    load.header().Numero = QStringLiteral("1/2026");
    load.header().Data = QDateTime::currentDateTime();
    load.header().Banca = QStringLiteral("Banca");
    QTemporaryDir dir;
    ApplyFooter(NewUnloadFooter(Profile(dir.filePath(QStringLiteral("p.ini")),
                                        dir.filePath(QStringLiteral("m.ini")))),
                load.header());
    QCOMPARE(load.save(), MovementEdit::SaveResult::Saved);
    QVERIFY(LoadRecord(*db, load.header().IDMovimento, saved));
    QVERIFY(saved.Banca.isNull() && saved.Riga1SX.isNull() && saved.Riga3Min.isNull());
    QCOMPARE(saved.Prezzo.toDecimalString(), QStringLiteral("0.0000"));
}

void tst_MovementStore::cancelLeavesNothing() {
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    const int item = addItem(*db);
    const int kept = saveMovement(*db, MovementType::Carico, QDateTime::currentDateTime(),
                                  {{item, 4}, {item, 2}});
    QVERIFY(kept > 0);
    QVERIFY(UpdateArtInfo(*db, nullptr, item));
    // The first row of the movement has a serial code.
    const int firstRow = int(count(
        *db,
        QStringLiteral("SELECT MIN(IDSottoMovimento) FROM SottoMovimenti WHERE IDMovimento = ?"),
        {kept}));
    QVERIFY(
        db->execute(QStringLiteral("INSERT INTO Imei (IDSottoMovimento, CodImei) VALUES (?, ?)"),
                    {firstRow, QStringLiteral("356938035643809")}));
    const qint64 rowsBefore = count(*db, QStringLiteral("SELECT COUNT(*) FROM SottoMovimenti"));

    {
        // A new movement with rows, cancelled.
        MovementEdit edit(*db, MovementType::Scarico);
        QVERIFY(edit.begin());
        SottoMovimentiRecord row;
        row.IDArticolo = item;
        row.Qt = 5.0f;
        QVERIFY(edit.insertRow(row));
        QVERIFY(edit.insertRow(row));
        edit.cancel();
    }
    {
        // An edit that removes a row (with its serial code), cancelled by going away.
        MovementEdit edit(*db, MovementType::Carico);
        QVERIFY(edit.open(kept));
        QCOMPARE(edit.rowKeys().size(), 2);
        QVERIFY(edit.deleteMovementRow(firstRow));
        QCOMPARE(edit.rowKeys().size(), 1);
        QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM Imei")), 0);
    }
    QVERIFY(!db->inTransaction());
    QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM SottoMovimenti")), rowsBefore);
    QCOMPARE(
        count(*db, QStringLiteral("SELECT COUNT(*) FROM SottoMovimenti WHERE IDMovimento = 0")), 0);
    QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM Imei WHERE IDSottoMovimento = ?"),
                   {firstRow}),
             1);
    QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM Movimenti")), 1);
    QCOMPARE(AvailableStock(*db, item, 0, nullptr), 6.0);

    // A missing movement cannot be opened, and leaves no transaction behind.
    MovementEdit missing(*db, MovementType::Carico);
    QVERIFY(!missing.open(kept + 100));
    QVERIFY(!db->inTransaction());
}

void tst_MovementStore::availableStockCountsPendingRows() {
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    const int item = addItem(*db, 5.0f);
    const int other = addItem(*db);
    const QDateTime now = QDateTime::currentDateTime();
    QVERIFY(saveMovement(*db, MovementType::Carico, now, {{item, 10}, {other, 50}}) > 0);
    QVERIFY(saveMovement(*db, MovementType::Scarico, now, {{item, 3}}) > 0);
    QVERIFY(saveMovement(*db, MovementType::Ricevuta, now, {{item, 1}}) > 0);
    QVERIFY(saveMovement(*db, MovementType::Reso, now, {{item, 1}}) > 0);
    QCOMPARE(AvailableStock(*db, item, 0, nullptr), 12.0);

    MovementEdit edit(*db, MovementType::Scarico);
    QVERIFY(edit.begin());
    SottoMovimentiRecord row;
    row.IDArticolo = item;
    row.Qt = 3.0f;
    QVERIFY(edit.insertRow(row));
    SottoMovimentiRecord foreign;
    foreign.IDArticolo = other;
    foreign.Qt = 7.0f;
    QVERIFY(edit.insertRow(foreign));
    QCOMPARE(AvailableStock(*db, item, 0, &edit), 9.0);
    // The row being changed is left out of both the ledger and the pending rows.
    QCOMPARE(AvailableStock(*db, item, row.IDSottoMovimento, &edit), 12.0);
    edit.setType(MovementType::Carico);
    QCOMPARE(AvailableStock(*db, item, 0, &edit), 15.0);
    QCOMPARE(AvailableStock(*db, 0, 0, &edit), 0.0);
    edit.cancel();
}

void tst_MovementStore::deleteMovements() {
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    const int shared = addItem(*db);
    const int a = addItem(*db);
    const int b = addItem(*db);
    const QDateTime now = QDateTime::currentDateTime();
    const int first = saveMovement(*db, MovementType::Carico, now, {{shared, 2}, {a, 1}});
    const int second = saveMovement(*db, MovementType::Carico, now, {{b, 1}, {shared, 3}});
    const int kept = saveMovement(*db, MovementType::Carico, now, {{shared, 9}});
    QVERIFY(first > 0 && second > 0 && kept > 0);
    const int row = int(count(
        *db,
        QStringLiteral("SELECT MIN(IDSottoMovimento) FROM SottoMovimenti WHERE IDMovimento = ?"),
        {first}));
    QVERIFY(
        db->execute(QStringLiteral("INSERT INTO Imei (IDSottoMovimento, CodImei) VALUES (?, ?)"),
                    {row, QStringLiteral("A1")}));
    QVERIFY(
        db->execute(QStringLiteral("INSERT INTO PrimaNota (IDMovimento) VALUES (?)"), {second}));

    const DeleteOutcome outcome = DeleteMovements(*db, {first, second});
    QCOMPARE(outcome.deleted, (QList<int>{first, second}));
    QVERIFY(outcome.failed.isEmpty());
    // One recomputation per item, the shared one included once.
    QCOMPARE(outcome.items, (QList<int>{shared, a, b}));
    QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM Movimenti")), 1);
    QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM SottoMovimenti")), 1);
    QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM Imei")), 0);
    QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM PrimaNota")), 0);
    QCOMPARE(AvailableStock(*db, shared, 0, nullptr), 9.0);
}

void tst_MovementStore::saveAttachesEveryRowOrNone() {
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    const int item = addItem(*db);
    const int other = addItem(*db);
    auto rowsOf = [&](int movement) {
        return count(*db,
                     QStringLiteral("SELECT COUNT(*) FROM SottoMovimenti WHERE IDMovimento = ?"),
                     {movement});
    };
    {
        // More rows than one statement attaches.
        MovementEdit edit(*db, MovementType::Carico);
        QVERIFY(edit.begin());
        edit.header().Numero = QStringLiteral("1/2026");
        edit.header().Data = QDateTime::currentDateTime();
        for (int r = 0; r < 450; ++r) {
            SottoMovimentiRecord row;
            row.IDArticolo = r % 2 ? item : other;
            row.Qt = 1.0f;
            row.Prezzo = CurrencyAmount::fromUnits(10000);
            row.Iva = 0.0f;
            row.Sconto = 0.0f;
            QVERIFY(edit.insertRow(row));
        }
        QCOMPARE(edit.save(), MovementEdit::SaveResult::Saved);
        QCOMPARE(edit.touchedItems(), (QList<int>{other, item}));
        QCOMPARE(rowsOf(edit.header().IDMovimento), 450);
        MovimentiRecord saved;
        QVERIFY(LoadRecord(*db, edit.header().IDMovimento, saved));
        QCOMPARE(saved.Prezzo.toDecimalString(), QStringLiteral("450.0000"));
    }
    const qint64 movements = count(*db, QStringLiteral("SELECT COUNT(*) FROM Movimenti"));
    const qint64 rows = count(*db, QStringLiteral("SELECT COUNT(*) FROM SottoMovimenti"));

    // A row of the list that has gone fails the save, and nothing of the edit stays.
    MovementEdit edit(*db, MovementType::Scarico);
    QVERIFY(edit.begin());
    edit.header().Numero = QStringLiteral("2/2026");
    edit.header().Data = QDateTime::currentDateTime();
    for (int r = 0; r < 3; ++r) {
        SottoMovimentiRecord row;
        row.IDArticolo = item;
        row.Qt = 2.0f;
        QVERIFY(edit.insertRow(row));
    }
    QVERIFY(db->execute(QStringLiteral("DELETE FROM SottoMovimenti WHERE IDSottoMovimento = ?"),
                        {edit.rowKeys().at(1)}));
    const MovementEdit::SaveResult result = edit.save();
    QCOMPARE(result, MovementEdit::SaveResult::RowFailed);
    QCOMPARE(edit.failureMessage(result), 20085);
    QVERIFY(edit.touchedItems().isEmpty());
    QVERIFY(!db->inTransaction());
    QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM Movimenti")), movements);
    QCOMPARE(count(*db, QStringLiteral("SELECT COUNT(*) FROM SottoMovimenti")), rows);
}

void tst_MovementStore::editNamesItemsItTookRowsFrom() {
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    const int kept = addItem(*db);
    const int removed = addItem(*db);
    const int moved = addItem(*db);
    const int target = addItem(*db);
    const int load = saveMovement(*db, MovementType::Carico, QDateTime::currentDateTime(),
                                  {{kept, 1}, {removed, 2}, {moved, 3}});
    QVERIFY(load > 0);
    for (int item : {kept, removed, moved})
        QVERIFY(UpdateArtInfo(*db, nullptr, item));

    MovementEdit edit(*db, MovementType::Carico);
    QVERIFY(edit.open(load));
    QCOMPARE(edit.rowKeys().size(), 3);
    QVERIFY(edit.deleteMovementRow(edit.rowKeys().at(1)));
    SottoMovimentiRecord row;
    QVERIFY(edit.loadRow(edit.rowKeys().at(1), &row));
    row.IDArticolo = target;
    QVERIFY(edit.changeRow(row));
    QCOMPARE(edit.save(), MovementEdit::SaveResult::Saved);
    // The saved rows' items first, then those the edit took a row from.
    QCOMPARE(edit.touchedItems(), (QList<int>{kept, target, removed, moved}));
    for (int item : edit.touchedItems())
        QVERIFY(UpdateArtInfo(*db, nullptr, item));
    QCOMPARE(AvailableStock(*db, removed, 0, nullptr), 0.0);
    ArticoliRecord gone;
    QVERIFY(LoadRecord(*db, moved, gone));
    QVERIFY(!gone.Carichi);
    QCOMPARE(gone.Giacenza.value_or(-1), 0.0f);
}

void tst_MovementStore::footerLinesAndMessages() {
    QTemporaryDir dir;
    Profile profile(dir.filePath(QStringLiteral("p.ini")), dir.filePath(QStringLiteral("m.ini")));
    FooterLines lines = NewUnloadFooter(profile);
    QCOMPARE(lines.riga1SX, QStringLiteral("CONTRIBUTO AMBIENTALE CONAI ASSOLTO OVE DOVUTO"));
    QCOMPARE(lines.riga3Min, QStringLiteral("Bollo di €. 2,00 su originale"));
    profile.setValue(Profile::Section::Settings, QStringLiteral("Riga2"), QStringLiteral("Nostro"));
    QCOMPARE(NewUnloadFooter(profile).riga2, lines.riga2);
    profile.setValue(Profile::Section::Settings, QStringLiteral("RowsSaved"), 1);
    lines = NewUnloadFooter(profile);
    QCOMPARE(lines.riga2, QStringLiteral("Nostro"));
    QVERIFY(lines.riga1SX.isEmpty());

    using M = MovementMessages::Id;
    QCOMPARE(MovementMessages::Get(M::NoUnits).icon, IPrompt::Icon::Information);
    QCOMPARE(MovementMessages::Get(M::RowDeleteFailed).icon, IPrompt::Icon::Warning);
    QCOMPARE(MovementMessages::Get(MovementMessages::SaveFailedFor(MovementType::Ricevuta)).text,
             QStringLiteral("Impossibile salvare lo scarico!"));
    QCOMPARE(MovementMessages::Get(MovementMessages::InsertFailedFor(MovementType::Reso)).text,
             QStringLiteral("Impossibile inserire il reso!"));
    for (int id = 20069; id <= 20090; ++id)
        if (id != 20075 && id != 20077 && id != 20079 && id != 20084)
            QVERIFY2(!MovementMessages::Get(id).text.isEmpty(), qPrintable(QString::number(id)));
}

void tst_MovementStore::listQuery() {
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    const int item = addItem(*db);
    const QDateTime day(QDate(2026, 4, 10), QTime(12, 0));
    const int load = saveMovement(*db, MovementType::Carico, day, {{item, 1}});
    const int sale = saveMovement(*db, MovementType::Scarico, day.addDays(1), {{item, 1}});
    const int receipt = saveMovement(*db, MovementType::Ricevuta, day.addDays(2), {{item, 1}});
    const int ret = saveMovement(*db, MovementType::Reso, day.addDays(3), {{item, 1}});
    const int old = saveMovement(*db, MovementType::Carico,
                                 QDateTime(QDate(1900, 1, 1), QTime(0, 0)), {{item, 1}});
    QVERIFY(load > 0 && sale > 0 && receipt > 0 && ret > 0 && old > 0);

    QTemporaryDir dir;
    Profile profile(dir.filePath(QStringLiteral("p.ini")), dir.filePath(QStringLiteral("m.ini")));
    using S = Profile::Section;
    auto keys = [&] {
        const MovementListQuery q = BuildMovementListQuery(profile, QStringLiteral("IDMovimento"));
        QList<int> found;
        QSqlQuery r;
        if (db->query(r, q.sql, q.values))
            while (r.next())
                found << r.value(0).toInt();
        return found;
    };
    // No filter: everything after 1 January 1900, newest first (the default sort).
    QCOMPARE(keys(), (QList<int>{ret, receipt, sale, load}));
    QCOMPARE(profile.string(S::Settings, QStringLiteral("Sort2MovAct")),
             QStringLiteral("Data DESC"));
    profile.setValue(S::Settings, QStringLiteral("FilterMov"), 2);
    QCOMPARE(keys(), (QList<int>{receipt, sale}));
    profile.setValue(S::Settings, QStringLiteral("FilterMov"), 1);
    QCOMPARE(keys(), (QList<int>{load}));
    profile.setValue(S::Settings, QStringLiteral("FilterMov"), 0);

    // The previous sort column orders rows with equal keys.
    profile.setValue(S::Settings, QStringLiteral("LastMovSort"), 4);
    QVERIFY(BuildMovementListQuery(profile).sql.endsWith(
        QStringLiteral(" ORDER BY Prezzo, Data DESC")));
    QCOMPARE(profile.string(S::Settings, QStringLiteral("Sort2DataMov")),
             QStringLiteral("Data DESC"));
    profile.setValue(S::Settings, QStringLiteral("LastMovSort"), -4);
    QVERIFY(BuildMovementListQuery(profile).sql.endsWith(
        QStringLiteral(" ORDER BY Prezzo DESC, Data DESC")));
    QCOMPARE(profile.string(S::Settings, QStringLiteral("Sort2MovAct")),
             QStringLiteral("Prezzo DESC"));
    // Only clauses this list writes are ever pasted into the statement.
    profile.setValue(S::Settings, QStringLiteral("Sort2MovAct"),
                     QStringLiteral("Data; DELETE FROM Movimenti"));
    profile.setValue(S::Settings, QStringLiteral("LastMovSort"), 1);
    QVERIFY(!BuildMovementListQuery(profile).sql.contains(QStringLiteral("DELETE")));
    QCOMPARE(keys().size(), 4);

    // A date range from the settings, in the user's own date format.
    profile.setValue(S::Settings, QStringLiteral("MovInitFilter"),
                     QLocale().toString(QDate(2026, 4, 11), QLocale::ShortFormat));
    profile.setValue(
        S::Settings, QStringLiteral("MovEndFilter"),
        QLocale().toString(QDateTime(QDate(2026, 4, 12), QTime(23, 59, 59)), QLocale::ShortFormat));
    QVERIFY(BuildMovementListQuery(profile).dateFilterActive);
    QCOMPARE(keys(), (QList<int>{sale, receipt}));
    profile.setValue(S::Settings, QStringLiteral("MovEndFilter"), QString());
    QVERIFY(!BuildMovementListQuery(profile).dateFilterActive);
}

// The list by counterpart: names alphabetically whatever their case and accents, receipts (no
// name) first going up and last going down, the same on both back ends.
void tst_MovementStore::listByName() {
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    QVERIFY(db->execute(QStringLiteral("DELETE FROM Movimenti")));
    const int item = addItem(*db);
    const QDateTime day(QDate(2026, 4, 10), QTime(12, 0));
    QList<int> keys;
    for (const char* name : {"zeta srl", "Èlite", "alfa", "Beta", ""}) {
        const int customer = *name ? addCounterpart(*db, QString::fromUtf8(name), true) : 0;
        keys << saveMovement(*db, *name ? MovementType::Scarico : MovementType::Ricevuta, day,
                             {{item, 1}}, customer);
    }
    QTemporaryDir dir;
    Profile profile(dir.filePath(QStringLiteral("p.ini")), dir.filePath(QStringLiteral("m.ini")));
    MovListModel model(*db, profile);
    profile.setValue(Profile::Section::Settings, QStringLiteral("LastMovSort"), 3);
    QVERIFY(model.refresh());
    auto listed = [&] {
        QList<int> found;
        for (int r = 0; r < model.rowCount(); ++r)
            found << model.keyAt(r);
        return found;
    };
    QCOMPARE(listed(), (QList<int>{keys[4], keys[2], keys[3], keys[1], keys[0]}));
    profile.setValue(Profile::Section::Settings, QStringLiteral("LastMovSort"), -3);
    QVERIFY(model.refresh());
    QCOMPARE(listed(), (QList<int>{keys[0], keys[1], keys[3], keys[2], keys[4]}));
}

void tst_MovementStore::updateMovimento() {
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    const int item = addItem(*db);
    const int customer = addCounterpart(*db, QStringLiteral("Rossi"), true);
    const int sale = saveMovement(*db, MovementType::Scarico, QDateTime::currentDateTime(),
                                  {{item, 2}}, customer);
    QVERIFY(sale > 0);
    QVERIFY(db->execute(
        QStringLiteral("UPDATE Movimenti SET Totale = 1, CliFor = 'x' WHERE IDMovimento = ?"),
        {sale}));
    QVERIFY(db->execute(QStringLiteral("UPDATE CliFor SET RagSoc = ? WHERE IDCliFor = ?"),
                        {QStringLiteral("Rossi & Figli"), customer}));
    QVERIFY(UpdateMovimento(*db, sale));
    MovimentiRecord h;
    QVERIFY(LoadRecord(*db, sale, h));
    QCOMPARE(h.CliFor, QStringLiteral("Rossi & Figli"));
    QCOMPARE(h.Prezzo.toDecimalString(), QStringLiteral("2.0000"));
    QCOMPARE(h.Totale.toDecimalString(), QStringLiteral("2.4400"));
    // With no rows the totals are NULL.
    QVERIFY(
        db->execute(QStringLiteral("DELETE FROM SottoMovimenti WHERE IDMovimento = ?"), {sale}));
    QVERIFY(UpdateMovimento(*db, sale));
    QVERIFY(LoadRecord(*db, sale, h));
    QVERIFY(h.Prezzo.isNull() && h.Imposta.isNull() && h.Totale.isNull());
    QVERIFY(!UpdateMovimento(*db, sale + 100));
}

void tst_MovementStore::listModel() {
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    const int item = addItem(*db);
    const int customer = addCounterpart(*db, QStringLiteral("Bianchi"), true);
    const QDateTime day(QDate(2026, 5, 2), QTime(9, 15));
    const int load = saveMovement(*db, MovementType::Carico, day, {{item, 1}});
    const int sale =
        saveMovement(*db, MovementType::Scarico, day.addDays(1), {{item, 2}}, customer);
    const int receipt = saveMovement(*db, MovementType::Ricevuta, day.addDays(2), {{item, 1}});
    const int ret = saveMovement(*db, MovementType::Reso, day.addDays(3), {{item, 1}}, customer);
    QVERIFY(
        db->execute(QStringLiteral("UPDATE Movimenti SET Contabilizzato = ? WHERE IDMovimento = ?"),
                    {Record::BindBit(true, db->backend()), receipt}));

    QTemporaryDir dir;
    Profile profile(dir.filePath(QStringLiteral("p.ini")), dir.filePath(QStringLiteral("m.ini")));
    MovListModel model(*db, profile);
    QAbstractItemModelTester tester(&model);
    QVERIFY(model.refresh());
    QCOMPARE(model.rowCount(), 4);
    // Newest first by default.
    QCOMPARE(model.keyAt(0), ret);
    QCOMPARE(model.text(1, MovListModel::CliFor), QStringLiteral("- Ricevuta -"));
    QCOMPARE(model.text(2, MovListModel::CliFor), QStringLiteral("Bianchi"));
    QCOMPARE(model.text(3, MovListModel::Data), MovListModel::DateText(day));
    QVERIFY(model.text(3, MovListModel::Data).contains(QStringLiteral("09:15")));
    QCOMPARE(model.iconAt(0), int(MovListModel::ReturnIcon));
    QCOMPARE(model.iconAt(1), int(MovListModel::SaleIcon));
    QCOMPARE(model.iconAt(2), int(MovListModel::UnpaidIcon));
    QCOMPARE(model.iconAt(3), int(MovListModel::LoadIcon));
    QVERIFY(!model.text(2, MovListModel::Totale).isEmpty());

    // Nothing is read while an edit runs.
    model.setBusy(true);
    QVERIFY(model.text(0, MovListModel::Numero).isEmpty());
    model.setBusy(false);
    QVERIFY(!model.text(0, MovListModel::Numero).isEmpty());

    QVERIFY(db->execute(QStringLiteral("UPDATE Movimenti SET Numero = ? WHERE IDMovimento = ?"),
                        {QStringLiteral("S-99/2026"), sale}));
    model.recordChanged(sale);
    QCOMPARE(model.text(2, MovListModel::Numero), QStringLiteral("S-99/2026"));
    const QString saleNumber = QStringLiteral("s-99");
    QCOMPARE(model.findRow(0, QString(), saleNumber), 2);
    QCOMPARE(model.findRow(3, QString(), saleNumber), -1);
    QCOMPARE(model.findRow(0, MovListModel::DateText(day).toUpper(), QString()), 3);

    // The date column again reverses it; another column sorts ascending.
    model.sortBy(MovListModel::Data);
    QCOMPARE(model.sortValue(), 1);
    QVERIFY(model.refresh());
    QCOMPARE(model.keyAt(0), load);
    model.sortBy(MovListModel::Totale);
    QCOMPARE(model.sortValue(), 6);
    QCOMPARE(profile.integer(Profile::Section::Settings, QStringLiteral("LastMovAsc")), 0);
    QVERIFY(model.refresh());
    QCOMPARE(model.keyAt(3), sale);
}

void tst_MovementStore::rowPricing() {
    auto money = [](const char* text) {
        return CurrencyAmount::fromDecimalString(QLatin1String(text));
    };
    ItemPricing item;
    item.prezzo = money("10.00");
    item.ricarico = 0.25f;
    item.iva = 0.22f;
    // A sale adds the mark-up; a load takes the price as it is.
    RowPrice sale = PriceRow(item, 1, nullptr, 1, 0);
    QCOMPARE(sale.net.toDecimalString(), QStringLiteral("12.5000"));
    QCOMPARE(sale.gross.toDecimalString(), QStringLiteral("15.2500"));
    QCOMPARE(PriceRow(item, 0, nullptr, 1, 0).net.toDecimalString(), QStringLiteral("10.0000"));
    QVERIFY(!PriceRow(item, 0, nullptr, 1, 0.5f).discountSet);
    // A price with VAT in it; no VAT rate is 22 %.
    ItemPricing gross;
    gross.prezzo = money("12.20");
    gross.incIva = true;
    const RowPrice split = PriceRow(gross, 0, nullptr, 1, 0);
    QCOMPARE(split.vat, 0.22f);
    QCOMPARE(split.net.toDecimalString(), QStringLiteral("10.0000"));
    QCOMPARE(split.gross.toDecimalString(), QStringLiteral("12.2000"));

    const CurrencyAmount ten = money("10.00");
    ActivePromotion twoForOne{true, std::nullopt, true, false};
    QCOMPARE(PromotedPrice(ten, twoForOne, 1).toDecimalString(), QStringLiteral("10.0000"));
    QCOMPARE(PromotedPrice(ten, twoForOne, 2).toDecimalString(), QStringLiteral("5.0000"));
    QCOMPARE(PromotedPrice(ten, twoForOne, 3).toDecimalString(), QStringLiteral("6.6667"));
    ActivePromotion threeForTwo{true, std::nullopt, false, true};
    QCOMPARE(PromotedPrice(ten, threeForTwo, 2).toDecimalString(), QStringLiteral("10.0000"));
    QCOMPARE(PromotedPrice(ten, threeForTwo, 3).toDecimalString(), QStringLiteral("6.6667"));
    QCOMPARE(PromotedPrice(ten, threeForTwo, 4).toDecimalString(), QStringLiteral("7.5000"));
    // A discount rate wins over the quantity offers.
    ActivePromotion both{true, 0.2f, true, true};
    QCOMPARE(PromotedPrice(ten, both, 2).toDecimalString(), QStringLiteral("8.0000"));
    item.ricarico.reset();
    QCOMPARE(PriceRow(item, 3, &twoForOne, 2, 0).net.toDecimalString(), QStringLiteral("5.0000"));
    QCOMPARE(PriceRow(item, 0, &twoForOne, 2, 0).net.toDecimalString(), QStringLiteral("10.0000"));

    bool set = false;
    QCOMPARE(CascadeDiscount(0.1f, 0.2f, &set), (100.0f - (100.0f - 10.0f) * 0.8f) / 100.0f);
    QVERIFY(set);
    QCOMPARE(CascadeDiscount(std::nullopt, 0.15f, &set), 0.15f);
    QCOMPARE(CascadeDiscount(0.3f, 0, &set), 0.3f);
    QCOMPARE(CascadeDiscount(0, 0, &set), 0.0f);
}

void tst_MovementStore::activePromotion() {
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    const int item = addItem(*db);
    const QDateTime day(QDate(2026, 3, 5), QTime(12, 0));
    auto add = [&](bool active, bool always, const QDateTime& from, const QDateTime& to,
                   std::optional<float> discount, bool twoForOne) {
        return db->execute(QStringLiteral("INSERT INTO Offerte (IDArticolo, DataInit, DataEnd, "
                                          "Attivo, Sempre, TreXDue, DueXUno, Sconto) VALUES (?, ?, "
                                          "?, ?, ?, ?, ?, ?)"),
                           {item, from, to, Record::BindBit(active, db->backend()),
                            Record::BindBit(always, db->backend()),
                            Record::BindBit(false, db->backend()),
                            Record::BindBit(twoForOne, db->backend()), Record::BindReal(discount)});
    };
    ActivePromotion found;
    QVERIFY(FindActivePromotion(*db, item, day, &found));
    QVERIFY(!found.found);
    QVERIFY(add(true, true, {}, {}, std::nullopt, true));
    QVERIFY(add(true, false, day.addDays(-10), day.addDays(-1), 0.5f, false)); // over
    QVERIFY(add(false, false, day.addDays(-1), day.addDays(1), 0.4f, false));  // not active
    QVERIFY(FindActivePromotion(*db, item, day, &found));
    QVERIFY(found.found && found.dueXUno && !found.sconto);
    // The newest that holds the day wins, its last second included.
    QVERIFY(add(true, false, QDateTime(day.date(), QTime(0, 0)),
                QDateTime(day.date(), QTime(23, 59, 59)), 0.25f, false));
    QVERIFY(FindActivePromotion(*db, item, day, &found));
    QCOMPARE(found.sconto.value_or(0), 0.25f);
    QVERIFY(FindActivePromotion(*db, item, day.addDays(1), &found));
    QVERIFY(found.dueXUno && !found.sconto);
}

QTEST_GUILESS_MAIN(tst_MovementStore)
#include "tst_MovementStore.moc"
