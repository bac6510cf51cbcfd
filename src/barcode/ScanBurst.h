#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <functional>

// A keyboard-wedge reader types a code as key positions. A reader set up for a US keyboard under
// a French layout types "&é\"'(" for "12345", under a German one "ß" for "-"; a reader set up for
// the host layout presses the right keys and its text arrives correct. Code fields repair a
// burst (keys far faster than a person types) by reading its key positions on a US keyboard, and
// only when that choice is not a guess:
//
// - the delivered text cannot be a code (a character outside printable ASCII, or text the field
//   cannot hold) while the US reading can; or
// - the US reading is all digits and the delivered text is not.
//
// Otherwise the delivered text stays. Limits: letters moved by a layout (A/Q and Z/W on AZERTY,
// Y/Z on QWERTZ) give two plausible codes, so "QBC" stays "QBC" even when a US reader meant
// "ABC"; a burst with a dead key, a key outside the main block (keypad) or AltGr is never read
// on US keys; a burst of printable-ASCII symbols and letters stays as typed.

// One key press of a burst.
struct ScanKeystroke {
    quint32 scanCode = 0;  // native scan code: xkb keycode (evdev + 8); 0 = no US reading
    bool shift = false;    // Shift held
    QString text;          // what the layout delivered; empty for a dead key
    quint64 timestamp = 0; // milliseconds
};

// Keys of one scan follow each other at most this far apart; a person is far slower.
inline constexpr quint64 kScanKeyGapMs = 30;
// A scan has at least this many keys.
inline constexpr int kScanMinKeys = 4;

// Whether a key pressed at `next` continues a run whose last key was pressed at `previous`.
bool ContinuesScan(quint64 previous, quint64 next);

// The character the key at scanCode types on a US keyboard, with or without Shift; none (a null
// QChar) for a key outside the main block.
QChar UsKeyboardChar(quint32 scanCode, bool shift);

struct ScanReading {
    QString delivered; // what the layout typed
    QString us;        // the same keys on a US keyboard; empty when a key has no US reading
    bool repair = false;
};

// Reads a run of key presses. repair is true only for a scan (kScanMinKeys or more keys, each
// within kScanKeyGapMs of the one before) that the rule above says to type as `us` instead.
// fieldHolds tells whether the field accepts a text in place of the burst; empty = any text.
ScanReading ReadScanBurst(const QList<ScanKeystroke>& keys,
                          const std::function<bool(const QString&)>& fieldHolds = {});
