#include "report/ReportEngine.h"

#include "widgets/ErrorGuard.h"
#include "widgets/ModalSeam.h"

#include <QFont>
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

} // namespace

void Paint(const Layout& layout, QPaintDevice& device) {
    QPainter p;
    double scale = 0;
    QPointF origin;
    if (auto* paged = dynamic_cast<QPagedPaintDevice*>(&device)) {
        paged->setPageLayout(QPageLayout(QPageSize(layout.page.paper), QPageLayout::Portrait,
                                         layout.page.marginsMm, QPageLayout::Millimeter));
        if (!p.begin(&device))
            throw std::runtime_error("Impossibile stampare il modulo: la stampante non è pronta.");
        // The painter's origin is the corner of the area inside the margins.
        scale = device.logicalDpiX() / 25.4 / kUnitsPerMm;
    } else {
        if (!p.begin(&device))
            throw std::runtime_error("Impossibile disegnare il modulo.");
        const QSizeF sheet = QPageSize(layout.page.paper).size(QPageSize::Millimeter);
        scale = device.width() / sheet.width() / kUnitsPerMm;
        origin = QPointF(layout.page.marginsMm.left(), layout.page.marginsMm.top());
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(scale, scale);
    p.translate(units(origin.x()), units(origin.y()));
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

} // namespace Report
