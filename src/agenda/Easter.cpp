#include "agenda/Easter.h"

#include "common/Language.h"
#include "company/Formats.h"

#include <QCoreApplication>
#include <QLocale>

#include <QStringList>

QDate EasterSunday(int year) {
    const int g = year % 19;
    const int c = year / 100;
    const int h = (c - c / 4 - (8 * c + 13) / 25 + 19 * g + 15) % 30;
    const int i = h - (h / 28) * (1 - (29 / (h + 1)) * ((21 - g) / 11));
    const int j = (year + year / 4 + i + 2 - c + c / 4) % 7;
    const int l = i - j;
    const int month = 3 + (l + 40) / 44;
    const int day = l + 28 - 31 * (month / 4);
    return QDate(year, month, day);
}

QString ItalianMonthName(int month) {
    if (month < 1 || month > 12)
        return QString();
    // The long date is "weekday day month year"; its names are the program's one list.
    const QStringList words =
        FormatLongDate(QDate(2000, month, 1)).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return words.size() >= 2 ? words.at(words.size() - 2) : QString();
}

QDate EasterCache::forYear(int year) {
    if (year != m_year || !m_date.isValid()) {
        m_year = year;
        m_date = EasterSunday(year);
    }
    return m_date;
}

QString EasterCache::headerText(int year) {
    const QDate easter = forYear(year);
    // Italian keeps the program's own month names; another language takes its locale's.
    const QString language = Language::Active();
    const QString month = language == QLatin1String("it")
                              ? ItalianMonthName(easter.month())
                              : QLocale(language).standaloneMonthName(easter.month());
    return QCoreApplication::translate("EasterCache", "Giorno di pasqua nel %1: %2 %3")
        .arg(year)
        .arg(easter.day())
        .arg(month);
}
