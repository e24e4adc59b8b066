#pragma once

#include "common/celltable.h"
#include "loads/loadset.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tragvel {

// A load table has a header row and at most this many load rows of seven columns:
// row label, x1, x2, y1, y2, load value, load type.
inline constexpr int maxLoadRows = 100;
inline constexpr int loadTableColumns = 7;

QStringList loadTableHeaders();

// The table the window starts with: headers and four point loads of 10 at x = 1..4.
CellTable startupLoadTable(const LoadSet &set);

// A default row: a point load of 10 at x = row, y = 0, of type 1.
QStringList defaultLoadRow(int row);

// Grows (empty rows of seven cells) or shrinks the table to `loadRows` rows below the header.
void setLoadRowCount(CellTable &table, int loadRows);

struct NewTableOutcome
{
    QStringList messages;            // shown in this order
    std::optional<CellTable> table;  // the new table; nothing when the count is refused
};

// "Nová tabulka" with the answer of the input box (its default when cancelled).
NewTableOutcome newLoadTable(const CellTable &current, const QString &answer);

// "Přidat řádek": appends a copy of the last row, or refuses on a full table. The set counts as
// changed either way. Returns the messages to show.
QStringList addLoadRow(CellTable &table);

} // namespace tragvel
