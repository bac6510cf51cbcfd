// label: db
#include "ArchiveTestCase.h"
#include "items/SerialCodes.h"
#include "movements/MovementStore.h"
#include "store/Savepoint.h"

#include <QSqlQuery>
#include <QTest>

namespace {

qint64 Count(Database& db, const QString& sql, const QVariantList& values = {}) {
    QSqlQuery q;
    if (!db.query(q, sql, values) || !q.next())
        return -1;
    return q.value(0).toLongLong();
}

// One row of the item with its codes, the way the movement dialog writes it: codes first (no row
// yet), then the row, then the codes pointed at it. The refusal of the first refused code.
SerialResult AddRow(Database& db, MovementEdit& edit, int item, const QStringList& codes) {
    Savepoint point(db);
    SerialCodes store(db, SerialKindFor(edit.type()), edit.rowKeys());
    QList<int> keys;
    for (const QString& code : codes) {
        int key = 0;
        const SerialResult r = store.insert(0, code, &key);
        if (!r.ok())
            return r;
        keys << key;
    }
    SottoMovimentiRecord row;
    row.IDArticolo = item;
    row.Qt = float(codes.size());
    if (!edit.insertRow(row) || !PointSerialCodes(db, keys, row.IDSottoMovimento) ||
        !point.release())
        return SerialResult::Make(SerialResult::InsertFailed);
    return SerialResult::Make(SerialResult::Ok);
}

// A saved movement of one row; the refusal when a code is refused (nothing saved then).
SerialResult Move(Database& db, int type, int item, const QStringList& codes) {
    MovementEdit edit(db, type);
    if (!edit.begin())
        return SerialResult::Make(SerialResult::InsertFailed);
    edit.header().Numero = QStringLiteral("1/2026");
    edit.header().Data = QDateTime::currentDateTime();
    const SerialResult r = AddRow(db, edit, item, codes);
    if (r.ok() && edit.save() != MovementEdit::SaveResult::Saved)
        return SerialResult::Make(SerialResult::InsertFailed);
    return r;
}

} // namespace

class tst_SerialCodes : public ArchiveTestCase {
    Q_OBJECT
private Q_SLOTS:
    void codeStory_data() { TestSupport::AddBackendRows(); }
    void codeStory();
    void whatCounts_data() { TestSupport::AddBackendRows(); }
    void whatCounts();
    void changeAndRemove_data() { TestSupport::AddBackendRows(); }
    void changeAndRemove();
};

#define EMPTIED(db)                                                                                \
    QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "Imei", "SottoMovimenti", "Movimenti", "Articoli")

// Load, sale, second sale, return, sale again, buy back: each move allowed only in its turn.
void tst_SerialCodes::codeStory() {
    EMPTIED(db);
    const int item = 1;
    using R = SerialResult;
    QCOMPARE(SerialKindFor(3), int(SerialKind::Unload));
    QCOMPARE(Move(*db, 1, item, {QStringLiteral("X1")}).text,
             QStringLiteral("In archivio il codice seriale X1 non è stato caricato!"));
    QCOMPARE(Move(*db, 2, item, {QStringLiteral("X1")}).text,
             QStringLiteral("In archivio il codice seriale X1 non è stato scaricato!"));
    QVERIFY(Move(*db, 0, item, {QStringLiteral("X1"), QStringLiteral("X2")}).ok());
    const R twice = Move(*db, 0, item, {QStringLiteral("X2")});
    QCOMPARE(twice.text, QStringLiteral("Il codice seriale X2 è già stato caricato!"));
    QCOMPARE(twice.icon, IPrompt::Icon::Information);
    // Loaded but not sold: nothing to take back.
    QCOMPARE(Move(*db, 2, item, {QStringLiteral("X1")}).code, R::NotUnloaded);
    // Codes compare exactly.
    QCOMPARE(Move(*db, 1, item, {QStringLiteral("x1")}).code, R::NotLoaded);
    QVERIFY(Move(*db, 3, item, {QStringLiteral("X1")}).ok());
    QCOMPARE(Move(*db, 1, item, {QStringLiteral("X1")}).text,
             QStringLiteral("Il codice seriale X1 è già stato scaricato!"));
    QVERIFY(Move(*db, 2, item, {QStringLiteral("X1")}).ok());
    QCOMPARE(Move(*db, 2, item, {QStringLiteral("X1")}).code, R::NotUnloaded);
    QVERIFY(Move(*db, 1, item, {QStringLiteral("X1")}).ok());
    // Sold again, it may come back as a purchase.
    QVERIFY(Move(*db, 0, item, {QStringLiteral("X1")}).ok());
    QCOMPARE(Count(*db, QStringLiteral("SELECT COUNT(*) FROM Imei")), 6);
}

// The open edit's rows count, pending rows of interrupted edits and unpointed codes do not.
void tst_SerialCodes::whatCounts() {
    EMPTIED(db);
    QVERIFY(db->execute(QStringLiteral("INSERT INTO SottoMovimenti (IDMovimento, IDArticolo, Qt) "
                                       "VALUES (0, 1, 1)")));
    const int stale = int(Count(*db, QStringLiteral("SELECT MAX(IDSottoMovimento) FROM "
                                                    "SottoMovimenti")));
    for (const auto& [row, code] : {std::pair{0, "ORFANO"}, {stale, "INTERROTTO"}})
        QVERIFY(db->execute(QStringLiteral("INSERT INTO Imei (IDSottoMovimento, CodImei, "
                                           "Scaricato) VALUES (?, ?, ?)"),
                            {row, QLatin1String(code), Record::BindBit(false, db->backend())}));
    QCOMPARE(Move(*db, 1, 1, {QStringLiteral("ORFANO")}).code, SerialResult::NotLoaded);
    QCOMPARE(Move(*db, 1, 1, {QStringLiteral("INTERROTTO")}).code, SerialResult::NotLoaded);
    QVERIFY(Move(*db, 0, 1, {QStringLiteral("ORFANO"), QStringLiteral("INTERROTTO")}).ok());

    // A second row of the same open load cannot take the first row's code again.
    MovementEdit edit(*db, 0);
    QVERIFY(edit.begin());
    QVERIFY(AddRow(*db, edit, 1, {QStringLiteral("N1")}).ok());
    QCOMPARE(AddRow(*db, edit, 1, {QStringLiteral("N1")}).code, SerialResult::AlreadyLoaded);
    QCOMPARE(SerialCodes(*db, 1, {}).check(QStringLiteral("N1")).code, SerialResult::NotLoaded);
    edit.cancel();
    QCOMPARE(Count(*db, QStringLiteral("SELECT COUNT(*) FROM Imei WHERE CodImei = 'N1'")), 0);

    QVERIFY(!PointSerialCodes(*db, {123456}, stale));
}

void tst_SerialCodes::changeAndRemove() {
    EMPTIED(db);
    QVERIFY(Move(*db, 0, 1, {QStringLiteral("A"), QStringLiteral("B")}).ok());
    QVERIFY(Move(*db, 1, 1, {QStringLiteral("A")}).ok());
    QVERIFY(Move(*db, 0, 1, {QStringLiteral("E")}).ok());
    const int load = int(Count(*db, QStringLiteral("SELECT MIN(IDMovimento) FROM Movimenti")));
    const int sale =
        int(Count(*db, QStringLiteral("SELECT MAX(IDMovimento) FROM Movimenti WHERE Tipo = 1")));

    MovementEdit edit(*db, 0);
    QVERIFY(edit.open(load));
    SerialCodes loads(*db, 0, edit.rowKeys());
    QList<SerialCode> codes;
    QVERIFY(loads.list(edit.rowKeys().value(0), &codes));
    QCOMPARE(codes.size(), 2);
    QCOMPARE(codes.at(0).code, QStringLiteral("A"));
    // The row's own code is left out of the check: keeping it, or a new one, is fine.
    QVERIFY(loads.change(codes.at(1).key, QStringLiteral("B")).ok());
    QCOMPARE(loads.change(codes.at(1).key, QStringLiteral("E")).code, SerialResult::AlreadyLoaded);
    QVERIFY(loads.change(codes.at(1).key, QStringLiteral("C")).ok());
    // A has been sold since: the load that brought it in must keep it.
    const SerialResult sold = loads.checkRemove(codes.at(0).key);
    QCOMPARE(sold.text, QStringLiteral("Codice seriale scaricato, impossibile cancellare!"));
    QCOMPARE(loads.change(codes.at(0).key, QStringLiteral("D")).code,
             SerialResult::UnloadedCannotChange);
    QVERIFY(loads.checkRemove(codes.at(1).key).ok());
    QVERIFY(loads.remove(codes.at(1).key).ok());
    QCOMPARE(loads.remove(codes.at(1).key).code, SerialResult::DeleteFailed);
    edit.cancel();

    // An unloaded code stays outside an unload; the unload itself may drop it.
    MovementEdit saleEdit(*db, 1);
    QVERIFY(saleEdit.open(sale));
    QVERIFY(SerialCodes(*db, 1, saleEdit.rowKeys()).list(saleEdit.rowKeys().value(0), &codes));
    QCOMPARE(codes.size(), 1);
    QVERIFY(codes.at(0).unloaded);
    QCOMPARE(SerialCodes(*db, 2, saleEdit.rowKeys()).checkRemove(codes.at(0).key).code,
             SerialResult::UnloadedCannotDelete);
    QVERIFY(SerialCodes(*db, 1, saleEdit.rowKeys()).checkRemove(codes.at(0).key).ok());
    saleEdit.cancel();
}

QTEST_MAIN(tst_SerialCodes)
#include "tst_SerialCodes.moc"
