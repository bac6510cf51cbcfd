#include "common/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>
#include <QThread>

namespace Items {

WaitCursor::WaitCursor() {
    // qGuiApp is a plain cast of the application object: a console tool's would pass.
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (app && QThread::currentThread() == app->thread()) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        m_shown = true;
    }
}

WaitCursor::~WaitCursor() {
    if (m_shown)
        QGuiApplication::restoreOverrideCursor();
}

} // namespace Items
