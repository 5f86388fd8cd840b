#pragma once

#include <QRect>

class DBGrid;
class QWidget;

// The grid of a detail group of the main window: light green, black 12-pixel rows, a maroon
// bold title row, column and row lines, no row indicator, whole rows selected.
DBGrid* MakeDetailGrid(QWidget* parent, const char* name, const QRect& rect);
