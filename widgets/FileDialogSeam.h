#pragma once

#include <QString>

class QWidget;

// The file dialogs go through here, so tests can answer with a path instead of a window.
// An empty answer means the user cancelled.
class FileDialogSeam {
public:
    virtual ~FileDialogSeam() = default;
    virtual QString openFileName(QWidget* parent, const QString& caption,
                                 const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& caption,
                                 const QString& filter) = 0;
    virtual QString existingFolder(QWidget* parent, const QString& caption) = 0;
    // The dialogs with a picture preview; a seam that does not tell them apart answers them
    // as the plain ones.
    virtual QString openPictureName(QWidget* parent, const QString& caption,
                                    const QString& filter) {
        return openFileName(parent, caption, filter);
    }
    virtual QString savePictureName(QWidget* parent, const QString& caption,
                                    const QString& filter) {
        return saveFileName(parent, caption, filter);
    }
};

FileDialogSeam* installFileDialogSeam(FileDialogSeam* seam); // returns the previous one
QString AskOpenFileName(QWidget* parent, const QString& caption, const QString& filter);
QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& filter);
QString AskOpenPictureName(QWidget* parent, const QString& caption, const QString& filter);
QString AskSavePictureName(QWidget* parent, const QString& caption, const QString& filter);
QString AskFolder(QWidget* parent, const QString& caption);
