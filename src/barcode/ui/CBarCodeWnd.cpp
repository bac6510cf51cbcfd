#include "barcode/ui/CBarCodeWnd.h"

#include "barcode/Barcodes.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace {
constexpr int kLeft = 10;       // where the bars start; also the quiet zone after them
constexpr int kTop = 2;         // where the bars start from the top
constexpr int kDataBottom = 20; // data bars end this far above the bottom
constexpr int kGuardBottom = 5; // guard bars run lower
constexpr int kDigitLeft = 2;   // the EAN-13 first digit
constexpr int kHeight = 70;
const char* const kSupported =
    QT_TRANSLATE_NOOP("CBarCodeWnd", "Codici a barre supportati: EAN8 - EAN13 - CODE39");
} // namespace

CBarCodeWnd::CBarCodeWnd(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
}

void CBarCodeWnd::setText(const QString& text) {
    m_text = BarcodeKind(text) == 0 ? QString() : text;
    m_symbol = BarcodeSymbol::Encode(m_text);
    update();
}

void CBarCodeWnd::setModuleWidth(int pixels) {
    m_moduleWidth = qMax(1, pixels);
    updateGeometry();
    update();
}

int CBarCodeWnd::modulePixels(qreal ratio) const {
    // Rounding down keeps every symbol within the width reserved for it at one pixel a module.
    return qMax(1, int(std::floor(ratio * m_moduleWidth + 1e-6)));
}

QSize CBarCodeWnd::minimumSizeHint() const {
    const qreal ratio = devicePixelRatioF();
    const int bars = int(std::ceil(BarcodeSymbol::WidestModules() * modulePixels(ratio) / ratio));
    const int message = fontMetrics().horizontalAdvance(tr(kSupported)) + 2 * kDigitLeft;
    return {qMax(2 * kLeft + bars, message), kHeight};
}

QSize CBarCodeWnd::sizeHint() const {
    return minimumSizeHint();
}

void CBarCodeWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    painter.setFont(font());
    const QRect area = rect();

    if (m_symbol.type == BarcodeSymbol::Type::None) {
        painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, tr(kSupported));
        return;
    }

    // The bars are laid in device pixels, a whole number of them per module. The painter's own
    // scale tells the ratio, also when the widget is rendered into a picture of another one.
    const qreal ratio = qMax(qreal(1), painter.deviceTransform().m11());
    const int unit = modulePixels(ratio);
    const int left = qRound(kLeft * ratio);
    const bool ean = m_symbol.type != BarcodeSymbol::Type::Code39;
    const int dataBottom = area.bottom() - kDataBottom;
    const int guardBottom = ean ? area.bottom() - kGuardBottom : dataBottom;
    const int top = qRound(kTop * ratio);
    const int dataEnd = qRound((dataBottom + 1) * ratio);
    const int guardEnd = qRound((guardBottom + 1) * ratio);
    painter.save();
    painter.scale(1 / ratio, 1 / ratio);
    for (qsizetype i = 0; i < m_symbol.modules.size(); ++i) {
        if (!m_symbol.modules.at(i))
            continue;
        const int end = m_symbol.guard.at(i) ? guardEnd : dataEnd;
        painter.fillRect(QRect(left + int(i) * unit, top, unit, end - top), Qt::black);
    }
    painter.restore();

    // Texts sit in the band under the data bars, centred under the modules they belong to.
    const auto x = [&](int module) { return qRound((left + module * unit) / ratio); };
    const int textTop = dataBottom + 1;
    const int textHeight = area.bottom() - dataBottom;
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine;
    if (ean) {
        if (!m_symbol.leadingDigit.isEmpty()) {
            painter.drawText(QRect(kDigitLeft, textTop, kLeft - kDigitLeft, textHeight),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                             m_symbol.leadingDigit);
        }
        for (const BarcodeSymbol::Digit& digit : m_symbol.digits) {
            const int from = x(digit.start);
            const QRect box(from, textTop, x(digit.start + digit.width) - from, textHeight);
            painter.drawText(box, flags, QString(digit.digit));
        }
    } else {
        const int from = x(0);
        const QRect box(from, textTop, x(int(m_symbol.modules.size())) - from, textHeight);
        painter.drawText(box, flags, m_symbol.caption);
    }
}
