#pragma once

#include <QFont>

// The program's two faces: the dialog face "MS Sans Serif" and Arial, each mapped to the
// closest face the machine has (Liberation Sans, metric-compatible with Arial); and a narrow
// sans serif for the few boxes too small for their text.
namespace UiFonts {
void installSubstitutions();
QFont sansSerifPixels(int pixels, bool bold = false);
QFont sansSerifPoints(int points);
QFont arialPixels(int pixels, bool bold = false);
QFont narrowSansPixels(int pixels);
} // namespace UiFonts
