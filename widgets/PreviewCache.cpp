#include "widgets/PreviewCache.h"

#include "data/U_QFile.h"
#include "widgets/PictureError.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QSaveFile>

namespace PreviewCache {

QString folder() {
    return ProgramDir() + QStringLiteral("miniature/");
}

QString entryName(const QFileInfo& photo, QSize fitInto, PictureLoader::Coverage coverage) {
    const QString key = QStringLiteral("%1|%2|%3|%4x%5|%6")
                            .arg(photo.absoluteFilePath())
                            .arg(photo.size())
                            .arg(photo.lastModified().toMSecsSinceEpoch())
                            .arg(fitInto.width())
                            .arg(fitInto.height())
                            .arg(coverage == PictureLoader::Coverage::Fill ? 1 : 0);
    return QString::fromLatin1(
               QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex()) +
           QStringLiteral(".jpg");
}

namespace {

// Written under a temporary name and renamed, so a reader never meets half an entry. A
// folder that cannot be written only means previews are made again next time.
void keep(const QString& path, const QImage& preview) {
    if (!QDir().mkpath(folder()))
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    if (preview.save(&file, "JPG", 90))
        file.commit();
    else
        file.cancelWriting();
}

} // namespace

QImage load(const QString& path, QSize fitInto, PictureLoader::Coverage coverage) {
    const QFileInfo photo(path);
    if (path.isEmpty() || !fitInto.isValid() || fitInto.isEmpty() || !photo.isFile())
        return PictureLoader::load(path, fitInto, coverage); // its own words for the fault
    const QString entry = folder() + entryName(photo, fitInto, coverage);
    if (QFileInfo::exists(entry)) {
        try {
            return PictureLoader::load(entry);
        } catch (const PictureError&) {
            QFile::remove(entry); // damaged: made again below
        }
    }
    bool fromThumbnail = false;
    const QImage picture = PictureLoader::load(path, fitInto, coverage, &fromThumbnail);
    if (!fromThumbnail)
        keep(entry, picture);
    return picture;
}

} // namespace PreviewCache
