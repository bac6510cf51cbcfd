#include "common/ui/RowCommandKeys.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QObject>

namespace {

class RowKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            const auto* key = static_cast<QKeyEvent*>(event);
            // Left unaccepted, the key goes on to the window's shortcut.
            if (key->modifiers() == Qt::ControlModifier &&
                (key->key() == Qt::Key_Insert || key->key() == Qt::Key_Delete))
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void KeepRowCommandKeys(QWidget* window) {
    auto* filter = new RowKeyFilter(window);
    for (QLineEdit* edit : window->findChildren<QLineEdit*>())
        edit->installEventFilter(filter);
}
