#include "loads/loadtable.h"

#include "common/numbertext.h"
#include "common/tablecommands.h"
#include "loads/loadtexts.h"

namespace tragvel {

QStringList loadTableHeaders()
{
    return {QStringLiteral(" Položka"), QStringLiteral("     x1"), QStringLiteral("     x2"),
            QStringLiteral("     y1"), QStringLiteral("     y2"), QStringLiteral(" Zatížení"),
            QStringLiteral("Typ zat.")};
}

QStringList defaultLoadRow(int row)
{
    const QString number = QString::number(row);
    return {standardRowLabel(row), number, number, QStringLiteral("0"), QStringLiteral("0"),
            QStringLiteral("10"), QStringLiteral("1")};
}

CellTable startupLoadTable(const LoadSet &set)
{
    CellTable table;
    table.rows.push_back(loadTableHeaders());
    for (int row = 1; row <= 4; ++row) {
        QStringList cells = defaultLoadRow(row);
        cells[0] = prefixedNumber(set.startupRowLabelPrefix, row);
        table.rows.push_back(cells);
    }
    return table;
}

void setLoadRowCount(CellTable &table, int loadRows)
{
    const size_t wanted = size_t(loadRows) + 1;
    if (table.rows.size() > wanted)
        table.rows.resize(wanted);
    while (table.rows.size() < wanted)
        table.rows.emplace_back(loadTableColumns, QString());
}

NewTableOutcome newLoadTable(const CellTable &current, const QString &answer)
{
    NewTableOutcome outcome;
    const NewTableRows answered = newTableRows(answer, maxLoadRows, loadtexts::tooManyRows());
    outcome.messages = answered.messages;
    if (!answered.rows)
        return outcome;
    const int count = *answered.rows;

    CellTable table = current;
    if (table.rows.empty())
        table.rows.push_back(loadTableHeaders());
    setLoadRowCount(table, count);
    for (int row = 1; row <= count; ++row)
        table.rows[size_t(row)] = defaultLoadRow(row);
    outcome.table = std::move(table);
    return outcome;
}

QStringList addLoadRow(CellTable &table)
{
    if (table.rows.empty())
        table.rows.push_back(loadTableHeaders());
    const int loadRows = table.rowCount() - 1;
    if (loadRows >= maxLoadRows)
        return {loadtexts::tooManyRows()};

    const int row = loadRows + 1;
    setLoadRowCount(table, row);
    table.setCell(0, row, standardRowLabel(row));
    for (int column = 1; column < loadTableColumns; ++column)
        table.setCell(column, row, table.cell(column, row - 1));
    return {};
}

} // namespace tragvel
