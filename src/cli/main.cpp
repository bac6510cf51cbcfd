// quarzil-cli: the archive from the command line, for scripts and cron jobs. Core only: it
// never opens a window and never asks a question.
#include "cli/CliArchive.h"
#include "cli/CliCommand.h"
#include "store/Database.h"

#include <QGuiApplication>
#include <QTextStream>
#include <memory>
#include <unistd.h>

namespace {

const char* const kUsage =
    "uso: quarzil-cli [--archive FILE.db | --connection \"Provider=...\"] COMANDO [opzioni]\n";

void printOverview(QTextStream& s) {
    s << kUsage << "\nComandi:\n";
    for (const CliCommand& c : CliCommands())
        s << QStringLiteral("  %1 %2\n")
                 .arg(QLatin1String(c.name), -10)
                 .arg(QString::fromUtf8(c.summary));
    s << "\nOpzioni comuni:\n"
         "  --archive FILE.db        lavora sull'archivio SQLite indicato\n"
         "  --connection STRINGA     lavora sull'archivio della stringa di connessione\n"
         "                           (\"Provider=QSQLITE;Data Source=...\" o\n"
         "                           \"Provider=QPSQL;Data Source=host:porta;Initial Catalog=...;"
         "User ID=...;Password=...\")\n"
         "  --json                   risultato in JSON, dove il comando lo prevede\n"
         "  --help                   questo aiuto; \"quarzil-cli COMANDO --help\" l'aiuto di un "
         "comando\n"
         "\nSenza --archive né --connection si apre l'archivio che aprirebbe il programma\n"
         "(MyConnection, poi Connection del profilo, poi l'archivio predefinito); non se ne crea "
         "mai uno.\n"
         "Uscita: 0 riuscito, 1 lavoro non riuscito, 2 uso errato o archivio non apribile.\n";
}

void printCommandHelp(QTextStream& s, const CliCommand& c) {
    s << "uso: " << QString::fromUtf8(c.usage) << "\n\n" << QString::fromUtf8(c.summary) << "\n";
    if (c.help && *c.help)
        s << "\n" << QString::fromUtf8(c.help);
    if (c.archive != CliCommand::Archive::None)
        s << "\nL'archivio: --archive FILE.db, --connection STRINGA o quello del profilo.\n";
}

} // namespace

bool TakeFlag(QStringList& args, const QString& name) {
    return args.removeAll(name) > 0;
}

bool TakeOption(QStringList& args, const QString& name, QString* value) {
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == name) {
            if (i + 1 >= args.size())
                return false;
            *value = args.at(i + 1);
            args.remove(i, 2);
            return true;
        }
        if (args.at(i).startsWith(name + u'=')) {
            *value = args.at(i).mid(name.size() + 1);
            args.removeAt(i);
            return true;
        }
    }
    return true;
}

int CliError(CliContext& context, int code, const QString& text) {
    context.err << "quarzil-cli: " << text << "\n";
    context.err.flush();
    return code;
}

namespace {

QtMessageHandler g_defaultHandler = nullptr;

// Without a desktop session (cron, ssh) the GUI library says each time that it has no runtime
// folder; the prints never need one, so a script's error output stays its own.
void quietRuntimeFolder(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (g_defaultHandler)
        g_defaultHandler(type, context, text);
}

} // namespace

int main(int argc, char** argv) {
    // Prints need a paint device but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Only prints need fonts and paint devices; the other verbs stay on the plain core.
    bool printing = false;
    for (int i = 1; i < argc; ++i)
        printing = printing || qstrcmp(argv[i], "print") == 0;
    if (printing)
        g_defaultHandler = qInstallMessageHandler(quietRuntimeFolder);
    std::unique_ptr<QCoreApplication> app(printing ? new QGuiApplication(argc, argv)
                                                   : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("quarzil-cli"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList args = QCoreApplication::arguments().mid(1);
    CliContext context{{}, false, out, err, nullptr, {}, {}, {}, false};
    QString archive, connection;
    if (!TakeOption(args, QStringLiteral("--archive"), &archive) ||
        !TakeOption(args, QStringLiteral("--connection"), &connection))
        return CliError(context, ExitUsage, QStringLiteral("opzione senza valore.\n") + kUsage);
    if (!archive.isNull() && !connection.isNull())
        return CliError(context, ExitUsage,
                        QStringLiteral("--archive e --connection non vanno insieme."));
    context.json = TakeFlag(args, QStringLiteral("--json"));
    const bool help =
        TakeFlag(args, QStringLiteral("--help")) | TakeFlag(args, QStringLiteral("-h"));

    if (args.isEmpty() || args.first().startsWith(u'-')) {
        if (help && args.isEmpty()) {
            printOverview(out);
            return ExitOk;
        }
        printOverview(err);
        return ExitUsage;
    }
    const QString verb = args.takeFirst();
    const CliCommand* command = nullptr;
    for (const CliCommand& c : CliCommands())
        if (verb == QLatin1String(c.name))
            command = &c;
    if (!command)
        return CliError(
            context, ExitUsage,
            QStringLiteral("comando sconosciuto: %1 (\"quarzil-cli --help\" li elenca).")
                .arg(verb));
    if (help) {
        printCommandHelp(out, *command);
        return ExitOk;
    }
    if (context.json && !command->json)
        return CliError(context, ExitUsage, QStringLiteral("%1 non prevede --json.").arg(verb));
    context.args = args;
    context.progress = isatty(STDERR_FILENO);

    Database db(QStringLiteral("quarzil_cli"));
    if (command->archive != CliCommand::Archive::None) {
        if (const int code = OpenCliArchive(context, db, archive, connection, command->archive))
            return code;
        context.db = &db;
    } else if (!archive.isNull() || !connection.isNull()) {
        return CliError(context, ExitUsage,
                        QStringLiteral("%1 non lavora su un archivio aperto: --archive e "
                                       "--connection non si usano qui.")
                            .arg(verb));
    }
    const int code = command->run(context);
    out.flush();
    err.flush();
    return code;
}
