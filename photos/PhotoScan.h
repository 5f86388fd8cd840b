#pragma once

#include <QDateTime>
#include <QFileInfo>
#include <QList>
#include <QString>
#include <optional>

// The photos of one folder (not its subfolders): every JPEG and bitmap with its taking time,
// the camera's (EXIF DateTimeOriginal) when it has one, else the file's modification time,
// which is less certain. What cannot be used is skipped and counted, never reported one file
// at a time. Only reads the files.
namespace PhotoScan {

struct Found {
    QString path;
    QDateTime taken;       // a wall-clock time carried in UTC, as PhotoMatch wants it
    bool fileTime = false; // the file's modification time, not the camera's
};

struct Result {
    QList<Found> photos; // by file name
    int unreadable = 0;  // could not be opened or read
    int empty = 0;       // 0 bytes
    int damagedExif = 0; // listed with the file time: the EXIF block was damaged
    bool folderUnreadable = false;
};

Result scanFolder(const QString& folder);

// One photo's taking time as the scan reads it; nothing for an empty or unreadable file.
std::optional<Found> readPhoto(const QFileInfo& file, Result* counts = nullptr);

// Whether the file name is one the picture loader reads as a photo (jpg, jpeg, bmp).
bool isPhotoName(const QString& fileName);

} // namespace PhotoScan
