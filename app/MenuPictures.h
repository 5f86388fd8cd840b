#pragma once

#include <QPixmap>

// The small pictures of the main menu, painted rather than shipped.
namespace MenuPictures {
QPixmap statistics(); // 16 x 16: a bar chart
QPixmap printForm();  // 16 x 16: a printer with a sheet
QPixmap exit();       // 11 x 16: an open door
} // namespace MenuPictures
