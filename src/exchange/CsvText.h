#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>

// Reading and writing the text of spreadsheet files (CSV). Files come from every kind of
// program: UTF-8 with or without a byte-order mark, UTF-16 from "Unicode text" saves, and the
// Windows code page of older programs; lines end in CR LF, LF or a lone CR.
namespace CsvText {

enum class Encoding { Utf8, Utf16, Windows1252 };

// The text of a file's bytes: UTF-16 when a byte-order mark says so; UTF-8 (mark dropped) when
// the bytes are valid UTF-8; else Windows-1252, whose € sign and typographic quotes sit where
// Latin-1 has control codes.
QString Decode(const QByteArray& bytes, Encoding* encoding = nullptr);

// Whether bytes look like something other than text (a picture, an archive): NUL bytes or many
// control codes near the start. A few stray NULs inside a text do not count.
bool LooksBinary(const QByteArray& bytes);

// A field as written to a file: enclosed in double quotes, inner quotes doubled, when it holds
// the separator, a double quote or a line break; else as it is.
QString Quoted(const QString& value, QChar separator);

// One record of a file: its fields, and the line (from 1) where it starts. A record spans
// several lines when a delimited field holds line breaks.
struct Record {
    QStringList fields;
    int line = 0;
    // A delimiter opened and never closed: the record was read as its one line, split without
    // regard to delimiters, and is not to be trusted.
    bool unclosedDelimiter = false;
};

// Splits a text into records. With a delimiter, a field that begins with it (after blanks)
// runs to the next lone delimiter, separators and line breaks included, and a doubled
// delimiter inside stands for one; text after the closing delimiter joins the field. Without
// one, every separator splits.
class Reader {
public:
    // delimiter: QChar() for none.
    Reader(const QString& text, QChar separator, QChar delimiter);

    // The next record; false at the end of the text. Empty lines are records with one empty
    // field.
    bool next(Record* record);
    // How far the reading has come, in characters of the text.
    qsizetype position() const { return m_pos; }
    qsizetype size() const { return m_text.size(); }

private:
    bool readDelimited(Record* record);
    void readPlain(Record* record);
    qsizetype lineEnd(qsizetype from) const;
    qsizetype afterLineEnd(qsizetype end) const;

    QString m_text;
    QChar m_separator;
    QChar m_delimiter;
    qsizetype m_pos = 0;
    int m_line = 1;
};

} // namespace CsvText
