#pragma once

#include <QChartView>
#include <QStringList>

class QPrinter;
class Query;

enum class ChartKind { Pie, Bar, Line };

// The chart of the statistics window, over Qt Charts: one point per row of a dataset (a
// slice, a bar or a vertex), each in its own colour and labelled by a text field; a title of
// several lines; a legend giving each point's label with its share of the total; printing on
// one landscape page and saving as a bitmap. Qt Charts draws flat: there is no
// three-dimensional view.
class DBChart : public QChartView {
    Q_OBJECT
public:
    explicit DBChart(QWidget* parent = nullptr);

    // The title's lines, 12 pt bold navy.
    void setTitleLines(const QStringList& lines);
    const QStringList& titleLines() const { return m_titleLines; }
    void setAxesVisible(bool visible) { m_axesVisible = visible; }
    void removeAllSeries();
    // One point per row of the open dataset: its label from `labelField`, its value from
    // `yField`; the rows' order is the points' order. A line is drawn `linePen` pixels wide.
    void showSeries(ChartKind kind, const Query& data, const QString& labelField,
                    const QString& yField, int linePen = 2);

    int pointCount() const { return int(m_legend.size()); }
    // The legend's entries: each point's label and its percentage of the total.
    const QStringList& legendTexts() const { return m_legend; }

    // A white picture of the chart's size on screen with the chart drawn on it.
    QImage picture();
    // Writes the picture as a BMP file, replacing one of that name; failure is an error.
    void saveBitmap(const QString& path);
    // The chart alone on one landscape page; the printer's orientation is restored afterwards,
    // also after a failure.
    void printLandscape(QPrinter& printer);

private:
    QStringList m_titleLines;
    QStringList m_legend;
    bool m_axesVisible = true;
};
