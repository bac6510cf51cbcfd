#pragma once

#include "store/GuardedDelete.h"

// Deleting items from the list: an item used in any movement or order stops the deletion.
namespace ArtDelete {

using Check = GuardedDelete::Check;

// Checks the items in order and stops at the first that may not go.
Check CheckAll(Database& db, const QList<int>& itemIds);

// Deletes each item (a failing delete is skipped) and returns how many went.
int DeleteAll(Database& db, const QList<int>& itemIds);

} // namespace ArtDelete
