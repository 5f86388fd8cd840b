#pragma once

#include <QFileDialog>

class PictureBox;
class QLabel;

// The file dialog for pictures: the usual file list with a preview of the selected picture
// beside it (read small, the camera's thumbnail when it has one), every word in Italian,
// dates and sizes written the Italian way. Used to open a photo and to save a chart.
class PictureFileDialog : public QFileDialog {
    Q_OBJECT
public:
    enum class Purpose { Open, Save };

    PictureFileDialog(QWidget* parent, const QString& caption, const QString& filter,
                      Purpose purpose);

    PictureBox* preview() const { return m_preview; }
    QLabel* previewNote() const { return m_note; }
    // Shows the picture at `path` in the preview, or a short note when it cannot be read.
    void showPreview(const QString& path);

    // The chosen path, empty if the user cancelled.
    static QString ask(QWidget* parent, const QString& caption, const QString& filter,
                       Purpose purpose);

private:
    PictureBox* m_preview;
    QLabel* m_note;
};

// Italian for the words of Qt's file dialog that its own translation leaves in English
// (the type column, the root of the disks); installed once, before the first dialog.
void InstallFileDialogWords();
