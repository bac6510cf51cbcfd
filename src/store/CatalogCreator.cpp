#include "store/CatalogCreator.h"

#include "store/ArchiveCreator.h"
#include "store/ConnectionProbe.h"
#include "store/ConnectionString.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/TransactionGuard.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>
#include <QVariant>
#include <utility>

namespace CatalogCreator {

namespace {
QString uniqueName(const char* prefix) {
    return QLatin1String(prefix) + QUuid::createUuid().toString(QUuid::Id128);
}

QString quoteIdentifier(const QString& name) {
    QString quoted = name;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

// A unit's value as it is bound: NULL for a null or empty text.
QVariant unitValue(const QVariant& read) {
    const QString text = read.isNull() ? QString() : UnitText(read.toString());
    return text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
}

// How a unit that failed is named to the user: the statement with its values in place (shown,
// never run).
QString describeInsert(const QVariant& sigla, const QVariant& descrizione) {
    const auto literal = [](const QVariant& v) {
        if (v.isNull())
            return QStringLiteral("NULL");
        QString text = v.toString();
        text.replace(u'\'', QStringLiteral("''"));
        return u'\'' + text + u'\'';
    };
    return QStringLiteral("INSERT INTO UnMis (Sigla, Descrizione) VALUES(%1, %2)")
        .arg(literal(sigla), literal(descrizione));
}

using UnitRows = QList<std::pair<QVariant, QVariant>>;

// The template's units, read from a private copy: the installed template may be read-only,
// and the program never opens a file it could not write to.
bool readTemplateUnits(const QString& templateFile, UnitRows* units, QString* error) {
    if (!QFileInfo(templateFile).isFile()) {
        *error = QCoreApplication::translate("CatalogCreator", "Database modello non trovato: %1")
                     .arg(templateFile);
        return false;
    }
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("CalTemp.db"));
    if (!dir.isValid() || !QFile::copy(templateFile, copy)) {
        *error = QCoreApplication::translate("CatalogCreator",
                                             "Impossibile copiare il database modello %1")
                     .arg(templateFile);
        return false;
    }
    QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    Database db(uniqueName("quarzil_template_"));
    QSqlQuery q;
    if (!db.openRaw(ConnectionString::ForSqlite(copy)) ||
        !db.query(q, QStringLiteral("SELECT Sigla, Descrizione FROM UnMis ORDER BY IDUM"))) {
        *error = db.errorText().trimmed();
        return false;
    }
    while (q.next())
        units->append({q.value(0), q.value(1)});
    return true;
}

QString catalogConnection(const Request& r, const QString& catalog) {
    ConnectionProbe::Fields f;
    f.postgres = true;
    f.server = r.server;
    f.user = r.user;
    f.password = r.password;
    f.catalog = catalog;
    return ConnectionProbe::Build(f);
}

bool writeTables(Database& db, QString* error) {
    TransactionGuard guard(db);
    if (!guard.isActive()) {
        *error = db.errorText();
        return false;
    }
    const auto run = [&](const QString& sql) {
        if (db.execute(sql))
            return true;
        *error = db.errorText();
        return false;
    };
    for (const Schema::Table& t : Schema::Tables())
        if (!run(Schema::CreateTableStatement(t, Schema::Dialect::PostgreSQL)))
            return false;
    for (const auto* list : {&Schema::Indexes(), &Schema::AlphabeticalIndexes()})
        for (const Schema::Index& i : *list)
            if (!run(Schema::CreateIndexStatement(i, Schema::Dialect::PostgreSQL)))
                return false;
    if (!guard.commit()) {
        *error = db.errorText();
        return false;
    }
    return true;
}

bool fill(const Request& r, const UnitRows& units, Outcome* outcome) {
    Database db(uniqueName("quarzil_newcatalog_"));
    if (!db.openRaw(catalogConnection(r, r.catalog)) || !writeTables(db, &outcome->error)) {
        if (outcome->error.isEmpty())
            outcome->error = db.errorText();
        return false;
    }
    for (const auto& [readSigla, readDescrizione] : units) {
        const QVariant sigla = unitValue(readSigla);
        const QVariant descrizione = unitValue(readDescrizione);
        if (!db.execute(QStringLiteral("INSERT INTO UnMis (Sigla, Descrizione) VALUES (?, ?)"),
                        {sigla, descrizione}))
            outcome->unitFailures << QStringLiteral("%1\n%2").arg(
                describeInsert(sigla, descrizione), db.errorText().trimmed());
    }
    // The tables are this program's, so the version is the one they are at. A catalog without
    // it could never be opened: that is a failed creation, not a unit that went missing.
    if (!db.execute(QStringLiteral("INSERT INTO Informazioni (Versione) VALUES (?)"),
                    {Schema::kCurrentVersion})) {
        outcome->error = db.errorText();
        return false;
    }
    return true;
}
} // namespace

QString UnitText(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return trimmed;
    return trimmed.left(1) + trimmed.mid(1).toLower();
}

bool Create(const Request& r, Outcome* outcome) {
    *outcome = Outcome();
    const auto failed = [&](const QString& error) {
        outcome->error = ConnectionProbe::HidePassword(error.trimmed(), r.password);
        return false;
    };
    if (r.catalog.trimmed().isEmpty())
        return failed(
            QCoreApplication::translate("CatalogCreator", "Scrivere il nome del nuovo Database."));
    UnitRows units;
    QString error;
    if (!readTemplateUnits(r.templateFile, &units, &error))
        return failed(error);
    {
        Database server(uniqueName("quarzil_server_"));
        if (!server.openRaw(catalogConnection(r, QStringLiteral("postgres"))))
            return failed(server.errorText());
        if (!server.execute(QStringLiteral("CREATE DATABASE %1 ENCODING 'UTF8' TEMPLATE template0")
                                .arg(quoteIdentifier(r.catalog))))
            return failed(server.errorText());
    }
    if (fill(r, units, outcome))
        return true;
    const QString fillError = outcome->error;
    QString ignored;
    ArchiveCreator::DropPostgresCatalog(catalogConnection(r, QStringLiteral("postgres")), r.catalog,
                                        &ignored);
    return failed(fillError);
}

} // namespace CatalogCreator
