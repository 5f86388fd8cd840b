#include "widgets/ExifInfo.h"

#include <QTransform>
#include <libexif/exif-data.h>
#include <libexif/exif-log.h>
#include <memory>

namespace {

struct ExifDataFree {
    void operator()(ExifData* data) const { exif_data_unref(data); }
};

struct ExifLogFree {
    void operator()(ExifLog* log) const { exif_log_unref(log); }
};

void noteCorruption(ExifLog*, ExifLogCode code, const char*, const char*, va_list, void* seen) {
    if (code == EXIF_LOG_CODE_CORRUPT_DATA)
        *static_cast<bool*>(seen) = true;
}

// Whether the JPEG's header segments hold an EXIF block (APP1 starting "Exif\0\0").
bool hasExifBlock(const QByteArray& jpeg) {
    static const QByteArray exifHeader("Exif\0\0", 6);
    qsizetype at = 2;
    while (jpeg.startsWith("\xFF\xD8") && at + 4 <= jpeg.size()) {
        const auto marker = quint8(jpeg[at + 1]);
        if (quint8(jpeg[at]) != 0xFF || marker == 0xDA || marker == 0xD9)
            return false;
        const int length = (quint8(jpeg[at + 2]) << 8) | quint8(jpeg[at + 3]);
        if (marker == 0xE1 && jpeg.mid(at + 4, 6) == exifHeader)
            return true;
        if (length < 2)
            return false;
        at += 2 + length;
    }
    return false;
}

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

ExifTakingTime ReadExifTakingTime(const QByteArray& jpegStart) {
    ExifTakingTime result;
    if (!hasExifBlock(jpegStart))
        return result;
    std::unique_ptr<ExifData, ExifDataFree> data(exif_data_new());
    std::unique_ptr<ExifLog, ExifLogFree> log(exif_log_new());
    if (!data || !log)
        return result;
    bool corrupt = false;
    exif_log_set_func(log.get(), noteCorruption, &corrupt);
    exif_data_log(data.get(), log.get());
    // As stored: following the standard would add missing entries with made-up values.
    exif_data_unset_option(data.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_load_data(data.get(), reinterpret_cast<const unsigned char*>(jpegStart.constData()),
                        unsigned(jpegStart.size()));
    int entries = 0;
    for (ExifContent* ifd : data->ifd)
        entries += ifd ? int(ifd->count) : 0;
    if (corrupt || entries == 0) {
        result.damaged = true;
        return result;
    }
    ExifEntry* entry =
        exif_content_get_entry(data->ifd[EXIF_IFD_EXIF], EXIF_TAG_DATE_TIME_ORIGINAL);
    if (!entry)
        return result;
    if (entry->format != EXIF_FORMAT_ASCII || !entry->data) {
        result.damaged = true;
        return result;
    }
    const QByteArray text =
        QByteArray(reinterpret_cast<const char*>(entry->data), int(entry->size)).left(19);
    // Cameras whose clock was never set write zeros or blanks: no time, but not damage.
    if (text.trimmed().isEmpty() || text.startsWith("0000:00:00"))
        return result;
    // Date and time apart: a time the local zone skips (summer time) is still a time.
    const QDate day =
        QDate::fromString(QString::fromLatin1(text.left(10)), QStringLiteral("yyyy:MM:dd"));
    const QTime time =
        QTime::fromString(QString::fromLatin1(text.mid(11, 8)), QStringLiteral("HH:mm:ss"));
    if (!day.isValid() || !time.isValid() || text.size() < 19 || text[10] != ' ') {
        result.damaged = true;
        return result;
    }
    result.taken = QDateTime(day, time, Qt::UTC);
    return result;
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
