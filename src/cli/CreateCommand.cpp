#include "cli/CliArchive.h"
#include "cli/CliCommand.h"
#include "store/ArchiveCreator.h"
#include "store/ConnectionString.h"

#include <QFileInfo>

namespace {

int run(CliContext& c) {
    QString server;
    if (!TakeOption(c.args, QStringLiteral("--server"), &server))
        return CliError(c, ExitUsage, QStringLiteral("--server senza stringa di connessione."));
    const bool replace = TakeFlag(c.args, QStringLiteral("--replace"));
    if (c.args.size() != 1 || c.args.first().startsWith(u'-'))
        return CliError(c, ExitUsage,
                        QStringLiteral("uso: quarzil-cli create [--replace] FILE.db | "
                                       "quarzil-cli create --server STRINGA CATALOGO"));
    const QString target = c.args.first();
    QString error;
    if (server.isNull()) {
        if (QFileInfo::exists(target) && !replace)
            return CliError(
                c, ExitFailed,
                QStringLiteral("il file %1 esiste già: nulla è stato scritto (--replace "
                               "lo sostituisce).")
                    .arg(target));
        if (!ArchiveCreator::CreateSqliteFile(target, &error))
            return CliError(c, ExitFailed,
                            QStringLiteral("impossibile creare %1: %2").arg(target, error));
        c.out << "Creato l'archivio " << QFileInfo(target).absoluteFilePath() << "\n";
        return ExitOk;
    }
    if (replace)
        return CliError(c, ExitUsage, QStringLiteral("--replace vale solo per un file."));
    if (!ConnectionString::IsValid(server) || ConnectionString::TypeOf(server) != 1)
        return CliError(c, ExitUsage,
                        QStringLiteral("--server vuole una stringa \"Provider=QPSQL;Data "
                                       "Source=host[:porta];User ID=...;Password=...\"."));
    if (!ArchiveCreator::CreatePostgresCatalog(server, target, &error))
        return CliError(
            c, ExitFailed,
            QStringLiteral("impossibile creare il catalogo \"%1\": %2").arg(target, error));
    c.out << "Creato il catalogo \"" << target << "\" sul server "
          << ConnectionString::Value(server, QStringLiteral("Data Source")) << "\n";
    return ExitOk;
}

} // namespace

CliCommand CreateCommand() {
    return {"create",
            "Crea un archivio nuovo e vuoto, all'ultima versione dello schema.",
            "FILE.db: un archivio SQLite; un file che esiste non viene toccato, salvo con\n"
            "--replace. --server STRINGA CATALOGO: un catalogo nuovo sul server PostgreSQL\n"
            "della stringa (Initial Catalog, se c'è, è il catalogo a cui collegarsi per crearlo).\n"
            "Un valore che contiene ';' va tra virgolette doppie, ogni virgoletta raddoppiata:\n"
            "Password=\"a;b\"\"c\" è la password a;b\"c.\n"
            "\nEsempio:\n"
            "  quarzil-cli create --server \"Provider=QPSQL;Data Source=server:5432;User ID=shop;"
            "Password=segreta\" quarzil\n",
            "quarzil-cli create [--replace] FILE.db | quarzil-cli create --server STRINGA CATALOGO",
            CliCommand::Archive::None,
            false,
            run};
}
