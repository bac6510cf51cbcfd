#include "items/ItemPhoto.h"
#include <QCoreApplication>

#include "company/Formats.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <cmath>

namespace ItemPhoto {

namespace {
// The JPEG quality the platform's own encoder uses by default; the size limit was set with it.
constexpr int kQuality = 75;
} // namespace

bool CouldFit(const QSize& pixels) {
    // Each 16 x 16 block of a baseline JPEG with the standard tables costs at least 24 bits
    // (a grey picture: four luminance blocks of a 2-bit DC code and a 4-bit end of block; a
    // colour one costs more), so a picture with more blocks than this can never fit.
    constexpr qint64 kMinBytesPerBlock = 3;
    const qint64 blocks =
        (qint64(pixels.width()) + 15) / 16 * ((qint64(pixels.height()) + 15) / 16);
    return blocks * kMinBytesPerBlock <= kMaxBytes;
}

Result FromFile(const QString& file) {
    QImageReader reader(file);
    reader.setAutoTransform(true);
    // The header tells the size without decoding anything.
    const QSize pixels = reader.size();
    if (pixels.isValid() && !CouldFit(pixels)) {
        Result result;
        result.status = Status::TooManyPixels;
        result.pixels = pixels;
        return result;
    }
    const QImage image = reader.read();
    if (image.isNull())
        return Result{};
    return FromImage(image);
}

Result FromImage(const QImage& image) {
    Result result;
    if (image.isNull())
        return result;
    result.image = image;
    result.pixels = image.size();
    QImage flat = image;
    if (image.format() != QImage::Format_RGB32) {
        flat = QImage(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(kQuality);
    if (!writer.write(flat)) {
        result.image = QImage();
        return result;
    }
    result.size = bytes.size();
    if (result.size > kMaxBytes) {
        result.status = Status::TooLarge;
        return result;
    }
    result.status = Status::Ok;
    result.jpeg = bytes;
    return result;
}

Result FitImage(const QImage& image) {
    if (image.isNull())
        return Result{};
    QImage scaled = image;
    // Start below the size no JPEG could keep within the limit, then shrink by the square root
    // of the excess (a JPEG's size follows its area), a little more each time so it ends soon.
    while (!CouldFit(scaled.size()))
        scaled = scaled.scaled(scaled.size() * 0.7, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    for (int attempt = 0; attempt < 20; ++attempt) {
        Result result = FromImage(scaled);
        if (result.status != Status::TooLarge)
            return result;
        const double factor = qMin(0.9, std::sqrt(double(kMaxBytes) / double(result.size)) * 0.95);
        const QSize next = (QSizeF(scaled.size()) * factor).toSize();
        if (next.width() < 1 || next.height() < 1)
            return result;
        scaled = scaled.scaled(next, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return FromImage(scaled);
}

QImage Decode(const QByteArray& jpeg) {
    if (jpeg.isEmpty())
        return QImage();
    return QImage::fromData(jpeg);
}

QString TooLargeMessage(const Profile& profile, qint64 bytes) {
    return QCoreApplication::translate("ItemPhoto", "La dimensione dell'immagine è %1 KB")
               .arg(FormatNumber(profile, double(bytes) / 1024.0)) +
           QCoreApplication::translate(
               "ItemPhoto", " e non è indicata per essere gestita in un database in quanto "
                            "l'archivio aumenterebbe a dismisura.") +
           QCoreApplication::translate("ItemPhoto", " Utilizzare un'immagine minore di 150 KB.");
}

QString TooManyPixelsMessage(const QSize& pixels) {
    return QCoreApplication::translate(
               "ItemPhoto", "L'immagine è di %1 x %2 pixel: salvata come JPEG supererebbe comunque "
                            "i 150 KB e non è indicata per essere gestita in un database in quanto "
                            "l'archivio aumenterebbe a dismisura.")
               .arg(pixels.width())
               .arg(pixels.height()) +
           QCoreApplication::translate("ItemPhoto", " Utilizzare un'immagine minore di 150 KB.");
}

QString UnreadableMessage() {
    return QCoreApplication::translate(
        "ItemPhoto", "Impossibile leggere l'immagine scelta: il file non esiste o non è "
                     "un'immagine di un formato conosciuto.");
}

QString ChooserTitle() {
    return QCoreApplication::translate("ItemPhoto", "Quarzil : Selezione Immagine");
}

QString ChooserFilter() {
    // Qt reads these; the Windows metafiles (EMF, WMF) have no reader here, so are not offered.
    return QCoreApplication::translate(
        "ItemPhoto", "Tutti i documenti immagine (*.bmp *.jpeg *.png *.jpg *.gif *.ico *.tiff)");
}

} // namespace ItemPhoto
