#include "store/ArchiveBackup.h"

#include "store/ArchiveCreator.h"
#include "store/ConnectionString.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/SchemaUpgrade.h"
#include "store/TableRecord.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QUuid>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace ArchiveBackup {

namespace {

// Rows read from the catalog at a time, so that a large table never sits in memory whole.
constexpr int kBatchRows = 20000;

QString uniqueName(const char* prefix) {
    return QLatin1String(prefix) + QUuid::createUuid().toString(QUuid::Id128);
}

// Hidden beside the destination, so that the final rename stays on one file system.
QString temporaryBeside(const QString& path) {
    const QFileInfo info(path);
    return info.absoluteDir().filePath(
        QStringLiteral(".%1.%2.partial")
            .arg(info.fileName(), QUuid::createUuid().toString(QUuid::Id128)));
}

void removeWithCompanions(const QString& file) {
    QFile::remove(file);
    for (const char* suffix : {"-wal", "-shm", "-journal"})
        QFile::remove(file + QLatin1String(suffix));
}

// A copy whose writer was killed stays behind under its provisional name. One that nobody has
// written to for this long is such a leftover: a copy being written is touched all the time.
constexpr qint64 kAbandonedSeconds = 15 * 60;

void removeAbandonedCopies(const QString& path) {
    const QFileInfo info(path);
    const QDir dir = info.absoluteDir();
    const QString pattern = QStringLiteral(".%1.*.partial").arg(info.fileName());
    const QDateTime now = QDateTime::currentDateTime();
    for (const QFileInfo& left : dir.entryInfoList({pattern}, QDir::Files | QDir::Hidden))
        if (left.lastModified().secsTo(now) > kAbandonedSeconds)
            removeWithCompanions(left.absoluteFilePath());
}

// On the disk before the rename that puts it in place: after a power cut the file at the
// destination is then either the old copy or the whole new one.
bool flushToDisk(const QString& file) {
    const int fd = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

void flushFolder(const QString& path) {
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

QVariant typedNull(Schema::ColumnType type) {
    using T = Schema::ColumnType;
    switch (type) {
    case T::Counter:
    case T::Integer:
    case T::SmallInt:
    case T::Bit:
        return QVariant(QMetaType::fromType<qlonglong>());
    case T::Real:
    case T::Currency:
        return QVariant(QMetaType::fromType<double>());
    case T::DateTime:
        return QVariant(QMetaType::fromType<QDateTime>());
    case T::Text:
    case T::Memo:
        return QVariant(QMetaType::fromType<QString>());
    case T::LongBinary:
        return QVariant(QMetaType::fromType<QByteArray>());
    }
    return QVariant();
}

// A catalog value as the SQLite archive keeps it; texts and pictures whole, never cut.
QVariant toSqlite(const QVariant& v, Schema::ColumnType type) {
    using T = Schema::ColumnType;
    if (v.isNull())
        return typedNull(type);
    switch (type) {
    case T::Counter:
    case T::Integer:
    case T::SmallInt:
        return v.toLongLong();
    case T::Real:
        return v.toDouble();
    case T::Currency:
        return Record::BindCurrency(Record::ReadCurrency(v), Database::Backend::SQLite);
    case T::DateTime:
        return Record::BindDateTime(Record::ReadDateTime(v));
    case T::Text:
    case T::Memo:
        return v.toString();
    case T::Bit:
        return v.toBool() ? 1 : 0;
    case T::LongBinary:
        return v.toByteArray();
    }
    return v;
}

bool copyTable(Database& source, Database& target, const Schema::Table& table, QString* error) {
    const QString name = QLatin1String(table.name);
    QStringList columns, marks;
    for (const Schema::Column& c : table.columns) {
        columns << QLatin1String(c.name);
        marks << QStringLiteral("?");
    }
    const bool keyed = table.columns.front().type == Schema::ColumnType::Counter;
    const QString key = columns.front();
    const QString list = columns.join(QStringLiteral(", "));
    QSqlQuery insert(target.handle());
    if (!target.execute(QStringLiteral("DELETE FROM %1").arg(name)) ||
        !insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(name, list, marks.join(QStringLiteral(", "))))) {
        *error = insert.lastError().isValid() ? insert.lastError().text() : target.errorText();
        return false;
    }
    qlonglong after = 0;
    for (;;) {
        QSqlQuery rows;
        const bool read =
            keyed
                ? source.query(rows,
                               QStringLiteral("SELECT %1 FROM %2 WHERE %3 > ? ORDER BY %3 LIMIT %4")
                                   .arg(list, name, key)
                                   .arg(kBatchRows),
                               {after})
                : source.query(rows, QStringLiteral("SELECT %1 FROM %2").arg(list, name));
        if (!read) {
            *error = QStringLiteral("%1: %2").arg(name, source.errorText());
            return false;
        }
        int count = 0;
        while (rows.next()) {
            ++count;
            for (int i = 0; i < int(table.columns.size()); ++i)
                insert.bindValue(i, toSqlite(rows.value(i), table.columns[size_t(i)].type));
            if (!insert.exec()) {
                *error = QStringLiteral("%1: %2").arg(name, insert.lastError().text());
                return false;
            }
            if (keyed)
                after = rows.value(0).toLongLong();
        }
        if (rows.lastError().isValid()) {
            *error = QStringLiteral("%1: %2").arg(name, rows.lastError().text());
            return false;
        }
        if (!keyed || count < kBatchRows)
            return true;
    }
}

// Keys only grow: the copy's counter goes on from the catalog's, not from its highest row.
bool copyKeyCounter(Database& source, Database& target, const Schema::Table& table,
                    QString* error) {
    if (table.columns.front().type != Schema::ColumnType::Counter)
        return true;
    const QString name = QLatin1String(table.name);
    QSqlQuery q;
    if (!source.query(
            q,
            QStringLiteral("SELECT s.last_value FROM pg_sequences s WHERE "
                           "quote_ident(s.schemaname) || '.' || "
                           "quote_ident(s.sequencename) = pg_get_serial_sequence(?, ?)"),
            {name.toLower(), QString::fromLatin1(table.columns.front().name).toLower()})) {
        *error = QStringLiteral("%1: %2").arg(name, source.errorText());
        return false;
    }
    if (!q.next() || q.value(0).isNull())
        return true;
    const qlonglong last = q.value(0).toLongLong();
    QSqlQuery update;
    if (!target.query(update,
                      QStringLiteral("UPDATE sqlite_sequence SET seq = MAX(seq, ?) WHERE name = ?"),
                      {last, name})) {
        *error = target.errorText();
        return false;
    }
    if (update.numRowsAffected() > 0)
        return true;
    if (!target.execute(QStringLiteral("INSERT INTO sqlite_sequence (name, seq) VALUES (?, ?)"),
                        {name, last})) {
        *error = target.errorText();
        return false;
    }
    return true;
}

bool copyPostgres(Database& source, const QString& file, QString* error) {
    bool ok = false;
    const int version = SchemaUpgrade::ReadVersion(source, &ok);
    if (!ok) {
        *error = source.errorText();
        return false;
    }
    // The copy is made from the schema source, which knows the current version only.
    if (version != Schema::kCurrentVersion) {
        *error = QCoreApplication::translate(
                     "ArchiveBackup", "il catalogo è alla versione %1, la copia si fa solo alla "
                                      "versione %2")
                     .arg(version)
                     .arg(Schema::kCurrentVersion);
        return false;
    }
    if (!ArchiveCreator::CreateSqliteFile(file, error))
        return false;
    Database target(uniqueName("quarzil_backup_"));
    if (!target.openRaw(ConnectionString::ForSqlite(file)) || !target.beginTransaction()) {
        *error = target.errorText();
        return false;
    }
    // Every table from one snapshot: a movement saved meanwhile is either whole or absent.
    const bool ownSnapshot = !source.inTransaction();
    if (ownSnapshot &&
        !source.execute(QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY"))) {
        *error = source.errorText();
        return false;
    }
    ok = true;
    for (const Schema::Table& table : Schema::Tables()) {
        ok =
            copyTable(source, target, table, error) && copyKeyCounter(source, target, table, error);
        if (!ok)
            break;
    }
    if (ownSnapshot)
        source.execute(QStringLiteral("COMMIT"));
    if (ok && !target.commit()) {
        *error = target.errorText();
        ok = false;
    }
    return ok;
}

} // namespace

bool Verify(const QString& path, int expectedVersion, QString* error) {
    Database copy(uniqueName("quarzil_verify_"));
    if (!copy.openToInspect(ConnectionString::ForSqlite(path))) {
        *error = copy.errorText();
        return false;
    }
    QSqlQuery q;
    if (!copy.query(q, QStringLiteral("PRAGMA integrity_check")) || !q.next()) {
        *error = copy.errorText();
        return false;
    }
    if (q.value(0).toString() != QLatin1String("ok")) {
        *error = QCoreApplication::translate("ArchiveBackup", "la copia è danneggiata: %1")
                     .arg(q.value(0).toString());
        return false;
    }
    q.finish();
    bool ok = false;
    const int version = SchemaUpgrade::ReadVersion(copy, &ok);
    if (!ok || version != expectedVersion) {
        *error = QCoreApplication::translate("ArchiveBackup",
                                             "la copia è alla versione %1 invece che alla %2")
                     .arg(ok ? QString::number(version) : QStringLiteral("?"))
                     .arg(expectedVersion);
        return false;
    }
    return true;
}

bool CopyTo(Database& db, const QString& path, QString* error) {
    QString ignored;
    QString& why = error ? *error : ignored;
    why.clear();
    if (!db.isOpen()) {
        why = QCoreApplication::translate("ArchiveBackup", "nessun archivio aperto");
        return false;
    }
    if (db.inTransaction() && !db.isPostgres()) {
        why = QCoreApplication::translate("ArchiveBackup",
                                          "una transazione è aperta: la copia si fa dopo");
        return false;
    }
    if (!db.isPostgres()) {
        const QFileInfo archive(
            ConnectionString::Value(db.connectionString(), QStringLiteral("Data Source")));
        const QFileInfo destination(path);
        if (destination.exists() &&
            destination.canonicalFilePath() == archive.canonicalFilePath()) {
            why = QCoreApplication::translate(
                "ArchiveBackup", "la copia non può prendere il posto dell'archivio stesso");
            return false;
        }
    }
    bool ok = false;
    const int version = SchemaUpgrade::ReadVersion(db, &ok);
    if (!ok) {
        why = db.errorText();
        return false;
    }
    removeAbandonedCopies(path);
    const QString partial = temporaryBeside(path);
    if (db.isPostgres()) {
        ok = copyPostgres(db, partial, &why);
    } else {
        ok = db.execute(QStringLiteral("VACUUM INTO ?"), {partial});
        if (!ok)
            why = db.errorText();
    }
    ok = ok && Verify(partial, version, &why);
    if (ok) {
        // The firm's data: private to its owner, like the archive itself.
        QFile::setPermissions(partial, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (!flushToDisk(partial)) {
            why = QString::fromLocal8Bit(std::strerror(errno));
            ok = false;
        }
        // rename() replaces an older copy in one step: there is always a whole file at path.
        else if (std::rename(QFile::encodeName(partial).constData(),
                             QFile::encodeName(path).constData()) != 0) {
            why = QString::fromLocal8Bit(std::strerror(errno));
            ok = false;
        } else {
            flushFolder(path);
        }
    }
    if (!ok)
        removeWithCompanions(partial);
    return ok;
}

} // namespace ArchiveBackup
