#pragma once

#include <QChar>
#include <QString>
#include <optional>

// The barcode rules shared by the item dialog, the on-screen picture and the label sheets:
// which symbology a text is drawn in, its check character and the symbology tables.

// The longest text drawn as Code 39.
inline constexpr int kCode39MaxLength = 18;

// 0 = not drawable (empty or longer than 18 characters), 1 = EAN (8 or 13 digits),
// 2 = Code 39 (any other text of 1 to 18 characters).
int BarcodeKind(const QString& text);

// The check character that completes text. For kind 1 the last character is a placeholder for
// the check digit and is ignored; for kind 2 the Code 39 modulo-43 character, none when a
// character is not a Code 39 data character. Kind 0 gives none.
std::optional<QChar> BarcodeCheckChar(const QString& text);

// The EAN check digit of 7 (EAN-8) or 12 (EAN-13) data digits; none for anything else.
std::optional<QChar> EanCheckDigit(const QString& digits);

// The character the item dialog appends while a barcode is typed: the EAN digit for exactly 7
// or 12 digits, otherwise the Code 39 character; none for 8 characters, for texts outside 1 to
// 12 characters and for texts that are not valid Code 39.
std::optional<QChar> SuggestedCheckChar(const QString& text);

// Code 39 full ASCII, the part the program uses: encoding turns each lower-case letter into "+"
// and its upper-case letter; decoding turns each such pair back.
enum class FullAscii { Encode, Decode };
QString CodeFullAscii(const QString& text, FullAscii direction);

// Code 39: the value 0 to 42 of a data character, -1 for any other (the start/stop "*"
// included). Its 9 elements, bar first, 1 = wide: empty when c is neither a data character nor
// "*".
int Code39Value(QChar c);
QChar Code39Char(int value);
QString Code39Pattern(QChar c);

// EAN: the 7 modules of a digit (1 = bar) in set A (left, odd parity), B (left, even parity) or
// C (right); empty for a digit outside 0 to 9. The parity row of an EAN-13 first digit, six of
// 'A' or 'B' for digits 2 to 7.
enum class EanSet { A, B, C };
QString EanPattern(int digit, EanSet set);
QString Ean13Parity(int firstDigit);
