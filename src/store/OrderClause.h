#pragma once

#include <QString>

// The text after "ORDER BY" of a statement (the whole text when it has none). Unless
// keepDirection is set, the words ASC and DESC are removed and the result trimmed.
QString GetOrderClause(const QString& sql, bool keepDirection);
