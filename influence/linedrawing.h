#pragma once

#include "influence/linecheck.h"

#include <QImage>
#include <QPoint>

#include <vector>

namespace tragvel {

// The pixel of a point on a picture of width W and height H: x = round(s * W / S),
// y = round(H / 2 - n * H / (2 * A)), rounding ties to even, so that station 0 lies at x = 0, the
// station range S at x = W, the ordinate +A on the top edge and -A on the bottom edge.
QPoint linePixel(const TablePoint &point, double stationRange, double ordinateScale, int width,
                 int height);

std::vector<QPoint> linePixels(const LineCheckOutcome &outcome, int width, int height);

// The picture after a check: untouched when the numbers were not all present; otherwise the empty
// grid of the kind's divisions and, for a valid line, the line as a black polyline 3 pixels wide.
void drawCheckedLine(QImage &image, const LineCheckOutcome &outcome, const LineKind &kind);

} // namespace tragvel
