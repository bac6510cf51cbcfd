#pragma once

#include "items/ItemPhoto.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <memory>

// The copy of an item's picture handed to the desktop's image editor: "temp.jpeg" in a folder
// of its own under the temporary folder, both readable by the user only, removed with this
// object. The editor writes its changes back to the same file.
class PictureEditFile {
public:
    PictureEditFile() = default;
    PictureEditFile(const PictureEditFile&) = delete;
    PictureEditFile& operator=(const PictureEditFile&) = delete;

    // Writes the stored bytes; false when they are no picture or the file cannot be written.
    bool create(const QByteArray& jpeg);
    QString path() const;

    // Whether the file now holds other bytes than were written.
    bool changed() const;
    // The edited file under the size rule of any chosen picture. Unchanged bytes come back as
    // they were, never encoded again (each encoding loses a little).
    ItemPhoto::Result reload() const;

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QByteArray m_written;
};
