#include "widgets/FileDialogSeam.h"

#include "widgets/PictureFileDialog.h"

#include <QFileDialog>

namespace {
FileDialogSeam* g_seam = nullptr;
}

FileDialogSeam* installFileDialogSeam(FileDialogSeam* seam) {
    FileDialogSeam* previous = g_seam;
    g_seam = seam;
    return previous;
}

QString AskOpenFileName(QWidget* parent, const QString& caption, const QString& filter) {
    if (g_seam)
        return g_seam->openFileName(parent, caption, filter);
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& filter) {
    if (g_seam)
        return g_seam->saveFileName(parent, caption, filter);
    // A file of that name is replaced without a question.
    return QFileDialog::getSaveFileName(parent, caption, QString(), filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString AskOpenPictureName(QWidget* parent, const QString& caption, const QString& filter) {
    if (g_seam)
        return g_seam->openPictureName(parent, caption, filter);
    return PictureFileDialog::ask(parent, caption, filter, PictureFileDialog::Purpose::Open);
}

QString AskSavePictureName(QWidget* parent, const QString& caption, const QString& filter) {
    if (g_seam)
        return g_seam->savePictureName(parent, caption, filter);
    return PictureFileDialog::ask(parent, caption, filter, PictureFileDialog::Purpose::Save);
}

QString AskFolder(QWidget* parent, const QString& caption) {
    if (g_seam)
        return g_seam->existingFolder(parent, caption);
    return QFileDialog::getExistingDirectory(parent, caption);
}
