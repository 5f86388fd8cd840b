#include "tests/support/TestPictures.h"

#include <QBuffer>
#include <QPainter>
#include <QtEndian>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <libexif/exif-data.h>

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

QByteArray solidJpeg(QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return encode(image, "JPG", 90);
}

// The JPEG with an APP1 block holding the EXIF data made of these entries.
static QByteArray withExifBlock(const QByteArray& jpeg, int orientation,
                                const QByteArray& thumbnail, const QByteArray& taken) {
    ExifData* exif = exif_data_new();
    exif_data_set_byte_order(exif, EXIF_BYTE_ORDER_INTEL);
    ExifEntry* entry = exif_entry_new();
    exif_content_add_entry(exif->ifd[EXIF_IFD_0], entry);
    exif_entry_initialize(entry, EXIF_TAG_ORIENTATION);
    exif_set_short(entry->data, EXIF_BYTE_ORDER_INTEL, ExifShort(orientation));
    exif_entry_unref(entry);
    if (!taken.isEmpty()) {
        // Initialised with the current time as 19 characters and a terminating zero.
        ExifEntry* time = exif_entry_new();
        exif_content_add_entry(exif->ifd[EXIF_IFD_EXIF], time);
        exif_entry_initialize(time, EXIF_TAG_DATE_TIME_ORIGINAL);
        std::memset(time->data, 0, time->size);
        std::memcpy(time->data, taken.constData(), std::min(size_t(taken.size()), size_t(19)));
        exif_entry_unref(time);
    }
    if (!thumbnail.isEmpty()) {
        // Freed by exif_data_unref with the default allocator.
        exif->data = static_cast<unsigned char*>(std::malloc(size_t(thumbnail.size())));
        std::memcpy(exif->data, thumbnail.constData(), size_t(thumbnail.size()));
        exif->size = unsigned(thumbnail.size());
    }
    unsigned char* block = nullptr;
    unsigned int length = 0;
    exif_data_save_data(exif, &block, &length);
    exif_data_unref(exif);
    QByteArray app1("\xFF\xE1", 2);
    char size[2];
    qToBigEndian<quint16>(quint16(length + 2), size);
    app1.append(size, 2).append(reinterpret_cast<const char*>(block), qsizetype(length));
    std::free(block);
    return jpeg.left(2) + app1 + jpeg.mid(2);
}

QByteArray withExif(const QByteArray& jpeg, int orientation, const QByteArray& thumbnail) {
    return withExifBlock(jpeg, orientation, thumbnail, {});
}

QByteArray withTakingTime(const QByteArray& jpeg, const QByteArray& taken) {
    return withExifBlock(jpeg, 1, {}, taken);
}

QByteArray withBitmapSize(QByteArray bitmap, int width, int height) {
    qToLittleEndian<qint32>(width, bitmap.data() + 18);
    qToLittleEndian<qint32>(height, bitmap.data() + 22);
    return bitmap;
}

} // namespace TestPictures
