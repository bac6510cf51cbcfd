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

// Like WhenShown, for a window that comes up only after a nested event loop of its own has
// ended (a worker's wait): polls from the main loop for five seconds instead of waiting inside
// the first event it gets.
template <class D> void WhenUp(std::function<void(D*)> work) {
    auto* poll = new QTimer;
    auto* tries = new int(0);
    QObject::connect(poll, &QTimer::timeout, [poll, tries, work] {
        if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            delete tries;
            QApplication::setActiveWindow(d);
            work(d);
        } else if (++*tries > 500) {
            poll->stop();
            poll->deleteLater();
            delete tries;
        }
    });
    poll->start(10);
}

} // namespace TestSupport
