#pragma once

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QTemporaryDir>

// The maker's web site played by tests/tools/maker_site.py on 127.0.0.1, in a folder of its
// own: put() places a page, requests() reads back what the server was asked.
class MakerSiteServer {
public:
    MakerSiteServer() {
        m_process.setProgram(QStringLiteral("python3"));
        m_process.setArguments({QStringLiteral(QUARZIL_MAKER_SITE), QStringLiteral("--root"),
                                m_root.path(), QStringLiteral("--log"), logFile(),
                                QStringLiteral("--lifetime"), QStringLiteral("280")});
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
        if (m_process.waitForStarted(5000) && m_process.waitForReadyRead(10000))
            m_port = m_process.readLine().trimmed().toInt();
    }
    ~MakerSiteServer() {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    bool isRunning() const { return m_port > 0; }
    QString site() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }
    QString root() const { return m_root.path(); }

    void put(const QString& path, const QByteArray& content) const {
        const QString full = QDir(m_root.path()).filePath(path);
        QDir().mkpath(QFileInfo(full).absolutePath());
        QFile f(full);
        f.open(QIODevice::WriteOnly);
        f.write(content);
    }
    QByteArray uploaded(const QString& name) const {
        QFile f(QDir(m_root.path()).filePath(QStringLiteral("uploads/") + name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QList<QJsonObject> requests() const {
        QList<QJsonObject> list;
        QFile f(logFile());
        if (f.open(QIODevice::ReadOnly))
            for (const QByteArray& line : f.readAll().split('\n'))
                if (!line.trimmed().isEmpty())
                    list << QJsonDocument::fromJson(line).object();
        return list;
    }
    // The paths asked for, in order ("/script/VerQuarzil.txt").
    QStringList paths() const {
        QStringList list;
        for (const QJsonObject& r : requests())
            list << r.value(QStringLiteral("path")).toString();
        return list;
    }

private:
    QString logFile() const { return QDir(m_root.path()).filePath(QStringLiteral("requests.log")); }

    QTemporaryDir m_root;
    QProcess m_process;
    int m_port = 0;
};
