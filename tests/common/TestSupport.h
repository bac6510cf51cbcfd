#pragma once

#include "store/Database.h"

#include <QImage>
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

// The command line (quarzil-cli), which also builds archives and catalogs.
QString CliPath();

// While one lives, the calling thread meets file modes as an ordinary user does. Tests run as
// root in CI, and root reads and writes any file: this drops the two capabilities that allow it
// (from the thread's effective set only, so they come back afterwards). For an ordinary user it
// changes nothing.
class FileModesEnforced {
public:
    FileModesEnforced();
    ~FileModesEnforced();
    FileModesEnforced(const FileModesEnforced&) = delete;
    FileModesEnforced& operator=(const FileModesEnforced&) = delete;
    bool isValid() const { return m_ok; }

private:
    bool m_ok = false;
    bool m_dropped = false;
};

// The same for a program a test starts: give it to QProcess::setChildProcessModifier. A root
// child loses the capabilities for good before it runs the program; if it cannot, it ends with
// exit code 126 and says why on stderr.
void EnforceFileModesInChild();
// What a barcode reader makes of a picture: zbarimg's "TYPE:data" lines ("CODE-39:ABC"), empty
// when it finds no symbol. *error is set when zbarimg (zbar-tools) cannot be run.
QString DecodeBarcodes(const QImage& picture, QString* error);

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
