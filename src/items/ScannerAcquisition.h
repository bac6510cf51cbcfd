#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <atomic>

// Pictures from scanners and cameras through SANE. Every call is blocking and meant for a
// worker thread; cancel() may be called from any thread while acquire() runs. Each call opens
// and closes its own SANE session, and sessions are taken one at a time.
class ScannerAcquisition {
public:
    struct Device {
        QString name; // what SANE opens it by ("test:0", "genesys:libusb:001:004")
        QString vendor;
        QString model;
        QString type;
        // How the user sees it: "Vendor Model (name)".
        QString label() const;
    };

    enum class Status { Ok, Failed, Cancelled };

    struct Result {
        Status status = Status::Failed;
        QImage image;
        QString error; // the reason when Failed
    };

    // The resolution asked of a device that offers it: enough for an item's picture, small
    // enough that a whole flatbed page stays a few megabytes.
    static constexpr int kResolutionDpi = 100;

    // Every device SANE knows, network ones included; error is set when SANE itself cannot
    // start (an empty list without error means no device is there).
    static QList<Device> Devices(QString* error);

    // Opens the device, asks for colour at kResolutionDpi where it can, and reads one picture.
    Result acquire(const QString& deviceName);
    // Stops a running acquire(), which then gives Cancelled.
    void cancel();

private:
    std::atomic<void*> m_handle{nullptr};
    std::atomic<bool> m_cancelled{false};
};
