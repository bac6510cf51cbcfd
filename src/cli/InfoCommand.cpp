#include "cli/CliCommand.h"
#include "store/ArchiveInfo.h"
#include "store/Database.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

int run(CliContext& c) {
    if (!c.args.isEmpty())
        return CliError(c, ExitUsage, QStringLiteral("argomento inatteso: %1").arg(c.args.first()));
    ArchiveInfo info;
    if (!ReadArchiveInfo(*c.db, &info))
        return CliError(
            c, ExitFailed,
            QStringLiteral("impossibile leggere l'archivio: %1").arg(c.db->errorText()));
    const bool postgres = c.db->isPostgres();
    if (c.json) {
        QJsonObject o;
        if (postgres) {
            o.insert(QStringLiteral("server"), c.server);
            o.insert(QStringLiteral("catalog"), c.catalog);
        } else {
            o.insert(QStringLiteral("archive"), c.archiveFile);
        }
        o.insert(QStringLiteral("backend"),
                 postgres ? QStringLiteral("postgresql") : QStringLiteral("sqlite"));
        o.insert(QStringLiteral("schemaVersion"), info.schemaVersion);
        o.insert(QStringLiteral("items"), info.items);
        o.insert(QStringLiteral("counterparts"), info.counterparts);
        o.insert(QStringLiteral("movements"), info.movements);
        o.insert(QStringLiteral("rows"), info.rows);
        o.insert(QStringLiteral("agendaEntries"), info.agendaEntries);
        c.out << QJsonDocument(o).toJson(QJsonDocument::Indented);
        return ExitOk;
    }
    if (postgres)
        c.out << "Server: " << c.server << "\nCatalogo: " << c.catalog << "\n";
    else
        c.out << "Archivio: " << c.archiveFile << "\n";
    c.out << "Tipo: " << (postgres ? "PostgreSQL" : "SQLite") << "\n"
          << "Versione dello schema: " << info.schemaVersion << "\n"
          << "Articoli: " << info.items << "\n"
          << "Anagrafiche: " << info.counterparts << "\n"
          << "Movimenti: " << info.movements << "\n"
          << "Righe dei movimenti: " << info.rows << "\n"
          << "Voci di agenda: " << info.agendaEntries << "\n";
    return ExitOk;
}

} // namespace

CliCommand InfoCommand() {
    return {"info",
            "Dove è l'archivio, la sua versione e quanti dati contiene.",
            "Stampa il file o il server e il catalogo, il tipo di archivio, la versione dello\n"
            "schema e il numero di articoli, anagrafiche, movimenti, righe dei movimenti e voci\n"
            "di agenda. Con --json un oggetto con le chiavi archive (o server e catalog),\n"
            "backend, schemaVersion, items, counterparts, movements, rows, agendaEntries.\n",
            "quarzil-cli [--archive FILE.db | --connection STRINGA] info [--json]",
            CliCommand::Archive::Current,
            true,
            run};
}
