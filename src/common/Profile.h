#pragma once

#include <QMap>
#include <QSettings>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

// The per-user profile (INI file) with its sections, and the machine-scope settings the
// installer writes. Every section name is spelled here only.
class Profile {
public:
    // Workspace: the window layout (look, docking state of the panes); its keys may name a
    // subsection ("BasePane-32797/IsVisible").
    enum class Section { Settings, Application, List, Azienda, Hardware, Log, Web, Workspace };

    // userFile: ~/.config/Norvisk/Quarzil.ini in production; machineFile:
    // /etc/xdg/Norvisk/Quarzil.ini. Tests point both at temporary files.
    Profile(const QString& userFile, const QString& machineFile);
    ~Profile();
    Profile(const Profile&) = delete;
    Profile& operator=(const Profile&) = delete;

    // The files the program uses: QSettings' own INI locations for "Norvisk"/"Quarzil".
    // QUARZIL_MACHINE_CONFIG names another machine file (tests).
    static QString DefaultUserFile();
    static QString DefaultMachineFile();
    static QString SectionName(Section section);

    QVariant value(Section section, const QString& key, const QVariant& fallback = {}) const;
    QString string(Section section, const QString& key, const QString& fallback = {}) const;
    int integer(Section section, const QString& key, int fallback = 0) const;
    bool contains(Section section, const QString& key) const;
    void setValue(Section section, const QString& key, const QVariant& value);
    void remove(Section section, const QString& key);
    void removeSection(Section section);
    QStringList keys(Section section) const;
    // Writes pending changes to disk; the file stays readable by its owner only.
    void sync();
    QString fileName() const;
    // True once a write to disk has failed (a read-only file or folder, a full disk): what was
    // set since stays in memory for this run only.
    bool writeFailed() const { return m_writeFailed; }
    // Called once, at the first failed write.
    void setWriteFailureHandler(std::function<void()> handler) {
        m_onWriteFailure = std::move(handler);
    }

    // Crash log: the last step each long operation reached, written through to disk at once so
    // that it survives a crash.
    void logStep(const QString& operation, const QString& step);
    void deleteLog(const QString& operation);
    void clearLog();
    QMap<QString, QString> logEntries() const;

    // Machine scope (read only).
    bool machineKeyExists() const;
    QString machineDirectory() const;
    int machineVersion() const;

private:
    static QString key(Section section, const QString& name);
    void keepPrivate();

    std::unique_ptr<QSettings> m_user;
    std::unique_ptr<QSettings> m_machine;
    std::function<void()> m_onWriteFailure;
    bool m_writeFailed = false;
};
