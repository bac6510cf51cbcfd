#pragma once

#include "print/PeriodMessages.h"

#include <QDate>
#include <QDateTime>
#include <QString>

// What the situation print is asked for: the period and which rows of the list.
struct SituationRequest {
    QDate from;
    QDate to;
    bool selectedOnly = false;

    // The period runs from the first day at 00:00:00 to the last at 23:59:59.
    QDateTime periodStart() const { return QDateTime(from, QTime(0, 0, 0)); }
    QDateTime periodEnd() const { return QDateTime(to, QTime(23, 59, 59)); }

    // Why the period is refused, for the user; empty when it is accepted.
    static QString PeriodProblem(const QDate& from, const QDate& to);
};
