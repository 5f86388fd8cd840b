#include "report/ReportEngine.h"

#include "widgets/ErrorGuard.h"
#include "widgets/ModalSeam.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <stdexcept>

namespace Report {

namespace {

// The painter's unit: a hundredth of a millimetre, so positions and font sizes stay exact.
constexpr double kUnitsPerMm = 100.0;
constexpr double kMmPerPoint = 25.4 / 72.0;

double units(double mm) {
    return mm * kUnitsPerMm;
}

QFont fontOf(const TextStyle& style) {
    QFont font(style.family);
    font.setPixelSize(qRound(units(style.points * kMmPerPoint)));
    font.setBold(style.bold);
    return font;
}

QRectF unitRect(const QRectF& mm, double topMm) {
    return QRectF(units(mm.left()), units(topMm + mm.top()), units(mm.width()), units(mm.height()));
}

void paintPicture(QPainter& p, const Picture& picture, double topMm) {
    const QRectF area = unitRect(picture.rectMm, topMm);
    if (picture.image.isNull()) {
        p.setPen(QPen(QColor(0x80, 0x80, 0x80), units(0.2)));
        p.setBrush(QColor(0xD9, 0xD9, 0xD9));
        p.drawRect(area);
        p.setPen(QColor(0x40, 0x40, 0x40));
        p.setFont(fontOf({QStringLiteral("Arial"), 7, false, Qt::black}));
        p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, picture.missing);
        return;
    }
    QSizeF size = picture.image.size();
    size.scale(area.size(), Qt::KeepAspectRatio);
    const QRectF target(area.left() + (area.width() - size.width()) / 2,
                        area.top() + (area.height() - size.height()) / 2, size.width(),
                        size.height());
    p.drawImage(target, picture.image);
}

void paintBand(QPainter& p, const Band& band, double topMm) {
    for (const Box& box : band.boxes) {
        p.setPen(QPen(Qt::black, units(0.26)));
        p.setBrush(box.fill);
        const QRectF r = box.rectMm;
        p.drawRect(
            QRectF(units(r.left()), units(topMm + r.top()), units(r.width()), units(r.height())));
    }
    for (const DoubleRule& rule : band.rules) {
        const double weight = units(rule.weightPt * kMmPerPoint);
        p.setPen(QPen(Qt::black, weight, Qt::SolidLine, Qt::FlatCap));
        for (double offset : {0.0, 2 * weight}) {
            const double y = units(topMm + rule.top) + offset;
            p.drawLine(QPointF(0, y), QPointF(units(rule.length), y));
        }
    }
    for (const Line& line : band.lines) {
        p.setPen(QPen(Qt::black, units(line.weightPt * kMmPerPoint), Qt::SolidLine, Qt::FlatCap));
        const double y = units(topMm + line.top);
        p.drawLine(QPointF(units(line.left), y), QPointF(units(line.right), y));
    }
    for (const Picture& picture : band.pictures)
        paintPicture(p, picture, topMm);
    p.setBrush(Qt::NoBrush);
    for (const Text& t : band.texts) {
        QFont font(t.style.family);
        font.setPixelSize(qRound(units(t.style.points * kMmPerPoint)));
        font.setBold(t.style.bold);
        p.setFont(font);
        p.setPen(t.style.colour);
        const QRectF box(units(t.left), units(topMm + t.top), units(200), units(20));
        p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, t.text);
    }
}

// Starts painting a sheet of the setup on the device, in hundredths of a millimetre from the
// corner of the area inside the margins.
void beginSheet(QPainter& p, const PageSetup& page, QPaintDevice& device) {
    double scale = 0;
    QPointF origin;
    if (auto* paged = dynamic_cast<QPagedPaintDevice*>(&device)) {
        paged->setPageLayout(QPageLayout(QPageSize(page.paper), QPageLayout::Portrait,
                                         page.marginsMm, QPageLayout::Millimeter));
        if (!p.begin(&device))
            throw std::runtime_error("Impossibile stampare il modulo: la stampante non è pronta.");
        // The painter's origin is the corner of the area inside the margins.
        scale = device.logicalDpiX() / 25.4 / kUnitsPerMm;
    } else {
        if (!p.begin(&device))
            throw std::runtime_error("Impossibile disegnare il modulo.");
        const QSizeF sheet = QPageSize(page.paper).size(QPageSize::Millimeter);
        scale = device.width() / sheet.width() / kUnitsPerMm;
        origin = QPointF(page.marginsMm.left(), page.marginsMm.top());
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);
    p.translate(units(origin.x()), units(origin.y()));
}

} // namespace

void Band::append(const Band& other, double top) {
    for (Box b : other.boxes) {
        b.rectMm.translate(0, top);
        boxes.push_back(b);
    }
    for (DoubleRule r : other.rules) {
        r.top += top;
        rules.push_back(r);
    }
    for (Text t : other.texts) {
        t.top += top;
        texts.push_back(std::move(t));
    }
    for (Picture pic : other.pictures) {
        pic.rectMm.translate(0, top);
        pictures.push_back(std::move(pic));
    }
    for (Line l : other.lines) {
        l.top += top;
        lines.push_back(l);
    }
}

QStringList WrapLines(const QString& text, const TextStyle& style, double widthMm) {
    const QFontMetricsF metrics(fontOf(style));
    // A little room kept, as a printer's font may run a hair wider than the screen's.
    const double room = units(widthMm) * 0.96;
    auto fits = [&](const QString& s) { return metrics.horizontalAdvance(s) <= room; };
    QStringList lines;
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QString& paragraph : normalised.split(QLatin1Char('\n'))) {
        QString line;
        for (QString word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString joined = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (fits(joined)) {
                line = joined;
                continue;
            }
            if (!line.isEmpty())
                lines << line;
            line.clear();
            // A word longer than the line is broken where it reaches the edge.
            while (!fits(word)) {
                int n = 1;
                while (n < word.size() && fits(word.left(n + 1)))
                    ++n;
                lines << word.left(n);
                word = word.mid(n);
            }
            line = word;
        }
        lines << line;
    }
    return lines;
}

double LineHeightMm(const TextStyle& style) {
    return QFontMetricsF(fontOf(style)).lineSpacing() / kUnitsPerMm;
}

double TextWidthMm(const QString& text, const TextStyle& style) {
    return QFontMetricsF(fontOf(style)).horizontalAdvance(text) / kUnitsPerMm;
}

void Paint(const Layout& layout, QPaintDevice& device) {
    QPainter p;
    beginSheet(p, layout.page, device);
    paintBand(p, layout.header, 0);
    paintBand(p, layout.detail, layout.header.heightMm);
    paintBand(p, layout.footer, layout.header.heightMm + layout.detail.heightMm);
    p.end();
}

void Preview(const Layout& layout, QPrinter& printer) {
    printer.setDocName(layout.page.documentName);
    printer.setPageLayout(QPageLayout(QPageSize(layout.page.paper), QPageLayout::Portrait,
                                      layout.page.marginsMm, QPageLayout::Millimeter));
    QPrintPreviewDialog preview(&printer);
    preview.setWindowTitle(QStringLiteral("Anteprima di stampa"));
    preview.resize(820, 700); // the whole sheet readable at once
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&layout](QPrinter* target) { Guarded([&] { Paint(layout, *target); }); });
    ShowModal(preview);
}

void Paint(const Document& document, QPaintDevice& device) {
    QPainter p;
    beginSheet(p, document.page, device);
    auto* paged = dynamic_cast<QPagedPaintDevice*>(&device);
    for (size_t i = 0; i < document.pages.size(); ++i) {
        if (i > 0) {
            if (!paged)
                break; // an image holds the first page only
            if (!paged->newPage())
                throw std::runtime_error("Impossibile stampare: la stampante non è pronta.");
        }
        paintBand(p, document.pages[i], 0);
    }
    p.end();
}

void Preview(const Document& document, QPrinter& printer) {
    printer.setDocName(document.page.documentName);
    printer.setPageLayout(QPageLayout(QPageSize(document.page.paper), QPageLayout::Portrait,
                                      document.page.marginsMm, QPageLayout::Millimeter));
    QPrintPreviewDialog preview(&printer);
    preview.setWindowTitle(QStringLiteral("Anteprima di stampa"));
    preview.resize(820, 700);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&document](QPrinter* target) { Guarded([&] { Paint(document, *target); }); });
    ShowModal(preview);
}

} // namespace Report
