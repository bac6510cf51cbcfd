#include "cli/CliCommand.h"
#include "common/AppPaths.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/SchemaUpgrade.h"
#include "store/UpgradeProgress.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The migration's bar as a percentage on a terminal's standard error.
class TerminalProgress : public UpgradeProgress {
public:
    explicit TerminalProgress(QTextStream& err) : m_err(err) {}
    void begin() override { setPosition(1); }
    void setPosition(int position) override {
        m_position = qBound(1, position, 100);
        m_err << QStringLiteral("\rAggiornamento archivio: %1%").arg(m_position, 3);
        m_err.flush();
    }
    void step() override { setPosition(m_position + 1); }
    void end() override {
        m_err << "\n";
        m_err.flush();
    }

private:
    QTextStream& m_err;
    int m_position = 1;
};

int run(CliContext& c) {
    if (!c.args.isEmpty())
        return CliError(c, ExitUsage, QStringLiteral("argomento inatteso: %1").arg(c.args.first()));
    TerminalProgress terminal(c.err);
    SchemaUpgrade::Options options;
    options.dataFolder = AppPaths::DataFolder(AppPaths::ApplicationDataFolder());
    if (c.progress && !c.json)
        options.progress = &terminal;
    SchemaUpgrade::Report report;
    const SchemaUpgrade::Result result = SchemaUpgrade::Run(*c.db, options, &report);
    if (c.json) {
        QJsonObject o;
        o.insert(QStringLiteral("result"), int(result));
        o.insert(QStringLiteral("fromVersion"), report.fromVersion);
        if (result == SchemaUpgrade::UpToDate)
            o.insert(QStringLiteral("version"), Schema::kCurrentVersion);
        if (!report.backupFile.isEmpty())
            o.insert(QStringLiteral("backup"), report.backupFile);
        if (result == SchemaUpgrade::Failed) {
            o.insert(QStringLiteral("failedStep"), report.failedStep);
            o.insert(QStringLiteral("failedStatement"), report.failedWhat);
            o.insert(QStringLiteral("error"), report.error);
        }
        c.out << QJsonDocument(o).toJson(QJsonDocument::Indented);
    }
    switch (result) {
    case SchemaUpgrade::UpToDate:
        if (!c.json) {
            if (report.fromVersion == Schema::kCurrentVersion)
                c.out << "L'archivio è già alla versione " << Schema::kCurrentVersion << ".\n";
            else
                c.out << "Archivio aggiornato dalla versione " << report.fromVersion
                      << " alla versione " << Schema::kCurrentVersion << ".\n";
            if (!report.backupFile.isEmpty())
                c.out << "Copia dell'archivio prima dell'aggiornamento: " << report.backupFile
                      << "\n";
        }
        return ExitOk;
    case SchemaUpgrade::Newer:
        return CliError(c, ExitFailed,
                        QStringLiteral("l'archivio è alla versione %1, più recente di questo "
                                       "programma (versione %2): aggiornare il programma.")
                            .arg(report.fromVersion)
                            .arg(Schema::kCurrentVersion));
    case SchemaUpgrade::Failed:
        break;
    }
    return CliError(c, ExitFailed,
                    QStringLiteral("aggiornamento non riuscito, l'archivio è rimasto com'era: %1")
                        .arg(report.describe()));
}

} // namespace

CliCommand UpgradeCommand() {
    return {"upgrade",
            "Porta l'archivio all'ultima versione dello schema.",
            "Esegue tutti i passi dalla versione dell'archivio all'ultima in una sola\n"
            "transazione: se un passo non riesce l'archivio resta com'era e il messaggio dice\n"
            "quale passo e quale istruzione. Prima del passo dalla versione 17 salva una copia\n"
            "in BackQuarzil17.db nella cartella dei dati. Un catalogo PostgreSQL sotto la\n"
            "versione 18 non si aggiorna. Con --json un oggetto con result (0 aggiornato,\n"
            "1 non riuscito, 2 archivio più recente del programma), fromVersion, version,\n"
            "backup, e in caso di errore failedStep, failedStatement, error.\n",
            "quarzil-cli [--archive FILE.db | --connection STRINGA] upgrade [--json]",
            CliCommand::Archive::AnyVersion,
            true,
            run};
}
