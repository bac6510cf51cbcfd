#include "shell/ui/RibbonIcons.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

// The resources live in a static library: naming their initialiser keeps the linker from
// dropping them. Q_INIT_RESOURCE must stand outside any namespace.
static void InitResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(quarzil);
        return true;
    }();
    Q_UNUSED(done);
}

namespace RibbonIcons {

namespace {

struct Look {
    QColor colour;
    QString glyph; // drawn when no shape below matches
};

Look LookFor(const QString& name) {
    static const QHash<QString, Look> looks{
        {QStringLiteral("list-add"), {QColor(0x3a, 0x9a, 0x3a), QStringLiteral("+")}},
        {QStringLiteral("contact-new"), {QColor(0x3a, 0x9a, 0x3a), QStringLiteral("+")}},
        {QStringLiteral("appointment-new"), {QColor(0x3a, 0x9a, 0x3a), QStringLiteral("+")}},
        {QStringLiteral("edit-delete"), {QColor(0xc8, 0x3a, 0x32), QStringLiteral("×")}},
        {QStringLiteral("view-refresh"), {QColor(0x2f, 0x7f, 0xc8), QStringLiteral("⟳")}},
        {QStringLiteral("help-browser"), {QColor(0x2f, 0x7f, 0xc8), QStringLiteral("?")}},
        {QStringLiteral("help-contents"), {QColor(0x2f, 0x7f, 0xc8), QStringLiteral("?")}},
        {QStringLiteral("help-about"), {QColor(0x2f, 0x7f, 0xc8), QStringLiteral("i")}},
        {QStringLiteral("quarzil-facebook"), {QColor(0x3b, 0x59, 0x98), QStringLiteral("f")}},
        {QStringLiteral("quarzil-youtube"), {QColor(0xd9, 0x26, 0x26), QStringLiteral("▶")}},
        {QStringLiteral("quarzil-twitter"), {QColor(0x1d, 0xa1, 0xf2), QStringLiteral("t")}},
        {QStringLiteral("applications-internet"), {QColor(0x2a, 0x8a, 0x9a), QStringLiteral("@")}},
        {QStringLiteral("emblem-favorite"), {QColor(0xd9, 0x4a, 0x7a), QStringLiteral("♥")}},
        {QStringLiteral("go-down"), {QColor(0x3a, 0x9a, 0x3a), QStringLiteral("↓")}},
        {QStringLiteral("go-up"), {QColor(0xd0, 0x7a, 0x20), QStringLiteral("↑")}},
        {QStringLiteral("edit-undo"), {QColor(0x8a, 0x5a, 0xb0), QStringLiteral("↶")}},
        {QStringLiteral("view-filter"), {QColor(0x6a, 0x6a, 0x6a), QStringLiteral("▼")}},
        {QStringLiteral("view-list"), {QColor(0x50, 0x70, 0x90), QStringLiteral("≡")}},
        {QStringLiteral("preferences-system-windows"),
         {QColor(0x50, 0x70, 0x90), QStringLiteral("▭")}},
        {QStringLiteral("network-server"), {QColor(0x40, 0x60, 0x80), QStringLiteral("⛁")}},
        {QStringLiteral("x-office-address-book"), {QColor(0x2f, 0x6f, 0xa8), QStringLiteral("A")}},
        {QStringLiteral("accessories-calculator"), {QColor(0x60, 0x60, 0x60), QStringLiteral("%")}},
        {QStringLiteral("document-save-as"), {QColor(0x2f, 0x6f, 0xa8), QStringLiteral("⇩")}},
        {QStringLiteral("system-software-update"), {QColor(0x3a, 0x9a, 0x3a), QStringLiteral("⇧")}},
        {QStringLiteral("mail-message-new"), {QColor(0xd0, 0x9a, 0x20), QStringLiteral("✉")}},
        {QStringLiteral("mail-send"), {QColor(0xd0, 0x9a, 0x20), QStringLiteral("✉")}},
        {QStringLiteral("application-exit"), {QColor(0xc8, 0x3a, 0x32), QStringLiteral("⏻")}},
        {QStringLiteral("document-send"), {QColor(0x2a, 0x8a, 0x5a), QStringLiteral("→")}},
        {QStringLiteral("document-import"), {QColor(0x2a, 0x8a, 0x5a), QStringLiteral("←")}},
        {QStringLiteral("package-x-generic"), {QColor(0xb0, 0x80, 0x40), QStringLiteral("▣")}},
        {QStringLiteral("applications-utilities"), {QColor(0x60, 0x60, 0x60), QStringLiteral("✎")}},
        {QStringLiteral("folder-new"), {QColor(0xd0, 0xa0, 0x30), QStringLiteral("▤")}},
        {QStringLiteral("x-office-document"), {QColor(0x2f, 0x6f, 0xa8), QStringLiteral("▤")}},
        {QStringLiteral("x-office-calendar"), {QColor(0xc8, 0x3a, 0x32), QStringLiteral("31")}},
    };
    return looks.value(name, Look{QColor(0x50, 0x70, 0x90), name.left(1).toUpper()});
}

// A sheet of paper with a few lines.
void Paper(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), r.width() / 32));
    p.setBrush(Qt::white);
    p.drawRect(r);
    for (int i = 1; i <= 3; ++i) {
        const qreal y = r.top() + r.height() * i / 4.5;
        p.drawLine(QPointF(r.left() + r.width() * 0.2, y), QPointF(r.right() - r.width() * 0.2, y));
    }
}

QPixmap Paint(const QString& name, int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    if (name == QLatin1String("document-print") ||
        name == QLatin1String("document-print-preview")) {
        Paper(p, QRectF(s * 0.28, s * 0.06, s * 0.44, s * 0.4));
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), s / 24));
        p.setBrush(QColor(0x9a, 0xa4, 0xb0));
        p.drawRoundedRect(QRectF(s * 0.08, s * 0.4, s * 0.84, s * 0.36), s / 10, s / 10);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(s * 0.28, s * 0.66, s * 0.44, s * 0.28));
        if (name.endsWith(QLatin1String("preview"))) {
            p.setPen(QPen(QColor(0x2f, 0x6f, 0xa8), s / 12));
            p.setBrush(QColor(0xd8, 0xe8, 0xf8, 200));
            p.drawEllipse(QRectF(s * 0.46, s * 0.46, s * 0.34, s * 0.34));
            p.drawLine(QPointF(s * 0.76, s * 0.76), QPointF(s * 0.94, s * 0.94));
        }
        return pm;
    }
    if (name == QLatin1String("edit-find")) {
        // A white lens on a tile, like the other drawn icons, so that it reads on dark looks too.
        const QColor tile(0x2f, 0x7f, 0xc8);
        p.setPen(QPen(tile.darker(140), qMax<qreal>(1, s / 32)));
        p.setBrush(tile);
        p.drawRoundedRect(QRectF(s * 0.08, s * 0.08, s * 0.84, s * 0.84), s / 6, s / 6);
        p.setPen(QPen(Qt::white, qMax<qreal>(1.5, s / 10)));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(s * 0.24, s * 0.22, s * 0.36, s * 0.36));
        p.drawLine(QPointF(s * 0.55, s * 0.55), QPointF(s * 0.76, s * 0.76));
        return pm;
    }
    if (name == QLatin1String("document-open")) {
        p.setPen(QPen(QColor(0x8a, 0x6a, 0x20), s / 24));
        p.setBrush(QColor(0xe8, 0xb8, 0x40));
        QPainterPath folder;
        folder.moveTo(s * 0.06, s * 0.22);
        folder.lineTo(s * 0.38, s * 0.22);
        folder.lineTo(s * 0.46, s * 0.3);
        folder.lineTo(s * 0.94, s * 0.3);
        folder.lineTo(s * 0.94, s * 0.84);
        folder.lineTo(s * 0.06, s * 0.84);
        folder.closeSubpath();
        p.drawPath(folder);
        return pm;
    }
    const Look look = LookFor(name);
    QLinearGradient fill(0, 0, 0, s);
    fill.setColorAt(0, look.colour.lighter(135));
    fill.setColorAt(1, look.colour);
    p.setPen(QPen(look.colour.darker(140), qMax<qreal>(1, s / 32)));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(s * 0.08, s * 0.08, s * 0.84, s * 0.84), s / 6, s / 6);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(qRound(s * (look.glyph.size() > 1 ? 0.42 : 0.6)));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, s, s), Qt::AlignCenter, look.glyph);
    return pm;
}

} // namespace

QIcon Drawn(const QString& themeName) {
    QIcon icon;
    for (int size : {16, 24, 32, 48})
        icon.addPixmap(Paint(themeName, size));
    return icon;
}

QIcon Application() {
    // The same pictures as the desktop entry's icon, carried in the program so that every
    // window shows them whether or not the icon theme has them.
    InitResources();
    QIcon icon;
    for (int size : kApplicationIconSizes)
        icon.addFile(QStringLiteral(":/quarzil/icons/%1.png").arg(size), QSize(size, size));
    return icon;
}

QIcon Icon(const QString& themeName) {
    if (themeName.isEmpty())
        return QIcon();
    if (QIcon::hasThemeIcon(themeName))
        return QIcon::fromTheme(themeName);
    return Drawn(themeName);
}

} // namespace RibbonIcons
