#include "print/SituationRequest.h"

QString SituationRequest::PeriodProblem(const QDate& from, const QDate& to) {
    if (from == to)
        return QString::fromUtf8(kSameDatesMessage);
    // Whole days only: an end before the start is the one way to be less than a day after it.
    if (!from.isValid() || !to.isValid() || from.daysTo(to) < 1)
        return QString::fromUtf8(kLessThanADayMessage);
    return {};
}
