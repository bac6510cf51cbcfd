#include "barcode/SerialBarcodePort.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

namespace {

QSerialPort::StopBits StopBits(int stop) {
    switch (stop) {
    case 1:
        return QSerialPort::OneAndHalfStop;
    case 2:
        return QSerialPort::TwoStop;
    default:
        return QSerialPort::OneStop;
    }
}

QSerialPort::Parity Parity(int parity) {
    switch (parity) {
    case 1:
        return QSerialPort::OddParity;
    case 2:
        return QSerialPort::EvenParity;
    case 3:
        return QSerialPort::MarkParity;
    case 4:
        return QSerialPort::SpaceParity;
    default:
        return QSerialPort::NoParity;
    }
}

QSerialPort::FlowControl Flow(int flow) {
    switch (flow) {
    case 1:
        return QSerialPort::HardwareControl;
    case 2:
        return QSerialPort::SoftwareControl;
    default:
        return QSerialPort::NoFlowControl;
    }
}

} // namespace

SerialBarcodePort::SerialBarcodePort(QObject* parent) : QObject(parent) {
    m_pause.setSingleShot(true);
    m_pause.setInterval(SerialCodeFrames::kPauseMs);
    connect(&m_pause, &QTimer::timeout, this, [this] {
        const QString code = m_frames.flush();
        if (!code.isEmpty())
            Q_EMIT codeRead(code);
    });
    connect(&m_retry, &QTimer::timeout, this, &SerialBarcodePort::retry);
    connect(&m_port, &QSerialPort::readyRead, this, &SerialBarcodePort::readBytes);
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialBarcodePort::portError);
}

SerialBarcodePort::~SerialBarcodePort() {
    stop();
}

bool SerialBarcodePort::start(const BarcodeReader& reader) {
    stop();
    m_reader = reader;
    if (reader.isKeyboard())
        return true;
    m_active = true;
    if (openPort())
        return true;
    markLost();
    return false;
}

void SerialBarcodePort::stop() {
    m_active = false;
    m_retry.stop();
    m_pause.stop();
    m_frames.flush();
    m_lostReported = false;
    if (m_port.isOpen())
        m_port.close();
}

bool SerialBarcodePort::openPort() {
    // A full path (a /dev/serial/by-id name, which stays the same when the reader is plugged
    // into another socket) or a bare name under /dev.
    m_port.setPortName(m_reader.port);
    if (!m_port.open(QIODevice::ReadOnly)) {
        m_lastError = m_port.errorString();
        m_port.clearError();
        return false;
    }
    const bool set = m_port.setBaudRate(m_reader.bitRate()) &&
                     m_port.setDataBits(QSerialPort::DataBits(m_reader.dataBits())) &&
                     m_port.setParity(Parity(m_reader.parity)) &&
                     m_port.setStopBits(StopBits(m_reader.stop)) &&
                     m_port.setFlowControl(Flow(m_reader.flow));
    if (!set) {
        m_lastError = m_port.errorString();
        m_port.close();
        m_port.clearError();
        return false;
    }
    m_frames.flush();
    return true;
}

void SerialBarcodePort::readBytes() {
    const QByteArray bytes = m_port.readAll();
    for (const QString& code : m_frames.feed(bytes))
        Q_EMIT codeRead(code);
    if (m_frames.pending())
        m_pause.start();
    else
        m_pause.stop();
}

void SerialBarcodePort::portError(QSerialPort::SerialPortError error) {
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError || !m_active)
        return;
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError)
        return;
    // Handled after the port's own notification has returned: closing it from inside that
    // call would pull the notifier away under it.
    m_lastError = m_port.errorString();
    QTimer::singleShot(0, this, [this] {
        if (!m_active || !m_port.isOpen())
            return;
        m_port.close();
        m_port.clearError();
        markLost();
    });
}

void SerialBarcodePort::markLost() {
    if (!m_lostReported) {
        m_lostReported = true;
        Q_EMIT lost(m_reader.port);
    }
    m_retry.start(reopenIntervalMs);
}

void SerialBarcodePort::retry() {
    if (!m_active || m_port.isOpen()) {
        m_retry.stop();
        return;
    }
    if (!openPort())
        return;
    m_retry.stop();
    m_lostReported = false;
    Q_EMIT restored(m_reader.port);
}

bool SerialBarcodePort::AvailablePorts(QStringList* ports) {
    ports->clear();
    // QSerialPortInfo reads the kernel's list of tty devices; without it no port can be told.
    const QFileInfo sys(QStringLiteral("/sys/class/tty"));
    if (!sys.isDir() || !sys.isReadable())
        return false;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        ports->append(info.systemLocation());
    ports->sort();
    return true;
}
