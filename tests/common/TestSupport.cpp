#include "TestSupport.h"

#include "store/ArchiveCreator.h"
#include "store/ConnectionString.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTest>
#include <QUuid>

namespace TestSupport {

QString BuildDir() {
    const QString dir = qEnvironmentVariable("QUARZIL_BUILD_DIR");
    return dir.isEmpty() ? QStringLiteral(".") : dir;
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
