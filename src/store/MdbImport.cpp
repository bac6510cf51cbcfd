#include "store/MdbImport.h"

#include "common/CurrencyAmount.h"
#include "store/ConnectionString.h"
#include "store/Database.h"
#include "store/MdbImportReader.h"
#include "store/Schema.h"
#include "store/SchemaUpgrade.h"
#include "store/TableRecord.h"
#include "store/TransactionGuard.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlQuery>
#include <QUuid>
#include <cmath>

namespace {

using Source = MdbImportSource;
using T = Source::Type;

// How often the progress hears of the rows, and may cancel.
constexpr int kProgressRows = 256;
// The file names shown in a message, at most.
constexpr int kTablesShown = 12;

struct Required {
    const char* table;
    QStringList columns;
};

// The tables every version of the program's archive has had, each with columns it has always
// had: the upgrade builds everything else from them.
const QList<Required>& required() {
    static const QList<Required> list = {
        {"Articoli", {"IDArticolo", "Matricola", "Descrizione"}},
        {"Movimenti", {"IDMovimento", "Numero", "Data", "Tipo"}},
        {"SottoMovimenti", {"IDSottoMovimento", "IDMovimento", "IDArticolo", "Qt"}},
        {"CliFor", {"IDCliFor", "RagSoc"}},
        {"UnMis", {"IDUM", "Sigla"}},
        {"Ordini", {"IDOrdine"}},
        {"SottoOrdini", {"IDOrdine"}},
        {"Informazioni", {"Versione"}},
    };
    return list;
}

MdbImport::Check checkTables(const QList<Source::Table>& tables) {
    MdbImport::Check check;
    check.readable = true;
    for (const Source::Table& t : tables)
        check.tables << t.name;
    for (const Required& r : required()) {
        const QString name = QLatin1String(r.table);
        const Source::Table* found = nullptr;
        for (const Source::Table& t : tables)
            if (t.name.compare(name, Qt::CaseInsensitive) == 0)
                found = &t;
        if (!found) {
            check.missing << name;
            continue;
        }
        for (const QString& column : r.columns) {
            bool present = false;
            for (const Source::Column& c : found->columns)
                present = present || c.name.compare(column, Qt::CaseInsensitive) == 0;
            if (!present)
                check.missing << name + u'.' + column;
        }
    }
    check.quarzil = check.missing.isEmpty();
    return check;
}

QString quoted(const QString& identifier) {
    QString q = identifier;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

QString sqliteType(const Source::Column& c, bool key) {
    if (key)
        return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    switch (c.type) {
    case T::Bool:
        return QStringLiteral("BIT");
    case T::Byte:
    case T::Int16:
        return QStringLiteral("SMALLINT");
    case T::Int32:
        return QStringLiteral("INTEGER");
    case T::Float:
        return QStringLiteral("REAL");
    case T::Double:
        return QStringLiteral("DOUBLE");
    case T::Currency:
        return QStringLiteral("CURRENCY");
    case T::DateTime:
        return QStringLiteral("DATETIME");
    case T::Text:
        return QStringLiteral("TEXT(%1)").arg(c.width > 0 ? c.width : 255);
    case T::Memo:
        return QStringLiteral("TEXT");
    case T::Guid:
        return QStringLiteral("TEXT(38)");
    case T::Numeric:
        return QStringLiteral("NUMERIC(%1,%2)").arg(c.precision).arg(c.scale);
    case T::Binary:
    case T::Ole:
        return QStringLiteral("BLOB");
    }
    return QStringLiteral("BLOB");
}

// The key: the table's auto-number column, when it has exactly one.
int keyColumn(const Source::Table& t) {
    int key = -1;
    for (int i = 0; i < t.columns.size(); ++i)
        if (t.columns.at(i).autoNumber && t.columns.at(i).type == T::Int32) {
            if (key >= 0)
                return -1;
            key = i;
        }
    return key;
}

// A value in the form this program's archive keeps it.
bool storedValue(const Source::Column& c, const QVariant& v, QVariant* stored, QString* error) {
    if (v.isNull()) {
        *stored = QVariant();
        return true;
    }
    switch (c.type) {
    case T::Bool:
        *stored = v.toBool() ? 1 : 0;
        return true;
    case T::Float:
        // The shortest decimal that reads back as the same single, as the records write it.
        *stored = Record::StoredReal(v.toFloat());
        return true;
    case T::Currency: {
        // Amounts are kept as numbers, exact to the ten-thousandth as far as the program's
        // own amounts go; a larger one would come back changed, so it stops the import.
        const CurrencyAmount amount = CurrencyAmount::fromUnits(v.toLongLong());
        if (!Record::AmountFits(amount)) {
            *error =
                QCoreApplication::translate(
                    "MdbImport", "la colonna %1 contiene un importo (%2) oltre il massimo "
                                 "che l'archivio conserva esatto (%3)")
                    .arg(c.name, amount.toDecimalString(),
                         CurrencyAmount::fromUnits(Record::kLargestStoredUnits).toDecimalString());
            return false;
        }
        *stored = amount.toDouble();
        return true;
    }
    case T::DateTime: {
        const QString text = MdbImport::OleDateText(v.toDouble());
        if (text.isEmpty()) {
            *error = QCoreApplication::translate("MdbImport",
                                                 "la colonna %1 contiene una data non valida (%2)")
                         .arg(c.name)
                         .arg(v.toDouble(), 0, 'g', 17);
            return false;
        }
        *stored = text;
        return true;
    }
    default:
        *stored = v;
        return true;
    }
}

// The rows of one table into its new twin, through one statement prepared once.
bool copyTable(Source& source, Database& db, const Source::Table& t, qint64* done, qint64 total,
               const MdbImport::ProgressCallback& progress, bool* cancelled, QString* error) {
    const int key = keyColumn(t);
    QStringList definitions, names, marks;
    for (int i = 0; i < t.columns.size(); ++i) {
        const Source::Column& c = t.columns.at(i);
        definitions << quoted(c.name) + u' ' + sqliteType(c, i == key);
        names << quoted(c.name);
        marks << QStringLiteral("?");
    }
    if (t.columns.isEmpty()) {
        *error =
            QCoreApplication::translate("MdbImport", "la tabella %1 non ha colonne").arg(t.name);
        return false;
    }
    if (!db.execute(QStringLiteral("CREATE TABLE %1 ( %2 )")
                        .arg(quoted(t.name), definitions.join(QStringLiteral(", "))))) {
        *error = QCoreApplication::translate("MdbImport", "la tabella %1 non si crea: %2")
                     .arg(t.name, db.errorText());
        return false;
    }
    QSqlQuery insert(db.handle());
    if (!insert.prepare(QStringLiteral("INSERT INTO %1 ( %2 ) VALUES ( %3 )")
                            .arg(quoted(t.name), names.join(QStringLiteral(", ")),
                                 marks.join(QStringLiteral(", "))))) {
        *error = QCoreApplication::translate("MdbImport", "la tabella %1: %2")
                     .arg(t.name, insert.lastError().text());
        return false;
    }
    if (!source.beginRows(t)) {
        *error = source.errorText();
        return false;
    }
    QVariantList values;
    qint64 row = 0;
    while (source.nextRow(values)) {
        ++row;
        if (values.size() != t.columns.size()) {
            *error = QCoreApplication::translate("MdbImport", "la tabella %1: riga %2 incompleta")
                         .arg(t.name)
                         .arg(row);
            return false;
        }
        for (int i = 0; i < values.size(); ++i) {
            QVariant stored;
            QString why;
            if (!storedValue(t.columns.at(i), values.at(i), &stored, &why)) {
                *error = QCoreApplication::translate("MdbImport", "la tabella %1, riga %2: %3")
                             .arg(t.name)
                             .arg(row)
                             .arg(why);
                return false;
            }
            insert.bindValue(i, stored);
        }
        if (!insert.exec()) {
            *error = QCoreApplication::translate("MdbImport", "la tabella %1, riga %2: %3")
                         .arg(t.name)
                         .arg(row)
                         .arg(insert.lastError().text());
            return false;
        }
        ++*done;
        if (progress && row % kProgressRows == 0 && !progress({*done, total, t.name})) {
            *cancelled = true;
            return false;
        }
    }
    if (!source.errorText().isEmpty()) {
        *error = source.errorText();
        return false;
    }
    return true;
}

// The indexes the program's queries need, on a new archive that lacks them.
bool createIndexes(Database& db, QString* error) {
    QSet<QString> present;
    {
        QSqlQuery q;
        if (!db.query(q, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index'"))) {
            *error = db.errorText();
            return false;
        }
        while (q.next())
            present.insert(q.value(0).toString().toLower());
    }
    for (const auto* list : {&Schema::Indexes(), &Schema::AlphabeticalIndexes()})
        for (const Schema::Index& index : *list)
            if (!present.contains(Schema::IndexName(index).toLower()) &&
                !db.execute(Schema::CreateIndexStatement(index, Schema::Dialect::SQLite))) {
                *error = QCoreApplication::translate("MdbImport", "l'indice %1 non si crea: %2")
                             .arg(Schema::IndexName(index), db.errorText());
                return false;
            }
    return true;
}

void removeWithCompanions(const QString& file) {
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        QFile::remove(file + QLatin1String(suffix));
}

} // namespace

QStringList MdbImport::RequiredTables() {
    QStringList names;
    for (const Required& r : required())
        names << QLatin1String(r.table);
    return names;
}

MdbImport::Check MdbImport::Inspect(MdbImportSource& source) {
    const QList<Source::Table> tables = source.tables();
    if (tables.isEmpty() && !source.errorText().isEmpty()) {
        Check check;
        check.error = source.errorText();
        return check;
    }
    return checkTables(tables);
}

MdbImport::Check MdbImport::Inspect(const QString& mdbFile) {
    QString error;
    const std::unique_ptr<MdbImportSource> source = OpenFile(mdbFile, &error);
    if (!source) {
        Check check;
        check.error = error;
        return check;
    }
    return Inspect(*source);
}

std::unique_ptr<MdbImportSource> MdbImport::OpenFile(const QString& mdbFile, QString* error) {
    auto reader = std::make_unique<MdbImportReader>();
    if (!reader->open(mdbFile)) {
        *error = reader->errorText();
        return nullptr;
    }
    return reader;
}

QString MdbImport::NotQuarzilText(const QString& file, const Check& check) {
    QStringList tables, columns;
    for (const QString& m : check.missing)
        (m.contains(u'.') ? columns : tables) << m;
    QStringList lacks;
    if (!tables.isEmpty())
        lacks << (tables.size() == 1
                      ? QCoreApplication::translate("MdbImport", "manca la tabella %1")
                      : QCoreApplication::translate("MdbImport", "mancano le tabelle %1"))
                     .arg(tables.join(QStringLiteral(", ")));
    if (!columns.isEmpty())
        lacks << (columns.size() == 1
                      ? QCoreApplication::translate("MdbImport", "manca la colonna %1")
                      : QCoreApplication::translate("MdbImport", "mancano le colonne %1"))
                     .arg(columns.join(QStringLiteral(", ")));
    QString found;
    if (check.tables.isEmpty()) {
        found = QCoreApplication::translate("MdbImport", "Il file non contiene tabelle.");
    } else {
        const QStringList shown = check.tables.mid(0, kTablesShown);
        found = QCoreApplication::translate("MdbImport", "Tabelle del file: %1")
                    .arg(shown.join(QStringLiteral(", ")));
        if (check.tables.size() > kTablesShown)
            found += QStringLiteral(" e altre %1").arg(check.tables.size() - kTablesShown);
        found += u'.';
    }
    const QString name = file.isEmpty() ? QString() : QFileInfo(file).fileName() + u' ';
    return QCoreApplication::translate("MdbImport",
                                       "Il file %1non è un archivio di Quarzil: %2. %3")
        .arg(name, lacks.join(QStringLiteral("; ")), found);
}

QString MdbImport::OleDateText(double oleDate) {
    // Jet keeps years 100 to 9999: -657434 is 1 January 100, 2958465 is 31 December 9999.
    if (!std::isfinite(oleDate) || oleDate < -657435.0 || oleDate >= 2958466.0)
        return QString();
    // Before 1900 the number counts the days backwards but the time of day forwards:
    // -1.25 is 29 December 1899 at 06:00.
    const double days = std::trunc(oleDate);
    qint64 ms = std::llround(std::fabs(oleDate - days) * 86400000.0);
    QDate date = QDate(1899, 12, 30).addDays(qint64(days));
    if (ms >= 86400000) {
        ms -= 86400000;
        date = date.addDays(1);
    }
    if (!date.isValid() || date.year() < 100 || date.year() > 9999)
        return QString();
    return QStringLiteral("%1-%2-%3T%4:%5:%6.%7")
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(ms / 3600000, 2, 10, QLatin1Char('0'))
        .arg(ms / 60000 % 60, 2, 10, QLatin1Char('0'))
        .arg(ms / 1000 % 60, 2, 10, QLatin1Char('0'))
        .arg(ms % 1000, 3, 10, QLatin1Char('0'));
}

MdbImport::Result MdbImport::Run(const QString& mdbFile, const QString& target, Mode mode,
                                 const ProgressCallback& progress) {
    QString error;
    const std::unique_ptr<MdbImportSource> source = OpenFile(mdbFile, &error);
    if (!source) {
        Result r;
        r.error = error;
        r.check.error = error;
        return r;
    }
    Result r = Run(*source, target, mode, progress);
    if (!r.ok && !r.cancelled && !r.check.readable)
        r.error = r.check.error;
    if (mode == Mode::Quarzil && r.check.readable && !r.check.quarzil)
        r.error = NotQuarzilText(mdbFile, r.check);
    return r;
}

MdbImport::Result MdbImport::Run(MdbImportSource& source, const QString& target, Mode mode,
                                 const ProgressCallback& progress) {
    Result r;
    const QList<Source::Table> tables = source.tables();
    if (tables.isEmpty() && !source.errorText().isEmpty()) {
        r.check.error = source.errorText();
        r.error = r.check.error;
        return r;
    }
    r.check = checkTables(tables);
    if (mode == Mode::Quarzil && !r.check.quarzil) {
        r.error = NotQuarzilText(QString(), r.check);
        return r;
    }
    if (tables.isEmpty()) {
        r.error = QCoreApplication::translate("MdbImport", "il file non contiene tabelle");
        return r;
    }

    // Built under another name and renamed at the very end: no half-built archive is ever
    // found under the name the user chose.
    const QString partial = target + QStringLiteral(".partial");
    removeWithCompanions(partial);
    {
        QFile empty(partial);
        if (!empty.open(QIODevice::WriteOnly)) {
            r.error = QCoreApplication::translate("MdbImport", "impossibile scrivere %1: %2")
                          .arg(partial, empty.errorString());
            return r;
        }
    }
    qint64 total = 0;
    for (const Source::Table& t : tables)
        total += t.rowCount;
    bool ok = true;
    {
        Database db(QStringLiteral("quarzil_mdb_") + QUuid::createUuid().toString(QUuid::Id128));
        ok = db.openRaw(ConnectionString::ForSqlite(partial));
        if (!ok)
            r.error = db.errorText();
        // The file is thrown away on any failure, so it needs no journal of its own meanwhile.
        ok = ok && db.execute(QStringLiteral("PRAGMA journal_mode=MEMORY")) &&
             db.execute(QStringLiteral("PRAGMA synchronous=OFF"));
        if (ok) {
            TransactionGuard guard(db);
            ok = guard.isActive();
            if (!ok)
                r.error = db.errorText();
            for (int i = 0; ok && i < tables.size(); ++i) {
                const Source::Table& t = tables.at(i);
                if (progress && !progress({r.rows, total, t.name})) {
                    r.cancelled = true;
                    ok = false;
                    break;
                }
                ok = copyTable(source, db, t, &r.rows, total, progress, &r.cancelled, &r.error);
                if (ok)
                    ++r.tables;
            }
            if (ok && !guard.commit()) {
                ok = false;
                r.error = db.errorText();
            }
        }
        if (ok && mode == Mode::Quarzil) {
            bool versionOk = false;
            r.versionFound = SchemaUpgrade::ReadVersion(db, &versionOk);
            if (!versionOk) {
                ok = false;
                r.versionFound = -1;
                r.error = QCoreApplication::translate(
                    "MdbImport", "la tabella Informazioni non dice la versione dell'archivio");
            } else if (r.versionFound > Schema::kCurrentVersion) {
                ok = false;
                r.error = QCoreApplication::translate(
                              "MdbImport", "l'archivio è alla versione %1, più recente di questo "
                                           "programma (versione %2): aggiornare il programma")
                              .arg(r.versionFound)
                              .arg(Schema::kCurrentVersion);
            } else if (SchemaUpgrade::Run(db) != SchemaUpgrade::UpToDate) {
                ok = false;
                r.error = QCoreApplication::translate(
                    "MdbImport", "Errore nell'aggiornare il database alla versione "
                                 "attuale del programma");
                if (!db.errorText().trimmed().isEmpty())
                    r.error += QStringLiteral(": ") + db.errorText();
            } else {
                r.versionReached = SchemaUpgrade::ReadVersion(db, &versionOk);
                ok = versionOk && createIndexes(db, &r.error);
            }
        }
        // The archive travels as one self-contained file.
        if (ok && !db.execute(QStringLiteral("PRAGMA journal_mode=DELETE"))) {
            ok = false;
            r.error = db.errorText();
        }
    }
    if (ok) {
        QFile::remove(target);
        removeWithCompanions(target);
        ok = QFile::rename(partial, target);
        if (!ok)
            r.error =
                QCoreApplication::translate("MdbImport", "impossibile scrivere %1").arg(target);
    }
    if (!ok) {
        removeWithCompanions(partial);
        if (r.cancelled)
            r.error.clear();
        return r;
    }
    r.ok = true;
    return r;
}
