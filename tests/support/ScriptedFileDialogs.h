#pragma once

#include "widgets/FileDialogSeam.h"

#include <QStringList>

// The file-dialog seam for tests: records each dialog's filter and answers with the next
// scripted path (empty: the user cancelled).
class ScriptedFileDialogs : public FileDialogSeam {
public:
    ScriptedFileDialogs() : m_previous(installFileDialogSeam(this)) {}
    ~ScriptedFileDialogs() override { installFileDialogSeam(m_previous); }

    QString openFileName(QWidget*, const QString&, const QString& filter) override {
        filters << filter;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    QString saveFileName(QWidget*, const QString&, const QString& filter) override {
        filters << filter;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }

    QString openPictureName(QWidget* parent, const QString& caption,
                            const QString& filter) override {
        ++pictureDialogs;
        return openFileName(parent, caption, filter);
    }
    QString savePictureName(QWidget* parent, const QString& caption,
                            const QString& filter) override {
        ++pictureDialogs;
        return saveFileName(parent, caption, filter);
    }

    QString existingFolder(QWidget*, const QString& caption) override {
        filters << caption;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }

    QStringList answers;
    QStringList filters;
    int pictureDialogs = 0; // of the dialogs asked, how many with a picture preview

private:
    FileDialogSeam* m_previous;
};
