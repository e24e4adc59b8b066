#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace tragvel {

// The texts of a string grid as the subsystems see them: rows[r][c] is the cell of column c in
// row r; row 0 is the header row. Every row has the grid's column count.
struct CellTable
{
    std::vector<QStringList> rows;

    int rowCount() const { return int(rows.size()); }
    const QString &cell(int column, int row) const { return rows.at(size_t(row)).at(column); }
    void setCell(int column, int row, const QString &text) { rows.at(size_t(row))[column] = text; }

    friend bool operator==(const CellTable &, const CellTable &) = default;
};

} // namespace tragvel
