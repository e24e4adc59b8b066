#include "effects/patchintegrals.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tragvel::effects {

namespace {

// The first points of a line are searched one by one, the rest of a longer line by halving.
constexpr std::size_t linearSearchLimit = 16;

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

// The index of the first point whose abscissa is beyond x (`count` when none).
[[gnu::always_inline]] inline std::size_t firstBeyond(const LinePoint *points, std::size_t count, double x)
{
    const std::size_t scanned = std::min(count, linearSearchLimit);
    std::size_t k = 0;
    while (k < scanned && !(points[k].abscissa > x))
        ++k;
    if (k < scanned || k == count)
        return k;
    // Halving without a branch on the comparison: `base` stays before the answer.
    const LinePoint *base = points + k;
    std::size_t length = count - k;
    while (length > 1) {
        const std::size_t half = length / 2;
        base = !(base[half - 1].abscissa > x) ? base + half : base;
        length -= half;
    }
    return std::size_t(base - points) + (!(base->abscissa > x) ? 1 : 0);
}

// Restricts [a, b] to the extent of the line. Returns false when the patch misses it: a proper
// interval must overlap the line over a positive length, a point interval must lie within it.
[[gnu::always_inline]] inline bool clipToLine(double &a, double &b, const InfluenceLine &line)
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
inline double interpolate(const LinePoint &p, const LinePoint &q, double x)
{
    return p.ordinate + (x - p.abscissa) * (q.ordinate - p.ordinate) / (q.abscissa - p.abscissa);
}

// Ordinate of the line at a, which lies within its extent. Inside a step the later point counts.
double ordinateAt(const InfluenceLine &line, double a)
{
    const LinePoint *points = line.data();
    const std::size_t count = line.size();
    std::size_t k = firstBeyond(points, count, a);
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

// The walk of one line over a clipped proper interval s1 <= a < b <= sN: its segments start at
// (a, η(a)), run through the interior points from `next` on, as long as they lie before b, and
// end with the segment to (b, η(b)). `xp` and `ep` are where the next segment starts. The walk
// stops at the last point at the latest, whose abscissa sN is never before b after clipping.
struct Walk
{
    const LinePoint *next = nullptr;
    double xp = 0.0;
    double ep = 0.0;
    double b = 0.0;
};

// Applies the point rule to [a, b] or prepares its walk; returns whether there are segments to add.
[[gnu::always_inline]] inline bool startLine(Walk &walk, SignedSums &sums, const InfluenceLine &line, double a,
                                             double b)
{
    if (a == b) {
        sums.add(ordinateAt(line, a));
        return false;
    }
    if (!(a < b))
        return false;
    const LinePoint *points = line.data();
    const std::size_t count = line.size();
    const std::size_t k = firstBeyond(points, count, a);
    if (k == 0 || k == count)
        return false; // not reachable after clipping; keeps every index inside the line
    walk.next = points + k;
    walk.xp = a;
    walk.ep = interpolate(points[k - 1], points[k], a);
    walk.b = b;
    return true;
}

// Adds the interior segments left to one walk; the walk is left at its closing segment.
inline void walkInterior(Walk &walk, SignedSums &sums)
{
    double xp = walk.xp;
    double ep = walk.ep;
    const LinePoint *p = walk.next;
    for (; p->abscissa < walk.b; ++p) {
        addSegment(sums, xp, ep, p->abscissa, p->ordinate);
        xp = p->abscissa;
        ep = p->ordinate;
    }
    walk = {p, xp, ep, walk.b};
}

// Adds the interior segments left to one walk and its closing segment.
inline void finishLine(Walk walk, SignedSums &sums)
{
    walkInterior(walk, sums);
    const LinePoint *p = walk.next;
    addSegment(sums, walk.xp, walk.ep, walk.b, interpolate(p[-1], p[0], walk.b));
}

#if defined(__SSE2__)

// The lanes of one vector register hold a value of the longitudinal line (low) and of the
// transverse line (high). Each lane is computed apart, exactly as the scalar arithmetic above
// would compute it, and nothing is ever combined across lanes.
using Lanes = __m128d;

// Both pairs of sums, a line per lane.
struct LaneSums
{
    Lanes plus = _mm_setzero_pd();
    Lanes minus = _mm_setzero_pd();

    // Adds each lane's value to the sum of its sign and a zero to the other one, without a branch:
    // max(v, 0) is v only for v > 0 and min(0, v) is v for every other v, NaN included, so a value
    // goes where SignedSums::add puts it. A zero leaves a sum as it is: the sums start at +0 and
    // never become -0 (rounding to nearest gives -0 only for -0 + -0), and a zero of either sign
    // added to any other value, the infinities and NaN included, gives that value back.
    void add(Lanes value)
    {
        const Lanes zero = _mm_setzero_pd();
        plus = _mm_add_pd(plus, _mm_max_pd(value, zero));
        minus = _mm_add_pd(minus, _mm_min_pd(zero, value));
    }
};

// Adds one segment per lane from (xp, ep) to (xq, eq), given dx = xq - xp, the trapezoid `area`
// and the lanes whose ordinates keep their sign: those add their trapezoid, the others the two
// triangles either side of the zero, the first one first, as addSegment() does.
[[gnu::always_inline]] inline void addSegments(LaneSums &sums, Lanes xp, Lanes ep, Lanes xq, Lanes eq, Lanes dx,
                                               Lanes area, Lanes sameSign)
{
    const Lanes half = _mm_set1_pd(0.5);
    const Lanes magnitude = _mm_castsi128_pd(_mm_set1_epi64x(0x7fffffffffffffff));
    const Lanes ap = _mm_and_pd(ep, magnitude);
    const Lanes aq = _mm_and_pd(eq, magnitude);
    const Lanes x0 = _mm_add_pd(xp, _mm_div_pd(_mm_mul_pd(ap, dx), _mm_add_pd(ap, aq)));
    const Lanes first = _mm_mul_pd(_mm_mul_pd(_mm_sub_pd(x0, xp), ep), half);
    const Lanes second = _mm_mul_pd(_mm_mul_pd(_mm_sub_pd(xq, x0), eq), half);
    sums.add(_mm_or_pd(_mm_and_pd(sameSign, area), _mm_andnot_pd(sameSign, first)));
    sums.add(_mm_andnot_pd(sameSign, second));
}

// Lanes of the abscissae or of the ordinates of a point of each line.
inline Lanes abscissae(const LinePoint &p, const LinePoint &q)
{
    return _mm_unpacklo_pd(_mm_loadu_pd(&p.abscissa), _mm_loadu_pd(&q.abscissa));
}

inline Lanes ordinates(const LinePoint &p, const LinePoint &q)
{
    return _mm_unpackhi_pd(_mm_loadu_pd(&p.abscissa), _mm_loadu_pd(&q.abscissa));
}

// interpolate() in lanes: the ordinate at x on the chord from p to q of each line, one division for both.
inline Lanes interpolateLanes(const LinePoint &px, const LinePoint &qx, const LinePoint &py, const LinePoint &qy,
                              Lanes x)
{
    const Lanes ps = abscissae(px, py);
    const Lanes pn = ordinates(px, py);
    const Lanes qs = abscissae(qx, qy);
    const Lanes qn = ordinates(qx, qy);
    return _mm_add_pd(pn, _mm_div_pd(_mm_mul_pd(_mm_sub_pd(x, ps), _mm_sub_pd(qn, pn)), _mm_sub_pd(qs, ps)));
}

// The lanes as the two pairs of sums.
inline void split(const LaneSums &sums, SignedSums &x, SignedSums &y)
{
    x = {_mm_cvtsd_f64(sums.plus), _mm_cvtsd_f64(sums.minus)};
    y = {_mm_cvtsd_f64(_mm_unpackhi_pd(sums.plus, sums.plus)), _mm_cvtsd_f64(_mm_unpackhi_pd(sums.minus, sums.minus))};
}

// Integrates both lines over their clipped proper intervals, s1 <= a < b <= sN each, as the walk
// of startLine() and finishLine() would: both walks start together, go side by side for as long
// as both have interior points, the longer one goes on alone, and both close together. Returns
// false, having added nothing, where a start is not found inside its line.
bool integrateBoth(SignedSums &xSums, SignedSums &ySums, const InfluenceLine &longitudinal,
                   const InfluenceLine &transverse, double x1, double x2, double y1, double y2)
{
    const std::size_t kx = firstBeyond(longitudinal.data(), longitudinal.size(), x1);
    const std::size_t ky = firstBeyond(transverse.data(), transverse.size(), y1);
    if (kx == 0 || kx == longitudinal.size() || ky == 0 || ky == transverse.size())
        return false; // not reachable after clipping; keeps every index inside the lines
    const LinePoint *p = longitudinal.data() + kx;
    const LinePoint *q = transverse.data() + ky;
    const Lanes zero = _mm_setzero_pd();
    const Lanes half = _mm_set1_pd(0.5);
    const Lanes ends = _mm_set_pd(y2, x2);
    Lanes xp = _mm_set_pd(y1, x1);
    Lanes ep = interpolateLanes(p[-1], p[0], q[-1], q[0], xp);
    LaneSums sums;
    for (;; ++p, ++q) {
        const Lanes pointX = _mm_loadu_pd(&p->abscissa);
        const Lanes pointY = _mm_loadu_pd(&q->abscissa);
        const Lanes xq = _mm_unpacklo_pd(pointX, pointY);
        const Lanes eq = _mm_unpackhi_pd(pointX, pointY);
        const Lanes inside = _mm_cmplt_pd(xq, ends);
        const Lanes dx = _mm_sub_pd(xq, xp);
        const Lanes area = _mm_mul_pd(_mm_mul_pd(dx, _mm_add_pd(ep, eq)), half);
        const Lanes sameSign = _mm_cmpge_pd(_mm_mul_pd(ep, eq), zero);
        if (_mm_movemask_pd(_mm_and_pd(inside, sameSign)) == 3) [[likely]] {
            sums.add(area);
        } else {
            if (_mm_movemask_pd(inside) != 3)
                break;
            addSegments(sums, xp, ep, xq, eq, dx, area, sameSign);
        }
        xp = xq;
        ep = eq;
    }
    // At most one line has interior points left; it walks them alone.
    Walk x{p, _mm_cvtsd_f64(xp), _mm_cvtsd_f64(ep), x2};
    Walk y{q, _mm_cvtsd_f64(_mm_unpackhi_pd(xp, xp)), _mm_cvtsd_f64(_mm_unpackhi_pd(ep, ep)), y2};
    if (p->abscissa < x2 || q->abscissa < y2) {
        split(sums, xSums, ySums);
        walkInterior(x, xSums);
        walkInterior(y, ySums);
        sums.plus = _mm_set_pd(ySums.plus, xSums.plus);
        sums.minus = _mm_set_pd(ySums.minus, xSums.minus);
        xp = _mm_set_pd(y.xp, x.xp);
        ep = _mm_set_pd(y.ep, x.ep);
    }
    // Both closing segments, to (b, η(b)) of each line.
    const Lanes eb = interpolateLanes(x.next[-1], x.next[0], y.next[-1], y.next[0], ends);
    const Lanes dx = _mm_sub_pd(ends, xp);
    const Lanes area = _mm_mul_pd(_mm_mul_pd(dx, _mm_add_pd(ep, eb)), half);
    const Lanes sameSign = _mm_cmpge_pd(_mm_mul_pd(ep, eb), zero);
    if (_mm_movemask_pd(sameSign) == 3)
        sums.add(area);
    else
        addSegments(sums, xp, ep, ends, eb, dx, area, sameSign);
    split(sums, xSums, ySums);
    return true;
}

#endif

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
    // Each line's segments are added in point order; where the processor allows, two proper
    // intervals are walked side by side.
    SignedSums xSums;
    SignedSums ySums;
#if defined(__SSE2__)
    if (x1 < x2 && y1 < y2 && integrateBoth(xSums, ySums, longitudinal, transverse, x1, x2, y1, y2))
        return {xSums.plus, xSums.minus, ySums.plus, ySums.minus};
#endif
    Walk x;
    Walk y;
    if (startLine(x, xSums, longitudinal, x1, x2))
        finishLine(x, xSums);
    if (startLine(y, ySums, transverse, y1, y2))
        finishLine(y, ySums);
    result.NyXPlus = xSums.plus;
    result.NyXMinus = xSums.minus;
    result.NyYPlus = ySums.plus;
    result.NyYMinus = ySums.minus;
    return result;
}

} // namespace tragvel::effects
