#pragma once

#include "barcode/BarcodeSymbol.h"

#include <QString>
#include <QWidget>

// The live picture of a barcode text in the item dialog. Draws on a transparent background with
// its parent's font; a text no symbology takes shows the list of supported codes instead. It is
// as wide as the widest drawable symbol, so no code is ever cut, and each module is a whole
// number of device pixels, so the bars stay even at any screen scaling.
class CBarCodeWnd : public QWidget {
    Q_OBJECT
public:
    explicit CBarCodeWnd(QWidget* parent = nullptr);

    // Holds text when it is drawable, an empty text otherwise, and repaints.
    void setText(const QString& text);
    QString text() const { return m_text; }
    // Pixels per module (1).
    void setModuleWidth(int pixels);
    int moduleWidth() const { return m_moduleWidth; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Device pixels per module on a device of this pixel ratio.
    int modulePixels(qreal ratio) const;

    QString m_text;
    BarcodeSymbol m_symbol;
    int m_moduleWidth = 1;
};
