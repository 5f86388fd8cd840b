#pragma once

#include <QByteArray>
#include <QImage>

// What a photo's EXIF block says that matters for showing it: how the picture is to be turned
// (phones and cameras store a portrait photo sideways with a tag that turns it) and the small
// thumbnail JPEG many cameras embed. Read with libexif; a photo without EXIF gives defaults.
struct ExifInfo {
    int orientation = 1;  // the EXIF values 1 to 8; 1: as stored
    QByteArray thumbnail; // an embedded JPEG, or empty
};

ExifInfo ReadExif(const QByteArray& jpeg);
// The picture turned and mirrored as the EXIF orientation asks.
QImage ApplyExifOrientation(const QImage& picture, int orientation);
// Whether the orientation swaps width and height (a quarter turn).
inline bool ExifSwapsSides(int orientation) {
    return orientation >= 5 && orientation <= 8;
}
