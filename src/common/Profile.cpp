#include "common/Profile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
constexpr QFileDevice::Permissions kPrivate = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
}

Profile::Profile(const QString& userFile, const QString& machineFile) {
    // The profile may hold a database password: create it private before anything is written.
    // An existing file keeps its owner's bits: one an administrator made read-only stays so.
    const QFileInfo info(userFile);
    QDir().mkpath(info.absolutePath());
    if (!info.exists()) {
        QFile f(userFile);
        if (f.open(QIODevice::WriteOnly)) {
            f.close();
            QFile::setPermissions(userFile, kPrivate);
        }
    }
    m_user = std::make_unique<QSettings>(userFile, QSettings::IniFormat);
    m_machine = std::make_unique<QSettings>(machineFile, QSettings::IniFormat);
    keepPrivate();
}

Profile::~Profile() {
    sync();
}

QString Profile::DefaultUserFile() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Norvisk"),
                     QStringLiteral("Quarzil"))
        .fileName();
}

QString Profile::DefaultMachineFile() {
    const QString overridden = qEnvironmentVariable("QUARZIL_MACHINE_CONFIG");
    if (!overridden.isEmpty())
        return overridden;
    return QSettings(QSettings::IniFormat, QSettings::SystemScope, QStringLiteral("Norvisk"),
                     QStringLiteral("Quarzil"))
        .fileName();
}

QString Profile::SectionName(Section section) {
    switch (section) {
    case Section::Settings:
        return QStringLiteral("Settings");
    case Section::Application:
        return QStringLiteral("Application");
    case Section::List:
        return QStringLiteral("List");
    case Section::Azienda:
        return QStringLiteral("Azienda");
    case Section::Hardware:
        return QStringLiteral("Hardware");
    case Section::Log:
        return QStringLiteral("Log");
    case Section::Web:
        return QStringLiteral("Web");
    case Section::Workspace:
        return QStringLiteral("Workspace");
    }
    return QString();
}

QString Profile::key(Section section, const QString& name) {
    return SectionName(section) + u'/' + name;
}

QVariant Profile::value(Section section, const QString& name, const QVariant& fallback) const {
    return m_user->value(key(section, name), fallback);
}

QString Profile::string(Section section, const QString& name, const QString& fallback) const {
    return m_user->value(key(section, name), fallback).toString();
}

int Profile::integer(Section section, const QString& name, int fallback) const {
    bool ok = false;
    const int v = m_user->value(key(section, name), fallback).toInt(&ok);
    return ok ? v : fallback;
}

bool Profile::contains(Section section, const QString& name) const {
    return m_user->contains(key(section, name));
}

void Profile::setValue(Section section, const QString& name, const QVariant& value) {
    m_user->setValue(key(section, name), value);
}

void Profile::remove(Section section, const QString& name) {
    m_user->remove(key(section, name));
}

void Profile::removeSection(Section section) {
    m_user->remove(SectionName(section));
}

QStringList Profile::keys(Section section) const {
    m_user->beginGroup(SectionName(section));
    const QStringList k = m_user->allKeys();
    m_user->endGroup();
    return k;
}

void Profile::sync() {
    m_user->sync();
    keepPrivate();
    if (m_user->status() == QSettings::AccessError && !m_writeFailed) {
        m_writeFailed = true;
        if (m_onWriteFailure)
            m_onWriteFailure();
    }
}

QString Profile::fileName() const {
    return m_user->fileName();
}

void Profile::keepPrivate() {
    const QString file = m_user->fileName();
    if (!QFile::exists(file))
        return;
    // Closes the file to group and others and never adds a bit. A file its owner may not
    // write is one an administrator set up: it is left exactly as it is. (QFile reports the
    // current user's bits beside these; they are left out.)
    constexpr QFileDevice::Permissions kOwner =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    constexpr QFileDevice::Permissions kOthers = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                 QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                 QFileDevice::WriteOther | QFileDevice::ExeOther;
    const QFileDevice::Permissions mode = QFile::permissions(file);
    if ((mode & QFileDevice::WriteOwner) && (mode & kOthers))
        QFile::setPermissions(file, mode & kOwner);
}

void Profile::logStep(const QString& operation, const QString& step) {
    setValue(Section::Log, operation, step);
    sync();
}

void Profile::deleteLog(const QString& operation) {
    remove(Section::Log, operation);
    sync();
}

void Profile::clearLog() {
    removeSection(Section::Log);
    sync();
}

QMap<QString, QString> Profile::logEntries() const {
    QMap<QString, QString> entries;
    for (const QString& k : keys(Section::Log))
        entries.insert(k, string(Section::Log, k));
    return entries;
}

bool Profile::machineKeyExists() const {
    return QFileInfo::exists(m_machine->fileName()) &&
           (m_machine->contains(QStringLiteral("Settings/Directory")) ||
            m_machine->contains(QStringLiteral("Application/Versione")));
}

QString Profile::machineDirectory() const {
    return m_machine->value(QStringLiteral("Settings/Directory")).toString();
}

int Profile::machineVersion() const {
    return m_machine->value(QStringLiteral("Application/Versione"), 0).toInt();
}
