#include "charts/ChartPalette.h"

#include <array>

namespace ChartPalette {

namespace {

// Every colour has a contrast of at least 3:1 against white, so a thin bar or a small slice
// still shows; neighbours differ in hue first and lightness second.
constexpr std::array<QRgb, 16> kColours{
    0xff1f5fbf, // blue
    0xffd62728, // red
    0xff2a8c2a, // green
    0xffd9680b, // orange
    0xff7b3fb0, // violet
    0xff8c564b, // brown
    0xffc2369a, // magenta
    0xff00808c, // teal
    0xff6b6b00, // olive
    0xff00308c, // navy
    0xff9e1a1a, // dark red
    0xff56606b, // slate
    0xff1c7a55, // sea green
    0xffa34d00, // rust
    0xff4a2c8c, // indigo
    0xff3d7ea6, // steel blue
};

} // namespace

QColor colour(int index) {
    return QColor::fromRgb(kColours[size_t(index) % kColours.size()]);
}

int size() {
    return int(kColours.size());
}

} // namespace ChartPalette
