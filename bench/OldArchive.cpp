#include "OldArchive.h"

#include "store/ConnectionString.h"
#include "store/Database.h"
#include "store/SchemaUpgrade.h"

#include <QFile>
#include <QSqlQuery>
#include <QStringList>
#include <QUuid>

namespace OldArchive {

namespace {
// The tables no step ever created: they come with the first version. Two texts are narrower
// than today (steps 12 and 16 widen them); the version row holds 0.
const char* const kBaseTables[] = {
    "CREATE TABLE Articoli ( IDArticolo INTEGER PRIMARY KEY AUTOINCREMENT, Matricola TEXT(30), "
    "Descrizione TEXT(100), IDUM INTEGER, CodBarre TEXT(20), Prezzo CURRENCY, ScortaMin REAL )",
    "CREATE TABLE Movimenti ( IDMovimento INTEGER PRIMARY KEY AUTOINCREMENT, Numero TEXT(20), "
    "Data DATETIME, IDCliFor INTEGER, Tipo INTEGER )",
    "CREATE TABLE SottoMovimenti ( IDSottoMovimento INTEGER PRIMARY KEY AUTOINCREMENT, "
    "IDMovimento INTEGER, Qt REAL, IDArticolo INTEGER, IDUM INTEGER, Prezzo CURRENCY, Iva REAL )",
    "CREATE TABLE CliFor ( IDCliFor INTEGER PRIMARY KEY AUTOINCREMENT, RagSoc TEXT(100), "
    "Indirizzo TEXT(100), Comune TEXT(100), Telefono TEXT(20), Cellulare TEXT(20), EMail "
    "TEXT(50), Web TEXT(50), CodFisc TEXT(16), PartIva TEXT(20), CliFor BIT )",
    "CREATE TABLE UnMis ( IDUM INTEGER PRIMARY KEY AUTOINCREMENT, Sigla TEXT(5), Descrizione "
    "TEXT(20) )",
    "CREATE TABLE Ordini ( IDOrdine INTEGER PRIMARY KEY AUTOINCREMENT, Numero TEXT(20), Data "
    "DATETIME, IDCliFor INTEGER, Evaso BIT, Notes TEXT )",
    "CREATE TABLE SottoOrdini ( IDSottoOrdine INTEGER PRIMARY KEY AUTOINCREMENT, IDOrdine "
    "INTEGER, IDArticolo INTEGER, IDUM INTEGER, Qt REAL, Prezzo CURRENCY, Iva REAL, Sconto REAL )",
    "CREATE TABLE Informazioni ( Versione INTEGER )",
    "INSERT INTO Informazioni (Versione) VALUES (0)",
};
} // namespace

QString Create(const QString& path, int version, QString* error) {
    QFile::remove(path);
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly)) {
            *error = f.errorString();
            return QString();
        }
    }
    const QString connection = ConnectionString::ForSqlite(path);
    Database db(QStringLiteral("old_archive_") + QUuid::createUuid().toString(QUuid::Id128));
    if (!db.openRaw(connection)) {
        *error = db.errorText();
        return QString();
    }
    for (const char* sql : kBaseTables)
        if (!db.execute(QLatin1String(sql))) {
            *error = QStringLiteral("%1: %2").arg(QLatin1String(sql), db.errorText());
            return QString();
        }
    if (version > 0) {
        SchemaUpgrade::Options options;
        options.targetVersion = version;
        SchemaUpgrade::Report report;
        if (SchemaUpgrade::Run(db, options, &report) != SchemaUpgrade::UpToDate) {
            *error = report.describe();
            return QString();
        }
    }
    return connection;
}

bool FillFromCurrent(Database& db, const QString& source, QString* error) {
    const auto fail = [&] {
        *error = db.errorText();
        return false;
    };
    if (!db.execute(QStringLiteral("ATTACH DATABASE ? AS src"), {source}))
        return fail();
    bool ok = db.beginTransaction();
    for (const char* table :
         {"Articoli", "Movimenti", "SottoMovimenti", "CliFor", "UnMis", "Ordini", "SottoOrdini"}) {
        if (!ok)
            break;
        const QString name = QLatin1String(table);
        QStringList columns, values;
        QSqlQuery q;
        ok = db.query(q, QStringLiteral("PRAGMA main.table_info(%1)").arg(name));
        while (ok && q.next()) {
            const QString column = q.value(1).toString();
            columns << column;
            // The classification texts from the tables that replaced them.
            if (name == QLatin1String("Articoli") && column == QLatin1String("Categoria"))
                values << QStringLiteral("(SELECT Categoria FROM src.Categorie c WHERE "
                                         "c.IDCategoria = t.IDCategoria)");
            else if (name == QLatin1String("Articoli") && column == QLatin1String("Reparto"))
                values << QStringLiteral("(SELECT Reparto FROM src.Reparti r WHERE "
                                         "r.IDReparto = t.IDReparto)");
            else if (name == QLatin1String("Articoli") && column == QLatin1String("Scaffale"))
                values << QStringLiteral("(SELECT Scaffale FROM src.Scaffali s WHERE "
                                         "s.IDScaffale = t.IDScaffale)");
            else
                values << QStringLiteral("t.") + column;
        }
        q.finish();
        ok = ok && db.execute(QStringLiteral("DELETE FROM main.%1").arg(name)) &&
             db.execute(QStringLiteral("INSERT INTO main.%1 (%2) SELECT %3 FROM src.%1 t")
                            .arg(name, columns.join(QStringLiteral(", ")),
                                 values.join(QStringLiteral(", "))));
    }
    if (!ok) {
        *error = db.errorText();
        db.rollback();
        db.execute(QStringLiteral("DETACH DATABASE src"));
        return false;
    }
    ok = db.commit();
    db.execute(QStringLiteral("DETACH DATABASE src"));
    return ok || fail();
}

} // namespace OldArchive
