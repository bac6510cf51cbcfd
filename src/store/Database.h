#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QVariantList>

class QSqlQuery;

// The program's connection to its archive: the embedded SQLite file or a PostgreSQL catalog.
// The application owns one; worker threads open a clone of their own.
class Database {
public:
    enum class Backend { None, SQLite, PostgreSQL };

    explicit Database(const QString& connectionName = QStringLiteral("quarzil_main"));
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens the archive a connection string names and checks that it holds this program's tables.
    // Never creates a file; on failure the connection stays closed and errorText() tells why.
    bool open(const QString& connectionString);
    // Opens without the table check: for creating a new archive or catalog.
    bool openRaw(const QString& connectionString);
    void close();
    bool isOpen() const;

    Backend backend() const { return m_backend; }
    bool isPostgres() const { return m_backend == Backend::PostgreSQL; }
    const QString& connectionString() const { return m_connectionString; }
    QSqlDatabase handle() const;
    QString connectionName() const { return m_name; }

    // Runs a statement that returns no rows; values are bound to its '?' placeholders in order.
    bool execute(const QString& sql, const QVariantList& values = {});
    // Prepares and runs a query; the caller walks it. False on failure (errorText() tells).
    bool query(QSqlQuery& query, const QString& sql, const QVariantList& values = {});

    // One transaction at most; see TransactionGuard for the nesting rule.
    bool beginTransaction();
    bool commit();
    bool rollback();
    bool inTransaction() const { return m_inTransaction; }

    QSqlError lastError() const { return m_lastError; }
    QString errorText() const;
    void setError(const QSqlError& error) { m_lastError = error; }

    // A second connection to the same archive, for a worker thread. Call from that thread.
    bool openClone(const Database& source);

    // True when the three probe queries of this program's tables all run.
    bool hasQuarzilSchema();

private:
    bool openConnection(const QString& connectionString, bool checkSchema);
    // The collation and LIKE of SqliteFunctions, on this connection.
    bool registerSqliteFunctions();

    QString m_name;
    QString m_connectionString;
    Backend m_backend = Backend::None;
    bool m_inTransaction = false;
    // Whether this object added its named connection (so close() never removes another's).
    bool m_added = false;
    QSqlError m_lastError;
};
