#pragma once

#include <QColor>
#include <QGraphicsItem>
#include <vector>

enum class ChartKind { Pie, Bar, Line };

// A chart's points drawn by one item over the plot area: the slices of a pie, the bars, or
// the coloured markers on a line's vertices. One paint draws every point, so a chart of
// thousands of points costs no more items than a chart of three. Bars and vertices sit at
// whole positions 0 .. n-1 of a horizontal range from -0.5 to n-0.5, counts from 0 to `top`.
class ChartPlot : public QGraphicsItem {
public:
    explicit ChartPlot(QGraphicsItem* parent = nullptr);

    void setPoints(ChartKind kind, std::vector<double> values, std::vector<QColor> colours,
                   double top);
    void clear();
    // The plot area in the parent's coordinates.
    void setArea(const QRectF& area);

    // Where point `index` is drawn: its bar, its vertex's marker or its slice's bounding box.
    QRectF pointRect(int index) const;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

private:
    ChartKind m_kind = ChartKind::Pie;
    std::vector<double> m_values;
    std::vector<QColor> m_colours;
    double m_top = 1;
    double m_total = 0;
    QRectF m_area;
    QPointF vertex(int index) const;
    QRectF pieRect() const;
};
