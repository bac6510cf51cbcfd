#pragma once

#include "store/records/ScadenzeRecord.h"

#include <QColor>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <utility>
#include <vector>

// The day view's geometry and the entry dialog's rules, free of any window, so that both can be
// checked on their own. Positions are pixels of the scrolled content unless said otherwise.
namespace AgendaLayout {

constexpr int kGridTop = 80;    // the time grid starts below the header band
constexpr int kSlotHeight = 20; // one half hour
constexpr int kSlotCount = 48;
constexpr int kGridBottom = kGridTop + kSlotCount * kSlotHeight; // 1040
constexpr int kMarkerLeft = 50;
constexpr int kBoxLeft = 60;
// Comparisons against the day's bounds tolerate half a second, in days.
constexpr double kHalfSecondDays = 5.787037037037037e-6;
// The band for entries that cover the whole day, from the top of the visible area.
constexpr int kAllDayTop = 48;
constexpr int kAllDayBottom = 73;

// The slot (0 to 47) under a content y, or -1 above the grid.
int SlotAt(int y);
// The content y where a slot begins.
int SlotTop(int slot);

// Where a time falls on the day's grid; a start at or before the day's first second draws from
// the grid's top, an end at or after its last second to the grid's bottom.
int StartY(const QDateTime& start, const QDate& day);
int EndY(const QDateTime& end, const QDate& day);
// The position of a time of day, before any clamping.
int TimeY(const QTime& time);

// The working hours of the day as inclusive slot ranges: Monday to Friday 9-13 and 14-18.
std::vector<std::pair<int, int>> WorkingSlots(const QDate& day);

// Whether an entry covers the whole day (from its 00:00:00 to its 23:59:59, within half a
// second); such an entry is drawn in the header band instead of the grid.
bool IsAllDay(const QDateTime& start, const QDateTime& end, const QDate& day);

struct EntryBox {
    int index = 0;       // into the entries given
    bool allDay = false; // in the header band: top and bottom are from the visible area's top
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
    int overlaps = 1; // entries sharing the width, itself included (grid boxes)
    int rank = 0;     // its column among them
};

// The boxes of a day's entries, in the entries' order. Grid entries that overlap share the
// width between x = 60 and clientWidth - 10, in the order given; entries covering the whole day
// sit side by side in the header band.
std::vector<EntryBox> DayBoxes(const std::vector<ScadenzeRecord>& entries, const QDate& day,
                               int clientWidth);

// The start and end proposed for a new entry from a range of selected slots, either way round:
// the start of the earlier slot, and 30 minutes after the start of the later one.
std::pair<QDateTime, QDateTime> ProposedRange(const QDate& day, int firstSlot, int lastSlot);

// The entry dialog's checks on saving, in their order.
enum class EntryCheck { Ok, EmptySubject, EmptyDescription, BadRange };
struct EntryCheckResult {
    EntryCheck check = EntryCheck::Ok;
    // The end was moved to the start plus 30 minutes; the dialog shows ShortDurationText().
    bool extended = false;
};
// Cuts the subject and description to their widths, refuses empty ones and an end not after the
// start, and stretches an entry under 15 whole minutes to 30 minutes.
EntryCheckResult CheckEntry(ScadenzeRecord& entry);
// The message of a refusal (empty for Ok).
QString CheckText(EntryCheck check);
QString ShortDurationText();
// Shown when the archive refuses a save.
QString SaveFailedText();

constexpr int kSubjectWidth = 100;
constexpr int kDescriptionWidth = 255;

// The fill of an entry box and of the type list's swatch.
QColor TypeColor(int type);
// "Appuntamento", "Scadenza", "Pagamento", in type order.
QString TypeName(int type);

} // namespace AgendaLayout
