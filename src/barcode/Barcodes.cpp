#include "barcode/Barcodes.h"

#include <array>

namespace {

// The data characters in value order; "*" is the start/stop character only.
constexpr char kCode39Chars[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";

// Patterns in the order of kCode39Chars, then "*".
constexpr std::array<const char*, 44> kCode39Patterns = {
    "000110100", "100100001", "001100001", "101100000", "000110001", // 0-4
    "100110000", "001110000", "000100101", "100100100", "001100100", // 5-9
    "100001001", "001001001", "101001000", "000011001", "100011000", // A-E
    "001011000", "000001101", "100001100", "001001100", "000011100", // F-J
    "100000011", "001000011", "101000010", "000010011", "100010010", // K-O
    "001010010", "000000111", "100000110", "001000110", "000010110", // P-T
    "110000001", "011000001", "111000000", "010010001", "110010000", // U-Y
    "011010000", "010000101", "110000100", "011000100", "010101000", // Z - . space $
    "010100010", "010001010", "000101010", "010010100",              // / + % *
};

constexpr std::array<const char*, 10> kEanA = {"0001101", "0011001", "0010011", "0111101",
                                               "0100011", "0110001", "0101111", "0111011",
                                               "0110111", "0001011"};
constexpr std::array<const char*, 10> kEanB = {"0100111", "0110011", "0011011", "0100001",
                                               "0011101", "0111001", "0000101", "0010001",
                                               "0001001", "0010111"};
constexpr std::array<const char*, 10> kEanC = {"1110010", "1100110", "1101100", "1000010",
                                               "1011100", "1001110", "1010000", "1000100",
                                               "1001000", "1110100"};
constexpr std::array<const char*, 10> kEan13Parity = {"AAAAAA", "AABABB", "AABBAB", "AABBBA",
                                                      "ABAABB", "ABBAAB", "ABBBAA", "ABABAB",
                                                      "ABABBA", "ABBABA"};

bool allDigits(const QString& text) {
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

} // namespace

int BarcodeKind(const QString& text) {
    const qsizetype n = text.size();
    if ((n == 8 || n == 13) && allDigits(text))
        return 1;
    if (n >= 1 && n <= kCode39MaxLength)
        return 2;
    return 0;
}

std::optional<QChar> EanCheckDigit(const QString& digits) {
    const qsizetype n = digits.size();
    if ((n != 7 && n != 12) || !allDigits(digits))
        return std::nullopt;
    // The digit next to the check position always weighs 3.
    int sum = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const int d = digits.at(i).unicode() - '0';
        sum += ((n - i) % 2 == 1) ? 3 * d : d;
    }
    return QChar(QLatin1Char(char('0' + (10 - sum % 10) % 10)));
}

std::optional<QChar> BarcodeCheckChar(const QString& text) {
    switch (BarcodeKind(text)) {
    case 1:
        return EanCheckDigit(text.left(text.size() - 1));
    case 2: {
        int sum = 0;
        for (QChar c : text) {
            const int v = Code39Value(c);
            if (v < 0)
                return std::nullopt;
            sum += v;
        }
        return Code39Char(sum % 43);
    }
    default:
        return std::nullopt;
    }
}

std::optional<QChar> SuggestedCheckChar(const QString& text) {
    const qsizetype n = text.size();
    if (n < 1 || n > 12 || n == 8)
        return std::nullopt;
    if ((n == 7 || n == 12) && allDigits(text))
        return EanCheckDigit(text);
    return BarcodeCheckChar(text);
}

QString CodeFullAscii(const QString& text, FullAscii direction) {
    QString out;
    out.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (direction == FullAscii::Encode) {
            if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
                out += QLatin1Char('+');
                out += c.toUpper();
            } else {
                out += c;
            }
        } else if (c == QLatin1Char('+') && i + 1 < text.size() &&
                   text.at(i + 1) >= QLatin1Char('A') && text.at(i + 1) <= QLatin1Char('Z')) {
            out += text.at(++i).toLower();
        } else {
            out += c;
        }
    }
    return out;
}

int Code39Value(QChar c) {
    if (c.unicode() > 127 || c.isNull())
        return -1;
    for (int v = 0; v < 43; ++v) {
        if (kCode39Chars[v] == char(c.unicode()))
            return v;
    }
    return -1;
}

QChar Code39Char(int value) {
    if (value < 0 || value >= 43)
        return QChar();
    return QLatin1Char(kCode39Chars[value]);
}

QString Code39Pattern(QChar c) {
    if (c == QLatin1Char('*'))
        return QLatin1String(kCode39Patterns[43]);
    const int v = Code39Value(c);
    return v < 0 ? QString() : QLatin1String(kCode39Patterns[size_t(v)]);
}

QString EanPattern(int digit, EanSet set) {
    if (digit < 0 || digit > 9)
        return {};
    const auto& table = set == EanSet::A ? kEanA : set == EanSet::B ? kEanB : kEanC;
    return QLatin1String(table[size_t(digit)]);
}

QString Ean13Parity(int firstDigit) {
    if (firstDigit < 0 || firstDigit > 9)
        return {};
    return QLatin1String(kEan13Parity[size_t(firstDigit)]);
}
