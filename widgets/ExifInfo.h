#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QImage>

// What a photo's EXIF block says that matters for showing it: how the picture is to be turned
// (phones and cameras store a portrait photo sideways with a tag that turns it) and the small
// thumbnail JPEG many cameras embed. Read with libexif; a photo without EXIF gives defaults.
struct ExifInfo {
    int orientation = 1;  // the EXIF values 1 to 8; 1: as stored
    QByteArray thumbnail; // an embedded JPEG, or empty
};

ExifInfo ReadExif(const QByteArray& jpeg);

// When the photo was taken by the camera's clock (DateTimeOriginal), as the wall-clock time it
// shows, carried in UTC so that no time zone or summer-time change moves it; invalid when the
// photo has no such time. `damaged`: the photo has an EXIF block that libexif finds corrupt,
// or a taking time that is not a date; its time is then not trusted. Only the start of the
// file is needed: the block sits in the first 64 KB after the JPEG's own header segments.
struct ExifTakingTime {
    QDateTime taken;
    bool damaged = false;
};
ExifTakingTime ReadExifTakingTime(const QByteArray& jpegStart);
// The picture turned and mirrored as the EXIF orientation asks.
QImage ApplyExifOrientation(const QImage& picture, int orientation);
// Whether the orientation swaps width and height (a quarter turn).
inline bool ExifSwapsSides(int orientation) {
    return orientation >= 5 && orientation <= 8;
}
