#pragma once

#include <QByteArray>
#include <QNetworkRequest>
#include <QString>
#include <QUrl>
#include <functional>

class QNetworkAccessManager;
class QNetworkReply;
class QObject;

// The requests to the maker's site: each one asynchronous, never served from or written to the
// cache, with the agent name of its service and a time-out after which a silent server counts
// as an error.
namespace WebRequests {

// The largest answer read from a text page: a version file or a news page is a few lines.
constexpr qint64 kMaxTextPage = 256 * 1024;

QNetworkRequest Make(const QUrl& url, const QString& agent, int timeoutMs);

// ok: the server answered with success; body: what it sent (cut at kMaxTextPage); error: why
// it failed, for scripts.
using Done = std::function<void(bool ok, const QByteArray& body, const QString& error)>;

// GET of a text page. done runs once, on context's thread; not at all when context is gone.
QNetworkReply* Get(QNetworkAccessManager& network, const QNetworkRequest& request, QObject* context,
                   Done done);
// PUT of a file's contents (the upload of a report).
QNetworkReply* Put(QNetworkAccessManager& network, const QNetworkRequest& request,
                   const QByteArray& data, QObject* context, Done done);

} // namespace WebRequests
