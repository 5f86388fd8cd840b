#pragma once

#include <QColor>
#include <QImage>
#include <QMarginsF>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

class QPaintDevice;
class QPrinter;

// A small banded report engine over QPainter: one page with a header band, a detail band
// printed once and a footer band, holding static texts, double rules, filled boxes and
// pictures placed in millimetres; or a document of several such pages, laid out by Flow.
// The same drawing goes to a printer, a PDF writer or an image, so what is previewed,
// printed and tested is one drawing.
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

// A picture fitted into its rectangle keeping its proportions, centred. A null image prints
// as a grey box with `missing` written in it.
struct Picture {
    QRectF rectMm;
    QImage image;
    QString missing;
};

// A single line, `weightPt` points thick, from `left` to `right` at `top`.
struct Line {
    double top;
    double left;
    double right;
    double weightPt;
};

struct Band {
    double heightMm = 0;
    std::vector<Box> boxes = {};
    std::vector<DoubleRule> rules = {};
    std::vector<Text> texts = {};
    std::vector<Picture> pictures = {};
    std::vector<Line> lines = {};

    // Everything of `other`, moved down by `top` millimetres.
    void append(const Band& other, double top);
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

// A document of several pages of one setup, each page one band drawn from the top-left
// corner of the area inside the margins.
struct Document {
    PageSetup page;
    std::vector<Band> pages;
};

void Paint(const Document& document, QPaintDevice& device);

// The text broken into lines no wider than `widthMm` at the style's size: at spaces where a
// word fits, inside a word longer than the line; line breaks of the text kept. Nothing is
// ever dropped: the lines joined again hold every character but the spaces broken at.
QStringList WrapLines(const QString& text, const TextStyle& style, double widthMm);
// The distance between two lines of the style, and the width of a text in it.
double LineHeightMm(const TextStyle& style);
double TextWidthMm(const QString& text, const TextStyle& style);

// Shows the report in a modal print preview (paging, zoom, a print command opening the print
// dialog) for the printer, which prints it as the layout's document.
void Preview(const Layout& layout, QPrinter& printer);
void Preview(const Document& document, QPrinter& printer);

} // namespace Report
