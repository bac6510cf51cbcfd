#pragma once

#include <QDate>
#include <QString>

// Easter Sunday of a Gregorian year, by integer arithmetic (every division truncates).
QDate EasterSunday(int year);

// The Italian name of a month (1 to 12), as the long dates write it.
QString ItalianMonthName(int month);

// Keeps the Easter date of the last year asked for: the day view asks on every day it shows,
// and days are mostly browsed within one year.
class EasterCache {
public:
    QDate forYear(int year);
    // "Giorno di pasqua nel 2024: 31 Marzo", for the header of the day view.
    QString headerText(int year);
    int cachedYear() const { return m_year; }

private:
    int m_year = 0;
    QDate m_date;
};
