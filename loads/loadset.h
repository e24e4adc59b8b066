#pragma once

#include <QString>

namespace tragvel {

// What tells the two load sets (design, assessment) apart in their table and file commands;
// everything else they do is the same.
struct LoadSet
{
    // Blanks before the row number in the labels the load command writes.
    QString loadedRowLabelPrefix;
    // Blanks before the row number in the labels of the start-up table.
    QString startupRowLabelPrefix;
};

const LoadSet &designLoadSet();
const LoadSet &assessmentLoadSet();

// The row label written by new table and add row in both sets: seven blanks and the number.
QString standardRowLabel(int row);

} // namespace tragvel
