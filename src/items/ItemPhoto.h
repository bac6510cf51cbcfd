#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

class Profile;

// An item's picture is kept in the archive as JPEG bytes, small enough not to swell it.
namespace ItemPhoto {

// The most bytes a stored picture may have (the column holds one more).
constexpr qint64 kMaxBytes = 150000;

// TooManyPixels: the picture has so many pixels that no JPEG of it can keep within kMaxBytes,
// whatever it shows; it is refused from its header without being decoded.
enum class Status { Ok, Unreadable, TooLarge, TooManyPixels };

struct Result {
    Status status = Status::Unreadable;
    QByteArray jpeg; // the bytes to store; empty unless Ok
    QImage image;    // the picture as read; null when unreadable or not decoded
    qint64 size = 0; // the JPEG's size, also when too large
    QSize pixels;    // the picture's size in pixels, when known
};

// Whether a JPEG of a picture this size can keep within kMaxBytes at all: the encoder spends at
// least three bytes on every 16 x 16 block, however plain the picture (a 48 megapixel photo
// needs over 500 KB even when all white).
bool CouldFit(const QSize& pixels);

// Reads a picture file (turned upright by its orientation tag) and encodes it as JPEG in
// memory: nothing is written to disk, so no other user can see or replace it on the way.
// A picture that cannot fit is not decoded at all, so a phone's 50 megapixel photo costs no
// memory to refuse.
Result FromFile(const QString& file);
// Encodes a picture as JPEG; transparent parts become white, as JPEG keeps no transparency.
Result FromImage(const QImage& image);

// Encodes a picture as JPEG, lowering its resolution step by step until it keeps within
// kMaxBytes: for pictures whose size the user did not choose (a scanner's page). Unreadable
// only for a null picture.
Result FitImage(const QImage& image);

// The picture stored bytes describe; null when they are empty or not a picture.
QImage Decode(const QByteArray& jpeg);

// What the user is told when a picture is refused.
QString TooLargeMessage(const Profile& profile, qint64 bytes);
QString TooManyPixelsMessage(const QSize& pixels);
QString UnreadableMessage();

// The file chooser's title and filter.
QString ChooserTitle();
QString ChooserFilter();

} // namespace ItemPhoto
