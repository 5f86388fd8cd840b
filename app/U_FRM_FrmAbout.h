#pragma once

#include <QDialog>

class PictureBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The About box: product name, version and the terms of use, with the lake picture.
class TFrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFrmAbout(QWidget* parent = nullptr);

    QFrame* Panel1;
    PictureBox* ProgramIcon;
    QLabel* Label1;
    QLabel* Label2;
    QPlainTextEdit* Memo1;
    QPushButton* OKButton;
};

extern TFrmAbout* FrmAbout;
