#pragma once

#include <QString>
#include <QUrl>

// One news item of the maker's news page.
struct NewsItem {
    int id = 0;
    QString link; // without a scheme; empty when the item has none
    QString text;
    QString title;

    // The page a click opens: "https://" and the link; empty without a (usable) link.
    QUrl linkUrl() const;
};

namespace NewsPage {

enum class Outcome {
    Show,      // a news item newer than the last one opened
    NoBody,    // the page has no <body> ... </body>
    NoNews,    // the page says "HTTP:2256": nothing to tell
    Malformed, // the body is not "id:link:text"
    Seen,      // the item is not newer than the last one whose link was opened
};

struct Parsed {
    Outcome outcome = Outcome::NoBody;
    NewsItem item;
};

// The body, between "<body>" and "</body>" less the paragraph tags around it, has the form
// id:link:text ("nolink" for no link); lastOpened is "Application"/NewsInfo.
Parsed Parse(const QString& page, int lastOpened);

} // namespace NewsPage
