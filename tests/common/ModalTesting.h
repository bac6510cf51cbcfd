#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

namespace TestSupport {

// Runs work on the modal window of type D once it is up, as the user would: the window takes
// the keys, as under a window manager.
template <class D> void WhenShown(std::function<void(D*)> work) {
    QTimer::singleShot(0, [work] {
        for (int i = 0; i < 300; ++i) {
            if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget())) {
                QApplication::setActiveWindow(d);
                work(d);
                return;
            }
            QTest::qWait(10);
        }
    });
}

} // namespace TestSupport
