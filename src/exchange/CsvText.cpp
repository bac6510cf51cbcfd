#include "exchange/CsvText.h"

#include <QStringDecoder>

namespace CsvText {

namespace {

// What Windows-1252 puts at 0x80 to 0x9F; the five codes it leaves free stay as Latin-1 has them.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString FromWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? kWindows1252High[b - 0x80] : char16_t(b));
    }
    return text;
}

bool IsBreak(QChar c) {
    return c == u'\n' || c == u'\r';
}

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

} // namespace

QString Decode(const QByteArray& bytes, Encoding* encoding) {
    const auto say = [&](Encoding e) {
        if (encoding)
            *encoding = e;
    };
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        say(Encoding::Utf16);
        const bool little = bytes.startsWith("\xFF\xFE");
        QStringDecoder decoder(little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        return decoder.decode(QByteArrayView(bytes).sliced(2));
    }
    QByteArrayView body(bytes);
    if (body.startsWith("\xEF\xBB\xBF"))
        body = body.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(body);
    if (!utf8.hasError()) {
        say(Encoding::Utf8);
        return text;
    }
    say(Encoding::Windows1252);
    return FromWindows1252(bytes);
}

bool LooksBinary(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return false;
    const qsizetype n = qMin<qsizetype>(bytes.size(), 65536);
    if (n == 0)
        return false;
    qsizetype controls = 0;
    qsizetype nuls = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b == 0)
            ++nuls;
        else if (b < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != '\f')
            ++controls;
    }
    // Text has hardly any control codes; random bytes one in nine. NULs alone make a third
    // of UTF-16 saved without its mark, which is not read either.
    return controls * 20 > n || nuls * 3 > n;
}

QString Quoted(const QString& value, QChar separator) {
    if (!value.contains(separator) && !value.contains(u'"') && !value.contains(u'\n') &&
        !value.contains(u'\r'))
        return value;
    QString text = value;
    text.replace(u'"', QStringLiteral("\"\""));
    return u'"' + text + u'"';
}

Reader::Reader(const QString& text, QChar separator, QChar delimiter)
    : m_text(text), m_separator(separator), m_delimiter(delimiter) {}

bool Reader::next(Record* record) {
    if (m_pos >= m_text.size())
        return false;
    record->fields.clear();
    record->line = m_line;
    record->unclosedDelimiter = false;
    if (m_delimiter.isNull() || !readDelimited(record))
        readPlain(record);
    return true;
}

qsizetype Reader::lineEnd(qsizetype from) const {
    qsizetype i = from;
    while (i < m_text.size() && !IsBreak(m_text[i]))
        ++i;
    return i;
}

qsizetype Reader::afterLineEnd(qsizetype end) const {
    if (end >= m_text.size())
        return end;
    if (m_text[end] == u'\r' && end + 1 < m_text.size() && m_text[end + 1] == u'\n')
        return end + 2;
    return end + 1;
}

void Reader::readPlain(Record* record) {
    const qsizetype end = lineEnd(m_pos);
    qsizetype start = m_pos;
    const auto add = [&](qsizetype from, qsizetype to) {
        QString field = m_text.mid(from, to - from);
        if (!m_delimiter.isNull())
            field.remove(m_delimiter);
        record->fields.append(field);
    };
    for (qsizetype i = m_pos; i < end; ++i) {
        if (m_text[i] == m_separator) {
            add(start, i);
            start = i + 1;
        }
    }
    add(start, end);
    m_pos = afterLineEnd(end);
    ++m_line;
}

bool Reader::readDelimited(Record* record) {
    const qsizetype size = m_text.size();
    qsizetype pos = m_pos;
    int breaks = 0;
    for (;;) {
        qsizetype j = pos;
        while (j < size && IsBlank(m_text[j]))
            ++j;
        QString field;
        if (j < size && m_text[j] == m_delimiter) {
            qsizetype k = j + 1;
            for (;;) {
                const qsizetype close = m_text.indexOf(m_delimiter, k);
                if (close < 0) {
                    // Never closed: the line alone, read plainly, so the rest of the file is
                    // not swallowed into one field.
                    record->fields.clear();
                    record->unclosedDelimiter = true;
                    return false;
                }
                const QStringView part = QStringView(m_text).sliced(k, close - k);
                for (qsizetype c = 0; c < part.size(); ++c)
                    if (part[c] == u'\n' ||
                        (part[c] == u'\r' && (c + 1 >= part.size() || part[c + 1] != u'\n')))
                        ++breaks;
                field += part;
                if (close + 1 < size && m_text[close + 1] == m_delimiter) {
                    field += m_delimiter;
                    k = close + 2;
                    continue;
                }
                k = close + 1;
                break;
            }
            qsizetype e = k;
            while (e < size && m_text[e] != m_separator && !IsBreak(m_text[e]))
                ++e;
            field += QStringView(m_text).sliced(k, e - k);
            pos = e;
        } else {
            qsizetype e = pos;
            while (e < size && m_text[e] != m_separator && !IsBreak(m_text[e]))
                ++e;
            field = m_text.mid(pos, e - pos);
            // A stray delimiter in a field that does not begin with one is dropped.
            field.remove(m_delimiter);
            pos = e;
        }
        record->fields.append(field);
        if (pos < size && m_text[pos] == m_separator) {
            ++pos;
            continue;
        }
        m_pos = afterLineEnd(pos);
        m_line += 1 + breaks;
        return true;
    }
}

} // namespace CsvText
