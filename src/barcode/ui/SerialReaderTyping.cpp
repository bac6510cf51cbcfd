#include "barcode/ui/SerialReaderTyping.h"

#include "barcode/SerialBarcodePort.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace {

int KeyFor(QChar c) {
    const char16_t u = c.toUpper().unicode();
    // Qt's key codes are the Latin-1 characters themselves (upper case for letters).
    if (u >= 0x20 && u <= 0xff)
        return u;
    return Qt::Key_unknown;
}

void Press(QWidget* widget, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

} // namespace

SerialReaderTyping::SerialReaderTyping(SerialBarcodePort& reader, QObject* parent)
    : QObject(parent) {
    connect(&reader, &SerialBarcodePort::codeRead, this, &SerialReaderTyping::type);
}

bool SerialReaderTyping::type(const QString& code) {
    QWidget* focus = QApplication::focusWidget();
    if (!focus)
        return false;
    TypeInto(focus, code);
    return true;
}

void SerialReaderTyping::TypeInto(QWidget* widget, const QString& code) {
    QPointer<QWidget> target(widget);
    for (const QChar c : code) {
        // A key may close the window the field is in.
        if (!target)
            return;
        Press(target, KeyFor(c), QString(c));
    }
    if (target && target->property(kEnterProperty).toBool())
        Press(target, Qt::Key_Return, QStringLiteral("\r"));
}
