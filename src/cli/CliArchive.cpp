#include "cli/CliArchive.h"

#include "common/AppPaths.h"
#include "common/Profile.h"
#include "store/ConnectionString.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/SchemaUpgrade.h"

#include <QFileInfo>
#include <QSettings>

namespace {

bool isSqlite(const QString& connectionString) {
    return ConnectionString::TypeOf(connectionString) == 0;
}

QString fileOf(const QString& connectionString) {
    return ConnectionString::Value(connectionString, QStringLiteral("Data Source"));
}

// The connection strings the program would try, in its order, with the profile value each
// comes from. Read without the Profile object, which would create the file.
QList<QPair<QString, QString>> profileCandidates() {
    QList<QPair<QString, QString>> candidates;
    const QString file = Profile::DefaultUserFile();
    if (QFileInfo::exists(file)) {
        const QSettings settings(file, QSettings::IniFormat);
        const QString section = Profile::SectionName(Profile::Section::Settings) + u'/';
        for (const char* name : {"MyConnection", "Connection"}) {
            const QString value = settings.value(section + QLatin1String(name)).toString();
            if (ConnectionString::IsValid(value))
                candidates.append({QLatin1String(name), value});
        }
    }
    const QString archive = AppPaths::DefaultDatabaseFile(AppPaths::ApplicationDataFolder());
    candidates.append({QString(), ConnectionString::ForSqlite(archive)});
    return candidates;
}

int checkVersion(CliContext& context, Database& db, CliCommand::Archive mode) {
    bool ok = false;
    const int version = SchemaUpgrade::ReadVersion(db, &ok);
    if (!ok)
        return CliError(context, ExitUsage,
                        QStringLiteral("impossibile leggere la versione dell'archivio: %1")
                            .arg(db.errorText()));
    if (mode == CliCommand::Archive::AnyVersion || version == Schema::kCurrentVersion) {
        // Accepted: now, and only now, the archive may be changed (the journal mode).
        if (mode == CliCommand::Archive::Current && !db.prepareForUse())
            return CliError(
                context, ExitUsage,
                QStringLiteral("impossibile preparare l'archivio: %1").arg(db.errorText()));
        return ExitOk;
    }
    if (version > Schema::kCurrentVersion)
        return CliError(context, ExitUsage,
                        QStringLiteral("l'archivio è alla versione %1, più recente di questo "
                                       "programma (versione %2): aggiornare il programma.")
                            .arg(version)
                            .arg(Schema::kCurrentVersion));
    return CliError(context, ExitUsage,
                    QStringLiteral("l'archivio è alla versione %1 e questo programma usa la "
                                   "versione %2: aggiornarlo prima con \"quarzil-cli upgrade\".")
                        .arg(version)
                        .arg(Schema::kCurrentVersion));
}

void describe(CliContext& context, const QString& connectionString) {
    if (isSqlite(connectionString)) {
        context.archiveFile = QFileInfo(fileOf(connectionString)).absoluteFilePath();
    } else {
        context.server = ConnectionString::Value(connectionString, QStringLiteral("Data Source"));
        context.catalog =
            ConnectionString::Value(connectionString, QStringLiteral("Initial Catalog"));
    }
}

} // namespace

int OpenCliArchive(CliContext& context, Database& db, const QString& archiveOption,
                   const QString& connectionOption, CliCommand::Archive mode) {
    QString chosen;
    if (!archiveOption.isNull()) {
        if (!QFileInfo(archiveOption).isFile())
            return CliError(context, ExitUsage,
                            QStringLiteral("l'archivio %1 non esiste.").arg(archiveOption));
        chosen = ConnectionString::ForSqlite(QFileInfo(archiveOption).absoluteFilePath());
    } else if (!connectionOption.isNull()) {
        if (!ConnectionString::IsValid(connectionOption))
            return CliError(context, ExitUsage,
                            QStringLiteral("stringa di connessione non valida: deve iniziare "
                                           "con \"Provider=\"."));
        chosen = connectionOption;
    }
    if (!chosen.isNull()) {
        if (isSqlite(chosen) && !QFileInfo(fileOf(chosen)).isFile())
            return CliError(context, ExitUsage,
                            QStringLiteral("l'archivio %1 non esiste.").arg(fileOf(chosen)));
        if (!db.openToInspect(chosen))
            return CliError(context, ExitUsage,
                            QStringLiteral("impossibile aprire l'archivio %1: %2")
                                .arg(ConnectionString::Describe(chosen), db.errorText()));
        describe(context, chosen);
        return checkVersion(context, db, mode);
    }

    // The program's own order. A configured server that does not answer is said aloud, so
    // that a script never works on the local archive thinking it is the shared one.
    QStringList failures;
    for (const auto& [name, candidate] : profileCandidates()) {
        if (isSqlite(candidate) && !QFileInfo(fileOf(candidate)).isFile()) {
            failures << QStringLiteral("%1: il file non esiste")
                            .arg(ConnectionString::Describe(candidate));
            continue;
        }
        if (!db.openToInspect(candidate)) {
            failures << QStringLiteral("%1: %2").arg(ConnectionString::Describe(candidate),
                                                     db.errorText());
            continue;
        }
        for (const QString& f : failures)
            context.err << QStringLiteral("quarzil-cli: attenzione, archivio non aperto (%1); "
                                          "si usa %2.\n")
                               .arg(f, ConnectionString::Describe(candidate));
        describe(context, candidate);
        return checkVersion(context, db, mode);
    }
    return CliError(context, ExitUsage,
                    QStringLiteral("nessun archivio da aprire (%1). Indicarne uno con --archive "
                                   "o --connection.")
                        .arg(failures.join(QStringLiteral("; "))));
}
