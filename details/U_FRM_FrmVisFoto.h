#pragma once

#include <QDialog>

class PictureBox;

// The photo viewer: one catch photo shown large, fitted to a resizable window. Created once,
// hidden between showings; it keeps its last picture and its size.
class TFrmVisFoto : public QDialog {
    Q_OBJECT
public:
    explicit TFrmVisFoto(QWidget* parent = nullptr);

    // Loads the picture into Image1. An empty path keeps the picture shown before; a loading
    // error (PictureError) reaches the caller and the previous picture stays.
    void LoadPhoto(const QString& path);

    PictureBox* Image1;
};

extern TFrmVisFoto* FrmVisFoto;
