#include "agenda/AgendaLayout.h"

#include <QCoreApplication>

#include <algorithm>

namespace AgendaLayout {

namespace {

// Days from the day's 00:00 to t, as the archive's day fractions count them: by the wall clock,
// so that a day the clocks change on still ends at 23:59:59.
double DaysFrom(const QDateTime& t, const QDate& day) {
    return double(day.daysTo(t.date())) + double(t.time().msecsSinceStartOfDay()) / 86400000.0;
}

constexpr double kLastSecondDays = 86399.0 / 86400.0;

bool AtOrBeforeDayStart(const QDateTime& t, const QDate& day) {
    return DaysFrom(t, day) <= kHalfSecondDays;
}

bool AtOrAfterDayEnd(const QDateTime& t, const QDate& day) {
    return DaysFrom(t, day) >= kLastSecondDays - kHalfSecondDays;
}

bool Overlap(const ScadenzeRecord& a, const ScadenzeRecord& b) {
    return a.DataInit < b.DataEnd && b.DataInit < a.DataEnd;
}

} // namespace

int SlotAt(int y) {
    if (y < kGridTop)
        return -1;
    return std::min((y - kGridTop) / kSlotHeight, kSlotCount - 1);
}

int SlotTop(int slot) {
    return kGridTop + slot * kSlotHeight;
}

int TimeY(const QTime& time) {
    // The fraction is worked out in single precision and truncated, so that boxes land on the
    // same pixels whatever the platform's double rounding.
    const float fraction = float(time.minute()) * 2.0f / 3.0f + float(time.second()) / 90.0f;
    return kGridTop + 40 * time.hour() + int(fraction);
}

int StartY(const QDateTime& start, const QDate& day) {
    if (AtOrBeforeDayStart(start, day))
        return kGridTop;
    if (AtOrAfterDayEnd(start, day))
        return kGridBottom;
    return TimeY(start.time());
}

int EndY(const QDateTime& end, const QDate& day) {
    if (AtOrAfterDayEnd(end, day))
        return kGridBottom;
    if (AtOrBeforeDayStart(end, day))
        return kGridTop;
    return TimeY(end.time());
}

std::vector<std::pair<int, int>> WorkingSlots(const QDate& day) {
    if (!day.isValid() || day.dayOfWeek() >= Qt::Saturday)
        return {};
    return {{18, 25}, {28, 35}};
}

bool IsAllDay(const QDateTime& start, const QDateTime& end, const QDate& day) {
    return AtOrBeforeDayStart(start, day) && AtOrAfterDayEnd(end, day);
}

std::vector<EntryBox> DayBoxes(const std::vector<ScadenzeRecord>& entries, const QDate& day,
                               int clientWidth) {
    std::vector<EntryBox> boxes(entries.size());
    std::vector<size_t> allDay;
    for (size_t i = 0; i < entries.size(); ++i) {
        boxes[i].index = int(i);
        boxes[i].allDay = IsAllDay(entries[i].DataInit, entries[i].DataEnd, day);
        if (boxes[i].allDay)
            allDay.push_back(i);
    }
    for (size_t i = 0; i < entries.size(); ++i) {
        EntryBox& box = boxes[i];
        if (box.allDay)
            continue;
        int n = 1;
        int r = 0;
        for (size_t j = 0; j < entries.size(); ++j) {
            if (j == i || boxes[j].allDay || !Overlap(entries[i], entries[j]))
                continue;
            ++n;
            if (j < i)
                ++r;
        }
        const int w = (clientWidth - 70) / n;
        box.overlaps = n;
        box.rank = r;
        box.left = kBoxLeft + r * w + (r > 0 ? 10 : 0);
        box.right = kBoxLeft + (r + 1) * w;
        box.top = StartY(entries[i].DataInit, day);
        box.bottom = EndY(entries[i].DataEnd, day);
    }
    const int k = int(allDay.size());
    for (int i = 0; i < k; ++i) {
        EntryBox& box = boxes[allDay[size_t(i)]];
        const int w = (clientWidth - 70) / k;
        box.overlaps = k;
        box.rank = i;
        box.left = kBoxLeft + i * w;
        box.right = box.left + w - (i < k - 1 ? 5 : 0);
        box.top = kAllDayTop;
        box.bottom = kAllDayBottom;
    }
    return boxes;
}

std::pair<QDateTime, QDateTime> ProposedRange(const QDate& day, int firstSlot, int lastSlot) {
    const int lo = std::clamp(std::min(firstSlot, lastSlot), 0, kSlotCount - 1);
    const int hi = std::clamp(std::max(firstSlot, lastSlot), 0, kSlotCount - 1);
    const QDateTime midnight(day, QTime(0, 0));
    return {midnight.addSecs(qint64(lo) * 1800), midnight.addSecs(qint64(hi) * 1800 + 1800)};
}

EntryCheckResult CheckEntry(ScadenzeRecord& entry) {
    EntryCheckResult result;
    entry.Oggetto = Record::CutText(entry.Oggetto, kSubjectWidth);
    entry.Descrizione = Record::CutText(entry.Descrizione, kDescriptionWidth);
    if (entry.Oggetto.isEmpty()) {
        result.check = EntryCheck::EmptySubject;
        return result;
    }
    if (entry.Descrizione.isEmpty()) {
        result.check = EntryCheck::EmptyDescription;
        return result;
    }
    if (!entry.DataInit.isValid() || !entry.DataEnd.isValid() || entry.DataEnd <= entry.DataInit) {
        result.check = EntryCheck::BadRange;
        return result;
    }
    if (entry.DataInit.secsTo(entry.DataEnd) / 60 < 15) {
        entry.DataEnd = entry.DataInit.addSecs(30 * 60);
        result.extended = true;
    }
    return result;
}

QString CheckText(EntryCheck check) {
    switch (check) {
    case EntryCheck::Ok:
        return QString();
    case EntryCheck::EmptySubject:
    case EntryCheck::EmptyDescription:
        return QCoreApplication::translate("AgendaLayout", "Il campo non può avere valore nullo!");
    case EntryCheck::BadRange:
        return QCoreApplication::translate("AgendaLayout",
                                           "Problema nelle date o orari, impossibile salvare!");
    }
    return QString();
}

QString ShortDurationText() {
    return QCoreApplication::translate("AgendaLayout",
                                       "La durata della scadenza è minore di 15 minuti, verrà "
                                       "quindi adattata per avere la durata di almeno un quarto "
                                       "d'ora!");
}

QString SaveFailedText() {
    return QCoreApplication::translate("AgendaLayout", "Impossibile salvare i dati in agenda!");
}

QColor TypeColor(int type) {
    switch (type) {
    case 0:
        return QColor(255, 255, 255);
    case 1:
        return QColor(230, 200, 120);
    case 2:
        return QColor(200, 210, 190);
    default:
        return QColor(240, 240, 170);
    }
}

QString TypeName(int type) {
    switch (type) {
    case 0:
        return QCoreApplication::translate("AgendaLayout", "Appuntamento");
    case 1:
        return QCoreApplication::translate("AgendaLayout", "Scadenza");
    case 2:
        return QCoreApplication::translate("AgendaLayout", "Pagamento");
    default:
        return QString();
    }
}

} // namespace AgendaLayout
