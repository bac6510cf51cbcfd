#include "barcode/ScanBurst.h"

#include <algorithm>

namespace {

// The US keyboard's main block by xkb keycode, from keycode 10 (the "1" key) to 65 (space);
// a blank marks a keycode with no character key. Unshifted, then shifted.
constexpr quint32 kFirstKey = 10;
constexpr char kUsPlain[] = "1234567890-=  qwertyuiop[]  asdfghjkl;'` \\zxcvbnm,./   ";
constexpr char kUsShift[] = "!@#$%^&*()_+  QWERTYUIOP{}  ASDFGHJKL:\"~ |ZXCVBNM<>?   ";
constexpr quint32 kSpaceKey = 65;
static_assert(sizeof(kUsPlain) == sizeof(kUsShift));
static_assert(kFirstKey + sizeof(kUsPlain) - 1 == kSpaceKey);

bool isPrintableAscii(const QString& text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() >= 0x20 && c.unicode() <= 0x7e;
    });
}

bool isDigits(const QString& text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
}

} // namespace

bool ContinuesScan(quint64 previous, quint64 next) {
    return next >= previous && next - previous <= kScanKeyGapMs;
}

QChar UsKeyboardChar(quint32 scanCode, bool shift) {
    if (scanCode == kSpaceKey)
        return QLatin1Char(' ');
    if (scanCode < kFirstKey || scanCode >= kSpaceKey)
        return {};
    const char c = (shift ? kUsShift : kUsPlain)[scanCode - kFirstKey];
    return c == ' ' ? QChar() : QLatin1Char(c);
}

ScanReading ReadScanBurst(const QList<ScanKeystroke>& keys,
                          const std::function<bool(const QString&)>& fieldHolds) {
    ScanReading reading;
    bool readable = true;
    bool fast = keys.size() >= kScanMinKeys;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const ScanKeystroke& key = keys.at(i);
        reading.delivered += key.text;
        const QChar us = UsKeyboardChar(key.scanCode, key.shift);
        // A dead key's text depends on the key after it: the delivered text is not known key by
        // key, so the burst is not read at all.
        readable = readable && !us.isNull() && !key.text.isEmpty();
        reading.us += us;
        if (i > 0 && !ContinuesScan(keys.at(i - 1).timestamp, key.timestamp))
            fast = false;
    }
    if (!readable)
        reading.us.clear();
    if (!fast || reading.us.isEmpty() || reading.us == reading.delivered)
        return reading;

    const auto holds = [&](const QString& text) { return !fieldHolds || fieldHolds(text); };
    if (!holds(reading.us))
        return reading;
    const bool deliveredIsCode = isPrintableAscii(reading.delivered) && holds(reading.delivered);
    reading.repair = !deliveredIsCode || (isDigits(reading.us) && !isDigits(reading.delivered));
    return reading;
}
