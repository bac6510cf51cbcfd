// label: db
#include "counterparts/AnaListModel.h"
#include "counterparts/CounterpartStore.h"
#include "store/Database.h"
#include "store/TextOrder.h"

#include "TestSupport.h"

#include <QSqlQuery>
#include <QTest>

class tst_CounterpartCore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void proposal_data();
    void proposal();
    void completionQueries_data() { TestSupport::AddBackendRows(); }
    void completionQueries();
    void saveAndLoad_data() { TestSupport::AddBackendRows(); }
    void saveAndLoad();
    void duplicateCount_data() { TestSupport::AddBackendRows(); }
    void duplicateCount();

private:
    TestSupport::ArchivePool m_archives;
};

#define ARCHIVE(db)                                                                                \
    QUARZIL_FETCH_ARCHIVE(m_archives, db);                                                         \
    QVERIFY2(db->execute(QStringLiteral("DELETE FROM CliFor")), qPrintable(db->errorText()))

namespace {
bool AddCodes(Database& db, const QStringList& codes) {
    CounterpartStore store(db);
    for (const QString& code : codes) {
        CliForRecord r = CounterpartStore::NewRecord(CounterpartStore::Kind::Customer);
        r.Codice = code;
        r.RagSoc = QStringLiteral("Ditta ") + code;
        if (!store.save(r) || r.IDCliFor <= 0)
            return false;
    }
    return true;
}

// The stored value of one column, as the driver returns it.
QVariant Column(Database& db, qint32 id, const char* column) {
    QSqlQuery q;
    if (!db.query(
            q,
            QStringLiteral("SELECT %1 FROM CliFor WHERE IDCliFor = ?").arg(QLatin1String(column)),
            {id}) ||
        !q.next())
        return QStringLiteral("<missing>");
    return q.value(0);
}
} // namespace

void tst_CounterpartCore::proposal_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("greatest");
    QTest::addColumn<QString>("proposal");
    QTest::newRow("count plus one") << "C" << 3 << "C003"
                                    << "C004";
    QTest::newRow("count, not highest") << "C" << 2 << "C005"
                                        << "C003";
    QTest::newRow("number longer than code") << "A" << 9 << "AB"
                                             << "AB10";
    QTest::newRow("leading zero completes") << "0" << 1 << "0001"
                                            << "0002";
    QTest::newRow("leading digit") << "1" << 1 << "1001"
                                   << "";
    QTest::newRow("leading nine") << "9A" << 1 << "9A01"
                                  << "";
    QTest::newRow("already as long") << "C003" << 1 << "C003"
                                     << "";
    QTest::newRow("no codes") << "C" << 0 << ""
                              << "";
    QTest::newRow("empty") << "" << 3 << "C003"
                           << "";
    // Only ever an addition to what was typed or scanned.
    QTest::newRow("would change a typed digit") << "ART00" << 9 << "ART009"
                                                << "";
    QTest::newRow("the codes' case") << "art" << 9 << "ART009"
                                     << "ART010";
    QTest::newRow("wildcard typed") << "*00" << 4 << "C003"
                                    << "";
}

void tst_CounterpartCore::proposal() {
    QFETCH(QString, typed);
    QFETCH(int, count);
    QFETCH(QString, greatest);
    QFETCH(QString, proposal);
    QCOMPARE(CounterpartStore::ProposeCode(typed, count, greatest), proposal);
}

void tst_CounterpartCore::completionQueries() {
    ARCHIVE(db);
    CounterpartStore store(*db);
    QVERIFY(AddCodes(*db, {"C001", "C002", "C003", "F01", "1001", "X'9"}));
    QCOMPARE(store.completeCode(QStringLiteral("C")), QStringLiteral("C004"));
    QCOMPARE(store.completeCode(QStringLiteral("C0")), QStringLiteral("C004"));
    // "*" is a wildcard, but a proposal never replaces what was typed: none with one typed.
    QCOMPARE(store.completeCode(QStringLiteral("C*")), QString());
    QCOMPARE(store.completeCode(QStringLiteral("*00")), QString());
    QCOMPARE(store.completeCode(QStringLiteral("1")), QString());
    QCOMPARE(store.completeCode(QStringLiteral("Z")), QString());
    QCOMPARE(store.completeCode(QStringLiteral("X'")), QStringLiteral("X'2"));

    QVERIFY(db->execute(QStringLiteral("DELETE FROM CliFor")));
    QVERIFY(AddCodes(*db, {"C001", "C005"}));
    QCOMPARE(store.completeCode(QStringLiteral("C")), QStringLiteral("C003"));

    // Case does not count, in the count nor in the greatest code; "_" and "%" are characters.
    QVERIFY(db->execute(QStringLiteral("DELETE FROM CliFor")));
    QVERIFY(AddCodes(*db, {"èl_01", "ÈL_02", "ELX03", "A%B1", "AXB2"}));
    QCOMPARE(store.completeCode(QStringLiteral("ÈL")), QStringLiteral("ÈL_03"));
    QCOMPARE(store.completeCode(QStringLiteral("èl_")), QStringLiteral("ÈL_03"));
    QCOMPARE(store.completeCode(QStringLiteral("el")), QStringLiteral("ELX02"));
    QCOMPARE(store.completeCode(QStringLiteral("A%")), QStringLiteral("A%B2"));
}

void tst_CounterpartCore::saveAndLoad() {
    ARCHIVE(db);
    CounterpartStore store(*db);
    const QString hostile = QStringLiteral("O'Brien\"; DROP TABLE CliFor; -- %_*\\ è€😀");
    CliForRecord r = CounterpartStore::NewRecord(CounterpartStore::Kind::Worker);
    r.Codice = hostile;
    r.RagSoc = hostile;
    r.Notes = hostile + QStringLiteral("\nseconda riga");
    r.Sconto = 0.1f;
    QVERIFY2(store.save(r), qPrintable(db->errorText()));
    QVERIFY(r.IDCliFor > 0);

    CliForRecord back;
    QVERIFY(store.load(r.IDCliFor, back));
    QCOMPARE(back.RagSoc, hostile);
    QCOMPARE(back.Codice, hostile.left(20));
    QCOMPARE(back.Notes, r.Notes);
    QVERIFY(qFuzzyCompare(back.Sconto.value_or(0), 0.1f));
    QCOMPARE(CounterpartStore::KindOf(back), CounterpartStore::Kind::Worker);
    // Empty texts are NULL, not empty strings.
    QVERIFY(Column(*db, r.IDCliFor, "EMail").isNull());

    // An edit rewrites the same row and keeps the kind; a discount of 0 or less is NULL.
    back.Sconto = 0.0f;
    back.EMail = QStringLiteral("a@b.it");
    QVERIFY(store.save(back));
    QVERIFY(Column(*db, r.IDCliFor, "Sconto").isNull());
    back.Sconto = -0.05f;
    QVERIFY(store.save(back));
    QVERIFY(Column(*db, r.IDCliFor, "Sconto").isNull());
    QCOMPARE(Column(*db, r.IDCliFor, "EMail").toString(), QStringLiteral("a@b.it"));
    QSqlQuery q;
    QVERIFY(db->query(q, QStringLiteral("SELECT COUNT(*) FROM CliFor")) && q.next());
    QCOMPARE(q.value(0).toInt(), 1);
    CliForRecord again;
    QVERIFY(store.load(r.IDCliFor, again));
    QCOMPARE(CounterpartStore::KindOf(again), CounterpartStore::Kind::Worker);
    QVERIFY(!store.load(r.IDCliFor + 1000, again));
}

void tst_CounterpartCore::duplicateCount() {
    ARCHIVE(db);
    CounterpartStore store(*db);
    QVERIFY(AddCodes(*db, {"C001", "D'01"}));
    QCOMPARE(store.codeCount(QStringLiteral("C001")), std::optional<int>(1));
    QCOMPARE(store.codeCount(QStringLiteral("D'01")), std::optional<int>(1));
    QCOMPARE(store.codeCount(QStringLiteral("C00")), std::optional<int>(0));
    QCOMPARE(store.codeCount(QStringLiteral("C00%")), std::optional<int>(0));
    QCOMPARE(store.codeCount(QString()), std::optional<int>(0));
    // Without regard to case, accented letters' too; accents themselves count.
    QVERIFY(AddCodes(*db, {"èl01", "el02"}));
    QCOMPARE(store.codeCount(QStringLiteral("c001")), std::optional<int>(1));
    QCOMPARE(store.codeCount(QStringLiteral("d'01")), std::optional<int>(1));
    QCOMPARE(store.codeCount(QStringLiteral("ÈL01")), std::optional<int>(1));
    QCOMPARE(store.codeCount(QStringLiteral("EL01")), std::optional<int>(0));
    QCOMPARE(store.codeCount(QStringLiteral("ÈL02")), std::optional<int>(0));
    // The look-up reads the code index, and the list's order its name index.
    QString plan = TestSupport::QueryPlan(
        *db, QStringLiteral("SELECT IDCliFor, Codice FROM CliFor WHERE %1 BETWEEN 'c' AND 'C'")
                 .arg(TextOrder::Term(db->backend(), QStringLiteral("Codice"))));
    QVERIFY2(plan.contains(QStringLiteral("ix_clifor_codice_alfa"), Qt::CaseInsensitive),
             qPrintable(plan));
    for (int filter : {1, 4}) {
        plan =
            TestSupport::QueryPlan(*db, AnaListModel::KeySql(db->backend(), filter)
                                            .replace(QStringLiteral("> ?"), QStringLiteral("> 0")));
        QVERIFY2(plan.contains(QStringLiteral("ix_clifor_ragsoc_alfa"), Qt::CaseInsensitive) &&
                     !plan.contains(QStringLiteral("TEMP B-TREE")) &&
                     !plan.contains(QStringLiteral("Sort")),
                 qPrintable(plan));
    }
}

QTEST_MAIN(tst_CounterpartCore)
#include "tst_CounterpartCore.moc"
