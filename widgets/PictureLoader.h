#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// The one way pictures enter the program. The reader is chosen by the file's extension,
// letter case ignored: "bmp" through Qt's bitmap reader, "jpg"/"jpeg" through libjpeg; any
// other extension is refused. Every failure is a PictureError; a damaged file can never
// crash, hang or exhaust memory: pictures announcing more than MaxPixels are refused before
// anything is allocated.
namespace PictureLoader {

constexpr qint64 MaxPixels = 150'000'000; // far above any camera, far below exhausting memory
constexpr qint64 MaxFileBytes = 512ll * 1024 * 1024;

// How a picture will be shown in its destination: fitted inside it keeping proportions, or
// filling it (stretched, or proportional, whichever the user picks later).
enum class Coverage { Fit, Fill };

// The whole picture. With a valid `fitInto`, a JPEG may be decoded at a reduced scale (1/2,
// 1/4, 1/8), never smaller than it will be shown when fitted proportionally into that size
// (with Fill: when stretched over it).
QImage load(const QString& path, QSize fitInto = QSize(), Coverage coverage = Coverage::Fit);
// The same, saying whether the picture is the camera's embedded thumbnail.
QImage load(const QString& path, QSize fitInto, Coverage coverage, bool* fromThumbnail);

// The same over bytes already read; `displayName` names the file in messages.
QImage decode(const QByteArray& bytes, const QString& extension, const QString& displayName,
              QSize fitInto = QSize(), Coverage coverage = Coverage::Fit);

// How many picture files have been opened and read since the program started: lets the
// benchmarks and tests see how often a window goes to the disk for a photo.
quint64 filesRead();

} // namespace PictureLoader

// The program's name for it.
inline QImage LoadPicture(const QString& path, QSize fitInto = QSize(),
                          PictureLoader::Coverage coverage = PictureLoader::Coverage::Fit) {
    return PictureLoader::load(path, fitInto, coverage);
}
