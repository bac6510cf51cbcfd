#pragma once

#include "cli/CliCommand.h"

#include <QDate>
#include <QList>
#include <memory>
#include <vector>

class PrintDocument;
struct PrintSource;

// One document or report that "quarzil-cli print WHAT" writes as PDF. make() takes its own options
// out of context.args, reads the archive (source.db, the same as *context.db) and fills *document;
// it returns ExitOk, or an exit code after telling why with CliError. Options left over afterwards
// are refused by the print verb.
struct PrintJob {
    const char* name;    // "invoice"
    const char* options; // "--movement KEY", shown in the help text
    const char* summary; // one line
    int (*make)(CliContext& context, PrintSource& source, std::unique_ptr<PrintDocument>* document);
};

// Each area adds its jobs; the list of areas is in PrintCommand.cpp.
void AddMovementPrintJobs(std::vector<PrintJob>& jobs);
void AddMovementReportPrintJobs(std::vector<PrintJob>& jobs);
void AddItemPrintJobs(std::vector<PrintJob>& jobs);
void AddLabelAndCounterpartPrintJobs(std::vector<PrintJob>& jobs);

// Shared option readers. Each returns false after telling the user (exit code ExitUsage).
// A day: ISO (2026-03-05) or the Italian way (5/3/2026); *day stays null when absent.
bool TakeDayOption(CliContext& context, const QString& name, QDate* day);
// A key: a positive integer; *key stays 0 when absent.
bool TakeKeyOption(CliContext& context, const QString& name, int* key);
// Keys separated by commas ("3,5,12"); *keys stays empty when absent.
bool TakeKeysOption(CliContext& context, const QString& name, QList<int>* keys);
