#pragma once

#include <QColor>
#include <QFont>
#include <QGraphicsItem>
#include <QStringList>
#include <vector>

// The legend beside a chart: one swatch and text per point, painted by this one item (a
// legend of thousands of entries costs one paint, not thousands of items). The entries are
// laid out in columns, each as wide as its widest entry, in the largest font from 8 points
// down to 6 that lets all of them fit the room given; when even 6 points cannot hold them,
// the last line says how many entries are not in view and the wheel scrolls the columns.
class ChartLegend : public QGraphicsItem {
public:
    // Where the entries go for a given room.
    struct Layout {
        QFont font;
        qreal rowHeight = 0;
        int rows = 0;
        // Where each column starts, and one past the last.
        std::vector<qreal> columnX{0};
        bool overflows = false;
        qreal width() const { return columnX.size() > 1 ? columnX.back() - columnGap() : 0; }
        static qreal columnGap();
    };
    static Layout layOut(const QStringList& texts, qreal maxWidth, qreal height);

    explicit ChartLegend(QGraphicsItem* parent = nullptr);

    // Replaces the entries; lays them out within `maxWidth` x `height` and returns the width
    // taken.
    qreal setEntries(std::vector<QColor> colours, QStringList texts, qreal maxWidth, qreal height);
    void clear();

    // Entries drawn in full, those out of view, and the point size used.
    int visibleCount() const;
    int hiddenCount() const { return int(m_texts.size()) - visibleCount(); }
    qreal pointSize() const { return m_layout.font.pointSizeF(); }
    int firstShown() const { return m_first; }
    // Moves the view by whole columns (positive: on), kept within the entries.
    void scrollColumns(int columns);

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

protected:
    void wheelEvent(QGraphicsSceneWheelEvent* event) override;

private:
    std::vector<QColor> m_colours;
    QStringList m_texts;
    Layout m_layout;
    int m_first = 0;
    int columns() const { return int(m_layout.columnX.size()) - 1; }
    // Entries that fit at once, one row kept for the "not in view" note when they overflow.
    int capacity() const;
};
