#include "store/PostgresKeys.h"

#include "store/Database.h"

#include <QDateTime>
#include <QSqlDriver>
#include <cstring>
#include <functional>
#include <libpq-fe.h>
#include <optional>

namespace PostgresKeys {

namespace {

// Type keys of the integer columns (pg_type).
constexpr Oid kInt2 = 21, kInt4 = 23, kInt8 = 20;

PGconn* handleOf(const Database& db) {
    const QSqlDatabase handle = db.handle();
    if (!handle.isOpen() || !handle.driver())
        return nullptr;
    const QVariant h = handle.driver()->handle();
    // The driver names the type by its struct.
    if (!h.isValid() ||
        (qstrcmp(h.typeName(), "PGconn*") != 0 && qstrcmp(h.typeName(), "pg_conn*") != 0))
        return nullptr;
    return *static_cast<PGconn* const*>(h.constData());
}

// A bound value as text, the form the driver sends too; null stays null.
QByteArray parameterText(const QVariant& v) {
    if (v.isNull())
        return QByteArray();
    switch (v.typeId()) {
    case QMetaType::Bool:
        return v.toBool() ? QByteArrayLiteral("true") : QByteArrayLiteral("false");
    case QMetaType::Double:
    case QMetaType::Float:
        return QByteArray::number(v.toDouble(), 'g', 17);
    case QMetaType::QDateTime:
        return v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")).toUtf8();
    default:
        return v.toString().toUtf8();
    }
}

qint64 bigEndian(const char* bytes, int size) {
    qint64 value = (bytes[0] & 0x80) ? -1 : 0;
    for (int i = 0; i < size; ++i)
        value = (value << 8) | quint8(bytes[i]);
    return value;
}

// Reads what is left of the statement's results, so that the connection is idle again.
void drain(PGconn* connection) {
    while (PGresult* r = PQgetResult(connection))
        PQclear(r);
}

} // namespace

QString NumberedPlaceholders(const QString& sql) {
    QString out;
    out.reserve(sql.size() + 16);
    QChar quote;
    int n = 0;
    for (const QChar c : sql) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u'?') {
            out += u'$' + QString::number(++n);
            continue;
        }
        out += c;
    }
    return out;
}

namespace {

// Runs the statement and hands each row's result to take, which says whether the row was of the
// kind expected. The common ground of the readers below.
bool ReadRows(Database& db, const QString& sql, const QVariantList& values, QString* error,
              const std::function<bool(const PGresult*)>& take, const char* mismatch) {
    error->clear();
    if (!db.isPostgres())
        return false;
    PGconn* connection = handleOf(db);
    // Busy with a result the driver has not read to its end: the driver's way, then.
    if (!connection || PQtransactionStatus(connection) == PQTRANS_ACTIVE || PQisBusy(connection))
        return false;

    std::vector<QByteArray> texts;
    texts.reserve(size_t(values.size()));
    std::vector<const char*> parameters;
    for (const QVariant& v : values) {
        texts.push_back(parameterText(db.bindable(v)));
        parameters.push_back(texts.back().isNull() ? nullptr : texts.back().constData());
    }
    const QByteArray statement = NumberedPlaceholders(sql).toUtf8();
    // Text parameters, a binary result.
    if (!PQsendQueryParams(connection, statement.constData(), int(parameters.size()), nullptr,
                           parameters.data(), nullptr, nullptr, 1)) {
        *error = QString::fromUtf8(PQerrorMessage(connection)).trimmed();
        drain(connection);
        return false;
    }
    PQsetSingleRowMode(connection);
    bool ok = true;
    while (PGresult* r = PQgetResult(connection)) {
        switch (PQresultStatus(r)) {
        case PGRES_SINGLE_TUPLE:
            if (ok && !take(r)) {
                ok = false;
                *error = QLatin1String(mismatch);
            }
            break;
        case PGRES_TUPLES_OK:
            break;
        default:
            if (ok)
                *error = QString::fromUtf8(PQresultErrorMessage(r)).trimmed();
            ok = false;
        }
        PQclear(r);
    }
    return ok;
}

// An integer column of a binary result, none when NULL; false when it is no integer.
bool IntegerAt(const PGresult* r, int column, std::optional<qint32>* value) {
    value->reset();
    if (PQgetisnull(r, 0, column))
        return true;
    const Oid type = PQftype(r, column);
    const int size = PQgetlength(r, 0, column);
    if (!(type == kInt2 || type == kInt4 || type == kInt8) ||
        !(size == 2 || size == 4 || size == 8))
        return false;
    *value = qint32(bigEndian(PQgetvalue(r, 0, column), size));
    return true;
}

} // namespace

bool Read(Database& db, const QString& sql, const QVariantList& values, std::vector<qint32>* keys,
          QString* error) {
    return ReadRows(
        db, sql, values, error,
        [keys](const PGresult* r) {
            std::optional<qint32> key;
            if (!IntegerAt(r, 0, &key))
                return false;
            if (key)
                keys->push_back(*key);
            return true;
        },
        "the first column is not an integer");
}

bool ReadKeyTexts(Database& db, const QString& sql, const QVariantList& values,
                  std::vector<std::pair<qint32, QString>>* rows, QString* error) {
    return ReadRows(
        db, sql, values, error,
        [rows](const PGresult* r) {
            std::optional<qint32> key;
            if (PQnfields(r) < 2 || !IntegerAt(r, 0, &key) || !key)
                return false;
            // A text column's binary form is its UTF-8 bytes.
            rows->push_back({*key, PQgetisnull(r, 0, 1) ? QString()
                                                        : QString::fromUtf8(PQgetvalue(r, 0, 1),
                                                                            PQgetlength(r, 0, 1))});
            return true;
        },
        "the columns are not a key and a text");
}

} // namespace PostgresKeys
