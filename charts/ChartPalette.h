#pragma once

#include <QColor>

// The colours of a chart's points: strong, well apart from each other and from the white
// background, repeated in the same order when a chart has more points than colours.
namespace ChartPalette {
QColor colour(int index);
int size();
} // namespace ChartPalette
