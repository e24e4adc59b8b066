#pragma once

#include "common/celltable.h"

#include <QByteArray>
#include <QString>

namespace tragvel {

// The text of one cell in a load file: a cell that reads as a number in the program's notation is
// written in the file's point notation, so that the file reads back; any other cell as it stands.
QString loadFileCellText(const QString &cell);

// The bytes of a .zat file for the table: for each load row the cells 1 to 6 joined by single
// blanks, ended by CR LF. Characters are written in the 8-bit code page of the files (Latin-1
// here; anything it cannot hold becomes '?').
QByteArray loadFileBytes(const CellTable &table);

} // namespace tragvel
