#pragma once

#include "shell/NewsPage.h"

#include <QPointer>
#include <QWidget>

class IBrowser;
class Profile;
class QPropertyAnimation;

// The small news window that slides up in the frame's lower right corner. A click in its close
// box hides it, and so does any click when the news has no link; a click anywhere else on news
// with a link also remembers the news as read ("Application"/NewsInfo) and opens the link.
class CInfoDlg : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSlideMs = 500;

    CInfoDlg(Profile& profile, IBrowser& browser);

    const NewsItem& news() const { return m_news; }
    // Shows the news, sliding up into target (screen coordinates).
    void showNews(const NewsItem& news, const QRect& target);
    bool isSliding() const;
    // The 15 by 15 square whose top-right corner is 20 pixels in from the top-right corner.
    QRect closeBox() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Profile& m_profile;
    IBrowser& m_browser;
    NewsItem m_news;
    QPointer<QPropertyAnimation> m_slide;
};
