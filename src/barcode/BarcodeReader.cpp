#include "barcode/BarcodeReader.h"
#include <QCoreApplication>

#include "common/Profile.h"

namespace {
const char* const kPort = "LettPort";
const char* const kBaud = "LettBaud";
const char* const kData = "LettData";
const char* const kStop = "LettStop";
const char* const kParity = "LettParity";
const char* const kFlow = "LettFlow";
} // namespace

BarcodeReader BarcodeReader::Read(const Profile& profile) {
    using S = Profile::Section;
    BarcodeReader reader;
    reader.port = profile.string(S::Hardware, QLatin1String(kPort));
    reader.baud = profile.integer(S::Hardware, QLatin1String(kBaud), 0);
    reader.data = profile.integer(S::Hardware, QLatin1String(kData), 0);
    reader.stop = profile.integer(S::Hardware, QLatin1String(kStop), 0);
    reader.parity = profile.integer(S::Hardware, QLatin1String(kParity), 0);
    reader.flow = profile.integer(S::Hardware, QLatin1String(kFlow), 0);
    return reader;
}

void BarcodeReader::write(Profile& profile) const {
    using S = Profile::Section;
    profile.setValue(S::Hardware, QLatin1String(kPort), isKeyboard() ? KeyboardPort() : port);
    profile.setValue(S::Hardware, QLatin1String(kBaud), baud);
    profile.setValue(S::Hardware, QLatin1String(kData), data);
    profile.setValue(S::Hardware, QLatin1String(kStop), stop);
    profile.setValue(S::Hardware, QLatin1String(kParity), parity);
    profile.setValue(S::Hardware, QLatin1String(kFlow), flow);
    profile.sync();
}

bool BarcodeReader::isKeyboard() const {
    return port.isEmpty() || port == KeyboardPort();
}

QList<int> BarcodeReader::BitRates() {
    return {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
}

QList<int> BarcodeReader::DataBitChoices() {
    return {5, 6, 7, 8};
}

QList<QPair<int, QString>> BarcodeReader::StopBitChoices() {
    // One and a half stop bits exist only on Windows' serial driver; a stored 1 still reads.
    return {{0, QStringLiteral("1")}, {2, QStringLiteral("2")}};
}

QList<QPair<int, QString>> BarcodeReader::ParityChoices() {
    return {{0, QCoreApplication::translate("BarcodeReader", "Nessuna")},
            {1, QCoreApplication::translate("BarcodeReader", "Dispari")},
            {2, QCoreApplication::translate("BarcodeReader", "Pari")},
            {3, QStringLiteral("Mark")},
            {4, QStringLiteral("Space")}};
}

QList<QPair<int, QString>> BarcodeReader::FlowChoices() {
    return {{0, QCoreApplication::translate("BarcodeReader", "Nessuno")},
            {1, QStringLiteral("Hardware")},
            {2, QStringLiteral("Xon / Xoff")}};
}

QString BarcodeReader::description() const {
    static const char parities[] = "NOEMS";
    const QChar p = QLatin1Char(parity >= 0 && parity <= 4 ? parities[parity] : 'N');
    const QString s =
        stop == 2 ? QStringLiteral("2") : (stop == 1 ? QStringLiteral("1,5") : QStringLiteral("1"));
    return QStringLiteral("%1, %2 bit/s, %3 %4 %5")
        .arg(port)
        .arg(bitRate())
        .arg(dataBits())
        .arg(p)
        .arg(s);
}

bool IsKeyboardReader(const Profile& profile) {
    return BarcodeReader::Read(profile).isKeyboard();
}
