#include "store/SqliteKeys.h"

#include "store/Database.h"
#include "store/PostgresKeys.h"
#include "store/SqliteFunctions.h"

#include <QSqlQuery>
#include <sqlite3.h>

namespace SqliteKeys {

bool Read(Database& db, const QString& sql, const QVariantList& values, std::vector<qint32>* keys,
          QString* error) {
    error->clear();
    if (db.backend() != Database::Backend::SQLite)
        return false;
    sqlite3* connection = SqliteFunctions::Handle(db.handle());
    if (!connection)
        return false;

    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare16_v2(connection, sql.utf16(), int(sql.size() * sizeof(char16_t)),
                             &statement, nullptr) != SQLITE_OK) {
        *error = QString::fromUtf8(sqlite3_errmsg(connection));
        sqlite3_finalize(statement);
        return false;
    }
    int rc = SQLITE_OK;
    for (int i = 0; i < values.size() && rc == SQLITE_OK; ++i) {
        const QVariant v = db.bindable(values.at(i));
        if (v.isNull())
            rc = sqlite3_bind_null(statement, i + 1);
        else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong ||
                 v.typeId() == QMetaType::UInt || v.typeId() == QMetaType::Bool)
            rc = sqlite3_bind_int64(statement, i + 1, v.toLongLong());
        else if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float)
            rc = sqlite3_bind_double(statement, i + 1, v.toDouble());
        else {
            // Dates as the driver writes them: ISO text of the local wall clock.
            const QString text = v.typeId() == QMetaType::QDateTime
                                     ? v.toDateTime().toString(Qt::ISODateWithMs)
                                     : v.toString();
            rc = sqlite3_bind_text16(statement, i + 1, text.utf16(),
                                     int(text.size() * sizeof(char16_t)), SQLITE_TRANSIENT);
        }
    }
    while (rc == SQLITE_OK || rc == SQLITE_ROW) {
        rc = sqlite3_step(statement);
        if (rc == SQLITE_ROW)
            keys->push_back(qint32(sqlite3_column_int(statement, 0)));
    }
    const bool ok = rc == SQLITE_DONE;
    if (!ok)
        *error = QString::fromUtf8(sqlite3_errmsg(connection));
    sqlite3_finalize(statement);
    return ok;
}

bool ReadAny(Database& db, const QString& sql, const QVariantList& values,
             std::vector<qint32>* keys) {
    keys->clear();
    QString libraryError;
    bool ok = db.isPostgres() ? PostgresKeys::Read(db, sql, values, keys, &libraryError)
                              : Read(db, sql, values, keys, &libraryError);
    if (!ok && !libraryError.isEmpty()) {
        db.setError(QSqlError(QString(), libraryError, QSqlError::StatementError));
    } else if (!ok) {
        keys->clear();
        QSqlQuery q;
        ok = db.query(q, sql, values);
        while (ok && q.next())
            keys->push_back(q.value(0).toInt());
        if (ok && q.lastError().isValid()) {
            db.setError(q.lastError());
            ok = false;
        }
    }
    if (!ok)
        keys->clear();
    return ok;
}

} // namespace SqliteKeys
