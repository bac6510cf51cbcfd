// label: process
#include "BenchData.h"
#include "TestSupport.h"
#include "movements/MovementStore.h"
#include "movements/MovementTypes.h"
#include "store/ArchiveCreator.h"
#include "store/ConnectionString.h"
#include "store/Database.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int code = -1;
    QByteArray out;
    QString err;
    QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }
};

// The real executable, in a home of its own: its profile, data folder and no machine settings.
class Cli {
public:
    Cli() {
        QDir().mkpath(m_home.filePath(QStringLiteral("config")));
        QDir().mkpath(m_home.filePath(QStringLiteral("data")));
    }
    QString home(const QString& name) const { return m_home.filePath(name); }
    QString dataFolder() const { return home(QStringLiteral("data/Norvisk/Quarzil")); }

    void setProfile(const QString& key, const QString& value) const {
        QDir().mkpath(home(QStringLiteral("config/Norvisk")));
        QFile f(home(QStringLiteral("config/Norvisk/Quarzil.ini")));
        QVERIFY(f.open(QIODevice::Append));
        f.write(QStringLiteral("[Settings]\n%1=\"%2\"\n").arg(key, value).toUtf8());
    }

    Run run(const QStringList& args) const {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home(QStringLiteral("data")));
        env.insert(QStringLiteral("QUARZIL_MACHINE_CONFIG"), home(QStringLiteral("none.ini")));
        env.remove(QStringLiteral("QT_QPA_PLATFORM")); // it must need no display of its own
        env.remove(QStringLiteral("DISPLAY"));
        p.setProcessEnvironment(env);
        p.start(TestSupport::CliPath(), args);
        Run r;
        if (!p.waitForFinished(120000))
            return r;
        r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
        r.out = p.readAllStandardOutput();
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }

private:
    QTemporaryDir m_home;
};

// The archive of a data row as --archive or --connection arguments.
QStringList target(const QString& connection) {
    if (ConnectionString::TypeOf(connection) == 0)
        return {QStringLiteral("--archive"),
                ConnectionString::Value(connection, QStringLiteral("Data Source"))};
    return {QStringLiteral("--connection"), connection};
}

QSet<QString> differences(const QJsonObject& report) {
    QSet<QString> found;
    for (const QJsonValue& v : report.value(QStringLiteral("differences")).toArray()) {
        const QJsonObject d = v.toObject();
        found << QStringLiteral("%1 %2")
                     .arg(d.value(QStringLiteral("item")).toInt())
                     .arg(d.value(QStringLiteral("column")).toString());
    }
    return found;
}

int insertReturning(Database& db, const QString& sql, const QVariantList& values) {
    QSqlQuery q;
    if (!db.query(q, sql, values) || !q.next())
        return -1;
    return q.value(0).toInt();
}

// A movement saved as the movement dialog saves it, with one row of each (quantity, price,
// discount, VAT).
struct Row {
    float qt;
    const char* price;
    float discount;
    float vat;
};
int saveMovement(Database& db, int type, const QDateTime& when, int counterpart, int item,
                 const QList<Row>& rows, bool paid = true) {
    MovementEdit edit(db, type == MovementType::Ricevuta ? MovementType::Scarico : type);
    if (!edit.begin())
        return -1;
    edit.setType(type);
    edit.header().Numero = NextMovementNumber(db, type, when.date());
    edit.header().Data = when;
    edit.header().Contabilizzato = paid;
    if (counterpart)
        edit.header().IDCliFor = counterpart;
    for (const Row& r : rows) {
        SottoMovimentiRecord row;
        row.IDArticolo = item;
        row.Qt = r.qt;
        row.Prezzo = CurrencyAmount::fromDecimalString(QLatin1String(r.price));
        row.Sconto = r.discount;
        row.Iva = r.vat;
        if (!edit.insertRow(row))
            return -1;
    }
    return edit.save() == MovementEdit::SaveResult::Saved ? edit.header().IDMovimento : -1;
}

// The listed movements' keys, in the order listed.
QList<int> listedKeys(const Run& r) {
    QList<int> keys;
    for (const QJsonValue& v : QJsonDocument::fromJson(r.out).array())
        keys << v.toObject().value(QStringLiteral("key")).toInt();
    return keys;
}

} // namespace

class tst_Cli : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void createAndInfo_data() { TestSupport::AddBackendRows(); }
    void createAndInfo();
    void recomputeFindsAndMendsDamage_data() { TestSupport::AddBackendRows(); }
    void recomputeFindsAndMendsDamage();
    void movementsList_data() { TestSupport::AddBackendRows(); }
    void movementsList();
    void badUsageAndMissingArchives();
    void refusesAnArchiveOfAnotherVersion();
    void profileFallbackIsSaidAloud();
};

void tst_Cli::createAndInfo() {
    QFETCH(QString, backend);
    Cli cli;
    QString connection;
    QString catalog;
    if (backend == QLatin1String("sqlite")) {
        const QString file = cli.home(QStringLiteral("new.db"));
        const Run created = cli.run({QStringLiteral("create"), file});
        QCOMPARE(created.code, 0);
        // A second create refuses to overwrite the archive.
        const Run again = cli.run({QStringLiteral("create"), file});
        QCOMPARE(again.code, 1);
        QVERIFY2(again.err.contains(QStringLiteral("esiste già")), qPrintable(again.err));
        connection = ConnectionString::ForSqlite(file);
    } else {
        const QString server = TestSupport::PostgresServer();
        catalog = TestSupport::UniqueName(QStringLiteral("cli")).toLower();
        const Run created =
            cli.run({QStringLiteral("create"), QStringLiteral("--server"), server, catalog});
        QCOMPARE(created.code, 0);
        connection = ConnectionString::ForPostgres(
            ConnectionString::Value(server, QStringLiteral("Data Source")), catalog,
            ConnectionString::Value(server, QStringLiteral("User ID")),
            ConnectionString::Value(server, QStringLiteral("Password")));
    }
    const Run info =
        cli.run(target(connection) << QStringLiteral("info") << QStringLiteral("--json"));
    QCOMPARE(info.code, 0);
    const QJsonObject o = info.json();
    QCOMPARE(o.value(QStringLiteral("schemaVersion")).toInt(), 20);
    QCOMPARE(o.value(QStringLiteral("backend")).toString(), backend == QLatin1String("sqlite")
                                                                ? QStringLiteral("sqlite")
                                                                : QStringLiteral("postgresql"));
    for (const char* key : {"items", "counterparts", "movements", "rows", "agendaEntries"})
        QCOMPARE(o.value(QLatin1String(key)).toInt(-1), 0);
    if (!catalog.isEmpty()) {
        QCOMPARE(o.value(QStringLiteral("catalog")).toString(), catalog);
        QVERIFY(!info.out.contains("Password"));
        QString error;
        QVERIFY2(
            ArchiveCreator::DropPostgresCatalog(TestSupport::PostgresServer(), catalog, &error),
            qPrintable(error));
    }
}

void tst_Cli::recomputeFindsAndMendsDamage() {
    QFETCH(QString, backend);
    TestSupport::Archive archive(backend);
    QVERIFY2(archive.isOpen(), qPrintable(archive.error()));
    Database& db = archive.db();
    BenchData::Sizes sizes;
    sizes.items = 60;
    sizes.rows = 600;
    BenchData::Counts counts;
    QString error;
    QVERIFY2(BenchData::Generate(db, sizes, &counts, &error), qPrintable(error));
    Cli cli;
    const QStringList on = target(archive.connectionString());

    // Whatever the generator left, a recompute gives counters that agree with the ledger.
    QCOMPARE(cli.run(QStringList(on) << QStringLiteral("recompute")).code, 0);
    Run check =
        cli.run(QStringList(on) << QStringLiteral("recompute") << QStringLiteral("--check"));
    QCOMPARE(check.code, 0);
    QVERIFY(check.out.contains("Contatori giusti per 60 articoli"));

    // Damage by hand: a stock, a load total cleared, a date moved, a unit renamed.
    QVERIFY(db.execute(
        QStringLiteral("UPDATE Articoli SET Giacenza = Giacenza + 1 WHERE IDArticolo = 3")));
    QVERIFY(db.execute(QStringLiteral(
        "UPDATE Articoli SET Carichi = NULL WHERE IDArticolo = 7 AND Carichi IS NOT NULL")));
    QVERIFY(db.execute(QStringLiteral("UPDATE Articoli SET LastMov = ? WHERE IDArticolo = 11"),
                       {QDateTime(QDate(1999, 1, 2), QTime(3, 4, 5))}));
    QVERIFY(db.execute(QStringLiteral("UPDATE Articoli SET UnMis = 'zz' WHERE IDArticolo = 12")));
    QSet<QString> expected{QStringLiteral("3 Giacenza"), QStringLiteral("11 LastMov"),
                           QStringLiteral("12 UnMis")};
    {
        QSqlQuery q(db.handle());
        QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM SottoMovimenti s JOIN Movimenti m "
                                      "ON m.IDMovimento = s.IDMovimento WHERE s.IDArticolo = 7 "
                                      "AND m.Tipo = 0")) &&
                q.next());
        if (q.value(0).toInt() > 0)
            expected << QStringLiteral("7 Carichi");
    }

    check = cli.run(QStringList(on) << QStringLiteral("recompute") << QStringLiteral("--check")
                                    << QStringLiteral("--json"));
    QCOMPARE(check.code, 1);
    QCOMPARE(differences(check.json()), expected);
    QCOMPARE(check.json().value(QStringLiteral("items")).toInt(), 60);
    const Run text =
        cli.run(QStringList(on) << QStringLiteral("recompute") << QStringLiteral("--check"));
    QCOMPARE(text.code, 1);
    QVERIFY2(text.out.contains("11\t") && text.out.contains("1999-01-02 03:04:05"), text.out);

    // One item first, then the rest.
    QCOMPARE(cli.run(QStringList(on) << QStringLiteral("recompute") << QStringLiteral("--item")
                                     << QStringLiteral("3"))
                 .code,
             0);
    expected.remove(QStringLiteral("3 Giacenza"));
    QCOMPARE(differences(cli.run(QStringList(on)
                                 << QStringLiteral("recompute") << QStringLiteral("--check")
                                 << QStringLiteral("--json"))
                             .json()),
             expected);
    const Run one =
        cli.run(QStringList(on) << QStringLiteral("recompute") << QStringLiteral("--check")
                                << QStringLiteral("--item") << QStringLiteral("12"));
    QCOMPARE(one.code, 1);
    QVERIFY(one.out.contains("UnMis"));
    QCOMPARE(cli.run(QStringList(on) << QStringLiteral("recompute") << QStringLiteral("--item")
                                     << QStringLiteral("100000"))
                 .code,
             1);

    QCOMPARE(cli.run(QStringList(on) << QStringLiteral("recompute")).code, 0);
    QCOMPARE(
        cli.run(QStringList(on) << QStringLiteral("recompute") << QStringLiteral("--check")).code,
        0);
}

void tst_Cli::movementsList() {
    QFETCH(QString, backend);
    TestSupport::Archive archive(backend);
    QVERIFY2(archive.isOpen(), qPrintable(archive.error()));
    Database& db = archive.db();
    const int item = insertReturning(db,
                                     QStringLiteral("INSERT INTO Articoli (Matricola, Descrizione) "
                                                    "VALUES (?, ?) RETURNING IDArticolo"),
                                     {QStringLiteral("A1"), QStringLiteral("Pezzo")});
    auto counterpart = [&](const QString& name, bool customer) {
        return insertReturning(db,
                               QStringLiteral("INSERT INTO CliFor (RagSoc, CliFor) VALUES (?, ?) "
                                              "RETURNING IDCliFor"),
                               {name, Record::BindBit(customer, db.backend())});
    };
    const int supplier = counterpart(QStringLiteral("Ingrosso Nord S.p.A."), false);
    const int customer = counterpart(QStringLiteral("Bar \"Sport\"\tdi Rossi"), true);
    QVERIFY(item > 0 && supplier > 0 && customer > 0);

    auto at = [](int day, int h, int m, int s = 0) {
        return QDateTime(QDate(2026, 3, day), QTime(h, m, s));
    };
    // Saved out of date order, so that the list's order is its own.
    const int sale = saveMovement(db, MovementType::Scarico, at(5, 10, 30), customer, item,
                                  {{3, "10.00", 0.10f, 0.22f}});
    const int load = saveMovement(db, MovementType::Carico, at(1, 9, 0), supplier, item,
                                  {{100, "12345678.9012", 0, 0}, {1, "0.0001", 0, 0}}, false);
    const int receipt = saveMovement(db, MovementType::Ricevuta, at(5, 23, 59, 59), 0, item,
                                     {{1, "2.50", 0, 0.10f}});
    const int returned =
        saveMovement(db, MovementType::Reso, at(6, 0, 0), customer, item, {{1, "10.00", 0, 0.22f}});
    const int sameTime =
        saveMovement(db, MovementType::Scarico, at(5, 10, 30), customer, item, {{1, "1.00", 0, 0}});
    QVERIFY(sale > 0 && load > 0 && receipt > 0 && returned > 0 && sameTime > 0);

    Cli cli;
    const QStringList on = target(archive.connectionString());
    auto list = [&](const QStringList& options) {
        return cli.run(QStringList(on)
                       << QStringLiteral("movements") << QStringLiteral("list") << options);
    };

    // Everything, by date and then by key.
    const Run all = list({QStringLiteral("--json")});
    QCOMPARE(all.code, 0);
    QCOMPARE(listedKeys(all), (QList<int>{load, sale, sameTime, receipt, returned}));
    const QJsonArray rows = QJsonDocument::fromJson(all.out).array();
    const QJsonObject l = rows.at(0).toObject();
    QCOMPARE(l.value(QStringLiteral("date")).toString(), QStringLiteral("2026-03-01T09:00:00"));
    QCOMPARE(l.value(QStringLiteral("type")).toString(), QStringLiteral("Carico"));
    QCOMPARE(l.value(QStringLiteral("typeCode")).toInt(), 0);
    QCOMPARE(l.value(QStringLiteral("number")).toString(), QStringLiteral("1/2026"));
    QCOMPARE(l.value(QStringLiteral("counterpart")).toString(),
             QStringLiteral("Ingrosso Nord S.p.A."));
    QCOMPARE(l.value(QStringLiteral("paid")).toBool(true), false);
    // 100 x 12345678.9012 + 0.0001, to the ten-thousandth: no float on the way.
    QCOMPARE(l.value(QStringLiteral("taxable")).toString(), QStringLiteral("1234567890.1201"));
    QCOMPARE(l.value(QStringLiteral("tax")).toString(), QStringLiteral("0.00"));
    QCOMPARE(l.value(QStringLiteral("total")).toString(), QStringLiteral("1234567890.1201"));
    const QJsonObject s = rows.at(1).toObject();
    QCOMPARE(s.value(QStringLiteral("type")).toString(), QStringLiteral("Scarico"));
    QCOMPARE(s.value(QStringLiteral("counterpart")).toString(),
             QStringLiteral("Bar \"Sport\"\tdi Rossi"));
    QCOMPARE(s.value(QStringLiteral("paid")).toBool(), true);
    QCOMPARE(s.value(QStringLiteral("taxable")).toString(), QStringLiteral("27.00"));
    QCOMPARE(s.value(QStringLiteral("tax")).toString(), QStringLiteral("5.94"));
    QCOMPARE(s.value(QStringLiteral("total")).toString(), QStringLiteral("32.94"));
    const QJsonObject r = rows.at(3).toObject();
    QCOMPARE(r.value(QStringLiteral("type")).toString(), QStringLiteral("Ricevuta"));
    QVERIFY(r.value(QStringLiteral("counterpart")).isNull());
    QCOMPARE(r.value(QStringLiteral("total")).toString(), QStringLiteral("2.75"));

    // Sales are unloads and receipts; --to takes its whole day, in either way of writing it.
    QCOMPARE(listedKeys(list(
                 {QStringLiteral("--type"), QStringLiteral("sale"), QStringLiteral("--json")})),
             (QList<int>{sale, sameTime, receipt}));
    QCOMPARE(listedKeys(list({QStringLiteral("--type=load"), QStringLiteral("--json")})),
             QList<int>{load});
    QCOMPARE(listedKeys(list(
                 {QStringLiteral("--type"), QStringLiteral("return"), QStringLiteral("--json")})),
             QList<int>{returned});
    const QList<int> fifth{sale, sameTime, receipt};
    QCOMPARE(listedKeys(list({QStringLiteral("--from"), QStringLiteral("2026-03-05"),
                              QStringLiteral("--to"), QStringLiteral("2026-03-05"),
                              QStringLiteral("--json")})),
             fifth);
    QCOMPARE(listedKeys(
                 list({QStringLiteral("--from"), QStringLiteral("5/3/2026"), QStringLiteral("--to"),
                       QStringLiteral("05/03/2026"), QStringLiteral("--json")})),
             fifth);
    QCOMPARE(listedKeys(list({QStringLiteral("--from"), QStringLiteral("2026-03-06"),
                              QStringLiteral("--json")})),
             QList<int>{returned});
    QCOMPARE(listedKeys(list(
                 {QStringLiteral("--to"), QStringLiteral("2026-02-28"), QStringLiteral("--json")})),
             QList<int>());
    QCOMPARE(list({QStringLiteral("--to"), QStringLiteral("2026-02-28"), QStringLiteral("--json")})
                 .out.trimmed(),
             QByteArray("[\n]"));

    // The table: a header line, then one line of nine fields per movement, a tab in a name
    // turned into a space.
    const Run text = list({QStringLiteral("--type"), QStringLiteral("sale")});
    QCOMPARE(text.code, 0);
    const QStringList lines = QString::fromUtf8(text.out).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.at(0), QStringLiteral("Chiave\tData\tTipo\tNumero\tControparte\tPagato\t"
                                         "Prezzo\tImposta\tTotale"));
    QCOMPARE(lines.at(1), QStringLiteral("%1\t2026-03-05 10:30:00\tScarico\t1/2026\t"
                                         "Bar \"Sport\" di Rossi\tsì\t27.00\t5.94\t32.94")
                              .arg(sale));
    QCOMPARE(lines.at(3), QStringLiteral("%1\t2026-03-05 23:59:59\tRicevuta\t1/2026\t\tsì\t"
                                         "2.50\t0.25\t2.75")
                              .arg(receipt));

    // Usage errors name what is wrong and list nothing.
    for (const QStringList& args : QList<QStringList>{
             {QStringLiteral("--type"), QStringLiteral("sales")},
             {QStringLiteral("--from"), QStringLiteral("2026-13-01")},
             {QStringLiteral("--to"), QStringLiteral("31/02/2026")},
             {QStringLiteral("--from"), QStringLiteral("2026-03-06"), QStringLiteral("--to"),
              QStringLiteral("2026-03-05")},
             {QStringLiteral("--from")},
             {QStringLiteral("extra")},
         }) {
        const Run bad = list(args);
        QVERIFY2(bad.code == 2, qPrintable(args.join(u' ') + QStringLiteral(" -> ") + bad.err));
        QVERIFY2(bad.err.startsWith(QStringLiteral("quarzil-cli: ")), qPrintable(bad.err));
        QVERIFY(bad.out.isEmpty());
    }
    const Run noAction = cli.run(QStringList(on) << QStringLiteral("movements"));
    QCOMPARE(noAction.code, 2);
    QVERIFY2(noAction.err.contains(QStringLiteral("list")), qPrintable(noAction.err));
    QCOMPARE(cli.run(QStringList(on) << QStringLiteral("movements") << QStringLiteral("show")).code,
             2);
    const Run help = cli.run({QStringLiteral("movements"), QStringLiteral("--help")});
    QCOMPARE(help.code, 0);
    QVERIFY(help.out.contains("--type"));
}

void tst_Cli::badUsageAndMissingArchives() {
    Cli cli;
    QTemporaryDir dir;
    const QString file = TestSupport::CopyTemplate(dir);
    const QStringList on{QStringLiteral("--archive"), file};
    for (const QStringList& args : QList<QStringList>{
             {},
             {QStringLiteral("bogus")},
             {QStringLiteral("--archive")},
             QStringList(on) << QStringLiteral("info") << QStringLiteral("extra"),
             QStringList(on) << QStringLiteral("recompute") << QStringLiteral("--item")
                             << QStringLiteral("x"),
             QStringList(on) << QStringLiteral("recompute") << QStringLiteral("--json"),
             {QStringLiteral("create")},
             QStringList(on) << QStringLiteral("create") << QStringLiteral("y.db"),
             {QStringLiteral("--connection"), QStringLiteral("Data Source=x"),
              QStringLiteral("info")},
         }) {
        const Run r = cli.run(args);
        QVERIFY2(r.code == 2, qPrintable(args.join(u' ') + QStringLiteral(" -> ") +
                                         QString::number(r.code) + u' ' + r.err));
        QVERIFY2(r.err.startsWith(QStringLiteral("quarzil-cli: ")) ||
                     r.err.startsWith(QStringLiteral("uso:")),
                 qPrintable(r.err));
    }
    // Help is not an error, for the program and for each verb.
    QCOMPARE(cli.run({QStringLiteral("--help")}).code, 0);
    const Run help = cli.run({QStringLiteral("recompute"), QStringLiteral("--help")});
    QCOMPARE(help.code, 0);
    QVERIFY(help.out.contains("--check"));

    // A missing archive is refused and nothing is created in its place.
    const QString missing = dir.filePath(QStringLiteral("missing.db"));
    QCOMPARE(cli.run({QStringLiteral("--archive"), missing, QStringLiteral("info")}).code, 2);
    QCOMPARE(cli.run({QStringLiteral("--connection"), ConnectionString::ForSqlite(missing),
                      QStringLiteral("info")})
                 .code,
             2);
    QVERIFY(!QFile::exists(missing));
    // With no profile and no default archive, nothing is opened and nothing is made.
    const Run none = cli.run({QStringLiteral("info")});
    QCOMPARE(none.code, 2);
    QVERIFY(!QFile::exists(cli.dataFolder() + QStringLiteral("/Quarzil.db")));
    QVERIFY(!QFile::exists(cli.home(QStringLiteral("config/Norvisk/Quarzil.ini"))));
}

void tst_Cli::refusesAnArchiveOfAnotherVersion() {
    Cli cli;
    QTemporaryDir dir;
    for (int version : {19, 21}) {
        const QString file = TestSupport::CopyTemplate(dir, QStringLiteral("v%1.db").arg(version));
        {
            Database db(QStringLiteral("version"));
            QVERIFY(db.open(ConnectionString::ForSqlite(file)));
            QVERIFY(db.execute(QStringLiteral("UPDATE Informazioni SET Versione = ?"), {version}));
        }
        const Run r = cli.run({QStringLiteral("--archive"), file, QStringLiteral("recompute")});
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.contains(QString::number(version)), qPrintable(r.err));
    }
}

void tst_Cli::profileFallbackIsSaidAloud() {
    // The configured server does not answer: the default archive is used, and stderr says so.
    Cli cli;
    QDir().mkpath(cli.dataFolder());
    QVERIFY(
        QFile::copy(TestSupport::TemplateFile(), cli.dataFolder() + QStringLiteral("/Quarzil.db")));
    cli.setProfile(QStringLiteral("MyConnection"),
                   QStringLiteral("Provider=QPSQL;Data Source=127.0.0.1:1;Initial "
                                  "Catalog=negozio;User ID=shop;Password=segreta"));
    const Run r = cli.run({QStringLiteral("info"), QStringLiteral("--json")});
    QCOMPARE(r.code, 0);
    QVERIFY2(r.err.contains(QStringLiteral("negozio sul server 127.0.0.1:1")), qPrintable(r.err));
    QVERIFY2(r.err.contains(cli.dataFolder() + QStringLiteral("/Quarzil.db")), qPrintable(r.err));
    QVERIFY(!r.err.contains(QStringLiteral("segreta")));
    QCOMPARE(r.json().value(QStringLiteral("archive")).toString(),
             cli.dataFolder() + QStringLiteral("/Quarzil.db"));
}

QTEST_GUILESS_MAIN(tst_Cli)
#include "tst_Cli.moc"
