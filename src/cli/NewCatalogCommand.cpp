#include "cli/CliCommand.h"
#include "common/AppPaths.h"
#include "store/CatalogCreator.h"
#include "store/ConnectionProbe.h"
#include "store/ConnectionString.h"

#include <QCoreApplication>
#include <utility>

namespace {

int run(CliContext& c) {
    QString server;
    QString templateFile;
    if (!TakeOption(c.args, QStringLiteral("--server"), &server) ||
        !TakeOption(c.args, QStringLiteral("--template"), &templateFile) || server.isNull() ||
        !ConnectionString::IsValid(server) || ConnectionString::TypeOf(server) != 1 ||
        c.args.size() != 1)
        return CliError(c, ExitUsage,
                        QStringLiteral("uso: quarzil-cli newcatalog --server STRINGA "
                                       "[--template FILE.db] DATABASE"));
    if (templateFile.isNull())
        templateFile = AppPaths::TemplateFile(
            AppPaths::FindInstallationFolder(QCoreApplication::applicationDirPath()));
    const ConnectionProbe::Fields f = ConnectionProbe::FromString(server);
    CatalogCreator::Request request{f.server, f.user, f.password, c.args.first(), templateFile};
    CatalogCreator::Outcome outcome;
    const bool created = CatalogCreator::Create(request, &outcome);
    for (const QString& unit : std::as_const(outcome.unitFailures))
        c.err << "Errore nell'importazione: " << unit << "\n";
    if (!created)
        return CliError(c, ExitFailed, outcome.error);
    c.out << QStringLiteral("Database %1 su %2 creato con successo!\n")
                 .arg(request.catalog, request.server);
    return ExitOk;
}

} // namespace

CliCommand NewCatalogCommand() {
    return {
        "newcatalog",
        "Un database PostgreSQL nuovo e vuoto, come lo installa la finestra Connessione Dati.",
        "Crea il database sul server della stringa (User ID e Password servono a collegarsi),\n"
        "con le tabelle del programma, le unità di misura del database modello (--template,\n"
        "altrimenti quello installato) e la versione dello schema. Il nome è usato così com'è.\n",
        "quarzil-cli newcatalog --server STRINGA [--template FILE.db] DATABASE",
        CliCommand::Archive::None,
        false,
        run};
}
