#include "shell/PackageDownload.h"

#include "shell/WebRequests.h"

#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace {
const QString kAgent = QStringLiteral("BreloSetup");
}

PackageDownload::PackageDownload(QNetworkAccessManager& network, const QUrl& url,
                                 const QString& localPath, int timeoutMs, QObject* parent)
    : QObject(parent), m_network(network), m_url(url), m_timeoutMs(timeoutMs), m_file(localPath) {}

PackageDownload::~PackageDownload() {
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
        m_file.close();
        m_file.remove();
    }
}

QString PackageDownload::LocalPath(const QString& temporaryFolder, const QUrl& url) {
    QString name = url.fileName();
    if (name.isEmpty() || name.startsWith(u'.'))
        name = QStringLiteral("quarzil-package");
    return QDir(temporaryFolder).filePath(name);
}

bool PackageDownload::start() {
    const QString path = m_file.fileName();
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink()) {
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (!QFile::remove(path)) {
            m_error = tr("impossibile eliminare %1").arg(path);
            return false;
        }
    }
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        m_error = m_file.errorString();
        return false;
    }
    m_reply = m_network.get(WebRequests::Make(m_url, kAgent, m_timeoutMs));
    connect(m_reply, &QNetworkReply::readyRead, this, &PackageDownload::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &PackageDownload::onFinished);
    connect(m_reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        Q_EMIT progress(received, total > 0 ? total : -1);
    });
    return true;
}

void PackageDownload::onReadyRead() {
    if (!m_reply)
        return;
    // An error page is no package: nothing of it is written.
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 300)
        return;
    const QByteArray chunk = m_reply->readAll();
    if (m_file.write(chunk) != chunk.size())
        fail(m_file.errorString());
    else
        m_received += chunk.size();
}

void PackageDownload::fail(const QString& error) {
    if (m_done)
        return;
    m_done = true;
    m_error = error;
    if (m_reply) {
        QNetworkReply* reply = m_reply;
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    m_file.close();
    m_file.remove();
    Q_EMIT finished(false);
}

void PackageDownload::cancel() {
    if (m_done)
        return;
    m_cancelled = true;
    fail(tr("scaricamento interrotto"));
}

void PackageDownload::onFinished() {
    if (!m_reply || m_done)
        return;
    QNetworkReply* reply = m_reply;
    if (reply->error() != QNetworkReply::NoError) {
        fail(reply->errorString());
        return;
    }
    onReadyRead();
    if (m_done)
        return;
    // A connection that ended early is an incomplete package, not an installer.
    const qint64 expected = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    if (expected > 0 && m_received != expected) {
        fail(tr("scaricati %1 byte su %2").arg(m_received).arg(expected));
        return;
    }
    if (!m_file.flush()) {
        fail(m_file.errorString());
        return;
    }
    m_reply = nullptr;
    reply->deleteLater();
    m_file.close();
    m_done = true;
    Q_EMIT finished(true);
}
