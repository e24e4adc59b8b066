#include "loads/loadextent.h"

#include "common/canvas.h"

#include <cmath>

namespace tragvel {

namespace {

// A direction in which every value coincides would map through a division by zero. It is widened
// by 0.1 each way, like a bound at zero; where 0.1 is lost in the magnitude, by a share of it.
void widenDegenerate(double &low, double &high)
{
    if (low != high)
        return;
    double step = 0.1;
    if (high + step == high || low - step == low)
        step = std::abs(high) * 1e-9;
    low -= step;
    high += step;
}

} // namespace

LoadExtent rawLoadExtent(const std::vector<LoadPatch> &patches, double referenceX, double referenceY)
{
    LoadExtent e;
    if (patches.empty()) {
        e.xmin = e.xmax = referenceX;
        e.ymin = e.ymax = referenceY;
    } else {
        const LoadPatch &first = patches.front();
        e.xmax = std::max(first.x1, first.x2);
        e.xmin = std::min(first.x1, first.x2);
        e.ymax = std::max(first.y1, first.y2);
        e.ymin = std::min(first.y1, first.y2);
    }
    e.qmax = 1.0;
    e.qmin = -1.0;
    for (const LoadPatch &p : patches) {
        if (p.x2 > e.xmax)
            e.xmax = p.x2;
        if (p.x1 < e.xmin)
            e.xmin = p.x1;
        if (p.y2 > e.ymax)
            e.ymax = p.y2;
        if (p.y1 < e.ymin)
            e.ymin = p.y1;
        if (p.load > e.qmax)
            e.qmax = p.load;
        if (p.load < e.qmin)
            e.qmin = p.load;
    }
    if (referenceX > e.xmax)
        e.xmax = referenceX;
    if (referenceX < e.xmin)
        e.xmin = referenceX;
    if (referenceY > e.ymax)
        e.ymax = referenceY;
    if (referenceY < e.ymin)
        e.ymin = referenceY;
    return e;
}

LoadExtent loadExtent(const std::vector<LoadPatch> &patches, double referenceX, double referenceY)
{
    LoadExtent e = rawLoadExtent(patches, referenceX, referenceY);
    if (e.xmax == 0.0)
        e.xmax = 0.1;
    if (e.ymax == 0.0)
        e.ymax = 0.1;
    if (e.xmin == 0.0)
        e.xmin = -0.1;
    if (e.ymin == 0.0)
        e.ymin = -0.1;
    widenDegenerate(e.xmin, e.xmax);
    widenDegenerate(e.ymin, e.ymax);

    e.xmax = e.xmax + 0.03 * (e.xmax - e.xmin);
    e.xmin = e.xmin - 0.03 * (e.xmax - e.xmin);
    e.ymax = e.ymax + 0.03 * (e.ymax - e.ymin);
    e.ymin = e.ymin - 0.03 * (e.ymax - e.ymin);
    e.qmax = e.qmax + 0.1 * (e.qmax - e.qmin);
    e.qmin = e.qmin - 0.1 * (e.qmax - e.qmin);
    return e;
}

int nearestPixel(double value, int limit)
{
    if (std::isnan(value))
        return 0;
    const double bound = double(limit);
    if (value >= bound)
        return limit;
    if (value <= -bound)
        return -limit;
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    return int(whole);
}

LoadMapping::LoadMapping(const LoadExtent &extent, int width, int height)
    : m_extent(extent), m_width(width), m_height(height)
{
}

int LoadMapping::x(double x) const
{
    return nearestPixel((x - m_extent.xmin) * m_width / (m_extent.xmax - m_extent.xmin),
                        Canvas::coordinateLimit);
}

int LoadMapping::y(double y) const
{
    return nearestPixel((1.0 - (y - m_extent.ymin) / (m_extent.ymax - m_extent.ymin)) * m_height,
                        Canvas::coordinateLimit);
}

int LoadMapping::q(double q) const
{
    return nearestPixel((1.0 - (q - m_extent.qmin) / (m_extent.qmax - m_extent.qmin)) * m_height,
                        Canvas::coordinateLimit);
}

int LoadMapping::zeroLine() const
{
    return nearestPixel(m_height * m_extent.qmax / (m_extent.qmax - m_extent.qmin),
                        Canvas::coordinateLimit);
}

} // namespace tragvel
