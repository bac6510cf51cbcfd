#include "cli/CliCommand.h"
#include "store/MdbImport.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonValue version(int v) {
    return v < 0 ? QJsonValue() : QJsonValue(v);
}

int run(CliContext& c) {
    const bool any = TakeFlag(c.args, QStringLiteral("--any"));
    const bool replace = TakeFlag(c.args, QStringLiteral("--replace"));
    if (c.args.size() != 2 || c.args.at(0).startsWith(u'-') || c.args.at(1).startsWith(u'-'))
        return CliError(c, ExitUsage,
                        QStringLiteral("uso: quarzil-cli import-mdb [--any] [--replace] "
                                       "FILE.mdb NUOVO.db [--json]"));
    const QString source = c.args.at(0);
    const QString target = QFileInfo(c.args.at(1)).absoluteFilePath();
    if (!QFileInfo(source).isFile())
        return CliError(c, ExitFailed, QStringLiteral("il file %1 non esiste.").arg(source));
    if (QFileInfo(source).absoluteFilePath() == target)
        return CliError(c, ExitUsage,
                        QStringLiteral("il nuovo archivio non può essere il file da importare."));
    if (QFileInfo::exists(target) && !replace)
        return CliError(c, ExitFailed,
                        QStringLiteral("il file %1 esiste già: nulla è stato scritto (--replace "
                                       "lo sostituisce).")
                            .arg(target));

    MdbImport::ProgressCallback progress;
    if (c.progress && !c.json)
        progress = [&c](const MdbImport::Progress& p) {
            c.err << QStringLiteral("\r%1 di %2 righe (%3)\x1b[K")
                         .arg(p.rowsDone)
                         .arg(p.rowsTotal)
                         .arg(p.table);
            c.err.flush();
            return true;
        };
    QElapsedTimer clock;
    clock.start();
    const MdbImport::Result r = MdbImport::Run(
        source, target, any ? MdbImport::Mode::AnyArchive : MdbImport::Mode::Quarzil, progress);
    if (progress) {
        c.err << "\r\x1b[K";
        c.err.flush();
    }
    if (!r.ok) {
        if (r.check.readable && !r.check.quarzil && !any)
            return CliError(c, ExitFailed,
                            r.error + QStringLiteral(" Nulla è stato scritto; con --any se ne "
                                                     "importano i soli dati."));
        return CliError(
            c, ExitFailed,
            QStringLiteral("importazione non riuscita, nulla è stato scritto: %1").arg(r.error));
    }
    if (c.json) {
        QJsonObject o;
        o.insert(QStringLiteral("source"), QFileInfo(source).absoluteFilePath());
        o.insert(QStringLiteral("archive"), target);
        o.insert(QStringLiteral("quarzilArchive"), r.check.quarzil);
        o.insert(QStringLiteral("upgraded"), r.versionReached >= 0);
        o.insert(QStringLiteral("tables"), r.tables);
        o.insert(QStringLiteral("rows"), r.rows);
        o.insert(QStringLiteral("versionFound"), version(r.versionFound));
        o.insert(QStringLiteral("versionReached"), version(r.versionReached));
        o.insert(QStringLiteral("missing"), QJsonArray::fromStringList(r.check.missing));
        o.insert(QStringLiteral("milliseconds"), clock.elapsed());
        c.out << QJsonDocument(o).toJson(QJsonDocument::Indented);
        return ExitOk;
    }
    c.out << QStringLiteral("Importato %1 in %2: %3 tabelle, %4 righe.\n")
                 .arg(QFileInfo(source).fileName(), target)
                 .arg(r.tables)
                 .arg(r.rows);
    if (r.versionReached >= 0)
        c.out << QStringLiteral("Archivio di Quarzil alla versione %1, portato alla versione %2.\n")
                     .arg(r.versionFound)
                     .arg(r.versionReached);
    else
        c.out << QStringLiteral("Non è un archivio di Quarzil: importati i soli dati, senza "
                                "aggiornamento.\n");
    return ExitOk;
}

} // namespace

CliCommand ImportMdbCommand() {
    return {"import-mdb",
            "Importa un archivio Access (.mdb) del programma per Windows in un nuovo archivio.",
            "Copia ogni tabella del file Jet/Access, con i suoi nomi, colonne e righe, in un\n"
            "nuovo archivio SQLite NUOVO.db, poi lo aggiorna all'ultima versione dello schema.\n"
            "Un file che non è un archivio di Quarzil (lo dicono le sue tabelle) è rifiutato;\n"
            "con --any se ne importano i soli dati, senza aggiornamento. NUOVO.db, se esiste,\n"
            "non viene toccato, salvo con --replace. Se qualcosa non riesce non resta nessun\n"
            "file. Con --json un oggetto con le chiavi source, archive, quarzilArchive,\n"
            "upgraded, tables, rows, versionFound, versionReached, missing, milliseconds.\n",
            "quarzil-cli import-mdb [--any] [--replace] FILE.mdb NUOVO.db [--json]",
            CliCommand::Archive::None,
            true,
            run};
}
