#pragma once

#include <QString>

class Database;

// Finding an item by code, description or barcode, as the find dialog's items mode asks.
namespace ArtFind {

struct Texts {
    QString code;
    QString description;
    QString barcode;
};

// The key of the first item (lowest key) that matches every non-empty text, 0 when none does
// or every text is empty, -1 when the query fails. A text is a prefix pattern with "*" as a
// wildcard; a text ending in "%" is used as it is, and a code ending in "%" without "*" is
// compared exactly.
int Find(Database& db, const Texts& texts);

} // namespace ArtFind
