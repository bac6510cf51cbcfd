#pragma once

#include <QList>
#include <QPair>
#include <QString>

class Profile;

// The barcode reader's configuration in the "Hardware" section, read whenever a dialog that
// takes codes opens. A reader that types like a keyboard has no port ("Tastiera"); any other
// port names a serial reader, whose codes the program reads and types into the focused field.
//
// How the values are kept: LettBaud and LettData hold the bit rate and the data bits
// themselves; LettStop, LettParity and LettFlow small indices (below). 0 everywhere is the
// setting nearly every reader leaves the factory with: 9600 bit/s, 8 data bits, no parity, one
// stop bit, no flow control.
struct BarcodeReader {
    QString port;   // LettPort: empty or "Tastiera" for a reader that types like a keyboard
    int baud = 0;   // LettBaud: bit/s, 0 = 9600
    int data = 0;   // LettData: 5 to 8, 0 = 8
    int stop = 0;   // LettStop: 0 one stop bit, 1 one and a half, 2 two
    int parity = 0; // LettParity: 0 none, 1 odd, 2 even, 3 mark, 4 space
    int flow = 0;   // LettFlow: 0 none, 1 hardware (RTS/CTS), 2 software (XON/XOFF)

    static BarcodeReader Read(const Profile& profile);
    // Writes all six values.
    void write(Profile& profile) const;
    bool isKeyboard() const;

    // The values with the zero defaults resolved.
    int bitRate() const { return baud > 0 ? baud : 9600; }
    int dataBits() const { return data >= 5 && data <= 8 ? data : 8; }

    static QString KeyboardPort() { return QStringLiteral("Tastiera"); }
    // The choices the settings dialog offers, as (stored value, text).
    static QList<int> BitRates();
    static QList<int> DataBitChoices();
    static QList<QPair<int, QString>> StopBitChoices();
    static QList<QPair<int, QString>> ParityChoices();
    static QList<QPair<int, QString>> FlowChoices();
    // "/dev/ttyUSB0, 9600 bit/s, 8 N 1": for status lines and messages.
    QString description() const;
};

// Whether the configured reader types into the focused field, so that dialogs taking codes must
// not let the Enter ending a scan close them.
bool IsKeyboardReader(const Profile& profile);
