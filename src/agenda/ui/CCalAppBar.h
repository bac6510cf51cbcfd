#pragma once

#include "common/ui/CPaneBar.h"

#include <QDate>
#include <set>

class Database;
class QCalendarWidget;

// The agenda's month calendar: the days that have an entry are bold, and choosing a day shows
// it in the day view.
class CCalAppBar : public CPaneBar {
    Q_OBJECT
public:
    CCalAppBar(int commandId, const QString& title, Database& db, QWidget* parent = nullptr);

    QCalendarWidget* calendar() const { return m_calendar; }
    // The days shown in bold, as last loaded.
    const std::set<QDate>& boldDays() const { return m_bold; }

public Q_SLOTS:
    // Follows the day the view shows, without sending it back.
    void showDay(const QDate& day);
    // Loads the bold days of the displayed months again (after an entry changed).
    void refresh();

Q_SIGNALS:
    void daySelected(const QDate& day);

private:
    void loadMonth(int year, int month);

    Database& m_db;
    QCalendarWidget* m_calendar = nullptr;
    std::set<QDate> m_bold;
};
