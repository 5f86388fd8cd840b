#include "app/MenuPictures.h"

#include <QPainter>

namespace MenuPictures {

QPixmap statistics() {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(Qt::black);
    p.drawLine(1, 14, 14, 14);
    p.drawLine(1, 1, 1, 14);
    p.fillRect(3, 8, 3, 6, QColor(0x00, 0x00, 0x80));
    p.fillRect(7, 4, 3, 10, QColor(0x80, 0x00, 0x00));
    p.fillRect(11, 6, 3, 8, QColor(0x00, 0x80, 0x00));
    return pm;
}

QPixmap printForm() {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(Qt::black);
    p.fillRect(4, 1, 8, 6, Qt::white);
    p.drawRect(4, 1, 8, 6);
    p.fillRect(1, 7, 14, 6, QColor(0xc0, 0xc0, 0xc0));
    p.drawRect(1, 7, 14, 6);
    p.fillRect(4, 11, 8, 4, Qt::white);
    p.drawRect(4, 11, 8, 4);
    p.fillRect(12, 9, 2, 1, Qt::green);
    return pm;
}

QPixmap exit() {
    QPixmap pm(11, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(Qt::black);
    p.fillRect(1, 1, 9, 14, QColor(0x80, 0x40, 0x00));
    p.drawRect(1, 1, 9, 14);
    p.fillRect(3, 2, 6, 12, QColor(0xff, 0xff, 0x80));
    p.fillRect(7, 8, 1, 1, Qt::black);
    return pm;
}

} // namespace MenuPictures
