// label: db
#include "agenda/AgendaStore.h"
#include "store/Database.h"
#include "store/DbError.h"

#include "ArchiveTestCase.h"

#include <QSqlQuery>
#include <QTest>

class tst_AgendaStore : public ArchiveTestCase {
    Q_OBJECT
private Q_SLOTS:
    void roundTrip_data() { TestSupport::AddBackendRows(); }
    void roundTrip();
    void dayLoadOverlaps_data() { TestSupport::AddBackendRows(); }
    void dayLoadOverlaps();
    void spanIndexServesTheQuery_data() { TestSupport::AddBackendRows(); }
    void spanIndexServesTheQuery();
    void monthDays_data() { TestSupport::AddBackendRows(); }
    void monthDays();
};

namespace {

QDateTime At(int y, int mo, int d, int h, int mi, int s = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
}

qint32 Add(AgendaStore& store, const QDateTime& start, const QDateTime& end,
           const QString& subject) {
    ScadenzeRecord r;
    r.DataInit = start;
    r.DataEnd = end;
    r.Oggetto = subject;
    r.Descrizione = subject + QStringLiteral(" - descrizione");
    r.Tipo = 1;
    return store.insert(r) ? r.IDScadenza : 0;
}

QStringList Subjects(const std::vector<ScadenzeRecord>& entries) {
    QStringList out;
    for (const ScadenzeRecord& r : entries)
        out << r.Oggetto;
    return out;
}

} // namespace

void tst_AgendaStore::roundTrip() {
    QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "Scadenze");
    AgendaStore store(*db);
    ScadenzeRecord r;
    r.DataInit = At(2024, 5, 6, 9, 0);
    r.DataEnd = At(2024, 5, 6, 10, 30);
    r.Oggetto = QStringLiteral("Riunione con l'O'Brien; DROP");
    r.Descrizione = QStringLiteral("Sala 2 – caffè");
    r.Tipo = 2;
    QVERIFY2(store.insert(r), qPrintable(db->errorText()));
    QVERIFY(r.IDScadenza > 0);

    ScadenzeRecord read;
    QVERIFY2(store.load(r.IDScadenza, read), qPrintable(db->errorText()));
    QCOMPARE(read.DataInit, r.DataInit);
    QCOMPARE(read.DataEnd, r.DataEnd);
    QCOMPARE(read.Oggetto, r.Oggetto);
    QCOMPARE(read.Descrizione, r.Descrizione);
    QCOMPARE(read.Tipo, std::optional<qint32>(2));

    read.DataEnd = At(2024, 5, 7, 11, 0);
    read.Oggetto = QStringLiteral("Spostata");
    QVERIFY2(store.update(read), qPrintable(db->errorText()));
    ScadenzeRecord again;
    QVERIFY(store.load(r.IDScadenza, again));
    QCOMPARE(again.DataEnd, At(2024, 5, 7, 11, 0));
    QCOMPARE(again.Oggetto, QStringLiteral("Spostata"));

    // Another computer deleted it: the update fails and says so.
    QVERIFY(store.remove(r.IDScadenza));
    QVERIFY(!store.load(r.IDScadenza, again));
    QVERIFY(IsMissingRow(db->lastError()));
    QVERIFY(!store.update(read));
    QVERIFY(IsMissingRow(db->lastError()));

    // Nothing is left open: a write straight after goes through.
    QVERIFY(Add(store, At(2024, 5, 8, 9, 0), At(2024, 5, 8, 9, 30), QStringLiteral("dopo")) > 0);
}

void tst_AgendaStore::dayLoadOverlaps() {
    QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "Scadenze");
    AgendaStore store(*db);
    QVERIFY(Add(store, At(2024, 5, 6, 23, 30), At(2024, 5, 7, 0, 30), QStringLiteral("notte")));
    QVERIFY(Add(store, At(2024, 5, 6, 9, 0), At(2024, 5, 10, 17, 0), QStringLiteral("settimana")));
    QVERIFY(Add(store, At(2024, 5, 7, 9, 0), At(2024, 5, 7, 9, 30), QStringLiteral("b")));
    QVERIFY(Add(store, At(2024, 5, 7, 9, 0), At(2024, 5, 7, 10, 0), QStringLiteral("c")));
    // Ends at the midnight that opens the 8th: not on the 8th.
    QVERIFY(Add(store, At(2024, 5, 7, 23, 0), At(2024, 5, 8, 0, 0), QStringLiteral("mezzanotte")));
    QVERIFY(Add(store, At(2024, 5, 11, 9, 0), At(2024, 5, 11, 10, 0), QStringLiteral("sabato")));

    std::vector<ScadenzeRecord> entries;
    QVERIFY2(store.loadDay(QDate(2024, 5, 6), &entries), qPrintable(db->errorText()));
    QCOMPARE(Subjects(entries), QStringList({"settimana", "notte"}));
    QVERIFY(store.loadDay(QDate(2024, 5, 7), &entries));
    // By start, then by key.
    QCOMPARE(Subjects(entries), QStringList({"settimana", "notte", "b", "c", "mezzanotte"}));
    for (int d = 8; d <= 10; ++d) {
        QVERIFY(store.loadDay(QDate(2024, 5, d), &entries));
        QCOMPARE(Subjects(entries), QStringList({"settimana"}));
    }
    QVERIFY(store.loadDay(QDate(2024, 5, 5), &entries));
    QVERIFY(entries.empty());
    QVERIFY(store.loadDay(QDate(2024, 5, 11), &entries));
    QCOMPARE(Subjects(entries), QStringList({"sabato"}));

    // The day query looks back only as far as the longest entry: one lasting more than a year
    // still shows, on its days only, and so do the calendar's days.
    QVERIFY(Add(store, At(2023, 3, 1, 8, 0), At(2024, 5, 11, 12, 0), QStringLiteral("lunga")));
    QVERIFY(store.loadDay(QDate(2024, 5, 11), &entries));
    QCOMPARE(Subjects(entries), QStringList({"lunga", "sabato"}));
    QVERIFY(store.loadDay(QDate(2024, 5, 12), &entries));
    QVERIFY(entries.empty());
    QVERIFY(store.loadDay(QDate(2023, 3, 1), &entries));
    QCOMPARE(Subjects(entries), QStringList({"lunga"}));
    QVERIFY(store.loadDay(QDate(2023, 2, 28), &entries));
    QVERIFY(entries.empty());
    std::set<QDate> days;
    QVERIFY(store.daysWithEntries(QDate(2024, 1, 1), QDate(2024, 1, 31), &days));
    QCOMPARE(int(days.size()), 31);
}

void tst_AgendaStore::spanIndexServesTheQuery() {
    QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "Scadenze");
    // The longest entry is read from an index of its own, on both back ends.
    QSqlQuery q;
    const QString sql = db->isPostgres()
                            ? QStringLiteral("SELECT COUNT(*) FROM pg_indexes WHERE indexname = "
                                             "'ix_scadenze_durata'")
                            : QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name = "
                                             "'IX_Scadenze_Durata'");
    QVERIFY(db->query(q, sql) && q.next());
    QCOMPARE(q.value(0).toInt(), 1);
    q.finish();
    if (!db->isPostgres()) {
        QVERIFY(db->query(q, QStringLiteral("EXPLAIN QUERY PLAN SELECT MAX(julianday(DataEnd) - "
                                            "julianday(DataInit)) FROM Scadenze")));
        QString plan;
        while (q.next())
            plan += q.value(3).toString();
        QVERIFY2(plan.contains(QStringLiteral("IX_Scadenze_Durata")), qPrintable(plan));
    }
}

void tst_AgendaStore::monthDays() {
    QUARZIL_FETCH_EMPTIED_ARCHIVE(m_archives, db, "Scadenze");
    AgendaStore store(*db);
    QVERIFY(Add(store, At(2024, 4, 29, 9, 0), At(2024, 5, 2, 10, 0), QStringLiteral("a")));
    QVERIFY(Add(store, At(2024, 5, 15, 23, 30), At(2024, 5, 16, 0, 30), QStringLiteral("b")));
    QVERIFY(Add(store, At(2024, 5, 20, 8, 0), At(2024, 5, 21, 0, 0), QStringLiteral("c")));
    QVERIFY(Add(store, At(2024, 5, 31, 22, 0), At(2024, 6, 3, 1, 0), QStringLiteral("d")));
    QVERIFY(Add(store, At(2024, 6, 10, 9, 0), At(2024, 6, 10, 10, 0), QStringLiteral("e")));

    std::set<QDate> days;
    QVERIFY2(store.daysWithEntries(QDate(2024, 5, 1), QDate(2024, 5, 31), &days),
             qPrintable(db->errorText()));
    const std::set<QDate> may{QDate(2024, 5, 1),  QDate(2024, 5, 2),  QDate(2024, 5, 15),
                              QDate(2024, 5, 16), QDate(2024, 5, 20), QDate(2024, 5, 31)};
    QCOMPARE(days, may);
    QVERIFY(store.daysWithEntries(QDate(2024, 6, 1), QDate(2024, 6, 30), &days));
    const std::set<QDate> june{QDate(2024, 6, 1), QDate(2024, 6, 2), QDate(2024, 6, 3),
                               QDate(2024, 6, 10)};
    QCOMPARE(days, june);
    QVERIFY(store.daysWithEntries(QDate(2024, 7, 1), QDate(2024, 7, 31), &days));
    QVERIFY(days.empty());
}

QTEST_GUILESS_MAIN(tst_AgendaStore)
#include "tst_AgendaStore.moc"
