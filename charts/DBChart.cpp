#include "charts/DBChart.h"

#include "charts/ChartLegend.h"
#include "charts/ChartPalette.h"
#include "engine/Query.h"

#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QPrinter>
#include <QSet>
#include <QValueAxis>
#include <cmath>
#include <stdexcept>

const QString DBChart::kNoValue = QStringLiteral("(non indicato)");

namespace {

const QColor kNavy(0x00, 0x00, 0x80);
// The legend never takes more than this share of the chart's width.
constexpr qreal kLegendShare = 0.5;
constexpr qreal kScrolledLegendShare = 0.35;
constexpr int kEdge = 6;
// Room for the count axis' labels left of the plot.
constexpr qreal kCountAxisRoom = 50;
// The size a printed chart is laid out at, A4 landscape at 96 dots an inch: the page gives
// the legend more room than the window does.
constexpr qreal kPrintedWidth = 1123;
// How much larger than the window a saved picture and a printed chart may be laid out.
constexpr qreal kMostEnlarged = 4;
constexpr qreal kMostEnlargedPrinted = 1.25;

// Thrown where printing or saving fails; the general error box shows its text.
std::runtime_error failure(const QString& text) {
    return std::runtime_error(text.toStdString());
}

} // namespace

DBChart::DBChart(QWidget* parent) : QChartView(parent) {
    setBackgroundBrush(Qt::white);
    setFrameShape(QFrame::NoFrame);
    chart()->setBackgroundBrush(Qt::white);
    chart()->setBackgroundRoundness(0);
    chart()->setPlotAreaBackgroundBrush(Qt::white);
    chart()->setPlotAreaBackgroundVisible(true);
    // The chart's own legend makes an item per entry; ours paints them all at once.
    chart()->legend()->hide();
    setRenderHint(QPainter::Antialiasing);
    m_plot = new ChartPlot(chart());
    m_plot->setZValue(100);
    m_legendItem = new ChartLegend(chart());
    m_legendItem->setZValue(100);
    connect(chart(), &QChart::plotAreaChanged, this,
            [this](const QRectF& area) { m_plot->setArea(area); });
    setTitleLines({QStringLiteral("TDBChart")});
}

DBChart::~DBChart() = default;

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
    if (m_drawn)
        placeLegend();
}

void DBChart::removeAllSeries() {
    chart()->removeAllSeries(); // the chart deletes them
    for (QAbstractAxis* axis : chart()->axes()) {
        chart()->removeAxis(axis); // the chart lets go of it
        delete axis;
    }
    m_plot->clear();
    m_legendItem->clear();
    // Swapped with empty ones so a large chart's memory goes back at once.
    QStringList().swap(m_labels);
    QStringList().swap(m_legend);
    std::vector<double>().swap(m_values);
    m_drawn = false;
}

void DBChart::showSeries(ChartKind kind, const Query& data, const QString& labelField,
                         const QString& yField, int linePen) {
    removeAllSeries();
    if (data.isOpen()) {
        const int label = data.requireField(labelField);
        const int value = data.requireField(yField);
        const int rows = data.bufferedRowCount();
        m_labels.reserve(rows);
        m_values.reserve(size_t(rows));
        for (int row = 0; row < rows; ++row) {
            const QString text = data.rowText(row, label);
            // A group of catches without the value is still a group: it gets a name a
            // reader understands, and its own bar, vertex or slice.
            m_labels << (text.isEmpty() ? kNoValue : text);
            m_values.push_back(data.rowValue(row, value).toDouble());
        }
    }
    double total = 0;
    for (double v : m_values)
        total += v;
    m_legend.reserve(m_labels.size());
    for (int i = 0; i < m_labels.size(); ++i) {
        const double share = total > 0 ? 100.0 * m_values[size_t(i)] / total : 0.0;
        m_legend << QStringLiteral("%1 %2%").arg(m_labels[i]).arg(qRound(share));
    }
    m_kind = kind;
    m_linePen = linePen;
    draw();
}

QCategoryAxis* DBChart::labelAxis() const {
    for (QAbstractAxis* axis : chart()->axes(Qt::Horizontal))
        if (auto* labels = qobject_cast<QCategoryAxis*>(axis))
            return labels;
    return nullptr;
}

void DBChart::placeLegend() {
    // The title is centred over the plot, so the legend has the whole height.
    const qreal top = kEdge;
    const qreal height = std::max<qreal>(20, this->height() - top - kEdge);
    std::vector<QColor> colours;
    colours.reserve(size_t(m_legend.size()));
    for (int i = 0; i < m_legend.size(); ++i)
        colours.push_back(ChartPalette::colour(i));
    // Half the width if that holds every entry; a legend that has to scroll anyway leaves
    // the plot more room.
    const qreal share =
        ChartLegend::layOut(m_legend, this->width() * kLegendShare, height).overflows
            ? kScrolledLegendShare
            : kLegendShare;
    const qreal width =
        m_legendItem->setEntries(std::move(colours), m_legend, this->width() * share, height);
    m_legendItem->setPos(this->width() - kEdge - width, top);
    chart()->setMargins(QMargins(kEdge, kEdge, int(std::ceil(width)) + 2 * kEdge, kEdge));
}

void DBChart::setLabelAxis(QCategoryAxis& axis, qreal plotWidth) const {
    const int n = int(m_labels.size());
    axis.setStartValue(-0.5);
    axis.setRange(-0.5, std::max(0, n - 1) + 0.5);
    axis.setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis.setGridLineVisible(false);
    if (n == 0)
        return;
    const QFontMetricsF metrics(axis.labelsFont());
    qreal widest = 0;
    for (const QString& label : m_labels)
        widest = std::max(widest, metrics.horizontalAdvance(label));
    // The chart gives each label the axis' width shared among the labels and one more,
    // less a padding on either side, and shortens any label wider than that.
    const qreal padding = 2 * 5 + 2;
    const qreal usable = plotWidth * 0.9;
    int stride = 1;
    if (widest + padding > usable / (n + 1)) {
        // Upright a label needs only a line's height; when even that is more than a bar's
        // room, every so many bars carries its label, evenly.
        axis.setLabelsAngle(-90);
        const int labels = std::max(1, int(usable / (metrics.height() + padding)) - 1);
        stride = (n + labels - 1) / labels;
    }
    // Each label a key of its own, even where two groups read the same.
    QSet<QString> used;
    for (int i = 0; i < n; i += stride) {
        QString label = m_labels[i];
        while (used.contains(label))
            label += QChar(0x200B);
        used.insert(label);
        axis.append(label, i);
    }
}

void DBChart::draw() {
    m_drawn = true;
    placeLegend();
    std::vector<QColor> colours;
    colours.reserve(m_values.size());
    for (size_t i = 0; i < m_values.size(); ++i)
        colours.push_back(ChartPalette::colour(int(i)));
    if (m_kind == ChartKind::Pie) {
        m_plot->setPoints(m_kind, m_values, std::move(colours), 1);
        m_plot->setArea(chart()->plotArea());
        return;
    }

    double top = 0;
    for (double v : m_values)
        top = std::max(top, v);
    // Counts: whole-number ticks from 0, a step of 1, 2 or 5 times a power of ten.
    double step = 1;
    while (top / step > 10)
        step *= (QString::number(step).startsWith(QLatin1Char('2'))) ? 2.5 : 2;
    const double ceiling = std::max(step, std::ceil(top / step) * step);
    auto* left = new QValueAxis;
    left->setRange(0, ceiling);
    left->setTickCount(int(ceiling / step) + 1);
    left->setLabelFormat(QStringLiteral("%d"));
    auto* bottom = new QCategoryAxis;
    const qreal plotWidth =
        width() - chart()->margins().left() - chart()->margins().right() - kCountAxisRoom;
    setLabelAxis(*bottom, plotWidth);
    chart()->addAxis(bottom, Qt::AlignBottom);
    chart()->addAxis(left, Qt::AlignLeft);
    bottom->setVisible(m_axesVisible);
    left->setVisible(m_axesVisible);

    // The line is the chart's; for bars the series only carries the axes, drawn without a
    // pen. Bars and vertices are the plot's.
    auto* line = new QLineSeries;
    if (m_kind == ChartKind::Line) {
        line->setPen(QPen(Qt::red, m_linePen));
        QList<QPointF> vertices;
        vertices.reserve(qsizetype(m_values.size()));
        for (size_t i = 0; i < m_values.size(); ++i)
            vertices.append(QPointF(double(i), m_values[i]));
        line->replace(vertices);
    } else {
        line->setPen(Qt::NoPen);
    }
    chart()->addSeries(line);
    line->attachAxis(bottom);
    line->attachAxis(left);
    m_plot->setPoints(m_kind, m_values, std::move(colours), ceiling);
    m_plot->setArea(chart()->plotArea());
}

void DBChart::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    if (m_drawn) {
        // The legend's columns and the axis' labels depend on the room there is.
        for (QAbstractAxis* axis : chart()->axes()) {
            chart()->removeAxis(axis);
            delete axis;
        }
        chart()->removeAllSeries();
        draw();
    }
}

bool DBChart::legendFitsIn(const QSize& size) const {
    return !ChartLegend::layOut(m_legend, size.width() * kLegendShare, size.height() - 2 * kEdge)
                .overflows;
}

QSize DBChart::roomForLegend(const QSize& base, qreal maxScale) const {
    for (qreal scale = 1; scale < maxScale; scale *= 1.125) {
        const QSize size = (QSizeF(base) * scale).toSize();
        if (legendFitsIn(size))
            return size;
    }
    return (QSizeF(base) * maxScale).toSize();
}

std::unique_ptr<DBChart> DBChart::laidOutCopy(const QSize& size) const {
    auto sheet = std::make_unique<DBChart>();
    sheet->resize(size);
    sheet->chart()->resize(QSizeF(size));
    sheet->setTitleLines(m_titleLines);
    sheet->m_axesVisible = m_axesVisible;
    if (m_drawn) {
        sheet->m_labels = m_labels;
        sheet->m_values = m_values;
        sheet->m_legend = m_legend;
        sheet->m_kind = m_kind;
        sheet->m_linePen = m_linePen;
        sheet->draw();
    }
    if (QGraphicsLayout* layout = sheet->chart()->layout())
        layout->activate();
    sheet->m_plot->setArea(sheet->chart()->plotArea());
    return sheet;
}

QImage DBChart::picture() {
    if (!legendFitsIn(size())) {
        // Laid out again, larger in the same proportions, so every legend entry is in it.
        const QSize room = roomForLegend(size(), kMostEnlarged);
        QImage image(room, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        laidOutCopy(room)->scene()->render(&painter, QRectF(image.rect()),
                                           QRectF(QPointF(0, 0), QSizeF(room)));
        return image;
    }
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
    // The same chart laid out again at the page's proportions, never shown; enlarged a
    // little if that lets every legend entry in, never so much that the print is too small
    // to read.
    const QSize base(int(kPrintedWidth), int(kPrintedWidth * page.height() / page.width()));
    const QSize room = roomForLegend(base, kMostEnlargedPrinted);
    laidOutCopy(room)->scene()->render(&painter, QRectF(0, 0, page.width(), page.height()),
                                       QRectF(QPointF(0, 0), QSizeF(room)), Qt::KeepAspectRatio);
    painter.end();
}
