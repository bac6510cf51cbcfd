// label: unit
#include "common/MakerSite.h"
#include "common/Profile.h"
#include "shell/NewsPage.h"
#include "shell/PublishedVersion.h"
#include "shell/SystemFacts.h"
#include "shell/SystemReport.h"
#include "shell/UsagePing.h"
#include "store/ConnectionString.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>

class tst_WebCore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void publishedVersion_data();
    void publishedVersion();
    void newsPage_data();
    void newsPage();
    void newsLinks();
    void pingQuery();
    void systemFactsParsers();
    void reportText();
    void reportFile();
    void passwordsLeaveConnectionStrings_data();
    void passwordsLeaveConnectionStrings();
    void endpoints();
};

void tst_WebCore::publishedVersion_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("failed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("update");
    QTest::newRow("same, with a line end")
        << QByteArray("3.2.0\r\n") << false << "3.2.0" << 320 << false;
    QTest::newRow("one above") << QByteArray("3.2.1\n") << false << "3.2.1" << 321 << true;
    QTest::newRow("two-digit minor") << QByteArray("3.10.0") << false << "3.10.0" << 3100 << true;
    QTest::newRow("no dot") << QByteArray("latest") << false << "1.0.0" << 100 << false;
    QTest::newRow("empty file") << QByteArray() << false << "1.0.0" << 100 << false;
    QTest::newRow("older") << QByteArray("3.1.9") << false << "3.1.9" << 319 << false;
    QTest::newRow("read failed") << QByteArray("3.9.9") << true << "9.0.0" << 900 << false;
    QTest::newRow("leading blank line")
        << QByteArray("\n 3.3.0\n") << false << "3.3.0" << 330 << true;
    // A captive portal's page is not a version, however many dots and digits it holds.
    QTest::newRow("html page") << QByteArray("<html>Login at 10.0.0.1</html>") << false
                               << "<html>Login at 10.0.0.1" << 0 << false;
    QTest::newRow("signed") << QByteArray("+9.9.9") << false << "+9.9.9" << 0 << false;
    QTest::newRow("overflow") << QByteArray("99999999999.0.0") << false << "99999999999.0.0" << 0
                              << false;
    // The character kept after the last dot is a whole one, never half a surrogate pair.
    QTest::newRow("symbol after the dot")
        << QByteArray("3.2.\xF0\x9F\x98\x80") << false << QString::fromUtf8("3.2.\xF0\x9F\x98\x80")
        << 0 << false;
}

void tst_WebCore::publishedVersion() {
    QFETCH(QByteArray, body);
    QFETCH(bool, failed);
    QFETCH(QString, text);
    QFETCH(int, number);
    QFETCH(bool, update);
    const PublishedVersion v = PublishedVersion::Parse(body, failed, 320);
    QCOMPARE(v.text, text);
    QCOMPARE(v.number, number);
    QCOMPARE(v.updateAvailable(), update);
}

void tst_WebCore::newsPage_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("lastOpened");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    using O = NewsPage::Outcome;
    const QString head = QStringLiteral("<html><head><title> Novità Quarzil </title></head>");
    QTest::newRow("no link, newer")
        << head + "<body><p>12:nolink:Nuova versione in arrivo</p></body></html>" << 11
        << int(O::Show) << 12 << QString() << "Nuova versione in arrivo"
        << "Novità Quarzil";
    QTest::newRow("link, text with colons")
        << head + "<body>\n<p>13:www.quarzil.it/news/13:Orari: 9-18</p>\n</body>" << 0
        << int(O::Show) << 13 << "www.quarzil.it/news/13"
        << "Orari: 9-18"
        << "Novità Quarzil";
    QTest::newRow("same id") << head + "<body><p>12:nolink:x</p></body>" << 12 << int(O::Seen) << 0
                             << QString() << QString() << QString();
    QTest::newRow("older id") << head + "<body><p>3:nolink:x</p></body>" << 12 << int(O::Seen) << 0
                              << QString() << QString() << QString();
    QTest::newRow("nothing to say") << "<body><p>HTTP:2256</p></body>" << 0 << int(O::NoNews) << 0
                                    << QString() << QString() << QString();
    QTest::newRow("no body") << "<html>down for maintenance</html>" << 0 << int(O::NoBody) << 0
                             << QString() << QString() << QString();
    QTest::newRow("unclosed body") << "<body><p>5:nolink:x</p>" << 0 << int(O::NoBody) << 0
                                   << QString() << QString() << QString();
    QTest::newRow("no id") << "<body><p>abc:nolink:x</p></body>" << 0 << int(O::Malformed) << 0
                           << QString() << QString() << QString();
    QTest::newRow("one colon") << "<body><p>5:only text</p></body>" << 0 << int(O::Malformed) << 0
                               << QString() << QString() << QString();
    QTest::newRow("tags in capitals, no title")
        << "<BODY><P>7:nolink:Ciao</P></BODY>" << 0 << int(O::Show) << 7 << QString() << "Ciao"
        << QString();
}

void tst_WebCore::newsPage() {
    QFETCH(QString, page);
    QFETCH(int, lastOpened);
    QFETCH(int, outcome);
    const NewsPage::Parsed parsed = NewsPage::Parse(page, lastOpened);
    QCOMPARE(int(parsed.outcome), outcome);
    if (parsed.outcome != NewsPage::Outcome::Show)
        return;
    QTEST(parsed.item.id, "id");
    QTEST(parsed.item.link, "link");
    QTEST(parsed.item.text, "text");
    QTEST(parsed.item.title, "title");
}

void tst_WebCore::newsLinks() {
    NewsItem item;
    QVERIFY(!item.linkUrl().isValid());
    item.link = QStringLiteral("www.quarzil.it/promo?id=3");
    QCOMPARE(item.linkUrl(), QUrl(QStringLiteral("https://www.quarzil.it/promo?id=3")));
    // Whatever the page says, the link opens an https page and nothing else.
    item.link = QStringLiteral("/etc/passwd");
    QVERIFY(!item.linkUrl().isValid());
    item.link = QStringLiteral("bad host name/x");
    QVERIFY(!item.linkUrl().isValid());
}

void tst_WebCore::pingQuery() {
    UsagePing::Facts f;
    f.processor = QStringLiteral("Intel(R) Core(TM) i5 CPU @ 1.60GHz");
    f.installationId = UsagePing::InstallationId(320, QStringLiteral("/opt/quarzil/"), 4711u);
    f.items = 1500;
    f.movements = 20;
    f.osName = QStringLiteral("Debian GNU/Linux 12 (bookworm)");
    const QString query = UsagePing::Query(f);
    QVERIFY2(query.startsWith(QLatin1String("codappnorvisk=")), qPrintable(query));
    QUrlQuery q(query);
    QCOMPARE(q.queryItemValue("codappnorvisk", QUrl::FullyDecoded), f.processor);
    QCOMPARE(q.queryItemValue("codapphd"), QStringLiteral("320-4711"));
    QCOMPARE(q.queryItemValue("codappid"), QStringLiteral("5"));
    QCOMPARE(q.queryItemValue("codapplang"), QStringLiteral("1"));
    QCOMPARE(q.queryItemValue("n1"), QStringLiteral("1500"));
    QCOMPARE(q.queryItemValue("n2"), QStringLiteral("20"));
    QCOMPARE(q.queryItemValue("so", QUrl::FullyDecoded), f.osName);
    QStringList keys;
    for (const auto& item : q.queryItems())
        keys << item.first;
    QCOMPARE(keys, QStringList(
                       {"codappnorvisk", "codapphd", "codappid", "codapplang", "n1", "n2", "so"}));
    // A value with '&' or '=' cannot add parameters of its own.
    f.processor = QStringLiteral("A&n1=999");
    QCOMPARE(QUrlQuery(UsagePing::Query(f)).queryItemValue("n1"), QStringLiteral("1500"));

    QCOMPARE(UsagePing::InstallationId(320, QString(), 4711u), QStringLiteral("320-"));
    QCOMPARE(UsagePing::InstallationId(320, QStringLiteral("/opt/q/"), std::nullopt),
             QStringLiteral("320-"));
    const QUrl url = UsagePing::Url(QUrl(QStringLiteral("http://127.0.0.1:1/script/users.php")), f);
    QCOMPARE(url.path(), QStringLiteral("/script/users.php"));
    QCOMPARE(QUrlQuery(url).queryItemValue("codappid"), QStringLiteral("5"));
}

void tst_WebCore::systemFactsParsers() {
    const QString cpuinfo = QStringLiteral(
        "processor\t: 0\nvendor_id\t: GenuineIntel\ncpu family\t: 6\nmodel\t\t: 142\n"
        "model name\t: Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz\nstepping\t: 10\n"
        "flags\t\t: fpu vme\n\nprocessor\t: 1\nvendor_id\t: GenuineIntel\ncpu family\t: 6\n"
        "model\t\t: 142\nmodel name\t: Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz\n"
        "stepping\t: 10\n\n");
    const auto cpus = SystemFacts::ProcessorsFromCpuInfo(cpuinfo);
    QCOMPARE(cpus.size(), 2);
    QCOMPARE(cpus[1].name, QStringLiteral("Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz"));
    QCOMPARE(cpus[0].identifier, QStringLiteral("GenuineIntel Family 6 Model 142 Stepping 10"));
    // ARM boards name no model: the processors still count.
    const auto arm = SystemFacts::ProcessorsFromCpuInfo(
        QStringLiteral("processor\t: 0\nBogoMIPS\t: 108.00\n\nprocessor\t: 1\nBogoMIPS\t: 108.00\n"
                       "\nHardware\t: BCM2835\n"));
    QCOMPARE(arm.size(), 2);
    QVERIFY(arm[0].name.isEmpty() && arm[0].identifier.isEmpty());

    const auto [total, available] = SystemFacts::MemoryFromMemInfo(
        QStringLiteral("MemTotal:       16303504 kB\nMemFree:         1234 kB\n"
                       "MemAvailable:    8151752 kB\n"));
    QCOMPARE(QString::number(total, 'f', 2), QStringLiteral("15921.39"));
    QCOMPARE(QString::number(available, 'f', 2), QStringLiteral("7960.70"));
    QCOMPARE(SystemFacts::MemoryFromMemInfo(QStringLiteral("garbage")).first, -1.0);

    QCOMPARE(SystemFacts::OsNameFromRelease(QStringLiteral(
                 "PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nNAME=\"Debian GNU/Linux\"\n")),
             QStringLiteral("Debian GNU/Linux 12 (bookworm)"));
    QCOMPARE(SystemFacts::OsNameFromRelease(QStringLiteral("NAME=Fedora\nVERSION='39'\n")),
             QStringLiteral("Fedora 39"));

    const auto a = SystemFacts::AnonymousIdFromMachineId("0123456789abcdef0123456789abcdef\n");
    QVERIFY(a.has_value());
    QCOMPARE(SystemFacts::AnonymousIdFromMachineId("0123456789abcdef0123456789abcdef"), a);
    QVERIFY(SystemFacts::AnonymousIdFromMachineId("fedcba9876543210fedcba9876543210") != a);
    QVERIFY(!SystemFacts::AnonymousIdFromMachineId(" \n").has_value());
    // The number never spells the machine id itself.
    QVERIFY(!QString::number(*a).contains(QLatin1String("0123456789")));

    // This machine, as the report will see it.
    const SystemFacts here = SystemFacts::Collect();
    QVERIFY(!here.osName.isEmpty());
    QVERIFY(!here.processors.isEmpty());
    QVERIFY(here.totalMemoryMb > 0 && here.availableMemoryMb > 0);
    QVERIFY(here.sqliteVersion.startsWith(QLatin1String("3.")));
}

void tst_WebCore::reportText() {
    SystemReport::Input in;
    in.facts.osName = QStringLiteral("Debian GNU/Linux 12 (bookworm)");
    in.facts.is64Bit = true;
    in.facts.sqliteVersion = QStringLiteral("3.40.1");
    in.facts.processors = {{QStringLiteral("CPU A"), QStringLiteral("GenuineIntel Family 6")},
                           {QStringLiteral("CPU A"), QStringLiteral("GenuineIntel Family 6")}};
    in.facts.totalMemoryMb = 2048;
    in.facts.availableMemoryMb = 1024.5;
    in.internet = true;
    in.directory = QStringLiteral("/opt/quarzil/");
    in.connection = QStringLiteral("Provider=QSQLITE;Data Source=/home/u/Quarzil.db");
    in.myConnection = QStringLiteral("Provider=QPSQL;Data Source=db:5432;Initial Catalog=mag;"
                                     "User ID=anna;Password=\"s3;cr\"\"et\"");
    in.items = 10;
    in.movements = 3;
    in.speedMs = 850;
    in.log = {{QStringLiteral("ArticoliView:FillData"), QStringLiteral("Lettura righe")}};
    const QString expectedHead = QStringLiteral(
        "Software: Quarzil Free 320 Italiano\n"
        "\nSistema Operativo: Debian GNU/Linux 12 (bookworm)\n"
        "Connessione ad Internet: Si\n"
        "Tipo Sistema Operativo: 64 bit\n"
        "SQLite: 3.40.1\n"
        "Numero Processori: 2\n"
        "Processore 0: CPU A GenuineIntel Family 6\n"
        "Processore 1: CPU A GenuineIntel Family 6\n"
        "Memoria Totale: 2048.00 MB\n"
        "Memoria Disponibile: 1024.50 MB\n"
        "\nDirectory: /opt/quarzil/\n"
        "\nConnessione: Provider=QSQLITE;Data Source=/home/u/Quarzil.db\n"
        "\nMia Connessione: Provider=QPSQL;Data Source=db:5432;Initial Catalog=mag;User ID=anna\n"
        "\nNumero Articoli: 10\n"
        "Numero Movimenti: 3\n"
        "\nTempo in ms: 850\n"
        "\nDati del Log\n"
        "ArticoliView:FillData: Lettura righe\n");
    QCOMPARE(SystemReport::Text(in), expectedHead);
    in.comment = QStringLiteral("Più colonne");
    QCOMPARE(SystemReport::Text(in),
             expectedHead + "\nInformazioni Errore: \n\nCommento Errore: Più colonne\n");
}

void tst_WebCore::reportFile() {
    QTemporaryDir dir;
    const QString path = SystemReport::FilePath(dir.path());
    QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("BreloReport.txt"));
    QVERIFY(SystemReport::WriteFile(path, QStringLiteral("primo")));
    QVERIFY(SystemReport::WriteFile(path, QStringLiteral("àèì secondo")));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(f.readAll()), QStringLiteral("àèì secondo"));
    // Readable and writable by its owner, by nobody else.
    QCOMPARE(QFileInfo(path).permissions() & 0x60FF,
             QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    // A link someone left at that name is replaced, never written through.
    const QString target = dir.filePath(QStringLiteral("target.txt"));
    QFile t(target);
    QVERIFY(t.open(QIODevice::WriteOnly));
    t.write("keep");
    t.close();
    QFile::remove(path);
    QVERIFY(QFile::link(target, path));
    QVERIFY(SystemReport::WriteFile(path, QStringLiteral("report")));
    QVERIFY(!QFileInfo(path).isSymLink());
    QFile again(target);
    QVERIFY(again.open(QIODevice::ReadOnly));
    QCOMPARE(again.readAll(), QByteArray("keep"));
    QCOMPARE(SystemReport::UploadName(4294967295u), QStringLiteral("4294967295.txt"));
}

void tst_WebCore::passwordsLeaveConnectionStrings_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "Provider=QPSQL;Data Source=h;Initial Catalog=c;User ID=u;Password=p"
                           << "Provider=QPSQL;Data Source=h;Initial Catalog=c;User ID=u";
    QTest::newRow("quoted with ; and quotes") << "Provider=QPSQL;Password=\"a;b\"\"c\";User ID=u"
                                              << "Provider=QPSQL;User ID=u";
    QTest::newRow("key case, pwd") << "Provider=QPSQL;PASSWORD=x;pwd=y;Data Source=h"
                                   << "Provider=QPSQL;Data Source=h";
    QTest::newRow("sqlite") << "Provider=QSQLITE;Data Source=\"/tmp/a;b.db\""
                            << "Provider=QSQLITE;Data Source=\"/tmp/a;b.db\"";
    QTest::newRow("empty") << QString() << QString();
    // A quote left open before the password would close at the end of the string once the
    // password is gone, taking the user into the server's name: the pairs are written again.
    QTest::newRow("open quote before the password")
        << "Provider=QPSQL;Data Source=\"h;Password=\"p\" x;User ID=u\""
        << "Provider=QPSQL;Data Source=\"\"\"h\";User ID=u\"";
}

void tst_WebCore::passwordsLeaveConnectionStrings() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(ConnectionString::WithoutPassword(text), expected);
}

void tst_WebCore::endpoints() {
    QTemporaryDir dir;
    Profile profile(dir.filePath(QStringLiteral("q.ini")), dir.filePath(QStringLiteral("m.ini")));
    using E = MakerSite::Endpoint;
    QCOMPARE(MakerSite::Url(profile, E::VersionFile).toString(),
             QStringLiteral("https://www.quarzil.it/script/VerQuarzil.txt"));
    profile.setValue(Profile::Section::Web, QStringLiteral("Sito"),
                     QStringLiteral("http://127.0.0.1:8080/"));
    QCOMPARE(MakerSite::Url(profile, E::News).toString(),
             QStringLiteral("http://127.0.0.1:8080/script/infosoft.php?idprod=1"));
    profile.setValue(Profile::Section::Web, QStringLiteral("Pacchetto"),
                     QStringLiteral("https://mirror.example/q.deb"));
    QCOMPARE(MakerSite::Url(profile, E::Package).toString(),
             QStringLiteral("https://mirror.example/q.deb"));
    QCOMPARE(MakerSite::HelpPage(profile, QStringLiteral("/aiuto/Quarzil/trova.php")).toString(),
             QStringLiteral("http://127.0.0.1:8080/aiuto/Quarzil/trova.php"));
    profile.setValue(Profile::Section::Web, QStringLiteral("Aiuto"),
                     QStringLiteral("file:///usr/share/doc/quarzil/help"));
    QCOMPARE(MakerSite::HelpPage(profile, QStringLiteral("/aiuto/Quarzil/trova.php")).toString(),
             QStringLiteral("file:///usr/share/doc/quarzil/help/trova.php"));

    QVERIFY(MakerSite::UsagePingEnabled(profile));
    MakerSite::SetUsagePingEnabled(profile, false);
    QVERIFY(!MakerSite::UsagePingEnabled(profile));
    QCOMPARE(profile.integer(Profile::Section::Web, QStringLiteral("Statistiche"), 1), 0);
    QCOMPARE(MakerSite::TimeoutMs(profile), MakerSite::kDefaultTimeoutMs);
    profile.setValue(Profile::Section::Web, QStringLiteral("Attesa"), -5);
    QCOMPARE(MakerSite::TimeoutMs(profile), MakerSite::kDefaultTimeoutMs);
}

QTEST_GUILESS_MAIN(tst_WebCore)
#include "tst_WebCore.moc"
