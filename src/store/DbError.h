#pragma once

#include "common/CurrencyAmount.h"

#include <QSqlError>
#include <QString>

// The text shown for a failed database call: the driver's own words, or a fixed text when the
// driver gave none.
QString DbErrorText(const QSqlError& error);

// Failures the store itself reports, with texts of their own: a row that another computer
// deleted (read or written), and an amount too large to be kept exactly.
enum class MissingRow { Read, Write };
QSqlError MissingRowError(MissingRow when);
QSqlError AmountTooLargeError(const CurrencyAmount& amount);
bool IsMissingRow(const QSqlError& error);
// A refusal of the store, as opposed to a failure of the driver or the server.
bool IsStoreRefusal(const QSqlError& error);
// SQLite's "database is locked": another program held the archive's write lock for longer than
// the connection waits. The user is told so in words of the program's own, and nothing of what
// was being saved is lost; trying again later works.
bool IsArchiveBusy(const QSqlError& error);
QSqlError ArchiveBusyError();
// The error as the user should read it: a busy archive in the program's words, anything else
// unchanged.
QSqlError Readable(const QSqlError& error);
