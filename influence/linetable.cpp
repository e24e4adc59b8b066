#include "influence/linetable.h"

#include "common/numbertext.h"
#include "common/tablecommands.h"
#include "influence/prcfile.h"

#include <algorithm>
#include <optional>

namespace tragvel {

namespace {

constexpr int lineColumns = 3;

int columnCount(const CellTable &table)
{
    return table.rows.empty() ? lineColumns : std::max(lineColumns, int(table.rows.front().size()));
}

void setRowCount(CellTable &table, int rows)
{
    table.rows.resize(size_t(rows), QStringList(columnCount(table), QString()));
    for (QStringList &cells : table.rows) {
        while (cells.size() < lineColumns)
            cells.append(QString());
    }
}

} // namespace

TableCommandResult newLineTable(CellTable &table, const QString &answer, const LineKind &kind)
{
    TableCommandResult result;
    const NewTableRows answered = newTableRows(answer, kind.maxPoints, kind.tooManyRows);
    result.messages = answered.messages;
    if (!answered.rows)
        return result;
    const std::optional<int> rows = answered.rows;
    setRowCount(table, *rows + 1);
    for (int row = 1; row <= *rows; ++row) {
        table.setCell(0, row, QString::number(row));
        table.setCell(1, row, QStringLiteral("0"));
        table.setCell(2, row, QStringLiteral("0"));
    }
    result.marksChanged = true;
    return result;
}

TableCommandResult addLineRow(CellTable &table, const LineKind &kind)
{
    TableCommandResult result;
    result.marksChanged = true;
    const int points = std::max(0, table.rowCount() - 1);
    if (points >= kind.maxPoints) {
        result.messages.append(kind.tooManyRows);
        return result;
    }
    setRowCount(table, points + 2);
    const int row = points + 1;
    table.setCell(0, row, paddedRowNumber(row));
    // Row 0 is the header: a table without points copies empty texts, not the headers.
    if (row > 1) {
        table.setCell(1, row, table.cell(1, row - 1));
        table.setCell(2, row, table.cell(2, row - 1));
    }
    return result;
}

TableCommandResult clearLineTable(CellTable &table)
{
    setRowCount(table, std::max(1, table.rowCount()));
    for (int row = 1; row < table.rowCount(); ++row) {
        table.setCell(1, row, QStringLiteral("0"));
        table.setCell(2, row, QStringLiteral("0"));
    }
    TableCommandResult result;
    result.marksChanged = true;
    return result;
}

CellTable initialLineTable(const LineKind &kind)
{
    CellTable table;
    table.rows.push_back({kind.rowHeader, kind.stationHeader, QStringLiteral("          n")});
    table.rows.push_back({paddedRowNumber(1), QStringLiteral("0"), QStringLiteral("1")});
    table.rows.push_back({paddedRowNumber(2), QStringLiteral("1"), QStringLiteral("1")});
    return table;
}

} // namespace tragvel
