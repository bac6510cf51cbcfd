#pragma once

#include "common/IPrompt.h"

#include <QSqlError>

// Shows a failed database call to the user: the driver's text, or "Errore OleDB sconosciuto!"
// when it gave none, with the stop icon.
void ShowDbError(IPrompt& prompt, const QSqlError& error);
