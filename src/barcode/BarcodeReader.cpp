#include "barcode/BarcodeReader.h"

#include "common/Profile.h"

BarcodeReader BarcodeReader::Read(const Profile& profile) {
    using S = Profile::Section;
    BarcodeReader reader;
    reader.port = profile.string(S::Hardware, QStringLiteral("LettPort"));
    reader.baud = profile.integer(S::Hardware, QStringLiteral("LettBaud"), 0);
    reader.data = profile.integer(S::Hardware, QStringLiteral("LettData"), 0);
    reader.stop = profile.integer(S::Hardware, QStringLiteral("LettStop"), 0);
    reader.parity = profile.integer(S::Hardware, QStringLiteral("LettParity"), 0);
    reader.flow = profile.integer(S::Hardware, QStringLiteral("LettFlow"), 0);
    return reader;
}

bool BarcodeReader::isKeyboard() const {
    return port.isEmpty() || port == QLatin1String("Tastiera");
}

bool IsKeyboardReader(const Profile& profile) {
    return BarcodeReader::Read(profile).isKeyboard();
}
