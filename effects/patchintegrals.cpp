#include "effects/patchintegrals.h"

#include <cmath>
#include <cstddef>

namespace tragvel::effects {

namespace {

// A positive and a negative sum of partial areas (or of one ordinate).
struct SignedSums
{
    double &plus;
    double &minus;

    void add(double value)
    {
        if (value >= 0.0)
            plus += value;
        else
            minus += value;
    }
};

// Restricts [a, b] to the extent of the line. Returns false when the patch misses it: a proper
// interval must overlap the line over a positive length, a point interval must lie within it.
bool clipToLine(double &a, double &b, const InfluenceLine &line)
{
    if (line.empty())
        return false;
    bool hit = true;
    const double first = line.front().abscissa;
    const double last = line.back().abscissa;
    if (first > a) {
        if (first >= b)
            hit = false;
        else
            a = first;
    }
    if (last == a && a < b)
        hit = false;
    if (last < a)
        hit = false;
    if (last < b && last > a)
        b = last;
    return hit;
}

// Ordinate at x on the chord between p and q; the caller guarantees distinct abscissae.
double interpolate(const LinePoint &p, const LinePoint &q, double x)
{
    return p.ordinate + (x - p.abscissa) * (q.ordinate - p.ordinate) / (q.abscissa - p.abscissa);
}

// Ordinate of the line at a, which lies within its extent. Inside a step the later point counts.
double ordinateAt(const InfluenceLine &line, double a)
{
    const std::size_t count = line.size();
    std::size_t k = 0;
    while (!(line[k].abscissa > a) && k + 1 < count)
        ++k;
    if (k == 0) // a line of a single point
        return line[0].ordinate;
    const LinePoint &p = line[k - 1];
    const LinePoint &q = line[k];
    if (q.abscissa == p.abscissa) // a step at the very end: the last point counts
        return q.ordinate;
    return interpolate(p, q, a);
}

// Adds the area under the chord from (xp, ep) to (xq, eq); a chord that changes sign is split at
// its zero so that the loading and the relieving parts stay apart.
void addSegment(SignedSums &sums, double xp, double ep, double xq, double eq)
{
    if (ep * eq >= 0.0) {
        sums.add((xq - xp) * (ep + eq) * 0.5);
        return;
    }
    const double x0 = xp + std::abs(ep) * (xq - xp) / (std::abs(ep) + std::abs(eq));
    const double first = (x0 - xp) * ep / 2.0;
    const double second = (xq - x0) * eq / 2.0;
    sums.add(first);
    sums.add(second);
}

// Integral over a clipped proper interval s1 <= a < b <= sN, walking the points once.
void integrate(SignedSums &sums, const InfluenceLine &line, double a, double b)
{
    const std::size_t count = line.size();
    std::size_t k = 0;
    while (k < count && !(line[k].abscissa > a))
        ++k;
    if (k == 0 || k == count)
        return; // not reachable after clipping; keeps every index inside the line
    double xp = a;
    double ep = interpolate(line[k - 1], line[k], a);
    while (line[k].abscissa < b) {
        addSegment(sums, xp, ep, line[k].abscissa, line[k].ordinate);
        xp = line[k].abscissa;
        ep = line[k].ordinate;
        ++k;
        if (k == count)
            return; // not reachable after clipping (b <= sN)
    }
    addSegment(sums, xp, ep, b, interpolate(line[k - 1], line[k], b));
}

void integrateLine(SignedSums sums, const InfluenceLine &line, double a, double b)
{
    if (a == b)
        sums.add(ordinateAt(line, a));
    else if (a < b)
        integrate(sums, line, a, b);
}

} // namespace

TPatchIntegrals integratePatch(const InfluenceLine &longitudinal, const InfluenceLine &transverse,
                               double x1, double x2, double y1, double y2)
{
    TPatchIntegrals result;
    // Both clippings run, also when the first one already misses.
    const bool hitsLongitudinal = clipToLine(x1, x2, longitudinal);
    const bool hitsTransverse = clipToLine(y1, y2, transverse);
    if (!hitsLongitudinal || !hitsTransverse)
        return result;
    integrateLine(SignedSums{result.NyXPlus, result.NyXMinus}, longitudinal, x1, x2);
    integrateLine(SignedSums{result.NyYPlus, result.NyYMinus}, transverse, y1, y2);
    return result;
}

} // namespace tragvel::effects
