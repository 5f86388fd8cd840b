#include "photos/PhotoScan.h"

#include "widgets/ExifInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace PhotoScan {

namespace {

// The EXIF block is in the JPEG's first segments, at most 64 KB after the JFIF header.
constexpr qint64 kExifReach = 256 * 1024;

QDateTime wallClock(const QDateTime& local) {
    return QDateTime(local.date(), local.time(), Qt::UTC);
}

} // namespace

bool isPhotoName(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    return suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg") ||
           suffix == QLatin1String("bmp");
}

std::optional<Found> readPhoto(const QFileInfo& info, Result* counts) {
    Result ignored;
    Result& c = counts ? *counts : ignored;
    if (info.size() == 0) {
        ++c.empty;
        return std::nullopt;
    }
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly)) {
        ++c.unreadable;
        return std::nullopt;
    }
    Found found{info.absoluteFilePath(), {}, true};
    if (info.suffix().compare(QLatin1String("bmp"), Qt::CaseInsensitive) != 0) {
        const QByteArray start = file.read(kExifReach);
        if (start.isEmpty()) {
            ++c.unreadable;
            return std::nullopt;
        }
        const ExifTakingTime exif = ReadExifTakingTime(start);
        c.damagedExif += exif.damaged;
        if (exif.taken.isValid()) {
            found.taken = exif.taken;
            found.fileTime = false;
        }
    }
    if (found.fileTime)
        found.taken = wallClock(info.lastModified());
    return found;
}

Result scanFolder(const QString& folder) {
    Result result;
    const QDir dir(folder);
    if (!dir.exists() || !dir.isReadable()) {
        result.folderUnreadable = true;
        return result;
    }
    const QFileInfoList entries =
        dir.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& info : entries)
        if (isPhotoName(info.fileName()))
            if (const auto found = readPhoto(info, &result))
                result.photos.push_back(*found);
    return result;
}

} // namespace PhotoScan
