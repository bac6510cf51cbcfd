#include "store/Database.h"

#include "store/ConnectionString.h"
#include "store/DbError.h"
#include "store/SqliteFunctions.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QUrl>
#include <cerrno>
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

namespace {
// How long an SQLite statement waits for another connection's lock before it fails.
constexpr int kBusyTimeoutMs = 5000;
constexpr int kConnectTimeoutSeconds = 10;

QSqlError connectionError(const QString& text) {
    return QSqlError(QString(), text, QSqlError::ConnectionError);
}

QString readOnlyText(const QString& file) {
    return file.isEmpty()
               ? QCoreApplication::translate(
                     "Database", "il file è in sola lettura: i dati non si potrebbero salvare")
               : QCoreApplication::translate(
                     "Database", "il file %1 è in sola lettura: i dati non si potrebbero salvare")
                     .arg(file);
}

QString ReadOnlyCatalog() {
    return QCoreApplication::translate(
        "Database", "il catalogo è in sola lettura: i dati non si potrebbero salvare");
}

// The journal files SQLite keeps beside an archive. One of them that this process cannot write
// (left by a run that had the archive read-only) makes every later write fail.
QString readOnlyCompanion(const QString& file) {
    for (const char* suffix : {"-wal", "-shm", "-journal"}) {
        const QString companion = file + QLatin1String(suffix);
        const int fd = ::open(QFile::encodeName(companion).constData(), O_RDWR | O_CLOEXEC);
        if (fd >= 0)
            ::close(fd);
        else if (errno == EACCES || errno == EPERM || errno == EROFS)
            return companion;
    }
    return QString();
}

// SQLite opens a file it may not write to read-only without a word; it says so here, before any
// statement has read the file (reading one in WAL mode creates its companions).
bool openedReadOnly(const QSqlDatabase& db) {
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return false;
    sqlite3* connection = *static_cast<sqlite3* const*>(handle.constData());
    return connection && sqlite3_db_readonly(connection, "main") == 1;
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
    return openConnection(connectionString, true) && prepareForUse();
}

bool Database::openToInspect(const QString& connectionString) {
    return openConnection(connectionString, true);
}

bool Database::prepareForUse() {
    if (m_backend != Backend::SQLite)
        return isOpen();
    // A file that is not an SQLite database fails here.
    if (execute(QStringLiteral("PRAGMA journal_mode=WAL")) &&
        execute(QStringLiteral("PRAGMA synchronous=NORMAL")))
        return true;
    const QSqlError error = m_lastError;
    close();
    m_lastError = error;
    return false;
}

bool Database::openRaw(const QString& connectionString) {
    return openConnection(connectionString, false);
}

bool Database::openConnection(const QString& connectionString, bool checkSchema) {
    close();
    if (!ConnectionString::IsValid(connectionString)) {
        m_lastError = connectionError(
            QCoreApplication::translate("Database", "Stringa di connessione non valida"));
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
                m_lastError = connectionError(
                    QCoreApplication::translate("Database", "File non trovato: %1").arg(source));
                return false;
            }
            if (const QString companion = readOnlyCompanion(file.absoluteFilePath());
                !companion.isEmpty()) {
                m_lastError = connectionError(readOnlyText(companion));
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
            m_lastError = connectionError(
                QCoreApplication::translate("Database", "Provider non supportato: %1")
                    .arg(provider));
            return false;
        }
        const bool opened = db.open();
        if (!opened || (backend == Backend::SQLite && openedReadOnly(db))) {
            m_lastError =
                opened ? connectionError(readOnlyText(QString())) : Readable(db.lastError());
            db.close();
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
    if (ok && m_backend == Backend::PostgreSQL) {
        // A standby server, or a catalog or role set to read-only, takes the connection and
        // refuses the first save.
        QSqlQuery q(handle());
        ok = q.exec(QStringLiteral("SELECT current_setting('transaction_read_only')")) && q.next();
        if (!ok)
            m_lastError = Readable(q.lastError());
        else if (q.value(0).toString() == QLatin1String("on")) {
            m_lastError = connectionError(ReadOnlyCatalog());
            ok = false;
        }
    }
    // Reads only: whatever would change the file waits for prepareForUse().
    ok = ok && (!checkSchema || hasQuarzilSchema());
    if (ok && m_backend == Backend::PostgreSQL) {
        // Amounts arrive as exact decimal text instead of a double.
        handle().setNumericalPrecisionPolicy(QSql::HighPrecision);
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
    // Columns that every version of this program's archive has had: they tell its archives
    // from other files and catalogs, not one version from another (SchemaUpgrade reads the
    // version). No rows are needed.
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
            m_lastError = Readable(db.lastError());
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
    if (m_backend == Backend::PostgreSQL)
        handle().setNumericalPrecisionPolicy(QSql::HighPrecision);
    return true;
}

void Database::close() {
    m_prepared.clear();
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

QVariant Database::bindable(const QVariant& value) const {
    if (value.isNull())
        return value;
    if (value.typeId() == QMetaType::QString) {
        QString text = value.toString();
        // Half of a character (a surrogate without its pair) is no text either: SQLite would
        // keep a replacement character and PostgreSQL a question mark.
        bool clean = true;
        for (qsizetype i = 0; i < text.size() && clean; ++i) {
            const QChar c = text.at(i);
            clean = c.unicode() != 0 && !c.isSurrogate();
            if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
                clean = true;
                ++i;
            }
        }
        if (clean)
            return value;
        QString kept;
        kept.reserve(text.size());
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
                kept += c;
                kept += text.at(++i);
            } else if (c.unicode() != 0 && !c.isSurrogate()) {
                kept += c;
            }
        }
        return kept;
    }
    if (value.typeId() == QMetaType::QDateTime) {
        QDateTime local = value.toDateTime();
        if (local.timeSpec() != Qt::LocalTime)
            local = local.toLocalTime();
        // The driver would send a date as UTC for the session to turn back into its own zone:
        // a timestamp column then holds the wall clock of the server's zone, not ours. A text
        // with no zone goes into the column as it is, and the driver reads it back as local.
        if (m_backend == Backend::PostgreSQL)
            return local.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
        return local;
    }
    return value;
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
                q.addBindValue(bindable(v));
            ok = q.exec();
        }
    }
    if (!ok)
        m_lastError = Readable(q.lastError());
    return ok;
}

bool Database::query(QSqlQuery& q, const QString& sql, const QVariantList& values) {
    q = QSqlQuery(handle());
    q.setForwardOnly(true);
    bool ok = q.prepare(sql);
    if (ok) {
        for (const QVariant& v : values)
            q.addBindValue(bindable(v));
        ok = q.exec();
    }
    if (!ok)
        m_lastError = Readable(q.lastError());
    return ok;
}

QSqlQuery* Database::queryPrepared(const QString& sql, const QVariantList& values) {
    std::unique_ptr<QSqlQuery>& q = m_prepared[sql];
    if (!q) {
        auto prepared = std::make_unique<QSqlQuery>(handle());
        prepared->setForwardOnly(true);
        if (!prepared->prepare(sql)) {
            m_lastError = Readable(prepared->lastError());
            m_prepared.erase(sql);
            return nullptr;
        }
        q = std::move(prepared);
    }
    for (int i = 0; i < values.size(); ++i)
        q->bindValue(i, bindable(values.at(i)));
    if (!q->exec()) {
        m_lastError = Readable(q->lastError());
        q->finish();
        return nullptr;
    }
    return q.get();
}

bool Database::beginTransaction() {
    if (m_inTransaction || !isOpen())
        return false;
    QSqlDatabase db = handle();
    if (m_backend == Backend::SQLite) {
        // A deferred transaction that has read and then writes after another process wrote
        // fails at once, without waiting, in WAL mode; taking the write lock at the start makes
        // it wait its turn for up to the busy timeout instead.
        QSqlQuery begin(db);
        if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
            m_lastError = Readable(begin.lastError());
            return false;
        }
    } else if (!db.transaction()) {
        m_lastError = Readable(db.lastError());
        return false;
    }
    m_inTransaction = true;
    return true;
}

void Database::setError(const QSqlError& error) {
    m_lastError = Readable(error);
}

bool Database::commit() {
    if (!m_inTransaction)
        return false;
    QSqlDatabase db = handle();
    const bool ok = db.commit();
    if (!ok) {
        m_lastError = Readable(db.lastError());
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
        m_lastError = Readable(db.lastError());
    m_inTransaction = false;
    return ok;
}

QString Database::errorText() const {
    return m_lastError.text();
}
