#include "stats/StatPictures.h"

#include <QPainter>
#include <QPixmap>
#include <functional>

namespace StatPictures {

namespace {

QIcon painted(const std::function<void(QPainter&)>& paint) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    return QIcon(pm);
}

} // namespace

QIcon windowIcon() {
    return painted([](QPainter& p) {
        p.fillRect(0, 0, 16, 16, Qt::white);
        p.setPen(QColor(0xc0, 0xc0, 0xc0));
        for (int i = 3; i < 16; i += 4) {
            p.drawLine(i, 0, i, 15);
            p.drawLine(0, i, 15, i);
        }
        p.setPen(QPen(Qt::red, 1.5));
        p.drawPolyline(QPolygonF({QPointF(1, 13), QPointF(5, 7), QPointF(9, 10), QPointF(15, 2)}));
        p.setPen(QPen(Qt::blue, 1.5));
        p.drawPolyline(QPolygonF({QPointF(1, 9), QPointF(6, 12), QPointF(10, 4), QPointF(15, 8)}));
    });
}

QIcon pie() {
    return painted([](QPainter& p) {
        const QRectF r(1, 1, 14, 14);
        p.setPen(Qt::black);
        p.setBrush(Qt::red);
        p.drawPie(r, 0, 120 * 16);
        p.setBrush(Qt::yellow);
        p.drawPie(r, 120 * 16, 140 * 16);
        p.setBrush(Qt::blue);
        p.drawPie(r, 260 * 16, 100 * 16);
    });
}

QIcon bars() {
    return painted([](QPainter& p) {
        p.setPen(Qt::black);
        p.setBrush(Qt::red);
        p.drawRect(1, 8, 4, 7);
        p.setBrush(Qt::green);
        p.drawRect(6, 3, 4, 12);
        p.setBrush(Qt::blue);
        p.drawRect(11, 6, 4, 9);
    });
}

QIcon lines() {
    return painted([](QPainter& p) {
        p.setPen(QPen(Qt::red, 1.5));
        p.drawPolyline(QPolygonF({QPointF(1, 12), QPointF(5, 4), QPointF(10, 11), QPointF(15, 3)}));
    });
}

} // namespace StatPictures
