#include "influence/linedrawing.h"

#include "common/canvas.h"
#include "common/gridpicture.h"

#include <cmath>

namespace tragvel {

namespace {

constexpr int lineWidth = 3;

// Rounds to the nearest whole number, ties to even; values far outside any picture (a station
// range near the double limit) are held at the canvas limit instead of overflowing the integer.
int roundedCoordinate(double value)
{
    if (std::isnan(value))
        return 0;
    const double limit = Canvas::coordinateLimit;
    if (value > limit)
        return Canvas::coordinateLimit;
    if (value < -limit)
        return -Canvas::coordinateLimit;
    return int(std::nearbyint(value));
}

// value × size / (factor × range) in that order; where a product would overflow (values near
// the double limit) the ratio is taken first instead, so the point keeps its place and its sign.
double scaled(double value, double size, double factor, double range)
{
    const double product = value * size;
    const double divisor = factor * range;
    if (std::isfinite(product) && std::isfinite(divisor))
        return product / divisor;
    return value / range * (size / factor);
}

double scaled(double value, double size, double range)
{
    return scaled(value, size, 1.0, range);
}

} // namespace

QPoint linePixel(const TablePoint &point, double stationRange, double ordinateScale, int width,
                 int height)
{
    const double w = width;
    const double h = height;
    return {roundedCoordinate(scaled(point.station, w, stationRange)),
            roundedCoordinate(h / 2.0 - scaled(point.ordinate, h, 2.0, ordinateScale))};
}

std::vector<QPoint> linePixels(const LineCheckOutcome &outcome, int width, int height)
{
    std::vector<QPoint> pixels;
    pixels.reserve(outcome.points.size());
    for (const TablePoint &point : outcome.points) {
        pixels.push_back(linePixel(point, outcome.stationRange, outcome.ordinateScale, width,
                                   height));
    }
    return pixels;
}

void drawCheckedLine(QImage &image, const LineCheckOutcome &outcome, const LineKind &kind)
{
    if (!outcome.numbersPresent)
        return;
    drawEmptyGrid(image, kind.gridDivisions);
    if (!outcome.valid)
        return;
    const std::vector<QPoint> pixels = linePixels(outcome, image.width(), image.height());
    Canvas canvas(image);
    canvas.setPen(colors::black, lineWidth);
    canvas.moveTo(pixels.front().x(), pixels.front().y());
    for (size_t i = 1; i < pixels.size(); ++i)
        canvas.lineTo(pixels[i].x(), pixels[i].y());
}

} // namespace tragvel
