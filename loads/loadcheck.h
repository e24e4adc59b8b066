#pragma once

#include "common/celltable.h"
#include "loads/loadpatch.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace tragvel {

struct LoadCheckResult
{
    // The five indicators; every one is evaluated in each run.
    bool cellNotNumber = false;
    bool xBoundsReversed = false;
    bool yBoundsReversed = false;
    bool typeOutOfRange = false;
    bool referencePointNotNumber = false;

    // One message per set indicator, in the order they are shown.
    QStringList messages;

    // Filled only when the check passes.
    std::vector<LoadPatch> patches;
    double referenceX = 0.0;
    double referenceY = 0.0;

    bool passed() const { return messages.isEmpty(); }
};

// A load type is valid when its cell is one of the whole numbers 0 to 3 written without decimals,
// read the way the effect computation reads it.
bool isValidLoadType(const QString &cell);

// Checks every row of the load table (row 0 is the header) and the reference point texts.
LoadCheckResult checkLoads(const CellTable &table, const QString &referenceX,
                           const QString &referenceY);

} // namespace tragvel
