#include "shell/ui/CInfoDlg.h"

#include "common/IBrowser.h"
#include "common/Profile.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPropertyAnimation>

CInfoDlg::CInfoDlg(Profile& profile, IBrowser& browser)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus),
      m_profile(profile), m_browser(browser) {
    setObjectName(QStringLiteral("CInfoDlg"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMouseTracking(true);
    setWindowTitle(tr("Notizie"));
}

QRect CInfoDlg::closeBox() const {
    return QRect(width() - 20 - 15, 20, 15, 15);
}

bool CInfoDlg::isSliding() const {
    return m_slide && m_slide->state() == QAbstractAnimation::Running;
}

void CInfoDlg::showNews(const NewsItem& news, const QRect& target) {
    m_news = news;
    if (m_slide)
        m_slide->stop();
    // It grows upwards from the bottom edge, as if it rose out of the status bar.
    const QRect start(target.left(), target.bottom(), target.width(), 1);
    setGeometry(start);
    show();
    raise();
    auto* slide = new QPropertyAnimation(this, "geometry", this);
    slide->setDuration(kSlideMs);
    slide->setStartValue(start);
    slide->setEndValue(target);
    slide->setEasingCurve(QEasingCurve::OutCubic);
    m_slide = slide;
    slide->start(QAbstractAnimation::DeleteWhenStopped);
    update();
}

void CInfoDlg::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette pal = palette();
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, pal.color(QPalette::Base));
    g.setColorAt(1, pal.color(QPalette::AlternateBase));
    p.fillRect(rect(), g);
    p.setPen(pal.color(QPalette::Dark));
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    // The close box.
    const QRect box = closeBox();
    p.setPen(QPen(pal.color(QPalette::Text), 1.5));
    p.setRenderHint(QPainter::Antialiasing);
    p.drawRect(box);
    p.drawLine(box.topLeft() + QPoint(4, 4), box.bottomRight() - QPoint(3, 3));
    p.drawLine(box.topRight() + QPoint(-3, 4), box.bottomLeft() + QPoint(4, -3));
    p.setRenderHint(QPainter::Antialiasing, false);

    const int margin = 14;
    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(font().pointSizeF() * 1.15);
    p.setFont(titleFont);
    p.setPen(pal.color(QPalette::Text));
    const QRect titleRect(margin, 16, box.left() - 2 * margin,
                          QFontMetrics(titleFont).height() * 2);
    p.drawText(titleRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_news.title);
    const int textTop =
        16 +
        QFontMetrics(titleFont).boundingRect(titleRect, Qt::TextWordWrap, m_news.title).height() +
        10;
    p.setFont(font());
    const QRect textRect(margin, textTop, width() - 2 * margin, height() - textTop - margin);
    // The text comes from the network: drawn as plain text, never as markup.
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_news.text);
    if (m_news.linkUrl().isValid()) {
        QFont linkFont = font();
        linkFont.setUnderline(true);
        p.setFont(linkFont);
        p.setPen(pal.color(QPalette::Link));
        p.drawText(QRect(margin, 0, width() - 2 * margin, height() - 8),
                   Qt::AlignLeft | Qt::AlignBottom, tr("Fare clic per saperne di più"));
    }
}

void CInfoDlg::mouseMoveEvent(QMouseEvent* event) {
    const bool onBox = closeBox().contains(event->position().toPoint());
    setCursor(onBox || m_news.linkUrl().isValid() ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void CInfoDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (closeBox().contains(event->position().toPoint())) {
        hide();
        return;
    }
    // Without a link a click only hides the window; the news stays unread.
    const QUrl url = m_news.linkUrl();
    hide();
    if (!url.isValid())
        return;
    if (m_slide)
        m_slide->stop();
    m_profile.setValue(Profile::Section::Application, QStringLiteral("NewsInfo"), m_news.id);
    m_browser.open(url);
}
