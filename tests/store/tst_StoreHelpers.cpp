// label: db
#include "TestSupport.h"
#include "common/CurrencyAmount.h"
#include "store/ConnectionString.h"
#include "store/DbError.h"
#include "store/DisplayName.h"
#include "store/LikePattern.h"
#include "store/OrderClause.h"
#include "store/PostgresKeys.h"
#include "store/Schema.h"
#include "store/SchemaUpgrade.h"
#include "store/SqliteKeys.h"
#include "store/TableRecord.h"
#include "store/TextOrder.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <limits>

using T = Schema::ColumnType;

namespace {

constexpr qint64 kMax = std::numeric_limits<qint64>::max();
constexpr qint64 kMin = std::numeric_limits<qint64>::min();

// How each back end reports a column of the schema, written out independently of the DDL code.
QString expectedType(const Schema::Column& c, bool pg) {
    switch (c.type) {
    case T::Counter:
        return pg ? QStringLiteral("integer identity") : QStringLiteral("INTEGER key");
    case T::Integer:
        return pg ? QStringLiteral("integer") : QStringLiteral("INTEGER");
    case T::SmallInt:
        return pg ? QStringLiteral("smallint") : QStringLiteral("SMALLINT");
    case T::Real:
        return pg ? QStringLiteral("real") : QStringLiteral("REAL");
    case T::Currency:
        return pg ? QStringLiteral("numeric(19,4)") : QStringLiteral("CURRENCY");
    case T::DateTime:
        return pg ? QStringLiteral("timestamp without time zone") : QStringLiteral("DATETIME");
    case T::Text:
        return (pg ? QStringLiteral("character varying(%1)") : QStringLiteral("TEXT(%1)"))
            .arg(c.width);
    case T::Memo:
        return pg ? QStringLiteral("text") : QStringLiteral("TEXT");
    case T::Bit:
        return pg ? QStringLiteral("boolean") : QStringLiteral("BIT");
    case T::LongBinary:
        return pg ? QStringLiteral("bytea") : QStringLiteral("BLOB");
    }
    return QString();
}

// "table.column" (lower case: PostgreSQL folds unquoted names) -> type as expectedType spells it.
bool actualColumns(Database& db, QMap<QString, QString>& columns) {
    QSqlQuery q;
    if (db.isPostgres()) {
        if (!db.query(q,
                      QStringLiteral("SELECT table_name, column_name, data_type, "
                                     "character_maximum_length, numeric_precision, "
                                     "numeric_scale, is_identity FROM information_schema.columns "
                                     "WHERE table_schema = 'public'")))
            return false;
        while (q.next()) {
            QString type = q.value(2).toString();
            if (type == QLatin1String("character varying"))
                type += QStringLiteral("(%1)").arg(q.value(3).toInt());
            else if (type == QLatin1String("numeric"))
                type += QStringLiteral("(%1,%2)").arg(q.value(4).toInt()).arg(q.value(5).toInt());
            if (q.value(6).toString() == QLatin1String("YES"))
                type += QStringLiteral(" identity");
            columns.insert(q.value(0).toString() + u'.' + q.value(1).toString(), type);
        }
        return true;
    }
    QStringList tables;
    if (!db.query(q, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND "
                                    "name NOT LIKE 'sqlite%'")))
        return false;
    while (q.next())
        tables << q.value(0).toString();
    for (const QString& table : tables) {
        if (!db.query(q, QStringLiteral("PRAGMA table_info(%1)").arg(table)))
            return false;
        while (q.next()) {
            QString type = q.value(QStringLiteral("type")).toString().toUpper();
            if (q.value(QStringLiteral("pk")).toInt() == 1)
                type += QStringLiteral(" key");
            columns.insert((table + u'.' + q.value(QStringLiteral("name")).toString()).toLower(),
                           type);
        }
    }
    return true;
}

QStringList column(Database& db, const QString& sql) {
    QStringList values;
    QSqlQuery q;
    if (!db.query(q, sql))
        return {QStringLiteral("<query failed: %1>").arg(db.errorText())};
    while (q.next())
        values << q.value(0).toString();
    return values;
}

} // namespace

class tst_StoreHelpers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void displayName_data() { TestSupport::AddBackendRows(); }
    void displayName();
    void orderClause_data();
    void orderClause();
    void dbErrorText_data() { TestSupport::AddBackendRows(); }
    void dbErrorText();
    void connectionStringValidity_data();
    void connectionStringValidity();
    void connectionStringValues();
    void connectionStringQuoting_data();
    void connectionStringQuoting();
    void connectionStringHandWritten_data();
    void connectionStringHandWritten();
    void currencyFromText_data();
    void currencyFromText();
    void currencyToText_data();
    void currencyToText();
    void currencyFromDouble_data();
    void currencyFromDouble();
    void archiveMatchesSchema_data() { TestSupport::AddBackendRows(); }
    void archiveMatchesSchema();
    void alphabeticalOrder_data() { TestSupport::AddBackendRows(); }
    void alphabeticalOrder();
    void likeTakesOnlyStarAsWildcard_data();
    void likeTakesOnlyStarAsWildcard();
    void missingIndexesAreMade_data() { TestSupport::AddBackendRows(); }
    void missingIndexesAreMade();
    void keysThroughTheLibrary_data() { TestSupport::AddBackendRows(); }
    void keysThroughTheLibrary();
    void numberedPlaceholders();
    void preparedStatementsAreKept_data() { TestSupport::AddBackendRows(); }
    void preparedStatementsAreKept();

private:
    TestSupport::ArchivePool m_archives;
};

void tst_StoreHelpers::displayName() {
    QFETCH(QString, backend);
    TestSupport::Archive archive(backend);
    QVERIFY2(archive.isOpen(), qPrintable(archive.error()));
    Database& db = archive.db();

    struct Kind {
        const char* table;
        const char* key;
        const char* name;
    };
    const Kind kinds[] = {
        {"UnMis", "IDUM", "Sigla"},          {"Categorie", "IDCategoria", "Categoria"},
        {"Reparti", "IDReparto", "Reparto"}, {"Scaffali", "IDScaffale", "Scaffale"},
        {"CliFor", "IDCliFor", "RagSoc"},    {"Gruppi", "IDGruppo", "Gruppo"}};
    // Every table gets a named row and a row without a name first, so a kind that reads the
    // wrong table finds a row with the same key there and shows it.
    qint32 named[6];
    qint32 unnamed[6];
    for (int kind = 0; kind < 6; ++kind) {
        const Kind& k = kinds[kind];
        for (bool withName : {true, false}) {
            QSqlQuery q;
            const QString sql =
                QStringLiteral("INSERT INTO %1 (%2) VALUES (?) RETURNING %3")
                    .arg(QLatin1String(k.table), QLatin1String(k.name), QLatin1String(k.key));
            const QVariant name = withName ? QVariant(QStringLiteral("Zè'%1").arg(kind))
                                           : QVariant(QMetaType::fromType<QString>());
            QVERIFY2(db.query(q, sql, {name}) && q.next(), qPrintable(db.errorText()));
            (withName ? named : unnamed)[kind] = q.value(0).toInt();
        }
    }

    for (int kind = 0; kind < 6; ++kind) {
        const QByteArray table = kinds[kind].table;
        QVERIFY2(GetDisplayName(db, named[kind], kind) == QStringLiteral("Zè'%1").arg(kind), table);
        QVERIFY2(GetDisplayName(db, unnamed[kind], kind).isEmpty(), table);
        QVERIFY2(GetDisplayName(db, 0, kind).isEmpty(), table);
        QVERIFY2(GetDisplayName(db, -named[kind], kind).isEmpty(), table);
        QVERIFY2(GetDisplayName(db, unnamed[kind] + 1000, kind).isEmpty(), table);
    }
    QVERIFY(GetDisplayName(db, named[5], 6).isEmpty());
    QVERIFY(GetDisplayName(db, named[0], -1).isEmpty());
    // The starter units are there from the start.
    QCOMPARE(GetDisplayName(db, 1, 0), QLatin1String(Schema::StarterUnits().front().sigla));
}

void tst_StoreHelpers::orderClause_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<bool>("keepDirection");
    QTest::addColumn<QString>("clause");
    const QString twoColumns =
        QStringLiteral("SELECT * FROM Articoli ORDER BY Matricola ASC, Descrizione DESC");
    QTest::newRow("no ORDER BY") << QStringLiteral("SELECT * FROM Articoli WHERE IDArticolo > ?")
                                 << false
                                 << QStringLiteral("SELECT * FROM Articoli WHERE IDArticolo > ?");
    QTest::newRow("one column") << QStringLiteral("SELECT * FROM UnMis ORDER BY Sigla") << false
                                << QStringLiteral("Sigla");
    QTest::newRow("lower case") << QStringLiteral("select * from Movimenti order by Data desc")
                                << false << QStringLiteral("Data");
    QTest::newRow("directions dropped")
        << twoColumns << false << QStringLiteral("Matricola, Descrizione");
    QTest::newRow("directions kept")
        << twoColumns << true << QStringLiteral("Matricola ASC, Descrizione DESC");
    QTest::newRow("mixed-case directions")
        << QStringLiteral("SELECT * FROM Movimenti ORDER BY Data Desc,Numero asc") << false
        << QStringLiteral("Data,Numero");
    QTest::newRow("names holding ASC and DESC")
        << QStringLiteral("SELECT * FROM T ORDER BY DescrizioneASC, Ascensore DESC, IDDESC")
        << false << QStringLiteral("DescrizioneASC, Ascensore, IDDESC");
    QTest::newRow("across lines") << QStringLiteral(
                                         "SELECT *\nFROM Movimenti\nORDER BY Data DESC\n")
                                  << false << QStringLiteral("Data");
}

void tst_StoreHelpers::orderClause() {
    QFETCH(QString, sql);
    QFETCH(bool, keepDirection);
    QFETCH(QString, clause);
    const QString result = GetOrderClause(sql, keepDirection);
    // A kept clause is pasted after "ORDER BY " as it is, so spacing around it does not matter.
    QCOMPARE(keepDirection ? result.trimmed() : result, clause);
}

void tst_StoreHelpers::dbErrorText() {
    QFETCH(QString, backend);
    const QString unknown = QStringLiteral("Errore OleDB sconosciuto!");
    QCOMPARE(DbErrorText(QSqlError()), unknown);
    QCOMPARE(DbErrorText(QSqlError(QString(), QString(), QSqlError::StatementError)), unknown);
    QCOMPARE(DbErrorText(QSqlError(QStringLiteral("driver"), QString(), QSqlError::StatementError)),
             QStringLiteral("driver"));

    TestSupport::Archive archive(backend);
    QVERIFY2(archive.isOpen(), qPrintable(archive.error()));
    QVERIFY(!archive.db().execute(QStringLiteral("SELECT x FROM NoSuchTable")));
    const QString text = DbErrorText(archive.db().lastError());
    QVERIFY2(text.contains(QLatin1String("NoSuchTable"), Qt::CaseInsensitive), qPrintable(text));
}

void tst_StoreHelpers::connectionStringValidity_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("type");
    QTest::newRow("sqlite") << ConnectionString::ForSqlite(QStringLiteral("/dati/Quarzil.db"))
                            << true << 0;
    QTest::newRow("postgres") << ConnectionString::ForPostgres(
                                     QStringLiteral("srv:5433"), QStringLiteral("ditta"),
                                     QStringLiteral("mario"), QStringLiteral("pw"))
                              << true << 1;
    QTest::newRow("QSQLITE in a value")
        << QStringLiteral(
               "Provider=QPSQL;Data Source=srv;Initial Catalog=QSQLITE;User ID=u;Password=")
        << true << 0;
    QTest::newRow("just the word") << QStringLiteral("Provider") << true << 1;
    QTest::newRow("Provider later")
        << QStringLiteral("Data Source=a.db;Provider=QSQLITE") << false << 0;
    QTest::newRow("lower case") << QStringLiteral("provider=QPSQL;Data Source=srv") << false << 1;
    QTest::newRow("leading space") << QStringLiteral(" Provider=QPSQL") << false << 1;
    QTest::newRow("too short") << QStringLiteral("Provide") << false << 1;
    QTest::newRow("empty") << QString() << false << 1;
}

void tst_StoreHelpers::connectionStringValidity() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, type);
    QCOMPARE(ConnectionString::IsValid(text), valid);
    QCOMPARE(ConnectionString::TypeOf(text), type);
}

void tst_StoreHelpers::connectionStringValues() {
    const QString pg =
        ConnectionString::ForPostgres(QStringLiteral("db.lan:5433"), QStringLiteral("Ditta Rossi"),
                                      QStringLiteral("mario"), QStringLiteral("a=b c"));
    QCOMPARE(ConnectionString::Value(pg, QStringLiteral("Provider")), QStringLiteral("QPSQL"));
    QCOMPARE(ConnectionString::Value(pg, QStringLiteral("DATA SOURCE")),
             QStringLiteral("db.lan:5433"));
    QCOMPARE(ConnectionString::Value(pg, QStringLiteral("initial catalog")),
             QStringLiteral("Ditta Rossi"));
    QCOMPARE(ConnectionString::Value(pg, QStringLiteral("User ID")), QStringLiteral("mario"));
    QCOMPARE(ConnectionString::Value(pg, QStringLiteral("Password")), QStringLiteral("a=b c"));
    QVERIFY(ConnectionString::Value(pg, QStringLiteral("Port")).isEmpty());

    const QString file = QStringLiteral("/home/anna/Mia cartella/archivio è.db");
    QCOMPARE(
        ConnectionString::Value(ConnectionString::ForSqlite(file), QStringLiteral("Data Source")),
        file);

    // Hand-written strings: spaces around keys, empty parts and empty values.
    const auto pairs = ConnectionString::Parse(
        QStringLiteral("Provider=QPSQL; Data Source =srv;;Password=;=orphan"));
    QCOMPARE(pairs.value(QStringLiteral("data source")), QStringLiteral("srv"));
    QVERIFY(pairs.contains(QStringLiteral("password")));
    QVERIFY(pairs.value(QStringLiteral("password")).isEmpty());
    QCOMPARE(pairs.size(), 3);
}

void tst_StoreHelpers::connectionStringQuoting_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("semicolon") << QStringLiteral("pa;ss");
    QTest::newRow("semicolon and quote") << QStringLiteral("a;b\"c");
    QTest::newRow("only a semicolon") << QStringLiteral(";");
    QTest::newRow("leading quote") << QStringLiteral("\"abc");
    QTest::newRow("quoted already") << QStringLiteral("\"a;b\"");
    QTest::newRow("quote inside") << QStringLiteral("a\"b");
    QTest::newRow("equals and spaces") << QStringLiteral(" a=b; Password=x ");
    QTest::newRow("empty") << QString();
}

void tst_StoreHelpers::connectionStringQuoting() {
    // Every field the writers fill comes back whole, and the fields around it stay in place.
    QFETCH(QString, value);
    const QString pg = ConnectionString::ForPostgres(value, value + u'1', value + u'2', value);
    QCOMPARE(ConnectionString::Value(pg, QStringLiteral("Data Source")), value);
    QCOMPARE(ConnectionString::Value(pg, QStringLiteral("Initial Catalog")), value + u'1');
    QCOMPARE(ConnectionString::Value(pg, QStringLiteral("User ID")), value + u'2');
    QCOMPARE(ConnectionString::Value(pg, QStringLiteral("Password")), value);
    QCOMPARE(ConnectionString::Parse(pg).size(), 5);
    QCOMPARE(ConnectionString::Value(pg, QStringLiteral("Provider")), QStringLiteral("QPSQL"));
    QVERIFY(ConnectionString::IsValid(pg));

    const QString file = QStringLiteral("/home/anna/") + value + QStringLiteral("/Quarzil.db");
    const QString sqlite = ConnectionString::ForSqlite(file);
    QCOMPARE(ConnectionString::Value(sqlite, QStringLiteral("Data Source")), file);
    QCOMPARE(ConnectionString::Parse(sqlite).size(), 2);
}

void tst_StoreHelpers::connectionStringHandWritten_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("user");
    QTest::newRow("quoted") << QStringLiteral("Provider=QPSQL;Password=\"a;b\";User ID=u")
                            << QStringLiteral("a;b") << QStringLiteral("u");
    QTest::newRow("doubled quotes")
        << QStringLiteral("Provider=QPSQL;Password=\"x\"\";\"\"y\";User ID=u")
        << QStringLiteral("x\";\"y") << QStringLiteral("u");
    QTest::newRow("spaces after the closing quote")
        << QStringLiteral("Provider=QPSQL;Password=\"a;b\"  ;User ID=u") << QStringLiteral("a;b")
        << QStringLiteral("u");
    QTest::newRow("quoted last") << QStringLiteral("Provider=QPSQL;User ID=u;Password=\"a;b\"")
                                 << QStringLiteral("a;b") << QStringLiteral("u");
    // Strings stored before values were quoted: a quote that does not enclose the value is text.
    QTest::newRow("never closed") << QStringLiteral("Provider=QPSQL;Password=\"ab;User ID=u")
                                  << QStringLiteral("\"ab") << QStringLiteral("u");
    QTest::newRow("text after the closing quote")
        << QStringLiteral("Provider=QPSQL;Password=\"a\"b;User ID=u") << QStringLiteral("\"a\"b")
        << QStringLiteral("u");
    QTest::newRow("quote inside a plain value")
        << QStringLiteral("Provider=QPSQL;Password=a\"b;User ID=u") << QStringLiteral("a\"b")
        << QStringLiteral("u");
}

void tst_StoreHelpers::connectionStringHandWritten() {
    QFETCH(QString, text);
    QFETCH(QString, password);
    QFETCH(QString, user);
    QCOMPARE(ConnectionString::Value(text, QStringLiteral("Password")), password);
    QCOMPARE(ConnectionString::Value(text, QStringLiteral("User ID")), user);
}

void tst_StoreHelpers::currencyFromText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("units");
    QTest::newRow("price") << QStringLiteral("12345678.5834") << true << qint64(123456785834);
    QTest::newRow("smallest negative") << QStringLiteral("-0.0001") << true << qint64(-1);
    QTest::newRow("whole") << QStringLiteral("42") << true << qint64(420000);
    QTest::newRow("plus sign, spaces") << QStringLiteral("  +7.5 ") << true << qint64(75000);
    QTest::newRow("no whole part") << QStringLiteral(".25") << true << qint64(2500);
    QTest::newRow("no decimals after point") << QStringLiteral("3.") << true << qint64(30000);
    QTest::newRow("fifth decimal rounds up") << QStringLiteral("0.00005") << true << qint64(1);
    QTest::newRow("fifth decimal rounds down")
        << QStringLiteral("0.000049999") << true << qint64(0);
    QTest::newRow("rounding carries") << QStringLiteral("1.99995") << true << qint64(20000);
    QTest::newRow("negative rounds away") << QStringLiteral("-2.00005") << true << qint64(-20001);
    QTest::newRow("largest") << QStringLiteral("922337203685477.5807") << true << kMax;
    QTest::newRow("most negative") << QStringLiteral("-922337203685477.5808") << true << kMin;
    QTest::newRow("one over largest")
        << QStringLiteral("922337203685477.5808") << false << qint64(0);
    QTest::newRow("rounded over largest")
        << QStringLiteral("922337203685477.58075") << false << qint64(0);
    QTest::newRow("one under most negative")
        << QStringLiteral("-922337203685477.5809") << false << qint64(0);
    QTest::newRow("far too large")
        << QStringLiteral("99999999999999999999999") << false << qint64(0);
    QTest::newRow("empty") << QString() << false << qint64(0);
    QTest::newRow("sign only") << QStringLiteral("-") << false << qint64(0);
    QTest::newRow("point only") << QStringLiteral(".") << false << qint64(0);
    QTest::newRow("comma") << QStringLiteral("1,5") << false << qint64(0);
    QTest::newRow("exponent") << QStringLiteral("1e3") << false << qint64(0);
    QTest::newRow("two points") << QStringLiteral("1.2.3") << false << qint64(0);
    QTest::newRow("two signs") << QStringLiteral("--1") << false << qint64(0);
    QTest::newRow("inner space") << QStringLiteral("1 000") << false << qint64(0);
    QTest::newRow("words") << QStringLiteral("dieci euro") << false << qint64(0);
}

void tst_StoreHelpers::currencyFromText() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qint64, units);
    const CurrencyAmount amount = CurrencyAmount::fromDecimalString(text);
    QCOMPARE(amount.isValid(), valid);
    QCOMPARE(amount.status(),
             valid ? CurrencyAmount::Status::Valid : CurrencyAmount::Status::Invalid);
    if (valid)
        QCOMPARE(amount.units(), units);
}

void tst_StoreHelpers::currencyToText_data() {
    QTest::addColumn<CurrencyAmount>("amount");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << CurrencyAmount::fromUnits(0) << QStringLiteral("0.0000");
    QTest::newRow("smallest negative")
        << CurrencyAmount::fromUnits(-1) << QStringLiteral("-0.0001");
    QTest::newRow("price") << CurrencyAmount::fromUnits(123456785834)
                           << QStringLiteral("12345678.5834");
    QTest::newRow("largest") << CurrencyAmount::fromUnits(kMax)
                             << QStringLiteral("922337203685477.5807");
    QTest::newRow("most negative")
        << CurrencyAmount::fromUnits(kMin) << QStringLiteral("-922337203685477.5808");
    QTest::newRow("null") << CurrencyAmount::null() << QString();
    QTest::newRow("invalid") << CurrencyAmount::invalid() << QString();
}

void tst_StoreHelpers::currencyToText() {
    QFETCH(CurrencyAmount, amount);
    QFETCH(QString, text);
    QCOMPARE(amount.toDecimalString(), text);
    if (amount.isValid())
        QCOMPARE(CurrencyAmount::fromDecimalString(text).units(), amount.units());
}

void tst_StoreHelpers::currencyFromDouble_data() {
    // SQLite hands amounts back as doubles.
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("units");
    QTest::newRow("price") << 12345678.5834 << true << qint64(123456785834);
    QTest::newRow("sum of tenths") << 0.1 + 0.2 << true << qint64(3000);
    QTest::newRow("smallest negative") << -0.0001 << true << qint64(-1);
    QTest::newRow("half rounds away") << -0.00005 << true << qint64(-1);
    QTest::newRow("too large") << 1e15 << false << qint64(0);
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << false << qint64(0);
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << false << qint64(0);
}

void tst_StoreHelpers::currencyFromDouble() {
    QFETCH(double, value);
    QFETCH(bool, valid);
    QFETCH(qint64, units);
    const CurrencyAmount amount = CurrencyAmount::fromDouble(value);
    QCOMPARE(amount.isValid(), valid);
    if (valid)
        QCOMPARE(amount.units(), units);
}

void tst_StoreHelpers::archiveMatchesSchema() {
    // The sqlite row opens a copy of the template; the postgres row a freshly created catalog.
    QFETCH(QString, backend);
    TestSupport::Archive archive(backend);
    QVERIFY2(archive.isOpen(), qPrintable(archive.error()));
    Database& db = archive.db();

    QMap<QString, QString> actual;
    QVERIFY2(actualColumns(db, actual), qPrintable(db.errorText()));
    QStringList problems;
    QSet<QString> expectedNames;
    for (const Schema::Table& t : Schema::Tables()) {
        for (const Schema::Column& c : t.columns) {
            const QString name = (QLatin1String(t.name) + u'.' + QLatin1String(c.name)).toLower();
            expectedNames << name;
            const QString want = expectedType(c, db.isPostgres());
            if (!actual.contains(name))
                problems << name + QStringLiteral(" missing");
            else if (actual.value(name) != want)
                problems << name + QStringLiteral(" is ") + actual.value(name) +
                                QStringLiteral(", not ") + want;
        }
    }
    for (auto it = actual.cbegin(); it != actual.cend(); ++it)
        if (!expectedNames.contains(it.key()))
            problems << it.key() + QStringLiteral(" not in the schema");
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));

    QStringList indexes = column(
        db, db.isPostgres()
                ? QStringLiteral("SELECT indexname FROM pg_indexes WHERE schemaname = 'public'")
                : QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index'"));
    for (QString& i : indexes)
        i = i.toLower();
    for (const auto* list : {&Schema::Indexes(), &Schema::AlphabeticalIndexes()})
        for (const Schema::Index& i : *list) {
            const QString name = QStringLiteral("ix_%1_%2%3")
                                     .arg(QLatin1String(i.table), QLatin1String(i.column),
                                          i.alphabetical ? QStringLiteral("_alfa") : QString());
            QVERIFY2(indexes.contains(name.toLower()), qPrintable(name));
        }

    bool ok = false;
    QCOMPARE(SchemaUpgrade::ReadVersion(db, &ok), Schema::kCurrentVersion);
    QVERIFY(ok);
    QCOMPARE(Schema::kCurrentVersion, 20);
    QCOMPARE(column(db, QStringLiteral("SELECT COUNT(*) FROM Informazioni")),
             QStringList{QStringLiteral("1")});

    QStringList units;
    for (const Schema::Unit& u : Schema::StarterUnits())
        units << QLatin1String(u.sigla) + u'/' + QLatin1String(u.descrizione);
    QCOMPARE(
        column(db, QStringLiteral("SELECT Sigla || '/' || Descrizione FROM UnMis ORDER BY IDUM")),
        units);
}

void tst_StoreHelpers::alphabeticalOrder() {
    QFETCH(QString, backend);
    TestSupport::Archive archive(backend);
    QVERIFY2(archive.isOpen(), qPrintable(archive.error()));
    Database& db = archive.db();
    // Keys against the order, so that each tie shows how it was broken.
    const QStringList names{"Zeta",   "zeta",  "alfa", "Èlite", "elite",      "ELITE", "10",
                            "9",      "Ärger", "A-1",  "a 1",   "ß",          "ss",    "Œuvre",
                            "oeuvre", "Łódź",  "lodz", "😀",     "e\u0301lite"};
    for (const QString& name : names)
        QVERIFY2(db.execute(QStringLiteral("INSERT INTO Categorie (Categoria) VALUES (?)"), {name}),
                 qPrintable(db.errorText()));
    const QStringList expected = names;
    QList<QString> stored = expected;
    const std::vector<qsizetype> order = TextOrder::Sorted(stored, true);
    QStringList inMemory;
    for (qsizetype i : order)
        inMemory << stored.at(i);
    // Letters, then accents, then case: "alfa" and "Èlite" come before "Zeta".
    QCOMPARE(inMemory.indexOf(QStringLiteral("alfa")),
             inMemory.indexOf(QStringLiteral("Ärger")) - 1);
    QVERIFY(inMemory.indexOf(QStringLiteral("Èlite")) < inMemory.indexOf(QStringLiteral("zeta")));
    QVERIFY(inMemory.indexOf(QStringLiteral("zeta")) < inMemory.indexOf(QStringLiteral("Zeta")));
    QVERIFY(inMemory.indexOf(QStringLiteral("10")) < inMemory.indexOf(QStringLiteral("9")));
    for (int i = 1; i < inMemory.size(); ++i)
        QVERIFY2(TextOrder::Compare(inMemory.at(i - 1), inMemory.at(i)) < 0,
                 qPrintable(inMemory.at(i - 1) + u' ' + inMemory.at(i)));

    // Both back ends order as the program does, ascending and descending.
    const QString term = TextOrder::Term(db.backend(), QStringLiteral("Categoria"));
    QCOMPARE(column(db, QStringLiteral("SELECT Categoria FROM Categorie ORDER BY %1, IDCategoria")
                            .arg(term)),
             inMemory);
    QStringList reversed = inMemory;
    std::reverse(reversed.begin(), reversed.end());
    QCOMPARE(
        column(db, QStringLiteral("SELECT Categoria FROM Categorie ORDER BY %1 DESC").arg(term)),
        reversed);

    // Equal without regard to case, through the index.
    auto keysOf = [&](const QString& name) {
        const auto keys = TextOrder::KeysIgnoringCase(db, QStringLiteral("Categorie"),
                                                      QStringLiteral("IDCategoria"),
                                                      QStringLiteral("Categoria"), name, 30);
        QStringList found;
        for (int key : keys.value_or(QList<int>{-1}))
            found << GetDisplayName(db, key, 1);
        return found;
    };
    QCOMPARE(keysOf(QStringLiteral("ZETA")), QStringList({"Zeta", "zeta"}));
    QCOMPARE(keysOf(QStringLiteral("èLITE")), QStringList({"Èlite"}));
    QCOMPARE(keysOf(QStringLiteral("Elite")), QStringList({"elite", "ELITE"}));
    QCOMPARE(keysOf(QStringLiteral("łÓDŹ")), QStringList({"Łódź"}));
    QCOMPARE(keysOf(QStringLiteral("ß")), QStringList({"ß"}));
    QCOMPARE(keysOf(QStringLiteral("SS")), QStringList({"ss"}));
    QCOMPARE(keysOf(QStringLiteral("Zet")), QStringList());
    QCOMPARE(keysOf(QString()), QStringList());
}

void tst_StoreHelpers::likeTakesOnlyStarAsWildcard_data() {
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("matches");
    struct Case {
        const char* name;
        const char* text;
        QString pattern;
        bool matches;
    };
    const Case cases[] = {
        {"prefix", "ART001", LikePattern(QStringLiteral("art")), true},
        {"star", "ART_001", LikePattern(QStringLiteral("A*1")), true},
        {"underscore is a character", "AB1", LikePattern(QStringLiteral("A_")), false},
        {"underscore matches itself", "A_1", LikePattern(QStringLiteral("a_")), true},
        {"percent is a character", "500 pezzi", LikePattern(QStringLiteral("50%")), false},
        {"percent matches itself", "50% sconto", LikePattern(QStringLiteral("50%")), true},
        {"escape character", "A!B", LikeWhole(QStringLiteral("a!b")), true},
        {"whole", "ART0015", LikeWhole(QStringLiteral("ART001")), false},
        {"accented capitals", "ÈLITE ŁÓDŹ", LikeWhole(QStringLiteral("èlite łódź")), true},
        {"accents count", "Elite", LikeWhole(QStringLiteral("èlite")), false},
        {"dotted capital I", "İNOX", LikeWhole(QStringLiteral("inox")), true},
        {"contains", "Città di Ès", LikeContains(QStringLiteral("À DI è")), true},
        {"contains a star", "a*b", LikeContains(QStringLiteral("*")), true},
        {"no star", "ab", LikeContains(QStringLiteral("*")), false},
        {"backtracking", "aXbXbXc", LikeWhole(QStringLiteral("*b*bXc")), true},
        {"one character", "😀x", QStringLiteral("_x"), true},
    };
    for (const char* backend : {"sqlite", "postgres"})
        for (const Case& c : cases)
            QTest::addRow("%s %s", backend, c.name)
                << QString::fromLatin1(backend) << QString::fromUtf8(c.text) << c.pattern
                << c.matches;
}

void tst_StoreHelpers::likeTakesOnlyStarAsWildcard() {
    QUARZIL_FETCH_ARCHIVE(m_archives, db);
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(bool, matches);
    QSqlQuery q;
    QVERIFY2(db->query(q,
                       QStringLiteral("SELECT CASE WHEN CAST(? AS VARCHAR(100))") +
                           LikeOperator(*db) + QStringLiteral(" THEN 1 ELSE 0 END"),
                       {text, pattern}) &&
                 q.next(),
             qPrintable(db->errorText()));
    QCOMPARE(q.value(0).toInt() == 1, matches);
}

void tst_StoreHelpers::missingIndexesAreMade() {
    // An archive made before the alphabetical indexes: the lists are right without them, and
    // the opening makes them.
    QFETCH(QString, backend);
    TestSupport::Archive archive(backend);
    QVERIFY2(archive.isOpen(), qPrintable(archive.error()));
    Database& db = archive.db();
    QStringList dropped;
    for (const Schema::Index& i : Schema::AlphabeticalIndexes()) {
        QVERIFY(db.execute(QStringLiteral("DROP INDEX %1").arg(Schema::IndexName(i))));
        dropped << Schema::IndexName(i).toLower();
    }
    QVERIFY(db.execute(QStringLiteral("INSERT INTO Reparti (Reparto) VALUES ('b'), ('A')")));
    const QString sorted = QStringLiteral("SELECT Reparto FROM Reparti ORDER BY %1")
                               .arg(TextOrder::Term(db.backend(), QStringLiteral("Reparto")));
    QCOMPARE(column(db, sorted), QStringList({"A", "b"}));

    QCOMPARE(SchemaUpgrade::Run(db), SchemaUpgrade::UpToDate);
    QStringList indexes = column(
        db, db.isPostgres()
                ? QStringLiteral("SELECT indexname FROM pg_indexes WHERE schemaname = 'public'")
                : QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index'"));
    for (QString& i : indexes)
        i = i.toLower();
    for (const QString& name : dropped)
        QVERIFY2(indexes.contains(name), qPrintable(name));
    QCOMPARE(column(db, sorted), QStringList({"A", "b"}));

    // An index made on fewer columns than the schema's is made again.
    QVERIFY(db.execute(QStringLiteral("DROP INDEX IX_Movimenti_Data")));
    QVERIFY(db.execute(QStringLiteral("CREATE INDEX IX_Movimenti_Data ON Movimenti (Data)")));
    QCOMPARE(SchemaUpgrade::Run(db), SchemaUpgrade::UpToDate);
    const QString definitions =
        db.isPostgres()
            ? QStringLiteral("SELECT indexname || ' ' || indexdef || ' ' || "
                             "CAST(CAST(indexname AS regclass) AS oid) FROM pg_indexes WHERE "
                             "schemaname = 'public' ORDER BY indexname")
            : QStringLiteral("SELECT name || ' ' || sql || ' ' || rootpage FROM sqlite_master "
                             "WHERE type = 'index' AND sql IS NOT NULL ORDER BY name");
    const QStringList made = column(db, definitions);
    QVERIFY2(made.filter(QStringLiteral("_Data "), Qt::CaseInsensitive)
                 .join(u' ')
                 .contains(QStringLiteral("IDMovimento"), Qt::CaseInsensitive),
             qPrintable(made.join(u'\n')));
    // A second opening finds them all as they should be and makes nothing.
    QCOMPARE(SchemaUpgrade::Run(db), SchemaUpgrade::UpToDate);
    QCOMPARE(column(db, definitions), made);
}

void tst_StoreHelpers::keysThroughTheLibrary() {
    QFETCH(QString, backend);
    TestSupport::Archive archive(backend);
    QVERIFY2(archive.isOpen(), qPrintable(archive.error()));
    Database& db = archive.db();
    const QDateTime day(QDate(2026, 3, 1), QTime(10, 0));
    for (int i = 1; i <= 5; ++i)
        QVERIFY(db.execute(QStringLiteral("INSERT INTO Movimenti (Numero, Data, Tipo, "
                                          "Contabilizzato) VALUES (?, ?, ?, ?)"),
                           {i == 3 ? QStringLiteral("a?b") : QString::number(i), day.addDays(i),
                            i % 2, Record::BindBit(i > 2, db.backend())}));
    auto driver = [&](const QString& sql, const QVariantList& values) {
        std::vector<qint32> keys;
        QSqlQuery q;
        if (db.query(q, sql, values))
            while (q.next())
                keys.push_back(q.value(0).toInt());
        return keys;
    };
    // Dates, integers, texts, bits and a '?' inside a literal, in the statement's order.
    const QString sql = QStringLiteral(
        "SELECT IDMovimento FROM Movimenti WHERE Data > ? AND Tipo >= ? AND Numero <> ? AND "
        "Numero <> 'x?' AND (Contabilizzato = ? OR Numero = 'a?b') ORDER BY Data DESC");
    const QVariantList values{day.addDays(1), 0, QStringLiteral("5"),
                              Record::BindBit(true, db.backend())};
    std::vector<qint32> keys{99};
    QVERIFY2(SqliteKeys::ReadAny(db, sql, values, &keys), qPrintable(db.errorText()));
    QCOMPARE(keys, driver(sql, values));
    QCOMPARE(keys.size(), size_t(2));
    // A count is a wider integer; no rows is no keys.
    QVERIFY(SqliteKeys::ReadAny(db, QStringLiteral("SELECT COUNT(*) FROM Movimenti"), {}, &keys));
    QCOMPARE(keys, std::vector<qint32>{5});
    QVERIFY(SqliteKeys::ReadAny(
        db, QStringLiteral("SELECT IDMovimento FROM Movimenti WHERE Tipo = ?"), {7}, &keys));
    QVERIFY(keys.empty());
    // A statement that fails says so, and leaves no keys and the connection usable.
    keys = {1};
    QVERIFY(!SqliteKeys::ReadAny(db, QStringLiteral("SELECT Nessuna FROM Movimenti"), {}, &keys));
    QVERIFY(keys.empty());
    QVERIFY(!db.errorText().isEmpty());
    QVERIFY(
        SqliteKeys::ReadAny(db, QStringLiteral("SELECT IDMovimento FROM Movimenti"), {}, &keys));
    QCOMPARE(keys.size(), size_t(5));
    if (db.isPostgres()) {
        QString error;
        QVERIFY(!PostgresKeys::Read(db, QStringLiteral("SELECT Numero FROM Movimenti"), {}, &keys,
                                    &error));
        QVERIFY(!error.isEmpty());
    }
}

void tst_StoreHelpers::numberedPlaceholders() {
    QCOMPARE(PostgresKeys::NumberedPlaceholders(
                 QStringLiteral("SELECT a FROM t WHERE b = ? AND c = '?' AND \"d?\" IN (?, ?)")),
             QStringLiteral("SELECT a FROM t WHERE b = $1 AND c = '?' AND \"d?\" IN ($2, $3)"));
    QCOMPARE(PostgresKeys::NumberedPlaceholders(QStringLiteral("x = 'it''s?' OR y = ?")),
             QStringLiteral("x = 'it''s?' OR y = $1"));
}

void tst_StoreHelpers::preparedStatementsAreKept() {
    QFETCH(QString, backend);
    TestSupport::Archive archive(backend);
    QVERIFY2(archive.isOpen(), qPrintable(archive.error()));
    Database& db = archive.db();
    const QString insert = QStringLiteral("INSERT INTO Reparti (Reparto) VALUES (?)");
    const QString count = QStringLiteral("SELECT COUNT(*) FROM Reparti WHERE Reparto LIKE ?");
    for (const char* name : {"uno", "due", "tre"}) {
        QSqlQuery* q = db.queryPrepared(insert, {QLatin1String(name)});
        QVERIFY2(q, qPrintable(db.errorText()));
        QCOMPARE(q->numRowsAffected(), 1);
        q->finish();
    }
    QSqlQuery* first = db.queryPrepared(count, {QStringLiteral("%e")});
    QVERIFY(first && first->next());
    QCOMPARE(first->value(0).toInt(), 2);
    first->finish();
    // The same statement again, with other values.
    QSqlQuery* again = db.queryPrepared(count, {QStringLiteral("t%")});
    QCOMPARE(again, first);
    QVERIFY(again->next());
    QCOMPARE(again->value(0).toInt(), 1);
    again->finish();
    // Kept across a transaction that is rolled back, and within one.
    QVERIFY(db.beginTransaction());
    QVERIFY(db.queryPrepared(insert, {QStringLiteral("quattro")}));
    QVERIFY(db.rollback());
    QSqlQuery* after = db.queryPrepared(count, {QStringLiteral("%")});
    QVERIFY(after && after->next());
    QCOMPARE(after->value(0).toInt(), 3);
    after->finish();
    // A statement that cannot be prepared is not kept.
    QVERIFY(!db.queryPrepared(QStringLiteral("SELECT Nessuna FROM Reparti"), {}));
    QVERIFY(!db.errorText().isEmpty());
    QVERIFY(!db.queryPrepared(QStringLiteral("SELECT Nessuna FROM Reparti"), {}));
    // The connection closes with its statements prepared, and opens again.
    db.close();
    QVERIFY(db.open(archive.connectionString()));
    QSqlQuery* reopened = db.queryPrepared(count, {QStringLiteral("%")});
    QVERIFY(reopened && reopened->next());
    QCOMPARE(reopened->value(0).toInt(), 3);
    reopened->finish();
}

QTEST_MAIN(tst_StoreHelpers)
#include "tst_StoreHelpers.moc"
