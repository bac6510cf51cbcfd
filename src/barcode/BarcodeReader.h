#pragma once

#include <QString>

class Profile;

// The barcode reader's configuration in the "Hardware" section, read whenever a dialog that
// takes codes opens. Nothing writes these values yet; a serial reader is not offered.
struct BarcodeReader {
    QString port;   // LettPort: empty or "Tastiera" for a reader that types like a keyboard
    int baud = 0;   // LettBaud
    int data = 0;   // LettData
    int stop = 0;   // LettStop
    int parity = 0; // LettParity
    int flow = 0;   // LettFlow

    static BarcodeReader Read(const Profile& profile);
    bool isKeyboard() const;
};

// Whether the configured reader types into the focused field, so that dialogs taking codes must
// not let the Enter ending a scan close them.
bool IsKeyboardReader(const Profile& profile);
