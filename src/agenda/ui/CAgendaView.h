#pragma once

#include "agenda/Easter.h"
#include "common/Commands.h"
#include "common/ui/CFrameView.h"
#include "store/records/ScadenzeRecord.h"

#include <QDate>
#include <QPixmap>
#include <QPointer>
#include <vector>

class CCalAppBar;
class IBrowser;
class IPrompt;
class QScrollBar;

// "Agenda": one day of appointments, deadlines and payments on a grid of half hours. Entries
// are selected with the mouse, slot ranges by click and drag or by the keys, and the day
// changes from the calendar pane or with Left, Right and Home.
class CAgendaView : public CFrameView {
    Q_OBJECT
public:
    enum Id : int {
        New = 32812,
        Open = 32814,
        Delete = 32815,
        Update = Commands::Aggiorna,
    };

    CAgendaView(CMainDoc& doc, IPrompt& prompt, IBrowser& browser, QWidget* parent = nullptr);

    void setCalAppBar(CCalAppBar* bar);

    void becameVisible() override;
    void reload() override;
    void refresh() override;
    void attachCommands(const QHash<int, QAction*>& commands) override;

    QDate day() const { return m_day; }
    const std::vector<ScadenzeRecord>& entries() const { return m_entries; }
    // The selected entry's key, 0 for none.
    qint32 selectedKey() const { return m_selectedKey; }
    // The selected slot range in the order it was made (first may be after last); -1 for none.
    int firstSlot() const { return m_firstSlot; }
    int lastSlot() const { return m_lastSlot; }
    // Where an entry's box is drawn, in view coordinates (after scrolling), as hit testing
    // uses it; empty when the entry is not on the day.
    QRect entryRect(qint32 key) const;
    // Where a slot is, in view coordinates.
    QRect slotRect(int slot) const;
    QScrollBar* scrollBar() const { return m_scroll; }
    // The width the day's grid is laid out on (the view without its scroll bar).
    int clientWidth() const;

public Q_SLOTS:
    void showDay(const QDate& day);
    void onNew();
    void onOpen();
    void onDelete();
    void onUpdate();

Q_SIGNALS:
    // The day shown changed; the calendar pane follows.
    void dayShown(const QDate& day);
    // An entry was saved or deleted: the calendar's bold days may have changed.
    void entriesChanged();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    struct Box {
        qint32 key = 0;
        size_t index = 0;
        bool allDay = false;
        QRect rect; // content coordinates (grid boxes) or view coordinates (all-day boxes)
        int markTop = 0;
        int markBottom = 0;
    };

    void loadDay();
    void layoutBoxes();
    void updateScrollRange();
    int hitEntry(const QPoint& viewPos) const;
    void selectSlots(int first, int last);
    void selectEntry(qint32 key);
    void ensureSlotVisible(int slot);
    void updateCommandStates();
    bool editEntry(ScadenzeRecord& entry);
    void paintDay(QPainter& p);
    void paintHeader(QPainter& p);
    void paintGrid(QPainter& p);
    void paintBox(QPainter& p, const Box& box, const QRect& r);
    int offset() const;

    IPrompt& m_prompt;
    IBrowser& m_browser;
    QPointer<CCalAppBar> m_bar;
    QScrollBar* m_scroll = nullptr;
    QHash<int, QAction*> m_commands;

    QDate m_day;
    std::vector<ScadenzeRecord> m_entries;
    std::vector<Box> m_boxes;
    EasterCache m_easter;
    qint32 m_selectedKey = 0;
    int m_firstSlot = -1;
    int m_lastSlot = -1;
    bool m_dragging = false;
    int m_contentHeight = 0;
    QPixmap m_buffer;
};
