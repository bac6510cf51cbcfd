#include "common/ui/CBalloonTip.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolTip>

namespace {

constexpr int kStemHeight = 14;
constexpr int kStemWidth = 14;
// The stem's tip lies this far into the box from its left edge, unless the screen's edge is near.
constexpr int kStemOffset = 18;
constexpr int kRadius = 7;
constexpr int kMaxTextWidth = 340;
constexpr int kIconSize = 16;

QIcon IconFor(IPrompt::Icon icon, const QStyle* style) {
    switch (icon) {
    case IPrompt::Icon::Warning:
        return QIcon::fromTheme(QStringLiteral("dialog-warning"),
                                style->standardIcon(QStyle::SP_MessageBoxWarning));
    case IPrompt::Icon::Information:
        return QIcon::fromTheme(QStringLiteral("dialog-information"),
                                style->standardIcon(QStyle::SP_MessageBoxInformation));
    case IPrompt::Icon::Error:
        return QIcon::fromTheme(QStringLiteral("dialog-error"),
                                style->standardIcon(QStyle::SP_MessageBoxCritical));
    case IPrompt::Icon::Question:
        return QIcon::fromTheme(QStringLiteral("dialog-question"),
                                style->standardIcon(QStyle::SP_MessageBoxQuestion));
    case IPrompt::Icon::None:
        break;
    }
    return QIcon();
}

} // namespace

CBalloonTip* CBalloonTip::ShowOn(QWidget* field, const QString& title, const QString& text,
                                 IPrompt::Icon icon) {
    if (!field)
        return nullptr;
    if (CBalloonTip* shown = Current())
        shown->dismiss();
    auto* tip = new CBalloonTip(field, title, text, icon);
    tip->place();
    tip->show();
    return tip;
}

CBalloonTip* CBalloonTip::Current() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* tip = qobject_cast<CBalloonTip*>(w); tip && tip->isVisible())
            return tip;
    return nullptr;
}

CBalloonTip::CBalloonTip(QWidget* field, const QString& title, const QString& text,
                         IPrompt::Icon icon)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      m_field(field), m_fieldWindow(field->window()), m_icon(icon) {
    setObjectName(QStringLiteral("CBalloonTip"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setPalette(QToolTip::palette());
    setFont(field->font());

    m_iconLabel = new QLabel(this);
    const QIcon shownIcon = IconFor(icon, style());
    if (!shownIcon.isNull())
        m_iconLabel->setPixmap(shownIcon.pixmap(kIconSize, kIconSize));
    m_iconLabel->setVisible(!shownIcon.isNull());
    m_title = new QLabel(title, this);
    m_title->setObjectName(QStringLiteral("BalloonTitle"));
    m_title->setTextFormat(Qt::PlainText);
    QFont bold = font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_text = new QLabel(text, this);
    m_text->setObjectName(QStringLiteral("BalloonText"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    // Short texts stay on one line; long ones wrap at a readable width.
    m_text->setMaximumWidth(kMaxTextWidth);
    m_text->setMinimumWidth(qMin(kMaxTextWidth, m_text->fontMetrics().horizontalAdvance(text) + 4));
    for (QLabel* l : {m_iconLabel, m_title, m_text})
        l->setForegroundRole(QPalette::ToolTipText);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    grid->addWidget(m_iconLabel, 0, 0, Qt::AlignVCenter);
    grid->addWidget(m_title, 0, 1);
    grid->addWidget(m_text, 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    // Typing or clicking anywhere ends it, as does the field's window moving away.
    qApp->installEventFilter(this);
    connect(field, &QObject::destroyed, this, &CBalloonTip::dismiss);
    QTimer::singleShot(kTimeoutMs, this, &CBalloonTip::dismiss);
}

QString CBalloonTip::title() const {
    return m_title->text();
}

QString CBalloonTip::text() const {
    return m_text->text();
}

void CBalloonTip::dismiss() {
    qApp->removeEventFilter(this);
    hide();
    deleteLater();
}

void CBalloonTip::place() {
    QWidget* field = m_field;
    if (!field)
        return;
    const QPoint fieldTopLeft = field->mapToGlobal(QPoint(0, 0));
    const int tipX = fieldTopLeft.x() + qMin(field->width() / 2, kStemOffset + kStemWidth);
    const QScreen* screen = field->screen();
    const QRect avail =
        screen ? screen->availableGeometry() : QRect(-100000, -100000, 200000, 200000);

    // Laid out for a stem at the top first: the size of the box does not depend on the side.
    auto* grid = static_cast<QGridLayout*>(layout());
    grid->setContentsMargins(10, 8 + kStemHeight, 10, 8);
    adjustSize();
    const QSize box = sizeHint();
    m_above = fieldTopLeft.y() + field->height() + box.height() > avail.bottom() &&
              fieldTopLeft.y() - box.height() >= avail.top();
    if (m_above)
        grid->setContentsMargins(10, 8, 10, 8 + kStemHeight);
    resize(box);

    m_anchor = QPoint(tipX, m_above ? fieldTopLeft.y() : fieldTopLeft.y() + field->height());
    int left = tipX - kStemOffset;
    left = qBound(avail.left(), left, qMax(avail.left(), avail.right() - box.width() + 1));
    m_stemX = qBound(kRadius, tipX - left, box.width() - kRadius - kStemWidth);
    const int top = m_above ? m_anchor.y() - box.height() : m_anchor.y();
    move(left, top);
    setMask(QRegion(outline().toFillPolygon().toPolygon()));
    update();
}

QPainterPath CBalloonTip::outline() const {
    const QRectF body = m_above ? QRectF(0, 0, width(), height() - kStemHeight)
                                : QRectF(0, kStemHeight, width(), height() - kStemHeight);
    QPainterPath path;
    path.addRoundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), kRadius, kRadius);
    // The tip is where the anchor is; the stem leans from its base towards it.
    const qreal tipX = m_anchor.x() - pos().x();
    QPainterPath stem;
    if (m_above) {
        stem.moveTo(m_stemX, body.bottom() - 1);
        stem.lineTo(tipX, height());
        stem.lineTo(m_stemX + kStemWidth, body.bottom() - 1);
    } else {
        stem.moveTo(m_stemX, body.top() + 1);
        stem.lineTo(tipX, 0);
        stem.lineTo(m_stemX + kStemWidth, body.top() + 1);
    }
    stem.closeSubpath();
    return path.united(stem);
}

void CBalloonTip::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    setMask(QRegion(outline().toFillPolygon().toPolygon()));
}

void CBalloonTip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette().color(QPalette::ToolTipText), 1));
    p.setBrush(palette().color(QPalette::ToolTipBase));
    p.drawPath(outline());
}

bool CBalloonTip::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
        dismiss();
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Hide:
    case QEvent::Close:
    case QEvent::WindowDeactivate:
        if (watched == m_fieldWindow)
            dismiss();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
