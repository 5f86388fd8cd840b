#include "widgets/FileDialogSeam.h"

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

QString AskFolder(QWidget* parent, const QString& caption) {
    if (g_seam)
        return g_seam->existingFolder(parent, caption);
    return QFileDialog::getExistingDirectory(parent, caption);
}
