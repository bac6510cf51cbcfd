#include "shell/NewsPage.h"

namespace {

// The text between two tags, without regard to the case of the tags; null when either is
// missing.
QString Between(const QString& page, const QString& open, const QString& close) {
    const qsizetype start = page.indexOf(open, 0, Qt::CaseInsensitive);
    if (start < 0)
        return QString();
    const qsizetype from = start + open.size();
    const qsizetype end = page.indexOf(close, from, Qt::CaseInsensitive);
    if (end < 0)
        return QString();
    return page.mid(from, end - from);
}

} // namespace

QUrl NewsItem::linkUrl() const {
    if (link.isEmpty())
        return QUrl();
    const QUrl url(QStringLiteral("https://") + link, QUrl::StrictMode);
    return url.isValid() && !url.host().isEmpty() ? url : QUrl();
}

namespace NewsPage {

Parsed Parse(const QString& page, int lastOpened) {
    Parsed result;
    QString body = Between(page, QStringLiteral("<body>"), QStringLiteral("</body>"));
    if (body.isNull())
        return result;
    // The body's text sits in one paragraph: "<p>" before it, "</p>" after it.
    body = body.trimmed();
    body.chop(4);
    body = body.mid(3).trimmed();
    if (body == QLatin1String("HTTP:2256")) {
        result.outcome = Outcome::NoNews;
        return result;
    }
    const qsizetype first = body.indexOf(u':');
    const qsizetype second = first < 0 ? -1 : body.indexOf(u':', first + 1);
    bool ok = false;
    const int id = first < 0 ? 0 : body.left(first).trimmed().toInt(&ok);
    if (!ok || second < 0) {
        result.outcome = Outcome::Malformed;
        return result;
    }
    if (id <= lastOpened) {
        result.outcome = Outcome::Seen;
        return result;
    }
    NewsItem& item = result.item;
    item.id = id;
    item.link = body.mid(first + 1, second - first - 1).trimmed();
    if (item.link == QLatin1String("nolink"))
        item.link.clear();
    item.text = body.mid(second + 1).trimmed();
    item.title = Between(page, QStringLiteral("<title>"), QStringLiteral("</title>")).trimmed();
    result.outcome = Outcome::Show;
    return result;
}

} // namespace NewsPage
