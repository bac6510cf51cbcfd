#include "shell/WebRequests.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>

namespace WebRequests {

QNetworkRequest Make(const QUrl& url, const QString& agent, int timeoutMs) {
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, agent);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setTransferTimeout(timeoutMs);
    return request;
}

namespace {

void Watch(QNetworkReply* reply, QObject* context, Done done) {
    auto body = std::make_shared<QByteArray>();
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, body] {
        const QByteArray chunk = reply->readAll();
        if (body->size() < kMaxTextPage)
            body->append(chunk.left(kMaxTextPage - body->size()));
    });
    QPointer<QObject> guard(context);
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, body, guard, done] {
        body->append(reply->readAll().left(qMax<qint64>(0, kMaxTextPage - body->size())));
        const bool ok = reply->error() == QNetworkReply::NoError;
        const QString error = ok ? QString() : reply->errorString();
        reply->deleteLater();
        if (guard && done)
            done(ok, *body, error);
    });
}

} // namespace

QNetworkReply* Get(QNetworkAccessManager& network, const QNetworkRequest& request, QObject* context,
                   Done done) {
    QNetworkReply* reply = network.get(request);
    Watch(reply, context, std::move(done));
    return reply;
}

QNetworkReply* Put(QNetworkAccessManager& network, const QNetworkRequest& request,
                   const QByteArray& data, QObject* context, Done done) {
    QNetworkRequest withType = request;
    withType.setHeader(QNetworkRequest::ContentTypeHeader,
                       QStringLiteral("text/plain; charset=utf-8"));
    QNetworkReply* reply = network.put(withType, data);
    Watch(reply, context, std::move(done));
    return reply;
}

} // namespace WebRequests
