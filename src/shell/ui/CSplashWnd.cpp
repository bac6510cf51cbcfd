#include "shell/ui/CSplashWnd.h"

#include "shell/FrameRules.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace {

// The fonts of the original picture are not on a Debian desktop; these stand in for them.
QFont TitleFont() {
    QFont f;
    f.setFamilies({QStringLiteral("Book Antiqua"), QStringLiteral("DejaVu Serif"),
                   QStringLiteral("Liberation Serif")});
    f.setItalic(true);
    f.setBold(true);
    return f;
}

QFont SubtitleFont() {
    QFont f;
    f.setFamilies({QStringLiteral("Trebuchet MS"), QStringLiteral("DejaVu Sans"),
                   QStringLiteral("Liberation Sans")});
    return f;
}

} // namespace

CSplashWnd::CSplashWnd(QWidget* owner)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("CSplashWnd"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QScreen* screen =
        owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const QSize size(qRound(area.width() / 2.5), qRound(area.height() / 2.5));
    setGeometry(QRect(area.center() - QPoint(size.width() / 2, size.height() / 2), size));
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        Q_EMIT finished();
        close();
    });
    m_timer.start(kLifetimeMs);
}

QList<CSplashWnd::Text> CSplashWnd::texts() const {
    const int w = width();
    const int h = height();
    QFont name = TitleFont();
    name.setPixelSize(qMax(4, h / 5));
    QFont version = SubtitleFont();
    version.setPixelSize(qMax(4, h / 12));
    QFont subtitle = SubtitleFont();
    subtitle.setPixelSize(qMax(4, h / 10));
    QList<Text> list{
        {QStringLiteral("Quarzil"), name, QRect(w * 38 / 100, h * 22 / 100, w * 58 / 100, h / 4)},
        {tr("Software per il Magazzino"), subtitle,
         QRect(w * 38 / 100, h * 48 / 100, w * 58 / 100, h / 7)},
        {QStringLiteral("Versione 3.2"), version,
         QRect(w * 38 / 100, h * 66 / 100, w * 58 / 100, h / 9)},
    };
    for (Text& t : list)
        t.font.setPixelSize(FrameRules::FittedPixelSize(t.font, t.text, t.rect));
    return list;
}

void CSplashWnd::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = width();
    const qreal h = height();
    // The picture: a deep blue sky with a warehouse of stacked crates on the left.
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(0x16, 0x3d, 0x73));
    sky.setColorAt(1, QColor(0x4f, 0x8c, 0xc9));
    p.fillRect(rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 28));
    p.drawEllipse(QPointF(w * 0.18, h * 0.45), w * 0.3, w * 0.3);
    const qreal crate = qMin(w * 0.095, h * 0.16);
    const qreal baseY = h * 0.82;
    const qreal left = w * 0.05;
    const int rows[] = {3, 2, 1};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < rows[r]; ++c) {
            const QRectF box(left + c * crate + r * crate / 2, baseY - (r + 1) * crate, crate - 3,
                             crate - 3);
            QLinearGradient wood(box.topLeft(), box.bottomRight());
            wood.setColorAt(0, QColor(0xe8, 0xb8, 0x60));
            wood.setColorAt(1, QColor(0xb0, 0x78, 0x30));
            p.setBrush(wood);
            p.setPen(QPen(QColor(0x70, 0x48, 0x18), 1.5));
            p.drawRect(box);
            p.drawLine(box.topLeft(), box.bottomRight());
            p.drawLine(box.topRight(), box.bottomLeft());
        }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x0e, 0x2a, 0x50));
    p.drawRect(QRectF(0, baseY, w, h - baseY));
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));

    p.setPen(Qt::white);
    for (const Text& t : texts()) {
        p.setFont(t.font);
        p.drawText(t.rect, Qt::AlignLeft | Qt::AlignVCenter, t.text);
    }
}
