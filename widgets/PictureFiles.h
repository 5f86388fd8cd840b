#pragma once

#include <QString>

class QWidget;

// The one choice of a picture file, for every window that attaches a photo: the filter of
// what the picture loader reads (every picture first, then bitmaps alone) and the open dialog
// asking for one.
extern const QString kPictureFileFilter;

// The path chosen, or empty when the user cancelled.
QString AskOpenPicture(QWidget* parent);
