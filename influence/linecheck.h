#pragma once

#include "common/celltable.h"
#include "influence/linekind.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace tragvel {

struct TablePoint
{
    double station = 0.0; // station along the bridge, or distance from the edge
    double ordinate = 0.0;
};

// The outcome of checking an influence-line table, in the order the check runs.
struct LineCheckOutcome
{
    // False when a cell of columns 1 or 2 is empty or no number (Chyba#16): the check stopped
    // before anything else, and the picture must keep what it shows.
    bool numbersPresent = false;
    // True when the line may be drawn and marked as checked.
    bool valid = false;
    // The messages to show, in order: Chyba#16 alone, or the area warning followed by the value
    // failures.
    QStringList messages;
    // How many of the messages come before the picture is reset to the empty grid: Chyba#16 (the
    // picture is not touched) or the area warning; the value failures come after the reset.
    int messagesBeforeRedraw = 0;

    std::vector<TablePoint> points;
    double smallestStation = 0.0; // m: minimum of 0 and all stations
    double stationRange = 0.0;    // S: maximum of 0 and all stations
    double ordinateScale = 0.0;   // A: largest absolute ordinate
    bool ascending = true;
    // The area F under the line, for the kind that checks it (sum of trapezoids in row order).
    std::optional<double> area;
};

// Checks rows 1..N of the table by the kind's rules, reading the cells with the separator.
LineCheckOutcome checkLine(const CellTable &table, const LineKind &kind, QChar decimalSeparator);

} // namespace tragvel
