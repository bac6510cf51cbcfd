#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Cuts the bytes a serial barcode reader sends into codes. A code ends with CR, LF or ETX (the
// usual suffixes a reader can be set to), or with a pause of kPauseMs for readers set to send
// no suffix. Other control bytes (an STX prefix) are dropped; a code is never longer than
// kMaxLength, so noise at a wrong speed cannot grow without end.
class SerialCodeFrames {
public:
    static constexpr int kPauseMs = 100;
    static constexpr int kMaxLength = 256;

    // The codes that the bytes complete, in order; an incomplete one waits for more.
    QStringList feed(const QByteArray& bytes);
    // A pause: the incomplete code, if any, is complete (empty when there is none).
    QString flush();
    bool pending() const { return !m_code.isEmpty(); }

private:
    QByteArray m_code;
};
