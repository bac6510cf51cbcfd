// label: gui
#include "TestSupport.h"
#include "barcode/BarcodeSymbol.h"
#include "barcode/Barcodes.h"
#include "barcode/ui/CBarCodeWnd.h"

#include <QDir>
#include <QImage>
#include <QTest>
#include <QVBoxLayout>

namespace {

bool dark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// The picture on a white dialog, the way the item dialog shows it.
struct Picture {
    QWidget dialog;
    CBarCodeWnd* wnd;
    explicit Picture(const QString& text) {
        dialog.setAutoFillBackground(true);
        QPalette palette = dialog.palette();
        palette.setColor(QPalette::Window, Qt::white);
        dialog.setPalette(palette);
        wnd = new CBarCodeWnd(&dialog);
        wnd->setGeometry(0, 0, 320, 70);
        wnd->setText(text);
        dialog.resize(320, 70);
    }
    QImage grab() {
        QImage image = dialog.grab(wnd->geometry()).toImage();
        // Set QUARZIL_SHOTS to a folder to keep the pictures.
        const QString shots = qEnvironmentVariable("QUARZIL_SHOTS");
        if (!shots.isEmpty()) {
            QDir().mkpath(shots);
            const QString name = wnd->text().isEmpty() ? QStringLiteral("none") : wnd->text();
            image.save(QDir(shots).filePath(name + QStringLiteral(".png")));
        }
        return image;
    }
};

// The bars along one row, "1" for a dark pixel, from the left edge of the symbol.
QString row(const QImage& image, int y, int length) {
    QString out;
    for (int x = 10; x < 10 + length; ++x)
        out += dark(image, x, y) ? QLatin1Char('1') : QLatin1Char('0');
    return out;
}

int darkPixels(const QImage& image, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            n += dark(image, x, y) ? 1 : 0;
    }
    return n;
}

} // namespace

class tst_CBarCodeWnd : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ean13();
    void ean8();
    void code39();
    void notDrawable();
    void wholeModulesAtAnyScale_data();
    void wholeModulesAtAnyScale();
};

void tst_CBarCodeWnd::ean13() {
    Picture p(QStringLiteral("4006381333931"));
    QCOMPARE(p.wnd->text(), QStringLiteral("4006381333931"));
    const QImage image = p.grab();
    const BarcodeSymbol symbol = BarcodeSymbol::Encode(QStringLiteral("4006381333931"));
    // Every module is one pixel from x = 10; bars start 2 pixels down.
    QCOMPARE(row(image, 2, 95), symbol.moduleString());
    QCOMPARE(row(image, 70 - 21, 95), symbol.moduleString());
    QCOMPARE(row(image, 1, 95), QString(95, QLatin1Char('0')));
    // Below the data bars only the guards go on, down to 5 pixels above the bottom.
    const int guardRow = 70 - 6;
    for (int x : {10, 12, 56, 58, 102, 104})
        QVERIFY2(dark(image, x, guardRow), qPrintable(QString::number(x)));
    QVERIFY(!dark(image, 10, 70 - 4));
    // The first digit at the left, the others under the bars.
    QVERIFY(darkPixels(image, QRect(2, 70 - 19, 7, 18)) > 0);
    QVERIFY(darkPixels(image, QRect(14, 70 - 19, 40, 18)) > 0);
    QVERIFY(darkPixels(image, QRect(60, 70 - 19, 40, 18)) > 0);
    // Nothing beyond the end guard.
    QCOMPARE(darkPixels(image, QRect(110, 0, 200, 70)), 0);
}

void tst_CBarCodeWnd::ean8() {
    Picture p(QStringLiteral("96385074"));
    const QImage image = p.grab();
    const BarcodeSymbol symbol = BarcodeSymbol::Encode(QStringLiteral("96385074"));
    QCOMPARE(row(image, 10, 67), symbol.moduleString());
    // No leading digit.
    QCOMPARE(darkPixels(image, QRect(0, 0, 10, 70)), 0);
}

void tst_CBarCodeWnd::code39() {
    Picture p(QStringLiteral("abc"));
    const QImage image = p.grab();
    const BarcodeSymbol symbol = BarcodeSymbol::Encode(QStringLiteral("+A+B+C"));
    const int length = int(symbol.modules.size());
    QCOMPARE(row(image, 10, length), symbol.moduleString());
    // Code 39 bars all stop 20 pixels above the bottom; the caption is under them.
    QCOMPARE(row(image, 70 - 19, 1), QStringLiteral("0"));
    QVERIFY(darkPixels(image, QRect(10, 70 - 19, length, 19)) > 0);
    QCOMPARE(darkPixels(image, QRect(10 + length + 10, 0, 320 - length - 20, 70)), 0);
}

void tst_CBarCodeWnd::notDrawable() {
    for (const QString& text : {QString(), QString(19, QLatin1Char('A'))}) {
        Picture p(text);
        QVERIFY(p.wnd->text().isEmpty());
        const QImage image = p.grab();
        // No bars: the top rows stay empty, the supported codes are written across the middle.
        QCOMPARE(darkPixels(image, QRect(0, 0, 320, 20)), 0);
        QVERIFY(darkPixels(image, QRect(0, 25, 320, 20)) > 50);
        // Centred: about as much ink on either half.
        const int left = darkPixels(image, QRect(0, 25, 160, 20));
        const int right = darkPixels(image, QRect(160, 25, 160, 20));
        QVERIFY2(qAbs(left - right) < (left + right) / 4,
                 qPrintable(QStringLiteral("%1 %2").arg(left).arg(right)));
    }
    // A drawable text after a refused one draws bars again.
    Picture p(QString(19, QLatin1Char('A')));
    p.wnd->setText(QStringLiteral("12345670"));
    QCOMPARE(p.wnd->text(), QStringLiteral("12345670"));
    QVERIFY(darkPixels(p.grab(), QRect(0, 0, 320, 20)) > 0);
}

void tst_CBarCodeWnd::wholeModulesAtAnyScale_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QString>("text");
    for (qreal ratio : {1.0, 1.25, 1.5, 2.0, 2.5})
        for (const char* text : {"4006381333931", "abcdefghijklmnopqr"})
            QTest::addRow("%g %s", ratio, text) << ratio << QString::fromLatin1(text);
}

// On a screen scaled by any factor each module is the same whole number of device pixels, so
// the symbol's runs of bars and spaces are its modules' runs, and a reader decodes it.
void tst_CBarCodeWnd::wholeModulesAtAnyScale() {
    QFETCH(qreal, ratio);
    QFETCH(QString, text);
    CBarCodeWnd wnd;
    wnd.setText(text);
    wnd.resize(wnd.sizeHint());
    QImage image((QSizeF(wnd.size()) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    wnd.render(&image);
    image.setDevicePixelRatio(1);

    const BarcodeSymbol symbol = BarcodeSymbol::Encode(text);
    const int unit = qMax(1, int(ratio));
    QString expected;
    for (QChar module : symbol.moduleString())
        expected += QString(unit, module);
    const int y = int(10 * ratio);
    int from = 0;
    while (from < image.width() && !dark(image, from, y))
        ++from;
    QString shown;
    for (int x = from; x < from + int(expected.size()) && x < image.width(); ++x)
        shown += dark(image, x, y) ? QLatin1Char('1') : QLatin1Char('0');
    QCOMPARE(shown, expected);
    // Nothing more after the last bar.
    for (int x = from + int(expected.size()); x < image.width(); ++x)
        QVERIFY2(!dark(image, x, y), qPrintable(QString::number(x)));
    // The symbol and its quiet zones fit the width the picture asks for.
    QVERIFY(from + expected.size() + 10 * ratio <= image.width() + 1);

    QString error;
    const QString read = TestSupport::DecodeBarcodes(image, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY2(read.endsWith(u':' + CodeFullAscii(text, FullAscii::Encode)), qPrintable(read));
}

QTEST_MAIN(tst_CBarCodeWnd)
#include "tst_CBarCodeWnd.moc"
