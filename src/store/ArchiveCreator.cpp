#include "store/ArchiveCreator.h"

#include "store/ConnectionString.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/TransactionGuard.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace ArchiveCreator {

namespace {
QString uniqueName(const char* prefix) {
    return QLatin1String(prefix) + QUuid::createUuid().toString(QUuid::Id128);
}

bool writeSchema(Database& db, Schema::Dialect dialect, QString* error) {
    TransactionGuard guard(db);
    if (!guard.isActive()) {
        *error = db.errorText();
        return false;
    }
    for (const QString& sql : Schema::CreateStatements(dialect)) {
        if (!db.execute(sql)) {
            *error = QStringLiteral("%1: %2").arg(sql, db.errorText());
            return false;
        }
    }
    if (!guard.commit()) {
        *error = db.errorText();
        return false;
    }
    return true;
}

QString quoteIdentifier(const QString& name) {
    QString quoted = name;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

// A connection to the server's maintenance catalog, for CREATE and DROP DATABASE.
bool openServer(Database& server, const QString& serverConnection, QString* error) {
    QString catalog = ConnectionString::Value(serverConnection, QStringLiteral("Initial Catalog"));
    if (catalog.isEmpty())
        catalog = QStringLiteral("postgres");
    const QString conn = ConnectionString::ForPostgres(
        ConnectionString::Value(serverConnection, QStringLiteral("Data Source")), catalog,
        ConnectionString::Value(serverConnection, QStringLiteral("User ID")),
        ConnectionString::Value(serverConnection, QStringLiteral("Password")));
    if (!server.openRaw(conn)) {
        *error = server.errorText();
        return false;
    }
    return true;
}

QString catalogConnection(const QString& serverConnection, const QString& catalog) {
    return ConnectionString::ForPostgres(
        ConnectionString::Value(serverConnection, QStringLiteral("Data Source")), catalog,
        ConnectionString::Value(serverConnection, QStringLiteral("User ID")),
        ConnectionString::Value(serverConnection, QStringLiteral("Password")));
}
} // namespace

bool CreateSqliteFile(const QString& path, QString* error) {
    QFile::remove(path);
    const QString partial = path + QStringLiteral(".partial");
    QFile::remove(partial);
    {
        // An empty file is a valid, empty SQLite database.
        QFile f(partial);
        if (!f.open(QIODevice::WriteOnly)) {
            *error = f.errorString();
            return false;
        }
    }
    bool ok;
    {
        Database db(uniqueName("quarzil_create_"));
        ok = db.openRaw(ConnectionString::ForSqlite(partial)) &&
             writeSchema(db, Schema::Dialect::SQLite, error);
        if (!ok && error->isEmpty())
            *error = db.errorText();
        // The template travels as a single self-contained file.
        if (ok)
            ok = db.execute(QStringLiteral("PRAGMA journal_mode=DELETE")) &&
                 db.execute(QStringLiteral("VACUUM"));
        if (!ok && error->isEmpty())
            *error = db.errorText();
    }
    if (ok)
        ok = QFile::rename(partial, path);
    if (!ok)
        QFile::remove(partial);
    return ok;
}

bool CreatePostgresCatalog(const QString& serverConnection, const QString& catalog, QString* error) {
    {
        Database server(uniqueName("quarzil_server_"));
        if (!openServer(server, serverConnection, error))
            return false;
        if (!server.execute(QStringLiteral("CREATE DATABASE %1 ENCODING 'UTF8' TEMPLATE template0")
                                .arg(quoteIdentifier(catalog)))) {
            *error = server.errorText();
            return false;
        }
    }
    bool ok;
    {
        Database db(uniqueName("quarzil_catalog_"));
        ok = db.openRaw(catalogConnection(serverConnection, catalog));
        if (!ok)
            *error = db.errorText();
        else
            ok = writeSchema(db, Schema::Dialect::PostgreSQL, error);
    }
    if (!ok) {
        QString ignored;
        DropPostgresCatalog(serverConnection, catalog, &ignored);
    }
    return ok;
}

bool DropPostgresCatalog(const QString& serverConnection, const QString& catalog, QString* error) {
    Database server(uniqueName("quarzil_server_"));
    if (!openServer(server, serverConnection, error))
        return false;
    if (!server.execute(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)")
                            .arg(quoteIdentifier(catalog)))) {
        *error = server.errorText();
        return false;
    }
    return true;
}

} // namespace ArchiveCreator
