#include "app/gridcells.h"

#include "app/stringgrid.h"

tragvel::CellTable readCells(const StringGrid &grid)
{
    tragvel::CellTable table;
    table.rows.reserve(size_t(grid.rowCount()));
    for (int row = 0; row < grid.rowCount(); ++row) {
        QStringList cells;
        cells.reserve(grid.columnCount());
        for (int column = 0; column < grid.columnCount(); ++column)
            cells << grid.cell(column, row);
        table.rows.push_back(std::move(cells));
    }
    return table;
}

void writeCells(StringGrid &grid, const tragvel::CellTable &table)
{
    grid.setGridRowCount(table.rowCount());
    for (int row = 0; row < table.rowCount(); ++row) {
        const QStringList &cells = table.rows[size_t(row)];
        for (int column = 0; column < grid.columnCount() && column < cells.size(); ++column) {
            if (grid.cell(column, row) != cells[column])
                grid.setCell(column, row, cells[column]);
        }
    }
}
