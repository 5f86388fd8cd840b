#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// Pictures made by the tests themselves: a colour pattern saved as a bitmap or a JPEG.
namespace TestPictures {
QImage pattern(QSize size);
QByteArray bitmap(QSize size);
QByteArray jpeg(QSize size, int quality = 85);
// The same JPEG with the frame header announcing another size.
QByteArray withJpegSize(QByteArray jpeg, int width, int height);
// The same bitmap with the header announcing another size.
QByteArray withBitmapSize(QByteArray bitmap, int width, int height);
} // namespace TestPictures
