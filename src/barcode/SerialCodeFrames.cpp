#include "barcode/SerialCodeFrames.h"

QStringList SerialCodeFrames::feed(const QByteArray& bytes) {
    QStringList codes;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b == '\r' || b == '\n' || b == 0x03) {
            const QString code = flush();
            if (!code.isEmpty())
                codes.append(code);
        } else if (b >= 0x20 && b != 0x7f && m_code.size() < kMaxLength) {
            m_code.append(c);
        }
    }
    return codes;
}

QString SerialCodeFrames::flush() {
    // Readers send single bytes in their own code page; Latin-1 keeps each byte one character.
    const QString code = QString::fromLatin1(m_code);
    m_code.clear();
    return code;
}
