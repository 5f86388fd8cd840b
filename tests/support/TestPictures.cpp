#include "tests/support/TestPictures.h"

#include <QBuffer>
#include <QPainter>
#include <QtEndian>

namespace TestPictures {

QImage pattern(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 255 / size.width(), y * 255 / size.height(), 96));
    return image;
}

static QByteArray encode(const QImage& image, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

QByteArray bitmap(QSize size) {
    return encode(pattern(size), "BMP", -1);
}

QByteArray jpeg(QSize size, int quality) {
    return encode(pattern(size), "JPG", quality);
}

QByteArray withJpegSize(QByteArray jpeg, int width, int height) {
    for (qsizetype i = 2; i + 9 < jpeg.size(); ++i) {
        const auto marker = static_cast<unsigned char>(jpeg[i + 1]);
        if (static_cast<unsigned char>(jpeg[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            qToBigEndian<quint16>(quint16(height), jpeg.data() + i + 5);
            qToBigEndian<quint16>(quint16(width), jpeg.data() + i + 7);
            break;
        }
    }
    return jpeg;
}

QByteArray withBitmapSize(QByteArray bitmap, int width, int height) {
    qToLittleEndian<qint32>(width, bitmap.data() + 18);
    qToLittleEndian<qint32>(height, bitmap.data() + 22);
    return bitmap;
}

} // namespace TestPictures
