#include "barcode/ui/CBarCodeWnd.h"

#include "barcode/Barcodes.h"

#include <QPaintEvent>
#include <QPainter>

namespace {
constexpr int kLeft = 10;       // where the bars start
constexpr int kTop = 2;         // where the bars start from the top
constexpr int kDataBottom = 20; // data bars end this far above the bottom
constexpr int kGuardBottom = 5; // guard bars run lower
constexpr int kDigitLeft = 2;   // the EAN-13 first digit
} // namespace

CBarCodeWnd::CBarCodeWnd(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

void CBarCodeWnd::setText(const QString& text) {
    m_text = BarcodeKind(text) == 0 ? QString() : text;
    m_symbol = BarcodeSymbol::Encode(m_text);
    update();
}

void CBarCodeWnd::setModuleWidth(int pixels) {
    m_moduleWidth = qMax(1, pixels);
    update();
}

QSize CBarCodeWnd::sizeHint() const {
    return {300, 70};
}

void CBarCodeWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    painter.setFont(font());
    const QRect area = rect();

    if (m_symbol.type == BarcodeSymbol::Type::None) {
        painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine,
                         tr("Codici a barre supportati: EAN8 - EAN13 - CODE39"));
        return;
    }

    const bool ean = m_symbol.type != BarcodeSymbol::Type::Code39;
    const int dataBottom = area.bottom() - kDataBottom;
    const int guardBottom = ean ? area.bottom() - kGuardBottom : dataBottom;
    for (qsizetype i = 0; i < m_symbol.modules.size(); ++i) {
        if (!m_symbol.modules.at(i))
            continue;
        const int bottom = m_symbol.guard.at(i) ? guardBottom : dataBottom;
        for (int k = 0; k < m_moduleWidth; ++k) {
            const int x = kLeft + int(i) * m_moduleWidth + k;
            painter.drawLine(x, kTop, x, bottom);
        }
    }

    // Texts sit in the band under the data bars.
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
            const QRect box(kLeft + digit.start * m_moduleWidth, textTop,
                            digit.width * m_moduleWidth, textHeight);
            painter.drawText(box, flags, QString(digit.digit));
        }
    } else {
        const QRect box(kLeft, textTop, int(m_symbol.modules.size()) * m_moduleWidth, textHeight);
        painter.drawText(box, flags, m_symbol.caption);
    }
}
