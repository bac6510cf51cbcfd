#pragma once

#include <QString>
#include <vector>

class Database;

// Finding an item by code, description or barcode, as the find dialog's items mode asks: the
// list then shows the first listed row among the matches.
namespace ArtFind {

struct Texts {
    QString code;
    QString description;
    QString barcode;
};

// The keys of every item that matches all the non-empty texts (trimmed), compared without
// regard to case. A text is a prefix with "*" the only wildcard; a text that ends with "%" is
// matched whole instead (its "%" a character like the others). No keys when every text is
// empty. False when the query fails.
bool MatchingKeys(Database& db, const Texts& texts, std::vector<int>* keys);

} // namespace ArtFind
