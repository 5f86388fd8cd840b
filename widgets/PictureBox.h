#pragma once

#include "widgets/PictureFit.h"

#include <QImage>
#include <QWidget>

// The picture control: draws one picture in its client area by one of the three modes and
// redraws it fitted anew whenever the control is resized. The rest shows the background.
// A double click with the left button is told, for a window to open the picture larger.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr, PictureMode mode = PictureMode::Proportional);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }
    void clear();
    void setMode(PictureMode mode);
    PictureMode mode() const { return m_mode; }
    // Where the picture is drawn now, in the control's coordinates.
    QRect pictureRect() const { return FitPicture(m_picture.size(), size(), m_mode); }

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
    PictureMode m_mode;
};
