#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>

// Pictures made by the tests themselves: a colour pattern saved as a bitmap or a JPEG.
namespace TestPictures {
QImage pattern(QSize size);
QByteArray bitmap(QSize size);
QByteArray jpeg(QSize size, int quality = 85);
// The same JPEG with the frame header announcing another size.
QByteArray withJpegSize(QByteArray jpeg, int width, int height);
// A JPEG of one colour.
QByteArray solidJpeg(QSize size, QColor colour);
// The same JPEG with an EXIF block: an orientation (1 to 8) and, if given, a thumbnail JPEG.
QByteArray withExif(const QByteArray& jpeg, int orientation, const QByteArray& thumbnail = {});
// The same JPEG with an EXIF block giving the camera's taking time (DateTimeOriginal) as
// written by cameras, "yyyy:MM:dd HH:mm:ss".
QByteArray withTakingTime(const QByteArray& jpeg, const QByteArray& taken);
// The same bitmap with the header announcing another size.
QByteArray withBitmapSize(QByteArray bitmap, int width, int height);
} // namespace TestPictures
