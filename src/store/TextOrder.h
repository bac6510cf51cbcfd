#pragma once

#include "store/Database.h"

#include <QCollator>
#include <QList>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

// How the program orders and matches names and codes: alphabetically, by the Unicode collation
// rules for Italian (ICU's, which both Qt and PostgreSQL use), so that "alfa", "Èlite" and
// "Zeta" come in that order whatever their case. Letters count first, then accents, then case;
// texts the rules call equal come in code-point order. SQLite follows it through a collation
// registered on the connection (SqliteFunctions), PostgreSQL through its ICU collation of the
// same rules; the alphabetical indexes of the schema are built in it on both.
namespace TextOrder {

// The collation the SQLite connections register, and PostgreSQL's.
inline constexpr char kSqliteCollation[] = "QZ_ALPHA";
inline constexpr char kPostgresCollation[] = "it-x-icu";

// A collator with the rules; one per thread that uses it.
QCollator Collator();

// The order, as the lists and their indexes have it: negative, 0 or positive; 0 only for the
// same text.
int Compare(QStringView a, QStringView b);
// The positions of texts in the order, ascending or descending; the same texts keep the order
// of their positions. For sorting many texts in memory: each is prepared once.
std::vector<qsizetype> Sorted(const QList<QString>& texts, bool ascending);
// Equal without regard to case; accents still count ("art001" is "ART001", "è" is not "e").
bool SameIgnoringCase(QStringView a, QStringView b);

// The sort term of a text expression in the back end's own text, to be followed by " DESC" or
// PostgreSQL's " NULLS FIRST" as needed.
QString Term(Database::Backend backend, const QString& expression);

// The keys, lowest first, of the rows of table whose column equals value without regard to
// case (value cut to width first). Case is the last thing the order looks at, so the rows that
// differ from value in case only lie between its small-letter and its capital form: the
// column's alphabetical index finds them. None when the query fails.
std::optional<QList<int>> KeysIgnoringCase(Database& db, const QString& table,
                                           const QString& keyColumn, const QString& column,
                                           const QString& value, int width);

} // namespace TextOrder
