// label: process
#include "TestSupport.h"
#include "items/ItemPhoto.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

// quarzil-cli with SANE reading its configuration from sane, and the user's profile in config.
std::unique_ptr<QProcess> Start(const QStringList& args, const QString& sane,
                                const QString& config) {
    auto p = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    env.insert(QStringLiteral("SANE_CONFIG_DIR"), sane);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    p->setProcessEnvironment(env);
    p->start(TestSupport::CliPath(), args);
    return p;
}

struct Run {
    int code = -1;
    QString out;
    QString err;
};

Run Finish(QProcess& p) {
    Run r;
    if (!p.waitForFinished(60000))
        return r;
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

} // namespace

// The scanner and the serial reader as a script reaches them.
class tst_DevicesCli : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString sane() const { return m_dir.filePath(QStringLiteral("sane")); }
    QString config() const { return m_dir.filePath(QStringLiteral("config")); }

    void saneDevices(int count) {
        QDir().mkpath(sane());
        QFile dll(sane() + QStringLiteral("/dll.conf"));
        QVERIFY(dll.open(QIODevice::WriteOnly | QIODevice::Truncate));
        dll.write(count > 0 ? "test\n" : "");
        dll.close();
        QFile conf(sane() + QStringLiteral("/test.conf"));
        QVERIFY(conf.open(QIODevice::WriteOnly | QIODevice::Truncate));
        conf.write(QStringLiteral("number_of_devices %1\ntest-picture \"Color pattern\"\n")
                       .arg(qMax(1, count))
                       .toUtf8());
    }
    Run cli(const QStringList& args) {
        auto p = Start(args, sane(), config());
        return Finish(*p);
    }

private Q_SLOTS:
    void scan();
    void reader();
};

void tst_DevicesCli::scan() {
    saneDevices(2);
    Run r = cli({QStringLiteral("scan"), QStringLiteral("--list")});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out,
             QStringLiteral("test:0\tNoname frontend-tester\ntest:1\tNoname frontend-tester\n"));

    const QString file = m_dir.filePath(QStringLiteral("scan.jpg"));
    // Two devices: which one must be said.
    r = cli({QStringLiteral("scan"), file});
    QCOMPARE(r.code, 2);
    QVERIFY(r.err.contains(QStringLiteral("--device: test:0, test:1")));
    QVERIFY(!QFileInfo::exists(file));

    r = cli({QStringLiteral("scan"), QStringLiteral("--device"), QStringLiteral("test:1"), file});
    QCOMPARE(r.code, 0);
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray jpeg = written.readAll();
    QVERIFY(jpeg.size() > 0 && jpeg.size() <= ItemPhoto::kMaxBytes);
    QVERIFY(jpeg.startsWith("\xff\xd8"));
    QCOMPARE(QImage::fromData(jpeg).size(), QSize(314, 393));
    QCOMPARE(r.err, QStringLiteral("%1: 314 x 393 pixel, %2 byte\n").arg(file).arg(jpeg.size()));

    r = cli({QStringLiteral("scan"), QStringLiteral("--device"), QStringLiteral("test:9"), file});
    QCOMPARE(r.code, 1);
    QVERIFY(r.err.startsWith(
        QStringLiteral("quarzil-cli: impossibile acquisire l'immagine da test:9: ")));

    saneDevices(0);
    r = cli({QStringLiteral("scan"), file});
    QCOMPARE(r.code, 1);
    QCOMPARE(r.err, QStringLiteral("quarzil-cli: nessuno scanner o fotocamera trovato.\n"));
    r = cli({QStringLiteral("scan")});
    QCOMPARE(r.code, 2);
}

void tst_DevicesCli::reader() {
    saneDevices(0);
    // Without a serial reader in the profile (and without a profile at all, never created).
    Run r = cli({QStringLiteral("reader"), QStringLiteral("--count"), QStringLiteral("1")});
    QCOMPARE(r.code, 1);
    QVERIFY(r.err.contains(QStringLiteral("nessun lettore su porta seriale")));
    QVERIFY(!QFileInfo::exists(config() + QStringLiteral("/Norvisk/Quarzil.ini")));

    const QString readerEnd = m_dir.filePath(QStringLiteral("reader"));
    const QString scannerEnd = m_dir.filePath(QStringLiteral("scanner"));
    QProcess socat;
    socat.start(QStringLiteral("socat"),
                {QStringLiteral("pty,link=%1,raw,echo=0").arg(readerEnd),
                 QStringLiteral("pty,link=%1,raw,echo=0").arg(scannerEnd)});
    QVERIFY(socat.waitForStarted());
    QTRY_VERIFY(QFileInfo::exists(readerEnd) && QFileInfo::exists(scannerEnd));
    {
        QSettings profile(config() + QStringLiteral("/Norvisk/Quarzil.ini"), QSettings::IniFormat);
        profile.setValue(QStringLiteral("Hardware/LettPort"), readerEnd);
        profile.setValue(QStringLiteral("Hardware/LettBaud"), 19200);
    }
    auto p = Start({QStringLiteral("reader"), QStringLiteral("--count"), QStringLiteral("2"),
                    QStringLiteral("--timeout"), QStringLiteral("20")},
                   sane(), config());
    QVERIFY(p->waitForStarted());
    // Wait for the "listening" line before the reader sends.
    QByteArray err;
    QTRY_VERIFY((err += p->readAllStandardError()).contains("In ascolto"));
    QCOMPARE(QString::fromUtf8(err).trimmed(),
             QStringLiteral("In ascolto: %1, 19200 bit/s, 8 N 1").arg(readerEnd));
    {
        QFile end(scannerEnd);
        QVERIFY(end.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        end.write("\x02"
                  "8001234567890\x03"
                  "ABC\r");
    }
    r = Finish(*p);
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, QStringLiteral("8001234567890\nABC\n"));

    // Fewer codes than asked for before the time is up.
    r = cli({QStringLiteral("reader"), QStringLiteral("--count"), QStringLiteral("1"),
             QStringLiteral("--timeout"), QStringLiteral("0.3")});
    QCOMPARE(r.code, 1);
    QVERIFY(r.err.contains(QStringLiteral("letti 0 codici su 1.")));

    socat.terminate();
    socat.waitForFinished();
    r = cli({QStringLiteral("reader"), QStringLiteral("--port"),
             m_dir.filePath(QStringLiteral("none"))});
    QCOMPARE(r.code, 1);
    QVERIFY(r.err.startsWith(QStringLiteral("quarzil-cli: impossibile aprire la porta %1: ")
                                 .arg(m_dir.filePath(QStringLiteral("none")))));
}

QTEST_MAIN(tst_DevicesCli)
#include "tst_DevicesCli.moc"
