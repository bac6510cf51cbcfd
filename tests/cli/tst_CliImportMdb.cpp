// label: process
#include "MdbTesting.h"
#include "TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int code = -1;
    QByteArray out;
    QString err;
};

// The real executable, with a home, profile and data folder of its own.
Run cli(const QTemporaryDir& home, const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("QUARZIL_MACHINE_CONFIG"), home.filePath(QStringLiteral("none.ini")));
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

int count(const QString& file, const QString& sql) {
    const QString name = TestSupport::UniqueName(QStringLiteral("cli_"));
    int n = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        QSqlQuery q(db);
        if (db.open() && q.exec(sql) && q.next())
            n = q.value(0).toInt();
    }
    QSqlDatabase::removeDatabase(name);
    return n;
}

} // namespace

class tst_CliImportMdb : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void foreignArchiveIsRefusedWithoutAny();
    void foreignArchiveIsImportedWithAny();
    void anExistingFileIsKeptUnlessReplaced();
};

void tst_CliImportMdb::foreignArchiveIsRefusedWithoutAny() {
    QTemporaryDir home;
    const QString mdb = TestSupport::CopyMdbSample(home, QStringLiteral("nwind.mdb"));
    QVERIFY(!mdb.isEmpty());
    const QString target = home.filePath(QStringLiteral("new.db"));
    const Run r = cli(home, {QStringLiteral("import-mdb"), mdb, target});
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.startsWith(QStringLiteral("quarzil-cli: Il file nwind.mdb non è un archivio di "
                                             "Quarzil: mancano le tabelle Articoli, ")),
             qPrintable(r.err));
    QVERIFY(r.err.contains(QStringLiteral("Nulla è stato scritto; con --any se ne importano i "
                                          "soli dati.")));
    QVERIFY(r.out.isEmpty());
    QVERIFY(!QFileInfo::exists(target));
    QVERIFY(!QFileInfo::exists(target + QStringLiteral(".partial")));
}

void tst_CliImportMdb::foreignArchiveIsImportedWithAny() {
    QTemporaryDir home;
    const QString mdb = TestSupport::CopyMdbSample(home, QStringLiteral("nwind.mdb"));
    QVERIFY(!mdb.isEmpty());
    const QString target = home.filePath(QStringLiteral("new.db"));
    const Run r = cli(home, {QStringLiteral("import-mdb"), QStringLiteral("--any"), mdb, target,
                             QStringLiteral("--json")});
    QCOMPARE(r.code, 0);
    QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
    const QJsonObject o = QJsonDocument::fromJson(r.out).object();
    QCOMPARE(o.value(QStringLiteral("archive")).toString(), target);
    QCOMPARE(o.value(QStringLiteral("quarzilArchive")).toBool(true), false);
    QCOMPARE(o.value(QStringLiteral("upgraded")).toBool(true), false);
    QCOMPARE(o.value(QStringLiteral("tables")).toInt(), 9);
    QVERIFY(o.value(QStringLiteral("versionReached")).isNull());
    QCOMPARE(o.value(QStringLiteral("missing")).toArray().size(), 8);
    QCOMPARE(count(target, QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = "
                                          "'table' AND name <> 'sqlite_sequence'")),
             9);
    QCOMPARE(o.value(QStringLiteral("rows")).toInt(),
             count(target, QStringLiteral("SELECT (SELECT COUNT(*) FROM \"Order Details\") + "
                                          "(SELECT COUNT(*) FROM Orders) + "
                                          "(SELECT COUNT(*) FROM Products) + "
                                          "(SELECT COUNT(*) FROM Shippers) + "
                                          "(SELECT COUNT(*) FROM Categories) + "
                                          "(SELECT COUNT(*) FROM Customers) + "
                                          "(SELECT COUNT(*) FROM Employees) + "
                                          "(SELECT COUNT(*) FROM Suppliers) + "
                                          "(SELECT COUNT(*) FROM \"Umsätze\")")));
    // The plain text says what was done.
    const QString second = home.filePath(QStringLiteral("second.db"));
    const Run plain =
        cli(home, {QStringLiteral("import-mdb"), QStringLiteral("--any"), mdb, second});
    QCOMPARE(plain.code, 0);
    QVERIFY2(QString::fromUtf8(plain.out).endsWith(
                 QStringLiteral(": 9 tabelle, %1 righe.\nNon è un archivio di Quarzil: "
                                "importati i soli dati, senza aggiornamento.\n")
                     .arg(o.value(QStringLiteral("rows")).toInt())),
             plain.out.constData());
}

void tst_CliImportMdb::anExistingFileIsKeptUnlessReplaced() {
    QTemporaryDir home;
    const QString mdb = TestSupport::CopyMdbSample(home, QStringLiteral("DateTestDatabase.mdb"));
    QVERIFY(!mdb.isEmpty());
    const QString target = home.filePath(QStringLiteral("old.db"));
    {
        QFile f(target);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("old");
    }
    Run r = cli(home, {QStringLiteral("import-mdb"), QStringLiteral("--any"), mdb, target});
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.contains(QStringLiteral("esiste già")), qPrintable(r.err));
    QCOMPARE(QFileInfo(target).size(), 3);
    r = cli(home, {QStringLiteral("import-mdb"), QStringLiteral("--any"),
                   QStringLiteral("--replace"), mdb, target});
    QCOMPARE(r.code, 0);
    QCOMPARE(count(target, QStringLiteral("SELECT COUNT(*) FROM DateTest")), 6);
    // Bad usage is told apart from a failed import.
    QCOMPARE(cli(home, {QStringLiteral("import-mdb"), mdb}).code, 2);
}

QTEST_GUILESS_MAIN(tst_CliImportMdb)
#include "tst_CliImportMdb.moc"
