#pragma once

#include "common/celltable.h"
#include "influence/linekind.h"

#include <QString>
#include <QStringList>

namespace tragvel {

// The outcome of a table command: the messages to show, in order, and whether the command counts
// as a change of the line (its flag, both effects flags to 1 and the check mark to "X").
struct TableCommandResult
{
    QStringList messages;
    bool marksChanged = false;
};

// New table of the number of rows the user answered: rows numbered 1..n without padding, values 0.
// An answer that is no whole number gives one row after Chyba#06; an answer of 0 or less (Chyba#09)
// or beyond the kind's limit (Chyba#08) changes nothing.
TableCommandResult newLineTable(CellTable &table, const QString &answer, const LineKind &kind);

// Appends a copy of the last point; a full table is refused with Chyba#08 but still counts as
// changed.
TableCommandResult addLineRow(CellTable &table, const LineKind &kind);

// Sets every value to 0, keeping the row numbers and the row count.
TableCommandResult clearLineTable(CellTable &table);

// The start-up contents of the two tables.
CellTable initialLineTable(const LineKind &kind);

} // namespace tragvel
