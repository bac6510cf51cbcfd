// label: db
#include "OldArchive.h"
#include "TestSupport.h"
#include "store/ConnectionString.h"
#include "store/DataMigration.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/SchemaUpgrade.h"
#include "store/UpgradeProgress.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

// What the window would have shown: every position the bar took, in order.
class RecordingProgress : public UpgradeProgress {
public:
    void begin() override { events << QStringLiteral("begin"); }
    void setPosition(int p) override {
        position = p;
        events << QString::number(p);
    }
    void step() override {
        ++position;
        events << QStringLiteral("+");
    }
    void end() override { events << QStringLiteral("end"); }

    // The steps taken between two fixed positions.
    int stepsBetween(int from, int to) const {
        const qsizetype a = events.indexOf(QString::number(from));
        const qsizetype b = events.indexOf(QString::number(to));
        if (a < 0 || b < a)
            return -1;
        return int(events.mid(a + 1, b - a - 1).count(QStringLiteral("+")));
    }

    QStringList events;
    int position = 0;
};

QVariant scalar(Database& db, const QString& sql, const QVariantList& values = {}) {
    QSqlQuery q;
    if (!db.query(q, sql, values) || !q.next())
        return QStringLiteral("<%1: %2>").arg(sql, db.errorText());
    return q.value(0);
}

int version(Database& db) {
    return scalar(db, QStringLiteral("SELECT Versione FROM Informazioni")).toInt();
}

// The tables of an archive with their columns and declared types (and which column is the
// key), one line per column, sorted: two archives have the same schema when the texts match,
// whatever order the steps added the columns in.
QStringList sqliteSchema(Database& db) {
    QStringList lines;
    QSqlQuery tables;
    db.query(tables, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND "
                                    "name <> 'sqlite_sequence'"));
    QStringList names;
    while (tables.next())
        names << tables.value(0).toString();
    tables.finish();
    for (const QString& table : names) {
        QSqlQuery q;
        db.query(q, QStringLiteral("PRAGMA table_info(%1)").arg(table));
        while (q.next())
            lines << QStringLiteral("%1.%2 %3%4")
                         .arg(table, q.value(1).toString(), q.value(2).toString(),
                              q.value(5).toInt() ? QStringLiteral(" key") : QString());
    }
    lines.sort(Qt::CaseInsensitive);
    return lines;
}

QStringList sqliteIndexes(Database& db) {
    QStringList names;
    QSqlQuery q;
    db.query(q, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' AND sql IS "
                               "NOT NULL"));
    while (q.next())
        names << q.value(0).toString();
    names.sort(Qt::CaseInsensitive);
    return names;
}

// The same for a catalog: name, type and width of every column of the current schema.
QStringList postgresSchema(Database& db) {
    QStringList lines;
    QSqlQuery q;
    db.query(q, QStringLiteral("SELECT table_name, column_name, data_type, "
                               "COALESCE(character_maximum_length, 0), is_identity FROM "
                               "information_schema.columns WHERE table_schema = current_schema()"));
    while (q.next())
        lines << QStringLiteral("%1.%2 %3(%4) %5")
                     .arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                          q.value(3).toString(), q.value(4).toString());
    lines.sort();
    return lines;
}

// Everything an archive holds: schema and every row, as text, for "nothing changed" checks.
QStringList dump(Database& db) {
    QStringList out = db.isPostgres() ? postgresSchema(db) : sqliteSchema(db);
    QStringList tables;
    {
        QSqlQuery q;
        db.query(q, db.isPostgres()
                        ? QStringLiteral("SELECT table_name FROM information_schema.tables WHERE "
                                         "table_schema = current_schema()")
                        : QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"));
        while (q.next())
            tables << q.value(0).toString();
    }
    tables.sort(Qt::CaseInsensitive);
    for (const QString& table : tables) {
        QSqlQuery q;
        db.query(q, QStringLiteral("SELECT * FROM %1 ORDER BY 1").arg(table));
        while (q.next()) {
            QStringList values;
            for (int i = 0; i < q.record().count(); ++i)
                values << (q.value(i).isNull() ? QStringLiteral("NULL") : q.value(i).toString());
            out << table + u':' + values.join(u'|');
        }
    }
    return out;
}

// An archive of one back end, opened as the start-up opens it (nothing changed yet).
struct Subject {
    QTemporaryDir dir;
    std::unique_ptr<TestSupport::PostgresCatalog> catalog;
    QString connection;
    Database db{TestSupport::UniqueName(QStringLiteral("upgrade_"))};
    QString error;

    QString dataFolder() const { return dir.filePath(QStringLiteral("data")); }

    // A file made from the first version's tables and brought to `version` by the steps.
    bool oldSqlite(int version) {
        connection = OldArchive::Create(dir.filePath(QStringLiteral("old.db")), version, &error);
        return !connection.isEmpty() && open();
    }
    bool currentSqlite() {
        connection = ConnectionString::ForSqlite(TestSupport::CopyTemplate(dir));
        return open();
    }
    bool currentPostgres() {
        catalog = std::make_unique<TestSupport::PostgresCatalog>();
        if (!catalog->isValid()) {
            error = catalog->error();
            return false;
        }
        connection = catalog->connectionString();
        return open();
    }
    bool current(const QString& backend) {
        return backend == QLatin1String("postgres") ? currentPostgres() : currentSqlite();
    }
    bool open() {
        if (db.openToInspect(connection))
            return true;
        error = db.errorText();
        return false;
    }
    bool run(const QStringList& sql) {
        for (const QString& s : sql)
            if (!db.execute(s)) {
                error = s + QStringLiteral(": ") + db.errorText();
                return false;
            }
        return true;
    }
    SchemaUpgrade::Result upgrade(SchemaUpgrade::Report* report = nullptr,
                                  UpgradeProgress* progress = nullptr,
                                  QStringList* statements = nullptr) {
        SchemaUpgrade::Options options;
        options.dataFolder = dataFolder();
        options.progress = progress;
        if (statements)
            options.statementSent = [statements](const QString& sql) { *statements << sql; };
        return SchemaUpgrade::Run(db, options, report);
    }
};

// What the steps from 18 on added to a catalog, taken out again: a catalog at version 18 (or
// 19, with `from` = 19) as the program of that time left it.
QStringList postgresDowngrade(int to) {
    QStringList sql;
    const QStringList currency{"SimbVal", "DecVal",    "SepDecVal", "SepMigVal",
                               "DecNum",  "SepDecNum", "SepMigNum", "ValCambio"};
    auto drop = [&](const char* table, const QStringList& columns) {
        for (const QString& c : columns)
            sql << QStringLiteral("ALTER TABLE %1 DROP COLUMN %2").arg(QLatin1String(table), c);
    };
    drop("Fatture", {"Titolo"});
    drop("Movimenti",
         {"Banca", "IBAN", "CondPag", "Titolo", "RagSocDiv", "IndirizzoDiv", "ComuneDiv"});
    if (to == 18) {
        sql << QStringLiteral("DROP TABLE Gruppi");
        drop("Articoli", {"IDGruppo", "Notes", "IDFornitore", "CodForn"});
        drop("CliFor", {"Notes", "Banca", "IBAN"});
        drop("SottoOrdini", {"Notes"});
        drop("Fatture", QStringList{"Banca", "IBAN", "CondPag"} + currency);
        drop("Movimenti", QStringList{"Porto"} + currency);
        drop("Ordini", currency);
    }
    sql << QStringLiteral("UPDATE Informazioni SET Versione = %1").arg(to);
    return sql;
}

} // namespace

class tst_SchemaUpgrade : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyStepFromVersionZero();
    void migrationOfVersion17();
    void progressStepping_data();
    void progressStepping();
    void currentArchiveUntouched_data();
    void currentArchiveUntouched();
    void newerArchive_data();
    void newerArchive();
    void postgresBelow18IsRefused();
    void postgresFrom18();
    void failurePartWayChangesNothing_data();
    void failurePartWayChangesNothing();
    void commandLine();
};

void tst_SchemaUpgrade::everyStepFromVersionZero() {
    Subject s;
    QVERIFY2(s.oldSqlite(0), qPrintable(s.error));
    // Rows as the first version held them.
    QVERIFY2(s.run({"INSERT INTO UnMis (Sigla, Descrizione) VALUES ('Pz', 'Pezzi')",
                    "INSERT INTO CliFor (RagSoc, CodFisc, PartIva, CliFor) VALUES "
                    "('Bar dell''Angolo', 'RSSMRA80A01H501U', '01234567890', 1)",
                    "INSERT INTO Articoli (Matricola, Descrizione, IDUM, CodBarre, Prezzo, "
                    "ScortaMin) VALUES ('A1', 'Vite', 1, '8001234567890', 2.5, 10)",
                    "INSERT INTO Articoli (Matricola, Descrizione, IDUM) VALUES ('A2', 'Dado', 7)",
                    "INSERT INTO Articoli (Matricola, Descrizione) VALUES ('A3', 'Rondella')",
                    "INSERT INTO Movimenti (Numero, Data, IDCliFor, Tipo) VALUES "
                    "('1/2020', '2020-03-01T10:00:00.000', 1, 3)",
                    "INSERT INTO SottoMovimenti (IDMovimento, Qt, IDArticolo, IDUM, Prezzo, Iva) "
                    "VALUES (1, 4, 1, 1, 2.5, 0.22)",
                    "DELETE FROM Articoli WHERE IDArticolo = 3"}),
             qPrintable(s.error));

    SchemaUpgrade::Report report;
    QCOMPARE(s.upgrade(&report), SchemaUpgrade::UpToDate);
    QCOMPARE(report.fromVersion, 0);
    QCOMPARE(version(s.db), 20);

    // Same tables, columns, declared types and keys as the template, and its indexes.
    Database current(TestSupport::UniqueName(QStringLiteral("template_")));
    QTemporaryDir other;
    QVERIFY(current.openToInspect(ConnectionString::ForSqlite(TestSupport::CopyTemplate(other))));
    QCOMPARE(sqliteSchema(s.db), sqliteSchema(current));
    QCOMPARE(sqliteIndexes(s.db), sqliteIndexes(current));
    QVERIFY(s.db.execute(QStringLiteral("PRAGMA integrity_check")));

    // The widened columns kept their rows, the keys and their counter (the last item was
    // deleted: its key is not given again).
    QCOMPARE(scalar(s.db, "SELECT CodBarre FROM Articoli WHERE IDArticolo = 1").toString(),
             QStringLiteral("8001234567890"));
    QCOMPARE(scalar(s.db, "SELECT PartIva FROM CliFor").toString(), QStringLiteral("01234567890"));
    QCOMPARE(scalar(s.db, "SELECT seq FROM sqlite_sequence WHERE name = 'Articoli'").toInt(), 3);
    // The data migration ran on what there was.
    QCOMPARE(scalar(s.db, "SELECT Scarichi FROM Articoli WHERE IDArticolo = 1").toDouble(), 4.0);
    QCOMPARE(scalar(s.db, "SELECT Giacenza FROM Articoli WHERE IDArticolo = 1").toDouble(), -4.0);
    QCOMPARE(scalar(s.db, "SELECT Riordino FROM Articoli WHERE IDArticolo = 1").toDouble(), 14.0);
    QCOMPARE(scalar(s.db, "SELECT UnMis FROM Articoli WHERE IDArticolo = 1").toString(),
             QStringLiteral("Pz"));
    QVERIFY(scalar(s.db, "SELECT UnMis FROM Articoli WHERE IDArticolo = 2").isNull());
    QCOMPARE(scalar(s.db, "SELECT CliFor FROM Movimenti").toString(),
             QStringLiteral("Bar dell'Angolo"));
    QCOMPARE(scalar(s.db, "SELECT Totale FROM Movimenti").toDouble(), 12.2);
    QCOMPARE(scalar(s.db, "SELECT COUNT(*) FROM Categorie").toInt(), 0);

    // The copy taken before the step from version 17 is the archive as it was.
    QCOMPARE(report.backupFile, QDir(s.dataFolder()).filePath(QStringLiteral("BackQuarzil17.db")));
    Database copy(TestSupport::UniqueName(QStringLiteral("copy_")));
    QVERIFY2(copy.openToInspect(ConnectionString::ForSqlite(report.backupFile)),
             qPrintable(copy.errorText()));
    QCOMPARE(version(copy), 0);
    QCOMPARE(scalar(copy, "SELECT COUNT(*) FROM Articoli").toInt(), 2);
}

void tst_SchemaUpgrade::migrationOfVersion17() {
    Subject s;
    QVERIFY2(s.oldSqlite(17), qPrintable(s.error));
    QVERIFY2(
        s.run({
            "INSERT INTO UnMis (IDUM, Sigla, Descrizione) VALUES (1, 'Kg', 'Chili'), "
            "(2, '', 'Vuota')",
            "INSERT INTO CliFor (IDCliFor, RagSoc, CliFor) VALUES (1, 'L''Òfficina d''Arte', 1), "
            "(2, NULL, 0)",
            // 1: "Standard" is no category; 2 and 3 share one; 4: the quote survives; 5: no
            // classification at all; 6: a lower-case "standard" is a category of its own.
            "INSERT INTO Articoli (IDArticolo, Matricola, IDUM, ScortaMin, GiacInit, Categoria, "
            "Reparto, Scaffale) VALUES "
            "(1, 'A', 1, 5, 2, 'Standard', 'Banco', 'S1'), "
            "(2, 'B', 2, NULL, NULL, 'Ferramenta', '', 'S1'), "
            "(3, 'C', 9, 1, 100, 'Ferramenta', NULL, NULL), "
            "(4, 'D', NULL, NULL, NULL, 'Dell''Arte', 'Banco', ''), "
            "(5, 'E', 1, NULL, 3, NULL, NULL, NULL), "
            "(6, 'F', 1, NULL, NULL, 'standard', NULL, NULL)",
            "INSERT INTO Movimenti (IDMovimento, Numero, Data, IDCliFor, Tipo) VALUES "
            "(1, '1/2024', '2024-01-10T09:00:00.000', 1, 0), "
            "(2, '2/2024', '2024-02-10T09:00:00.000', 1, 1), "
            "(3, '3/2024', '2024-03-10T09:00:00.000', 2, 3), "
            "(4, '4/2024', '2024-04-10T09:00:00.000', 9, 2), "
            "(5, '5/2024', '2024-05-10T09:00:00.000', NULL, 7), "
            "(6, '6/2024', '2024-06-10T09:00:00.000', 1, 1)",
            "INSERT INTO SottoMovimenti (IDMovimento, Qt, IDArticolo, Prezzo, Iva, Sconto) VALUES "
            "(1, 10, 1, 10.0, 0.22, 0.1), (1, 1, 2, 1.2345, NULL, NULL), "
            "(2, 3, 1, 5, 0.22, NULL), (2, NULL, 1, 99, 0.22, NULL), "
            "(3, 2, 2, 7, NULL, 0.5), (3, 4, 1, NULL, 0.22, NULL), "
            "(4, 1, 1, 0, 0, 0), (5, 50, 1, 1, 0, 0)",
            "INSERT INTO Ordini (IDOrdine, Evaso) VALUES (1, 0), (2, 1)",
            "INSERT INTO SottoOrdini (IDOrdine, IDArticolo, Qt) VALUES (1, 1, 6), (1, 1, 1.5), "
            "(2, 1, 100), (1, 3, 2)",
        }),
        qPrintable(s.error));

    SchemaUpgrade::Report report;
    QCOMPARE(s.upgrade(&report), SchemaUpgrade::UpToDate);
    QVERIFY2(report.error.isEmpty(), qPrintable(report.describe()));

    // Classifications: "Standard" leaves no row and no category; texts shared by several items
    // are one row; an empty text is no classification.
    QStringList categories;
    QSqlQuery q;
    QVERIFY(s.db.query(q, "SELECT Categoria FROM Categorie ORDER BY Categoria"));
    while (q.next())
        categories << q.value(0).toString();
    QCOMPARE(categories, QStringList({"Dell'Arte", "Ferramenta", "standard"}));
    auto ref = [&](const char* column, int item) {
        return scalar(s.db,
                      QStringLiteral("SELECT %1 FROM Articoli WHERE IDArticolo = ?")
                          .arg(QLatin1String(column)),
                      {item});
    };
    QVERIFY(ref("IDCategoria", 1).isNull());
    QCOMPARE(ref("IDCategoria", 2), ref("IDCategoria", 3));
    QCOMPARE(scalar(s.db, "SELECT Categoria FROM Categorie WHERE IDCategoria = ?",
                    {ref("IDCategoria", 4)})
                 .toString(),
             QStringLiteral("Dell'Arte"));
    QCOMPARE(scalar(s.db, "SELECT COUNT(*) FROM Reparti").toInt(), 1);
    QVERIFY(ref("IDReparto", 2).isNull());
    QCOMPARE(ref("IDReparto", 4), ref("IDReparto", 1));
    QVERIFY(ref("IDScaffale", 4).isNull());
    QVERIFY(!ref("IDScaffale", 2).isNull());
    // The text columns are gone.
    QVERIFY(!s.db.execute(QStringLiteral("SELECT Categoria FROM Articoli")));
    QVERIFY(!s.db.execute(QStringLiteral("SELECT Reparto, Scaffale FROM Articoli")));

    // Item 1: loads 10, unloads 3 (type 1) + 4 (type 3; the row without a quantity adds
    // nothing), returns 1; type 7 is ignored. Stock 2 + 10 + 1 - 7 = 6; nothing to reorder
    // (minimum 5); on order 7.5 (the fulfilled order does not count).
    QCOMPARE(ref("Carichi", 1).toDouble(), 10.0);
    QCOMPARE(ref("Scarichi", 1).toDouble(), 7.0);
    QCOMPARE(ref("Resi", 1).toDouble(), 1.0);
    QCOMPARE(ref("Giacenza", 1).toDouble(), 6.0);
    QCOMPARE(ref("Riordino", 1).toDouble(), 0.0);
    QCOMPARE(ref("Ordinato", 1).toDouble(), 7.5);
    QCOMPARE(ref("UnMis", 1).toString(), QStringLiteral("Kg"));
    QCOMPARE(ref("LastMov", 1).toDateTime(), QDateTime(QDate(2024, 5, 10), QTime(9, 0)));
    // Item 2: one load and a receipt (type 3) of 2: stock -1 without initial stock; an empty
    // unit abbreviation is no unit.
    QCOMPARE(ref("Scarichi", 2).toDouble(), 2.0);
    QCOMPARE(ref("Giacenza", 2).toDouble(), -1.0);
    QVERIFY(ref("UnMis", 2).isNull());
    // Item 3: no movements: zero counters, the zero date; an unknown unit is none; to reorder
    // max(0, 1 - 100).
    QCOMPARE(ref("Carichi", 3).toDouble(), 0.0);
    QCOMPARE(ref("Giacenza", 3).toDouble(), 100.0);
    QCOMPARE(ref("Riordino", 3).toDouble(), 0.0);
    QCOMPARE(ref("Ordinato", 3).toDouble(), 2.0);
    QVERIFY(ref("UnMis", 3).isNull());
    QCOMPARE(ref("LastMov", 3).toDateTime(), QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
    QCOMPARE(ref("Riordino", 5).toDouble(), 0.0);

    // Movement totals: 10 x 10 less 10 % = 90, VAT 19.8; 1.2345 without VAT.
    auto movement = [&](const char* column, int id) {
        return scalar(s.db,
                      QStringLiteral("SELECT %1 FROM Movimenti WHERE IDMovimento = ?")
                          .arg(QLatin1String(column)),
                      {id});
    };
    QCOMPARE(movement("Prezzo", 1).toDouble(), 91.2345);
    QCOMPARE(movement("Imposta", 1).toDouble(), 19.8);
    QCOMPARE(movement("Totale", 1).toDouble(), 111.0345);
    QCOMPARE(movement("CliFor", 1).toString(), QStringLiteral("L'Òfficina d'Arte"));
    // The row without a quantity is left out: 3 x 5 and its VAT.
    QCOMPARE(movement("Prezzo", 2).toDouble(), 15.0);
    QCOMPARE(movement("Totale", 2).toDouble(), 18.3);
    // Half off 14, no VAT; the row without a price is left out; a counterpart without a name
    // and an unknown one give no name.
    QCOMPARE(movement("Prezzo", 3).toDouble(), 7.0);
    QCOMPARE(movement("Imposta", 3).toDouble(), 0.0);
    QVERIFY(movement("CliFor", 3).isNull());
    QVERIFY(movement("CliFor", 4).isNull());
    // A movement without rows totals zero.
    QCOMPARE(movement("Totale", 6).toDouble(), 0.0);
}

void tst_SchemaUpgrade::progressStepping_data() {
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("movements");
    QTest::addColumn<int>("itemSteps");
    QTest::addColumn<int>("movementSteps");
    // 10 items: a step after every one (10 of the 63); 630: a step every 10.
    QTest::newRow("10 items") << 10 << 5 << 10 << 5;
    QTest::newRow("630 items") << 630 << 36 << 63 << 18;
    QTest::newRow("none") << 0 << 0 << 0 << 0;
}

void tst_SchemaUpgrade::progressStepping() {
    QFETCH(int, items);
    QFETCH(int, movements);
    QFETCH(int, itemSteps);
    QFETCH(int, movementSteps);
    QCOMPARE(DataMigration::Stride(items, DataMigration::kItemSlots), std::max(1, items / 63));
    Subject s;
    QVERIFY2(s.oldSqlite(17), qPrintable(s.error));
    QVERIFY(s.db.execute(
        QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
            "INSERT INTO Articoli (Matricola) SELECT 'M' || i FROM n WHERE ? > 0"),
        {std::max(1, items), items}));
    QVERIFY(s.db.execute(
        QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
            "INSERT INTO Movimenti (Numero, Tipo) SELECT i, 0 FROM n WHERE ? > 0"),
        {std::max(1, movements), movements}));
    RecordingProgress progress;
    QCOMPARE(s.upgrade(nullptr, &progress), SchemaUpgrade::UpToDate);
    const QString fixed = QStringList({"begin", "1", "2", "5", "7", "10", "15", "17"}).join(u',');
    QVERIFY2(progress.events.join(u',').startsWith(fixed), qPrintable(progress.events.join(u',')));
    QCOMPARE(progress.stepsBetween(17, 80), itemSteps);
    QCOMPARE(progress.stepsBetween(82, 100), movementSteps);
    QCOMPARE(progress.events.mid(progress.events.size() - 2),
             QStringList({QStringLiteral("100"), QStringLiteral("end")}));
}

void tst_SchemaUpgrade::currentArchiveUntouched_data() {
    TestSupport::AddBackendRows();
}

void tst_SchemaUpgrade::currentArchiveUntouched() {
    QFETCH(QString, backend);
    Subject s;
    QVERIFY2(s.current(backend), qPrintable(s.error));
    const QStringList before = dump(s.db);
    QByteArray bytes;
    const QString file = ConnectionString::Value(s.connection, QStringLiteral("Data Source"));
    if (backend == QLatin1String("sqlite")) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        bytes = f.readAll();
    }
    QStringList statements;
    QCOMPARE(s.upgrade(nullptr, nullptr, &statements), SchemaUpgrade::UpToDate);
    // The version, and the look at which indexes there are (all of them: none is made).
    QCOMPARE(statements.size(), 2);
    QCOMPARE(statements.first(), QStringLiteral("SELECT Versione FROM Informazioni"));
    QVERIFY2(statements.last().startsWith(QLatin1String("SELECT")), qPrintable(statements.last()));
    QCOMPARE(dump(s.db), before);
    if (backend == QLatin1String("sqlite")) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll() == bytes);
    }
    QVERIFY(!QFile::exists(QDir(s.dataFolder()).filePath(QStringLiteral("BackQuarzil17.db"))));
}

void tst_SchemaUpgrade::newerArchive_data() {
    TestSupport::AddBackendRows();
}

void tst_SchemaUpgrade::newerArchive() {
    QFETCH(QString, backend);
    Subject s;
    QVERIFY2(s.current(backend), qPrintable(s.error));
    QVERIFY(s.db.execute(QStringLiteral("UPDATE Informazioni SET Versione = 21")));
    QStringList statements;
    SchemaUpgrade::Report report;
    QCOMPARE(s.upgrade(&report, nullptr, &statements), SchemaUpgrade::Newer);
    QCOMPARE(report.fromVersion, 21);
    QCOMPARE(statements, QStringList({"SELECT Versione FROM Informazioni"}));
    QCOMPARE(version(s.db), 21);
}

void tst_SchemaUpgrade::postgresBelow18IsRefused() {
    Subject s;
    QVERIFY2(s.currentPostgres(), qPrintable(s.error));
    QVERIFY(s.db.execute(QStringLiteral("UPDATE Informazioni SET Versione = 17")));
    const QStringList before = dump(s.db);
    QStringList statements;
    SchemaUpgrade::Report report;
    QCOMPARE(s.upgrade(&report, nullptr, &statements), SchemaUpgrade::Failed);
    QCOMPARE(statements, QStringList({"SELECT Versione FROM Informazioni"}));
    QVERIFY2(report.error.contains(QLatin1String("versione 17")), qPrintable(report.error));
    QCOMPARE(dump(s.db), before);
    QVERIFY(!QFile::exists(QDir(s.dataFolder()).filePath(QStringLiteral("BackQuarzil17.db"))));
}

void tst_SchemaUpgrade::postgresFrom18() {
    Subject fresh;
    QVERIFY2(fresh.currentPostgres(), qPrintable(fresh.error));
    for (int from : {18, 19}) {
        Subject s;
        QVERIFY2(s.currentPostgres(), qPrintable(s.error));
        QVERIFY2(s.run(postgresDowngrade(from)), qPrintable(s.error));
        QVERIFY(postgresSchema(s.db) != postgresSchema(fresh.db));
        QVERIFY(s.db.execute(
            QStringLiteral("INSERT INTO Movimenti (Numero, Tipo) VALUES ('1/2024', 0)")));
        SchemaUpgrade::Report report;
        QCOMPARE(s.upgrade(&report), SchemaUpgrade::UpToDate);
        QCOMPARE(report.fromVersion, from);
        QVERIFY(report.backupFile.isEmpty());
        QCOMPARE(version(s.db), 20);
        QCOMPARE(postgresSchema(s.db), postgresSchema(fresh.db));
        QCOMPARE(scalar(s.db, "SELECT Numero FROM Movimenti").toString(), QStringLiteral("1/2024"));
        // The table made again has its alphabetical index too.
        if (from == 18)
            QCOMPARE(scalar(s.db, "SELECT COUNT(*) FROM pg_indexes WHERE indexname = "
                                  "'ix_gruppi_gruppo_alfa'")
                         .toInt(),
                     1);
    }
}

void tst_SchemaUpgrade::failurePartWayChangesNothing_data() {
    TestSupport::AddBackendRows();
}

void tst_SchemaUpgrade::failurePartWayChangesNothing() {
    QFETCH(QString, backend);
    Subject s;
    int from = 17;
    int failing = 18;
    if (backend == QLatin1String("sqlite")) {
        QVERIFY2(s.oldSqlite(17), qPrintable(s.error));
        QVERIFY2(s.run({"INSERT INTO Articoli (Matricola, Categoria) VALUES ('A', 'Viti')",
                        "INSERT INTO Movimenti (Numero, Tipo) VALUES ('1', 0)",
                        "INSERT INTO SottoMovimenti (IDMovimento, IDArticolo, Qt, Prezzo) VALUES "
                        "(1, 1, 2, 3)",
                        // The column step 18 adds, already there: steps 17 and the migration
                        // run, then step 18 fails.
                        "ALTER TABLE Movimenti ADD COLUMN Porto TEXT(20)"}),
                 qPrintable(s.error));
    } else {
        from = 18;
        failing = 19;
        QVERIFY2(s.currentPostgres(), qPrintable(s.error));
        QVERIFY2(s.run(postgresDowngrade(18)), qPrintable(s.error));
        QVERIFY2(s.run({"INSERT INTO Articoli (Matricola) VALUES ('A')",
                        "ALTER TABLE Movimenti ADD RagSocDiv varchar(100)"}),
                 qPrintable(s.error));
    }
    const QStringList before = dump(s.db);
    SchemaUpgrade::Report report;
    QCOMPARE(s.upgrade(&report), SchemaUpgrade::Failed);
    QCOMPARE(report.fromVersion, from);
    QCOMPARE(report.failedStep, failing);
    QVERIFY2(report.failedWhat.contains(backend == QLatin1String("sqlite") ? "Porto" : "RagSocDiv"),
             qPrintable(report.describe()));
    QVERIFY(!report.error.isEmpty());
    QVERIFY(!s.db.inTransaction());
    QCOMPARE(dump(s.db), before);
    QCOMPARE(version(s.db), from);
    // Taking the column away again lets the same archive through.
    QVERIFY(s.db.execute(backend == QLatin1String("sqlite")
                             ? QStringLiteral("ALTER TABLE Movimenti DROP COLUMN Porto")
                             : QStringLiteral("ALTER TABLE Movimenti DROP COLUMN RagSocDiv")));
    QCOMPARE(s.upgrade(&report), SchemaUpgrade::UpToDate);
    QCOMPARE(version(s.db), 20);
}

void tst_SchemaUpgrade::commandLine() {
    Subject s;
    QVERIFY2(s.oldSqlite(17), qPrintable(s.error));
    QVERIFY(s.db.execute(QStringLiteral("INSERT INTO Articoli (Matricola) VALUES ('A')")));
    s.db.close();
    const QString file = ConnectionString::Value(s.connection, QStringLiteral("Data Source"));
    auto cli = [&](const QStringList& args, QByteArray* out) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), s.dir.filePath(QStringLiteral("xdg")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), s.dir.filePath(QStringLiteral("xdgc")));
        p.setProcessEnvironment(env);
        p.start(TestSupport::CliPath(), QStringList{"--archive", file} + args);
        if (!p.waitForFinished(60000))
            return -1;
        *out = p.readAllStandardOutput();
        return p.exitCode();
    };
    QByteArray out;
    // The other verbs refuse the old archive until it is upgraded.
    QCOMPARE(cli({"info"}, &out), 2);
    QCOMPARE(cli({"upgrade", "--json"}, &out), 0);
    const QJsonObject o = QJsonDocument::fromJson(out).object();
    QCOMPARE(o.value("result").toInt(), 0);
    QCOMPARE(o.value("fromVersion").toInt(), 17);
    QCOMPARE(o.value("version").toInt(), 20);
    QCOMPARE(o.value("backup").toString(),
             s.dir.filePath(QStringLiteral("xdg/Norvisk/Quarzil/BackQuarzil17.db")));
    QVERIFY(QFile::exists(o.value("backup").toString()));
    QCOMPARE(cli({"upgrade"}, &out), 0);
    QCOMPARE(QString::fromUtf8(out), QStringLiteral("L'archivio è già alla versione 20.\n"));
    QCOMPARE(cli({"info"}, &out), 0);
}

QTEST_GUILESS_MAIN(tst_SchemaUpgrade)
#include "tst_SchemaUpgrade.moc"
