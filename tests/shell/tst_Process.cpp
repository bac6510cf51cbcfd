// label: process
#include "TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <functional>

namespace {

const QString kSingleInstance =
    QStringLiteral("Per motivi di sincronizzazione dati una sola istanza, "
                   "per computer, dell'applicazione può essere avviata!");
// Start-up takes well under a second here; a loaded CI machine gets room.
constexpr int kStartTimeoutMs = 30000;

// A user of the real program: home, profile, data and runtime folders of its own, no machine
// settings, its own single-instance name, and every prompt answered on stderr.
class Home {
public:
    Home() {
        QDir().mkpath(path(QStringLiteral("config")));
        QDir().mkpath(path(QStringLiteral("data")));
        QDir().mkpath(path(QStringLiteral("cache")));
        QDir().mkpath(path(QStringLiteral("runtime")));
        QFile::setPermissions(path(QStringLiteral("runtime")), QFileDevice::ReadOwner |
                                                                   QFileDevice::WriteOwner |
                                                                   QFileDevice::ExeOwner);
    }

    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString iniFile() const { return path(QStringLiteral("config/Norvisk/Quarzil.ini")); }
    QString dataFolder() const { return path(QStringLiteral("data/Norvisk/Quarzil")); }
    QString archive() const { return dataFolder() + QStringLiteral("/Quarzil.db"); }

    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QUARZIL_NONINTERACTIVE"), QStringLiteral("1"));
        env.insert(QStringLiteral("HOME"), m_dir.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), path(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), path(QStringLiteral("cache")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), path(QStringLiteral("runtime")));
        env.insert(QStringLiteral("QUARZIL_MACHINE_CONFIG"),
                   path(QStringLiteral("no-machine.ini")));
        env.insert(QStringLiteral("QUARZIL_INSTANCE_NAME"), m_instance);
        return env;
    }

    // A fresh reader each time: the program writes the file from another process.
    QVariant ini(const QString& key) const {
        return QSettings(iniFile(), QSettings::IniFormat).value(key);
    }
    QStringList logKeys() const {
        QSettings s(iniFile(), QSettings::IniFormat);
        s.beginGroup(QStringLiteral("Log"));
        return s.allKeys();
    }
    void setIni(const QString& key, const QVariant& value) const {
        QDir().mkpath(QFileInfo(iniFile()).absolutePath());
        QSettings(iniFile(), QSettings::IniFormat).setValue(key, value);
    }

    bool placeArchive(int version = 20) const {
        QDir().mkpath(dataFolder());
        if (!QFile::copy(TestSupport::TemplateFile(), archive()))
            return false;
        QFile::setPermissions(archive(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (version == 20)
            return true;
        const QString name = TestSupport::UniqueName(QStringLiteral("proc_"));
        bool ok = false;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(archive());
            ok = db.open() &&
                 QSqlQuery(db).exec(
                     QStringLiteral("UPDATE Informazioni SET Versione = %1").arg(version));
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
        return ok;
    }

private:
    QTemporaryDir m_dir;
    QString m_instance = TestSupport::UniqueName(QStringLiteral("qz_process_"));
};

// One run of the real binary, with its stderr kept for the checks and for failure messages.
class Run {
public:
    enum class Prompts { Stderr, OnScreen };
    enum class FileModes { AsTheTestRuns, AsAUser };
    explicit Run(const Home& home, Prompts prompts = Prompts::Stderr,
                 FileModes modes = FileModes::AsTheTestRuns) {
        QProcessEnvironment env = home.environment();
        if (prompts == Prompts::OnScreen)
            env.remove(QStringLiteral("QUARZIL_NONINTERACTIVE"));
        if (modes == FileModes::AsAUser)
            m_process.setChildProcessModifier(&TestSupport::EnforceFileModesInChild);
        m_process.setProcessEnvironment(env);
        m_process.setWorkingDirectory(home.path(QString()));
        m_process.start(TestSupport::BinaryPath(), {});
    }
    ~Run() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    QProcess& process() { return m_process; }
    bool running() const { return m_process.state() == QProcess::Running; }
    QString stderrText() {
        m_stderr += m_process.readAllStandardError();
        return QString::fromLocal8Bit(m_stderr);
    }

    // Polls until the condition holds; false when it times out or the program ended first.
    bool waitUntil(const std::function<bool()>& condition, int timeoutMs = kStartTimeoutMs) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            if (condition())
                return true;
            if (m_process.state() == QProcess::NotRunning)
                return condition();
            QTest::qWait(10);
        }
        return false;
    }

    bool finish(int timeoutMs = kStartTimeoutMs) {
        const bool ok = m_process.waitForFinished(timeoutMs);
        stderrText();
        return ok;
    }

private:
    QProcess m_process;
    QByteArray m_stderr;
};

// The program is up when it has written its start-up time.
bool waitForStart(Run& run, const Home& home) {
    return run.waitUntil([&] { return home.ini(QStringLiteral("Application/Speed")).isValid(); });
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

QStringList companions(const QString& archive) {
    QStringList found;
    for (const char* suffix : {"-wal", "-shm", "-journal"})
        if (QFile::exists(archive + QLatin1String(suffix)))
            found << archive + QLatin1String(suffix);
    return found;
}

int archiveVersion(const QString& file) {
    const QString name = TestSupport::UniqueName(QStringLiteral("proc_"));
    int version = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("SELECT Versione FROM Informazioni")) && q.next())
                version = q.value(0).toInt();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return version;
}

} // namespace

class tst_Process : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void singleInstance();
    void signalEndsRegularly_data();
    void signalEndsRegularly();
    void refusedStart_data();
    void refusedStart();
    void readOnlyArchive();
    void signalWhileTheServerDoesNotAnswer();
    void releaseNotesNeverBlock();
    void signalDuringCompanyWizard();
    void crashDuringStartupIsLogged();
};

void tst_Process::initTestCase() {
    QVERIFY2(QFileInfo(TestSupport::BinaryPath()).isExecutable(),
             qPrintable(TestSupport::BinaryPath()));
    QVERIFY2(QFile::exists(TestSupport::TemplateFile()), qPrintable(TestSupport::TemplateFile()));
}

void tst_Process::singleInstance() {
    Home home;
    Run first(home);
    QVERIFY2(waitForStart(first, home), qPrintable(first.stderrText()));
    QCOMPARE(home.ini(QStringLiteral("Application/CloseUnregular")).toInt(), 1);
    QFile profile(home.iniFile());
    QVERIFY(profile.open(QIODevice::ReadOnly));
    const QByteArray before = profile.readAll();
    profile.close();

    Run second(home);
    QVERIFY(second.finish());
    QCOMPARE(second.process().exitStatus(), QProcess::NormalExit);
    QVERIFY(second.process().exitCode() != 0);
    QVERIFY2(second.stderrText().contains(
                 QStringLiteral("quarzil: error: %1 [OK]").arg(kSingleInstance)),
             qPrintable(second.stderrText()));
    QVERIFY(first.running());
    QVERIFY(profile.open(QIODevice::ReadOnly));
    QCOMPARE(profile.readAll(), before);
    profile.close();

    first.process().terminate();
    QVERIFY(first.finish());
    QCOMPARE(first.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(first.process().exitCode(), 0);
    QCOMPARE(home.ini(QStringLiteral("Application/CloseUnregular")).toInt(), 0);
    QVERIFY2(home.logKeys().isEmpty(), qPrintable(home.logKeys().join(u',')));
    // The first run laid the template down as the user's archive.
    QCOMPARE(archiveVersion(home.archive()), 20);
}

void tst_Process::signalEndsRegularly_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
}

void tst_Process::signalEndsRegularly() {
    QFETCH(int, signal);
    Home home;
    Run run(home);
    QVERIFY2(waitForStart(run, home), qPrintable(run.stderrText()));
    QCOMPARE(::kill(pid_t(run.process().processId()), signal), 0);
    QVERIFY(run.finish());
    QCOMPARE(run.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.process().exitCode(), 0);
    QCOMPARE(home.ini(QStringLiteral("Application/CloseUnregular")).toInt(), 0);
    QVERIFY(home.logKeys().isEmpty());
}

void tst_Process::refusedStart_data() {
    QTest::addColumn<int>("version");
    QTest::addColumn<QString>("line");
    QTest::newRow("older archive")
        << 19
        << QStringLiteral(
               "quarzil: error: Errore nell'aggiornare il database alla versione attuale "
               "del programma, impossibile continuare! [OK]");
    // Nobody is there to say no: the default answer ends the start-up.
    QTest::newRow("newer archive")
        << 21
        << QStringLiteral("quarzil: question: L'archivio dati è di una versione più recente e per "
                          "questo occorre aggiornare il programma, continuare? [Yes]");
}

void tst_Process::refusedStart() {
    QFETCH(int, version);
    QFETCH(QString, line);
    Home home;
    QVERIFY(home.placeArchive(version));
    const QByteArray bytes = fileBytes(home.archive());
    Run run(home);
    QVERIFY(run.finish());
    QCOMPARE(run.process().exitStatus(), QProcess::NormalExit);
    QVERIFY(run.process().exitCode() != 0);
    QVERIFY2(run.stderrText().contains(line), qPrintable(run.stderrText()));
    QCOMPARE(home.ini(QStringLiteral("Application/CloseUnregular")).toInt(), 0);
    QVERIFY(home.logKeys().isEmpty());
    QVERIFY(!home.ini(QStringLiteral("Application/Speed")).isValid());
    // A refused archive is left exactly as it was found.
    QVERIFY(fileBytes(home.archive()) == bytes);
    QCOMPARE(companions(home.archive()), QStringList());
}

void tst_Process::readOnlyArchive() {
    Home home;
    QVERIFY(home.placeArchive());
    QVERIFY(QFile::setPermissions(home.archive(), QFileDevice::ReadOwner));
    const QByteArray bytes = fileBytes(home.archive());
    Run run(home, Run::Prompts::Stderr, Run::FileModes::AsAUser);
    QVERIFY(run.finish());
    QCOMPARE(run.process().exitStatus(), QProcess::NormalExit);
    QVERIFY2(run.process().exitCode() == 1, qPrintable(run.stderrText()));
    const QString line = QStringLiteral("quarzil: error: Impossibile aprire l'archivio dei dati!\n"
                                        "%1: il file è in sola lettura: i dati non si potrebbero "
                                        "salvare [OK]")
                             .arg(home.archive());
    QVERIFY2(run.stderrText().contains(line), qPrintable(run.stderrText()));
    QCOMPARE(companions(home.archive()), QStringList());
    QVERIFY(fileBytes(home.archive()) == bytes);
    QCOMPARE(home.ini(QStringLiteral("Application/CloseUnregular")).toInt(), 0);
    QVERIFY(home.logKeys().isEmpty());
}

// A logout while the start-up waits for a server that accepts the connection and never
// answers: the program ends regularly, without going on to open another archive.
void tst_Process::signalWhileTheServerDoesNotAnswer() {
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    Home home;
    QVERIFY(home.placeArchive());
    home.setIni(QStringLiteral("Settings/MyConnection"),
                QStringLiteral("Provider=QPSQL;Data Source=127.0.0.1:%1;Initial Catalog=ditta;"
                               "User ID=mario;Password=x")
                    .arg(silent.serverPort()));
    const QByteArray bytes = fileBytes(home.archive());
    Run run(home);
    QVERIFY2(run.waitUntil([&] {
        return home.ini(QStringLiteral("Log/ConnectDatabase")).toString() ==
               QLatin1String("Inizio apertura 1");
    }),
             qPrintable(run.stderrText()));
    QTest::qWait(300);
    QVERIFY(run.running());
    QCOMPARE(::kill(pid_t(run.process().processId()), SIGTERM), 0);
    QVERIFY(run.finish());
    QCOMPARE(run.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.process().exitCode(), 0);
    QCOMPARE(home.ini(QStringLiteral("Application/CloseUnregular")).toInt(), 0);
    QVERIFY2(home.logKeys().isEmpty(), qPrintable(home.logKeys().join(u',')));
    QVERIFY(!home.ini(QStringLiteral("Application/Speed")).isValid());
    // It stopped where it was: no word about another archive, the local one untouched.
    QVERIFY2(run.stderrText().isEmpty(), qPrintable(run.stderrText()));
    QVERIFY(!home.ini(QStringLiteral("Settings/Connection")).isValid());
    QVERIFY(fileBytes(home.archive()) == bytes);
}

void tst_Process::releaseNotesNeverBlock() {
    // An update from an older version would show the notes; with nobody at the screen the
    // program must not wait for a click.
    Home home;
    home.setIni(QStringLiteral("Settings/LastVerRelNotes"), 200);
    Run run(home);
    QVERIFY2(waitForStart(run, home), qPrintable(run.stderrText()));
    QCOMPARE(home.ini(QStringLiteral("Settings/LastVerRelNotes")).toInt(), 320);
    run.process().terminate();
    QVERIFY(run.finish());
    QCOMPARE(run.process().exitCode(), 0);
}

// A logout while the first-run wizard is still open must end the program through its regular
// exit, not leave it running with no window or end it as a crash.
void tst_Process::signalDuringCompanyWizard() {
    Home home;
    Run run(home, Run::Prompts::OnScreen);
    QVERIFY2(run.waitUntil([&] {
        return home.ini(QStringLiteral("Log/Avvio")).toString() ==
                   QStringLiteral("Procedura guidata dati aziendali") &&
               run.running();
    }),
             qPrintable(run.stderrText()));
    QCOMPARE(::kill(pid_t(run.process().processId()), SIGTERM), 0);
    QVERIFY(run.finish());
    QCOMPARE(run.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.process().exitCode(), 0);
    QCOMPARE(home.ini(QStringLiteral("Application/CloseUnregular")).toInt(), 0);
    QVERIFY(home.logKeys().isEmpty());
    // Nothing of the unfinished wizard is kept, not even the formats it proposed.
    QVERIFY(home.ini(QStringLiteral("Azienda/RagSoc")).toString().isEmpty());
    QVERIFY(!home.ini(QStringLiteral("Azienda/NDecVal")).isValid());
}

void tst_Process::crashDuringStartupIsLogged() {
    Home home;
    QVERIFY(home.placeArchive());

    // Hold the archive locked: the template is in rollback-journal mode, so an exclusive
    // transaction keeps every other connection out and the program waits at its third attempt.
    const QString lockName = TestSupport::UniqueName(QStringLiteral("lock_"));
    {
        QSqlDatabase lock = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), lockName);
        lock.setDatabaseName(home.archive());
        QVERIFY(lock.open());
        QSqlQuery q(lock);
        QVERIFY(q.exec(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE")));
        QVERIFY(q.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    }

    const QString step = QStringLiteral("Inizio apertura 3");
    {
        Run run(home);
        QVERIFY2(run.waitUntil([&] {
            return home.ini(QStringLiteral("Log/ConnectDatabase")).toString() == step;
        }),
                 qPrintable(run.stderrText()));
        // Still there a moment later: the program is waiting on the lock, not passing by.
        QTest::qWait(200);
        QVERIFY(run.running());
        QCOMPARE(home.ini(QStringLiteral("Log/ConnectDatabase")).toString(), step);
        run.process().kill();
        QVERIFY(run.finish());
        QCOMPARE(run.process().exitStatus(), QProcess::CrashExit);
    }
    QCOMPARE(home.ini(QStringLiteral("Application/CloseUnregular")).toInt(), 1);
    QCOMPARE(home.ini(QStringLiteral("Log/Avvio")).toString(),
             QStringLiteral("Scrittura valori completato"));
    QCOMPARE(home.ini(QStringLiteral("Log/ConnectDatabase")).toString(), step);

    {
        QSqlDatabase lock = QSqlDatabase::database(lockName);
        QSqlQuery(lock).exec(QStringLiteral("ROLLBACK"));
        lock.close();
    }
    QSqlDatabase::removeDatabase(lockName);

    // The next start comes up; with no report wired in yet, its good start empties the log.
    Run again(home);
    QVERIFY2(waitForStart(again, home), qPrintable(again.stderrText()));
    QVERIFY2(home.logKeys().isEmpty(), qPrintable(home.logKeys().join(u',')));
    QCOMPARE(home.ini(QStringLiteral("Application/CloseUnregular")).toInt(), 1);
    again.process().terminate();
    QVERIFY(again.finish());
    QCOMPARE(again.process().exitCode(), 0);
    QCOMPARE(home.ini(QStringLiteral("Application/CloseUnregular")).toInt(), 0);
}

QTEST_MAIN(tst_Process)
#include "tst_Process.moc"
