#pragma once

#include "widgets/PictureLoader.h"

#include <QFileInfo>
#include <QImage>
#include <QSize>
#include <QString>

// Small previews of photos that carry no camera thumbnail, made once and kept in the folder
// "miniature" beside the logbook, so stepping through catches does not decode a 12-megapixel
// photo at every step. An entry is named after the photo's path, size and modification time
// and the destination's size, so a changed photo gets a new preview; the folder can be
// deleted at any time and is filled again. The photos themselves are only ever read.
namespace PreviewCache {

// The folder of the previews, with its trailing separator.
QString folder();
// The entry's file name for that photo as it is now, shown into that destination.
QString entryName(const QFileInfo& photo, QSize fitInto, PictureLoader::Coverage coverage);

// The picture for a small destination, as PictureLoader::load gives it: the camera's
// thumbnail when there is one, else the kept preview, else a decode kept for next time.
// Every failure is the loader's PictureError for the photo itself.
QImage load(const QString& path, QSize fitInto,
            PictureLoader::Coverage coverage = PictureLoader::Coverage::Fit);

} // namespace PreviewCache
