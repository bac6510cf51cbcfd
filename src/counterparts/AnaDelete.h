#pragma once

#include "store/GuardedDelete.h"

// Deleting counterparts from the list: a movement or an order naming one stops the deletion.
namespace AnaDelete {

using Check = GuardedDelete::Check;

// Checks the records in order and stops at the first that may not go.
Check CheckAll(Database& db, const QList<int>& ids);

// Deletes each record on its own and returns the ones that went; a failing delete is skipped.
QList<int> DeleteAll(Database& db, const QList<int>& ids);

} // namespace AnaDelete
