#pragma once

#include "store/Database.h"

#include <QString>
#include <QVariantList>
#include <optional>

class Profile;

// The movements list's query as the settings describe it: the date range ("MovInitFilter",
// "MovEndFilter"), the type filter ("FilterMov") and the sort ("LastMovSort") with the previous
// sort column as the secondary order ("Sort2MovAct", "Sort2DataMov", which it updates).
struct MovementListQuery {
    QString sql;
    QVariantList values;
    bool dateFilterActive = false;
};

// The date range's settings are written as the user's date with the time.
QString FilterDateFormat();
QString FilterDateText(const QDateTime& when);

// Column n (1 to 6) of the list: Data, Numero, CliFor, Prezzo, Imposta, Totale.
QString MovementSortClause(int column);
// The sort value to use: 0 and anything outside -6..6 read as 2 (by number).
int NormalizedMovementSort(int stored);
// With a back end, the statement orders names alphabetically and NULLs alike on both; without
// one it carries the stored clauses as they are.
MovementListQuery BuildMovementListQuery(Profile& profile, const QString& selectColumns = {},
                                         std::optional<Database::Backend> backend = {});
