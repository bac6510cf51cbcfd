#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class Profile;

// An item's picture is kept in the archive as JPEG bytes, small enough not to swell it.
namespace ItemPhoto {

// The most bytes a stored picture may have (the column holds one more).
constexpr qint64 kMaxBytes = 150000;

enum class Status { Ok, Unreadable, TooLarge };

struct Result {
    Status status = Status::Unreadable;
    QByteArray jpeg; // the bytes to store; empty unless Ok
    QImage image;    // the picture as read; null when unreadable
    qint64 size = 0; // the JPEG's size, also when too large
};

// Reads a picture file (turned upright by its orientation tag) and encodes it as JPEG in
// memory: nothing is written to disk, so no other user can see or replace it on the way.
Result FromFile(const QString& file);
// Encodes a picture as JPEG; transparent parts become white, as JPEG keeps no transparency.
Result FromImage(const QImage& image);

// The picture stored bytes describe; null when they are empty or not a picture.
QImage Decode(const QByteArray& jpeg);

// What the user is told when a picture is refused.
QString TooLargeMessage(const Profile& profile, qint64 bytes);
QString UnreadableMessage();

// The file chooser's title and filter.
QString ChooserTitle();
QString ChooserFilter();

} // namespace ItemPhoto
