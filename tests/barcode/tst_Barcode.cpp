// label: unit
#include "barcode/BarcodeReader.h"
#include "barcode/BarcodeSymbol.h"
#include "barcode/Barcodes.h"
#include "barcode/ScanBurst.h"
#include "common/Profile.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

namespace {

QString check(const QString& text) {
    const auto c = BarcodeCheckChar(text);
    return c ? QString(*c) : QStringLiteral("none");
}

QString suggested(const QString& text) {
    const auto c = SuggestedCheckChar(text);
    return c ? QString(*c) : QStringLiteral("none");
}

// Code 39 modules written out by hand from the published table: narrow = 1, wide = 3 modules.
QString code39(const QString& pattern) {
    QString out;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar module = i % 2 == 0 ? QLatin1Char('1') : QLatin1Char('0');
        out += QString(pattern.at(i) == QLatin1Char('1') ? 3 : 1, module);
    }
    return out;
}

// zint's --dump: the modules of each row as hexadecimal digits, padded with spaces at the end.
QString zintModules(const QString& symbology, const QString& data) {
    QProcess zint;
    zint.start(QStringLiteral("zint"), {QStringLiteral("-b"), symbology, QStringLiteral("-d"), data,
                                        QStringLiteral("--dump")});
    if (!zint.waitForFinished(10000) || zint.exitCode() != 0)
        return QStringLiteral("zint failed: ") +
               QString::fromLocal8Bit(zint.readAllStandardError());
    QString bits;
    const QString hex = QString::fromLatin1(zint.readAllStandardOutput()).trimmed();
    for (QChar c : hex) {
        bool ok = false;
        const int nibble = QString(c).toInt(&ok, 16);
        if (ok)
            bits += QStringLiteral("%1").arg(nibble, 4, 2, QLatin1Char('0'));
    }
    while (bits.endsWith(QLatin1Char('0')))
        bits.chop(1);
    return bits;
}

// Code 39 as narrow and wide elements, whatever the module count of a wide one.
QString elements(const QString& modules) {
    QString out;
    for (qsizetype i = 0; i < modules.size();) {
        qsizetype run = 1;
        while (i + run < modules.size() && modules.at(i + run) == modules.at(i))
            ++run;
        out += run == 1 ? QLatin1Char('n') : QLatin1Char('w');
        i += run;
    }
    return out;
}

// Keys pressed gap ms apart that type `us` on a US keyboard, while the layout delivers
// `delivered`, one character per key.
QList<ScanKeystroke> keysOf(const QString& us, const QString& delivered, quint64 gap = 5) {
    QList<ScanKeystroke> keys;
    for (qsizetype i = 0; i < us.size(); ++i) {
        quint32 key = 0; // scan code * 2 + shift
        while (key < 200 && UsKeyboardChar(key / 2, key % 2) != us.at(i))
            ++key;
        keys.append({key / 2, key % 2 == 1, delivered.mid(i, 1), 1000 + quint64(i) * gap});
    }
    return keys;
}

} // namespace

class tst_Barcode : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void kind_data();
    void kind();
    void checkChar_data();
    void checkChar();
    void suggestion_data();
    void suggestion();
    void fullAscii();
    void code39Table();
    void eanTables();
    void encodeEan13();
    void encodeEan8();
    void encodeCode39();
    void encodeCode39LowerCaseAndStrays();
    void encodeNothing();
    void matchesZint_data();
    void matchesZint();
    void keyboardReader();
    void scanBurst_data();
    void scanBurst();
    void scanKeysAndField();
};

void tst_Barcode::kind_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("ean8") << "12345670" << 1;
    QTest::newRow("ean13") << "4006381333931" << 1;
    QTest::newRow("7 digits") << "1234567" << 2;
    QTest::newRow("12 digits") << "400638133393" << 2;
    QTest::newRow("8 with a letter") << "1234567A" << 2;
    QTest::newRow("13 with a space") << "400638133393 " << 2;
    QTest::newRow("one char") << "A" << 2;
    QTest::newRow("18") << QString(18, QLatin1Char('A')) << 2;
    QTest::newRow("19") << QString(19, QLatin1Char('A')) << 0;
    QTest::newRow("19 digits") << QString(19, QLatin1Char('1')) << 0;
    QTest::newRow("arabic digits") << QString::fromUtf8("١٢٣٤٥٦٧٠") << 2;
}

void tst_Barcode::kind() {
    QFETCH(QString, text);
    QFETCH(int, kind);
    QCOMPARE(BarcodeKind(text), kind);
}

void tst_Barcode::checkChar_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    // EAN texts carry a placeholder where the check digit goes.
    QTest::newRow("ean13 4006381333931") << "400638133393x"
                                         << "none"; // not all digits: Code 39
    QTest::newRow("ean13 placeholder") << "4006381333930"
                                       << "1";
    QTest::newRow("ean13 5901234123457") << "5901234123450"
                                         << "7";
    QTest::newRow("ean13 9780306406157") << "9780306406150"
                                         << "7";
    QTest::newRow("ean13 sum already round") << "0000000000000"
                                             << "0";
    QTest::newRow("ean8 12345670") << "12345679"
                                   << "0";
    QTest::newRow("ean8 96385074") << "96385070"
                                   << "4";
    QTest::newRow("ean8 55123457") << "55123450"
                                   << "7";
    QTest::newRow("code39 ABC") << "ABC"
                                << "X";
    QTest::newRow("code39 CODE39") << "CODE39"
                                   << "W";
    QTest::newRow("code39 value 42") << "%"
                                     << "%";
    QTest::newRow("code39 sum 43") << "%1"
                                   << "0";
    QTest::newRow("code39 space and symbols") << "A-. $/+"
                                              << "Q"; // 241 mod 43 = 26
    QTest::newRow("code39 lower case invalid") << "abc"
                                               << "none";
    QTest::newRow("code39 star invalid") << "A*B"
                                         << "none";
    QTest::newRow("code39 accent invalid") << QString::fromUtf8("CAFÈ") << "none";
    QTest::newRow("empty") << ""
                           << "none";
    QTest::newRow("too long") << QString(19, QLatin1Char('A')) << "none";
}

void tst_Barcode::checkChar() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(check(text), expected);
}

void tst_Barcode::suggestion_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("12 digits") << "400638133393"
                               << "1";
    QTest::newRow("12 digits 590") << "590123412345"
                                   << "7";
    QTest::newRow("7 digits") << "1234567"
                              << "0";
    QTest::newRow("7 digits 9638507") << "9638507"
                                      << "4";
    QTest::newRow("ABC") << "ABC"
                         << "X";
    QTest::newRow("6 digits are Code 39") << "123456"
                                          << "L"; // 21 mod 43
    QTest::newRow("8 characters") << "ABCDEFGH"
                                  << "none";
    QTest::newRow("8 digits") << "12345670"
                              << "none";
    QTest::newRow("13 characters") << "4006381333931"
                                   << "none";
    QTest::newRow("invalid Code 39") << "ab"
                                     << "none";
    QTest::newRow("empty") << ""
                           << "none";
}

void tst_Barcode::suggestion() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(suggested(text), expected);
}

void tst_Barcode::fullAscii() {
    QCOMPARE(CodeFullAscii(QStringLiteral("abc"), FullAscii::Encode), QStringLiteral("+A+B+C"));
    QCOMPARE(CodeFullAscii(QStringLiteral("Az-9z"), FullAscii::Encode), QStringLiteral("A+Z-9+Z"));
    QCOMPARE(CodeFullAscii(QStringLiteral("+A+B+C"), FullAscii::Decode), QStringLiteral("abc"));
    // A "+" not followed by a capital stays.
    QCOMPARE(CodeFullAscii(QStringLiteral("A+1+"), FullAscii::Decode), QStringLiteral("A+1+"));
    const QString mixed = QStringLiteral("Hello World 42");
    QCOMPARE(CodeFullAscii(CodeFullAscii(mixed, FullAscii::Encode), FullAscii::Decode), mixed);
}

void tst_Barcode::code39Table() {
    QCOMPARE(Code39Pattern(QLatin1Char('0')), QStringLiteral("000110100"));
    QCOMPARE(Code39Pattern(QLatin1Char('A')), QStringLiteral("100001001"));
    QCOMPARE(Code39Pattern(QLatin1Char('*')), QStringLiteral("010010100"));
    QCOMPARE(Code39Pattern(QLatin1Char('%')), QStringLiteral("000101010"));
    QCOMPARE(Code39Pattern(QLatin1Char(' ')), QStringLiteral("011000100"));
    QCOMPARE(Code39Pattern(QLatin1Char('Z')), QStringLiteral("011010000"));
    QCOMPARE(Code39Pattern(QLatin1Char('a')), QString());
    QCOMPARE(Code39Value(QLatin1Char('*')), -1);
    QCOMPARE(Code39Value(QLatin1Char('-')), 36);
    QCOMPARE(Code39Value(QLatin1Char('%')), 42);
    // Every symbol has 3 wide elements of 9, and no two characters share a pattern.
    QSet<QString> seen;
    const QString all = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%*");
    for (QChar c : all) {
        const QString p = Code39Pattern(c);
        QCOMPARE(p.size(), 9);
        QCOMPARE(p.count(QLatin1Char('1')), 3);
        seen.insert(p);
        if (c != QLatin1Char('*'))
            QCOMPARE(Code39Char(Code39Value(c)), c);
    }
    QCOMPARE(seen.size(), 44);
}

void tst_Barcode::eanTables() {
    QCOMPARE(EanPattern(0, EanSet::A), QStringLiteral("0001101"));
    QCOMPARE(EanPattern(0, EanSet::B), QStringLiteral("0100111"));
    QCOMPARE(EanPattern(0, EanSet::C), QStringLiteral("1110010"));
    QCOMPARE(EanPattern(9, EanSet::A), QStringLiteral("0001011"));
    QCOMPARE(Ean13Parity(1), QStringLiteral("AABABB"));
    QCOMPARE(Ean13Parity(4), QStringLiteral("ABAABB"));
    for (int d = 0; d < 10; ++d) {
        const QString a = EanPattern(d, EanSet::A);
        const QString b = EanPattern(d, EanSet::B);
        const QString c = EanPattern(d, EanSet::C);
        // C is A with bars and spaces swapped; B is C read backwards.
        QString inverted = a;
        for (QChar& m : inverted)
            m = m == QLatin1Char('1') ? QLatin1Char('0') : QLatin1Char('1');
        QCOMPARE(c, inverted);
        QString reversed;
        for (auto it = c.crbegin(); it != c.crend(); ++it)
            reversed += *it;
        QCOMPARE(b, reversed);
        QCOMPARE(a.count(QLatin1Char('1')) % 2, 1); // odd parity
    }
    QCOMPARE(EanPattern(10, EanSet::A), QString());
}

void tst_Barcode::encodeEan13() {
    const BarcodeSymbol s = BarcodeSymbol::Encode(QStringLiteral("4006381333931"));
    QCOMPARE(s.type, BarcodeSymbol::Type::Ean13);
    QCOMPARE(s.leadingDigit, QStringLiteral("4"));
    // First digit 4: A B A A B B over 006381, then C over 333931.
    const QString expected = QStringLiteral("101"
                                            "0001101" // 0 A
                                            "0100111" // 0 B
                                            "0101111" // 6 A
                                            "0111101" // 3 A
                                            "0001001" // 8 B
                                            "0110011" // 1 B
                                            "01010"   //
                                            "1000010" // 3 C
                                            "1000010" // 3 C
                                            "1000010" // 3 C
                                            "1110100" // 9 C
                                            "1000010" // 3 C
                                            "1100110" // 1 C
                                            "101");
    QCOMPARE(s.moduleString(), expected);
    QCOMPARE(s.modules.size(), 95);
    QCOMPARE(s.guard.size(), 95);
    // The guards' bars run long, nothing else does.
    for (int i : {0, 2, 46, 48, 92, 94})
        QVERIFY2(s.guard.at(i), qPrintable(QString::number(i)));
    QCOMPARE(s.guard.count(true), 6);
    QCOMPARE(s.digits.size(), 12);
    QCOMPARE(s.digits.first().digit, QLatin1Char('0'));
    QCOMPARE(s.digits.first().start, 3);
    QCOMPARE(s.digits.at(6).digit, QLatin1Char('3'));
    QCOMPARE(s.digits.at(6).start, 50);
    QCOMPARE(s.digits.last().start, 85);
    QCOMPARE(s.digits.last().width, 7);
    QVERIFY(s.caption.isEmpty());
}

void tst_Barcode::encodeEan8() {
    const BarcodeSymbol s = BarcodeSymbol::Encode(QStringLiteral("96385074"));
    QCOMPARE(s.type, BarcodeSymbol::Type::Ean8);
    QVERIFY(s.leadingDigit.isEmpty());
    const QString expected = QStringLiteral("101"
                                            "0001011" // 9 A
                                            "0101111" // 6 A
                                            "0111101" // 3 A
                                            "0110111" // 8 A
                                            "01010"
                                            "1001110" // 5 C
                                            "1110010" // 0 C
                                            "1000100" // 7 C
                                            "1011100" // 4 C
                                            "101");
    QCOMPARE(s.moduleString(), expected);
    QCOMPARE(s.modules.size(), 67);
    QCOMPARE(s.guard.count(true), 6);
    QCOMPARE(s.digits.size(), 8);
    QCOMPARE(s.digits.at(4).start, 36);
}

void tst_Barcode::encodeCode39() {
    const BarcodeSymbol s = BarcodeSymbol::Encode(QStringLiteral("A1"));
    QCOMPARE(s.type, BarcodeSymbol::Type::Code39);
    const QString gap = QStringLiteral("0");
    // * = 010010100, A = 100001001, 1 = 100100001, one narrow gap between characters.
    const QString expected = QStringLiteral("100010111011101") + gap + // *
                             QStringLiteral("111010100010111") + gap + // A
                             QStringLiteral("111010001010111") + gap + // 1
                             QStringLiteral("100010111011101");        // *
    QCOMPARE(code39(QStringLiteral("010010100")), QStringLiteral("100010111011101"));
    QCOMPARE(code39(QStringLiteral("100001001")), QStringLiteral("111010100010111"));
    QCOMPARE(s.moduleString(), expected);
    QCOMPARE(s.guard.count(true), 0);
    QVERIFY(s.digits.isEmpty());
    QCOMPARE(s.caption, QStringLiteral("* A1 *"));
}

void tst_Barcode::encodeCode39LowerCaseAndStrays() {
    const BarcodeSymbol lower = BarcodeSymbol::Encode(QStringLiteral("abc"));
    const BarcodeSymbol upper = BarcodeSymbol::Encode(QStringLiteral("+A+B+C"));
    QCOMPARE(lower.moduleString(), upper.moduleString());
    QCOMPARE(lower.caption, QStringLiteral("* abc *"));
    // The caption shows the text as typed, even when it looks like full ASCII.
    QCOMPARE(upper.caption, QStringLiteral("* +A+B+C *"));
    // Characters outside the table, the start/stop character among them, are left out.
    const BarcodeSymbol strays = BarcodeSymbol::Encode(QString::fromUtf8("A*!È1"));
    QCOMPARE(strays.moduleString(), BarcodeSymbol::Encode(QStringLiteral("A1")).moduleString());
    QCOMPARE(strays.caption, QString::fromUtf8("* A*!È1 *"));
    // Seven digits are Code 39, not EAN.
    QCOMPARE(BarcodeSymbol::Encode(QStringLiteral("1234567")).type, BarcodeSymbol::Type::Code39);
}

void tst_Barcode::encodeNothing() {
    for (const QString& text : {QString(), QString(19, QLatin1Char('A'))}) {
        const BarcodeSymbol s = BarcodeSymbol::Encode(text);
        QCOMPARE(s.type, BarcodeSymbol::Type::None);
        QVERIFY(s.modules.isEmpty());
        QVERIFY(s.caption.isEmpty());
    }
}

// zint (Debian package zint) is an independent encoder: our modules must be its modules.
void tst_Barcode::matchesZint_data() {
    QTest::addColumn<QString>("symbology");
    QTest::addColumn<QString>("data");
    // zint adds the EAN check digit itself, so this also checks ours.
    for (const char* ean : {"400638133393", "590123412345", "978030640615", "000000000000",
                            "123456789012", "9638507", "5512345", "1234567", "0000000"})
        QTest::newRow(ean) << "EANX" << ean;
    for (const char* code39 :
         {"A1", "CODE39", "HELLO WORLD", "-. $/+%", "0123456789", "X", "ABCDEFGHIJKLMNOPQR"})
        QTest::newRow(code39) << "CODE39" << code39;
    // Full ASCII for lower case; zint's extended mode maps these characters the same way.
    for (const char* extended : {"abc", "Item 42x", "zz-top.9"})
        QTest::newRow(extended) << "EXCODE39" << extended;
}

void tst_Barcode::matchesZint() {
    QFETCH(QString, symbology);
    QFETCH(QString, data);
    const QString theirs = zintModules(symbology, data);
    if (symbology == QLatin1String("EANX")) {
        const auto digit = EanCheckDigit(data);
        QVERIFY(digit);
        const BarcodeSymbol ours = BarcodeSymbol::Encode(data + *digit);
        QCOMPARE(ours.moduleString(), theirs);
    } else {
        const BarcodeSymbol ours = BarcodeSymbol::Encode(data);
        QCOMPARE(ours.type, BarcodeSymbol::Type::Code39);
        QVERIFY2(!theirs.startsWith(QLatin1String("zint")), qPrintable(theirs));
        QCOMPARE(elements(ours.moduleString()), elements(theirs));
    }
}

void tst_Barcode::keyboardReader() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Profile profile(dir.filePath(QStringLiteral("user.ini")),
                    dir.filePath(QStringLiteral("machine.ini")));
    using S = Profile::Section;
    QVERIFY(IsKeyboardReader(profile)); // absent
    BarcodeReader absent = BarcodeReader::Read(profile);
    QCOMPARE(absent.port, QString());
    QCOMPARE(absent.baud, 0);
    QCOMPARE(absent.flow, 0);

    profile.setValue(S::Hardware, QStringLiteral("LettPort"), QStringLiteral("Tastiera"));
    QVERIFY(IsKeyboardReader(profile));
    profile.setValue(S::Hardware, QStringLiteral("LettPort"), QString());
    QVERIFY(IsKeyboardReader(profile));
    profile.setValue(S::Hardware, QStringLiteral("LettPort"), QStringLiteral("COM1"));
    QVERIFY(!IsKeyboardReader(profile));
    profile.setValue(S::Hardware, QStringLiteral("LettPort"), QStringLiteral("/dev/ttyUSB0"));
    QVERIFY(!IsKeyboardReader(profile));

    profile.setValue(S::Hardware, QStringLiteral("LettBaud"), 9600);
    profile.setValue(S::Hardware, QStringLiteral("LettData"), 8);
    profile.setValue(S::Hardware, QStringLiteral("LettStop"), 1);
    profile.setValue(S::Hardware, QStringLiteral("LettParity"), 2);
    profile.setValue(S::Hardware, QStringLiteral("LettFlow"), 3);
    profile.sync();
    // Read from the file, as a dialog opening later would.
    Profile again(dir.filePath(QStringLiteral("user.ini")),
                  dir.filePath(QStringLiteral("machine.ini")));
    const BarcodeReader serial = BarcodeReader::Read(again);
    QCOMPARE(serial.port, QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(serial.baud, 9600);
    QCOMPARE(serial.data, 8);
    QCOMPARE(serial.stop, 1);
    QCOMPARE(serial.parity, 2);
    QCOMPARE(serial.flow, 3);
    QVERIFY(!serial.isKeyboard());
    // Other sections do not count.
    again.remove(S::Hardware, QStringLiteral("LettPort"));
    again.setValue(S::Settings, QStringLiteral("LettPort"), QStringLiteral("COM1"));
    QVERIFY(IsKeyboardReader(again));
}

void tst_Barcode::scanBurst_data() {
    QTest::addColumn<QString>("us");
    QTest::addColumn<QString>("delivered");
    QTest::addColumn<int>("gap");
    QTest::addColumn<bool>("repair");
    const auto row = [](const char* name, const char* us, const QString& delivered, int gap,
                        bool repair) {
        QTest::newRow(name) << QString::fromLatin1(us) << delivered << gap << repair;
    };
    row("US reader, AZERTY digits", "4006381333931",
        QStringLiteral("'\u00e0\u00e0-\"_&\"\"\"\u00e7\"&"), 5, true);
    row("US reader, AZERTY digits in ASCII", "1345", QStringLiteral("&\"'("), 30, true);
    row("US reader, QWERTZ minus", "400-1234", QStringLiteral("400\u00df1234"), 5, true);
    row("US reader, AZERTY Code 39", "ABC-12", QStringLiteral("QBC)&\u00e9"), 5, true);
    row("AZERTY reader", "$))^#*!###(#!", QStringLiteral("4006381333931"), 5, false);
    row("AZERTY reader, Code 39", "QB6!@", QStringLiteral("AB-12"), 5, false);
    row("person typing & and -", "1616", QStringLiteral("&-&-"), 200, false);
    row("one key too slow", "1345", QStringLiteral("&\"'("), 31, false);
    row("three keys", "134", QStringLiteral("&\"'"), 5, false);
    row("QWERTZ letters", "ZY12", QStringLiteral("YZ12"), 5, false);
}

void tst_Barcode::scanBurst() {
    QFETCH(QString, us);
    QFETCH(QString, delivered);
    QFETCH(int, gap);
    QFETCH(bool, repair);
    const ScanReading reading = ReadScanBurst(keysOf(us, delivered, quint64(gap)));
    QCOMPARE(reading.us, us);
    QCOMPARE(reading.repair, repair);
}

void tst_Barcode::scanKeysAndField() {
    // The US table: both ends of each row, plain and shifted, so a shifted row shows.
    QString ends;
    for (const quint32 code : {10, 21, 24, 35, 38, 48, 49, 51, 52, 61, 65})
        ends.append(UsKeyboardChar(code, false)).append(UsKeyboardChar(code, true));
    QCOMPARE(ends, QStringLiteral("1!=+qQ]}aA'\"`~\\|zZ/?  "));
    for (const quint32 code : {0, 9, 22, 36, 50, 62, 64, 66, 90})
        QVERIFY2(UsKeyboardChar(code, false).isNull(), qPrintable(QString::number(code)));

    // Text the field refuses cannot be the code, and is never the repair.
    const auto code39 = [](const QString& text) {
        return text.size() <= 5 &&
               std::all_of(text.begin(), text.end(), [](QChar c) { return Code39Value(c) >= 0; });
    };
    const QList<ScanKeystroke> symbols = keysOf(QStringLiteral("AB-34"), QStringLiteral("QB)\"'"));
    QVERIFY(!ReadScanBurst(symbols).repair);
    QVERIFY(ReadScanBurst(symbols, code39).repair);
    QVERIFY(
        !ReadScanBurst(keysOf(QStringLiteral("AB-345"), QStringLiteral("QB)\"'(")), code39).repair);
    // A dead key, or a key with no US reading, leaves the burst as typed.
    QList<ScanKeystroke> keys = keysOf(QStringLiteral("1345"), QStringLiteral("&\"'("));
    keys[1].text.clear();
    QVERIFY(!ReadScanBurst(keys).repair);
    keys[1].text = QStringLiteral("\"");
    keys[3].scanCode = 0;
    QVERIFY(!ReadScanBurst(keys).repair);
}

QTEST_MAIN(tst_Barcode)
#include "tst_Barcode.moc"
