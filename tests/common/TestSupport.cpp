#include "TestSupport.h"

#include "store/ArchiveCreator.h"
#include "store/ConnectionString.h"

#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace TestSupport {

QString BuildDir() {
    // CTest names the folder; a test run by hand, from wherever, falls back on the folder the
    // build wrote the program and its template to.
    const QString dir = qEnvironmentVariable("QUARZIL_BUILD_DIR");
    return dir.isEmpty() ? QStringLiteral(QUARZIL_DEFAULT_BUILD_DIR) : dir;
}

QString TemplateFile() {
    return BuildDir() + QStringLiteral("/Database/Quarzil.db");
}

QString BinaryPath() {
    const QString path = qEnvironmentVariable("QUARZIL_BINARY");
    return path.isEmpty() ? BuildDir() + QStringLiteral("/quarzil") : path;
}

QString CopyTemplate(const QTemporaryDir& dir, const QString& name) {
    const QString target = dir.filePath(name);
    QFile::remove(target);
    if (!QFile::copy(TemplateFile(), target))
        return QString();
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return target;
}

QString UniqueName(const QString& prefix) {
    return prefix + QUuid::createUuid().toString(QUuid::Id128).left(12);
}

QString CliPath() {
    const QString path = qEnvironmentVariable("QUARZIL_CLI");
    return path.isEmpty() ? BuildDir() + QStringLiteral("/quarzil-cli") : path;
}

namespace {
constexpr __u32 kFileModeOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

struct Capabilities {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    bool read() { return ::syscall(SYS_capget, &header, data) == 0; }
    bool write() { return ::syscall(SYS_capset, &header, data) == 0; }
};
} // namespace

FileModesEnforced::FileModesEnforced() {
    if (::geteuid() != 0) {
        m_ok = true;
        return;
    }
    Capabilities caps;
    if (!caps.read())
        return;
    if ((caps.data[0].effective & kFileModeOverrides) == 0) {
        m_ok = true;
        return;
    }
    caps.data[0].effective &= ~kFileModeOverrides;
    m_ok = m_dropped = caps.write();
}

FileModesEnforced::~FileModesEnforced() {
    if (!m_dropped)
        return;
    Capabilities caps;
    if (caps.read()) {
        caps.data[0].effective |= caps.data[0].permitted & kFileModeOverrides;
        caps.write();
    }
}

void EnforceFileModesInChild() {
    // Runs between fork and exec: system calls only.
    if (::geteuid() != 0)
        return;
    Capabilities caps;
    bool ok = caps.read();
    if (ok) {
        // A root program gets the bounding set at exec, plus what it inherits.
        caps.data[0].inheritable &= ~kFileModeOverrides;
        ok = caps.write() && ::prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0) == 0 &&
             ::prctl(PR_CAPBSET_DROP, CAP_DAC_READ_SEARCH, 0, 0, 0) == 0;
    }
    if (!ok) {
        static const char text[] = "cannot drop the file-mode capabilities\n";
        [[maybe_unused]] const ssize_t n = ::write(2, text, sizeof text - 1);
        ::_exit(126);
    }
}

QString DecodeBarcodes(const QImage& picture, QString* error) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("symbol.png"));
    // On white, as a label or a screen shows it.
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, picture);
    }
    if (!flat.save(file)) {
        *error = QStringLiteral("cannot write %1").arg(file);
        return QString();
    }
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("-q"), file});
    if (!zbar.waitForFinished(30000) || zbar.exitStatus() != QProcess::NormalExit) {
        *error = QStringLiteral("zbarimg did not run (tools/deps.sh installs zbar-tools): %1")
                     .arg(zbar.errorString());
        return QString();
    }
    // 4 is "nothing found"; anything else but 0 is a failure of the tool itself.
    if (zbar.exitCode() != 0 && zbar.exitCode() != 4) {
        *error = QString::fromLocal8Bit(zbar.readAllStandardError());
        return QString();
    }
    return QString::fromUtf8(zbar.readAllStandardOutput()).trimmed();
}

QString PostgresServer() {
    return qEnvironmentVariable("QUARZIL_TEST_PG");
}

PostgresCatalog::PostgresCatalog()
    : m_server(PostgresServer()), m_name(UniqueName(QStringLiteral("qz_"))) {
    if (m_server.isEmpty()) {
        m_error =
            QStringLiteral("QUARZIL_TEST_PG is not set: run the tests through tools/pgtest.sh");
        return;
    }
    m_ok = ArchiveCreator::CreatePostgresCatalog(m_server, m_name, &m_error);
}

PostgresCatalog::~PostgresCatalog() {
    if (m_ok) {
        QString ignored;
        ArchiveCreator::DropPostgresCatalog(m_server, m_name, &ignored);
    }
}

QString PostgresCatalog::connectionString() const {
    return ConnectionString::ForPostgres(
        ConnectionString::Value(m_server, QStringLiteral("Data Source")), m_name,
        ConnectionString::Value(m_server, QStringLiteral("User ID")),
        ConnectionString::Value(m_server, QStringLiteral("Password")));
}

void AddBackendRows() {
    QTest::addColumn<QString>("backend");
    QTest::newRow("sqlite") << QStringLiteral("sqlite");
    QTest::newRow("postgres") << QStringLiteral("postgres");
}

Archive::Archive(const QString& backend) {
    if (backend == QLatin1String("postgres")) {
        m_catalog = std::make_unique<PostgresCatalog>();
        if (!m_catalog->isValid()) {
            m_error = m_catalog->error();
            return;
        }
        m_connection = m_catalog->connectionString();
    } else {
        m_dir = std::make_unique<QTemporaryDir>();
        const QString file = CopyTemplate(*m_dir);
        if (file.isEmpty()) {
            m_error = QStringLiteral("cannot copy the template %1").arg(TemplateFile());
            return;
        }
        m_connection = ConnectionString::ForSqlite(file);
    }
    m_db = std::make_unique<Database>(UniqueName(QStringLiteral("test_")));
    if (!m_db->open(m_connection))
        m_error = m_db->errorText();
}

Database* ArchivePool::get(const QString& backend) {
    auto& a = m_archives[backend];
    if (!a)
        a = std::make_unique<Archive>(backend);
    return a->isOpen() ? &a->db() : nullptr;
}

QByteArray ArchivePool::error(const QString& backend) const {
    const auto it = m_archives.find(backend);
    return it == m_archives.end() ? QByteArray() : it->second->error().toLocal8Bit();
}

QString ArchivePool::connectionString(const QString& backend) const {
    const auto it = m_archives.find(backend);
    return it == m_archives.end() ? QString() : it->second->connectionString();
}

QString QueryPlan(Database& db, const QString& sql) {
    // PostgreSQL is told to avoid a scan and a sort wherever it can: on a test's few rows it
    // would rather sort than read an index.
    const bool pg = db.isPostgres();
    if (pg && !db.execute(QStringLiteral("SET enable_seqscan = off")))
        return db.errorText();
    if (pg && !db.execute(QStringLiteral("SET enable_sort = off")))
        return db.errorText();
    QStringList lines;
    // Not prepared: PostgreSQL prepares no EXPLAIN.
    QSqlQuery q(db.handle());
    if (q.exec((pg ? QStringLiteral("EXPLAIN ") : QStringLiteral("EXPLAIN QUERY PLAN ")) + sql))
        while (q.next())
            lines << q.value(pg ? 0 : 3).toString();
    else
        lines << q.lastError().text();
    if (pg) {
        db.execute(QStringLiteral("RESET enable_seqscan"));
        db.execute(QStringLiteral("RESET enable_sort"));
    }
    return lines.join(u'\n');
}

} // namespace TestSupport
