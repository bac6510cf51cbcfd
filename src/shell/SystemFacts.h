#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// What the system report and the usage ping tell about the computer.
struct SystemFacts {
    struct Processor {
        QString name;       // "Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz"
        QString identifier; // "GenuineIntel Family 6 Model 142 Stepping 10"
    };

    QString osName; // "Debian GNU/Linux 12 (bookworm)"
    bool is64Bit = false;
    QString sqliteVersion;
    QList<Processor> processors;
    // In MB; negative when unknown.
    double totalMemoryMb = -1;
    double availableMemoryMb = -1;
    // A number that tells one installation from another and nothing else about it: a hash of
    // the machine id. Empty when the machine has no id.
    std::optional<quint32> anonymousId;

    // The facts of this computer, from /etc/os-release, /proc/cpuinfo, /proc/meminfo and
    // /etc/machine-id.
    static SystemFacts Collect();

    // The parsers behind Collect, for any text of those files.
    static QString OsNameFromRelease(const QString& osRelease);
    static QList<Processor> ProcessorsFromCpuInfo(const QString& cpuInfo);
    // MemTotal and MemAvailable in MB (kB / 1024); negative when missing.
    static std::pair<double, double> MemoryFromMemInfo(const QString& memInfo);
    static std::optional<quint32> AnonymousIdFromMachineId(const QByteArray& machineId);
};
