#pragma once

#include <QFile>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include <QNetworkReply>

// The download of the newer program's package into a file of the temporary folder. The file
// exists only while the download runs and after it has succeeded: a cancel, a server error, a
// time-out or a failed write removes it.
class PackageDownload : public QObject {
    Q_OBJECT
public:
    PackageDownload(QNetworkAccessManager& network, const QUrl& url, const QString& localPath,
                    int timeoutMs, QObject* parent = nullptr);
    ~PackageDownload() override;

    // The local file: the temporary folder and the package's own name.
    static QString LocalPath(const QString& temporaryFolder, const QUrl& url);

    // Removes an old file of that name and starts. False (with error()) when the old file
    // cannot be removed or the new one cannot be created; nothing then runs.
    bool start();
    // Stops the transfer and removes the file; finished() follows with ok false.
    void cancel();

    QString localPath() const { return m_file.fileName(); }
    QString error() const { return m_error; }
    bool isRunning() const { return m_reply != nullptr; }
    bool wasCancelled() const { return m_cancelled; }

Q_SIGNALS:
    // total is -1 while the server has not said the size.
    void progress(qint64 received, qint64 total);
    void finished(bool ok);

private:
    void onReadyRead();
    void onFinished();
    void fail(const QString& error);

    QNetworkAccessManager& m_network;
    QUrl m_url;
    int m_timeoutMs;
    QFile m_file;
    QPointer<QNetworkReply> m_reply;
    QString m_error;
    qint64 m_received = 0;
    bool m_cancelled = false;
    bool m_done = false;
};
