// Barcode check characters and the symbol encoder: what is drawn can be read back.
#include "FuzzInput.h"

#include "barcode/BarcodeSymbol.h"
#include "barcode/Barcodes.h"

namespace {

bool allDigits(const QString& text) {
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

QString slice(const QList<bool>& modules, qsizetype from, qsizetype count) {
    QString out;
    for (qsizetype i = from; i < from + count; ++i)
        out += modules[i] ? u'1' : u'0';
    return out;
}

// Reads a Code 39 symbol's modules back into its characters, the start and stop ones included.
QString readCode39(const QList<bool>& modules) {
    QString out;
    qsizetype i = 0;
    while (i < modules.size()) {
        QString pattern;
        for (int element = 0; element < 9; ++element) {
            FUZZ_CHECK(i < modules.size());
            const bool bar = element % 2 == 0;
            FUZZ_CHECK(modules[i] == bar);
            int width = 0;
            while (i < modules.size() && modules[i] == bar) {
                ++width;
                ++i;
            }
            FUZZ_CHECK(width == 1 || width == 3);
            pattern += width == 3 ? u'1' : u'0';
        }
        QChar found;
        for (int v = 0; v < 43 && found.isNull(); ++v)
            if (Code39Pattern(Code39Char(v)) == pattern)
                found = Code39Char(v);
        if (found.isNull() && Code39Pattern(u'*') == pattern)
            found = u'*';
        FUZZ_CHECK(!found.isNull());
        out += found;
        if (i < modules.size()) {
            FUZZ_CHECK(!modules[i]); // the narrow gap between characters
            ++i;
        }
    }
    return out;
}

void checkEan(const QString& text, const BarcodeSymbol& symbol) {
    const bool ean13 = text.size() == 13;
    FUZZ_CHECK(symbol.type == (ean13 ? BarcodeSymbol::Type::Ean13 : BarcodeSymbol::Type::Ean8));
    FUZZ_CHECK(symbol.modules.size() == (ean13 ? 95 : 67));
    FUZZ_CHECK(symbol.digits.size() == (ean13 ? 12 : 8));
    FUZZ_CHECK(symbol.leadingDigit == (ean13 ? text.left(1) : QString()));
    const QString data = ean13 ? text.mid(1) : text;
    const QString parity = ean13 ? Ean13Parity(text[0].unicode() - '0') : QString(6, u'A');
    for (qsizetype i = 0; i < symbol.digits.size(); ++i) {
        const BarcodeSymbol::Digit& d = symbol.digits[i];
        FUZZ_CHECK(d.digit == data[i] && d.width == 7);
        FUZZ_CHECK(d.start >= 0 && d.start + 7 <= symbol.modules.size());
        const int digit = d.digit.unicode() - '0';
        const qsizetype half = data.size() / 2;
        const EanSet set = i >= half ? EanSet::C : parity[i] == u'B' ? EanSet::B : EanSet::A;
        FUZZ_CHECK(slice(symbol.modules, d.start, 7) == EanPattern(digit, set));
    }
    FUZZ_CHECK(slice(symbol.modules, 0, 3) == QLatin1String("101"));
    FUZZ_CHECK(slice(symbol.modules, symbol.modules.size() - 3, 3) == QLatin1String("101"));
}

void checkCode39(const QString& text, const BarcodeSymbol& symbol) {
    FUZZ_CHECK(symbol.type == BarcodeSymbol::Type::Code39);
    FUZZ_CHECK(symbol.digits.isEmpty() && symbol.leadingDigit.isEmpty());
    FUZZ_CHECK(symbol.caption == QStringLiteral("* ") + text + QStringLiteral(" *"));
    FUZZ_CHECK(symbol.modules.size() <= BarcodeSymbol::WidestModules());
    QString expected;
    for (const QChar c : CodeFullAscii(text, FullAscii::Encode))
        if (Code39Value(c) >= 0)
            expected += c;
    FUZZ_CHECK(readCode39(symbol.modules) == u'*' + expected + u'*');
    for (const bool g : symbol.guard)
        FUZZ_CHECK(!g);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const uint8_t options = in.byte();
    const QString text = in.text(options & 0x80);
    const int kind = BarcodeKind(text);
    FUZZ_CHECK(kind >= 0 && kind <= 2);

    const std::optional<QChar> check = BarcodeCheckChar(text);
    if (kind == 1) {
        FUZZ_CHECK(check && check->isDigit() && *check == *EanCheckDigit(text.chopped(1)));
        // A code completed with its digit has the same digit again.
        FUZZ_CHECK(*BarcodeCheckChar(text.chopped(1) + *check) == *check);
    } else if (kind == 2) {
        if (check) {
            FUZZ_CHECK(Code39Value(*check) >= 0);
            int sum = 0;
            for (const QChar c : text)
                sum += Code39Value(c);
            FUZZ_CHECK(Code39Value(*check) == sum % 43);
        }
    } else {
        FUZZ_CHECK(!check);
    }
    if ((text.size() == 7 || text.size() == 12) && allDigits(text)) {
        const std::optional<QChar> digit = SuggestedCheckChar(text);
        FUZZ_CHECK(digit && digit->isDigit() && BarcodeKind(text + *digit) == 1);
        FUZZ_CHECK(*BarcodeCheckChar(text + *digit) == *digit);
    }
    if (!text.contains(u'+'))
        FUZZ_CHECK(CodeFullAscii(CodeFullAscii(text, FullAscii::Encode), FullAscii::Decode) ==
                   text);

    const BarcodeSymbol symbol = BarcodeSymbol::Encode(text);
    FUZZ_CHECK(symbol.modules.size() == symbol.guard.size());
    FUZZ_CHECK(symbol.moduleString().size() == symbol.modules.size());
    if (kind == 1)
        checkEan(text, symbol);
    else if (kind == 2)
        checkCode39(text, symbol);
    else
        FUZZ_CHECK(symbol.type == BarcodeSymbol::Type::None && symbol.modules.isEmpty());
    return 0;
}
