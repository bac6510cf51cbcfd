#pragma once

#include <QString>

// Builds empty archives at the current schema version from the schema source.
namespace ArchiveCreator {

// A new SQLite file (the template). An existing file is replaced; a failure leaves no file.
bool CreateSqliteFile(const QString& path, QString* error);

// A new PostgreSQL catalog on the server a connection string names (its Initial Catalog is the
// one connected to for CREATE DATABASE, "postgres" when empty). The name is quoted as an
// identifier, so any text is safe; it is used exactly as given.
bool CreatePostgresCatalog(const QString& serverConnection, const QString& catalog, QString* error);

// Drops a catalog (tests and a failed creation).
bool DropPostgresCatalog(const QString& serverConnection, const QString& catalog, QString* error);


} // namespace ArchiveCreator
