// label: db
#include "TestSupport.h"
#include "store/TableRecord.h"
#include "store/records/ArtProdRecord.h"
#include "store/records/ArticoliRecord.h"
#include "store/records/CategorieRecord.h"
#include "store/records/CliForRecord.h"
#include "store/records/FattureRecord.h"
#include "store/records/GruppiRecord.h"
#include "store/records/ImeiRecord.h"
#include "store/records/InformazioniRecord.h"
#include "store/records/ItemEditRecord.h"
#include "store/records/MacchProdRecord.h"
#include "store/records/MovimentiRecord.h"
#include "store/records/OfferteRecord.h"
#include "store/records/OpeProdRecord.h"
#include "store/records/OrdiniRecord.h"
#include "store/records/PrimaNotaRecord.h"
#include "store/records/ProduzioneRecord.h"
#include "store/records/RepartiRecord.h"
#include "store/records/ScadenzeRecord.h"
#include "store/records/ScaffaliRecord.h"
#include "store/records/SottoFattureRecord.h"
#include "store/records/SottoMovimentiRecord.h"
#include "store/records/SottoOrdiniRecord.h"
#include "store/records/UnMisRecord.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <ctime>
#include <map>
#include <memory>

using T = Schema::ColumnType;

namespace {

const QStringList kBackends = {QStringLiteral("sqlite"), QStringLiteral("postgres")};

QTestData& row(const QString& backend, const char* name) {
    return QTest::addRow("%s/%s", qPrintable(backend), name) << backend;
}

// Lists the data members of a record that do not read back as null.
struct NonNullFields {
    QStringList names;
    void operator()(const char* n, const QString& v) { add(n, !v.isNull()); }
    template <class V> void operator()(const char* n, const std::optional<V>& v) {
        add(n, v.has_value());
    }
    void operator()(const char* n, const CurrencyAmount& v) { add(n, !v.isNull()); }
    void operator()(const char* n, const QDateTime& v) { add(n, v.isValid()); }
    void operator()(const char* n, const QByteArray& v) { add(n, !v.isNull()); }
    void add(const char* n, bool notNull) {
        if (notNull)
            names << QLatin1String(n);
    }
};

// Walks a record's fields beside its layout and reports every binding whose member type cannot
// hold the schema column it names.
struct BindingCheck {
    const std::vector<Record::Field>& layout;
    QString table;
    QStringList problems;
    size_t i = 0;

    void check(const char* name, std::initializer_list<T> allowed, const char* member) {
        const Record::Field& f = layout.at(i++);
        const QString where = table + u'.' + QLatin1String(name);
        if (!f.column) {
            problems << where + QStringLiteral(": no such column");
            return;
        }
        if (std::find(allowed.begin(), allowed.end(), f.column->type) == allowed.end())
            problems << where + QStringLiteral(": held in ") + QLatin1String(member);
        if (f.column->type == T::Text && f.width != f.column->width)
            problems << where + QStringLiteral(": cut at the wrong width");
    }
    void operator()(const char* n, QString&) { check(n, {T::Text, T::Memo}, "QString"); }
    void operator()(const char* n, std::optional<qint32>&) {
        check(n, {T::Integer, T::SmallInt}, "optional<qint32>");
    }
    void operator()(const char* n, std::optional<float>&) {
        check(n, {T::Real}, "optional<float>");
    }
    void operator()(const char* n, CurrencyAmount&) { check(n, {T::Currency}, "CurrencyAmount"); }
    void operator()(const char* n, QDateTime&) { check(n, {T::DateTime}, "QDateTime"); }
    void operator()(const char* n, std::optional<bool>&) { check(n, {T::Bit}, "optional<bool>"); }
    void operator()(const char* n, QByteArray&) { check(n, {T::LongBinary}, "QByteArray"); }
};

template <class R> QStringList bindingProblems() {
    const QString table = QLatin1String(R::kTable);
    if (!Schema::FindTable(table))
        return {table + QStringLiteral(": no such table")};
    BindingCheck check{Record::Layout<R>(), table, {}};
    R r;
    r.fields(check);
    QStringList names;
    for (const Record::Field& f : check.layout) {
        if (names.contains(f.name, Qt::CaseInsensitive))
            check.problems << table + u'.' + f.name + QStringLiteral(": bound twice");
        names << f.name;
    }
    const QString key = QLatin1String(R::kKey);
    const Schema::Column* keyColumn = Schema::FindColumn(table, key);
    if (!key.isEmpty() && (!keyColumn || keyColumn->type != T::Counter))
        check.problems << table + u'.' + key + QStringLiteral(": not a counter");
    return check.problems;
}

QVariant scalar(Database& db, const QString& sql, const QVariantList& values = {}) {
    QSqlQuery q;
    if (!db.query(q, sql, values) || !q.next())
        return QStringLiteral("<query failed: %1>").arg(db.errorText());
    return q.value(0);
}

QByteArray picture(int size) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 256) % 256);
    return bytes;
}

} // namespace

class tst_RecordRoundTrip : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase() { m_archives.clear(); }

    void recordsBindExistingColumns();
    void freshRecordReadsBackNull_data() { TestSupport::AddBackendRows(); }
    void freshRecordReadsBackNull();
    void valuesRoundTrip_data() { TestSupport::AddBackendRows(); }
    void valuesRoundTrip();
    void currencyIsExact_data();
    void currencyIsExact();
    void amountsBeyondExactAreRefused_data() { TestSupport::AddBackendRows(); }
    void amountsBeyondExactAreRefused();
    void dateTimeKeepsLocalWallClock_data();
    void dateTimeKeepsLocalWallClock();
    void datesIgnoreTheServersZone_data();
    void datesIgnoreTheServersZone();
    void realsAreStoredAsTheirShortestDecimal_data() { TestSupport::AddBackendRows(); }
    void realsAreStoredAsTheirShortestDecimal();
    void nulCharactersAreDropped_data() { TestSupport::AddBackendRows(); }
    void nulCharactersAreDropped();
    void rowDeletedElsewhere_data() { TestSupport::AddBackendRows(); }
    void rowDeletedElsewhere();
    void textIsCutToWidth_data();
    void textIsCutToWidth();
    void pictureIsCapped_data();
    void pictureIsCapped();
    void hostileTextIsStoredVerbatim_data();
    void hostileTextIsStoredVerbatim();
    void keysAreTheDatabasesOwn_data() { TestSupport::AddBackendRows(); }
    void keysAreTheDatabasesOwn();
    void iteratesInQueryOrder_data() { TestSupport::AddBackendRows(); }
    void iteratesInQueryOrder();
    void legacySqliteValuesReadSafely();

private:
    Database* archive(const QString& backend) { return m_archives.get(backend); }
    QByteArray archiveError(const QString& backend) { return m_archives.error(backend); }

    TestSupport::ArchivePool m_archives;
};

void tst_RecordRoundTrip::initTestCase() {
    // A zone away from UTC with summer time, so a date that travels through UTC by mistake shows.
    qputenv("TZ", "Europe/Rome");
    tzset();
    QCOMPARE(QDateTime(QDate(2024, 7, 15), QTime(9, 0)).offsetFromUtc(), 7200);
}

void tst_RecordRoundTrip::recordsBindExistingColumns() {
    QStringList problems;
    problems << bindingProblems<ArtProdRecord>() << bindingProblems<ArticoliRecord>()
             << bindingProblems<CategorieRecord>() << bindingProblems<CliForRecord>()
             << bindingProblems<FattureRecord>() << bindingProblems<GruppiRecord>()
             << bindingProblems<ImeiRecord>() << bindingProblems<InformazioniRecord>()
             << bindingProblems<MacchProdRecord>() << bindingProblems<MovimentiRecord>()
             << bindingProblems<OfferteRecord>() << bindingProblems<OpeProdRecord>()
             << bindingProblems<OrdiniRecord>() << bindingProblems<PrimaNotaRecord>()
             << bindingProblems<ProduzioneRecord>() << bindingProblems<RepartiRecord>()
             << bindingProblems<ScadenzeRecord>() << bindingProblems<ScaffaliRecord>()
             << bindingProblems<SottoFattureRecord>() << bindingProblems<SottoMovimentiRecord>()
             << bindingProblems<SottoOrdiniRecord>() << bindingProblems<UnMisRecord>();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
}

void tst_RecordRoundTrip::freshRecordReadsBackNull() {
    QFETCH(QString, backend);
    Database* db = archive(backend);
    QVERIFY2(db, archiveError(backend));

    TableRecordSet<ArticoliRecord> items(*db);
    ArticoliRecord blank;
    // Empty but not null values must be stored as NULL too.
    blank.Matricola = QStringLiteral("");
    blank.Foto = QByteArray("");
    QVERIFY2(items.insert(blank), qPrintable(db->errorText()));
    QVERIFY(blank.IDArticolo > 0);

    QSqlQuery q;
    QVERIFY(db->query(q, QStringLiteral("SELECT * FROM Articoli WHERE IDArticolo = ?"),
                      {blank.IDArticolo}));
    QVERIFY(q.next());
    for (int c = 0; c < q.record().count(); ++c) {
        if (q.record().fieldName(c).compare(QLatin1String("IDArticolo"), Qt::CaseInsensitive) != 0)
            QVERIFY2(q.value(c).isNull(), qPrintable(q.record().fieldName(c)));
    }

    ArticoliRecord read;
    QVERIFY(LoadRecord(*db, blank.IDArticolo, read));
    QCOMPARE(read.IDArticolo, blank.IDArticolo);
    NonNullFields nonNull;
    read.fields(nonNull);
    QVERIFY2(nonNull.names.isEmpty(), qPrintable(nonNull.names.join(u',')));

    MovimentiRecord movement;
    QVERIFY(TableRecordSet<MovimentiRecord>(*db).insert(movement));
    MovimentiRecord readMovement;
    QVERIFY(LoadRecord(*db, movement.IDMovimento, readMovement));
    NonNullFields movementNonNull;
    readMovement.fields(movementNonNull);
    QVERIFY2(movementNonNull.names.isEmpty(), qPrintable(movementNonNull.names.join(u',')));
}

void tst_RecordRoundTrip::valuesRoundTrip() {
    QFETCH(QString, backend);
    Database* db = archive(backend);
    QVERIFY2(db, archiveError(backend));

    ArticoliRecord item;
    item.Matricola = QStringLiteral("MAT-001");
    item.IDUM = 7;
    item.IDCategoria = -3;
    item.IDFornitore = std::numeric_limits<qint32>::max();
    item.IncIva = true;
    item.Imei = false;
    item.Iva = 0.22f;
    item.Sconto = -1.5f;
    item.ScortaMin = 0.0f;
    item.Giacenza = 1234567.0f;
    item.Prezzo = CurrencyAmount::fromUnits(0);
    item.Notes = QStringLiteral("riga 1\nriga 2");
    TableRecordSet<ArticoliRecord> items(*db);
    QVERIFY2(items.insert(item), qPrintable(db->errorText()));

    ArticoliRecord read;
    QVERIFY(LoadRecord(*db, item.IDArticolo, read));
    QCOMPARE(read.Matricola, item.Matricola);
    QCOMPARE(read.IDUM, item.IDUM);
    QCOMPARE(read.IDCategoria, item.IDCategoria);
    QCOMPARE(read.IDFornitore, item.IDFornitore);
    QCOMPARE(read.IncIva, std::optional<bool>(true));
    QCOMPARE(read.Imei, std::optional<bool>(false));
    QCOMPARE(read.Iva, std::optional<float>(0.22f));
    QCOMPARE(read.Sconto, std::optional<float>(-1.5f));
    QCOMPARE(read.ScortaMin, std::optional<float>(0.0f));
    QCOMPARE(read.Giacenza, std::optional<float>(1234567.0f));
    QVERIFY(read.Prezzo.isValid());
    QCOMPARE(read.Prezzo.units(), qint64(0));
    QCOMPARE(read.Notes, item.Notes);
    QVERIFY(read.CodBarre.isNull());

    // Flipping every flag and clearing values through change() must be read back as such.
    read.IncIva = false;
    read.Imei = true;
    read.Iva.reset();
    read.IDUM.reset();
    read.Notes.clear();
    QVERIFY2(items.change(read), qPrintable(db->errorText()));
    ArticoliRecord changed;
    QVERIFY(LoadRecord(*db, item.IDArticolo, changed));
    QCOMPARE(changed.IncIva, std::optional<bool>(false));
    QCOMPARE(changed.Imei, std::optional<bool>(true));
    QVERIFY(!changed.Iva && !changed.IDUM);
    QVERIFY(changed.Notes.isNull());

    ScadenzeRecord due;
    due.Tipo = 32767;
    QVERIFY2(TableRecordSet<ScadenzeRecord>(*db).insert(due), qPrintable(db->errorText()));
    ScadenzeRecord readDue;
    QVERIFY(LoadRecord(*db, due.IDScadenza, readDue));
    QCOMPARE(readDue.Tipo, std::optional<qint32>(32767));
}

void tst_RecordRoundTrip::currencyIsExact_data() {
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QString>("amount");
    for (const QString& b : kBackends) {
        row(b, "price") << QStringLiteral("12345678.5834");
        row(b, "smallest negative") << QStringLiteral("-0.0001");
        row(b, "negative price") << QStringLiteral("-12345678.5834");
        row(b, "zero") << QStringLiteral("0.0000");
    }
    // The largest amounts both back ends keep exactly (SQLite holds doubles).
    for (const QString& b : kBackends) {
        row(b, "largest") << QStringLiteral("274877906943.9999");
        row(b, "most negative") << QStringLiteral("-274877906943.9999");
        row(b, "largest whole") << QStringLiteral("274877906943.0000");
    }
}

void tst_RecordRoundTrip::currencyIsExact() {
    QFETCH(QString, backend);
    QFETCH(QString, amount);
    Database* db = archive(backend);
    QVERIFY2(db, archiveError(backend));

    SottoFattureRecord line;
    line.Prezzo = CurrencyAmount::fromDecimalString(amount);
    QVERIFY(line.Prezzo.isValid());
    QVERIFY2(TableRecordSet<SottoFattureRecord>(*db).insert(line), qPrintable(db->errorText()));
    SottoFattureRecord read;
    QVERIFY(LoadRecord(*db, line.IDSottoFattura, read));
    QCOMPARE(read.Prezzo.toDecimalString(), amount);
    if (db->isPostgres())
        QCOMPARE(scalar(*db,
                        QStringLiteral("SELECT Prezzo::text FROM SottoFatture WHERE "
                                       "IDSottoFattura = ?"),
                        {line.IDSottoFattura})
                     .toString(),
                 amount);
}

void tst_RecordRoundTrip::amountsBeyondExactAreRefused() {
    QFETCH(QString, backend);
    Database* db = archive(backend);
    QVERIFY2(db, archiveError(backend));
    const QString largest = QStringLiteral("274877906943.9999");
    const QString count = QStringLiteral("SELECT COUNT(*) FROM SottoFatture");
    const int before = scalar(*db, count).toInt();

    // One ten-thousandth more, of either sign, is refused as a whole: not rounded, not written.
    TableRecordSet<SottoFattureRecord> lines(*db);
    for (const char* tooLarge : {"274877906944.0000", "-274877906944.0000"}) {
        SottoFattureRecord line;
        line.Prezzo = CurrencyAmount::fromDecimalString(QLatin1String(tooLarge));
        QVERIFY(!lines.insert(line));
        QVERIFY(IsStoreRefusal(db->lastError()));
        QVERIFY(!IsMissingRow(db->lastError()));
    }
    QCOMPARE(db->errorText(),
             QStringLiteral("L'importo -274.877.906.944,0000 è troppo grande per l'archivio, che "
                            "conserva esattamente importi fino a 274.877.906.943,9999 in più o "
                            "in meno: non è stato salvato."));
    QCOMPARE(scalar(*db, count).toInt(), before);

    SottoFattureRecord line;
    line.Prezzo = CurrencyAmount::fromDecimalString(largest);
    line.Descrizione = QStringLiteral("Riga");
    QVERIFY2(lines.insert(line), qPrintable(db->errorText()));
    SottoFattureRecord changed = line;
    changed.Descrizione = QStringLiteral("Cambiata");
    changed.Prezzo = CurrencyAmount::fromDecimalString(QStringLiteral("922337203685477.5807"));
    QVERIFY(!lines.change(changed));
    QVERIFY(IsStoreRefusal(db->lastError()));
    SottoFattureRecord read;
    QVERIFY(LoadRecord(*db, line.IDSottoFattura, read));
    QCOMPARE(read.Prezzo.toDecimalString(), largest);
    QCOMPARE(read.Descrizione, QStringLiteral("Riga"));

    // What another program wrote into the catalog beyond that is still read exactly.
    if (db->isPostgres()) {
        QVERIFY(db->execute(QStringLiteral("UPDATE SottoFatture SET Prezzo = "
                                           "-922337203685477.5808 WHERE IDSottoFattura = ?"),
                            {line.IDSottoFattura}));
        QVERIFY(LoadRecord(*db, line.IDSottoFattura, read));
        QCOMPARE(read.Prezzo.toDecimalString(), QStringLiteral("-922337203685477.5808"));
    }
}

void tst_RecordRoundTrip::dateTimeKeepsLocalWallClock_data() {
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QDateTime>("when");
    for (const QString& b : kBackends) {
        row(b, "summer") << QDateTime(QDate(2024, 7, 15), QTime(9, 8, 7));
        row(b, "winter late evening") << QDateTime(QDate(2024, 1, 15), QTime(23, 59, 59));
        row(b, "milliseconds") << QDateTime(QDate(2023, 10, 29), QTime(12, 30, 45, 123));
        row(b, "last century") << QDateTime(QDate(1999, 12, 31), QTime(0, 0));
    }
}

void tst_RecordRoundTrip::dateTimeKeepsLocalWallClock() {
    QFETCH(QString, backend);
    QFETCH(QDateTime, when);
    Database* db = archive(backend);
    QVERIFY2(db, archiveError(backend));

    ArticoliRecord item;
    item.LastMov = when;
    QVERIFY2(TableRecordSet<ArticoliRecord>(*db).insert(item), qPrintable(db->errorText()));
    ArticoliRecord read;
    QVERIFY(LoadRecord(*db, item.IDArticolo, read));
    QCOMPARE(read.LastMov.timeSpec(), Qt::LocalTime);
    QCOMPARE(read.LastMov.date(), when.date());
    QCOMPARE(read.LastMov.time(), when.time());

    // Reports and other programs read the column directly: it must hold the local wall clock.
    const QString wall = db->isPostgres()
                             ? QStringLiteral("SELECT to_char(LastMov, 'YYYY-MM-DD HH24:MI:SS') "
                                              "FROM Articoli WHERE IDArticolo = ?")
                             : QStringLiteral("SELECT strftime('%Y-%m-%d %H:%M:%S', LastMov) "
                                              "FROM Articoli WHERE IDArticolo = ?");
    QCOMPARE(scalar(*db, wall, {item.IDArticolo}).toString(),
             when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

namespace {
// Points the process at another time zone for one test, and back to Rome after it.
class ZoneScope {
public:
    ZoneScope(const QByteArray& tz, const QByteArray& tzdir) {
        if (!tzdir.isEmpty())
            qputenv("TZDIR", tzdir);
        qputenv("TZ", tz);
        tzset();
    }
    ~ZoneScope() {
        qunsetenv("TZDIR");
        qputenv("TZ", "Europe/Rome");
        tzset();
    }
};
} // namespace

void tst_RecordRoundTrip::datesIgnoreTheServersZone_data() {
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QString>("zone");
    for (const QString& b : kBackends) {
        row(b, "zone file path") << QStringLiteral("path");
        row(b, "zone the server does not know") << QStringLiteral("unknown");
        row(b, "session in another zone") << QStringLiteral("session");
    }
}

// The process's zone (summer time at +2, winter at +1) is one the server cannot name, or the
// server's session is elsewhere: what is written is still what is read and what the column
// holds, on the main connection and on a worker's clone.
void tst_RecordRoundTrip::datesIgnoreTheServersZone() {
    QFETCH(QString, backend);
    QFETCH(QString, zone);
    QTemporaryDir zones;
    QVERIFY(QDir().mkpath(zones.filePath(QStringLiteral("Quarzil"))));
    const QString zoneFile = zones.filePath(QStringLiteral("Quarzil/Roma"));
    QVERIFY(QFile::copy(QStringLiteral("/usr/share/zoneinfo/Europe/Rome"), zoneFile));
    std::unique_ptr<ZoneScope> scope;
    if (zone == QLatin1String("path"))
        scope = std::make_unique<ZoneScope>(zoneFile.toLocal8Bit(), QByteArray());
    else if (zone == QLatin1String("unknown"))
        scope = std::make_unique<ZoneScope>("Quarzil/Roma", zones.path().toLocal8Bit());
    else
        scope = std::make_unique<ZoneScope>("Europe/Rome", QByteArray());
    QCOMPARE(QDateTime(QDate(2024, 7, 15), QTime(9, 0)).offsetFromUtc(), 7200);
    QCOMPARE(QDateTime(QDate(2024, 1, 15), QTime(9, 0)).offsetFromUtc(), 3600);
    QVERIFY2(archive(backend), archiveError(backend));

    Database main(TestSupport::UniqueName(QStringLiteral("zone_main_")));
    QVERIFY2(main.open(m_archives.connectionString(backend)), qPrintable(main.errorText()));
    Database clone(TestSupport::UniqueName(QStringLiteral("zone_clone_")));
    QVERIFY2(clone.openClone(main), qPrintable(clone.errorText()));
    if (zone == QLatin1String("session") && main.isPostgres()) {
        for (Database* db : {&main, &clone})
            QVERIFY(db->execute(QStringLiteral("SET TimeZone = 'Pacific/Kiritimati'")));
    }

    const QString wall = main.isPostgres()
                             ? QStringLiteral("SELECT to_char(LastMov, 'YYYY-MM-DD HH24:MI:SS') "
                                              "FROM Articoli WHERE IDArticolo = ?")
                             : QStringLiteral("SELECT strftime('%Y-%m-%d %H:%M:%S', LastMov) "
                                              "FROM Articoli WHERE IDArticolo = ?");
    const QList<QDateTime> dates = {QDateTime(QDate(2024, 7, 15), QTime(9, 8, 7)),
                                    QDateTime(QDate(2024, 1, 15), QTime(23, 30, 0))};
    for (Database* writer : {&main, &clone}) {
        Database* reader = writer == &main ? &clone : &main;
        for (const QDateTime& when : dates) {
            // Through a record, and through a statement of its own.
            ArticoliRecord item;
            item.LastMov = when;
            QVERIFY2(TableRecordSet<ArticoliRecord>(*writer).insert(item),
                     qPrintable(writer->errorText()));
            ArticoliRecord read;
            QVERIFY(LoadRecord(*reader, item.IDArticolo, read));
            QCOMPARE(read.LastMov, when);
            QCOMPARE(scalar(*reader, wall, {item.IDArticolo}).toString(),
                     when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));

            const QDateTime later = when.addSecs(3600);
            QVERIFY(writer->execute(
                QStringLiteral("UPDATE Articoli SET LastMov = ? WHERE IDArticolo = ?"),
                {later, item.IDArticolo}));
            QVERIFY(LoadRecord(*reader, item.IDArticolo, read));
            QCOMPARE(read.LastMov, later);
            QCOMPARE(scalar(*reader,
                            QStringLiteral("SELECT COUNT(*) FROM Articoli WHERE IDArticolo = ? "
                                           "AND LastMov = ?"),
                            {item.IDArticolo, later})
                         .toInt(),
                     1);
        }
    }
}

void tst_RecordRoundTrip::realsAreStoredAsTheirShortestDecimal() {
    QFETCH(QString, backend);
    Database* db = archive(backend);
    QVERIFY2(db, archiveError(backend));

    // A rate typed as 22 % is the float 0.22f in memory; a statement of its own binds 0.22.
    QVERIFY(db->execute(QStringLiteral("DELETE FROM Articoli")));
    ItemEditRecord item;
    item.Iva = 0.22f;
    item.Sconto = 0.125f;
    item.ScortaMin = 1.1f;
    QVERIFY2(TableRecordSet<ItemEditRecord>(*db).insert(item), qPrintable(db->errorText()));
    QVERIFY(db->execute(QStringLiteral("INSERT INTO Articoli (Iva, ScortaMin) VALUES (?, ?)"),
                        {0.22, 1.1}));
    const QString text = db->isPostgres()
                             ? QStringLiteral("SELECT Iva::text, Sconto::text, ScortaMin::text "
                                              "FROM Articoli WHERE IDArticolo = ?")
                             : QStringLiteral("SELECT CAST(Iva AS TEXT), CAST(Sconto AS TEXT), "
                                              "CAST(ScortaMin AS TEXT) FROM Articoli WHERE "
                                              "IDArticolo = ?");
    QSqlQuery q;
    QVERIFY(db->query(q, text, {item.IDArticolo}) && q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("0.22"));
    QCOMPARE(q.value(1).toString(), QStringLiteral("0.125"));
    QCOMPARE(q.value(2).toString(), QStringLiteral("1.1"));
    // One typed value, one stored value: equal rows group together and match a bound rate.
    QCOMPARE(scalar(*db, QStringLiteral("SELECT COUNT(DISTINCT Iva) FROM Articoli WHERE Iva IS "
                                        "NOT NULL"))
                 .toInt(),
             1);
    QCOMPARE(
        scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Articoli WHERE Iva = ?"), {0.22}).toInt(),
        2);
    QCOMPARE(scalar(*db, QStringLiteral("SELECT COUNT(DISTINCT ScortaMin) FROM Articoli WHERE "
                                        "ScortaMin IS NOT NULL"))
                 .toInt(),
             1);
    ItemEditRecord read;
    QVERIFY(LoadRecord(*db, item.IDArticolo, read));
    QCOMPARE(read.Iva, std::optional<float>(0.22f));
    QVERIFY(Record::SameRate(*read.Iva, 0.22));
    QVERIFY(!Record::SameRate(*read.Iva, 0.2201));
    QCOMPARE(Record::StoredReal(0.22f), 0.22);
    QCOMPARE(Record::StoredReal(1.0f / 3.0f), 0.33333334);
    QCOMPARE(Record::StoredReal(16777217.0f), 16777216.0);
}

void tst_RecordRoundTrip::nulCharactersAreDropped() {
    QFETCH(QString, backend);
    Database* db = archive(backend);
    QVERIFY2(db, archiveError(backend));

    // PostgreSQL refuses U+0000 in a text; neither back end keeps it.
    const QString typed = QStringLiteral("Vite") + QChar(0) + QStringLiteral("M4") + QChar(0);
    ArticoliRecord item;
    item.Matricola = typed;
    item.Notes = typed + typed;
    item.CodBarre = QString(QChar(0));
    TableRecordSet<ArticoliRecord> items(*db);
    QVERIFY2(items.insert(item), qPrintable(db->errorText()));
    ArticoliRecord read;
    QVERIFY(LoadRecord(*db, item.IDArticolo, read));
    QCOMPARE(read.Matricola, QStringLiteral("ViteM4"));
    QCOMPARE(read.Notes, QStringLiteral("ViteM4ViteM4"));
    QVERIFY(read.CodBarre.isNull());
    read.Descrizione = typed;
    QVERIFY2(items.change(read), qPrintable(db->errorText()));
    QVERIFY2(db->execute(QStringLiteral("UPDATE Articoli SET CodForn = ? WHERE IDArticolo = ?"),
                         {typed, item.IDArticolo}),
             qPrintable(db->errorText()));
    QCOMPARE(scalar(*db,
                    QStringLiteral("SELECT COUNT(*) FROM Articoli WHERE Descrizione = ? AND "
                                   "CodForn = 'ViteM4'"),
                    {typed})
                 .toInt(),
             1);
}

void tst_RecordRoundTrip::rowDeletedElsewhere() {
    QFETCH(QString, backend);
    Database* db = archive(backend);
    QVERIFY2(db, archiveError(backend));
    Database other(TestSupport::UniqueName(QStringLiteral("other_")));
    QVERIFY2(other.open(m_archives.connectionString(backend)), qPrintable(other.errorText()));

    TableRecordSet<CliForRecord> set(*db);
    CliForRecord record;
    record.RagSoc = QStringLiteral("Rossi");
    QVERIFY2(set.insert(record), qPrintable(db->errorText()));
    QVERIFY(
        other.execute(QStringLiteral("DELETE FROM CliFor WHERE IDCliFor = ?"), {record.IDCliFor}));

    // A change that finds no row fails and writes nothing; so does a read.
    record.RagSoc = QStringLiteral("Rossi & C.");
    QVERIFY(!set.change(record));
    QVERIFY(IsMissingRow(db->lastError()));
    QCOMPARE(db->errorText(), QStringLiteral("Impossibile salvare le modifiche: il record non "
                                             "esiste più, è stato eliminato da un altro "
                                             "computer."));
    QCOMPARE(scalar(*db, QStringLiteral("SELECT COUNT(*) FROM CliFor WHERE IDCliFor = ?"),
                    {record.IDCliFor})
                 .toInt(),
             0);
    CliForRecord read;
    QVERIFY(!LoadRecord(*db, record.IDCliFor, read));
    QVERIFY(IsMissingRow(db->lastError()));
    QCOMPARE(db->errorText(),
             QStringLiteral("Il record non esiste più: è stato eliminato da un altro computer."));

    // A change of a row that is there succeeds, also with the values it already holds.
    CliForRecord kept;
    kept.RagSoc = QStringLiteral("Bianchi");
    QVERIFY(set.insert(kept));
    QVERIFY2(set.change(kept), qPrintable(db->errorText()));
    QVERIFY2(set.change(kept), qPrintable(db->errorText()));
}

void tst_RecordRoundTrip::textIsCutToWidth_data() {
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    // Articoli.UnMis is five characters wide.
    const QString grin = QStringLiteral("\U0001F600");
    for (const QString& b : kBackends) {
        row(b, "one over") << QStringLiteral("ABCDEF") << QStringLiteral("ABCDE");
        row(b, "accented at width") << QStringLiteral("èèèèè") << QStringLiteral("èèèèè");
        row(b, "accented over") << QStringLiteral("àèìòùé") << QStringLiteral("àèìòù");
        row(b, "pair fits") << QStringLiteral("abc") + grin << QStringLiteral("abc") + grin;
        row(b, "pair at cut") << QStringLiteral("abcd") + grin << QStringLiteral("abcd");
        row(b, "pairs only") << grin + grin + grin << grin + grin;
    }
}

void tst_RecordRoundTrip::textIsCutToWidth() {
    QFETCH(QString, backend);
    QFETCH(QString, text);
    QFETCH(QString, stored);
    Database* db = archive(backend);
    QVERIFY2(db, archiveError(backend));

    TableRecordSet<ArticoliRecord> items(*db);
    ArticoliRecord item;
    item.UnMis = text;
    QVERIFY2(items.insert(item), qPrintable(db->errorText()));
    QCOMPARE(scalar(*db, QStringLiteral("SELECT UnMis FROM Articoli WHERE IDArticolo = ?"),
                    {item.IDArticolo})
                 .toString(),
             stored);
    ArticoliRecord read;
    QVERIFY(LoadRecord(*db, item.IDArticolo, read));
    QCOMPARE(read.UnMis, stored);

    read.UnMis = QStringLiteral("x") + text;
    QVERIFY2(items.change(read), qPrintable(db->errorText()));
    QVERIFY(LoadRecord(*db, item.IDArticolo, read));
    QVERIFY(read.UnMis.size() <= 5);
    QVERIFY(!read.UnMis.back().isHighSurrogate());
}

void tst_RecordRoundTrip::pictureIsCapped_data() {
    QTest::addColumn<QString>("backend");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("stored");
    for (const QString& b : kBackends) {
        row(b, "every byte value") << 256 << 256;
        row(b, "largest") << Record::kMaxBinaryBytes << Record::kMaxBinaryBytes;
        row(b, "one byte over") << Record::kMaxBinaryBytes + 1 << Record::kMaxBinaryBytes;
    }
}

void tst_RecordRoundTrip::pictureIsCapped() {
    QFETCH(QString, backend);
    QFETCH(int, size);
    QFETCH(int, stored);
    Database* db = archive(backend);
    QVERIFY2(db, archiveError(backend));

    ArticoliRecord item;
    item.Foto = picture(size);
    QVERIFY2(TableRecordSet<ArticoliRecord>(*db).insert(item), qPrintable(db->errorText()));
    QCOMPARE(scalar(*db, QStringLiteral("SELECT length(Foto) FROM Articoli WHERE IDArticolo = ?"),
                    {item.IDArticolo})
                 .toInt(),
             stored);
    ArticoliRecord read;
    QVERIFY(LoadRecord(*db, item.IDArticolo, read));
    QCOMPARE(read.Foto.size(), stored);
    QVERIFY(read.Foto == item.Foto.left(stored));
}

void tst_RecordRoundTrip::hostileTextIsStoredVerbatim_data() {
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("code"); // what fits the 30-character Matricola
    const QString longText = QStringLiteral("Inizio") + QString(9994, u'x');
    const QList<std::pair<const char*, QString>> texts = {
        {"quotes", QStringLiteral("O'Brien \"il\" d''Aosta")},
        {"statement end", QStringLiteral("x'); DROP TABLE Articoli; --")},
        {"wildcards", QStringLiteral("100% _sconto_ %% *")},
        {"backslashes", QStringLiteral("C:\\temp\\new\\\\x \\' \\\"")},
        {"placeholders", QStringLiteral("? $1 :nome @p %1 ??")},
        {"control characters", QStringLiteral("riga1\r\nriga2\tfine")},
        {"emoji", QStringLiteral("Caffè ☕ \U0001F600\U0001F44D\U0001F3FD")},
    };
    for (const QString& b : kBackends) {
        for (const auto& [name, text] : texts)
            row(b, name) << text << text;
        row(b, "ten thousand characters") << longText << longText.left(30);
    }
}

void tst_RecordRoundTrip::hostileTextIsStoredVerbatim() {
    QFETCH(QString, backend);
    QFETCH(QString, text);
    QFETCH(QString, code);
    Database* db = archive(backend);
    QVERIFY2(db, archiveError(backend));

    TableRecordSet<ArticoliRecord> items(*db);
    ArticoliRecord inserted;
    inserted.Matricola = text;
    inserted.Notes = text;
    QVERIFY2(items.insert(inserted), qPrintable(db->errorText()));
    ArticoliRecord changed;
    changed.Matricola = QStringLiteral("plain");
    QVERIFY2(items.insert(changed), qPrintable(db->errorText()));
    changed.Matricola = text;
    changed.Notes = text;
    QVERIFY2(items.change(changed), qPrintable(db->errorText()));

    for (qint32 key : {inserted.IDArticolo, changed.IDArticolo}) {
        ArticoliRecord read;
        QVERIFY(LoadRecord(*db, key, read));
        QCOMPARE(read.Matricola, code);
        QCOMPARE(read.Notes, text);
    }
}

void tst_RecordRoundTrip::keysAreTheDatabasesOwn() {
    QFETCH(QString, backend);
    Database* db = archive(backend);
    QVERIFY2(db, archiveError(backend));

    TableRecordSet<CategorieRecord> set(*db);
    std::vector<CategorieRecord> rows(3);
    qint32 previous = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i].IDCategoria = 9999; // must be ignored
        rows[i].Categoria = QStringLiteral("Categoria %1").arg(i);
        QVERIFY2(set.insert(rows[i]), qPrintable(db->errorText()));
        QVERIFY(rows[i].IDCategoria > previous);
        QVERIFY(rows[i].IDCategoria != 9999);
        previous = rows[i].IDCategoria;
        QCOMPARE(scalar(*db,
                        QStringLiteral("SELECT Categoria FROM Categorie WHERE IDCategoria = ?"),
                        {rows[i].IDCategoria})
                     .toString(),
                 rows[i].Categoria);
    }
    QCOMPARE(scalar(*db, QStringLiteral("SELECT COUNT(*) FROM Categorie WHERE IDCategoria = 9999"))
                 .toInt(),
             0);

    // change() rewrites only the row with the record's key, also when run twice on one set.
    rows[1].Categoria = QStringLiteral("Rinominata");
    QVERIFY2(set.change(rows[1]), qPrintable(db->errorText()));
    rows[2].Categoria.clear();
    QVERIFY2(set.change(rows[2]), qPrintable(db->errorText()));
    CategorieRecord read;
    QVERIFY(LoadRecord(*db, rows[0].IDCategoria, read));
    QCOMPARE(read.Categoria, QStringLiteral("Categoria 0"));
    QVERIFY(LoadRecord(*db, rows[1].IDCategoria, read));
    QCOMPARE(read.Categoria, QStringLiteral("Rinominata"));
    QVERIFY(scalar(*db, QStringLiteral("SELECT Categoria FROM Categorie WHERE IDCategoria = ?"),
                   {rows[2].IDCategoria})
                .isNull());

    QVERIFY(set.remove(rows[1].IDCategoria));
    QVERIFY(!LoadRecord(*db, rows[1].IDCategoria, read));
    QVERIFY(set.openKey(rows[1].IDCategoria));
    QVERIFY(set.atEnd() && !set.failed());
    QVERIFY(LoadRecord(*db, rows[0].IDCategoria, read));
    QVERIFY(LoadRecord(*db, rows[2].IDCategoria, read));
}

void tst_RecordRoundTrip::iteratesInQueryOrder() {
    QFETCH(QString, backend);
    Database* db = archive(backend);
    QVERIFY2(db, archiveError(backend));

    std::vector<Schema::Unit> expected = Schema::StarterUnits();
    std::sort(expected.begin(), expected.end(), [](const Schema::Unit& a, const Schema::Unit& b) {
        return qstrcmp(a.sigla, b.sigla) < 0;
    });
    TableRecordSet<UnMisRecord> units(*db);
    QVERIFY(units.open(QStringLiteral("SELECT * FROM UnMis WHERE IDUM > ? ORDER BY Sigla"), {0}));
    QStringList read;
    for (; !units.atEnd(); units.moveNext()) {
        QVERIFY(units.current().IDUM > 0);
        read << units.current().Sigla + u'=' + units.current().Descrizione;
    }
    QVERIFY(!units.failed());
    QStringList want;
    for (const Schema::Unit& u : expected)
        want << QLatin1String(u.sigla) + u'=' + QLatin1String(u.descrizione);
    QCOMPARE(read, want);

    QVERIFY(!units.open(QStringLiteral("SELECT * FROM NoSuchTable WHERE IDUM > ?")));
    QVERIFY(units.failed());
    QVERIFY(!db->errorText().isEmpty());
}

void tst_RecordRoundTrip::legacySqliteValuesReadSafely() {
    Database* db = archive(QStringLiteral("sqlite"));
    QVERIFY2(db, archiveError(QStringLiteral("sqlite")));

    // Values as older archives hold them: true as -1, texts longer than their column, amounts and
    // dates as text, an oversized picture.
    QVERIFY2(db->execute(QStringLiteral("INSERT INTO Articoli (Matricola, IncIva, Imei, Foto, "
                                        "Prezzo, LastMov, Iva) VALUES (?, -1, 0, "
                                        "zeroblob(150100), '12.3456', '2024-07-15 09:08:07', 22)"),
                         {QString(40, u'M')}),
             qPrintable(db->errorText()));
    const qint32 key = scalar(*db, QStringLiteral("SELECT MAX(IDArticolo) FROM Articoli")).toInt();
    ArticoliRecord read;
    QVERIFY(LoadRecord(*db, key, read));
    QCOMPARE(read.IncIva, std::optional<bool>(true));
    QCOMPARE(read.Imei, std::optional<bool>(false));
    QCOMPARE(read.Matricola, QString(30, u'M'));
    QCOMPARE(read.Foto.size(), Record::kMaxBinaryBytes);
    QCOMPARE(read.Prezzo.toDecimalString(), QStringLiteral("12.3456"));
    QCOMPARE(read.LastMov, QDateTime(QDate(2024, 7, 15), QTime(9, 8, 7)));
    QCOMPARE(read.Iva, std::optional<float>(22.0f));
}

QTEST_MAIN(tst_RecordRoundTrip)
#include "tst_RecordRoundTrip.moc"
