#pragma once

#include "common/celltable.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tragvel {

// What the spreadsheet commands need to know of an input table: where its editable columns start,
// how many data rows it may hold (with the message beyond that) and how its rows are numbered.
struct TableShape
{
    int firstColumn = 1;
    int maxRows = 100;
    QString tooManyRows;
    QString (*rowLabel)(int row) = nullptr;
};

// The cells of the rectangle as a spreadsheet takes them: tab-separated, every row ended by a newline.
QString copiedText(const CellTable &table, int left, int top, int right, int bottom);

// A block of pasted cells, or the Czech message that says why the text cannot be pasted.
struct PastedBlock
{
    std::vector<QStringList> rows;
    QString error;
};

// Reads text copied from a table or a spreadsheet: rows by line, cells separated by tabs, else by
// semicolons, else by blanks. Numbers written with a decimal point or comma come out with the
// program's separator; other texts are kept as they stand, so the check names them.
PastedBlock parsePastedText(const QString &text, QChar decimalSeparator);

// The table after a command, or the message that refuses it (the table then stays as it was).
struct TableEdit
{
    std::optional<CellTable> table;
    QString message;
};

// The block written from the cell (column, row) on; the table grows by numbered rows as needed.
TableEdit pasteBlock(const CellTable &table, const TableShape &shape, int column, int row, const PastedBlock &block);
// An empty row inserted above the data row; the rows below are renumbered.
TableEdit insertRowAbove(const CellTable &table, const TableShape &shape, int row);
// The data rows first..last removed and the rest renumbered; a table keeps at least one (empty) row.
TableEdit deleteRows(const CellTable &table, const TableShape &shape, int first, int last);

} // namespace tragvel
