#include "widgets/ExifInfo.h"

#include <QTransform>
#include <libexif/exif-data.h>
#include <memory>

namespace {

struct ExifDataFree {
    void operator()(ExifData* data) const { exif_data_unref(data); }
};

} // namespace

ExifInfo ReadExif(const QByteArray& jpeg) {
    ExifInfo info;
    // libexif finds the APP1 block inside the JPEG data itself.
    std::unique_ptr<ExifData, ExifDataFree> data(exif_data_new_from_data(
        reinterpret_cast<const unsigned char*>(jpeg.constData()), unsigned(jpeg.size())));
    if (!data)
        return info;
    if (ExifEntry* entry = exif_content_get_entry(data->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
        entry && entry->format == EXIF_FORMAT_SHORT && entry->components >= 1) {
        const int value = exif_get_short(entry->data, exif_data_get_byte_order(data.get()));
        if (value >= 1 && value <= 8)
            info.orientation = value;
    }
    if (data->data && data->size > 0)
        info.thumbnail = QByteArray(reinterpret_cast<const char*>(data->data), int(data->size));
    return info;
}

QImage ApplyExifOrientation(const QImage& picture, int orientation) {
    switch (orientation) {
    case 2:
        return picture.mirrored(true, false);
    case 3:
        return picture.transformed(QTransform().rotate(180));
    case 4:
        return picture.mirrored(false, true);
    case 5: // mirrored, then a quarter turn clockwise
        return picture.mirrored(true, false).transformed(QTransform().rotate(270));
    case 6:
        return picture.transformed(QTransform().rotate(90));
    case 7:
        return picture.mirrored(true, false).transformed(QTransform().rotate(90));
    case 8:
        return picture.transformed(QTransform().rotate(270));
    default:
        return picture;
    }
}
