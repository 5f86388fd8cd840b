#include "details/DetailGrid.h"

#include "widgets/DBGrid.h"
#include "widgets/UiFonts.h"

#include <QHeaderView>

DBGrid* MakeDetailGrid(QWidget* parent, const char* name, const QRect& rect) {
    auto* grid = new DBGrid(parent);
    grid->setObjectName(QLatin1String(name));
    grid->setGeometry(rect);
    grid->setOptions({.rowIndicator = false});
    grid->setFont(UiFonts::sansSerifPixels(12));
    QPalette p = grid->palette();
    p.setColor(QPalette::Base, QColor(0xD5, 0xFF, 0xD0));
    p.setColor(QPalette::Text, Qt::black);
    grid->setPalette(p);
    QHeaderView* titles = grid->horizontalHeader();
    titles->setFont(UiFonts::sansSerifPixels(12, true));
    QPalette tp = titles->palette();
    tp.setColor(QPalette::ButtonText, QColor(0x80, 0x00, 0x00));
    titles->setPalette(tp);
    return grid;
}
