#include "cli/CliCommand.h"
#include "store/ConnectionProbe.h"
#include "store/ConnectionString.h"

namespace {

int run(CliContext& c) {
    if (c.args.size() != 1 || !ConnectionString::IsValid(c.args.first()))
        return CliError(c, ExitUsage, QStringLiteral("uso: quarzil-cli probe STRINGA"));
    const QString connection = c.args.first();
    QString error;
    if (ConnectionProbe::Probe(connection, &error) != ConnectionProbe::Result::Usable)
        return CliError(c, ExitFailed,
                        QStringLiteral("Impossibile aprire l'archivio dei dati! %1").arg(error));
    c.out << "Archivio utilizzabile: " << ConnectionString::Describe(connection) << "\n";
    return ExitOk;
}

} // namespace

CliCommand ProbeCommand() {
    return {"probe",
            "Prova una stringa di connessione come la finestra Connessione Dati.",
            "Apre l'archivio della stringa senza cambiarlo e controlla che abbia le tabelle del\n"
            "programma. Esce con 0 se è utilizzabile, con 1 e il motivo altrimenti.\n",
            "quarzil-cli probe STRINGA",
            CliCommand::Archive::None,
            false,
            run};
}
