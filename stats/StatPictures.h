#pragma once

#include <QIcon>

// The statistics window's own pictures: its icon (a small line chart with a red and a blue
// line on a grid) and the images of the three chart types in its list.
namespace StatPictures {
QIcon windowIcon();
QIcon pie();
QIcon bars();
QIcon lines();
} // namespace StatPictures
