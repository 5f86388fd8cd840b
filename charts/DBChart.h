#pragma once

#include "charts/ChartPlot.h"

#include <QChartView>
#include <QStringList>
#include <memory>

class ChartLegend;
class QCategoryAxis;
class QPrinter;
class Query;

// The chart of the statistics window, over Qt Charts: one point per row of a dataset (a
// slice, a bar or a vertex), each in its own colour and labelled by a text field, an empty
// value labelled "(non indicato)"; a title of several lines; a legend beside the chart
// giving each point's label with its share of the total; printing on one landscape page and
// saving as a bitmap. Qt Charts draws the title, the axes and the line; the points and the
// legend are one item each, so thousands of points stay quick. Qt Charts draws flat: there
// is no three-dimensional view.
class DBChart : public QChartView {
    Q_OBJECT
public:
    static const QString kNoValue;

    explicit DBChart(QWidget* parent = nullptr);
    ~DBChart() override;

    // The title's lines, 12 pt bold navy.
    void setTitleLines(const QStringList& lines);
    const QStringList& titleLines() const { return m_titleLines; }
    void setAxesVisible(bool visible) { m_axesVisible = visible; }
    // Removes the points, the axes and the legend, freeing what they held.
    void removeAllSeries();
    // One point per row of the open dataset: its label from `labelField`, its value from
    // `yField`; the rows' order is the points' order. A line is drawn `linePen` pixels wide.
    void showSeries(ChartKind kind, const Query& data, const QString& labelField,
                    const QString& yField, int linePen = 2);

    int pointCount() const { return int(m_labels.size()); }
    // Each point's label as the axis and the legend show it.
    const QStringList& pointLabels() const { return m_labels; }
    const std::vector<double>& pointValues() const { return m_values; }
    // The legend's entries: each point's label and its percentage of the total.
    const QStringList& legendTexts() const { return m_legend; }
    const ChartLegend& legend() const { return *m_legendItem; }
    const ChartPlot& plot() const { return *m_plot; }
    // The axis of the points' labels, for bars and lines; null for a pie.
    QCategoryAxis* labelAxis() const;

    // Whether every legend entry fits a chart of that size.
    bool legendFitsIn(const QSize& size) const;
    // A white picture with the chart drawn on it, of the chart's size on screen, or larger in
    // the same proportions when that is what every legend entry needs (at most four times).
    QImage picture();
    // Writes the picture as a BMP file, replacing one of that name; failure is an error.
    void saveBitmap(const QString& path);
    // The chart alone on one landscape page, laid out for the page so its legend has room;
    // the printer's orientation is restored afterwards, also after a failure.
    void printLandscape(QPrinter& printer);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QStringList m_titleLines;
    QStringList m_labels;
    std::vector<double> m_values;
    QStringList m_legend;
    ChartKind m_kind = ChartKind::Pie;
    int m_linePen = 2;
    bool m_axesVisible = true;
    bool m_drawn = false;
    ChartLegend* m_legendItem; // owned by the chart
    ChartPlot* m_plot;         // owned by the chart

    // Builds the axes, the line and the legend from the points held, for the current size.
    void draw();
    void placeLegend();
    void setLabelAxis(QCategoryAxis& axis, qreal plotWidth) const;
    // The smallest size from `base` up, in its proportions and at most `maxScale` times it,
    // whose legend holds every entry.
    QSize roomForLegend(const QSize& base, qreal maxScale) const;
    // This chart again, never shown, laid out at `size`.
    std::unique_ptr<DBChart> laidOutCopy(const QSize& size) const;
};
