#include "store/Database.h"

#include "store/ConnectionString.h"
#include "store/SqliteFunctions.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTimeZone>
#include <QUrl>

namespace {
// How long an SQLite statement waits for another connection's lock before it fails.
constexpr int kBusyTimeoutMs = 5000;
constexpr int kConnectTimeoutSeconds = 10;

QSqlError connectionError(const QString& text) {
    return QSqlError(QString(), text, QSqlError::ConnectionError);
}
} // namespace

Database::Database(const QString& connectionName) : m_name(connectionName) {}

Database::~Database() {
    close();
}

QSqlDatabase Database::handle() const {
    return QSqlDatabase::database(m_name, false);
}

bool Database::isOpen() const {
    return m_backend != Backend::None && QSqlDatabase::contains(m_name) && handle().isOpen();
}

bool Database::open(const QString& connectionString) {
    return openConnection(connectionString, true);
}

bool Database::openRaw(const QString& connectionString) {
    return openConnection(connectionString, false);
}

bool Database::openConnection(const QString& connectionString, bool checkSchema) {
    close();
    if (!ConnectionString::IsValid(connectionString)) {
        m_lastError = connectionError(QStringLiteral("Stringa di connessione non valida"));
        return false;
    }
    const QString provider = ConnectionString::Value(connectionString, QStringLiteral("Provider"));
    const QString source = ConnectionString::Value(connectionString, QStringLiteral("Data Source"));
    Backend backend = Backend::None;
    {
        QSqlDatabase db;
        if (provider == QLatin1String("QSQLITE")) {
            const QFileInfo file(source);
            // SQLite would create a missing file; an archive must already exist.
            if (source.isEmpty() || !file.isFile()) {
                m_lastError = connectionError(QStringLiteral("File non trovato: %1").arg(source));
                return false;
            }
            db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
            m_added = true;
            db.setDatabaseName(
                QUrl::fromLocalFile(file.absoluteFilePath()).toString(QUrl::FullyEncoded) +
                QStringLiteral("?mode=rw"));
            db.setConnectOptions(
                QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
            backend = Backend::SQLite;
        } else if (provider == QLatin1String("QPSQL")) {
            db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_name);
            m_added = true;
            QString host = source;
            const qsizetype colon = source.lastIndexOf(u':');
            if (colon > 0) {
                bool ok = false;
                const int port = source.mid(colon + 1).toInt(&ok);
                if (ok) {
                    host = source.left(colon);
                    db.setPort(port);
                }
            }
            db.setHostName(host);
            db.setDatabaseName(
                ConnectionString::Value(connectionString, QStringLiteral("Initial Catalog")));
            db.setUserName(ConnectionString::Value(connectionString, QStringLiteral("User ID")));
            db.setPassword(ConnectionString::Value(connectionString, QStringLiteral("Password")));
            db.setConnectOptions(QStringLiteral("connect_timeout=%1").arg(kConnectTimeoutSeconds));
            backend = Backend::PostgreSQL;
        } else {
            m_lastError =
                connectionError(QStringLiteral("Provider non supportato: %1").arg(provider));
            return false;
        }
        if (!db.open()) {
            m_lastError = db.lastError();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_name);
            m_added = false;
            return false;
        }
    }
    m_backend = backend;
    m_connectionString = connectionString;
    // The lists' collation and LIKE come before any statement that needs them.
    bool ok = m_backend != Backend::SQLite || registerSqliteFunctions();
    // Checked before anything below writes: the WAL switch is stored in the file itself, so a
    // refused file (an empty one, another program's database) would be left changed.
    ok = ok && (!checkSchema || hasQuarzilSchema());
    if (ok && m_backend == Backend::SQLite) {
        // WAL lets the items pane's worker read while this connection writes. A file that is not
        // an SQLite database fails here.
        ok = execute(QStringLiteral("PRAGMA journal_mode=WAL")) &&
             execute(QStringLiteral("PRAGMA synchronous=NORMAL"));
    } else if (ok) {
        QSqlDatabase db = handle();
        // Amounts arrive as exact decimal text instead of a double.
        db.setNumericalPrecisionPolicy(QSql::HighPrecision);
        // Timestamps travel through UTC; the session must use the zone this process reads
        // local times in, or every stored date would shift.
        ok = execute(QStringLiteral("SELECT set_config('TimeZone', ?, false)"),
                     {QString::fromUtf8(QTimeZone::systemTimeZoneId())});
        if (!ok)
            ok = execute(QStringLiteral("SELECT set_config('TimeZone', ?, false)"),
                         {QStringLiteral("UTC%1").arg(-QTimeZone::systemTimeZone().offsetFromUtc(
                                                          QDateTime::currentDateTime()) /
                                                      3600)});
    }
    if (!ok) {
        const QSqlError error = m_lastError;
        close();
        m_lastError = error;
        return false;
    }
    return true;
}

bool Database::hasQuarzilSchema() {
    // The columns these name were added last to their tables, so an older or foreign
    // archive fails one of them. No rows are needed.
    return execute(QStringLiteral("SELECT IDCliFor, Web, PartIva FROM CliFor WHERE 1 = 0")) &&
           execute(
               QStringLiteral("SELECT IDMovimento, IDUM, Qt FROM SottoMovimenti WHERE 1 = 0")) &&
           execute(QStringLiteral("SELECT IDUM, Sigla FROM UnMis WHERE 1 = 0"));
}

bool Database::registerSqliteFunctions() {
    if (SqliteFunctions::Register(handle()))
        return true;
    m_lastError = connectionError(QStringLiteral("Funzioni SQLite non registrate"));
    return false;
}

bool Database::openClone(const Database& source) {
    close();
    // Runs on the worker's thread, where the source's handle may not be touched: its name is
    // all that is looked at.
    if (source.backend() == Backend::None || !QSqlDatabase::contains(source.connectionName())) {
        m_lastError = connectionError(QStringLiteral("Connessione di origine chiusa"));
        return false;
    }
    {
        QSqlDatabase db = QSqlDatabase::cloneDatabase(source.connectionName(), m_name);
        m_added = true;
        if (!db.open()) {
            m_lastError = db.lastError();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_name);
            m_added = false;
            return false;
        }
    }
    m_backend = source.backend();
    m_connectionString = source.connectionString();
    if (m_backend == Backend::SQLite && !registerSqliteFunctions()) {
        const QSqlError error = m_lastError;
        close();
        m_lastError = error;
        return false;
    }
    if (m_backend == Backend::PostgreSQL) {
        handle().setNumericalPrecisionPolicy(QSql::HighPrecision);
        execute(QStringLiteral("SELECT set_config('TimeZone', ?, false)"),
                {QString::fromUtf8(QTimeZone::systemTimeZoneId())});
    }
    return true;
}

void Database::close() {
    if (m_added && QSqlDatabase::contains(m_name)) {
        {
            QSqlDatabase db = handle();
            if (db.isOpen()) {
                if (m_inTransaction)
                    db.rollback();
                db.close();
            }
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    m_added = false;
    m_backend = Backend::None;
    m_inTransaction = false;
}

bool Database::execute(const QString& sql, const QVariantList& values) {
    QSqlQuery q(handle());
    bool ok;
    if (values.isEmpty()) {
        ok = q.exec(sql);
    } else {
        ok = q.prepare(sql);
        if (ok) {
            for (const QVariant& v : values)
                q.addBindValue(v);
            ok = q.exec();
        }
    }
    if (!ok)
        m_lastError = q.lastError();
    return ok;
}

bool Database::query(QSqlQuery& q, const QString& sql, const QVariantList& values) {
    q = QSqlQuery(handle());
    q.setForwardOnly(true);
    bool ok = q.prepare(sql);
    if (ok) {
        for (const QVariant& v : values)
            q.addBindValue(v);
        ok = q.exec();
    }
    if (!ok)
        m_lastError = q.lastError();
    return ok;
}

bool Database::beginTransaction() {
    if (m_inTransaction || !isOpen())
        return false;
    QSqlDatabase db = handle();
    if (!db.transaction()) {
        m_lastError = db.lastError();
        return false;
    }
    m_inTransaction = true;
    return true;
}

bool Database::commit() {
    if (!m_inTransaction)
        return false;
    QSqlDatabase db = handle();
    const bool ok = db.commit();
    if (!ok) {
        m_lastError = db.lastError();
        // A failed commit leaves nothing half-done behind.
        db.rollback();
    }
    m_inTransaction = false;
    return ok;
}

bool Database::rollback() {
    if (!m_inTransaction)
        return false;
    QSqlDatabase db = handle();
    const bool ok = db.rollback();
    if (!ok)
        m_lastError = db.lastError();
    m_inTransaction = false;
    return ok;
}

QString Database::errorText() const {
    return m_lastError.text();
}
