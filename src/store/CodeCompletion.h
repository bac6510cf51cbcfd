#pragma once

#include <QString>

class Database;

// Completing a code from its first characters, as the item and counterpart dialogs do: the
// proposal follows how many codes begin with the typed text, not the highest number among
// them, so C001 and C005 propose C003.
namespace CodeCompletion {

// A code typed from a digit 1 to 9 is typed in full; "0" and letters start completion.
bool Completes(const QString& typed);

// The rule itself: count is how many codes begin with typed and greatest the greatest of them.
// A proposal only adds to the typed text (compared without regard to case: "art" may become
// "ART010"); a null text when there is nothing to propose or the rule's code would change a
// typed character (ART00 with ART009 greatest gives ART010: nothing).
QString Propose(const QString& typed, int count, const QString& greatest);

// Runs the two look-ups on table.column (without regard to case; "*" in the typed text is a
// wildcard, every other character literal) and proposes a code of at most width characters; a
// null text when there is none or a query fails, so the field stays as typed.
QString Complete(Database& db, const QString& table, const QString& keyColumn,
                 const QString& column, int width, const QString& typed);

} // namespace CodeCompletion
