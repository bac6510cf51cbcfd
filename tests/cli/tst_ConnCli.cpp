// label: process
#include "TestSupport.h"
#include "store/ArchiveCreator.h"
#include "store/ConnectionString.h"
#include "store/Database.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

Run Cli(const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    p.setProcessEnvironment(env);
    p.start(TestSupport::CliPath(), args);
    Run r;
    if (!p.waitForFinished(120000))
        return r;
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

} // namespace

// The connection dialog's checks and its new catalog, as a script reaches them.
class tst_ConnCli : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void probe();
    void catalogsAndNewCatalog();
};

void tst_ConnCli::probe() {
    QTemporaryDir dir;
    const QString archive = TestSupport::CopyTemplate(dir);
    Run r = Cli({QStringLiteral("probe"), ConnectionString::ForSqlite(archive)});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, QStringLiteral("Archivio utilizzabile: %1\n").arg(archive));

    const QString other = dir.filePath(QStringLiteral("other.db"));
    {
        QFile(other).open(QIODevice::WriteOnly);
        Database db(TestSupport::UniqueName(QStringLiteral("cli_other_")));
        QVERIFY(db.openRaw(ConnectionString::ForSqlite(other)));
        QVERIFY(db.execute(QStringLiteral("CREATE TABLE Clienti (Nome TEXT)")));
    }
    r = Cli({QStringLiteral("probe"), ConnectionString::ForSqlite(other)});
    QCOMPARE(r.code, 1);
    QVERIFY2(
        r.err.startsWith(QStringLiteral("quarzil-cli: Impossibile aprire l'archivio dei dati! ")),
        qPrintable(r.err));
    QCOMPARE(Cli({QStringLiteral("probe"), QStringLiteral("not a string")}).code, 2);
}

void tst_ConnCli::catalogsAndNewCatalog() {
    const QString server = TestSupport::PostgresServer();
    QVERIFY2(!server.isEmpty(),
             "QUARZIL_TEST_PG is not set: run the tests through tools/pgtest.sh");
    const QString name = TestSupport::UniqueName(QStringLiteral("qz_cli_new_"));
    struct Drop {
        QString server, name;
        ~Drop() {
            QString ignored;
            ArchiveCreator::DropPostgresCatalog(server, name, &ignored);
        }
    } drop{server, name};

    Run r = Cli({QStringLiteral("newcatalog"), QStringLiteral("--server"), server, name});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, QStringLiteral("Database %1 su %2 creato con successo!\n")
                        .arg(name, ConnectionString::Value(server, QStringLiteral("Data Source"))));
    r = Cli({QStringLiteral("catalogs"), QStringLiteral("--json"), server});
    QCOMPARE(r.code, 0);
    const QJsonArray names = QJsonDocument::fromJson(r.out.toUtf8()).array();
    QVERIFY2(names.contains(name) && !names.contains(QStringLiteral("template0")),
             qPrintable(r.out));
    // The new catalog is one the program opens.
    QString catalog = server;
    catalog.replace(QStringLiteral("Initial Catalog=postgres"),
                    QStringLiteral("Initial Catalog=") + name);
    QCOMPARE(Cli({QStringLiteral("probe"), catalog}).code, 0);
    QCOMPARE(Cli({QStringLiteral("--connection"), catalog, QStringLiteral("info")}).code, 0);
    // Made again: refused, and kept.
    r = Cli({QStringLiteral("newcatalog"), QStringLiteral("--server"), server, name});
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.contains(name), qPrintable(r.err));
    QCOMPARE(Cli({QStringLiteral("probe"), catalog}).code, 0);
}

QTEST_MAIN(tst_ConnCli)
#include "tst_ConnCli.moc"
