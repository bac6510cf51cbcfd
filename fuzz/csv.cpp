// The spreadsheet reader as the item import uses it: the bytes checked and decoded, split into
// records with the separator and delimiter of the dialog's choices, and every field cleaned and
// read as an amount and as a number.
#include "FuzzInput.h"

#include "common/Profile.h"
#include "company/Formats.h"
#include "exchange/CsvText.h"

#include <QTemporaryDir>
#include <cmath>
#include <memory>

namespace {

struct Setup {
    QTemporaryDir dir;
    std::unique_ptr<Profile> profile;
    QString amountDecimal;
    QString numberDecimal;
};

Setup* setup() {
    static Setup* s = [] {
        auto* made = new Setup;
        made->profile =
            std::make_unique<Profile>(made->dir.filePath(QStringLiteral("user.ini")),
                                      made->dir.filePath(QStringLiteral("machine.ini")));
        made->profile->setValue(Profile::Section::Azienda, QStringLiteral("DecVal"),
                                QStringLiteral(","));
        made->amountDecimal = CurrencyDecimalSymbol(*made->profile);
        made->numberDecimal = NumberDecimalSymbol(*made->profile);
        return made;
    }();
    return s;
}

// The import dialog's choices.
QChar separatorOf(int index) {
    return index == 1 ? u',' : index == 2 ? u'.' : u';';
}

QChar delimiterOf(int index) {
    return index == 1 ? QChar(u'"') : index == 2 ? QChar(u'\'') : QChar();
}

QList<CsvText::Record> readAll(const QString& text, QChar separator, QChar delimiter) {
    QList<CsvText::Record> records;
    CsvText::Reader reader(text, separator, delimiter);
    CsvText::Record record;
    qsizetype before = reader.position();
    int lastLine = 0;
    while (reader.next(&record)) {
        // Every record moves the reading on and starts on a later line; none is without fields.
        FUZZ_CHECK(reader.position() > before);
        FUZZ_CHECK(reader.position() <= reader.size());
        FUZZ_CHECK(record.line > lastLine);
        FUZZ_CHECK(!record.fields.isEmpty());
        before = reader.position();
        lastLine = record.line;
        records.append(record);
    }
    FUZZ_CHECK(reader.position() == reader.size());
    return records;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Setup* s = setup();
    FuzzInput in(data, size);
    const uint8_t options = in.byte();
    const QChar separator = separatorOf(options % 3);
    const QChar delimiter = delimiterOf((options / 3) % 3);
    const QByteArray bytes = in.rest();

    if (CsvText::LooksBinary(bytes))
        return 0;
    CsvText::Encoding encoding = CsvText::Encoding::Utf8;
    const QString text = CsvText::Decode(bytes, &encoding);
    if (encoding == CsvText::Encoding::Windows1252)
        FUZZ_CHECK(text.size() == bytes.size());

    const QList<CsvText::Record> records = readAll(text, separator, delimiter);
    for (const CsvText::Record& record : records) {
        if (delimiter.isNull()) {
            // Without a delimiter a record is its line, cut at every separator.
            for (const QString& field : record.fields)
                FUZZ_CHECK(!field.contains(u'\n') && !field.contains(u'\r'));
        }
        for (QString value : record.fields) {
            value.remove(QChar(0));
            value = value.trimmed();
            const CurrencyAmount price = ParseCurrency(*s->profile, value, s->amountDecimal);
            FUZZ_CHECK(price.isNull() || (price.isValid() && price.units() >= 0));
            FUZZ_CHECK(
                std::isfinite(ParseNumber(*s->profile, value, false, false, s->numberDecimal)));
        }
    }

    // The records written back as the export writes fields, in double quotes where needed, read
    // back the same.
    QString written;
    for (const CsvText::Record& record : records) {
        QStringList fields;
        for (const QString& field : record.fields)
            fields << CsvText::Quoted(field, separator);
        written += fields.join(separator) + QStringLiteral("\r\n");
    }
    const QList<CsvText::Record> again = readAll(written, separator, QChar(u'"'));
    FUZZ_CHECK(again.size() == records.size());
    for (qsizetype i = 0; i < records.size(); ++i)
        FUZZ_CHECK(again[i].fields == records[i].fields && !again[i].unclosedDelimiter);

    // The same text saved as UTF-8 with its mark, or as UTF-16, decodes to itself.
    if (!text.startsWith(QChar(0xFEFF)) && QString::fromUtf8(text.toUtf8()) == text) {
        FUZZ_CHECK(CsvText::Decode("\xEF\xBB\xBF" + text.toUtf8()) == text);
        QByteArray utf16("\xFF\xFE");
        for (const QChar c : text) {
            utf16 += char(c.unicode() & 0xFF);
            utf16 += char(c.unicode() >> 8);
        }
        FUZZ_CHECK(CsvText::Decode(utf16) == text);
    }
    return 0;
}
