#pragma once

#include "common/CurrencyAmount.h"

#include <QDateTime>
#include <QList>
#include <QString>

class Database;

// How the movement report gathers the goods into lines; the numbers are the dialog's radio order.
enum class MovementGrouping {
    Category = 0,
    Item = 1,
    Counterpart = 2,
    Department = 3, // "Reparti"
    Shelf = 4,      // "Scaffali"
};

// What the user asked for: the two dates compared (each counted from 00:00 of its day) and the
// grouping.
struct MovementReportRequest {
    QDateTime from;
    QDateTime to;
    MovementGrouping grouping = MovementGrouping::Category;
};

// One group's stock and trading balance at the two dates.
struct MovementReportLine {
    QString name;
    // The item's unit abbreviation when grouping by item (and the unit is known), else "X.".
    QString unitPrefix;
    double initialStock = 0;
    CurrencyAmount initialValue = CurrencyAmount::fromUnits(0);
    double finalStock = 0;
    CurrencyAmount finalValue = CurrencyAmount::fromUnits(0);

    double movedStock() const { return finalStock - initialStock; }
    CurrencyAmount movedValue() const;
};

struct MovementReport {
    MovementReportRequest request;
    QList<MovementReportLine> lines;

    // The sums over every line of the moved quantity and of the moved value.
    double totalMovedStock() const;
    CurrencyAmount totalMovedValue() const;
};

// The prefix of the quantities of a line whose unit is not known (or not an item's).
inline constexpr const char* kNoUnitPrefix = "X.";
// The name of the counterpart line that gathers the movements without a counterpart (receipts).
inline constexpr const char* kNoCounterpartName = "- Ricevuta -";

// Why the period cannot be reported ("La data finale deve essere ..."), empty when it can: the
// end must come after the start by at least one whole day.
QString MovementReportPeriodError(const QDateTime& from, const QDateTime& to);

// The dates the figures are taken at: each date cut to 00:00 of its day.
QDateTime MovementReportCutoff(const QDateTime& when);

// Computes the lines of the report, one per group in the order of the group's name (see the
// source for what each grouping counts). False when a query fails; db.errorText() tells why.
bool BuildMovementReport(Database& db, const MovementReportRequest& request,
                         MovementReport* report);
