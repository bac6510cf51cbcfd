// label: unit
#include "exchange/CsvText.h"

#include <QTest>

namespace {

QList<CsvText::Record> ReadAll(const QString& text, QChar separator = u';',
                               QChar delimiter = u'"') {
    CsvText::Reader reader(text, separator, delimiter);
    QList<CsvText::Record> records;
    CsvText::Record r;
    while (reader.next(&r))
        records << r;
    return records;
}

} // namespace

class tst_CsvText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void decodesEveryKindOfFile();
    void refusesBinaryButNotAStrayNul();
    void delimitedFieldsKeepSeparatorsQuotesAndLineBreaks();
    void withoutDelimiterEverySeparatorSplits();
    void unclosedDelimiterSwallowsNothing();
    void quotedWritesWhatTheReaderReadsBack();
};

void tst_CsvText::decodesEveryKindOfFile() {
    CsvText::Encoding e;
    // UTF-8 with its mark, which is dropped.
    QCOMPARE(CsvText::Decode(QByteArray("\xEF\xBB\xBF") + "caff\xC3\xA8 \xE2\x82\xAC", &e),
             QStringLiteral("caffè €"));
    QCOMPARE(e, CsvText::Encoding::Utf8);
    // Not UTF-8: the Windows code page, € at 0x80 and typographic quotes at 0x93/0x94.
    QCOMPARE(CsvText::Decode("caff\xE8 \x80 \x93x\x94", &e), QStringLiteral("caffè € “x”"));
    QCOMPARE(e, CsvText::Encoding::Windows1252);
    // UTF-16 little-endian, as "Unicode text" saves are.
    QByteArray utf16("\xFF\xFE");
    for (QChar c : QStringLiteral("A;€"))
        utf16 += char(c.unicode() & 0xFF), utf16 += char(c.unicode() >> 8);
    QCOMPARE(CsvText::Decode(utf16, &e), QStringLiteral("A;€"));
    QCOMPARE(e, CsvText::Encoding::Utf16);
    QCOMPARE(CsvText::Decode(QByteArray()), QString());
}

void tst_CsvText::refusesBinaryButNotAStrayNul() {
    static const char header[] = "\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x10\0\0\0\x10\x08\x06\0\0\0";
    const QByteArray png(header, sizeof header - 1);
    QVERIFY(CsvText::LooksBinary(png));
    QByteArray random;
    quint32 x = 12345;
    for (int i = 0; i < 4096; ++i) {
        x = x * 1103515245 + 12345;
        random += char(x >> 24);
    }
    QVERIFY(CsvText::LooksBinary(random));
    QByteArray text = QByteArray("A1;Vite;pz\r\n").repeated(200);
    QVERIFY(!CsvText::LooksBinary(text));
    text[50] = '\0';
    QVERIFY(!CsvText::LooksBinary(text));
    QVERIFY(!CsvText::LooksBinary(QByteArray()));
}

void tst_CsvText::delimitedFieldsKeepSeparatorsQuotesAndLineBreaks() {
    const auto records = ReadAll(QStringLiteral("\"A;1\";\"Vite \"\"M6\"\"\r\nlunga\";pz\r\n"
                                                "B2; \"x\" y ;\r\n"
                                                "\r\n"
                                                "C3;\"\";z\rD4;\"due\n\nrighe\"\nE5"));
    QCOMPARE(records.size(), 6);
    QCOMPARE(records[0].fields,
             QStringList({QStringLiteral("A;1"), QStringLiteral("Vite \"M6\"\r\nlunga"),
                          QStringLiteral("pz")}));
    QCOMPARE(records[0].line, 1);
    // Blanks before the delimiter are passed over, text after the closing one is kept.
    QCOMPARE(records[1].fields,
             QStringList({QStringLiteral("B2"), QStringLiteral("x y "), QString()}));
    QCOMPARE(records[1].line, 3);
    QCOMPARE(records[2].fields, QStringList({QString()}));
    QCOMPARE(records[3].fields,
             QStringList({QStringLiteral("C3"), QString(), QStringLiteral("z")}));
    QCOMPARE(records[3].line, 5);
    QCOMPARE(records[4].fields,
             QStringList({QStringLiteral("D4"), QStringLiteral("due\n\nrighe")}));
    QCOMPARE(records[4].line, 6);
    QCOMPARE(records[5].line, 9);
    // A delimiter inside a field that does not begin with one is dropped, as it always was.
    QCOMPARE(ReadAll(QStringLiteral("Monitor 24\" HD;pz"))[0].fields,
             QStringList({QStringLiteral("Monitor 24 HD"), QStringLiteral("pz")}));
    for (const auto& r : records)
        QVERIFY(!r.unclosedDelimiter);
}

void tst_CsvText::withoutDelimiterEverySeparatorSplits() {
    const auto records = ReadAll(QStringLiteral("\"a;b\";c\n"), u';', QChar());
    QCOMPARE(records.size(), 1);
    QCOMPARE(records[0].fields,
             QStringList({QStringLiteral("\"a"), QStringLiteral("b\""), QStringLiteral("c")}));
    QCOMPARE(ReadAll(QStringLiteral("1,5,pz"), u',', QChar())[0].fields.size(), 3);
}

void tst_CsvText::unclosedDelimiterSwallowsNothing() {
    const auto records = ReadAll(QStringLiteral("A;\"open;pz\nB;b;pz\nC;c;pz\n"));
    QCOMPARE(records.size(), 3);
    QVERIFY(records[0].unclosedDelimiter);
    QCOMPARE(records[0].fields,
             QStringList({QStringLiteral("A"), QStringLiteral("open"), QStringLiteral("pz")}));
    QCOMPARE(records[1].fields.first(), QStringLiteral("B"));
    QCOMPARE(records[1].line, 2);
    QVERIFY(!records[2].unclosedDelimiter);
    QCOMPARE(records[2].line, 3);
}

void tst_CsvText::quotedWritesWhatTheReaderReadsBack() {
    const QStringList values = {QStringLiteral("plain"),        QStringLiteral("a;b"),
                                QStringLiteral("12\" schermo"), QStringLiteral("due\r\nrighe"),
                                QStringLiteral("\"\""),         QString(),
                                QStringLiteral("€ è")};
    QStringList quoted;
    for (const QString& v : values)
        quoted << CsvText::Quoted(v, u';');
    QCOMPARE(quoted[0], QStringLiteral("plain"));
    QCOMPARE(quoted[2], QStringLiteral("\"12\"\" schermo\""));
    const auto records = ReadAll(quoted.join(u';') + QStringLiteral("\r\nnext"));
    QCOMPARE(records.size(), 2);
    QCOMPARE(records[0].fields, values);
}

QTEST_APPLESS_MAIN(tst_CsvText)
#include "tst_CsvText.moc"
