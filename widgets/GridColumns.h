#pragma once

#include <QString>
#include <vector>

class DBGrid;

// How one grid column is set up: found by position, or by its exact field name (letter case
// included) when a name is given; its title, width and visibility.
struct GridColumn {
    int position = -1;
    const char* field = nullptr;
    QString title = {}; // empty: keep the name of the field
    int width = -1;     // -1: keep the width
    bool visible = true;
};

// Applies the table to the grid's current columns; with `hideOthers` every column the table
// does not name is hidden. A column the grid does not have is an EngineError naming it.
void ApplyGridColumns(DBGrid& grid, const std::vector<GridColumn>& columns,
                      bool hideOthers = false);

// Shows only the column of the field spelled exactly `field` (letter case included), at this
// width; none at all when the grid has no such column.
void ShowOnlyColumn(DBGrid& grid, const QString& field, int width);
