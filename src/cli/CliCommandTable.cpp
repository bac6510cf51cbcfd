#include "cli/CliCommand.h"

// One line per verb; each verb's file defines <Verb>Command().
#define QUARZIL_CLI_VERBS                                                                          \
    X(Info)                                                                                        \
    X(Create)                                                                                      \
    X(Probe)                                                                                       \
    X(Catalogs)                                                                                    \
    X(NewCatalog)                                                                                  \
    X(Upgrade)                                                                                     \
    X(Backup)                                                                                      \
    X(Recompute)                                                                                   \
    X(Movements)                                                                                   \
    X(Print)                                                                                       \
    X(ImportMdb)                                                                                   \
    X(Export)                                                                                      \
    X(Import)                                                                                      \
    X(UpdateCheck)                                                                                 \
    X(Ping)                                                                                        \
    X(Report)                                                                                      \
    X(Scan)                                                                                        \
    X(Reader)

#define X(verb) CliCommand verb##Command();
QUARZIL_CLI_VERBS
#undef X

const std::vector<CliCommand>& CliCommands() {
#define X(verb) verb##Command(),
    static const std::vector<CliCommand> commands{QUARZIL_CLI_VERBS};
#undef X
    return commands;
}
