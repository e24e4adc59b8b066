#pragma once

#include "common/celltable.h"
#include "common/readmessages.h"
#include "common/textfilereader.h"
#include "influence/linekind.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tragvel {

// One line of an influence-line file: the cell texts it supplies (general number text with the
// program's separator); a column the line supplies no number for stays unwritten.
struct PrcRow
{
    std::optional<QString> station;
    std::optional<QString> ordinate;
};

// What reading a file does to the table: its rows (row i of the table is line i of the file) and
// the messages raised, in the order the user sees them.
struct PrcReadResult
{
    std::vector<PrcRow> rows;
    QStringList messages;
    std::vector<MessagePlace> places; // where each message arises while the rows are written
};

// Reads the bytes of a .prc file. Never fails: invalid numbers, surplus columns and surplus lines
// are reported in the messages. At most kind.maxPoints rows are read.
PrcReadResult readPrc(const QByteArray &bytes, const LineKind &kind, QChar decimalSeparator);
// The same from a reader, which is asked for no more of the file than the table takes.
PrcReadResult readPrc(TextFileReader &reader, const LineKind &kind, QChar decimalSeparator);

// Applies a read result to an influence-line table row by row, as the file is read: the row count
// becomes i + 1 when row i starts (a longer table is cut at once, growing adds empty rows), column
// 0 gets ten blanks and its number, columns 1 and 2 the texts the file supplied (a cell it does
// not supply stays empty). Each message goes to the sink at its place, with the table as written
// so far. A result without rows (an empty file) changes no cell.
void applyPrc(CellTable &table, const PrcReadResult &result, const ReadMessageSink &sink = {});

// The bytes of a .prc file for the table: per row the station text, one blank, the ordinate text,
// CR LF. A cell that reads as a number is written with the point as its decimal separator (so that
// the reader reads it back), digits as typed; any other text is written as it stands.
QByteArray writePrc(const CellTable &table, QChar decimalSeparator);

// Ten blanks and the row number: column 0 as the loader and the add-row command write it.
QString paddedRowNumber(int row);

} // namespace tragvel
