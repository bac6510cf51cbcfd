// label: db
#include "MdbFakeSource.h"
#include "MdbTesting.h"
#include "TestSupport.h"
#include "common/CurrencyAmount.h"
#include "store/ConnectionString.h"
#include "store/Database.h"
#include "store/MdbImport.h"
#include "store/TableRecord.h"

#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

namespace {

const QString kNull = QStringLiteral("\x02");
const QString kUnprintable = QStringLiteral("<date mdb-export cannot print>");
const QString kDateFormat = QStringLiteral("%Y-%m-%d %H:%M:%S");

QString run(const QString& program, const QStringList& args, QString* error) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        *error = QStringLiteral("%1 failed: %2 %3")
                     .arg(program, p.errorString(), QString::fromUtf8(p.readAllStandardError()));
        return QString();
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

QStringList mdbTables(const QString& file, QString* error) {
    return run(QStringLiteral("mdb-tables"), {QStringLiteral("-1"), file}, error)
        .split(u'\n', Qt::SkipEmptyParts);
}

// What mdb-export prints of a table: rows of fields, nulls as kNull, binaries in hex.
QList<QStringList> mdbExport(const QString& file, const QString& table, QString* error) {
    const QString out =
        run(QStringLiteral("mdb-export"),
            {QStringLiteral("-H"), QStringLiteral("-Q"), QStringLiteral("-d"),
             QStringLiteral("\x1f"), QStringLiteral("-R"), QStringLiteral("\x1e"),
             QStringLiteral("-0"), kNull, QStringLiteral("-b"), QStringLiteral("hex"),
             QStringLiteral("-D"), kDateFormat, QStringLiteral("-T"), kDateFormat, file, table},
            error);
    QList<QStringList> rows;
    for (const QString& row : out.split(u'\x1e', Qt::SkipEmptyParts))
        rows << row.split(u'\x1f');
    return rows;
}

// The stored date "yyyy-MM-ddTHH:mm:ss.zzz" to the nearest second, as mdb-export prints it.
QString dateToSecond(const QString& stored) {
    const QDate date = QDate::fromString(stored.left(10), QStringLiteral("yyyy-MM-dd"));
    const QTime time = QTime::fromString(stored.mid(11), QStringLiteral("HH:mm:ss.zzz"));
    if (!date.isValid() || !time.isValid())
        return QStringLiteral("bad date ") + stored;
    // mdb-export prints no date before 30 December 1899 or a million days after it.
    const qint64 days = QDate(1899, 12, 30).daysTo(date);
    if (days < 0 || days > 1000000)
        return kUnprintable;
    qint64 seconds = days * 86400 + (time.msecsSinceStartOfDay() + 500) / 1000;
    const QDate d = QDate(1899, 12, 30).addDays(seconds / 86400);
    const QTime t = QTime(0, 0).addSecs(int(seconds % 86400));
    return d.toString(QStringLiteral("yyyy-MM-dd ")) + t.toString(QStringLiteral("HH:mm:ss"));
}

// One value of each side in a form both share, by the column's type in the new archive.
QString fromArchive(const QString& type, const QVariant& v) {
    if (v.isNull())
        return kNull;
    if (type == QLatin1String("REAL"))
        return QString::asprintf("%.8g", double(float(v.toDouble())));
    if (type == QLatin1String("DOUBLE"))
        return QString::asprintf("%.16g", v.toDouble());
    if (type == QLatin1String("CURRENCY"))
        return QString::number(Record::ReadCurrency(v).units());
    if (type == QLatin1String("DATETIME"))
        return dateToSecond(v.toString());
    if (type == QLatin1String("BLOB"))
        return QString::fromLatin1(v.toByteArray().toHex().toUpper());
    if (type == QLatin1String("BIT") || type.contains(QLatin1String("INT")))
        return QString::number(v.toLongLong());
    return v.toString();
}

QString fromExport(const QString& type, const QString& text) {
    // An empty text is kept as no text, as the program keeps it.
    if (text == kNull || text.isEmpty())
        return kNull;
    if (type == QLatin1String("REAL"))
        return QString::asprintf("%.8g", double(text.toFloat()));
    if (type == QLatin1String("CURRENCY"))
        return QString::number(CurrencyAmount::fromDecimalString(text).units());
    if (type == QLatin1String("DATETIME"))
        return text == QLatin1String("1900-01-00 00:00:00") ? kUnprintable : text;
    return text;
}

struct Compared {
    QStringList archive;
    QStringList exported;
};

// Both sides of one table, row by row (sorted: the archive returns rows by key).
Compared compareTable(const QSqlDatabase& db, const QString& mdb, const QString& table,
                      QString* error) {
    Compared c;
    QStringList types;
    QSqlQuery info(db);
    QString quoted = table;
    quoted.replace(u'"', QStringLiteral("\"\""));
    if (!info.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(quoted))) {
        *error = info.lastError().text();
        return c;
    }
    while (info.next())
        types << info.value(2).toString();
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT * FROM \"%1\"").arg(quoted))) {
        *error = q.lastError().text();
        return c;
    }
    while (q.next()) {
        QStringList row;
        for (int i = 0; i < types.size(); ++i)
            row << fromArchive(types.at(i), q.value(i));
        c.archive << row.join(u'|');
    }
    for (const QStringList& fields : mdbExport(mdb, table, error)) {
        QStringList row;
        for (int i = 0; i < fields.size(); ++i)
            row << fromExport(types.value(i), fields.at(i));
        c.exported << row.join(u'|');
    }
    std::sort(c.archive.begin(), c.archive.end());
    std::sort(c.exported.begin(), c.exported.end());
    return c;
}

class RawSqlite {
public:
    explicit RawSqlite(const QString& file)
        : m_name(TestSupport::UniqueName(QStringLiteral("raw_"))) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(file);
        db.open();
    }
    ~RawSqlite() { QSqlDatabase::removeDatabase(m_name); }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name); }
    QVariant value(const QString& sql) const {
        QSqlQuery q(db());
        return q.exec(sql) && q.next() ? q.value(0) : QVariant();
    }

private:
    QString m_name;
};

// Nothing is left in the folder but the files that were there before.
QStringList filesIn(const QTemporaryDir& dir) {
    QStringList files = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    std::sort(files.begin(), files.end());
    return files;
}

QStringList sorted(QStringList list) {
    std::sort(list.begin(), list.end());
    return list;
}

} // namespace

class tst_MdbImport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyTableMatchesMdbExport_data();
    void everyTableMatchesMdbExport();
    void columnTypesAndNames();
    void jet4DatesOutsideTheUsualRange();
    void oleDateText();
    void foreignFileIsNamedAndRefused();
    void truncatedFileFailsAndLeavesNothing_data();
    void truncatedFileFailsAndLeavesNothing();
    void cancelLeavesNothingAndKeepsTheOldFile();
    void readFailureMidTableLeavesNothing();
    void quarzilArchiveIsUpgradedAndUsable();
    void newerArchiveIsRefused();
    void missingColumnMakesAForeignFile();
    void amountsStayExactOrStopTheImport();
};

void tst_MdbImport::everyTableMatchesMdbExport_data() {
    QTest::addColumn<QString>("sample");
    QTest::newRow("jet3") << QStringLiteral("nwind.mdb");
    QTest::newRow("jet4") << QStringLiteral("DateTestDatabase.mdb");
}

void tst_MdbImport::everyTableMatchesMdbExport() {
    QFETCH(QString, sample);
    QTemporaryDir dir;
    const QString mdb = TestSupport::CopyMdbSample(dir, sample);
    QVERIFY(!mdb.isEmpty());
    const QString target = dir.filePath(QStringLiteral("new.db"));
    qint64 lastDone = -1;
    const MdbImport::Result r =
        MdbImport::Run(mdb, target, MdbImport::Mode::AnyArchive, [&](const MdbImport::Progress& p) {
            lastDone = p.rowsDone;
            return true;
        });
    QVERIFY2(r.ok, qPrintable(r.error));
    QVERIFY(!r.check.quarzil);
    QCOMPARE(r.versionReached, -1);
    QVERIFY(lastDone >= 0 && lastDone <= r.rows);

    QString error;
    const QStringList tables = mdbTables(mdb, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(r.check.tables, tables);
    QCOMPARE(r.tables, tables.size());
    RawSqlite raw(target);
    qint64 rows = 0;
    for (const QString& table : tables) {
        const Compared c = compareTable(raw.db(), mdb, table, &error);
        QVERIFY2(error.isEmpty(), qPrintable(table + u' ' + error));
        QVERIFY2(!c.exported.isEmpty(), qPrintable(table));
        QCOMPARE(c.archive.size(), c.exported.size());
        for (int i = 0; i < c.archive.size(); ++i)
            QVERIFY2(
                c.archive.at(i) == c.exported.at(i),
                qPrintable(QStringLiteral("%1\narchive: %2\nexport:  %3")
                               .arg(table, c.archive.at(i).left(400), c.exported.at(i).left(400))));
        rows += c.archive.size();
    }
    QCOMPARE(r.rows, rows);
    QCOMPARE(filesIn(dir), sorted({QStringLiteral("new.db"), sample}));
}

void tst_MdbImport::columnTypesAndNames() {
    QTemporaryDir dir;
    const QString mdb = TestSupport::CopyMdbSample(dir, QStringLiteral("nwind.mdb"));
    QVERIFY(!mdb.isEmpty());
    const QString target = dir.filePath(QStringLiteral("new.db"));
    const MdbImport::Result r = MdbImport::Run(mdb, target, MdbImport::Mode::AnyArchive);
    QVERIFY2(r.ok, qPrintable(r.error));
    RawSqlite raw(target);
    // The table with a non-ASCII name, under its own name.
    QCOMPARE(raw.value(QStringLiteral("SELECT COUNT(*) FROM \"Umsätze\"")).toInt() > 0, true);
    const QString orders =
        raw.value(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = 'Orders'")).toString();
    QVERIFY2(orders.contains(QLatin1String("\"OrderID\" INTEGER PRIMARY KEY AUTOINCREMENT")),
             qPrintable(orders));
    for (const char* column : {"\"CustomerID\" TEXT(5)", "\"OrderDate\" DATETIME",
                               "\"Freight\" CURRENCY", "\"ShipVia\" INTEGER"})
        QVERIFY2(orders.contains(QLatin1String(column)), column);
    const QString employees =
        raw.value(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = 'Employees'"))
            .toString();
    QVERIFY(employees.contains(QLatin1String("\"Photo\" BLOB")));
    QVERIFY(employees.contains(QLatin1String("\"Notes\" TEXT,")));
    // Storage classes: amounts as numbers, dates as local text without an offset.
    QCOMPARE(raw.value(QStringLiteral("SELECT typeof(Freight) FROM Orders WHERE OrderID = 10330"))
                 .toString(),
             QStringLiteral("real"));
    QCOMPARE(
        raw.value(QStringLiteral("SELECT Freight FROM Orders WHERE OrderID = 10330")).toDouble(),
        12.75);
    QCOMPARE(
        raw.value(QStringLiteral("SELECT OrderDate FROM Orders WHERE OrderID = 10330")).toString(),
        QStringLiteral("1994-11-16T00:00:00.000"));
    QCOMPARE(
        raw.value(QStringLiteral("SELECT ShipCity FROM Orders WHERE OrderID = 10332")).toString(),
        QStringLiteral("Montréal"));
    // Keys keep growing from the highest imported one.
    RawSqlite writer(target);
    QSqlQuery insert(writer.db());
    QVERIFY(insert.exec(QStringLiteral("INSERT INTO Shippers (CompanyName) VALUES ('Nuovo')")));
    QCOMPARE(insert.lastInsertId().toInt(),
             raw.value(QStringLiteral("SELECT MAX(ShipperID) FROM Shippers")).toInt());
    QVERIFY(insert.lastInsertId().toInt() > 3);
}

void tst_MdbImport::jet4DatesOutsideTheUsualRange() {
    QTemporaryDir dir;
    const QString mdb = TestSupport::CopyMdbSample(dir, QStringLiteral("DateTestDatabase.mdb"));
    QVERIFY(!mdb.isEmpty());
    const QString target = dir.filePath(QStringLiteral("dates.db"));
    const MdbImport::Result r = MdbImport::Run(mdb, target, MdbImport::Mode::AnyArchive);
    QVERIFY2(r.ok, qPrintable(r.error));
    RawSqlite raw(target);
    QSqlQuery q(raw.db());
    QVERIFY(q.exec(QStringLiteral("SELECT IDCol, DateTimeCol, DateCol, TimeCol FROM DateTest "
                                  "ORDER BY IDCol")));
    QStringList got;
    while (q.next())
        got << QStringLiteral("%1 %2 %3 %4")
                   .arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                        q.value(3).toString());
    // Years mdb-export cannot print, from the day numbers the file holds.
    QCOMPARE(got.mid(1, 3), QStringList({"2 9999-01-01T00:00:00.000 9999-01-01T00:00:00.000 "
                                         "9999-01-01T00:00:00.000",
                                         "3 1898-01-01T00:00:00.000 1899-01-01T00:00:00.000 "
                                         "1900-01-01T00:00:00.000",
                                         "4 0632-01-01T00:00:00.000 0633-01-01T00:00:00.000 "
                                         "0634-01-01T00:00:00.000"}));
    // The date reads back as the same local wall clock.
    QCOMPARE(Record::ReadDateTime(
                 raw.value(QStringLiteral("SELECT DateTimeCol FROM DateTest WHERE IDCol = 1"))),
             QDateTime(QDate(2021, 12, 2), QTime(0, 0)));
}

void tst_MdbImport::oleDateText() {
    QCOMPARE(MdbImport::OleDateText(0), QStringLiteral("1899-12-30T00:00:00.000"));
    QCOMPARE(MdbImport::OleDateText(44532.5), QStringLiteral("2021-12-02T12:00:00.000"));
    // Before 1900 the day counts backwards, the time of day forwards.
    QCOMPARE(MdbImport::OleDateText(-1.25), QStringLiteral("1899-12-29T06:00:00.000"));
    QCOMPARE(MdbImport::OleDateText(-0.5), QStringLiteral("1899-12-30T12:00:00.000"));
    // A time that rounds up to midnight is the next day's.
    QCOMPARE(MdbImport::OleDateText(1.9999999999), QStringLiteral("1900-01-01T00:00:00.000"));
    QCOMPARE(MdbImport::OleDateText(36526 + 1.0 / 86400 * 3661.25),
             QStringLiteral("2000-01-01T01:01:01.250"));
    QCOMPARE(MdbImport::OleDateText(2958465.99998843), QStringLiteral("9999-12-31T23:59:59.000"));
    QCOMPARE(MdbImport::OleDateText(-657434), QStringLiteral("0100-01-01T00:00:00.000"));
    QCOMPARE(MdbImport::OleDateText(2958466), QString());
    QCOMPARE(MdbImport::OleDateText(-657436), QString());
    QCOMPARE(MdbImport::OleDateText(std::nan("")), QString());
}

void tst_MdbImport::foreignFileIsNamedAndRefused() {
    QTemporaryDir dir;
    const QString mdb = TestSupport::CopyMdbSample(dir, QStringLiteral("nwind.mdb"));
    QVERIFY(!mdb.isEmpty());
    const MdbImport::Check check = MdbImport::Inspect(mdb);
    QVERIFY(check.readable);
    QVERIFY(!check.quarzil);
    QCOMPARE(check.missing, MdbImport::RequiredTables());
    const QString text =
        QStringLiteral("Il file nwind.mdb non è un archivio di Quarzil: mancano le tabelle "
                       "Articoli, Movimenti, SottoMovimenti, CliFor, UnMis, Ordini, SottoOrdini, "
                       "Informazioni. Tabelle del file: Order Details, Orders, Products, "
                       "Shippers, Categories, Customers, Employees, Suppliers, Umsätze.");
    QCOMPARE(MdbImport::NotQuarzilText(mdb, check), text);
    const QString target = dir.filePath(QStringLiteral("new.db"));
    const MdbImport::Result r = MdbImport::Run(mdb, target, MdbImport::Mode::Quarzil);
    QVERIFY(!r.ok && !r.cancelled);
    QCOMPARE(r.error, text);
    QCOMPARE(filesIn(dir), QStringList({QStringLiteral("nwind.mdb")}));
}

void tst_MdbImport::truncatedFileFailsAndLeavesNothing_data() {
    QTest::addColumn<QString>("sample");
    QTest::addColumn<double>("kept");
    QTest::addColumn<bool>("wholePages");
    // Whole pages lost where the catalog, the rows and the pictures live; cuts inside a page.
    QTest::newRow("jet3 a third, whole pages") << QStringLiteral("nwind.mdb") << 0.33 << true;
    QTest::newRow("jet3 catalog cut, whole pages") << QStringLiteral("nwind.mdb") << 0.4 << true;
    QTest::newRow("jet3 half, whole pages") << QStringLiteral("nwind.mdb") << 0.5 << true;
    QTest::newRow("jet3 rows cut, whole pages") << QStringLiteral("nwind.mdb") << 0.55 << true;
    QTest::newRow("jet3 cut mid-page") << QStringLiteral("nwind.mdb") << 0.95 << false;
    QTest::newRow("jet4 cut mid-page") << QStringLiteral("DateTestDatabase.mdb") << 0.8 << false;
}

void tst_MdbImport::truncatedFileFailsAndLeavesNothing() {
    QFETCH(QString, sample);
    QFETCH(double, kept);
    QFETCH(bool, wholePages);
    QTemporaryDir dir;
    const QString mdb = TestSupport::CopyMdbSample(dir, sample);
    QVERIFY(!mdb.isEmpty());
    QFile file(mdb);
    const qint64 page = sample.startsWith(QLatin1String("nwind")) ? 2048 : 4096;
    qint64 size = qint64(double(file.size()) * kept);
    size = wholePages ? size / page * page : size / page * page + 1000;
    QVERIFY(file.resize(size));
    const QString target = dir.filePath(QStringLiteral("new.db"));
    const MdbImport::Result r = MdbImport::Run(mdb, target, MdbImport::Mode::AnyArchive);
    QVERIFY(!r.ok);
    QVERIFY(!r.cancelled);
    QVERIFY2(!r.error.isEmpty(), "a failure says why");
    QCOMPARE(filesIn(dir), QStringList({sample}));
}

void tst_MdbImport::cancelLeavesNothingAndKeepsTheOldFile() {
    QTemporaryDir dir;
    const QString mdb = TestSupport::CopyMdbSample(dir, QStringLiteral("nwind.mdb"));
    QVERIFY(!mdb.isEmpty());
    const QString target = dir.filePath(QStringLiteral("old.db"));
    {
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the archive that was there");
    }
    int calls = 0;
    const MdbImport::Result r =
        MdbImport::Run(mdb, target, MdbImport::Mode::AnyArchive, [&](const MdbImport::Progress& p) {
            ++calls;
            return p.rowsDone < 1000;
        });
    QVERIFY(!r.ok);
    QVERIFY(r.cancelled);
    QVERIFY(r.error.isEmpty());
    QVERIFY(calls > 1);
    QVERIFY(r.rows >= 1000 && r.rows < 2000);
    QCOMPARE(filesIn(dir), QStringList({QStringLiteral("nwind.mdb"), QStringLiteral("old.db")}));
    QFile old(target);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("the archive that was there"));
}

void tst_MdbImport::readFailureMidTableLeavesNothing() {
    QTemporaryDir dir;
    using T = MdbImportSource::Type;
    MdbFakeSource source;
    source.addTable(QStringLiteral("Uno"), {{QStringLiteral("A"), T::Int32}}, {{1}, {2}, {3}});
    source.addTable(QStringLiteral("Due"), {{QStringLiteral("B"), T::Int32}}, {{1}, {2}, {3}});
    source.failTable = QStringLiteral("Due");
    source.failAfter = 2;
    const MdbImport::Result r =
        MdbImport::Run(source, dir.filePath(QStringLiteral("x.db")), MdbImport::Mode::AnyArchive);
    QVERIFY(!r.ok && !r.cancelled);
    QCOMPARE(r.error, QStringLiteral("pagina illeggibile"));
    QCOMPARE(filesIn(dir), QStringList());
}

void tst_MdbImport::quarzilArchiveIsUpgradedAndUsable() {
    QTemporaryDir dir;
    MdbFakeSource source = MdbFakeSource::Quarzil(20);
    const QByteArray photo =
        QByteArray::fromHex("ffd8ffe000104a464946") + QByteArray(70000, '\x7f');
    source.addRow(QStringLiteral("Articoli"), {{"IDArticolo", 7},
                                               {"Matricola", QStringLiteral("A-1")},
                                               {"Descrizione", QStringLiteral("Caffè «Moka»")},
                                               {"Prezzo", qlonglong(123456)},
                                               {"ScortaMin", 2.5f},
                                               {"Iva", 0.22f},
                                               {"IncIva", true},
                                               {"Imei", false},
                                               {"Foto", photo},
                                               {"LastMov", 44532.5},
                                               {"Notes", QStringLiteral("riga uno\r\nriga due")}});
    source.addRow(QStringLiteral("UnMis"), {{"IDUM", 3}, {"Sigla", QStringLiteral("Pz")}});
    const QString target = dir.filePath(QStringLiteral("Quarzil.db"));
    const MdbImport::Result r = MdbImport::Run(source, target, MdbImport::Mode::Quarzil);
    QVERIFY2(r.ok, qPrintable(r.error));
    QVERIFY(r.check.quarzil);
    QCOMPARE(r.versionFound, 20);
    QCOMPARE(r.versionReached, 20);
    QCOMPARE(r.rows, 3);
    QCOMPARE(filesIn(dir), QStringList({QStringLiteral("Quarzil.db")}));

    // The program opens it as its own.
    Database db(TestSupport::UniqueName(QStringLiteral("imported_")));
    QVERIFY2(db.open(ConnectionString::ForSqlite(target)), qPrintable(db.errorText()));
    QSqlQuery q;
    QVERIFY(db.query(q,
                     QStringLiteral("SELECT Matricola, Descrizione, Prezzo, ScortaMin, Iva, "
                                    "IncIva, Imei, Foto, LastMov, Notes, IDCategoria "
                                    "FROM Articoli WHERE IDArticolo = ?"),
                     {7}));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("A-1"));
    QCOMPARE(q.value(1).toString(), QStringLiteral("Caffè «Moka»"));
    QCOMPARE(Record::ReadCurrency(q.value(2)).units(), 123456);
    QCOMPARE(Record::ReadReal(q.value(3)).value_or(0), 2.5f);
    QCOMPARE(q.value(4).toDouble(), 0.22);
    QCOMPARE(q.value(5).toInt(), 1);
    QCOMPARE(q.value(6).toInt(), 0);
    QCOMPARE(q.value(7).toByteArray(), photo);
    QCOMPARE(Record::ReadDateTime(q.value(8)), QDateTime(QDate(2021, 12, 2), QTime(12, 0)));
    QCOMPARE(q.value(9).toString(), QStringLiteral("riga uno\r\nriga due"));
    QVERIFY(q.value(10).isNull());
    q.finish();
    // The queries' indexes, and keys that go on from the imported ones.
    QVERIFY(db.query(q, QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name = ?"),
                     {QStringLiteral("IX_SottoMovimenti_IDArticolo")}));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 1);
    q.finish();
    QVERIFY(db.execute(QStringLiteral("INSERT INTO Articoli (Matricola) VALUES (?)"),
                       {QStringLiteral("A-2")}));
    QVERIFY(db.query(q, QStringLiteral("SELECT MAX(IDArticolo) FROM Articoli")));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 8);
}

void tst_MdbImport::newerArchiveIsRefused() {
    QTemporaryDir dir;
    MdbFakeSource source = MdbFakeSource::Quarzil(21);
    const MdbImport::Result r =
        MdbImport::Run(source, dir.filePath(QStringLiteral("n.db")), MdbImport::Mode::Quarzil);
    QVERIFY(!r.ok);
    QCOMPARE(r.versionFound, 21);
    QCOMPARE(r.error, QStringLiteral("l'archivio è alla versione 21, più recente di questo "
                                     "programma (versione 20): aggiornare il programma"));
    QCOMPARE(filesIn(dir), QStringList());
}

void tst_MdbImport::missingColumnMakesAForeignFile() {
    QTemporaryDir dir;
    MdbFakeSource source = MdbFakeSource::Quarzil(20);
    for (MdbImportSource::Table& t : source.list)
        if (t.name == QLatin1String("Articoli"))
            t.columns.removeIf([](const MdbImportSource::Column& c) {
                return c.name == QLatin1String("Matricola");
            });
    source.list.removeIf(
        [](const MdbImportSource::Table& t) { return t.name == QLatin1String("Ordini"); });
    const MdbImport::Check check = MdbImport::Inspect(source);
    QVERIFY(!check.quarzil);
    QCOMPARE(check.missing, QStringList({"Articoli.Matricola", "Ordini"}));
    const MdbImport::Result r =
        MdbImport::Run(source, dir.filePath(QStringLiteral("m.db")), MdbImport::Mode::Quarzil);
    QVERIFY(!r.ok);
    QVERIFY2(r.error.startsWith(QStringLiteral("Il file non è un archivio di Quarzil: manca la "
                                               "tabella Ordini; manca la colonna "
                                               "Articoli.Matricola. Tabelle del file: Articoli, ")),
             qPrintable(r.error));
    QCOMPARE(filesIn(dir), QStringList());
}

void tst_MdbImport::amountsStayExactOrStopTheImport() {
    QTemporaryDir dir;
    using T = MdbImportSource::Type;
    const QList<MdbImportSource::Column> columns = {{QStringLiteral("Importo"), T::Currency},
                                                    {QStringLiteral("Quota"), T::Float},
                                                    {QStringLiteral("Misura"), T::Double}};
    MdbFakeSource source;
    const qlonglong largest = Record::kLargestStoredUnits;
    source.addTable(QStringLiteral("Conti"), columns,
                    {{largest, 0.1f, 0.1}, {qlonglong(-123456789), QVariant(), 1e300}});
    const QString target = dir.filePath(QStringLiteral("c.db"));
    const MdbImport::Result r = MdbImport::Run(source, target, MdbImport::Mode::AnyArchive);
    QVERIFY2(r.ok, qPrintable(r.error));
    {
        RawSqlite raw(target);
        QSqlQuery q(raw.db());
        QVERIFY(q.exec(QStringLiteral("SELECT Importo, Quota, Misura FROM Conti ORDER BY rowid")));
        QVERIFY(q.next());
        QCOMPARE(Record::ReadCurrency(q.value(0)).units(), largest);
        QCOMPARE(q.value(1).toDouble(), 0.1); // the single written as the decimal it shows
        QCOMPARE(q.value(2).toDouble(), 0.1);
        QVERIFY(q.next());
        QCOMPARE(Record::ReadCurrency(q.value(0)).units(), -123456789);
        QVERIFY(q.value(1).isNull());
        QCOMPARE(q.value(2).toDouble(), 1e300);
    }
    // One more ten-thousandth would not come back the same: the import stops, saying where.
    MdbFakeSource beyond;
    beyond.addTable(QStringLiteral("Conti"), columns, {{largest + 1, 0.1f, 0.1}});
    const QString other = dir.filePath(QStringLiteral("d.db"));
    const MdbImport::Result refused = MdbImport::Run(beyond, other, MdbImport::Mode::AnyArchive);
    QVERIFY(!refused.ok);
    QVERIFY2(refused.error.startsWith(QStringLiteral(
                 "la tabella Conti, riga 1: la colonna Importo contiene un importo")),
             qPrintable(refused.error));
    QVERIFY(!QFileInfo::exists(other));
}

QTEST_GUILESS_MAIN(tst_MdbImport)
#include "tst_MdbImport.moc"
