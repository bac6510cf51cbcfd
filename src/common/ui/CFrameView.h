#pragma once

#include <QAction>
#include <QHash>
#include <QWidget>

class CMainDoc;

// What the main frame asks of each of its four views. The frame shows one view at a time and
// forwards the notifier's requests to the view they concern.
class CFrameView : public QWidget {
    Q_OBJECT
public:
    CFrameView(CMainDoc& doc, QWidget* parent = nullptr);

    CMainDoc& document() const { return m_doc; }

    // The frame made this view the visible one: refresh and report the row count.
    virtual void becameVisible() {}
    // Reload the list (a reload request for this view's index).
    virtual void reload() {}
    // Refresh after a change of archive or company data.
    virtual void refresh() {}
    // The frame is closing: store column widths and the like.
    virtual void saveState() {}
    // Recompute one item's counters (items view) or one movement's header (movements view).
    virtual void recomputeItem(int /*itemId*/) {}
    virtual void recomputeItems(const QList<int>& itemIds) {
        for (int id : itemIds)
            recomputeItem(id);
    }
    virtual void recomputeMovement(int /*movementId*/) {}

    // The ribbon commands of this view's category, by id, made by the frame. A view connects
    // the ones it handles and keeps their enabled and checked states; the frame gives the keys
    // only to the visible view's commands, so equal keys of other categories never clash.
    virtual void attachCommands(const QHash<int, QAction*>& commands);

private:
    CMainDoc& m_doc;
};
