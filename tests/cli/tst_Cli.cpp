// label: process
#include "BenchData.h"
#include "TestSupport.h"
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

} // namespace

class tst_Cli : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void createAndInfo_data() { TestSupport::AddBackendRows(); }
    void createAndInfo();
    void recomputeFindsAndMendsDamage_data() { TestSupport::AddBackendRows(); }
    void recomputeFindsAndMendsDamage();
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
