#include "items/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>
#include <QThread>

namespace Items {

WaitCursor::WaitCursor() {
    if (qGuiApp && QThread::currentThread() == qGuiApp->thread()) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        m_shown = true;
    }
}

WaitCursor::~WaitCursor() {
    if (m_shown)
        QGuiApplication::restoreOverrideCursor();
}

} // namespace Items
