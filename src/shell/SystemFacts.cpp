#include "shell/SystemFacts.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRegularExpression>
#include <QSysInfo>
#include <QtEndian>
#include <sqlite3.h>

namespace {

QByteArray ReadSmallFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    // /proc files report no size: read until the end, within reason.
    return f.read(1024 * 1024);
}

// "key : value" lines, as /proc/cpuinfo and /proc/meminfo write them.
std::pair<QString, QString> Field(const QString& line) {
    const qsizetype colon = line.indexOf(u':');
    if (colon < 0)
        return {line.trimmed(), QString()};
    return {line.left(colon).trimmed(), line.mid(colon + 1).trimmed()};
}

QString Unquoted(QString value) {
    value = value.trimmed();
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    value.replace(QStringLiteral("\\\""), QStringLiteral("\""));
    return value;
}

} // namespace

QString SystemFacts::OsNameFromRelease(const QString& osRelease) {
    QString pretty, name, version;
    for (const QString& line : osRelease.split(u'\n')) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0 || line.trimmed().startsWith(u'#'))
            continue;
        const QString key = line.left(eq).trimmed();
        const QString value = Unquoted(line.mid(eq + 1));
        if (key == QLatin1String("PRETTY_NAME"))
            pretty = value;
        else if (key == QLatin1String("NAME"))
            name = value;
        else if (key == QLatin1String("VERSION"))
            version = value;
    }
    if (!pretty.isEmpty())
        return pretty;
    return (name + u' ' + version).trimmed();
}

QList<SystemFacts::Processor> SystemFacts::ProcessorsFromCpuInfo(const QString& cpuInfo) {
    QList<Processor> processors;
    struct Block {
        QString name, vendor, family, model, stepping;
        bool started = false;
    } block;
    const auto flush = [&] {
        if (!block.started)
            return;
        Processor p;
        p.name = block.name;
        if (!block.vendor.isEmpty() || !block.family.isEmpty())
            p.identifier = QStringLiteral("%1 Family %2 Model %3 Stepping %4")
                               .arg(block.vendor, block.family, block.model, block.stepping)
                               .trimmed();
        processors << p;
        block = Block();
    };
    for (const QString& line : cpuInfo.split(u'\n')) {
        const auto [key, value] = Field(line);
        if (key == QLatin1String("processor")) {
            flush();
            block.started = true;
        } else if (!block.started) {
            continue;
        } else if (key == QLatin1String("model name")) {
            block.name = value;
        } else if (key == QLatin1String("vendor_id")) {
            block.vendor = value;
        } else if (key == QLatin1String("cpu family")) {
            block.family = value;
        } else if (key == QLatin1String("model")) {
            block.model = value;
        } else if (key == QLatin1String("stepping")) {
            block.stepping = value;
        }
    }
    flush();
    return processors;
}

std::pair<double, double> SystemFacts::MemoryFromMemInfo(const QString& memInfo) {
    double total = -1, available = -1;
    static const QRegularExpression kilobytes(QStringLiteral("^(\\d+)\\s*kB$"));
    for (const QString& line : memInfo.split(u'\n')) {
        const auto [key, value] = Field(line);
        const auto m = kilobytes.match(value);
        if (!m.hasMatch())
            continue;
        const double mb = m.captured(1).toDouble() / 1024.0;
        if (key == QLatin1String("MemTotal"))
            total = mb;
        else if (key == QLatin1String("MemAvailable"))
            available = mb;
    }
    return {total, available};
}

std::optional<quint32> SystemFacts::AnonymousIdFromMachineId(const QByteArray& machineId) {
    const QByteArray id = machineId.trimmed();
    if (id.isEmpty())
        return std::nullopt;
    // Salted with the program's name: the number cannot be matched with the machine id that
    // other programs may send.
    const QByteArray hash = QCryptographicHash::hash("Quarzil:" + id, QCryptographicHash::Sha256);
    return qFromBigEndian<quint32>(hash.constData());
}

SystemFacts SystemFacts::Collect() {
    SystemFacts facts;
    QByteArray release = ReadSmallFile(QStringLiteral("/etc/os-release"));
    if (release.isEmpty())
        release = ReadSmallFile(QStringLiteral("/usr/lib/os-release"));
    facts.osName = OsNameFromRelease(QString::fromUtf8(release));
    if (facts.osName.isEmpty())
        facts.osName = QSysInfo::prettyProductName();
    facts.is64Bit = QSysInfo::currentCpuArchitecture().contains(QLatin1String("64"));
    facts.sqliteVersion = QString::fromLatin1(sqlite3_libversion());
    facts.processors =
        ProcessorsFromCpuInfo(QString::fromUtf8(ReadSmallFile(QStringLiteral("/proc/cpuinfo"))));
    std::tie(facts.totalMemoryMb, facts.availableMemoryMb) =
        MemoryFromMemInfo(QString::fromUtf8(ReadSmallFile(QStringLiteral("/proc/meminfo"))));
    QByteArray machineId = ReadSmallFile(QStringLiteral("/etc/machine-id"));
    if (machineId.trimmed().isEmpty())
        machineId = ReadSmallFile(QStringLiteral("/var/lib/dbus/machine-id"));
    facts.anonymousId = AnonymousIdFromMachineId(machineId);
    return facts;
}
