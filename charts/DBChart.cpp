#include "charts/DBChart.h"

#include "engine/Query.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPieSeries>
#include <QPrinter>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <cmath>
#include <stdexcept>

namespace {

const QColor kNavy(0x00, 0x00, 0x80);

// Thrown where printing or saving fails; the general error box shows its text.
std::runtime_error failure(const QString& text) {
    return std::runtime_error(text.toStdString());
}

struct Point {
    QString label;
    double value;
};

} // namespace

DBChart::DBChart(QWidget* parent) : QChartView(parent) {
    setBackgroundBrush(Qt::white);
    setFrameShape(QFrame::NoFrame);
    chart()->setBackgroundBrush(Qt::white);
    chart()->setBackgroundRoundness(0);
    chart()->setPlotAreaBackgroundBrush(Qt::white);
    chart()->setPlotAreaBackgroundVisible(true);
    chart()->legend()->setAlignment(Qt::AlignRight);
    setRenderHint(QPainter::Antialiasing);
    setTitleLines({QStringLiteral("TDBChart")});
}

void DBChart::setTitleLines(const QStringList& lines) {
    m_titleLines = lines;
    QStringList escaped;
    for (const QString& line : lines)
        escaped << line.toHtmlEscaped();
    QFont font = chart()->titleFont();
    font.setPointSize(12);
    font.setBold(true);
    chart()->setTitleFont(font);
    chart()->setTitleBrush(kNavy);
    chart()->setTitle(escaped.join(QStringLiteral("<br>")));
}

void DBChart::removeAllSeries() {
    chart()->removeAllSeries(); // the chart deletes them
    for (QAbstractAxis* axis : chart()->axes()) {
        chart()->removeAxis(axis); // the chart lets go of it
        delete axis;
    }
    m_legend.clear();
}

void DBChart::showSeries(ChartKind kind, const Query& data, const QString& labelField,
                         const QString& yField, int linePen) {
    removeAllSeries();
    std::vector<Point> points;
    double total = 0;
    if (data.isOpen()) {
        const int label = data.requireField(labelField);
        const int value = data.requireField(yField);
        for (int row = 0; row < data.bufferedRowCount(); ++row) {
            points.push_back({data.rowText(row, label), data.rowValue(row, value).toDouble()});
            total += points.back().value;
        }
    }
    QStringList labels;
    for (const Point& p : points) {
        const double share = total > 0 ? 100.0 * p.value / total : 0.0;
        labels << p.label;
        m_legend << QStringLiteral("%1 %2%").arg(p.label).arg(qRound(share));
    }

    if (kind == ChartKind::Pie) {
        auto* pie = new QPieSeries;
        for (size_t i = 0; i < points.size(); ++i)
            pie->append(m_legend[int(i)], points[i].value)->setLabelVisible(false);
        chart()->addSeries(pie);
        return;
    }

    auto* bottom = new QBarCategoryAxis;
    bottom->append(labels);
    auto* left = new QValueAxis;
    double top = 0;
    for (const Point& p : points)
        top = std::max(top, p.value);
    // Counts: whole-number ticks from 0, a step of 1, 2 or 5 times a power of ten.
    double step = 1;
    while (top / step > 10)
        step *= (QString::number(step).startsWith(QLatin1Char('2'))) ? 2.5 : 2;
    const double ceiling = std::max(step, std::ceil(top / step) * step);
    left->setRange(0, ceiling);
    left->setTickCount(int(ceiling / step) + 1);
    left->setLabelFormat(QStringLiteral("%d"));
    chart()->addAxis(bottom, Qt::AlignBottom);
    chart()->addAxis(left, Qt::AlignLeft);
    bottom->setVisible(m_axesVisible);
    left->setVisible(m_axesVisible);

    if (kind == ChartKind::Bar) {
        // One set a point, each with its value at its own place, stacked so every bar has
        // the full width and a colour of its own.
        auto* bars = new QStackedBarSeries;
        for (size_t i = 0; i < points.size(); ++i) {
            auto* set = new QBarSet(m_legend[int(i)]);
            for (size_t j = 0; j < points.size(); ++j)
                *set << (i == j ? points[i].value : 0.0);
            bars->append(set);
        }
        chart()->addSeries(bars);
        bars->attachAxis(bottom);
        bars->attachAxis(left);
        return;
    }

    auto* line = new QLineSeries;
    line->setPen(QPen(Qt::red, linePen));
    for (size_t i = 0; i < points.size(); ++i)
        line->append(double(i), points[i].value);
    chart()->addSeries(line);
    line->attachAxis(bottom);
    line->attachAxis(left);
    chart()->legend()->markers(line).front()->setVisible(false);
    // Each vertex a marker of its own colour, which also gives it its legend entry.
    for (size_t i = 0; i < points.size(); ++i) {
        auto* vertex = new QScatterSeries;
        vertex->setName(m_legend[int(i)]);
        vertex->setMarkerSize(9);
        vertex->append(double(i), points[i].value);
        chart()->addSeries(vertex);
        vertex->attachAxis(bottom);
        vertex->attachAxis(left);
    }
}

QImage DBChart::picture() {
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    render(&painter);
    return image;
}

void DBChart::saveBitmap(const QString& path) {
    if (!picture().save(path, "BMP"))
        throw failure(
            QStringLiteral("Impossibile salvare il grafico nel file '%1': controllare che la "
                           "cartella esista e sia scrivibile.")
                .arg(path));
}

void DBChart::printLandscape(QPrinter& printer) {
    struct Restore {
        QPrinter& printer;
        QPageLayout::Orientation orientation;
        ~Restore() { printer.setPageOrientation(orientation); }
    } restore{printer, printer.pageLayout().orientation()};
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&printer))
        throw failure(QStringLiteral("Impossibile stampare il grafico: nessuna stampante "
                                     "disponibile o stampante non pronta."));
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    scene()->render(&painter, QRectF(0, 0, page.width(), page.height()), sceneRect(),
                    Qt::KeepAspectRatio);
    painter.end();
}
