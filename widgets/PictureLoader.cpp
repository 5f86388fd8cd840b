#include "widgets/PictureLoader.h"

#include "widgets/ExifInfo.h"
#include "widgets/JpegDecoder.h"
#include "widgets/PictureError.h"
#include "widgets/PictureFit.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>
#include <algorithm>
#include <atomic>
#include <climits>
#include <cmath>

namespace PictureLoader {

namespace {

PictureError damaged(const QString& name, const char* kind) {
    return PictureError(
        QStringLiteral("Il file immagine '%1' è danneggiato o non è un'immagine %2 valida.")
            .arg(name, QLatin1String(kind)));
}

PictureError tooLarge(const QString& name, qint64 width, qint64 height) {
    return PictureError(
        QStringLiteral("L'immagine '%1' è troppo grande (%2 x %3 pixel) per essere mostrata.")
            .arg(name)
            .arg(width)
            .arg(height));
}

// The size a bitmap's header announces, read before Qt's reader sees it, so an absurd size
// is refused as too large rather than passed on.
QSize announcedBitmapSize(const QByteArray& bytes) {
    if (bytes.size() < 26 || !bytes.startsWith("BM"))
        return QSize();
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    const quint32 headerSize = qFromLittleEndian<quint32>(p + 14);
    if (headerSize == 12)
        return QSize(qFromLittleEndian<quint16>(p + 18), qFromLittleEndian<quint16>(p + 20));
    const qint64 width = qFromLittleEndian<qint32>(p + 18);
    const qint64 height = qFromLittleEndian<qint32>(p + 22);
    return QSize(int(std::clamp<qint64>(width, 0, INT_MAX)),
                 int(std::clamp<qint64>(height < 0 ? -height : height, 0, INT_MAX)));
}

// Whether an uncompressed bitmap's pixel rows, as its header announces them, fit in the file.
// Compressed bitmaps (run-length) cannot be measured before they are read.
bool bitmapRowsFit(const QByteArray& bytes, QSize announced) {
    if (bytes.size() < 30)
        return false;
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    const quint32 offset = qFromLittleEndian<quint32>(p + 10);
    const quint32 headerSize = qFromLittleEndian<quint32>(p + 14);
    const int bits =
        headerSize == 12 ? qFromLittleEndian<quint16>(p + 24) : qFromLittleEndian<quint16>(p + 28);
    const quint32 compression =
        (headerSize >= 40 && bytes.size() >= 34) ? qFromLittleEndian<quint32>(p + 30) : 0;
    if (compression != 0 && compression != 3) // BI_RGB and BI_BITFIELDS only
        return true;
    const qint64 rowBytes = (qint64(announced.width()) * bits + 31) / 32 * 4;
    return qint64(offset) + rowBytes * announced.height() <= bytes.size();
}

QImage decodeBitmap(const QByteArray& bytes, const QString& name) {
    const QSize announced = announcedBitmapSize(bytes);
    if (qint64(announced.width()) * announced.height() > MaxPixels)
        throw tooLarge(name, announced.width(), announced.height());
    // Checked before anything is allocated: a header announcing more rows than the file holds
    // is a damaged (or cut off) bitmap, not a picture with black rows.
    if (announced.isValid() && !bitmapRowsFit(bytes, announced))
        throw damaged(name, "bitmap");
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    if (!size.isValid())
        throw damaged(name, "bitmap");
    if (qint64(size.width()) * size.height() > MaxPixels)
        throw tooLarge(name, size.width(), size.height());
    QImageReader::setAllocationLimit(int(MaxPixels * 4 / (1024 * 1024)) + 1);
    QImage image = reader.read();
    if (image.isNull())
        throw damaged(name, "bitmap");
    return image;
}

const unsigned char* bytesOf(const QByteArray& bytes) {
    return reinterpret_cast<const unsigned char*>(bytes.constData());
}

// The embedded thumbnail, when it shows the whole photo (same proportions) and is large
// enough for the destination without being enlarged. Sizes are the stored ones, before the
// orientation turns them.
QImage usableThumbnail(const QByteArray& bytes, const ExifInfo& exif, QSize fitInto) {
    if (!fitInto.isValid() || fitInto.isEmpty() || exif.thumbnail.isEmpty())
        return QImage();
    QSize photo;
    if (!readJpegSize(bytesOf(bytes), size_t(bytes.size()), &photo) || photo.isEmpty())
        return QImage();
    QImage thumb;
    JpegFailure failure;
    if (!decodeJpeg(bytesOf(exif.thumbnail), size_t(exif.thumbnail.size()), QSize(), MaxPixels,
                    &thumb, &failure))
        return QImage();
    const qint64 cross =
        qint64(thumb.width()) * photo.height() - qint64(thumb.height()) * photo.width();
    if (qAbs(cross) * 50 > qint64(thumb.height()) * photo.width()) // proportions differ by >2%
        return QImage();
    const QSize area = ExifSwapsSides(exif.orientation) ? fitInto.transposed() : fitInto;
    const QSize needed = FitPicture(photo, area, PictureMode::Fit).size();
    if (thumb.width() < qMin(needed.width(), photo.width()) ||
        thumb.height() < qMin(needed.height(), photo.height()))
        return QImage();
    return thumb;
}

// The destination a proportional decode must cover so that the picture can also fill the
// whole area: the area scaled up to the picture's proportions.
QSize coveringSize(const QByteArray& bytes, QSize area, bool swapped) {
    QSize photo;
    if (!readJpegSize(bytesOf(bytes), size_t(bytes.size()), &photo) || photo.isEmpty())
        return area;
    if (swapped)
        photo.transpose();
    const double scale =
        std::max(double(area.width()) / photo.width(), double(area.height()) / photo.height());
    return QSize(int(std::ceil(photo.width() * scale)), int(std::ceil(photo.height() * scale)));
}

QImage decodeJpegBytes(const QByteArray& bytes, const QString& name, QSize fitInto,
                       Coverage coverage, bool* fromThumbnail) {
    const ExifInfo exif = ReadExif(bytes);
    if (coverage == Coverage::Fill && fitInto.isValid() && !fitInto.isEmpty())
        fitInto = coveringSize(bytes, fitInto, ExifSwapsSides(exif.orientation));
    // A small destination: the camera's own thumbnail spares decoding the photo.
    if (QImage thumb = usableThumbnail(bytes, exif, fitInto); !thumb.isNull()) {
        if (fromThumbnail)
            *fromThumbnail = true;
        return ApplyExifOrientation(thumb, exif.orientation);
    }
    QImage image;
    JpegFailure failure;
    const QSize stored = ExifSwapsSides(exif.orientation) ? fitInto.transposed() : fitInto;
    if (decodeJpeg(bytesOf(bytes), size_t(bytes.size()), stored, MaxPixels, &image, &failure))
        return ApplyExifOrientation(image, exif.orientation);
    if (failure.kind == JpegFailure::TooLarge)
        throw tooLarge(name, failure.width, failure.height);
    throw damaged(name, "JPEG");
}

std::atomic<quint64> g_filesRead{0};

// The file's bytes, read in pieces up to MaxFileBytes whatever size the file system reports
// (a link to a file that streams without end reports 0). The first piece must begin as the
// extension promises, so a large file of another kind is refused before the rest is read.
QByteArray readBounded(QFile& file, const QString& suffix, const QString& path) {
    const bool bitmap = suffix == QLatin1String("bmp");
    QByteArray bytes = file.read(64 * 1024);
    if (file.error() != QFileDevice::NoError)
        throw PictureError(QStringLiteral("Impossibile leggere il file immagine '%1'.").arg(path));
    const bool expected =
        bitmap ? bytes.startsWith("BM") : bytes.startsWith(QByteArray("\xFF\xD8\xFF", 3));
    if (!expected)
        throw damaged(path, bitmap ? "bitmap" : "JPEG");
    for (;;) { // until a read gives nothing: atEnd() trusts the reported size
        const QByteArray piece = file.read(1024 * 1024);
        if (file.error() != QFileDevice::NoError)
            throw PictureError(
                QStringLiteral("Impossibile leggere il file immagine '%1'.").arg(path));
        if (piece.isEmpty())
            break;
        bytes += piece;
        if (bytes.size() > MaxFileBytes)
            throw PictureError(
                QStringLiteral("Il file immagine '%1' è troppo grande per essere mostrato.")
                    .arg(path));
    }
    return bytes;
}

} // namespace

quint64 filesRead() {
    return g_filesRead.load();
}

namespace {

QImage decodeAny(const QByteArray& bytes, const QString& extension, const QString& displayName,
                 QSize fitInto, Coverage coverage, bool* fromThumbnail) {
    const QString ext = extension.toLower();
    if (ext == QLatin1String("bmp"))
        return decodeBitmap(bytes, displayName);
    if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg"))
        return decodeJpegBytes(bytes, displayName, fitInto, coverage, fromThumbnail);
    throw PictureError(QStringLiteral("Il file '%1' non è un'immagine che il programma sa "
                                      "leggere: sono ammessi i formati bmp, jpg e jpeg.")
                           .arg(displayName));
}

} // namespace

QImage decode(const QByteArray& bytes, const QString& extension, const QString& displayName,
              QSize fitInto, Coverage coverage) {
    return decodeAny(bytes, extension, displayName, fitInto, coverage, nullptr);
}

QImage load(const QString& path, QSize fitInto, Coverage coverage) {
    return load(path, fitInto, coverage, nullptr);
}

QImage load(const QString& path, QSize fitInto, Coverage coverage, bool* fromThumbnail) {
    if (fromThumbnail)
        *fromThumbnail = false;
    if (path.isEmpty())
        throw PictureError(QStringLiteral("Nessun file immagine indicato."));
    const QFileInfo info(path);
    const QString suffix = info.suffix().toLower();
    if (suffix != QLatin1String("bmp") && suffix != QLatin1String("jpg") &&
        suffix != QLatin1String("jpeg"))
        return decode(QByteArray(), suffix, path, fitInto, coverage); // refused, untouched
    if (!info.exists())
        throw PictureError(QStringLiteral("Il file immagine '%1' non esiste.").arg(path));
    if (!info.isFile())
        throw PictureError(QStringLiteral("'%1' non è un file immagine.").arg(path));
    if (info.size() > MaxFileBytes)
        throw PictureError(
            QStringLiteral("Il file immagine '%1' è troppo grande per essere mostrato.").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw PictureError(QStringLiteral("Impossibile leggere il file immagine '%1'.").arg(path));
    ++g_filesRead;
    const QByteArray bytes = readBounded(file, suffix, path);
    return decodeAny(bytes, suffix, path, fitInto, coverage, fromThumbnail);
}

} // namespace PictureLoader
