#include "effects/patchintegralpaths.h"
#include "effects/patchintegrals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

using tragvel::effects::InfluenceLine;
using tragvel::effects::integratePatch;
using tragvel::effects::TPatchIntegrals;

namespace {

const InfluenceLine unitTransverse{{0.0, 1.0}, {1.0, 1.0}};

struct EdgeCase
{
    std::string name;
    InfluenceLine longitudinal;
    InfluenceLine transverse;
    double x1, x2, y1, y2;
    TPatchIntegrals expected;
};

void expectIntegrals(const TPatchIntegrals &got, const TPatchIntegrals &want)
{
    EXPECT_DOUBLE_EQ(got.NyXPlus, want.NyXPlus);
    EXPECT_DOUBLE_EQ(got.NyXMinus, want.NyXMinus);
    EXPECT_DOUBLE_EQ(got.NyYPlus, want.NyYPlus);
    EXPECT_DOUBLE_EQ(got.NyYMinus, want.NyYMinus);
}

const InfluenceLine rising{{0.0, 0.0}, {10.0, 1.0}};
const InfluenceLine ramp{{0.0, 2.0}, {10.0, 3.0}};
const InfluenceLine stepDown{{0.0, 1.0}, {5.0, 1.0}, {5.0, -2.0}, {10.0, -2.0}};
const InfluenceLine stepAtEnd{{0.0, 1.0}, {10.0, 2.0}, {10.0, -3.0}};
const InfluenceLine plateaus{{0.0, 1.0}, {4.0, 1.0}, {6.0, -1.0}, {10.0, -1.0}};

TEST(PatchIntegrals, EdgeCases)
{
    const std::vector<EdgeCase> cases = {
        {"wholly before the line", rising, unitTransverse, -5, -1, 0, 1, {0, 0, 0, 0}},
        {"ends exactly at s1", rising, unitTransverse, -5, 0, 0, 1, {0, 0, 0, 0}},
        {"starts exactly at sN", rising, unitTransverse, 10, 15, 0, 1, {0, 0, 0, 0}},
        {"beyond sN", rising, unitTransverse, 11, 15, 0, 1, {0, 0, 0, 0}},
        {"point at sN", ramp, unitTransverse, 10, 10, 0, 1, {3, 0, 1, 0}},
        {"point at s1", ramp, unitTransverse, 0, 0, 0, 1, {2, 0, 1, 0}},
        {"point beyond sN", ramp, unitTransverse, 10.5, 10.5, 0, 1, {0, 0, 0, 0}},
        {"point before s1", ramp, unitTransverse, -0.5, -0.5, 0, 1, {0, 0, 0, 0}},
        {"interpolated start", rising, unitTransverse, 5, 10, 0, 1, {3.75, 0, 1, 0}},
        {"interpolated end", rising, unitTransverse, 0, 5, 0, 1, {1.25, 0, 1, 0}},
        {"point between points", rising, unitTransverse, 2.5, 2.5, 0.5, 0.5, {0.25, 0, 1, 0}},
        {"crossing 2 to -2", {{0, 2}, {4, -2}}, unitTransverse, 0, 4, 0, 1, {2, -2, 1, 0}},
        {"crossing inside the patch", {{0, 2}, {4, -2}}, unitTransverse, 1, 4, 0, 1, {0.5, -2, 1, 0}},
        {"point on a zero ordinate", {{0, -1}, {2, 1}}, unitTransverse, 1, 1, 0, 1, {0, 0, 1, 0}},
        {"negative ordinate at a point", {{0, -1}, {2, 1}}, unitTransverse, 0.5, 0.5, 0, 1,
         {0, -0.5, 1, 0}},
        {"point on the later point of a step", stepDown, unitTransverse, 5, 5, 0, 1, {0, -2, 1, 0}},
        {"integral starting at a step", stepDown, unitTransverse, 5, 10, 0, 1, {0, -10, 1, 0}},
        {"integral ending at a step", stepDown, unitTransverse, 0, 5, 0, 1, {5, 0, 1, 0}},
        {"step inside the patch", stepDown, unitTransverse, 3, 7, 0, 1, {2, -4, 1, 0}},
        {"point on a step at the end", stepAtEnd, unitTransverse, 10, 10, 0, 1, {0, -3, 1, 0}},
        {"integral up to a step at the end", stepAtEnd, unitTransverse, 0, 10, 0, 1, {15, 0, 1, 0}},
        {"over-long patch is clipped", plateaus, unitTransverse, -100, 100, -3, 3,
         {4.5, -4.5, 1, 0}},
        {"single point line, point on it", {{3, -0.75}}, unitTransverse, 3, 3, 0, 1,
         {0, -0.75, 1, 0}},
        {"single point line, proper interval", {{3, 2}}, unitTransverse, 2, 4, 0, 1, {0, 0, 0, 0}},
        {"single point line, interval starting on it", {{3, 2}}, unitTransverse, 3, 4, 0, 1,
         {0, 0, 0, 0}},
        {"transverse miss zeroes the longitudinal pair", rising, unitTransverse, 0, 10, 1, 2,
         {0, 0, 0, 0}},
        {"transverse interval over several points", rising, {{0, 0}, {1, 2}, {2, 2}, {3, 0}},
         5, 10, -1, 4, {3.75, 0, 4, 0}},
        {"transverse crossing", rising, {{0, 1.5}, {2, -0.5}}, 5, 10, 0, 2, {3.75, 0, 1.125, -0.125}},
        {"x1 > x2 leaves the longitudinal pair at zero", rising, unitTransverse, 6, 4, 0, 1,
         {0, 0, 1, 0}},
        {"x1 > x2 before the line is a miss", rising, unitTransverse, -1, -3, 0, 1, {0, 0, 0, 0}},
        {"y1 > y2 leaves the transverse pair at zero", rising, unitTransverse, 5, 10, 0.75, 0.25,
         {3.75, 0, 0, 0}},
        {"vertical line of equal abscissae, point on it", {{2, 1}, {2, 4}}, unitTransverse, 2, 2, 0,
         1, {4, 0, 1, 0}},
    };
    for (const EdgeCase &c : cases) {
        SCOPED_TRACE(c.name);
        expectIntegrals(integratePatch(c.longitudinal, c.transverse, c.x1, c.x2, c.y1, c.y2),
                        c.expected);
    }
}

TEST(PatchIntegrals, EmptyLineIsMissed)
{
    expectIntegrals(integratePatch({}, unitTransverse, 0, 1, 0, 1), {0, 0, 0, 0});
    expectIntegrals(integratePatch(rising, {}, 0, 1, 0, 1), {0, 0, 0, 0});
}

// Moment at midspan of a simply supported span L: the triangle (0,0)-(L/2,L/4)-(L,0).
TEST(PatchIntegrals, SimplySupportedMidspanMoment)
{
    const double span = 12.0;
    const InfluenceLine moment{{0.0, 0.0}, {span / 2, span / 4}, {span, 0.0}};
    // A uniform load q on the span gives q L^2 / 8.
    const TPatchIntegrals whole = integratePatch(moment, unitTransverse, 0, span, 0, 1);
    EXPECT_DOUBLE_EQ(whole.NyXPlus, span * span / 8);
    EXPECT_EQ(whole.NyXMinus, 0.0);
    // A point load P at midspan gives P L / 4.
    EXPECT_DOUBLE_EQ(integratePatch(moment, unitTransverse, span / 2, span / 2, 0.5, 0.5).NyXPlus,
                     span / 4);
    // A load over half the span gives half of q L^2 / 8.
    EXPECT_DOUBLE_EQ(integratePatch(moment, unitTransverse, 0, span / 2, 0, 1).NyXPlus,
                     span * span / 16);
}

// Midspan moment of the first of two equal continuous spans: positive over the loaded span,
// negative over the other one.
TEST(PatchIntegrals, TwoSpanContinuousBeamMidspanMoment)
{
    const double span = 10.0;
    const int perSpan = 2000;
    // Moment over the middle support for a unit load at distance a from an end support.
    auto supportMoment = [span](double a) {
        const double b = span - a;
        return -a * b * (span + a) / (4 * span * span);
    };
    InfluenceLine line;
    for (int i = 0; i <= 2 * perSpan; ++i) {
        const double x = span * i / perSpan;
        double ordinate;
        if (i <= perSpan) {
            const double simple = x <= span / 2 ? x / 2 : (span - x) / 2;
            ordinate = simple + supportMoment(x) / 2;
        } else {
            ordinate = supportMoment(2 * span - x) / 2;
        }
        line.push_back({x, ordinate});
    }
    const TPatchIntegrals result = integratePatch(line, unitTransverse, 0, 2 * span, 0, 1);
    // Closed forms: 3 L^2 / 32 over the first span and -L^2 / 32 over the second.
    EXPECT_NEAR(result.NyXPlus, 3 * span * span / 32, 1e-5 * span * span);
    EXPECT_NEAR(result.NyXMinus, -span * span / 32, 1e-5 * span * span);
    // The second span alone holds the whole negative part.
    const TPatchIntegrals second = integratePatch(line, unitTransverse, span, 2 * span, 0, 1);
    EXPECT_EQ(second.NyXPlus, 0.0);
    EXPECT_NEAR(second.NyXMinus, -span * span / 32, 1e-5 * span * span);
}

// A transverse distribution by the lever rule whose area is 1.
TEST(PatchIntegrals, TransverseLineOfUnitArea)
{
    const InfluenceLine lever{{0.0, 1.5}, {2.0, -0.5}};
    const TPatchIntegrals result = integratePatch(rising, lever, 0, 10, -1, 3);
    EXPECT_DOUBLE_EQ(result.NyYPlus + result.NyYMinus, 1.0);
    EXPECT_DOUBLE_EQ(result.NyYPlus, 1.5 * 1.5 / 2);
    EXPECT_DOUBLE_EQ(result.NyYMinus, -0.5 * 0.5 / 2);
    EXPECT_DOUBLE_EQ(result.NyXPlus, 5.0);
}

// ---- random lines against independent computations ----

InfluenceLine randomLine(std::mt19937 &random)
{
    std::uniform_int_distribution<int> count(1, 30);
    std::uniform_real_distribution<double> start(-20.0, 20.0);
    std::uniform_real_distribution<double> gap(0.0, 5.0);
    std::uniform_real_distribution<double> ordinate(-5.0, 5.0);
    std::uniform_int_distribution<int> kind(0, 9);
    InfluenceLine line;
    double x = start(random);
    const int n = count(random);
    for (int i = 0; i < n; ++i) {
        if (i > 0 && kind(random) != 0) // one gap in ten is a step
            x += gap(random);
        const double y = kind(random) == 0 ? 0.0 : ordinate(random);
        line.push_back({x, y});
    }
    return line;
}

// Ordinate by a linear search from the end; inside a step the later point wins.
double ordinateAt(const InfluenceLine &line, double x)
{
    for (size_t k = line.size(); k-- > 1;) {
        const auto &p = line[k - 1];
        const auto &q = line[k];
        if (p.abscissa <= x && x <= q.abscissa) {
            if (x == q.abscissa && k + 1 == line.size())
                return q.ordinate; // the last point, also after a step at the end
            if (x == p.abscissa)
                return p.ordinate;
            if (x == q.abscissa || q.abscissa == p.abscissa)
                return q.ordinate;
            const double t = (x - p.abscissa) / (q.abscissa - p.abscissa);
            return (1 - t) * p.ordinate + t * q.ordinate;
        }
    }
    return line.front().ordinate;
}

// Antiderivative of the line from its first abscissa, from whole trapezoids plus a part.
double antiderivative(const InfluenceLine &line, double x)
{
    double sum = 0.0;
    for (size_t k = 1; k < line.size(); ++k) {
        const auto &p = line[k - 1];
        const auto &q = line[k];
        if (q.abscissa <= x) {
            sum += (q.abscissa - p.abscissa) * (p.ordinate + q.ordinate) / 2;
        } else {
            if (p.abscissa < x) {
                const double t = (x - p.abscissa) / (q.abscissa - p.abscissa);
                const double end = p.ordinate + t * (q.ordinate - p.ordinate);
                sum += (x - p.abscissa) * (p.ordinate + end) / 2;
            }
            break;
        }
    }
    return sum;
}

// Positive and negative parts estimated by the midpoint rule, sampling each segment finely.
std::pair<double, double> sampledParts(const InfluenceLine &line, double a, double b)
{
    double plus = 0.0, minus = 0.0;
    const int samples = 2000;
    for (size_t k = 1; k < line.size(); ++k) {
        const double from = std::max(a, line[k - 1].abscissa);
        const double to = std::min(b, line[k].abscissa);
        if (!(from < to))
            continue;
        const double h = (to - from) / samples;
        for (int i = 0; i < samples; ++i) {
            const double x = from + (i + 0.5) * h;
            const double t = (x - line[k - 1].abscissa) / (line[k].abscissa - line[k - 1].abscissa);
            const double y = line[k - 1].ordinate + t * (line[k].ordinate - line[k - 1].ordinate);
            (y >= 0 ? plus : minus) += y * h;
        }
    }
    return {plus, minus};
}

TEST(PatchIntegrals, RandomLinesAgreeWithIndependentIntegration)
{
    std::mt19937 random(20240611u);
    std::uniform_real_distribution<double> position(-30.0, 120.0);
    std::uniform_int_distribution<int> pointChance(0, 7);
    int proper = 0, points = 0;
    for (int trial = 0; trial < 600; ++trial) {
        SCOPED_TRACE(trial);
        const InfluenceLine longitudinal = randomLine(random);
        const InfluenceLine transverse = randomLine(random);
        double x1 = position(random), x2 = position(random);
        if (x1 > x2)
            std::swap(x1, x2);
        const bool point = pointChance(random) == 0;
        if (point) {
            // A point somewhere on the line, its points included.
            const auto &p = longitudinal[size_t(random() % longitudinal.size())];
            x1 = x2 = pointChance(random) < 4 ? p.abscissa : p.abscissa + 0.25;
        }
        const double y1 = transverse.front().abscissa - 1.0;
        const double y2 = transverse.back().abscissa + 1.0;
        const TPatchIntegrals r = integratePatch(longitudinal, transverse, x1, x2, y1, y2);

        EXPECT_GE(r.NyXPlus, 0.0);
        EXPECT_LE(r.NyXMinus, 0.0);
        EXPECT_GE(r.NyYPlus, 0.0);
        EXPECT_LE(r.NyYMinus, 0.0);

        const double s1 = longitudinal.front().abscissa;
        const double sN = longitudinal.back().abscissa;
        const bool transverseHit = transverse.front().abscissa < transverse.back().abscissa;
        if (!transverseHit) {
            EXPECT_EQ(r.NyXPlus, 0.0);
            EXPECT_EQ(r.NyXMinus, 0.0);
            continue;
        }
        const double a = std::max(x1, s1), b = std::min(x2, sN);
        if (point) {
            if (s1 <= x1 && x1 <= sN) {
                ++points;
                const double y = ordinateAt(longitudinal, x1);
                EXPECT_NEAR(r.NyXPlus + r.NyXMinus, y, 1e-12 * (1 + std::abs(y)));
                EXPECT_TRUE(r.NyXPlus == 0.0 || r.NyXMinus == 0.0);
            } else {
                EXPECT_EQ(r.NyXPlus, 0.0);
                EXPECT_EQ(r.NyXMinus, 0.0);
            }
            continue;
        }
        if (!(a < b)) {
            EXPECT_EQ(r.NyXPlus, 0.0);
            EXPECT_EQ(r.NyXMinus, 0.0);
            continue;
        }
        ++proper;
        const double scale = r.NyXPlus - r.NyXMinus;
        const double exact = antiderivative(longitudinal, b) - antiderivative(longitudinal, a);
        EXPECT_NEAR(r.NyXPlus + r.NyXMinus, exact, 1e-9 * scale + 1e-12);
        const auto [plus, minus] = sampledParts(longitudinal, a, b);
        EXPECT_NEAR(r.NyXPlus, plus, 1e-5 * (1 + scale));
        EXPECT_NEAR(r.NyXMinus, minus, 1e-5 * (1 + scale));

        // The whole transverse line is covered: its pair is the line's total areas.
        const auto [yPlus, yMinus] = sampledParts(transverse, y1, y2);
        EXPECT_NEAR(r.NyYPlus, yPlus, 1e-5 * (1 + r.NyYPlus - r.NyYMinus));
        EXPECT_NEAR(r.NyYMinus, yMinus, 1e-5 * (1 + r.NyYPlus - r.NyYMinus));
    }
    // The draw must exercise both kinds of interval.
    EXPECT_GT(proper, 200);
    EXPECT_GT(points, 30);
}

// ---- the stated walk, point by point, against the searching implementation ----

// The integrals by the plain walk of the algorithm: every search starts at the first point.
struct WalkedPair
{
    double plus = 0.0;
    double minus = 0.0;
    void add(double v) { (v >= 0.0 ? plus : minus) += v; }
};

double walkedInterpolate(const tragvel::effects::LinePoint &p, const tragvel::effects::LinePoint &q, double x)
{
    return p.ordinate + (x - p.abscissa) * (q.ordinate - p.ordinate) / (q.abscissa - p.abscissa);
}

void walkedSegment(WalkedPair &sums, double xp, double ep, double xq, double eq)
{
    if (ep * eq >= 0.0) {
        sums.add((xq - xp) * (ep + eq) * 0.5);
        return;
    }
    const double x0 = xp + std::abs(ep) * (xq - xp) / (std::abs(ep) + std::abs(eq));
    sums.add((x0 - xp) * ep / 2.0);
    sums.add((xq - x0) * eq / 2.0);
}

bool walkedClip(double &a, double &b, const InfluenceLine &line)
{
    bool hit = true;
    if (line.front().abscissa > a) {
        if (line.front().abscissa >= b)
            hit = false;
        else
            a = line.front().abscissa;
    }
    if ((line.back().abscissa == a && a < b) || line.back().abscissa < a)
        hit = false;
    if (line.back().abscissa < b && line.back().abscissa > a)
        b = line.back().abscissa;
    return hit;
}

WalkedPair walkedLine(const InfluenceLine &line, double a, double b)
{
    WalkedPair sums;
    const size_t n = line.size();
    size_t k = 0;
    if (a == b) {
        while (!(line[k].abscissa > a) && k + 1 < n)
            ++k;
        if (k == 0 || line[k].abscissa == line[k - 1].abscissa)
            sums.add(line[k].ordinate);
        else
            sums.add(walkedInterpolate(line[k - 1], line[k], a));
        return sums;
    }
    if (a > b)
        return sums;
    while (!(line[k].abscissa > a))
        ++k;
    double xp = a, ep = walkedInterpolate(line[k - 1], line[k], a);
    for (; line[k].abscissa < b; ++k) {
        walkedSegment(sums, xp, ep, line[k].abscissa, line[k].ordinate);
        xp = line[k].abscissa;
        ep = line[k].ordinate;
    }
    walkedSegment(sums, xp, ep, b, walkedInterpolate(line[k - 1], line[k], b));
    return sums;
}

// A line of up to 400 points with steps, zeros and both signs.
InfluenceLine longRandomLine(std::mt19937 &random)
{
    std::uniform_int_distribution<int> count(1, 400);
    std::uniform_real_distribution<double> gap(0.0, 0.5);
    std::uniform_real_distribution<double> ordinate(-5.0, 5.0);
    std::uniform_int_distribution<int> kind(0, 9);
    InfluenceLine line;
    double x = -10.0;
    const int n = count(random);
    for (int i = 0; i < n; ++i) {
        if (i > 0 && kind(random) != 0)
            x += gap(random);
        line.push_back({x, kind(random) == 0 ? 0.0 : ordinate(random)});
    }
    return line;
}

// A bound on a point, just beside one, or anywhere over the line and beyond it.
double randomBound(std::mt19937 &random, const InfluenceLine &line)
{
    std::uniform_int_distribution<int> kind(0, 3);
    const auto &p = line[size_t(random() % line.size())];
    switch (kind(random)) {
    case 0:
        return p.abscissa;
    case 1:
        return std::nextafter(p.abscissa, 1e300);
    case 2:
        return std::nextafter(p.abscissa, -1e300);
    default:
        return std::uniform_real_distribution<double>(line.front().abscissa - 5.0, line.back().abscissa + 5.0)(random);
    }
}

// The integrals of the plain walk, after its own clipping; zeros where the patch misses.
std::array<double, 4> walkedIntegrals(const InfluenceLine &longitudinal, const InfluenceLine &transverse,
                                      double x1, double x2, double y1, double y2)
{
    WalkedPair x, y;
    double a = x1, b = x2, c = y1, d = y2;
    const bool hitX = walkedClip(a, b, longitudinal);
    const bool hitY = walkedClip(c, d, transverse);
    if (hitX && hitY) {
        x = walkedLine(longitudinal, a, b);
        y = walkedLine(transverse, c, d);
    }
    return {x.plus, x.minus, y.plus, y.minus};
}

using Integrator = TPatchIntegrals (*)(const InfluenceLine &, const InfluenceLine &, double, double, double, double);

// Both ways through the processor must give the walk's bits: integratePatch() takes two steps
// at a time where the processor can (pairedStepsAvailable()), and one at a time otherwise.
const std::pair<const char *, Integrator> integrators[] = {
    {"integratePatch", &integratePatch},
    {"integratePatchInSteps", &tragvel::effects::integratePatchInSteps},
};

// The same bits, signed zeros included. Which NaN an operation passes on is not the same from
// one compilation to the next (the compiler may swap the operands of a sum or a product), so
// any NaN matches any NaN.
void expectWalkedBits(const TPatchIntegrals &got, const std::array<double, 4> &want)
{
    const double have[] = {got.NyXPlus, got.NyXMinus, got.NyYPlus, got.NyYMinus};
    for (size_t i = 0; i < 4; ++i) {
        if (std::isnan(want[i]))
            EXPECT_TRUE(std::isnan(have[i])) << i << ": " << have[i];
        else
            EXPECT_EQ(std::bit_cast<std::uint64_t>(have[i]), std::bit_cast<std::uint64_t>(want[i]))
                << i << ": " << have[i] << " against " << want[i];
    }
}

TEST(PatchIntegrals, SearchingGivesTheWalkedResultsBitForBit)
{
    std::mt19937 random(19u);
    int compared = 0;
    for (int trial = 0; trial < 4000; ++trial) {
        SCOPED_TRACE(trial);
        const InfluenceLine longitudinal = longRandomLine(random);
        const InfluenceLine transverse = longRandomLine(random);
        double x1 = randomBound(random, longitudinal), x2 = randomBound(random, longitudinal);
        double y1 = randomBound(random, transverse), y2 = randomBound(random, transverse);
        if (trial % 5 == 0)
            x2 = x1; // a point interval
        else if (x1 > x2 && trial % 7 != 0)
            std::swap(x1, x2);
        if (y1 > y2)
            std::swap(y1, y2);
        const std::array<double, 4> want = walkedIntegrals(longitudinal, transverse, x1, x2, y1, y2);
        compared += want != std::array<double, 4>{} ? 1 : 0;
        for (const auto &[name, integrate] : integrators) {
            SCOPED_TRACE(name);
            expectWalkedBits(integrate(longitudinal, transverse, x1, x2, y1, y2), want);
        }
    }
    EXPECT_GT(compared, 2000);
}

// Lines on which the walks in steps and in pairs must take their rarer turns.
TEST(PatchIntegrals, RareTurnsGiveTheWalkedResultsBitForBit)
{
    // From (2, 0.4) to (5.2, -8e-18) the zero rounds to 5.2000000000000011, past the chord's end,
    // so both triangles have one sign; the walk in pairs meets it in its second pair.
    const InfluenceLine zeroPastTheEnd{{0.0, 1.0}, {1.0, 0.5}, {2.0, 0.4}, {5.2, -8e-18}, {6.0, -1.0},
                                       {7.0, 1.0}, {8.0, 0.5}, {9.0, 2.0}};
    // Ordinates whose differences overflow: interpolating at a point's own abscissa gives NaN.
    const InfluenceLine overflowing{{0.0, 1e308}, {1.0, -1e308}, {2.0, 1e308}, {3.0, -1e308}, {4.0, 1e308},
                                    {5.0, -1e308}, {6.0, 1e308}};
    // Lines whose pairs end together, one after the other, or with one line going on alone.
    const InfluenceLine even{{0.0, 1.0}, {1.0, -1.0}, {2.0, 2.0}, {3.0, -2.0}, {4.0, 1.0}, {5.0, 0.0},
                             {6.0, -3.0}, {7.0, 1.0}};
    struct Case
    {
        const char *name;
        const InfluenceLine &longitudinal;
        const InfluenceLine &transverse;
        double x1, x2, y1, y2;
    };
    const Case cases[] = {
        {"zero past the chord's end", zeroPastTheEnd, zeroPastTheEnd, 0.5, 8.5, 0.5, 8.5},
        {"NaN from overflow", overflowing, even, 1.0, 5.5, 0.5, 6.5},
        {"both lines end in one pair", even, even, 0.5, 6.5, 0.25, 6.75},
        {"the transverse line ends a step later", even, even, 0.5, 5.5, 0.25, 6.5},
        {"the longitudinal line goes on alone", even, even, 0.5, 6.9, 0.25, 2.5},
        {"the transverse line goes on alone", even, zeroPastTheEnd, 0.5, 2.5, 0.5, 8.9},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::array<double, 4> want = walkedIntegrals(c.longitudinal, c.transverse, c.x1, c.x2, c.y1, c.y2);
        for (const auto &[name, integrate] : integrators) {
            SCOPED_TRACE(name);
            expectWalkedBits(integrate(c.longitudinal, c.transverse, c.x1, c.x2, c.y1, c.y2), want);
        }
    }
}

} // namespace
