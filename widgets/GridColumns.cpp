#include "widgets/GridColumns.h"

#include "engine/EngineError.h"
#include "widgets/DBGrid.h"

#include <QAbstractItemModel>

void ApplyGridColumns(DBGrid& grid, const std::vector<GridColumn>& columns, bool hideOthers) {
    std::vector<int> found;
    for (const GridColumn& c : columns) {
        const int index = c.field ? grid.columnOfField(QLatin1String(c.field)) : c.position;
        if (index < 0 || index >= grid.model()->columnCount())
            throw EngineError(QStringLiteral("La griglia '%1' non ha la colonna '%2'.")
                                  .arg(grid.objectName(), c.field ? QLatin1String(c.field)
                                                                  : QString::number(c.position)));
        found.push_back(index);
    }
    if (hideOthers)
        for (int c = 0; c < grid.model()->columnCount(); ++c)
            grid.setColumnVisible(c, false);
    for (size_t n = 0; n < columns.size(); ++n) {
        const GridColumn& c = columns[n];
        if (!c.title.isEmpty())
            grid.setColumnTitle(found[n], c.title);
        if (c.width >= 0)
            grid.setColumnWidth(found[n], c.width);
        grid.setColumnVisible(found[n], c.visible);
    }
}

void ShowOnlyColumn(DBGrid& grid, const QString& field, int width) {
    const QByteArray name = field.toLatin1();
    std::vector<GridColumn> shown;
    if (grid.columnOfField(field) >= 0)
        shown.push_back({-1, name.constData(), {}, width});
    ApplyGridColumns(grid, shown, /*hideOthers=*/true);
}
