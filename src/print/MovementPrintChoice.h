#pragma once

#include "print/PageCount.h"

#include <QString>

class Database;

// What the movements view's print commands print for the selected movement.

// The invoice command: the sale invoice (1); the purchase invoice (6) for a load with a
// counterpart; the receipt (4) when the list's counterpart column reads "- Ricevuta -" (in any
// case). movementType: Movimenti.Tipo (-1 unknown).
PrintKind InvoiceCommandKind(int movementType, bool hasCounterpart,
                             const QString& counterpartColumnText);
// The transport-document command: 3; 7 for a load with a counterpart.
PrintKind TransportCommandKind(int movementType, bool hasCounterpart);

// The facts the choice rests on, read from the archive (for callers without the list at hand).
struct MovementPrintFacts {
    int type = -1;
    bool hasCounterpart = false;
    // As the movements list shows it: "- Ricevuta -" for a receipt, else the CliFor copy.
    QString counterpartColumnText;
    bool ownCurrency = false;
};
// False when the query fails or the movement is missing (db.lastError() tells).
bool ReadMovementPrintFacts(Database& db, int movementKey, MovementPrintFacts* facts);

// Whether the movement is a return, for which the invoice and transport-document commands are
// disabled. False when the query fails (db.lastError()); *isReturn false for a missing one.
bool IsReturnMovement(Database& db, int movementKey, bool* isReturn);
// Whether the movement has a currency of its own (SimbVal not NULL): then the user is asked in
// which currency to print. False when the query fails.
bool MovementHasOwnCurrency(Database& db, int movementKey, bool* ownCurrency);
