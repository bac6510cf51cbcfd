#include "items/PictureEditFile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

bool PictureEditFile::create(const QByteArray& jpeg) {
    m_dir.reset();
    m_written.clear();
    if (ItemPhoto::Decode(jpeg).isNull())
        return false;
    const QString temp = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    // QTemporaryDir makes the folder readable by its owner only.
    auto dir =
        std::make_unique<QTemporaryDir>(QDir(temp).filePath(QStringLiteral("quarzil-XXXXXX")));
    if (!dir->isValid())
        return false;
    QFile file(dir->filePath(QStringLiteral("temp.jpeg")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (file.write(jpeg) != jpeg.size() || !file.flush())
        return false;
    file.close();
    m_dir = std::move(dir);
    m_written = jpeg;
    return true;
}

QString PictureEditFile::path() const {
    return m_dir ? m_dir->filePath(QStringLiteral("temp.jpeg")) : QString();
}

bool PictureEditFile::changed() const {
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly))
        return true;
    return file.readAll() != m_written;
}

ItemPhoto::Result PictureEditFile::reload() const {
    if (!m_dir)
        return ItemPhoto::Result{};
    if (!changed()) {
        ItemPhoto::Result same;
        same.status = ItemPhoto::Status::Ok;
        same.jpeg = m_written;
        same.image = ItemPhoto::Decode(m_written);
        same.size = m_written.size();
        same.pixels = same.image.size();
        return same;
    }
    return ItemPhoto::FromFile(path());
}
