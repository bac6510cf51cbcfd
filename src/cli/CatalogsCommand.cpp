#include "cli/CliCommand.h"
#include "store/ConnectionProbe.h"
#include "store/ConnectionString.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

int run(CliContext& c) {
    if (c.args.size() != 1 || ConnectionString::TypeOf(c.args.first()) != 1 ||
        !ConnectionString::IsValid(c.args.first()))
        return CliError(c, ExitUsage, QStringLiteral("uso: quarzil-cli catalogs STRINGA"));
    QStringList names;
    QString error;
    if (!ConnectionProbe::ListCatalogs(ConnectionProbe::FromString(c.args.first()), &names, &error))
        return CliError(c, ExitFailed, error);
    if (c.json) {
        c.out << QJsonDocument(QJsonArray::fromStringList(names)).toJson(QJsonDocument::Compact)
              << "\n";
        return ExitOk;
    }
    for (const QString& name : names)
        c.out << name << "\n";
    return ExitOk;
}

} // namespace

CliCommand CatalogsCommand() {
    return {"catalogs",
            "I database di un server PostgreSQL, come li elenca la finestra Connessione Dati.",
            "Uno per riga (con --json un array), in ordine di nome, senza i modelli e senza\n"
            "quelli a cui l'utente non può collegarsi.\n",
            "quarzil-cli catalogs [--json] STRINGA",
            CliCommand::Archive::None,
            true,
            run};
}
