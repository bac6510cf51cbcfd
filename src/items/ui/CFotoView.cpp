#include "items/ui/CFotoView.h"

#include <QGuiApplication>
#include <QKeySequence>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>

namespace {

// Draws the picture enlarged, only the part that is exposed: a 50 times enlargement of a
// photograph, made up front, would take gigabytes.
class ZoomedPicture : public QWidget {
public:
    ZoomedPicture(const QImage& image, int factor, QWidget* parent)
        : QWidget(parent), m_image(image), m_factor(factor) {
        setFixedSize(image.size() * factor);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        const QRect exposed = event->rect();
        const QRect source(exposed.left() / m_factor, exposed.top() / m_factor,
                           exposed.width() / m_factor + 2, exposed.height() / m_factor + 2);
        const QRect clipped = source & m_image.rect();
        if (clipped.isEmpty())
            return;
        // Whole pixels enlarged as blocks, as a zoom is meant to show them.
        painter.drawImage(QRect(clipped.topLeft() * m_factor, clipped.size() * m_factor), m_image,
                          clipped);
    }

private:
    QImage m_image;
    int m_factor;
};

} // namespace

CFotoView::CFotoView(const QImage& image, int factor, QWidget* parent)
    : QScrollArea(parent), m_image(image), m_factor(std::max(1, factor)) {
    setObjectName(QStringLiteral("CFotoView"));
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title());
    setAlignment(Qt::AlignCenter);
    setBackgroundRole(QPalette::Dark);
    setWidget(new ZoomedPicture(m_image, m_factor, this));
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen)
        setGeometry(screen->availableGeometry());
}

QSize CFotoView::zoomedSize() const {
    return m_image.size() * m_factor;
}
