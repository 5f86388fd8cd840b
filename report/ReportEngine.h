#pragma once

#include <QColor>
#include <QMarginsF>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <vector>

class QPaintDevice;
class QPrinter;

// A small banded report engine over QPainter: one page with a header band, a detail band
// printed once and a footer band, holding static texts, double rules and filled boxes placed
// in millimetres. The same drawing goes to a printer, a PDF writer or an image, so what is
// previewed, printed and tested is one drawing.
namespace Report {

struct PageSetup {
    QPageSize::PageSizeId paper = QPageSize::A4;
    QMarginsF marginsMm{6.35, 6.35, 6.35, 6.35}; // left, top, right, bottom
    QString documentName = QStringLiteral("Report");
};

struct TextStyle {
    QString family;
    double points;
    bool bold;
    QColor colour;
};

// A static text, transparent, left-aligned; its top-left corner in the band, in millimetres.
struct Text {
    QString text;
    double left;
    double top;
    TextStyle style;
};

// Two parallel lines, `length` long from the band's left edge, each `weightPt` points thick.
struct DoubleRule {
    double top;
    double length;
    double weightPt;
};

// A rectangle filled with one colour and outlined in black, drawn behind the texts.
struct Box {
    QRectF rectMm;
    QColor fill;
};

struct Band {
    double heightMm = 0;
    std::vector<Box> boxes = {};
    std::vector<DoubleRule> rules = {};
    std::vector<Text> texts = {};
};

struct Layout {
    PageSetup page;
    Band header;
    Band detail;
    Band footer;
};

// Lays the page out on the device, portrait whatever the device was set to. On a paged device
// (printer, PDF writer) the page size and margins are set and one page is drawn; on any other
// device (an image) the device is taken as the whole sheet.
void Paint(const Layout& layout, QPaintDevice& device);

// Shows the report in a modal print preview (paging, zoom, a print command opening the print
// dialog) for the printer, which prints it as the layout's document.
void Preview(const Layout& layout, QPrinter& printer);

} // namespace Report
