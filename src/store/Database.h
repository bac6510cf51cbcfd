#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QVariantList>
#include <map>
#include <memory>

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

    // Opens the archive a connection string names, checks that it holds this program's tables
    // and prepares it for use. Never creates a file; a file the program could not write to is
    // refused. On failure the connection stays closed and errorText() tells why.
    bool open(const QString& connectionString);
    // The same checks, but the archive is left exactly as it was found, for one whose version
    // is not known to be usable yet; prepareForUse() completes the opening.
    bool openToInspect(const QString& connectionString);
    // Switches an SQLite archive to write-ahead logging (stored in the file itself), so that
    // worker threads can read while this connection writes. Closes the connection on failure.
    bool prepareForUse();
    // Opens without the table check: for creating a new archive or catalog.
    bool openRaw(const QString& connectionString);
    void close();
    bool isOpen() const;

    Backend backend() const { return m_backend; }
    bool isPostgres() const { return m_backend == Backend::PostgreSQL; }
    const QString& connectionString() const { return m_connectionString; }
    QSqlDatabase handle() const;
    QString connectionName() const { return m_name; }

    // The form in which a value travels to the back end: texts without U+0000 and without
    // unpaired surrogates, which PostgreSQL cannot take (and SQLite would change); dates as the
    // local wall clock with no zone, so that what is read is what was written whatever zone the
    // server's session is in. Every bound value passes through it.
    QVariant bindable(const QVariant& value) const;

    // Runs a statement that returns no rows; values are bound to its '?' placeholders in order.
    bool execute(const QString& sql, const QVariantList& values = {});
    // Prepares and runs a query; the caller walks it. False on failure (errorText() tells).
    bool query(QSqlQuery& query, const QString& sql, const QVariantList& values = {});

    // Runs a statement prepared once on this connection and kept until it closes: for one run
    // again and again, item after item, where preparing it each time would cost round trips
    // and, on a server, planning. The caller walks the result and finish()es it before the same
    // text runs again; nothing else may use it meanwhile. Null on failure (errorText() tells).
    QSqlQuery* queryPrepared(const QString& sql, const QVariantList& values);

    // One transaction at most; see TransactionGuard for the nesting rule.
    bool beginTransaction();
    bool commit();
    bool rollback();
    bool inTransaction() const { return m_inTransaction; }

    QSqlError lastError() const { return m_lastError; }
    QString errorText() const;
    void setError(const QSqlError& error);

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
    // queryPrepared's statements, by text; gone before the connection closes.
    std::map<QString, std::unique_ptr<QSqlQuery>> m_prepared;
};
