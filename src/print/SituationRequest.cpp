#include "print/SituationRequest.h"

#include <QCoreApplication>

QString SituationRequest::PeriodProblem(const QDate& from, const QDate& to) {
    if (from == to)
        return QCoreApplication::translate("PeriodMessages", kSameDatesMessage);
    // Whole days only: an end before the start is the one way to be less than a day after it.
    if (!from.isValid() || !to.isValid() || from.daysTo(to) < 1)
        return QCoreApplication::translate("PeriodMessages", kLessThanADayMessage);
    return {};
}
