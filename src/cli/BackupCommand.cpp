#include "cli/CliCommand.h"
#include "store/ArchiveBackup.h"
#include "store/Database.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

int run(CliContext& c) {
    if (c.args.size() != 1 || c.args.first().startsWith(u'-'))
        return CliError(c, ExitUsage, QStringLiteral("uso: quarzil-cli backup FILE.db"));
    const QString target = QFileInfo(c.args.first()).absoluteFilePath();
    QString error;
    if (!ArchiveBackup::CopyTo(*c.db, target, &error))
        return CliError(
            c, ExitFailed,
            QStringLiteral("impossibile salvare l'archivio in %1: %2").arg(target, error));
    if (c.json) {
        QJsonObject o;
        o.insert(QStringLiteral("backup"), target);
        o.insert(QStringLiteral("bytes"), QFileInfo(target).size());
        c.out << QJsonDocument(o).toJson(QJsonDocument::Indented);
    } else {
        c.out << "Archivio dati salvato in " << target << "\n";
    }
    return ExitOk;
}

} // namespace

CliCommand BackupCommand() {
    return {"backup",
            "Salva una copia dell'archivio in un file SQLite.",
            "La copia si apre come ogni archivio (anche quella di un catalogo PostgreSQL).\n"
            "Viene scritta con un nome provvisorio e controllata prima di prendere il posto di\n"
            "un file già presente: se qualcosa non riesce, il file vecchio resta com'era.\n"
            "Con --json un oggetto con le chiavi backup e bytes.\n"
            "\nEsempio (cron, ogni notte alle 2):\n"
            "  0 2 * * * quarzil-cli backup /srv/copie/quarzil-$(date +\\%u).db\n",
            "quarzil-cli [--archive FILE.db | --connection STRINGA] backup FILE.db [--json]",
            CliCommand::Archive::Current,
            true,
            run};
}
