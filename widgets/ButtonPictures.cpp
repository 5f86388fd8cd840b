#include "widgets/ButtonPictures.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace ButtonPictures {

namespace {

void paint(QPainter& p, Kind kind, double s) {
    p.setRenderHint(QPainter::Antialiasing);
    const QPen outline(QColor(0x20, 0x20, 0x20), s / 16.0);
    switch (kind) {
    case Kind::New: // a sheet with a green plus
        p.setPen(outline);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(s * 0.15, s * 0.08, s * 0.55, s * 0.8));
        p.setPen(QPen(QColor(0x00, 0x90, 0x00), s * 0.16, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(s * 0.72, s * 0.5), QPointF(s * 0.72, s * 0.95));
        p.drawLine(QPointF(s * 0.5, s * 0.72), QPointF(s * 0.94, s * 0.72));
        break;
    case Kind::Cancel: // a curved arrow going back
    {
        QPainterPath arc;
        arc.moveTo(s * 0.8, s * 0.8);
        arc.cubicTo(s * 0.9, s * 0.3, s * 0.5, s * 0.2, s * 0.25, s * 0.35);
        p.setPen(QPen(QColor(0x10, 0x40, 0xa0), s * 0.13, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arc);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x10, 0x40, 0xa0));
        p.drawPolygon(QPolygonF({QPointF(s * 0.08, s * 0.4), QPointF(s * 0.38, s * 0.12),
                                 QPointF(s * 0.42, s * 0.55)}));
        break;
    }
    case Kind::Save: // a floppy disk
        p.setPen(outline);
        p.setBrush(QColor(0x20, 0x40, 0x90));
        p.drawRect(QRectF(s * 0.1, s * 0.1, s * 0.8, s * 0.8));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(s * 0.25, s * 0.1, s * 0.5, s * 0.32));
        p.setBrush(QColor(0xc0, 0xc0, 0xc0));
        p.drawRect(QRectF(s * 0.3, s * 0.58, s * 0.4, s * 0.32));
        break;
    case Kind::Delete: // a red cross
        p.setPen(QPen(QColor(0xc0, 0x10, 0x10), s * 0.17, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s * 0.2, s * 0.2), QPointF(s * 0.8, s * 0.8));
        p.drawLine(QPointF(s * 0.8, s * 0.2), QPointF(s * 0.2, s * 0.8));
        break;
    case Kind::EditList: // a small list with a pencil
        p.setPen(outline);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(s * 0.08, s * 0.1, s * 0.6, s * 0.78));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(s * 0.18, s * (0.3 + i * 0.18)),
                       QPointF(s * 0.55, s * (0.3 + i * 0.18)));
        p.setPen(QPen(QColor(0xd0, 0x90, 0x10), s * 0.14, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s * 0.5, s * 0.85), QPointF(s * 0.9, s * 0.35));
        break;
    case Kind::Ok: // a green tick
        p.setPen(QPen(QColor(0x00, 0x90, 0x00), s * 0.16, Qt::SolidLine, Qt::RoundCap));
        p.drawPolyline(QPolygonF(
            {QPointF(s * 0.15, s * 0.55), QPointF(s * 0.4, s * 0.8), QPointF(s * 0.85, s * 0.2)}));
        break;
    case Kind::Reportage: // a camera
        p.setPen(outline);
        p.setBrush(QColor(0x40, 0x40, 0x40));
        p.drawRoundedRect(QRectF(s * 0.08, s * 0.3, s * 0.84, s * 0.55), s * 0.08, s * 0.08);
        p.drawRect(QRectF(s * 0.35, s * 0.18, s * 0.3, s * 0.14));
        p.setBrush(QColor(0x90, 0xc0, 0xf0));
        p.drawEllipse(QPointF(s * 0.5, s * 0.57), s * 0.17, s * 0.17);
        break;
    case Kind::OpenFile: // an open yellow folder
        p.setPen(outline);
        p.setBrush(QColor(0xe0, 0xb0, 0x30));
        p.drawRect(QRectF(s * 0.08, s * 0.25, s * 0.7, s * 0.6));
        p.setBrush(QColor(0xf8, 0xd8, 0x60));
        p.drawPolygon(QPolygonF({QPointF(s * 0.08, s * 0.85), QPointF(s * 0.25, s * 0.45),
                                 QPointF(s * 0.95, s * 0.45), QPointF(s * 0.78, s * 0.85)}));
        break;
    case Kind::Zoom: // a magnifying glass
        p.setPen(QPen(QColor(0x20, 0x20, 0x20), s * 0.12));
        p.setBrush(QColor(0xd0, 0xe8, 0xff));
        p.drawEllipse(QPointF(s * 0.42, s * 0.42), s * 0.28, s * 0.28);
        p.setPen(QPen(QColor(0x60, 0x40, 0x20), s * 0.16, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s * 0.64, s * 0.64), QPointF(s * 0.9, s * 0.9));
        break;
    case Kind::Printer: // a printer with a sheet
        p.setPen(outline);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(s * 0.25, s * 0.08, s * 0.5, s * 0.35));
        p.setBrush(QColor(0x70, 0x70, 0x70));
        p.drawRoundedRect(QRectF(s * 0.08, s * 0.4, s * 0.84, s * 0.35), s * 0.05, s * 0.05);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(s * 0.25, s * 0.65, s * 0.5, s * 0.27));
        break;
    case Kind::TriangleDown:
    case Kind::TriangleUp: {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        const bool down = kind == Kind::TriangleDown;
        p.drawPolygon(QPolygonF({QPointF(s * 0.2, down ? s * 0.3 : s * 0.7),
                                 QPointF(s * 0.8, down ? s * 0.3 : s * 0.7),
                                 QPointF(s * 0.5, down ? s * 0.75 : s * 0.25)}));
        break;
    }
    case Kind::NoPicture: // a small picture crossed out
        p.setPen(outline);
        p.setBrush(QColor(0xa0, 0xd0, 0xf0));
        p.drawRect(QRectF(s * 0.1, s * 0.2, s * 0.7, s * 0.55));
        p.setPen(QPen(QColor(0xc0, 0x10, 0x10), s * 0.14, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s * 0.5, s * 0.5), QPointF(s * 0.9, s * 0.9));
        p.drawLine(QPointF(s * 0.9, s * 0.5), QPointF(s * 0.5, s * 0.9));
        break;
    }
}

} // namespace

QPixmap normal(Kind kind, int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    paint(p, kind, size);
    return pm;
}

QPixmap disabled(Kind kind, int size) {
    QImage image = normal(kind, size).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            const int grey = 128 + qGray(c) / 2;
            image.setPixel(x, y, qRgba(grey, grey, grey, qAlpha(c)));
        }
    return QPixmap::fromImage(image);
}

} // namespace ButtonPictures
