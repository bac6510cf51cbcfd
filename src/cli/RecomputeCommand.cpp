#include "cli/CliCommand.h"
#include "items/CounterCheck.h"
#include "items/StockCounters.h"
#include "items/UpdateAllArtInfo.h"
#include "store/Database.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

int check(CliContext& c, int itemId) {
    CounterCheckResult result;
    if (!CheckArtCounters(*c.db, itemId, &result)) {
        if (itemId > 0 && result.items == 0 && !c.db->lastError().isValid())
            return CliError(c, ExitFailed, QStringLiteral("l'articolo %1 non esiste.").arg(itemId));
        return CliError(
            c, ExitFailed,
            QStringLiteral("impossibile leggere l'archivio: %1").arg(c.db->errorText()));
    }
    if (c.json) {
        QJsonArray differences;
        for (const CounterDifference& d : result.differences)
            differences.append(QJsonObject{{QStringLiteral("item"), d.itemId},
                                           {QStringLiteral("code"), d.code},
                                           {QStringLiteral("column"), d.column},
                                           {QStringLiteral("stored"), d.stored},
                                           {QStringLiteral("recomputed"), d.recomputed}});
        c.out << QJsonDocument(QJsonObject{{QStringLiteral("items"), result.items},
                                           {QStringLiteral("differences"), differences}})
                     .toJson(QJsonDocument::Indented);
    } else {
        for (const CounterDifference& d : result.differences)
            c.out << QStringLiteral("%1\t%2\t%3\tarchivio %4\tricalcolato %5\n")
                         .arg(d.itemId)
                         .arg(d.code, d.column, d.stored, d.recomputed);
        if (result.differences.empty())
            c.out << QStringLiteral("Contatori giusti per %1 articoli.\n").arg(result.items);
        else
            c.err << QStringLiteral("%1 valori diversi dai movimenti, su %2 articoli.\n")
                         .arg(result.differences.size())
                         .arg(result.items);
    }
    return result.differences.empty() ? ExitOk : ExitFailed;
}

int recompute(CliContext& c, int itemId) {
    QElapsedTimer clock;
    clock.start();
    if (itemId > 0) {
        CounterCheckResult exists;
        if (!CheckArtCounters(*c.db, itemId, &exists))
            return CliError(
                c, ExitFailed,
                exists.items == 0 && !c.db->lastError().isValid()
                    ? QStringLiteral("l'articolo %1 non esiste.").arg(itemId)
                    : QStringLiteral("impossibile leggere l'archivio: %1").arg(c.db->errorText()));
        if (!UpdateArtInfo(*c.db, nullptr, itemId))
            return CliError(c, ExitFailed,
                            QStringLiteral("impossibile scrivere l'articolo %1: %2")
                                .arg(itemId)
                                .arg(c.db->errorText()));
        c.out << QStringLiteral("Ricalcolati i contatori dell'articolo %1.\n").arg(itemId);
        return ExitOk;
    }
    if (c.progress)
        c.err << "Ricalcolo dei contatori di tutti gli articoli...\n" << Qt::flush;
    const int items = UpdateAllArtInfo(*c.db, nullptr);
    if (items < 0)
        return CliError(c, ExitFailed,
                        QStringLiteral("ricalcolo non riuscito, nulla è stato cambiato: %1")
                            .arg(c.db->errorText()));
    c.out << QStringLiteral("Ricalcolati i contatori di %1 articoli in %2 s.\n")
                 .arg(items)
                 .arg(clock.elapsed() / 1000.0, 0, 'f', 1);
    return ExitOk;
}

int run(CliContext& c) {
    const bool checkOnly = TakeFlag(c.args, QStringLiteral("--check"));
    QString itemText;
    if (!TakeOption(c.args, QStringLiteral("--item"), &itemText))
        return CliError(c, ExitUsage, QStringLiteral("--item senza la chiave dell'articolo."));
    if (!c.args.isEmpty())
        return CliError(c, ExitUsage, QStringLiteral("argomento inatteso: %1").arg(c.args.first()));
    int itemId = 0;
    if (!itemText.isNull()) {
        bool ok = false;
        itemId = itemText.toInt(&ok);
        if (!ok || itemId <= 0)
            return CliError(c, ExitUsage,
                            QStringLiteral("--item vuole la chiave (IDArticolo) di un articolo, "
                                           "un numero sopra 0."));
    }
    if (c.json && !checkOnly)
        return CliError(c, ExitUsage, QStringLiteral("--json vale con --check."));
    return checkOnly ? check(c, itemId) : recompute(c, itemId);
}

} // namespace

CliCommand RecomputeCommand() {
    return {"recompute",
            "Ricalcola dai movimenti i contatori di magazzino degli articoli.",
            "Senza opzioni ricalcola carichi, scarichi, resi, giacenza, riordino, ordinato,\n"
            "unità e data dell'ultimo movimento di ogni articolo, in una sola transazione.\n"
            "  --item CHIAVE   solo l'articolo con quella chiave (IDArticolo)\n"
            "  --check         non scrive nulla: elenca ogni valore registrato che i movimenti\n"
            "                  non danno (chiave, codice, colonna, valore registrato, valore\n"
            "                  ricalcolato) ed esce con 1 se ce n'è almeno uno\n"
            "  --json          con --check: {\"items\": N, \"differences\": [{\"item\", \"code\",\n"
            "                  \"column\", \"stored\", \"recomputed\"}]}\n"
            "\nEsempio, un controllo ogni notte con cron:\n"
            "  30 2 * * * quarzil-cli recompute --check >/dev/null || echo \"contatori da "
            "ricalcolare\"\n",
            "quarzil-cli recompute [--check [--json]] [--item CHIAVE]",
            CliCommand::Archive::Current,
            true,
            run};
}
