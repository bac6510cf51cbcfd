#include "store/SchemaUpgrade.h"

#include "common/AppPaths.h"
#include "store/ArchiveBackup.h"
#include "store/DataMigration.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/UpgradeSession.h"
#include "store/UpgradeSteps.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QSet>
#include <QSqlQuery>
#include <QVariant>
#include <QtDebug>
#include <algorithm>

namespace SchemaUpgrade {

namespace {
using Observer = std::function<void(const QString&)>;

const QString kVersionQuery = QStringLiteral("SELECT Versione FROM Informazioni");

// The key columns of an index's definition, lowered and without spaces or quotes:
// "data,idmovimento".
QString keyColumns(const QString& definition) {
    const qsizetype open = definition.lastIndexOf(u'(');
    const qsizetype close = definition.lastIndexOf(u')');
    if (open < 0 || close < open)
        return QString();
    QString columns = definition.mid(open + 1, close - open - 1).toLower();
    columns.remove(u' ');
    columns.remove(u'"');
    return columns;
}

QString indexCatalogQuery(const Database& db) {
    return db.isPostgres() ? QStringLiteral("SELECT indexname, indexdef FROM pg_indexes "
                                            "WHERE schemaname = current_schema()")
                           : QStringLiteral("SELECT name, sql FROM sqlite_master WHERE "
                                            "type = 'index'");
}

Schema::Dialect dialectOf(const Database& db) {
    return db.isPostgres() ? Schema::Dialect::PostgreSQL : Schema::Dialect::SQLite;
}

void repairIndexes(Database& db, const Observer& observer) {
    const auto sent = [&](const QString& sql) {
        if (observer)
            observer(sql);
        return sql;
    };
    QSqlQuery q;
    if (!db.query(q, sent(indexCatalogQuery(db))))
        return;
    QHash<QString, QString> present;
    while (q.next())
        present.insert(q.value(0).toString().toLower(), q.value(1).toString());
    q.finish();
    const Schema::Dialect dialect = dialectOf(db);
    for (const Schema::Index& index : Schema::AlphabeticalIndexes())
        if (!present.contains(Schema::IndexName(index).toLower()))
            // A refusal (a read-only file, a catalog the user does not own) leaves the archive
            // as it was.
            db.execute(sent(Schema::CreateIndexStatement(index, dialect)));
    // An index an earlier build made on fewer columns is made again, in one transaction so that
    // a refusal keeps the old one.
    for (const Schema::Index& index : Schema::Indexes()) {
        // An index on an expression is made when it is missing; its definition is not
        // compared, since each server writes an expression back in its own words.
        if (index.sqliteTerm) {
            if (!present.contains(Schema::IndexName(index).toLower()))
                db.execute(sent(Schema::CreateIndexStatement(index, dialect)));
            continue;
        }
        const auto found = present.constFind(Schema::IndexName(index).toLower());
        const QString wanted = keyColumns(Schema::CreateIndexStatement(index, dialect));
        if (found == present.constEnd() || keyColumns(*found) == wanted || db.inTransaction() ||
            !db.beginTransaction())
            continue;
        if (db.execute(sent(QStringLiteral("DROP INDEX %1").arg(Schema::IndexName(index)))) &&
            db.execute(sent(Schema::CreateIndexStatement(index, dialect))))
            db.commit();
        else
            db.rollback();
    }
    // Nor is it an error that a later message should show.
    db.setError(QSqlError());
}

// SQLite keeps any length in a text column, so a wider column changes no value; but the
// declared width is what a copy into PostgreSQL (or any other tool) reads, so it must say the
// truth. SQLite has no ALTER COLUMN: the table is made again with the wider column, the rows
// copied with their keys, its indexes remade and its key counter kept where it was.
bool widenSqlite(UpgradeSession& s, const QString& table, const Schema::Column& wide) {
    struct Col {
        QString name, type;
        bool key;
    };
    std::vector<Col> cols;
    bool found = false;
    {
        QSqlQuery q;
        if (!s.query(q, QStringLiteral("PRAGMA table_info(%1)").arg(table)))
            return false;
        while (q.next()) {
            Col c{q.value(1).toString(), q.value(2).toString(), q.value(5).toInt() > 0};
            if (c.name.compare(QLatin1String(wide.name), Qt::CaseInsensitive) == 0) {
                c.type = Schema::ColumnTypeText(wide.type, wide.width, Schema::Dialect::SQLite);
                found = true;
            }
            cols.push_back(c);
        }
    }
    if (!found) {
        s.fail(
            QStringLiteral("ALTER TABLE %1 ALTER COLUMN %2").arg(table, QLatin1String(wide.name)),
            QCoreApplication::translate("SchemaUpgrade", "la colonna %1 non esiste")
                .arg(QLatin1String(wide.name)));
        return false;
    }
    QStringList indexes;
    QVariant counter;
    {
        QSqlQuery q;
        if (!s.query(q,
                     QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'index' AND "
                                    "tbl_name = ? AND sql IS NOT NULL"),
                     {table}))
            return false;
        while (q.next())
            indexes << q.value(0).toString();
        q.finish();
        if (s.query(q, QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = ?"), {table}) &&
            q.next())
            counter = q.value(0);
    }
    QStringList defs, names;
    for (const Col& c : cols) {
        defs << (c.key ? QStringLiteral("%1 INTEGER PRIMARY KEY AUTOINCREMENT").arg(c.name)
                       : QStringLiteral("%1 %2").arg(c.name, c.type));
        names << c.name;
    }
    const QString temporary = table + QStringLiteral("_Widened");
    const QString list = names.join(QStringLiteral(", "));
    if (!s.execute(QStringLiteral("CREATE TABLE %1 ( %2 )")
                       .arg(temporary, defs.join(QStringLiteral(", ")))) ||
        !s.execute(
            QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM %3").arg(temporary, list, table)) ||
        !s.execute(QStringLiteral("DROP TABLE %1").arg(table)) ||
        !s.execute(QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(temporary, table)))
        return false;
    for (const QString& index : indexes)
        if (!s.execute(index))
            return false;
    return counter.isNull() ||
           s.execute(QStringLiteral("UPDATE sqlite_sequence SET seq = ? WHERE name = ?"),
                     {counter, table});
}

bool runOperation(UpgradeSession& s, const UpgradeSteps::Operation& op) {
    using K = UpgradeSteps::Operation::Kind;
    if (op.kind == K::Widen) {
        if (!s.isPostgres())
            return widenSqlite(s, op.table, op.columns.front());
        s.fail(QStringLiteral("ALTER TABLE %1").arg(op.table),
               QStringLiteral("passo senza testo per PostgreSQL"));
        return false;
    }
    const QString sql = UpgradeSteps::StatementText(op, dialectOf(s.db()));
    if (sql.isEmpty()) {
        s.fail(op.sqlite, QStringLiteral("passo senza testo per PostgreSQL"));
        return false;
    }
    return s.execute(sql);
}

// The indexes of the template, which an archive of an earlier version lacks.
bool createIndexes(UpgradeSession& s) {
    QSqlQuery q;
    if (!s.query(q, indexCatalogQuery(s.db())))
        return false;
    QSet<QString> present;
    while (q.next())
        present.insert(q.value(0).toString().toLower());
    q.finish();
    for (const auto* list : {&Schema::Indexes(), &Schema::AlphabeticalIndexes()})
        for (const Schema::Index& index : *list)
            if (!present.contains(Schema::IndexName(index).toLower()) &&
                !s.execute(Schema::CreateIndexStatement(index, dialectOf(s.db()))))
                return false;
    return true;
}

Result failed(Report& report, const UpgradeSession& s) {
    if (s.failed()) {
        report.failedStep = s.failedStep();
        report.failedWhat = s.failedWhat();
        report.error = s.failedError();
    }
    qWarning().noquote() << "Aggiornamento dell'archivio non riuscito:" << report.describe();
    return Failed;
}

Result fail(Report& report, const QString& what, const QString& error) {
    report.failedWhat = what;
    report.error = error.trimmed().isEmpty()
                       ? QCoreApplication::translate("SchemaUpgrade", "errore sconosciuto")
                       : error.trimmed();
    qWarning().noquote() << "Aggiornamento dell'archivio non riuscito:" << report.describe();
    return Failed;
}

} // namespace

QString Report::describe() const {
    QString where;
    if (failedStep >= 0)
        where = QCoreApplication::translate("SchemaUpgrade", "passo dalla versione %1: ")
                    .arg(failedStep);
    if (failedWhat.isEmpty())
        return where + error;
    return QStringLiteral("%1%2: %3").arg(where, failedWhat, error);
}

QString BackupFileName() {
    return QStringLiteral("BackQuarzil17.db");
}

int ReadVersion(Database& db, bool* ok) {
    *ok = false;
    QSqlQuery q;
    if (!db.query(q, kVersionQuery) || !q.next())
        return 0;
    return q.value(0).toInt(ok);
}

void CreateMissingIndexes(Database& db) {
    repairIndexes(db, {});
}

Result Run(Database& db) {
    return Run(db, Options{}, nullptr);
}

Result Run(Database& db, const Options& options, Report* out) {
    Report local;
    Report& report = out ? *out : local;
    report = Report();
    const int target = options.targetVersion > 0
                           ? std::min(options.targetVersion, Schema::kCurrentVersion)
                           : Schema::kCurrentVersion;
    UpgradeSession s(db, options.statementSent);

    int version = 0;
    {
        QSqlQuery q;
        if (!s.query(q, kVersionQuery))
            return failed(report, s);
        if (!q.next())
            return fail(report, kVersionQuery,
                        QCoreApplication::translate("SchemaUpgrade", "la tabella non ha righe"));
        bool ok = false;
        version = q.value(0).toInt(&ok);
        if (!ok)
            return fail(
                report, kVersionQuery,
                QCoreApplication::translate("SchemaUpgrade", "la versione non è un numero"));
    }
    report.fromVersion = version;
    if (version > Schema::kCurrentVersion)
        return Newer;
    if (version >= target) {
        if (version == Schema::kCurrentVersion)
            repairIndexes(db, options.statementSent);
        return UpToDate;
    }
    // Catalogs have been created at version 18 or later; earlier steps exist for SQLite only.
    if (db.isPostgres() && version < UpgradeSteps::kFirstPostgresVersion)
        return fail(report, QString(),
                    QCoreApplication::translate(
                        "SchemaUpgrade", "un catalogo PostgreSQL alla versione %1 non si può "
                                         "aggiornare (i cataloghi nascono alla versione %2 o più)")
                        .arg(version)
                        .arg(UpgradeSteps::kFirstPostgresVersion));
    if (db.inTransaction())
        return fail(report, QString(),
                    QCoreApplication::translate("SchemaUpgrade", "una transazione è già aperta"));

    // The copy is taken before the transaction starts: SQLite copies only outside one.
    if (version <= UpgradeSteps::kMigrationStep && target > UpgradeSteps::kMigrationStep) {
        const QString folder = options.dataFolder.isEmpty()
                                   ? AppPaths::DataFolder(AppPaths::ApplicationDataFolder())
                                   : options.dataFolder;
        const QString file = QDir(folder).filePath(BackupFileName());
        QString error;
        if (!QDir().mkpath(folder) || !ArchiveBackup::CopyTo(db, file, &error))
            return fail(
                report,
                QCoreApplication::translate("SchemaUpgrade", "copia di sicurezza in %1").arg(file),
                error);
        report.backupFile = file;
    }

    if (!db.beginTransaction())
        return fail(report, QStringLiteral("BEGIN"), db.errorText());
    bool ok = true;
    for (const UpgradeSteps::Step& step : UpgradeSteps::Steps()) {
        if (step.from < std::max(version, 1))
            continue;
        if (step.from >= target)
            break;
        s.setStep(step.from);
        for (const UpgradeSteps::Operation& op : step.operations) {
            ok = runOperation(s, op);
            if (!ok)
                break;
        }
        if (ok && step.from == UpgradeSteps::kMigrationStep)
            ok = DataMigration::Run(s, options.progress);
        if (!ok)
            break;
    }
    s.setStep(-1);
    if (ok && target == Schema::kCurrentVersion)
        ok = createIndexes(s);
    if (ok) {
        QSqlQuery q;
        ok = s.query(q, QStringLiteral("UPDATE Informazioni SET Versione = ?"), {target});
        if (ok && q.numRowsAffected() < 1) {
            s.fail(QStringLiteral("UPDATE Informazioni SET Versione = %1").arg(target),
                   QCoreApplication::translate("SchemaUpgrade", "nessuna riga aggiornata"));
            ok = false;
        }
    }
    if (ok && !db.commit()) {
        s.fail(QStringLiteral("COMMIT"), db.errorText());
        ok = false;
    }
    if (!ok) {
        db.rollback();
        return failed(report, s);
    }
    return UpToDate;
}

} // namespace SchemaUpgrade
