#include "charts/ChartPlot.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <numeric>

namespace {

constexpr qreal kMarker = 9;
// Bars take this share of their slot, leaving a gap between neighbours.
constexpr qreal kBarShare = 0.8;

} // namespace

ChartPlot::ChartPlot(QGraphicsItem* parent) : QGraphicsItem(parent) {
    setAcceptedMouseButtons(Qt::NoButton);
}

void ChartPlot::setPoints(ChartKind kind, std::vector<double> values, std::vector<QColor> colours,
                          double top) {
    m_kind = kind;
    m_values = std::move(values);
    m_colours = std::move(colours);
    m_top = top > 0 ? top : 1;
    m_total = std::accumulate(m_values.begin(), m_values.end(), 0.0);
    update();
}

void ChartPlot::clear() {
    // Swapping with empty vectors hands their memory back.
    std::vector<double>().swap(m_values);
    std::vector<QColor>().swap(m_colours);
    m_total = 0;
    update();
}

void ChartPlot::setArea(const QRectF& area) {
    prepareGeometryChange();
    m_area = area;
    update();
}

QRectF ChartPlot::boundingRect() const {
    return m_area.adjusted(-kMarker, -kMarker, kMarker, kMarker);
}

QPointF ChartPlot::vertex(int index) const {
    const qreal slot = m_area.width() / qreal(std::max<size_t>(1, m_values.size()));
    return {m_area.left() + (index + 0.5) * slot,
            m_area.bottom() - m_values[size_t(index)] / m_top * m_area.height()};
}

QRectF ChartPlot::pieRect() const {
    const qreal side = std::min(m_area.width(), m_area.height()) * 0.9;
    QRectF square(0, 0, side, side);
    square.moveCenter(m_area.center());
    return square;
}

QRectF ChartPlot::pointRect(int index) const {
    if (index < 0 || size_t(index) >= m_values.size())
        return {};
    if (m_kind == ChartKind::Pie)
        return pieRect();
    const QPointF top = vertex(index);
    const qreal slot = m_area.width() / qreal(m_values.size());
    if (m_kind == ChartKind::Line) {
        // Markers shrink where vertices crowd, so the line between them still shows.
        const qreal marker = std::clamp<qreal>(slot, 3, kMarker);
        return {top.x() - marker / 2, top.y() - marker / 2, marker, marker};
    }
    const qreal width = std::max<qreal>(1, slot * kBarShare);
    return {top.x() - width / 2, top.y(), width, m_area.bottom() - top.y()};
}

void ChartPlot::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    if (m_values.empty() || m_area.isEmpty())
        return;
    painter->setRenderHint(QPainter::Antialiasing, m_kind != ChartKind::Bar);
    const int n = int(m_values.size());
    if (m_kind == ChartKind::Pie) {
        if (m_total <= 0)
            return;
        const QRectF square = pieRect();
        // Clockwise from twelve o'clock; a white edge only while slices are wide enough
        // for it not to hide them.
        const bool edges = n <= 90;
        painter->setPen(edges ? QPen(Qt::white, 1) : Qt::NoPen);
        double start = 90;
        for (int i = 0; i < n; ++i) {
            const double sweep = -360.0 * m_values[size_t(i)] / m_total;
            if (sweep == 0)
                continue;
            QPainterPath slice(square.center());
            slice.arcTo(square, start, sweep);
            slice.closeSubpath();
            painter->setBrush(m_colours[size_t(i)]);
            painter->drawPath(slice);
            start += sweep;
        }
        return;
    }
    painter->setPen(Qt::NoPen);
    for (int i = 0; i < n; ++i) {
        painter->setBrush(m_colours[size_t(i)]);
        if (m_kind == ChartKind::Bar)
            painter->drawRect(pointRect(i));
        else
            painter->drawEllipse(pointRect(i));
    }
}
