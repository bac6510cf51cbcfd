#include "items/ui/CFotoWnd.h"

#include "common/IFileDialogs.h"
#include "common/IPrompt.h"
#include "items/ItemPhoto.h"
#include "items/ui/CFotoView.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
// The top-right square that opens the picture menu.
constexpr int kCorner = 15;

struct Zoom {
    const char* text;
    int factor;
};
const Zoom kZooms[] = {{"&Reale", 1},    {"&Zoom x 2", 2},   {"Zoom x &4", 4},
                       {"Zoom x &8", 8}, {"Zoom x &24", 24}, {"Zoom x &50", 50}};
} // namespace

CFotoWnd::CFotoWnd(Profile& profile, IPrompt& prompt, IFileDialogs& files, QWidget* parent)
    : QFrame(parent), m_profile(profile), m_prompt(prompt), m_files(files) {
    setObjectName(QStringLiteral("CFotoWnd"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setMouseTracking(true);
    setMinimumSize(120, 90);

    m_menu = new QMenu(this);
    connect(m_menu->addAction(QStringLiteral("&Scegli")), &QAction::triggered, this,
            &CFotoWnd::choose);
    // Scanner acquisition and the external editor are not there yet.
    m_menu->addAction(QStringLiteral("&Acquisisci"))->setEnabled(false);
    m_menu->addAction(QStringLiteral("&Modifica"))->setEnabled(false);
    m_remove = m_menu->addAction(QStringLiteral("&Cancella"));
    connect(m_remove, &QAction::triggered, this, &CFotoWnd::remove);
    m_view = m_menu->addMenu(QStringLiteral("&Visualizza"));
    for (const Zoom& zoom : kZooms) {
        const int factor = zoom.factor;
        connect(m_view->addAction(QString::fromUtf8(zoom.text)), &QAction::triggered, this,
                [this, factor] { showZoomed(factor); });
    }
    updateActions();
}

void CFotoWnd::setEditable(bool editable) {
    m_editable = editable;
    if (!editable)
        unsetCursor();
    update();
}

void CFotoWnd::setPicture(const QByteArray& jpeg) {
    // Bytes that do not decode are still kept as they are, so saving the item loses nothing.
    m_jpeg = jpeg;
    m_image = ItemPhoto::Decode(jpeg);
    updateActions();
    update();
}

QByteArray CFotoWnd::picture() const {
    return m_jpeg;
}

QMenu* CFotoWnd::menu() const {
    return m_menu;
}

void CFotoWnd::choose() {
    const QString file =
        m_files.openFile(ItemPhoto::ChooserTitle(), QString(), ItemPhoto::ChooserFilter());
    if (file.isEmpty())
        return;
    const ItemPhoto::Result result = ItemPhoto::FromFile(file);
    switch (result.status) {
    case ItemPhoto::Status::Unreadable:
        m_prompt.message(ItemPhoto::UnreadableMessage(), IPrompt::Icon::Warning);
        return;
    case ItemPhoto::Status::TooLarge:
        m_prompt.message(ItemPhoto::TooLargeMessage(m_profile, result.size),
                         IPrompt::Icon::Warning);
        return;
    case ItemPhoto::Status::TooManyPixels:
        m_prompt.message(ItemPhoto::TooManyPixelsMessage(result.pixels), IPrompt::Icon::Warning);
        return;
    case ItemPhoto::Status::Ok:
        break;
    }
    m_jpeg = result.jpeg;
    // Shown as stored, so the screen never shows more than what is kept.
    m_image = ItemPhoto::Decode(m_jpeg);
    updateActions();
    update();
    Q_EMIT pictureChanged();
}

void CFotoWnd::remove() {
    if (m_jpeg.isEmpty())
        return;
    m_jpeg.clear();
    m_image = QImage();
    updateActions();
    update();
    Q_EMIT pictureChanged();
}

void CFotoWnd::showZoomed(int factor) {
    if (m_image.isNull())
        return;
    // A child window of the dialog, so a modal item dialog does not block it.
    auto* view = new CFotoView(m_image, factor, window());
    view->show();
}

void CFotoWnd::updateActions() {
    const bool shown = !m_image.isNull();
    m_remove->setEnabled(!m_jpeg.isEmpty());
    m_view->setEnabled(shown);
}

QRect CFotoWnd::cornerRect() const {
    const QRect inside = contentsRect();
    return QRect(inside.right() - kCorner + 1, inside.top(), kCorner, kCorner);
}

void CFotoWnd::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.fillRect(inside, palette().button());
    if (!m_image.isNull()) {
        // Whole picture, its proportions kept.
        const QSize size = m_image.size().scaled(inside.size(), Qt::KeepAspectRatio);
        QRect target(QPoint(0, 0), size);
        target.moveCenter(inside.center());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, m_image);
    } else {
        painter.setPen(palette().color(QPalette::ButtonText));
        QFont bold = font();
        bold.setBold(true);
        const QFontMetrics boldMetrics(bold);
        const int gap = fontMetrics().height() / 2;
        QRect titleRect = inside;
        if (m_editable) {
            const QRect hintRect = inside.adjusted(6, boldMetrics.height() + gap, -6, 0);
            painter.drawText(hintRect, Qt::AlignCenter | Qt::TextWordWrap,
                             QStringLiteral("Click qui per selezionare un'immagine"));
            titleRect = inside.adjusted(0, 0, 0, -(fontMetrics().height() * 2 + gap));
        }
        painter.setFont(bold);
        painter.drawText(titleRect, Qt::AlignCenter, QStringLiteral("Immagine"));
    }
    if (m_editable) {
        // A small arrow marks the corner that opens the menu.
        const QRect corner = cornerRect();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(corner, palette().window());
        QPainterPath arrow;
        const QPointF c = QRectF(corner).center();
        arrow.moveTo(c.x() - 4, c.y() - 2);
        arrow.lineTo(c.x() + 4, c.y() - 2);
        arrow.lineTo(c.x(), c.y() + 3);
        arrow.closeSubpath();
        painter.fillPath(arrow, palette().windowText());
    }
}

void CFotoWnd::mouseMoveEvent(QMouseEvent* event) {
    if (m_editable) {
        if (cornerRect().contains(event->position().toPoint()))
            setCursor(Qt::PointingHandCursor);
        else
            unsetCursor();
    }
    QFrame::mouseMoveEvent(event);
}

void CFotoWnd::leaveEvent(QEvent* event) {
    unsetCursor();
    QFrame::leaveEvent(event);
}

void CFotoWnd::mousePressEvent(QMouseEvent* event) {
    if (!m_editable || event->button() != Qt::LeftButton) {
        QFrame::mousePressEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    if (cornerRect().contains(at))
        m_menu->popup(mapToGlobal(cornerRect().bottomLeft()));
    else if (contentsRect().contains(at))
        choose();
}

void CFotoWnd::contextMenuEvent(QContextMenuEvent* event) {
    if (!m_editable) {
        QFrame::contextMenuEvent(event);
        return;
    }
    m_menu->popup(event->globalPos());
}
