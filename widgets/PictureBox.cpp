#include "widgets/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent, PictureMode mode) : QWidget(parent), m_mode(mode) {}

void PictureBox::setPicture(const QImage& picture) {
    m_picture = picture;
    update();
}

void PictureBox::clear() {
    m_picture = QImage();
    update();
}

void PictureBox::setMode(PictureMode mode) {
    m_mode = mode;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(pictureRect(), m_picture);
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    event->accept();
    emit doubleClicked();
}
