#include "widgets/PictureFiles.h"

#include "widgets/FileDialogSeam.h"

const QString kPictureFileFilter = QStringLiteral("Immagini (*.bmp *.jpg *.jpeg);;Bitmaps (*.bmp)");

QString AskOpenPicture(QWidget* parent) {
    return AskOpenPictureName(parent, QStringLiteral("Apri"), kPictureFileFilter);
}
