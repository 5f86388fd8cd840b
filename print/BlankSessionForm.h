#pragma once

#include "report/ReportEngine.h"

class QPaintDevice;

// The blank session form: one A4 sheet the angler fills in by hand at the water, with the
// session's main data, the groundbait of up to seven days and up to six catches, each a
// caption followed by a line of underscores.
Report::Layout ppReport1();

// Draws the form on any device (a printer, a PDF writer, an image).
void PaintBlankSessionForm(QPaintDevice& device);
