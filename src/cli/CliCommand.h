#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <vector>

class Database;

// Exit codes of every command.
enum CliExit : int { ExitOk = 0, ExitFailed = 1, ExitUsage = 2 };

// What a command is run with: its own arguments (the global options already taken out), the
// output streams, and the archive when the command asked for one.
struct CliContext {
    QStringList args;
    bool json = false;
    QTextStream& out;
    QTextStream& err;
    Database* db = nullptr;
    // Where the open archive is: its file, or server and catalog.
    QString archiveFile;
    QString server;
    QString catalog;
    // True when standard error is a terminal: long work may show its progress there.
    bool progress = false;
};

// One verb of quarzil-cli.
struct CliCommand {
    enum class Archive {
        None,       // opens nothing (create)
        Current,    // the archive at the program's schema version; refused otherwise
        AnyVersion, // opened whatever its version says (upgrade)
    };
    const char* name;
    const char* summary; // one line, for the list of commands
    const char* help;    // the whole --help text after the usage line
    const char* usage;   // "quarzil-cli info [--json]"
    Archive archive;
    bool json; // whether --json applies
    int (*run)(CliContext& context);
};

// Every verb, in the order of the help text. Adding a verb: a file that defines its
// <Verb>Command(), and one line in CliCommandTable.cpp.
const std::vector<CliCommand>& CliCommands();

// Shared by the verbs: takes "--name" out of args and says whether it was there.
bool TakeFlag(QStringList& args, const QString& name);
// Takes "--name VALUE" (or "--name=VALUE") out of args. False when the option is there without a
// value; *value stays null when the option is absent.
bool TakeOption(QStringList& args, const QString& name, QString* value);
// Prints "quarzil-cli: <text>" on standard error and returns the code.
int CliError(CliContext& context, int code, const QString& text);
