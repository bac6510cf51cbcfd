#include "common/ui/CFrameView.h"

CFrameView::CFrameView(CMainDoc& doc, QWidget* parent) : QWidget(parent), m_doc(doc) {}

void CFrameView::attachCommands(const QHash<int, QAction*>& commands) {
    // A view that handles none of its commands yet shows them, disabled.
    for (QAction* a : commands)
        a->setEnabled(false);
}
