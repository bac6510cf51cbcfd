#pragma once

#include "barcode/ScanBurst.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

class QLineEdit;

// Lets a code field take a scan from a keyboard-wedge reader set up for a US keyboard under
// another layout (rule and limits in barcode/ScanBurst.h). Watches the field's key presses; a run
// of printable keys arriving within kScanKeyGapMs of each other ends at any other key (Enter,
// Tab, ...) or after a short pause. When the run is a scan to repair, the field gets back the
// text and selection it had before the run and the US reading is typed into it as synthesized
// key presses, so textEdited and everything the dialog does per keystroke run as for typed input.
// The key that ended the run then reaches the field unchanged. Never repaired: keys without a
// native scan code (synthesized ones, tests driving the dialog), auto-repeated keys, and keys
// around text an input method composed (a dead key); where an input method takes every key, the
// field sees no key presses and nothing is repaired. A person's typing is far slower than a run,
// so the filter may stay attached whatever the reader setting.
class KeyboardReaderInput : public QObject {
    Q_OBJECT
public:
    // Watches field (once, however often it is called); owned by the field.
    static KeyboardReaderInput* Attach(QLineEdit* field);

    // How long after the last key a run without a closing key ends (milliseconds).
    static constexpr int kPauseMs = 100;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit KeyboardReaderInput(QLineEdit* field);
    void startPause();
    // closing: a pause or a key other than a character, rather than a slow key.
    void endRun(bool closing);
    bool fieldHolds(const QString& burst) const;
    void replay(const QList<ScanKeystroke>& run, const QString& text);

    struct FieldState {
        QString text;
        int cursor = 0;
        int selectionStart = -1;
        int selectionLength = 0;
    };

    QLineEdit* m_field;
    QList<ScanKeystroke> m_run;
    FieldState m_before; // the field just before the run's first key
    QTimer m_pause;
    bool m_composed = false; // an input method committed text since the last pause
    bool m_replaying = false;
};
