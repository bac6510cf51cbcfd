#include "company/CompanyLogo.h"

#include "common/AppPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

QString CompanyLogoFile(const QString& appData) {
    return AppPaths::DataFolder(appData) + QStringLiteral("/logo.jpg");
}

bool SaveCompanyLogo(const QImage& image, const QString& file) {
    if (image.isNull())
        return false;
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
    }
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return false;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&out, "jpeg");
    writer.setQuality(90);
    if (!writer.write(flat)) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}
