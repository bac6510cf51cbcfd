#include "agenda/ui/CCalAppBar.h"

#include "agenda/AgendaStore.h"
#include "store/Database.h"

#include <QCalendarWidget>
#include <QSignalBlocker>
#include <QTextCharFormat>
#include <QVBoxLayout>

CCalAppBar::CCalAppBar(int commandId, const QString& title, Database& db, QWidget* parent)
    : CPaneBar(commandId, title, parent), m_db(db) {
    auto* holder = new QWidget(this);
    m_calendar = new QCalendarWidget(holder);
    m_calendar->setObjectName(QStringLiteral("Calendario"));
    m_calendar->setFirstDayOfWeek(Qt::Monday);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setGridVisible(false);
    m_calendar->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_calendar);
    layout->addStretch(1);
    setWidget(holder);

    connect(m_calendar, &QCalendarWidget::currentPageChanged, this, &CCalAppBar::loadMonth);
    // A click, or the keys moving the selection: the view follows either way.
    connect(m_calendar, &QCalendarWidget::selectionChanged, this,
            [this] { Q_EMIT daySelected(m_calendar->selectedDate()); });
    connect(m_calendar, &QCalendarWidget::clicked, this, &CCalAppBar::daySelected);
    refresh();
}

void CCalAppBar::showDay(const QDate& day) {
    if (!day.isValid())
        return;
    const QSignalBlocker block(m_calendar);
    m_calendar->setSelectedDate(day);
    // The blocked signals include the page change: load its days here.
    loadMonth(m_calendar->yearShown(), m_calendar->monthShown());
}

void CCalAppBar::refresh() {
    loadMonth(m_calendar->yearShown(), m_calendar->monthShown());
}

void CCalAppBar::loadMonth(int year, int month) {
    // The page shows six weeks around the month: every day on it may be bold.
    const QDate first = QDate(year, month, 1).addDays(-7);
    const QDate last = QDate(year, month, 1).addDays(49);
    std::set<QDate> days;
    AgendaStore store(m_db);
    if (!m_db.isOpen() || !store.daysWithEntries(first, last, &days))
        days.clear();
    m_calendar->setDateTextFormat(QDate(), QTextCharFormat());
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (const QDate& d : days)
        m_calendar->setDateTextFormat(d, bold);
    m_bold = std::move(days);
}
