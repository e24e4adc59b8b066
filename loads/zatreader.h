#pragma once

#include "common/celltable.h"
#include "common/readmessages.h"
#include "common/textfilereader.h"
#include "loads/loadset.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace tragvel {

// One line of a load file as it goes into the table: the row label and the texts of the cells
// the line supplies, columns 1 .. cells.size() (a short line supplies fewer than six).
struct LoadFileRow
{
    QString label;
    QStringList cells;
};

struct LoadFileContents
{
    std::vector<LoadFileRow> rows;     // at most 100
    QStringList messages;              // in the order they arise while reading
    std::vector<MessagePlace> places;  // where each message arises while the rows are written
};

// Reads the bytes of a .zat file: one load patch per line (CR, LF or CR LF end a line), six numbers
// in point notation separated by blanks. Bad values, too wide lines and too many lines are
// reported in the messages; reading goes on as far as it can.
LoadFileContents readLoadFile(const QByteArray &bytes, const LoadSet &set);
// The same from a reader, which is asked for no more of the file than the table takes.
LoadFileContents readLoadFile(TextFileReader &reader, const LoadSet &set);

// Writes what was read into the table row by row, as the file is read: when row i starts the
// table is cut to (or grows by empty rows to) i rows, so every row starts empty and cells a line
// does not supply stay empty. Each message goes to the sink at its place, with the table as
// written so far. A file without lines changes nothing.
void applyLoadFile(CellTable &table, const LoadFileContents &contents, const ReadMessageSink &sink = {});

} // namespace tragvel
