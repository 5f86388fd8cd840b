#pragma once

#include <QRect>
#include <QSize>

// Where a picture is drawn inside an area, for the three ways the program shows pictures.
// Fractions of a pixel are dropped.
enum class PictureMode {
    Center,       // own size, centred (a larger picture is cut at the edges)
    Proportional, // scaled down to fit keeping proportions, never enlarged, centred
    Stretch,      // fills the whole area
    Fit,          // scaled up or down to fit keeping proportions, centred
};

QRect FitPicture(QSize picture, QSize area, PictureMode mode);
