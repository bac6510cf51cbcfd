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
// A null text when there is nothing to propose.
QString Propose(const QString& typed, int count, const QString& greatest);

// Runs the two look-ups ("*" in the typed text is a wildcard) on table.column and proposes a
// code of at most width characters; a null text when there is none or a query fails, so the
// field stays as typed.
QString Complete(Database& db, const QString& table, const QString& keyColumn,
                 const QString& column, int width, const QString& typed);

} // namespace CodeCompletion
