#pragma once

#include "common/ui/CKeyedListView.h"

#include <QApplication>
#include <QTableView>
#include <QTest>

namespace TestSupport {

// Shows the view as the active window, brought to the front, the focus in its list: where the
// user's keys go. Null when the window never became active.
inline QTableView* FocusedList(CKeyedListView& view) {
    view.show();
    QApplication::setActiveWindow(&view);
    if (!QTest::qWaitForWindowActive(&view))
        return nullptr;
    view.becameVisible();
    view.table()->setFocus();
    return view.table();
}

} // namespace TestSupport
