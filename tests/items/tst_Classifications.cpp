// label: db
#include "TestSupport.h"
#include "items/Classifications.h"
#include "items/UnitsOfMeasure.h"

#include <QSqlQuery>
#include <QTest>

namespace {

using Classifications::Table;
using Result = UnitsOfMeasure::Result;

QVariant nameOf(Database& db, Table table, int key) {
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                      .arg(Classifications::NameColumn(table), Classifications::TableName(table),
                           Classifications::KeyColumn(table)),
                  {key}) ||
        !q.next())
        return QVariant();
    return q.value(0);
}

int addItem(Database& db, const QString& column, int key) {
    QSqlQuery q;
    if (!db.query(q,
                  QStringLiteral("INSERT INTO Articoli (Matricola, %1) VALUES (?, ?) "
                                 "RETURNING IDArticolo")
                      .arg(column),
                  {TestSupport::UniqueName(QStringLiteral("M")), key}) ||
        !q.next())
        return -1;
    return q.value(0).toInt();
}

const Table kTables[] = {Table::Categorie, Table::Reparti, Table::Scaffali, Table::Gruppi};

} // namespace

class tst_Classifications : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanupTestCase() { m_archives.clear(); }

    void createByName_data() { TestSupport::AddBackendRows(); }
    void createByName();
    void deleteUnused_data() { TestSupport::AddBackendRows(); }
    void deleteUnused();
    void renameStoresTextAsTyped_data() { TestSupport::AddBackendRows(); }
    void renameStoresTextAsTyped();
    void unitInsertAndSave_data() { TestSupport::AddBackendRows(); }
    void unitInsertAndSave();
    void unitDeleteRefusedWhenUsed_data() { TestSupport::AddBackendRows(); }
    void unitDeleteRefusedWhenUsed();

private:
    TestSupport::ArchivePool m_archives;
};

#define ARCHIVE(db) QUARZIL_FETCH_ARCHIVE(m_archives, db)

void tst_Classifications::createByName() {
    ARCHIVE(db);
    for (Table t : kTables) {
        const QString table = Classifications::TableName(t);
        const int key = Classifications::CreateByName(*db, t, QStringLiteral("Ferramenta"));
        QVERIFY2(key > 0, qPrintable(table + db->errorText()));
        QCOMPARE(Classifications::CreateByName(*db, t, QStringLiteral("Ferramenta")), key);
        // Names are compared without regard to case, accented letters' too; accents count.
        QCOMPARE(Classifications::CreateByName(*db, t, QStringLiteral("FERRAMENTA")), key);
        const int accented = Classifications::CreateByName(*db, t, QStringLiteral("Èlite X"));
        QVERIFY(accented > 0);
        QCOMPARE(Classifications::CreateByName(*db, t, QStringLiteral("èlite x")), accented);
        const int plain = Classifications::CreateByName(*db, t, QStringLiteral("elite x"));
        QVERIFY(plain > 0 && plain != accented);
        QCOMPARE(nameOf(*db, t, accented).toString(), QStringLiteral("Èlite X"));

        const QString longName(45, u'x');
        const int cut = Classifications::CreateByName(*db, t, longName);
        QVERIFY(cut > 0);
        QCOMPARE(nameOf(*db, t, cut).toString(), longName.left(Classifications::NameWidth(t)));
        QCOMPARE(Classifications::CreateByName(*db, t, longName), cut);

        const QString hostile = QStringLiteral("a'); DROP TABLE Articoli; --");
        const int h = Classifications::CreateByName(*db, t, hostile);
        QVERIFY(h > 0);
        QCOMPARE(nameOf(*db, t, h).toString(), hostile.left(Classifications::NameWidth(t)));
        QCOMPARE(Classifications::CreateByName(*db, t, QString()), 0);

        QList<Classifications::Entry> entries;
        QVERIFY(Classifications::List(*db, t, &entries));
        QStringList names;
        for (const auto& e : entries)
            names << e.name;
        QVERIFY(names.contains(QStringLiteral("Ferramenta")));
        QVERIFY2(std::is_sorted(names.begin(), names.end()), qPrintable(names.join(u',')));
    }
    QVERIFY(db->execute(QStringLiteral("SELECT COUNT(*) FROM Articoli")));
}

void tst_Classifications::deleteUnused() {
    ARCHIVE(db);
    for (Table t : kTables) {
        const int unused = Classifications::CreateByName(*db, t, QStringLiteral("Vuota"));
        const int used = Classifications::CreateByName(*db, t, QStringLiteral("Usata"));
        QVERIFY(unused > 0 && used > 0);
        QVERIFY(addItem(*db, Classifications::ItemColumn(t), used) > 0);
        QVERIFY(Classifications::DeleteUnused(*db, t) >= 1);
        QVERIFY(nameOf(*db, t, unused).isNull());
        QCOMPARE(nameOf(*db, t, used).toString(), QStringLiteral("Usata"));
        QCOMPARE(Classifications::DeleteUnused(*db, t), 0);
    }
}

void tst_Classifications::renameStoresTextAsTyped() {
    ARCHIVE(db);
    for (Table t : kTables) {
        const int key = Classifications::CreateByName(*db, t, QStringLiteral("Prima"));
        QVERIFY(Classifications::Rename(*db, t, key, QStringLiteral("Dell'Orto \"B\"")));
        QCOMPARE(nameOf(*db, t, key).toString(), QStringLiteral("Dell'Orto \"B\""));
        QVERIFY(!Classifications::Rename(*db, t, key, QString()));
        QVERIFY(!Classifications::Rename(*db, t, 987654, QStringLiteral("Nessuna")));
        QCOMPARE(nameOf(*db, t, key).toString(), QStringLiteral("Dell'Orto \"B\""));
    }
}

void tst_Classifications::unitInsertAndSave() {
    ARCHIVE(db);
    UnitsOfMeasure::Unit blank{0, QStringLiteral("   "), QStringLiteral("Niente")};
    QCOMPARE(UnitsOfMeasure::Insert(*db, blank), Result::EmptySigla);

    UnitsOfMeasure::Unit unit{0, QStringLiteral("Bottiglia"),
                              QStringLiteral("L'unità di vetro da 75 cl")};
    QCOMPARE(UnitsOfMeasure::Insert(*db, unit), Result::Ok);
    QVERIFY(unit.id > 0);
    QCOMPARE(unit.sigla, QStringLiteral("Botti"));
    QCOMPARE(unit.descrizione, QStringLiteral("L'unità di vetro da "));

    UnitsOfMeasure::Unit unselected{0, QStringLiteral("Bt"), QString()};
    QCOMPARE(UnitsOfMeasure::Save(*db, unselected), Result::NotSelected);
    unit.sigla = QString();
    QCOMPARE(UnitsOfMeasure::Save(*db, unit), Result::EmptySigla);
    unit.sigla = QStringLiteral("Bt");
    QCOMPARE(UnitsOfMeasure::Save(*db, unit), Result::Ok);
    UnitsOfMeasure::Unit gone{987654, QStringLiteral("Xx"), QString()};
    QCOMPARE(UnitsOfMeasure::Save(*db, gone), Result::Failed);

    QList<UnitsOfMeasure::Unit> units;
    QVERIFY(UnitsOfMeasure::List(*db, &units));
    QStringList siglas;
    for (const auto& u : units)
        siglas << u.sigla;
    QVERIFY(siglas.contains(QStringLiteral("Bt")) && siglas.contains(QStringLiteral("Pz")));
    QVERIFY2(std::is_sorted(siglas.begin(), siglas.end()), qPrintable(siglas.join(u',')));
}

void tst_Classifications::unitDeleteRefusedWhenUsed() {
    ARCHIVE(db);
    UnitsOfMeasure::Unit byItem{0, QStringLiteral("Ui"), QString()};
    UnitsOfMeasure::Unit byRow{0, QStringLiteral("Ur"), QString()};
    UnitsOfMeasure::Unit byOrder{0, QStringLiteral("Uo"), QString()};
    UnitsOfMeasure::Unit unused{0, QStringLiteral("Uu"), QString()};
    for (UnitsOfMeasure::Unit* u : {&byItem, &byRow, &byOrder, &unused})
        QCOMPARE(UnitsOfMeasure::Insert(*db, *u), Result::Ok);
    QVERIFY(addItem(*db, QStringLiteral("IDUM"), byItem.id) > 0);
    QVERIFY(db->execute(QStringLiteral("INSERT INTO SottoMovimenti (IDMovimento, IDUM, Qt) "
                                       "VALUES (1, ?, 1)"),
                        {byRow.id}));
    QVERIFY(db->execute(QStringLiteral("INSERT INTO SottoOrdini (IDOrdine, IDUM, Qt) "
                                       "VALUES (1, ?, 1)"),
                        {byOrder.id}));

    QCOMPARE(UnitsOfMeasure::Delete(*db, byItem.id), Result::UsedByItems);
    QCOMPARE(UnitsOfMeasure::Delete(*db, byRow.id), Result::UsedByRows);
    QCOMPARE(UnitsOfMeasure::Delete(*db, byOrder.id), Result::UsedByRows);
    QCOMPARE(UnitsOfMeasure::Delete(*db, 0), Result::NotSelected);
    QCOMPARE(UnitsOfMeasure::Delete(*db, unused.id), Result::Ok);
    QCOMPARE(UnitsOfMeasure::Delete(*db, unused.id), Result::Failed);

    QList<UnitsOfMeasure::Unit> units;
    QVERIFY(UnitsOfMeasure::List(*db, &units));
    QStringList siglas;
    for (const auto& u : units)
        siglas << u.sigla;
    for (const char* kept : {"Ui", "Ur", "Uo"})
        QVERIFY(siglas.contains(QLatin1String(kept)));
    QVERIFY(!siglas.contains(QStringLiteral("Uu")));
}

QTEST_MAIN(tst_Classifications)
#include "tst_Classifications.moc"
