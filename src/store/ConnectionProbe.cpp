#include "store/ConnectionProbe.h"

#include "store/ConnectionString.h"
#include "store/Database.h"

#include <QSqlQuery>
#include <QUuid>

namespace ConnectionProbe {

namespace {
QString uniqueName() {
    return QStringLiteral("quarzil_probe_") + QUuid::createUuid().toString(QUuid::Id128);
}

constexpr qsizetype kShortestHiddenPassword = 3;
} // namespace

QString Build(const Fields& f) {
    if (!f.postgres)
        return ConnectionString::ForSqlite(f.file);
    return ConnectionString::ForPostgres(f.server.trimmed(), f.catalog.trimmed(), f.user.trimmed(),
                                         f.password);
}

Fields FromString(const QString& connection) {
    Fields f;
    if (!ConnectionString::IsValid(connection))
        return f;
    const auto pairs = ConnectionString::Parse(connection);
    const QString provider = pairs.value(QStringLiteral("provider"));
    if (provider == QLatin1String("QPSQL")) {
        f.postgres = true;
        f.server = pairs.value(QStringLiteral("data source"));
        f.catalog = pairs.value(QStringLiteral("initial catalog"));
        f.user = pairs.value(QStringLiteral("user id"));
        f.password = pairs.value(QStringLiteral("password"));
    } else if (provider == QLatin1String("QSQLITE")) {
        f.file = pairs.value(QStringLiteral("data source"));
    }
    return f;
}

QString HidePassword(const QString& text, const QString& password) {
    if (password.size() < kShortestHiddenPassword)
        return text;
    QString hidden = text;
    hidden.replace(password, QStringLiteral("********"));
    return hidden;
}

Result Probe(const QString& connection, QString* error) {
    const QString password = ConnectionString::Value(connection, QStringLiteral("Password"));
    Database db(uniqueName());
    if (!db.openRaw(connection)) {
        *error = HidePassword(db.errorText().trimmed(), password);
        return Result::OpenFailed;
    }
    if (!db.hasQuarzilSchema()) {
        *error = HidePassword(db.errorText().trimmed(), password);
        return Result::NotQuarzil;
    }
    error->clear();
    return Result::Usable;
}

bool ListCatalogs(const Fields& fields, QStringList* names, QString* error) {
    names->clear();
    QStringList through{QStringLiteral("postgres")};
    const QString typed = fields.catalog.trimmed();
    if (!typed.isEmpty() && !through.contains(typed))
        through << typed;
    through << QStringLiteral("template1");
    QString firstError;
    for (const QString& catalog : through) {
        Fields f = fields;
        f.postgres = true;
        f.catalog = catalog;
        Database db(uniqueName());
        if (!db.openRaw(Build(f))) {
            if (firstError.isEmpty())
                firstError = db.errorText().trimmed();
            continue;
        }
        QSqlQuery q;
        if (!db.query(q, QStringLiteral("SELECT datname FROM pg_database WHERE NOT datistemplate "
                                        "AND has_database_privilege(datname, 'CONNECT') "
                                        "ORDER BY datname"))) {
            *error = HidePassword(db.errorText().trimmed(), fields.password);
            return false;
        }
        while (q.next())
            names->append(q.value(0).toString());
        error->clear();
        return true;
    }
    *error = HidePassword(firstError, fields.password);
    return false;
}

} // namespace ConnectionProbe
