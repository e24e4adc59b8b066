#include "effects/patchintegrals.h"
#include "effects/patchintegralpaths.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__SSE2__) && defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define TRAGVEL_PAIRED_STEPS 1
#include <immintrin.h>
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
    // Where the last scanned point is beyond x, the answer lies among the scanned points and their
    // scan needs no bound; otherwise, the abscissae never decreasing, none of them is beyond x.
    if (scanned > 0 && points[scanned - 1].abscissa > x) {
        std::size_t k = 0;
        while (!(points[k].abscissa > x))
            ++k;
        return k;
    }
    if (scanned == count)
        return count;
    // Halving without a branch on the comparison: `base` stays before the answer.
    const LinePoint *base = points + scanned;
    std::size_t length = count - scanned;
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

#if defined(TRAGVEL_PAIRED_STEPS)

// Where the processor has 256-bit registers, the walk takes two steps of both lines at once: the
// low half of a register holds a step of each line as Lanes do, the high half the step after it.
// Every lane is still computed exactly as the scalar arithmetic would compute it, and the sums
// still take each line's parts in point order: the first step's, then the second step's.
using PairLanes = __m256d;

[[gnu::target("avx2")]] inline Lanes lowHalf(PairLanes v)
{
    return _mm256_castpd256_pd128(v);
}

[[gnu::target("avx2")]] inline Lanes highHalf(PairLanes v)
{
    return _mm256_extractf128_pd(v, 1);
}

// Both pairs of sums in one register: the positive sums of both lines low, the negative ones high.
using PairSums = __m256d;

// The parts of one step (the low or the high half of `plus` and `minus`) as PairSums.
template<int Half>
[[gnu::target("avx2")]] inline PairSums stepParts(PairLanes plus, PairLanes minus)
{
    return _mm256_permute2f128_pd(plus, minus, Half == 0 ? 0x20 : 0x31);
}

// Adds both steps' values, the low step first, each to the sum of its sign as LaneSums::add does.
[[gnu::target("avx2")]] inline void addSteps(PairSums &sums, PairLanes values)
{
    const PairLanes zero = _mm256_setzero_pd();
    const PairLanes plus = _mm256_max_pd(values, zero);
    const PairLanes minus = _mm256_min_pd(zero, values);
    sums = _mm256_add_pd(sums, stepParts<0>(plus, minus));
    sums = _mm256_add_pd(sums, stepParts<1>(plus, minus));
}

// Adds two values of each step, `first` before `second`, the low step first.
[[gnu::target("avx2")]] inline void addSteps(PairSums &sums, PairLanes first, PairLanes second)
{
    const PairLanes zero = _mm256_setzero_pd();
    const PairLanes firstPositive = _mm256_cmp_pd(first, zero, _CMP_GT_OS);
    const PairLanes secondPositive = _mm256_cmp_pd(second, zero, _CMP_GT_OS);
    const PairLanes firstPlus = _mm256_and_pd(firstPositive, first);
    const PairLanes firstMinus = _mm256_andnot_pd(firstPositive, first);
    const PairLanes secondPlus = _mm256_and_pd(secondPositive, second);
    const PairLanes secondMinus = _mm256_andnot_pd(secondPositive, second);
    sums = _mm256_add_pd(sums, stepParts<0>(firstPlus, firstMinus));
    sums = _mm256_add_pd(sums, stepParts<0>(secondPlus, secondMinus));
    sums = _mm256_add_pd(sums, stepParts<1>(firstPlus, firstMinus));
    sums = _mm256_add_pd(sums, stepParts<1>(secondPlus, secondMinus));
}

// Adds two values of each step that are not NaN and of which, in every lane, at most one is
// positive and at most one negative, the other ones being zeros: the greater one is then the
// positive sum's part and the smaller one the negative sum's, the zero adding nothing to the
// other sum, so that adding one value to each sum gives the same bits as adding `first` and
// `second` in turn, in half the additions one after the other.
[[gnu::target("avx2")]] inline void addOppositeSteps(PairSums &sums, PairLanes first, PairLanes second)
{
    const PairLanes plus = _mm256_max_pd(first, second);
    const PairLanes minus = _mm256_min_pd(first, second);
    sums = _mm256_add_pd(sums, stepParts<0>(plus, minus));
    sums = _mm256_add_pd(sums, stepParts<1>(plus, minus));
}

// Where the walk of both lines stands: the next points, where the next segments start, the sums,
// and whether both next points already lie at or beyond b, leaving only the closing segments.
struct LaneWalk
{
    const LinePoint *p;
    const LinePoint *q;
    Lanes xp;
    Lanes ep;
    LaneSums sums;
    bool onlyClosingLeft;
};

// Adds each lane's segment from (xs, es) to (xq, eq) as addSegments() does, given its width,
// trapezoid and whether its ordinates keep their sign: the trapezoid, or the triangles either
// side of its zero, the first one first.
[[gnu::target("avx2")]] inline void addPairSegments(PairSums &sums, PairLanes xs, PairLanes es, PairLanes xq,
                                                    PairLanes eq, PairLanes dx, PairLanes area, PairLanes sameSign)
{
    const PairLanes half = _mm256_set1_pd(0.5);
    const PairLanes magnitude = _mm256_castsi256_pd(_mm256_set1_epi64x(0x7fffffffffffffff));
    const PairLanes ap = _mm256_and_pd(es, magnitude);
    const PairLanes aq = _mm256_and_pd(eq, magnitude);
    const PairLanes x0 = _mm256_add_pd(xs, _mm256_div_pd(_mm256_mul_pd(ap, dx), _mm256_add_pd(ap, aq)));
    const PairLanes first = _mm256_blendv_pd(_mm256_mul_pd(_mm256_mul_pd(_mm256_sub_pd(x0, xs), es), half), area,
                                             sameSign);
    const PairLanes second = _mm256_andnot_pd(sameSign, _mm256_mul_pd(_mm256_mul_pd(_mm256_sub_pd(xq, x0), eq), half));
    // The triangles of a zero have the signs of the ordinates either side, which differ, unless
    // the zero rounds past the segment's end; a lane that keeps its sign adds a zero second. Those
    // past the end and NaNs (of infinite ordinates) are added one by one.
    const PairLanes pastTheEnd = _mm256_andnot_pd(sameSign, _mm256_cmp_pd(x0, xq, _CMP_GT_OS));
    if (_mm256_movemask_pd(_mm256_or_pd(pastTheEnd, _mm256_cmp_pd(first, second, _CMP_UNORD_Q))) == 0) [[likely]]
        addOppositeSteps(sums, first, second);
    else
        addSteps(sums, first, second);
}

// Walks both lines two steps at a time for as long as both steps of both lines end before b and
// both steps' points lie inside the arrays (`pointsLeft` counts the points left to the shorter
// line from p and q on, so a pair is read only when its second point exists). Returns where the
// walk of one step at a time goes on.
[[gnu::target("avx2")]] inline LaneWalk walkPairs(const LinePoint *p, const LinePoint *q, std::size_t pointsLeft,
                                                  Lanes xp, Lanes ep, Lanes plus, Lanes minus, Lanes ends)
{
    const PairLanes zero = _mm256_setzero_pd();
    const PairLanes half = _mm256_set1_pd(0.5);
    const PairLanes bothEnds = _mm256_set_m128d(ends, ends);
    PairSums sums = _mm256_set_m128d(minus, plus);
    PairLanes previousX = _mm256_set_m128d(xp, xp);
    PairLanes previousE = _mm256_set_m128d(ep, ep);
    for (std::size_t k = 0; k + 1 < pointsLeft; k += 2) {
        const PairLanes pointsX = _mm256_loadu_pd(&p[k].abscissa);
        const PairLanes pointsY = _mm256_loadu_pd(&q[k].abscissa);
        const PairLanes xq = _mm256_unpacklo_pd(pointsX, pointsY);
        const PairLanes eq = _mm256_unpackhi_pd(pointsX, pointsY);
        const PairLanes xs = _mm256_permute2f128_pd(previousX, xq, 0x21);
        const PairLanes es = _mm256_permute2f128_pd(previousE, eq, 0x21);
        const PairLanes inside = _mm256_cmp_pd(xq, bothEnds, _CMP_LT_OS);
        const PairLanes dx = _mm256_sub_pd(xq, xs);
        const PairLanes area = _mm256_mul_pd(_mm256_mul_pd(dx, _mm256_add_pd(es, eq)), half);
        const PairLanes sameSign = _mm256_cmp_pd(_mm256_mul_pd(es, eq), zero, _CMP_GE_OS);
        if (_mm256_movemask_pd(_mm256_and_pd(inside, sameSign)) == 15) [[likely]] {
            addSteps(sums, area);
        } else {
            const int insideLanes = _mm256_movemask_pd(inside);
            // Lanes 0 and 1 are the low step's, of the longitudinal and the transverse line.
            if (insideLanes != 15)
                return {p + k, q + k, highHalf(previousX), highHalf(previousE), {lowHalf(sums), highHalf(sums)},
                        (insideLanes & 3) == 0};
            addPairSegments(sums, xs, es, xq, eq, dx, area, sameSign);
        }
        previousX = xq;
        previousE = eq;
    }
    const std::size_t done = pointsLeft & ~std::size_t(1);
    return {p + done, q + done, highHalf(previousX), highHalf(previousE), {lowHalf(sums), highHalf(sums)}, false};
}

#endif

// Integrates both lines over their clipped proper intervals, s1 <= a < b <= sN each, as the walk
// of startLine() and finishLine() would: both walks start together, go side by side for as long
// as both have interior points, the longer one goes on alone, and both close together. Returns
// false, having added nothing, where a start is not found inside its line. With `Paired` the walk
// takes two steps at a time first; only a function in 256-bit instructions may ask for it.
template<bool Paired>
[[gnu::always_inline]] inline bool integrateBoth(TPatchIntegrals &result, const InfluenceLine &longitudinal,
                                                 const InfluenceLine &transverse, double x1, double x2,
                                                 double y1, double y2)
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
    bool onlyClosingLeft = false;
#if defined(TRAGVEL_PAIRED_STEPS)
    // A short patch, whose first pair of steps already reaches b, skips the walk in pairs.
    if constexpr (Paired) {
        const std::size_t pointsLeft = std::min(longitudinal.size() - kx, transverse.size() - ky);
        if (pointsLeft >= 2 && p[1].abscissa < x2 && q[1].abscissa < y2) {
            const LaneWalk walked = walkPairs(p, q, pointsLeft, xp, ep, sums.plus, sums.minus, ends);
            p = walked.p;
            q = walked.q;
            xp = walked.xp;
            ep = walked.ep;
            sums = walked.sums;
            onlyClosingLeft = walked.onlyClosingLeft;
        }
    }
#endif
    for (; !onlyClosingLeft; ++p, ++q) {
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
    if (!onlyClosingLeft && (p->abscissa < x2 || q->abscissa < y2)) {
        // The sums are locals: through a reference they would go to memory on every step.
        SignedSums xSums;
        SignedSums ySums;
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
    SignedSums xSums;
    SignedSums ySums;
    split(sums, xSums, ySums);
    result = {xSums.plus, xSums.minus, ySums.plus, ySums.minus};
    return true;
}

#endif

// The whole integral; `Paired` as for integrateBoth().
template<bool Paired>
[[gnu::always_inline]] inline TPatchIntegrals integrate(const InfluenceLine &longitudinal,
                                                        const InfluenceLine &transverse, double x1, double x2,
                                                        double y1, double y2)
{
    TPatchIntegrals result;
    // Both clippings run, also when the first one already misses.
    const bool hitsLongitudinal = clipToLine(x1, x2, longitudinal);
    const bool hitsTransverse = clipToLine(y1, y2, transverse);
    if (!hitsLongitudinal || !hitsTransverse)
        return result;
    // Each line's segments are added in point order; where the processor allows, two proper
    // intervals are walked side by side.
#if defined(__SSE2__)
    if (x1 < x2 && y1 < y2 && integrateBoth<Paired>(result, longitudinal, transverse, x1, x2, y1, y2))
        return result;
#endif
    SignedSums xSums;
    SignedSums ySums;
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

#if defined(TRAGVEL_PAIRED_STEPS)
// The integral in pairs of steps, all of it in 256-bit instructions and in one function:
// switching between them and the plain ones, or calling out of the walk, cost more than the
// pairs save on short lines.
[[gnu::target("avx2"), gnu::flatten]] TPatchIntegrals integrateInPairs(const InfluenceLine &longitudinal,
                                                                       const InfluenceLine &transverse, double x1,
                                                                       double x2, double y1, double y2)
{
    return integrate<true>(longitudinal, transverse, x1, x2, y1, y2);
}
#endif

} // namespace

// Not inlined, so that integratePatch() passes on to either way without a frame of its own.
[[gnu::noinline]] TPatchIntegrals integratePatchInSteps(const InfluenceLine &longitudinal,
                                                        const InfluenceLine &transverse, double x1, double x2,
                                                        double y1, double y2)
{
    return integrate<false>(longitudinal, transverse, x1, x2, y1, y2);
}

bool pairedStepsAvailable()
{
#if defined(TRAGVEL_PAIRED_STEPS)
    return __builtin_cpu_supports("avx2");
#else
    return false;
#endif
}

TPatchIntegrals integratePatch(const InfluenceLine &longitudinal, const InfluenceLine &transverse,
                               double x1, double x2, double y1, double y2)
{
#if defined(TRAGVEL_PAIRED_STEPS)
    if (pairedStepsAvailable())
        return integrateInPairs(longitudinal, transverse, x1, x2, y1, y2);
#endif
    return integratePatchInSteps(longitudinal, transverse, x1, x2, y1, y2);
}

} // namespace tragvel::effects
