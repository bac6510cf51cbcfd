#pragma once

#include "common/IPrompt.h"

#include <QString>

// The movement store's messages, by their string-table number, with the icon each is shown with.
struct MovementMessage {
    int id = 0;
    QString text;
    IPrompt::Icon icon = IPrompt::Icon::None;
};

namespace MovementMessages {

enum Id : int {
    TooManyRows = 20069,
    QuantityMissing = 20070,
    QuantityNotPositive = 20071,
    RowInsertFailed = 20072,
    RowSaveFailed = 20073,
    RowDeleteFailed = 20074,
    CaricoInsertFailed = 20076,
    NoUnits = 20078,
    TransactionStartFailed = 20080,
    CaricoSaveFailed = 20081,
    TransactionSaveFailed = 20082,
    ScaricoInsertFailed = 20083,
    ScaricoSaveFailed = 20085,
    ResoInsertFailed = 20086,
    ResoSaveFailed = 20087,
    MovementSaveFailed = 20088,
    DeleteQuestion = 20089,
    MovementNotFound = 20090,
};

MovementMessage Get(int id);
// The message of a count query failing before a new movement's dialog, by type.
int InsertFailedFor(int type);
// The message of a row that cannot be attached when a new movement of this type is saved.
int SaveFailedFor(int type);

} // namespace MovementMessages
