#pragma once

#include <QList>
#include <QString>

// A text laid out as a barcode, independent of the device it is drawn on: a row of equal
// modules (one EAN module, or one narrow Code 39 element; a wide element is three), each a bar
// or a space, plus the human-readable texts and where they go. The screen picture draws a
// module as one pixel, the label sheets as three tenths of a millimetre.
struct BarcodeSymbol {
    enum class Type { None, Ean8, Ean13, Code39 };

    // One human-readable digit of an EAN, centred under the modules [start, start + width).
    struct Digit {
        QChar digit;
        int start = 0;
        int width = 0;
    };

    Type type = Type::None;
    // true = bar, one entry per module; empty for Type::None.
    QList<bool> modules;
    // true where a bar belongs to an EAN guard and runs longer than the data bars.
    QList<bool> guard;
    // EAN: the digits under the bars; Code 39: none.
    QList<Digit> digits;
    // EAN-13: the first digit, printed left of the symbol.
    QString leadingDigit;
    // Code 39: the line under the bars, "* text *" with the text as typed.
    QString caption;

    // Lays out text in the symbology BarcodeKind chooses; kind 0 gives Type::None.
    static BarcodeSymbol Encode(const QString& text);

    // The most modules a drawable text takes: a Code 39 text of the greatest length, every
    // character of it lower-case (each one is two symbols in full ASCII).
    static int WidestModules();

    // The modules as text, "1" for a bar and "0" for a space: handy to compare and to log.
    QString moduleString() const;
};
