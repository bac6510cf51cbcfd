#pragma once

#include <QObject>
#include <QString>

class QWidget;
class SerialBarcodePort;

// Types each code a serial reader sends into the focused field, as key presses, so that every
// dialog taking codes works with a serial reader as with one that types like a keyboard. No
// Enter follows the code (dialogs keep their ordinary Enter with a serial reader), unless the
// focused field asks for it with the property kEnterProperty (a field that acts on a scan when
// its Enter arrives).
class SerialReaderTyping : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kEnterProperty = "serialScanEndsWithEnter";

    // Types what reader reads from now on.
    explicit SerialReaderTyping(SerialBarcodePort& reader, QObject* parent = nullptr);

    // Types the code into the application's focused widget; false when none has the focus.
    bool type(const QString& code);
    static void TypeInto(QWidget* widget, const QString& code);
};
