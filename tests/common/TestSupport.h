#pragma once

#include "store/Database.h"

#include <QString>
#include <QTemporaryDir>
#include <map>
#include <memory>

namespace TestSupport {

// The template database the build generated.
QString TemplateFile();
QString BuildDir();
QString BinaryPath();

// Copies the template to a fresh file in dir and returns its path.
QString CopyTemplate(const QTemporaryDir& dir, const QString& name = QStringLiteral("Quarzil.db"));

// The throwaway PostgreSQL server's connection string (QUARZIL_TEST_PG). Fails the calling test
// when it is not set: a missing server is a failure, not a skip.
QString PostgresServer();

// A PostgreSQL catalog made from the schema source for one test, dropped when destroyed.
class PostgresCatalog {
public:
    PostgresCatalog();
    ~PostgresCatalog();
    bool isValid() const { return m_ok; }
    QString error() const { return m_error; }
    QString name() const { return m_name; }
    QString connectionString() const;

private:
    QString m_server;
    QString m_name;
    QString m_error;
    bool m_ok = false;
};

// Both back ends as data rows for a data-driven test: "sqlite" and "postgres".
void AddBackendRows();

// Opens an empty archive on the back end a data row names; keeps what it made alive.
class Archive {
public:
    explicit Archive(const QString& backend);
    bool isOpen() const { return m_db && m_db->isOpen(); }
    Database& db() { return *m_db; }
    QString connectionString() const { return m_connection; }
    QString error() const { return m_error; }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<PostgresCatalog> m_catalog;
    std::unique_ptr<Database> m_db;
    QString m_connection;
    QString m_error;
};

// One archive per back end, opened on first use and kept for a whole test case.
class ArchivePool {
public:
    // Null when the archive could not be made; error() tells why.
    Database* get(const QString& backend);
    QByteArray error(const QString& backend) const;
    QString connectionString(const QString& backend) const;
    void clear() { m_archives.clear(); }

private:
    std::map<QString, std::unique_ptr<Archive>> m_archives;
};

QString UniqueName(const QString& prefix);

// How the back end would run a statement (without parameters), one line per step: SQLite's
// EXPLAIN QUERY PLAN details, PostgreSQL's EXPLAIN with scans and sorts made unattractive.
QString QueryPlan(Database& db, const QString& sql);

} // namespace TestSupport

// In a test over AddBackendRows(): fetches the row's back end and its archive from the pool, and
// fails the test when the archive could not be made.
#define QUARZIL_FETCH_ARCHIVE(pool, db)                                                            \
    QFETCH(QString, backend);                                                                      \
    Database* db = (pool).get(backend);                                                            \
    QVERIFY2(db, (pool).error(backend))
