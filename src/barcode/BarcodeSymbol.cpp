#include "barcode/BarcodeSymbol.h"

#include "barcode/Barcodes.h"

namespace {

void append(BarcodeSymbol& symbol, const QString& pattern, bool guard) {
    for (QChar c : pattern) {
        symbol.modules.append(c == QLatin1Char('1'));
        symbol.guard.append(guard && c == QLatin1Char('1'));
    }
}

void appendDigit(BarcodeSymbol& symbol, QChar digit, EanSet set) {
    const int start = int(symbol.modules.size());
    append(symbol, EanPattern(digit.unicode() - '0', set), false);
    symbol.digits.append({digit, start, 7});
}

void appendCode39(BarcodeSymbol& symbol, QChar c) {
    const QString pattern = Code39Pattern(c);
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const bool bar = i % 2 == 0;
        const int width = pattern.at(i) == QLatin1Char('1') ? 3 : 1;
        for (int k = 0; k < width; ++k) {
            symbol.modules.append(bar);
            symbol.guard.append(false);
        }
    }
    // The narrow gap between characters.
    symbol.modules.append(false);
    symbol.guard.append(false);
}

} // namespace

BarcodeSymbol BarcodeSymbol::Encode(const QString& text) {
    BarcodeSymbol symbol;
    const int kind = BarcodeKind(text);
    if (kind == 1) {
        const bool ean13 = text.size() == 13;
        symbol.type = ean13 ? Type::Ean13 : Type::Ean8;
        const QString data = ean13 ? text.mid(1) : text;
        const QString parity = ean13 ? Ean13Parity(text.at(0).unicode() - '0') : QString();
        if (ean13)
            symbol.leadingDigit = text.left(1);
        const qsizetype half = data.size() / 2;
        append(symbol, QStringLiteral("101"), true);
        for (qsizetype i = 0; i < half; ++i) {
            const bool even = ean13 && parity.at(i) == QLatin1Char('B');
            appendDigit(symbol, data.at(i), even ? EanSet::B : EanSet::A);
        }
        append(symbol, QStringLiteral("01010"), true);
        for (qsizetype i = half; i < data.size(); ++i)
            appendDigit(symbol, data.at(i), EanSet::C);
        append(symbol, QStringLiteral("101"), true);
    } else if (kind == 2) {
        symbol.type = Type::Code39;
        appendCode39(symbol, QLatin1Char('*'));
        for (QChar c : CodeFullAscii(text, FullAscii::Encode)) {
            // A "*" inside the data would end the symbol for a reader: it is skipped like every
            // other character outside the table.
            if (Code39Value(c) >= 0)
                appendCode39(symbol, c);
        }
        appendCode39(symbol, QLatin1Char('*'));
        // The trailing gap belongs to no character.
        symbol.modules.removeLast();
        symbol.guard.removeLast();
        symbol.caption = QStringLiteral("* %1 *").arg(text);
    }
    return symbol;
}

int BarcodeSymbol::WidestModules() {
    static const int widest =
        int(Encode(QString(kCode39MaxLength, QLatin1Char('a'))).modules.size());
    return widest;
}

QString BarcodeSymbol::moduleString() const {
    QString out;
    out.reserve(modules.size());
    for (bool bar : modules)
        out += bar ? QLatin1Char('1') : QLatin1Char('0');
    return out;
}
