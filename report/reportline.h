#pragma once

#include "report/textattributes.h"

#include <QString>

#include <functional>
#include <vector>

namespace tragvel::report {

// One line of a report section: before it is appended the current character height is set to
// `heightPixels` and the flags of `added` are added to the current style (the others are kept).
struct ReportLine
{
    QString text;
    int heightPixels = 0;
    TextStyle added;

    friend bool operator==(const ReportLine &, const ReportLine &) = default;
};

// Receives the lines of a section as they are built, so that the lines before a failing cell
// are already in the document when the failure ends the section.
using LineSink = std::function<void(const ReportLine &)>;

} // namespace tragvel::report
