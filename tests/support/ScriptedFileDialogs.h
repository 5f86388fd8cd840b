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

    QString existingFolder(QWidget*, const QString& caption) override {
        filters << caption;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }

    QStringList answers;
    QStringList filters;

private:
    FileDialogSeam* m_previous;
};
