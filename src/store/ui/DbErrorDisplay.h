#pragma once

#include "common/IPrompt.h"

#include <QSqlError>

// Shows a failed database call to the user: the driver's text, or "Errore OleDB sconosciuto!"
// when it gave none, with the stop icon. The store's own refusals (a row another computer
// deleted, an amount too large) are not faults: they get the warning icon.
void ShowDbError(IPrompt& prompt, const QSqlError& error);
