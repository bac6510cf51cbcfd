#pragma once

#include <QtGlobal>

// What the report and print dialogs say of a period that does not run a whole day forward.
inline constexpr const char* kSameDatesMessage =
    QT_TRANSLATE_NOOP("PeriodMessages", "La data finale deve essere maggiore della data iniziale!");
inline constexpr const char* kLessThanADayMessage = QT_TRANSLATE_NOOP(
    "PeriodMessages",
    "La data finale deve essere maggiore di almeno un giorno della data iniziale!");
