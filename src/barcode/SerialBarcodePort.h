#pragma once

#include "barcode/BarcodeReader.h"
#include "barcode/SerialCodeFrames.h"

#include <QObject>
#include <QSerialPort>
#include <QStringList>
#include <QTimer>

// Reads a barcode reader on a serial port and hands out each code it sends. A port that goes
// away (a USB reader unplugged) or cannot be opened is reported once through lost(); the port
// is then tried again every reopenIntervalMs and reading goes on as soon as it is back.
class SerialBarcodePort : public QObject {
    Q_OBJECT
public:
    explicit SerialBarcodePort(QObject* parent = nullptr);
    ~SerialBarcodePort() override;

    // Starts reading with these settings (a keyboard reader stops it). Opens the port at once;
    // false when it cannot (lost() is then reported and the port retried).
    bool start(const BarcodeReader& reader);
    // Closes the port and stops retrying.
    void stop();
    bool isOpen() const { return m_port.isOpen(); }
    bool isActive() const { return m_active; }
    const BarcodeReader& reader() const { return m_reader; }
    // The system's reason for the last failure to open or read.
    QString lastError() const { return m_lastError; }

    int reopenIntervalMs = 1000;

    // The serial ports of this computer by their device paths ("/dev/ttyUSB0"); false when the
    // system's list of serial devices cannot be read.
    static bool AvailablePorts(QStringList* ports);

Q_SIGNALS:
    void codeRead(const QString& code);
    // Once per loss, and once when the port cannot be opened at the start.
    void lost(const QString& port);
    void restored(const QString& port);

private:
    bool openPort();
    void readBytes();
    void portError(QSerialPort::SerialPortError error);
    void retry();
    void markLost();

    QSerialPort m_port;
    BarcodeReader m_reader;
    SerialCodeFrames m_frames;
    QTimer m_pause;
    QTimer m_retry;
    QString m_lastError;
    bool m_active = false;
    bool m_lostReported = false;
};
