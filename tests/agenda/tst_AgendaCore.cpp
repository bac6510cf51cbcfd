// label: unit
#include "agenda/AgendaLayout.h"
#include "agenda/Easter.h"

#include <QTest>
#include <QTimeZone>

using namespace AgendaLayout;

class tst_AgendaCore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void easterKnownYears();
    void easterAgainstAnonymousAlgorithm();
    void easterHeaderAndCache();
    void timePositions();
    void crossingMidnightOnBothDays();
    void severalDaysAllDayInTheMiddle();
    void slotsAndProposal();
    void workingHours();
    void overlapWidthsAndRanks();
    void twoAllDayEntries();
    void entryChecks();
    void typeColours();
};

namespace {

// The "anonymous Gregorian" computation (Meeus/Jones/Butcher), kept apart from the program's.
QDate AnonymousEaster(int y) {
    const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(y, month, day);
}

QDateTime At(int y, int mo, int d, int h, int mi, int s = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
}

ScadenzeRecord Entry(const QDateTime& start, const QDateTime& end, int type = 0) {
    ScadenzeRecord r;
    r.DataInit = start;
    r.DataEnd = end;
    r.Oggetto = QStringLiteral("Oggetto");
    r.Descrizione = QStringLiteral("Descrizione");
    r.Tipo = type;
    return r;
}

} // namespace

void tst_AgendaCore::easterKnownYears() {
    QCOMPARE(EasterSunday(2024), QDate(2024, 3, 31));
    QCOMPARE(EasterSunday(2025), QDate(2025, 4, 20));
    // The extremes of the range: 22 March and 25 April.
    QCOMPARE(EasterSunday(2285), QDate(2285, 3, 22));
    QCOMPARE(EasterSunday(2038), QDate(2038, 4, 25));
}

void tst_AgendaCore::easterAgainstAnonymousAlgorithm() {
    for (int year = 1900; year <= 2100; ++year) {
        const QDate easter = EasterSunday(year);
        QVERIFY2(easter == AnonymousEaster(year), qPrintable(QString::number(year)));
        QCOMPARE(easter.dayOfWeek(), int(Qt::Sunday));
    }
}

void tst_AgendaCore::easterHeaderAndCache() {
    EasterCache cache;
    QCOMPARE(cache.headerText(2024), QStringLiteral("Giorno di pasqua nel 2024: 31 Marzo"));
    QCOMPARE(cache.cachedYear(), 2024);
    QCOMPARE(cache.headerText(2025), QStringLiteral("Giorno di pasqua nel 2025: 20 Aprile"));
    QCOMPARE(cache.cachedYear(), 2025);
    QCOMPARE(cache.forYear(2025), QDate(2025, 4, 20));
    QCOMPARE(ItalianMonthName(1), QStringLiteral("Gennaio"));
    QCOMPARE(ItalianMonthName(12), QStringLiteral("Dicembre"));
    QCOMPARE(ItalianMonthName(0), QString());
}

void tst_AgendaCore::timePositions() {
    const QDate day(2024, 5, 6);
    QCOMPARE(TimeY(QTime(0, 0)), 80);
    QCOMPARE(TimeY(QTime(9, 0)), 440);
    // 2/3 of 31 minutes is 20.67: truncated.
    QCOMPARE(TimeY(QTime(10, 31)), 80 + 400 + 20);
    // 30 minutes 45 seconds: 20 + 0.5, truncated.
    QCOMPARE(TimeY(QTime(10, 30, 45)), 80 + 400 + 20);
    QCOMPARE(TimeY(QTime(10, 31, 30)), 80 + 400 + 21);
    QCOMPARE(StartY(At(2024, 5, 6, 0, 0), day), 80);
    QCOMPARE(EndY(At(2024, 5, 6, 23, 59, 59), day), 1040);
    // Within half a second of the bounds counts as on them.
    QCOMPARE(EndY(At(2024, 5, 6, 23, 59, 59).addMSecs(-400), day), 1040);
    QCOMPARE(EndY(At(2024, 5, 6, 23, 59, 58), day), TimeY(QTime(23, 59, 58)));
    QCOMPARE(StartY(At(2024, 5, 6, 0, 0).addMSecs(400), day), 80);
    // The day the clocks go forward is 23 hours long but still ends at 23:59:59.
    const QTimeZone rome("Europe/Rome");
    QVERIFY(rome.isValid());
    const QDate shortDay(2024, 3, 31);
    QCOMPARE(EndY(QDateTime(shortDay, QTime(23, 59, 59), rome), shortDay), 1040);
    QCOMPARE(EndY(QDateTime(shortDay, QTime(12, 0), rome), shortDay), 560);
}

void tst_AgendaCore::crossingMidnightOnBothDays() {
    const std::vector<ScadenzeRecord> entries{Entry(At(2024, 5, 6, 23, 30), At(2024, 5, 7, 0, 30))};
    const std::vector<EntryBox> first = DayBoxes(entries, QDate(2024, 5, 6), 670);
    QCOMPARE(first.size(), size_t(1));
    QVERIFY(!first[0].allDay);
    QCOMPARE(first[0].top, 80 + 40 * 23 + 20);
    QCOMPARE(first[0].bottom, 1040);
    const std::vector<EntryBox> second = DayBoxes(entries, QDate(2024, 5, 7), 670);
    QVERIFY(!second[0].allDay);
    QCOMPARE(second[0].top, 80);
    QCOMPARE(second[0].bottom, 100);
    QCOMPARE(second[0].left, 60);
    QCOMPARE(second[0].right, 660);
}

void tst_AgendaCore::severalDaysAllDayInTheMiddle() {
    // Monday 9:00 to Friday 17:00.
    const ScadenzeRecord deadline = Entry(At(2024, 5, 6, 9, 0), At(2024, 5, 10, 17, 0), 1);
    const std::vector<ScadenzeRecord> entries{deadline};
    QVERIFY(!IsAllDay(deadline.DataInit, deadline.DataEnd, QDate(2024, 5, 6)));
    for (int d = 7; d <= 9; ++d) {
        const QDate day(2024, 5, d);
        QVERIFY(IsAllDay(deadline.DataInit, deadline.DataEnd, day));
        const EntryBox box = DayBoxes(entries, day, 670).front();
        QVERIFY(box.allDay);
        QCOMPARE(box.top, 48);
        QCOMPARE(box.bottom, 73);
        QCOMPARE(box.left, 60);
        QCOMPARE(box.right, 660);
    }
    QVERIFY(!IsAllDay(deadline.DataInit, deadline.DataEnd, QDate(2024, 5, 10)));
    const EntryBox monday = DayBoxes(entries, QDate(2024, 5, 6), 670).front();
    QCOMPARE(monday.top, 440);
    QCOMPARE(monday.bottom, 1040);
    const EntryBox friday = DayBoxes(entries, QDate(2024, 5, 10), 670).front();
    QCOMPARE(friday.top, 80);
    QCOMPARE(friday.bottom, 80 + 40 * 17);
    // An entry exactly on one day's bounds is all-day too.
    QVERIFY(IsAllDay(At(2024, 5, 6, 0, 0), At(2024, 5, 6, 23, 59, 59), QDate(2024, 5, 6)));
    QVERIFY(!IsAllDay(At(2024, 5, 6, 0, 0), At(2024, 5, 6, 23, 59, 58), QDate(2024, 5, 6)));
}

void tst_AgendaCore::slotsAndProposal() {
    QCOMPARE(SlotAt(79), -1);
    QCOMPARE(SlotAt(80), 0);
    QCOMPARE(SlotAt(99), 0);
    QCOMPARE(SlotAt(100), 1);
    QCOMPARE(SlotAt(1039), 47);
    QCOMPARE(SlotAt(5000), 47);
    QCOMPARE(SlotTop(18), 440);
    const QDate day(2024, 5, 6);
    const auto range = ProposedRange(day, 18, 20);
    QCOMPARE(range.first, At(2024, 5, 6, 9, 0));
    QCOMPARE(range.second, At(2024, 5, 6, 10, 30));
    // Dragged upwards: the same range.
    QCOMPARE(ProposedRange(day, 20, 18), range);
    // The last slot ends at the next midnight.
    QCOMPARE(ProposedRange(day, 47, 47).second, At(2024, 5, 7, 0, 0));
}

void tst_AgendaCore::workingHours() {
    const std::vector<std::pair<int, int>> expected{{18, 25}, {28, 35}};
    for (int d = 6; d <= 10; ++d)
        QCOMPARE(WorkingSlots(QDate(2024, 5, d)), expected);
    QVERIFY(WorkingSlots(QDate(2024, 5, 11)).empty());
    QVERIFY(WorkingSlots(QDate(2024, 5, 12)).empty());
    // 13:00 and 18:00 are the first slots outside.
    QCOMPARE(SlotAt(TimeY(QTime(13, 0))), 26);
    QCOMPARE(SlotAt(TimeY(QTime(18, 0))), 36);
}

void tst_AgendaCore::overlapWidthsAndRanks() {
    const QDate day(2024, 5, 6);
    // a and b overlap, b and c overlap, a and c do not; d stands alone.
    const std::vector<ScadenzeRecord> entries{
        Entry(At(2024, 5, 6, 9, 0), At(2024, 5, 6, 10, 0)),
        Entry(At(2024, 5, 6, 9, 30), At(2024, 5, 6, 11, 0), 1),
        Entry(At(2024, 5, 6, 10, 0), At(2024, 5, 6, 12, 0), 2),
        Entry(At(2024, 5, 6, 15, 0), At(2024, 5, 6, 16, 0)),
    };
    const std::vector<EntryBox> boxes = DayBoxes(entries, day, 670);
    QCOMPARE(boxes.size(), size_t(4));
    // a: n = 2, r = 0, w = 300.
    QCOMPARE(boxes[0].overlaps, 2);
    QCOMPARE(boxes[0].rank, 0);
    QCOMPARE(boxes[0].left, 60);
    QCOMPARE(boxes[0].right, 360);
    // b: n = 3 (a, b, c), r = 1, w = 200, 10 pixels further right.
    QCOMPARE(boxes[1].overlaps, 3);
    QCOMPARE(boxes[1].rank, 1);
    QCOMPARE(boxes[1].left, 270);
    QCOMPARE(boxes[1].right, 460);
    // c: touching a at 10:00 is no overlap; n = 2, r = 1.
    QCOMPARE(boxes[2].overlaps, 2);
    QCOMPARE(boxes[2].rank, 1);
    QCOMPARE(boxes[2].left, 370);
    QCOMPARE(boxes[2].right, 660);
    QCOMPARE(boxes[3].overlaps, 1);
    QCOMPARE(boxes[3].left, 60);
    QCOMPARE(boxes[3].right, 660);
    QCOMPARE(boxes[3].top, 680);
    QCOMPARE(boxes[3].bottom, 720);
}

void tst_AgendaCore::twoAllDayEntries() {
    const QDate day(2024, 5, 7);
    const std::vector<ScadenzeRecord> entries{
        Entry(At(2024, 5, 7, 0, 0), At(2024, 5, 7, 23, 59, 59)),
        Entry(At(2024, 5, 7, 9, 0), At(2024, 5, 7, 10, 0)),
        Entry(At(2024, 5, 1, 8, 0), At(2024, 5, 20, 8, 0), 2),
    };
    const std::vector<EntryBox> boxes = DayBoxes(entries, day, 671);
    QVERIFY(boxes[0].allDay);
    QVERIFY(!boxes[1].allDay);
    QVERIFY(boxes[2].allDay);
    // Each (671 - 70) / 2 = 300, the first 5 pixels narrower.
    QCOMPARE(boxes[0].left, 60);
    QCOMPARE(boxes[0].right, 355);
    QCOMPARE(boxes[2].left, 360);
    QCOMPARE(boxes[2].right, 660);
    QCOMPARE(boxes[2].top, 48);
    QCOMPARE(boxes[2].bottom, 73);
    // The header entries take no width from the grid.
    QCOMPARE(boxes[1].overlaps, 1);
    QCOMPARE(boxes[1].right, 661);
}

void tst_AgendaCore::entryChecks() {
    ScadenzeRecord r = Entry(At(2024, 5, 6, 9, 0), At(2024, 5, 6, 9, 10));
    EntryCheckResult result = CheckEntry(r);
    QCOMPARE(result.check, EntryCheck::Ok);
    QVERIFY(result.extended);
    QCOMPARE(r.DataEnd, At(2024, 5, 6, 9, 30));
    QCOMPARE(ShortDurationText(),
             QStringLiteral("La durata della scadenza è minore di 15 minuti, verrà quindi "
                            "adattata per avere la durata di almeno un quarto d'ora!"));

    // 14 minutes 59 seconds is under 15 whole minutes; 15 minutes is enough.
    r = Entry(At(2024, 5, 6, 9, 0), At(2024, 5, 6, 9, 14, 59));
    QVERIFY(CheckEntry(r).extended);
    r = Entry(At(2024, 5, 6, 9, 0), At(2024, 5, 6, 9, 15));
    result = CheckEntry(r);
    QVERIFY(!result.extended);
    QCOMPARE(r.DataEnd, At(2024, 5, 6, 9, 15));

    r = Entry(At(2024, 5, 6, 9, 0), At(2024, 5, 6, 9, 0));
    QCOMPARE(CheckEntry(r).check, EntryCheck::BadRange);
    QCOMPARE(CheckText(EntryCheck::BadRange),
             QStringLiteral("Problema nelle date o orari, impossibile salvare!"));

    // Empty fields come before the dates.
    r.Oggetto.clear();
    QCOMPARE(CheckEntry(r).check, EntryCheck::EmptySubject);
    r.Oggetto = QStringLiteral("x");
    r.Descrizione.clear();
    QCOMPARE(CheckEntry(r).check, EntryCheck::EmptyDescription);
    QCOMPARE(CheckText(EntryCheck::EmptyDescription),
             QStringLiteral("Il campo non può avere valore nullo!"));

    r = Entry(At(2024, 5, 6, 9, 0), At(2024, 5, 6, 10, 0));
    r.Oggetto = QString(120, QLatin1Char('o'));
    r.Descrizione = QString(300, QLatin1Char('d'));
    QCOMPARE(CheckEntry(r).check, EntryCheck::Ok);
    QCOMPARE(r.Oggetto.size(), 100);
    QCOMPARE(r.Descrizione.size(), 255);
}

void tst_AgendaCore::typeColours() {
    QCOMPARE(TypeColor(0), QColor(255, 255, 255));
    QCOMPARE(TypeColor(1), QColor(230, 200, 120));
    QCOMPARE(TypeColor(2), QColor(200, 210, 190));
    QCOMPARE(TypeColor(3), QColor(240, 240, 170));
    QCOMPARE(TypeColor(-1), QColor(240, 240, 170));
    QCOMPARE(TypeName(1), QStringLiteral("Scadenza"));
}

QTEST_GUILESS_MAIN(tst_AgendaCore)
#include "tst_AgendaCore.moc"
