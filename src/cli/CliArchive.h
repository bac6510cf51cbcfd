#pragma once

#include "cli/CliCommand.h"

#include <QString>

// Opens the archive a command works on: --archive FILE, --connection STRING, or the profile's
// choice as the program makes it (MyConnection, then Connection, then the default archive in
// the data folder). Never creates an archive and never writes the profile. Fills the context's
// description of the archive. Returns ExitOk, or the exit code after telling why on stderr.
int OpenCliArchive(CliContext& context, Database& db, const QString& archiveOption,
                   const QString& connectionOption, CliCommand::Archive mode);
