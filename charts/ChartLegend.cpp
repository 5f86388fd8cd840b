#include "charts/ChartLegend.h"

#include <QFontMetricsF>
#include <QGraphicsSceneWheelEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr qreal kSwatch = 8;
constexpr qreal kGap = 4;
constexpr qreal kColumnGap = 8;

} // namespace

qreal ChartLegend::Layout::columnGap() {
    return kColumnGap;
}

ChartLegend::Layout ChartLegend::layOut(const QStringList& texts, qreal maxWidth, qreal height) {
    Layout layout;
    const int n = int(texts.size());
    if (n == 0)
        return layout;
    std::vector<qreal> widths(static_cast<size_t>(n));
    for (qreal points : {8.0, 7.0, 6.0}) {
        layout.font.setPointSizeF(points);
        const QFontMetricsF metrics(layout.font);
        layout.rowHeight = std::max(metrics.height(), kSwatch + 2);
        layout.rows = std::min(n, std::max(1, int(height / layout.rowHeight)));
        for (int i = 0; i < n; ++i)
            widths[size_t(i)] = kSwatch + kGap + std::ceil(metrics.horizontalAdvance(texts[i]));
        layout.columnX.assign(1, 0);
        for (int start = 0; start < n; start += layout.rows) {
            const auto end = widths.begin() + std::min(n, start + layout.rows);
            layout.columnX.push_back(layout.columnX.back() +
                                     *std::max_element(widths.begin() + start, end) + kColumnGap);
        }
        if (layout.width() <= maxWidth)
            return layout;
    }
    // Too many even in 6 points: columns of one width, as many as fit, scrolled.
    const qreal widest = *std::max_element(widths.begin(), widths.end()) + kColumnGap;
    const int columns = std::max(1, int((maxWidth + kColumnGap) / widest));
    layout.columnX.clear();
    for (int c = 0; c <= columns; ++c)
        layout.columnX.push_back(c * widest);
    layout.overflows = true;
    return layout;
}

ChartLegend::ChartLegend(QGraphicsItem* parent) : QGraphicsItem(parent) {
    setAcceptedMouseButtons(Qt::NoButton);
}

qreal ChartLegend::setEntries(std::vector<QColor> colours, QStringList texts, qreal maxWidth,
                              qreal height) {
    prepareGeometryChange();
    m_colours = std::move(colours);
    m_texts = std::move(texts);
    m_first = 0;
    m_layout = layOut(m_texts, maxWidth, height);
    update();
    return m_layout.width();
}

void ChartLegend::clear() {
    setEntries({}, {}, 0, 0);
    // Hands the lists' memory back.
    std::vector<QColor>().swap(m_colours);
    QStringList().swap(m_texts);
}

int ChartLegend::capacity() const {
    const int all = m_layout.rows * columns();
    return m_layout.overflows ? all - 1 : all;
}

int ChartLegend::visibleCount() const {
    return std::max(0, std::min(capacity(), int(m_texts.size()) - m_first));
}

void ChartLegend::scrollColumns(int columns) {
    if (!m_layout.overflows)
        return;
    const int rows = m_layout.rows;
    const int last = std::max(0, int(m_texts.size()) - capacity());
    // Whole columns, so an entry keeps its row while the view moves.
    const int lastFirst = (last + rows - 1) / rows * rows;
    m_first = std::clamp(m_first + columns * rows, 0, lastFirst);
    update();
}

QRectF ChartLegend::boundingRect() const {
    return QRectF(0, 0, m_layout.width(), m_layout.rows * m_layout.rowHeight);
}

void ChartLegend::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setFont(m_layout.font);
    const qreal rowHeight = m_layout.rowHeight;
    const int rows = m_layout.rows;
    const int shown = visibleCount();
    for (int k = 0; k < shown; ++k) {
        const int entry = m_first + k;
        const size_t column = size_t(k / rows);
        const qreal x = m_layout.columnX[column], y = (k % rows) * rowHeight;
        painter->fillRect(QRectF(x, y + (rowHeight - kSwatch) / 2, kSwatch, kSwatch),
                          m_colours[size_t(entry)]);
        painter->setPen(Qt::black);
        painter->drawText(
            QRectF(x + kSwatch + kGap, y, m_layout.columnX[column + 1] - x, rowHeight),
            Qt::AlignLeft | Qt::AlignVCenter, m_texts[entry]);
    }
    if (m_layout.overflows) {
        const int notShown = int(m_texts.size()) - shown;
        const QPointF at(m_layout.columnX[size_t(capacity() / rows)],
                         (capacity() % rows) * rowHeight);
        painter->setPen(Qt::darkGray);
        painter->drawText(QRectF(at, QSizeF(m_layout.width() - at.x(), rowHeight)),
                          Qt::AlignLeft | Qt::AlignVCenter,
                          QStringLiteral("… e altre %1").arg(notShown));
    }
}

void ChartLegend::wheelEvent(QGraphicsSceneWheelEvent* event) {
    if (!m_layout.overflows) {
        event->ignore();
        return;
    }
    scrollColumns(event->delta() < 0 ? 1 : -1);
    event->accept();
}
