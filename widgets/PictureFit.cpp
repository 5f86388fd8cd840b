#include "widgets/PictureFit.h"

QRect FitPicture(QSize picture, QSize area, PictureMode mode) {
    if (picture.isEmpty() || area.isEmpty())
        return QRect();
    if (mode == PictureMode::Stretch)
        return QRect(QPoint(0, 0), area);
    qint64 w = picture.width();
    qint64 h = picture.height();
    const bool larger = w > area.width() || h > area.height();
    if (mode == PictureMode::Fit || (mode == PictureMode::Proportional && larger)) {
        // Integer arithmetic, so 764 does not come out as 763.9999 and lose a pixel.
        if (qint64(area.width()) * h <= qint64(area.height()) * w) {
            h = h * area.width() / w;
            w = area.width();
        } else {
            w = w * area.height() / h;
            h = area.height();
        }
    }
    return QRect(int((area.width() - w) / 2), int((area.height() - h) / 2), int(w), int(h));
}
