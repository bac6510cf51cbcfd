#include "shell/FrameRules.h"

#include "company/Formats.h"

#include <QCoreApplication>
#include <QFontMetrics>

namespace FrameRules {

QString RowCountText(const Profile& profile, int kind, int count) {
    switch (kind) {
    case 1:
        return QCoreApplication::translate("FrameRules", "Numero di articoli nella lista: %1")
            .arg(FormatInteger(profile, count));
    case 2:
        return QCoreApplication::translate("FrameRules", "Numero di movimenti nella lista: %1")
            .arg(FormatInteger(profile, count));
    case 3:
        return QCoreApplication::translate("FrameRules", "Numero di anagrafiche nella lista: %1")
            .arg(FormatInteger(profile, count));
    case 4:
        return QCoreApplication::translate("FrameRules", "Agenda appuntamenti");
    default:
        return QString();
    }
}

NewsDecision NewsRule(const QString& storedDtMsgShow, const QDateTime& now) {
    QDateTime last = QDateTime::fromString(storedDtMsgShow, Qt::ISODate);
    if (!last.isValid())
        return {true, true};
    // A clock set back (or a value from another computer) must not silence the news for days.
    if (last > now)
        last = now.addDays(-2);
    if (last.addDays(1) < now)
        return {true, true};
    return {};
}

QString NewsStamp(const QDateTime& now) {
    return now.toString(Qt::ISODate);
}

QRect InfoWindowRect(const QRect& frame, int statusTop) {
    const int width = qMax(frame.width() / 2, 350);
    const int height = qMax(frame.height() / 4, 150);
    return QRect(frame.right() + 1 - width, statusTop - height, width, height);
}

int FittedPixelSize(QFont font, const QString& text, const QRect& rect) {
    int size = font.pixelSize() > 0 ? font.pixelSize() : qRound(QFontMetricsF(font).height());
    while (size > 2) {
        font.setPixelSize(size);
        const QRect needed = QFontMetrics(font).boundingRect(rect, Qt::AlignCenter, text);
        if (needed.width() <= rect.width() && needed.height() <= rect.height())
            break;
        size -= 2;
    }
    return size;
}

} // namespace FrameRules
