#pragma once

#include <QObject>

// Announces data changes between views, panes and the frame.
class ChangeNotifier : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

Q_SIGNALS:
    // An item's stock counters must be recomputed and its row redrawn.
    void itemRecomputeRequested(int itemId);
    // The same for several items at once (a saved or deleted movement's), in one pass.
    void itemsRecomputeRequested(const QList<int>& itemIds);
    // A movement header must be recomputed and its row redrawn.
    void movementRecomputeRequested(int movementId);
    // The view with this index (0 items, 1 movements, 2 counterparts, 3 agenda) must reload.
    void viewReloadRequested(int viewIndex);
    // Every view must refresh (company data or connection changed).
    void refreshAllRequested();
    // The number of rows a view shows, for the status bar (kind 1 to 4).
    void rowCountChanged(int kind, int count);
};
