#include "cli/CliCommand.h"
#include "cli/PrintJobs.h"
#include "common/Profile.h"
#include "exchange/ItemExport.h"
#include "exchange/ItemImport.h"
#include "items/ArtFilter.h"
#include "print/ItemReportData.h"
#include "store/Database.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <memory>

namespace {

// The conventions of amounts and numbers are the user's, from the profile as it stands; a
// missing profile is never created here.
std::unique_ptr<Profile> UserProfile(QTemporaryDir& scratch) {
    const QString userFile = QFileInfo::exists(Profile::DefaultUserFile())
                                 ? Profile::DefaultUserFile()
                                 : scratch.filePath(QStringLiteral("Quarzil.ini"));
    return std::make_unique<Profile>(userFile, Profile::DefaultMachineFile());
}

bool TakeSubject(CliContext& c) {
    if (c.args.isEmpty() || c.args.first() != QStringLiteral("items")) {
        CliError(c, ExitUsage,
                 QStringLiteral("manca \"items\": per ora si scambiano gli articoli."));
        return false;
    }
    c.args.removeFirst();
    return true;
}

// "--filter code=AB*" and the like, as the items list's filter window takes them.
bool TakeFilter(CliContext& c, ArtFilter* filter, bool* given) {
    QString code, description, category;
    int stock = ArtFilter::AnyStock;
    *given = false;
    for (;;) {
        QString text;
        if (!TakeOption(c.args, QStringLiteral("--filter"), &text)) {
            CliError(c, ExitUsage, QStringLiteral("--filter vuole CAMPO=VALORE."));
            return false;
        }
        if (text.isNull())
            break;
        *given = true;
        const qsizetype eq = text.indexOf(u'=');
        const QString field = text.left(eq).trimmed().toLower();
        const QString value = eq < 0 ? QString() : text.mid(eq + 1);
        if (eq < 0 || field.isEmpty()) {
            CliError(c, ExitUsage, QStringLiteral("--filter vuole CAMPO=VALORE: %1").arg(text));
            return false;
        }
        if (field == QStringLiteral("code")) {
            code = value;
        } else if (field == QStringLiteral("description")) {
            description = value;
        } else if (field == QStringLiteral("category")) {
            category = value;
        } else if (field == QStringLiteral("stock")) {
            bool ok = false;
            stock = value.toInt(&ok);
            if (!ok || stock < 0 || stock > ArtFilter::ToReorder) {
                CliError(c, ExitUsage,
                         QStringLiteral("--filter stock= vuole 0 (tutti), 1 (sopra zero), 2 (sotto "
                                        "zero), 3 (a zero) o 4 (da riordinare)."));
                return false;
            }
        } else {
            CliError(c, ExitUsage,
                     QStringLiteral("--filter: campo sconosciuto \"%1\" (code, description, "
                                    "category, stock).")
                         .arg(field));
            return false;
        }
    }
    if (*given)
        *filter = ArtFilter::FromTexts(*c.db, code, description, category, stock);
    return true;
}

int runExport(CliContext& c) {
    if (!TakeSubject(c))
        return ExitUsage;
    QList<int> keys;
    if (!TakeKeysOption(c, QStringLiteral("--items"), &keys))
        return ExitUsage;
    ArtFilter filter;
    bool filtered = false;
    if (!TakeFilter(c, &filter, &filtered))
        return ExitUsage;
    if (c.args.size() != 1)
        return CliError(c, ExitUsage,
                        c.args.isEmpty() ? QStringLiteral("manca il file (FILE.csv o FILE.xml).")
                                         : QStringLiteral("argomento inatteso: %1").arg(c.args[1]));
    if (!keys.isEmpty() && filtered)
        return CliError(c, ExitUsage, QStringLiteral("--items e --filter non vanno insieme."));
    const QString file = QFileInfo(c.args.first()).absoluteFilePath();
    if (keys.isEmpty() && !ItemReportData::ListedKeys(*c.db, &keys, filtered ? &filter : nullptr))
        return CliError(c, ExitFailed, c.db->errorText());
    if (keys.isEmpty())
        return CliError(c, ExitFailed, QStringLiteral("Non ci sono dati da esportare."));

    QTemporaryDir scratch;
    const auto profile = UserProfile(scratch);
    ItemExport exporter(*c.db, *profile);
    const ItemExport::Result result = exporter.run(keys, file);
    switch (result.status) {
    case ItemExport::Result::Status::Written:
        break;
    case ItemExport::Result::Status::FolderFailed:
        return CliError(c, ExitFailed, ItemExport::FolderMessage());
    default:
        return CliError(c, ExitFailed,
                        QStringLiteral("impossibile scrivere %1: %2").arg(file, result.error));
    }
    if (c.json)
        c.out << QJsonDocument(
                     QJsonObject{{QStringLiteral("file"), QDir::fromNativeSeparators(file)},
                                 {QStringLiteral("items"), result.count}})
                     .toJson(QJsonDocument::Compact)
              << '\n';
    else
        c.out << ItemExport::CreatedMessage(file)
              << QStringLiteral(" (%1 articoli)\n").arg(result.count);
    return ExitOk;
}

bool ParseMap(CliContext& c, const QString& text, ItemImport::Mapping* mapping) {
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        const qsizetype eq = part.indexOf(u'=');
        bool ok = false;
        const int column = part.left(eq).trimmed().toInt(&ok);
        const int target = eq < 0 ? -1 : ItemImport::TargetFromName(part.mid(eq + 1));
        if (!ok || column < 1 || column > ItemImport::kColumns || target < 0) {
            CliError(c, ExitUsage,
                     QStringLiteral("--map: \"%1\" non è COLONNA=CAMPO (colonne da 1 a %2; campi: "
                                    "%3).")
                         .arg(part)
                         .arg(ItemImport::kColumns)
                         .arg(ItemImport::TargetNames().mid(1).join(QStringLiteral(", "))));
            return false;
        }
        mapping->targets[column - 1] = target;
    }
    const ItemImport::MappingProblem problem = ItemImport::Check(*mapping);
    if (problem != ItemImport::MappingProblem::None) {
        CliError(c, ExitUsage, ItemImport::ProblemMessage(problem));
        return false;
    }
    return true;
}

int runImport(CliContext& c) {
    if (!TakeSubject(c))
        return ExitUsage;
    ItemImport::Mapping mapping;
    QString map, separator, delimiter;
    if (!TakeOption(c.args, QStringLiteral("--map"), &map) || map.isEmpty())
        return CliError(c, ExitUsage,
                        QStringLiteral("--map \"1=Matricola,2=Descrizione,...\" è obbligatorio."));
    if (!TakeOption(c.args, QStringLiteral("--separator"), &separator) ||
        !TakeOption(c.args, QStringLiteral("--delimiter"), &delimiter))
        return CliError(c, ExitUsage,
                        QStringLiteral("--separator e --delimiter vogliono un valore."));
    mapping.heading = TakeFlag(c.args, QStringLiteral("--heading"));
    const bool acceptErrors = TakeFlag(c.args, QStringLiteral("--accept-errors"));
    if (!separator.isNull()) {
        if (separator != QStringLiteral(";") && separator != QStringLiteral(",") &&
            separator != QStringLiteral("."))
            return CliError(c, ExitUsage,
                            QStringLiteral("--separator vuole \";\", \",\" o \".\"."));
        mapping.separator = separator[0];
    }
    if (!delimiter.isNull()) {
        if (delimiter.isEmpty() || delimiter == QStringLiteral("none"))
            mapping.delimiter = QChar();
        else if (delimiter == QStringLiteral("\"") || delimiter == QStringLiteral("'"))
            mapping.delimiter = delimiter[0];
        else
            return CliError(c, ExitUsage, QStringLiteral("--delimiter vuole '\"', \"'\" o none."));
    }
    if (!ParseMap(c, map, &mapping))
        return ExitUsage;
    if (c.args.size() != 1)
        return CliError(c, ExitUsage,
                        c.args.isEmpty() ? QStringLiteral("manca il file da importare.")
                                         : QStringLiteral("argomento inatteso: %1").arg(c.args[1]));
    const QString file = c.args.first();
    if (QFileInfo(file).suffix().compare(QStringLiteral("xml"), Qt::CaseInsensitive) == 0)
        return CliError(c, ExitFailed, ItemImport::XmlMessage());

    QTemporaryDir scratch;
    const auto profile = UserProfile(scratch);
    ItemImport importer(*c.db, *profile);
    importer.acceptErrors = [acceptErrors](const ItemImport::Result&) { return acceptErrors; };
    if (c.progress)
        importer.progress = [&c](qint64 done, qint64 total) {
            c.err << QStringLiteral("\r%1 %").arg(total > 0 ? done * 100 / total : 0) << Qt::flush;
            return true;
        };
    const ItemImport::Result result = importer.run(file, mapping);
    if (c.progress)
        c.err << '\r' << Qt::flush;

    using Status = ItemImport::Result::Status;
    const bool kept = result.status == Status::Imported;
    if (c.json) {
        QJsonArray rejected;
        for (const ItemImport::Rejected& r : result.rejected)
            rejected.append(QJsonObject{{QStringLiteral("line"), r.line},
                                        {QStringLiteral("reason"), r.reason}});
        static const char* const statuses[] = {"imported", "declined", "cancelled", "unreadable",
                                               "failed"};
        c.out << QJsonDocument(QJsonObject{{QStringLiteral("status"),
                                            QString::fromLatin1(statuses[int(result.status)])},
                                           {QStringLiteral("imported"), kept ? result.imported : 0},
                                           {QStringLiteral("rejected"), rejected.size()},
                                           {QStringLiteral("truncated"), result.truncatedLines},
                                           {QStringLiteral("rejectedLines"), rejected},
                                           {QStringLiteral("error"), result.error}})
                     .toJson(QJsonDocument::Compact)
              << '\n';
    } else {
        c.out << QStringLiteral("Importati: %1\nScartati: %2\nTroncati: %3\n")
                     .arg(kept ? result.imported : 0)
                     .arg(result.rejected.size())
                     .arg(result.truncatedLines);
        for (const ItemImport::Rejected& r : result.rejected)
            c.out << QStringLiteral("riga %1: %2\n").arg(r.line).arg(r.reason);
    }
    switch (result.status) {
    case Status::Imported:
        if (result.countersFailed)
            return CliError(
                c, ExitFailed,
                QStringLiteral("giacenze non ricalcolate: usare quarzil-cli recompute."));
        return ExitOk;
    case Status::Declined:
        return CliError(c, ExitFailed,
                        QStringLiteral("nulla è stato importato: ci sono righe scartate "
                                       "(--accept-errors importa le altre)."));
    case Status::Unreadable:
        return CliError(
            c, ExitFailed,
            QStringLiteral("%1 (%2)").arg(ItemImport::UnreadableMessage(), result.error));
    default:
        return CliError(c, ExitFailed,
                        QStringLiteral("%1 %2").arg(ItemImport::UnreadableMessage(), result.error));
    }
}

} // namespace

CliCommand ExportCommand() {
    return {"export",
            "Esporta gli articoli in un file CSV o XML (con la cartella images).",
            "Scrive gli articoli, nell'ordine della lista per matricola, nel formato che\n"
            "l'estensione del file dice: .xml il file per il sito con la cartella images\n"
            "accanto, ogni altra un file CSV (UTF-8, \";\" fra i campi).\n"
            "  --items CHIAVI        solo gli articoli con queste chiavi, in quell'ordine\n"
            "  --filter CAMPO=VALORE come il filtro della lista; si ripete: code=AB*,\n"
            "                        description=vino*, category=NOME, stock=0..4\n"
            "  --json                {\"file\": ..., \"items\": N}\n",
            "quarzil-cli export items FILE.csv|FILE.xml [--items CHIAVI] [--filter CAMPO=VALORE]",
            CliCommand::Archive::Current,
            true,
            runExport};
}

CliCommand ImportCommand() {
    return {"import",
            "Importa articoli da un file CSV con le colonne indicate.",
            "Legge le righe del file e ne fa articoli, in una sola transazione.\n"
            "  --map \"1=Matricola,2=Descrizione,...\"  la colonna (da 1 a 14) di ogni campo:\n"
            "        Matricola, Descrizione, Codice a barre, Prezzo, I.V.A., Ricarico,\n"
            "        Categoria, Reparto, Scaffale, Un.di Misura, Qt.Minima, Giacenza Iniz.,\n"
            "        Codice Forn., Gruppo (Matricola, Descrizione e Un.di Misura obbligatori)\n"
            "  --separator \";\"|\",\"|\".\"   fra i campi (predefinito \";\")\n"
            "  --delimiter '\"'|\"'\"|none  intorno ai testi (predefinito nessuno)\n"
            "  --heading             la prima riga ha i nomi delle colonne\n"
            "  --accept-errors       importa le righe buone anche se altre sono scartate\n"
            "                        (senza: nulla è importato ed esce con 1)\n"
            "  --json                {\"status\", \"imported\", \"rejected\", \"truncated\",\n"
            "                        \"rejectedLines\": [{\"line\", \"reason\"}], \"error\"}\n",
            "quarzil-cli import items FILE.csv --map MAPPA [--separator S] [--delimiter D] "
            "[--heading] [--accept-errors]",
            CliCommand::Archive::Current,
            true,
            runImport};
}
