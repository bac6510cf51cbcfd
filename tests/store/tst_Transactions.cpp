// label: db
#include "TestSupport.h"
#include "store/Savepoint.h"
#include "store/TransactionGuard.h"

#include <QSqlQuery>
#include <QTest>
#include <map>
#include <memory>

namespace {

const QStringList kBackends = {QStringLiteral("sqlite"), QStringLiteral("postgres")};

bool addGroup(Database& db, const QString& name) {
    return db.execute(QStringLiteral("INSERT INTO Gruppi (Gruppo) VALUES (?)"), {name});
}

// Rows named so as seen through a connection; -1 when the query fails.
int groups(Database& db, const QString& name) {
    QSqlQuery q;
    if (!db.query(q, QStringLiteral("SELECT COUNT(*) FROM Gruppi WHERE Gruppo = ?"), {name}) ||
        !q.next())
        return -1;
    return q.value(0).toInt();
}

} // namespace

class tst_Transactions : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanupTestCase() { m_archives.clear(); }

    void innerGuardLeavesOuterTransactionAlone_data();
    void innerGuardLeavesOuterTransactionAlone();
    void guardWithoutCommitRollsBack_data() { TestSupport::AddBackendRows(); }
    void guardWithoutCommitRollsBack();
    void committedDataIsVisibleToOtherConnections_data() { TestSupport::AddBackendRows(); }
    void committedDataIsVisibleToOtherConnections();
    void connectionRecoversAfterFailedStatement_data() { TestSupport::AddBackendRows(); }
    void connectionRecoversAfterFailedStatement();
    void closeDiscardsOpenTransaction_data() { TestSupport::AddBackendRows(); }
    void closeDiscardsOpenTransaction();
    void guardOnClosedDatabaseIsInactive();
    void savepointsUndoOnlyTheirOwnWrites_data() { TestSupport::AddBackendRows(); }
    void savepointsUndoOnlyTheirOwnWrites();

private:
    Database* archive(const QString& backend) { return m_archives.get(backend); }
    QByteArray archiveError(const QString& backend) { return m_archives.error(backend); }

    TestSupport::ArchivePool m_archives;
};

void tst_Transactions::innerGuardLeavesOuterTransactionAlone_data() {
    QTest::addColumn<QString>("backend");
    QTest::addColumn<bool>("innerCommits");
    QTest::addColumn<bool>("outerCommits");
    for (const QString& b : kBackends) {
        for (bool inner : {true, false}) {
            for (bool outer : {true, false}) {
                QTest::addRow("%s/inner %s/outer %s", qPrintable(b),
                              inner ? "commits" : "abandoned", outer ? "commits" : "rolls back")
                    << b << inner << outer;
            }
        }
    }
}

void tst_Transactions::innerGuardLeavesOuterTransactionAlone() {
    QFETCH(QString, backend);
    QFETCH(bool, innerCommits);
    QFETCH(bool, outerCommits);
    Database* db = archive(backend);
    QVERIFY2(db, archiveError(backend));
    const QString outerRow = TestSupport::UniqueName(QStringLiteral("outer"));
    const QString innerRow = TestSupport::UniqueName(QStringLiteral("inner"));

    {
        TransactionGuard outer(*db);
        QVERIFY(outer.isActive() && outer.ownsTransaction());
        QVERIFY(addGroup(*db, outerRow));
        {
            TransactionGuard inner(*db);
            QVERIFY(inner.isActive());
            QVERIFY(!inner.ownsTransaction());
            QVERIFY(addGroup(*db, innerRow));
            if (innerCommits)
                QVERIFY(inner.commit());
        }
        QVERIFY(db->inTransaction());
        // The outer transaction is still open: the rows are there for it.
        QCOMPARE(groups(*db, innerRow), 1);
        if (outerCommits)
            QVERIFY2(outer.commit(), qPrintable(db->errorText()));
        else
            outer.rollback();
        QVERIFY(!db->inTransaction());
    }
    QCOMPARE(groups(*db, outerRow), outerCommits ? 1 : 0);
    QCOMPARE(groups(*db, innerRow), outerCommits ? 1 : 0);
}

void tst_Transactions::guardWithoutCommitRollsBack() {
    QFETCH(QString, backend);
    Database* db = archive(backend);
    QVERIFY2(db, archiveError(backend));
    const QString name = TestSupport::UniqueName(QStringLiteral("abandoned"));

    {
        TransactionGuard guard(*db);
        QVERIFY(guard.isActive());
        QVERIFY(addGroup(*db, name));
        QCOMPARE(groups(*db, name), 1);
    }
    QVERIFY(!db->inTransaction());
    QCOMPARE(groups(*db, name), 0);

    // A rolled-back guard frees the connection for the next one.
    TransactionGuard next(*db);
    QVERIFY(next.ownsTransaction());
    QVERIFY(addGroup(*db, name));
    QVERIFY(next.commit());
    QCOMPARE(groups(*db, name), 1);
}

void tst_Transactions::committedDataIsVisibleToOtherConnections() {
    QFETCH(QString, backend);
    Database* db = archive(backend);
    QVERIFY2(db, archiveError(backend));
    Database second(TestSupport::UniqueName(QStringLiteral("second_")));
    QVERIFY2(second.open(m_archives.connectionString(backend)), qPrintable(second.errorText()));
    Database clone(TestSupport::UniqueName(QStringLiteral("clone_")));
    QVERIFY2(clone.openClone(*db), qPrintable(clone.errorText()));
    QCOMPARE(clone.backend(), db->backend());
    const QString name = TestSupport::UniqueName(QStringLiteral("shared"));

    TransactionGuard guard(*db);
    QVERIFY(addGroup(*db, name));
    QCOMPARE(groups(second, name), 0);
    QCOMPARE(groups(clone, name), 0);
    QVERIFY2(guard.commit(), qPrintable(db->errorText()));
    QCOMPARE(groups(second, name), 1);
    QCOMPARE(groups(clone, name), 1);

    // And the other way round: the clone's own transaction reaches the main connection.
    const QString fromClone = TestSupport::UniqueName(QStringLiteral("clone"));
    {
        TransactionGuard cloneGuard(clone);
        QVERIFY(addGroup(clone, fromClone));
        QVERIFY2(cloneGuard.commit(), qPrintable(clone.errorText()));
    }
    QCOMPARE(groups(*db, fromClone), 1);
}

void tst_Transactions::connectionRecoversAfterFailedStatement() {
    QFETCH(QString, backend);
    Database* db = archive(backend);
    QVERIFY2(db, archiveError(backend));
    const QString before = TestSupport::UniqueName(QStringLiteral("before"));
    const QString after = TestSupport::UniqueName(QStringLiteral("after"));

    {
        TransactionGuard guard(*db);
        QVERIFY(addGroup(*db, before));
        QVERIFY(!db->execute(QStringLiteral("INSERT INTO NoSuchTable (x) VALUES (1)")));
        QVERIFY(db->lastError().isValid());
        guard.rollback();
    }
    QVERIFY(!db->inTransaction());
    QCOMPARE(groups(*db, before), 0);

    TransactionGuard guard(*db);
    QVERIFY2(guard.ownsTransaction(), qPrintable(db->errorText()));
    QVERIFY2(addGroup(*db, after), qPrintable(db->errorText()));
    QVERIFY2(guard.commit(), qPrintable(db->errorText()));
    QCOMPARE(groups(*db, after), 1);
}

void tst_Transactions::closeDiscardsOpenTransaction() {
    QFETCH(QString, backend);
    Database* db = archive(backend);
    QVERIFY2(db, archiveError(backend));
    const QString name = TestSupport::UniqueName(QStringLiteral("unfinished"));

    QVERIFY(db->beginTransaction());
    QVERIFY(!db->beginTransaction()); // one at a time
    QVERIFY(addGroup(*db, name));
    db->close();
    QVERIFY(!db->inTransaction());
    QVERIFY2(db->open(m_archives.connectionString(backend)), qPrintable(db->errorText()));
    QCOMPARE(groups(*db, name), 0);
}

void tst_Transactions::guardOnClosedDatabaseIsInactive() {
    Database closed(TestSupport::UniqueName(QStringLiteral("closed_")));
    TransactionGuard guard(closed);
    QVERIFY(!guard.isActive());
    QVERIFY(!guard.ownsTransaction());
    QVERIFY(!guard.commit());
    QVERIFY(!closed.inTransaction());
}

void tst_Transactions::savepointsUndoOnlyTheirOwnWrites() {
    QFETCH(QString, backend);
    Database* db = archive(backend);
    QVERIFY2(db, archiveError(backend));
    QVERIFY(!Savepoint(*db).isActive()); // no transaction to mark
    const QString before = TestSupport::UniqueName(QStringLiteral("before"));
    const QString undone = TestSupport::UniqueName(QStringLiteral("undone"));
    const QString kept = TestSupport::UniqueName(QStringLiteral("kept"));
    const QString nested = TestSupport::UniqueName(QStringLiteral("nested"));
    const QString after = TestSupport::UniqueName(QStringLiteral("after"));

    TransactionGuard guard(*db);
    QVERIFY(addGroup(*db, before));
    {
        // Left without release: undone, failed statement included (PostgreSQL would otherwise
        // refuse everything until the transaction ends).
        Savepoint point(*db);
        QVERIFY2(point.isActive(), qPrintable(db->errorText()));
        QVERIFY(addGroup(*db, undone));
        QVERIFY(!db->execute(QStringLiteral("INSERT INTO NoSuchTable (x) VALUES (1)")));
    }
    QCOMPARE(groups(*db, undone), 0);
    QCOMPARE(groups(*db, before), 1);
    {
        Savepoint outer(*db);
        QVERIFY(addGroup(*db, kept));
        {
            Savepoint inner(*db);
            QVERIFY(inner.isActive() && inner.name() != outer.name());
            QVERIFY(addGroup(*db, nested));
            QVERIFY(inner.release());
        }
        Savepoint dropped(*db);
        QVERIFY(addGroup(*db, undone));
        dropped.rollback();
        QVERIFY(!dropped.release()); // already ended
        QVERIFY(outer.release());
    }
    QVERIFY(db->inTransaction());
    QVERIFY2(addGroup(*db, after), qPrintable(db->errorText()));
    QVERIFY2(guard.commit(), qPrintable(db->errorText()));
    for (const QString& name : {before, kept, nested, after})
        QCOMPARE(groups(*db, name), 1);
    QCOMPARE(groups(*db, undone), 0);

    // An outer savepoint rolled back takes a released inner one with it.
    TransactionGuard second(*db);
    {
        Savepoint outer(*db);
        Savepoint inner(*db);
        QVERIFY(addGroup(*db, nested + QStringLiteral("2")));
        QVERIFY(inner.release());
        outer.rollback();
    }
    QCOMPARE(groups(*db, nested + QStringLiteral("2")), 0);
    second.rollback();
}

QTEST_MAIN(tst_Transactions)
#include "tst_Transactions.moc"
