#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>

// Reads a fuzzer's bytes: a few leading bytes choose options, the rest is the text under test.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size)
        : m_data(reinterpret_cast<const char*>(data)), m_size(size) {}

    // The next byte, 0 once the input is used up.
    uint8_t byte() { return m_pos < m_size ? uint8_t(m_data[m_pos++]) : 0; }

    QByteArray rest() const { return QByteArray(m_data + m_pos, qsizetype(m_size - m_pos)); }

    // The rest as text: UTF-8 (what files and pages hold), or raw UTF-16 code units when
    // `utf16`, so that lone surrogates and any other QChar reach the code too.
    QString text(bool utf16) const {
        const QByteArray bytes = rest();
        if (!utf16)
            return QString::fromUtf8(bytes);
        return QString(reinterpret_cast<const QChar*>(bytes.constData()), bytes.size() / 2);
    }

private:
    const char* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// A property that does not hold: libFuzzer reports it as a crash and keeps the input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            __builtin_trap();                                                                      \
        }                                                                                          \
    } while (false)
