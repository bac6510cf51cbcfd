#pragma once

#include <QList>
#include <QString>

class Database;

// Units of measure (UnMis): what the units dialog does to the table. Nothing here prompts; each
// operation tells its caller what happened so the window can say it.
namespace UnitsOfMeasure {

constexpr int kSiglaWidth = 5;
constexpr int kDescrizioneWidth = 20;

struct Unit {
    int id = 0;
    QString sigla;
    QString descrizione;
};

enum class Result {
    Ok,
    EmptySigla,  // the abbreviation is required
    NotSelected, // no row to change
    UsedByItems, // some item is measured in it
    UsedByRows,  // some movement, order or production row is measured in it
    Failed,      // the statement failed
};

// Every unit in abbreviation order. False on failure.
bool List(Database& db, QList<Unit>* units);

// Inserts the unit (texts cut to their widths); it receives its new key and the texts as stored.
Result Insert(Database& db, Unit& unit);
// Writes the unit over the row with its key, and its abbreviation into the counters of the items
// measured in it, both or neither.
Result Save(Database& db, Unit& unit);
// Whether the unit may be deleted: Ok, UsedByItems, UsedByRows or Failed.
Result CheckDeletable(Database& db, int id);
// Deletes the unit after the same check (a row may have started using it meanwhile).
Result Delete(Database& db, int id);

} // namespace UnitsOfMeasure
