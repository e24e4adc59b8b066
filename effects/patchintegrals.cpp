#include "effects/patchintegrals.h"

#include <cmath>
#include <cstddef>

namespace tragvel::effects {

namespace {

// Lines up to this many points are searched point by point; longer ones by halving.
constexpr std::size_t linearSearchLimit = 64;

// A positive and a negative sum of partial areas (or of one ordinate), kept apart.
struct SignedSums
{
    double plus = 0.0;
    double minus = 0.0;

    void add(double value)
    {
        if (value >= 0.0)
            plus += value;
        else
            minus += value;
    }
};

// The index of the first point at or after `from` whose abscissa is beyond x (`count` when none).
std::size_t firstBeyond(const LinePoint *points, std::size_t from, std::size_t count, double x)
{
    if (count - from <= linearSearchLimit) {
        while (from < count && !(points[from].abscissa > x))
            ++from;
        return from;
    }
    // Halving without a branch on the comparison: `base` stays before the answer.
    const LinePoint *base = points + from;
    std::size_t length = count - from;
    while (length > 1) {
        const std::size_t half = length / 2;
        base = !(base[half - 1].abscissa > x) ? base + half : base;
        length -= half;
    }
    return std::size_t(base - points) + (!(base->abscissa > x) ? 1 : 0);
}

// The index of the first point at or after `from` whose abscissa reaches x (`count` when none).
std::size_t firstReaching(const LinePoint *points, std::size_t from, std::size_t count, double x)
{
    if (count - from <= linearSearchLimit) {
        while (from < count && points[from].abscissa < x)
            ++from;
        return from;
    }
    const LinePoint *base = points + from;
    std::size_t length = count - from;
    while (length > 1) {
        const std::size_t half = length / 2;
        base = base[half - 1].abscissa < x ? base + half : base;
        length -= half;
    }
    return std::size_t(base - points) + (base->abscissa < x ? 1 : 0);
}

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
    const LinePoint *points = line.data();
    const std::size_t count = line.size();
    std::size_t k = firstBeyond(points, 0, count, a);
    if (k == count)
        k = count - 1;
    if (k == 0) // a line of a single point
        return points[0].ordinate;
    const LinePoint &p = points[k - 1];
    const LinePoint &q = points[k];
    if (q.abscissa == p.abscissa) // a step at the very end: the last point counts
        return q.ordinate;
    return interpolate(p, q, a);
}

// Adds the area under the chord from (xp, ep) to (xq, eq); a chord that changes sign is split at
// its zero so that the loading and the relieving parts stay apart.
inline void addSegment(SignedSums &sums, double xp, double ep, double xq, double eq)
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

// Integral over a clipped proper interval s1 <= a < b <= sN, walking the points once: the first
// point beyond a and the first point reaching b are found first, the points between them are
// the interior knots.
void integrate(SignedSums &sums, const InfluenceLine &line, double a, double b)
{
    const LinePoint *points = line.data();
    const std::size_t count = line.size();
    const std::size_t k = firstBeyond(points, 0, count, a);
    if (k == 0 || k == count)
        return; // not reachable after clipping; keeps every index inside the line
    double xp = a;
    double ep = interpolate(points[k - 1], points[k], a);
    const auto addUpTo = [&](std::size_t i) {
        const double xq = points[i].abscissa;
        const double eq = points[i].ordinate;
        addSegment(sums, xp, ep, xq, eq);
        xp = xq;
        ep = eq;
    };
    std::size_t end = k;
    if (count - k > linearSearchLimit) {
        // On a long line the end is found by halving, and the walk needs no test of its own.
        end = firstReaching(points, k, count, b);
        for (std::size_t i = k; i < end; ++i)
            addUpTo(i);
    } else {
        for (; end < count && points[end].abscissa < b; ++end)
            addUpTo(end);
    }
    if (end == count)
        return; // not reachable after clipping (b <= sN)
    addSegment(sums, xp, ep, b, interpolate(points[end - 1], points[end], b));
}

SignedSums integrateLine(const InfluenceLine &line, double a, double b)
{
    SignedSums sums;
    if (a == b)
        sums.add(ordinateAt(line, a));
    else if (a < b)
        integrate(sums, line, a, b);
    return sums;
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
    const SignedSums x = integrateLine(longitudinal, x1, x2);
    const SignedSums y = integrateLine(transverse, y1, y2);
    result.NyXPlus = x.plus;
    result.NyXMinus = x.minus;
    result.NyYPlus = y.plus;
    result.NyYMinus = y.minus;
    return result;
}

} // namespace tragvel::effects
