#include "influence/continuousbeam.h"
#include "influence/linesampling.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace tragvel::influence;

namespace {

ContinuousBeam beam(std::vector<double> spans, bool fixedStart = false, bool fixedEnd = false)
{
    const size_t n = spans.size();
    return {std::move(spans), std::vector<double>(n, 1.0), fixedStart, fixedEnd};
}

void expectPoints(const SampledLine &line, const std::vector<LinePoint> &expected)
{
    ASSERT_EQ(line.points.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_DOUBLE_EQ(line.points[i].station, expected[i].station) << "point " << i;
        EXPECT_NEAR(line.points[i].ordinate, expected[i].ordinate, 1e-14) << "point " << i;
    }
}

// The straight segments through the points at the station (the last point of a step counts).
double interpolated(const std::vector<LinePoint> &points, double station)
{
    for (size_t i = 1; i < points.size(); ++i)
        if (station <= points[i].station && points[i].station > points[i - 1].station) {
            const LinePoint &a = points[i - 1];
            const LinePoint &b = points[i];
            return a.ordinate + (b.ordinate - a.ordinate) * (station - a.station) / (b.station - a.station);
        }
    return points.back().ordinate;
}

} // namespace

TEST(BeamLine, SimplySupportedMomentIsTheTriangleWithItsPeakAtTheSection)
{
    const ContinuousBeam simple = beam({12.0});
    const BeamSection section{BeamEffect::Moment, 3.0, 0};
    for (double a = 0.0; a <= 12.0; a += 0.375)
        EXPECT_NEAR(influenceOrdinate(simple, section, a, false), a <= 3.0 ? a * 9.0 / 12.0 : 3.0 * (12.0 - a) / 12.0,
                    1e-14);
    const SampledLine line = sampleBeamLine(simple, section, 100);
    expectPoints(line, {{0, 0}, {3, 2.25}, {12, 0}});
    EXPECT_EQ(line.deviation, 0.0);
}

TEST(BeamLine, SimplySupportedShearJumpsByOneAtTheSection)
{
    const SampledLine line = sampleBeamLine(beam({12.0}), {BeamEffect::Shear, 3.0, 0}, 100);
    expectPoints(line, {{0, 0}, {3, -0.25}, {3, 0.75}, {12, 0}});
    EXPECT_EQ(line.deviation, 0.0);
}

TEST(BeamLine, TwoEqualSpansSupportMomentFollowsTheClosedForm)
{
    const ContinuousBeam twoSpans = beam({16.0, 16.0});
    const BeamSection support{BeamEffect::Moment, 16.0, 0};
    const auto closedForm = [](double x) { return -x * (256.0 - x * x) / 1024.0; };
    for (double x = 0.0; x <= 32.0; x += 0.5)
        EXPECT_NEAR(influenceOrdinate(twoSpans, support, x, false), closedForm(x <= 16.0 ? x : 32.0 - x), 1e-13)
            << "x = " << x;

    const SampledLine line = sampleBeamLine(twoSpans, support, 100);
    // Both spans get the same points, so one of the 100 stays unused.
    ASSERT_EQ(line.points.size(), 99u);
    EXPECT_EQ(line.points.front().station, 0.0);
    EXPECT_EQ(line.points.back().station, 32.0);
    EXPECT_EQ(std::count_if(line.points.begin(), line.points.end(), [](const LinePoint &p) { return p.station == 16.0; }),
              1);
    // The reported deviation is the real one, found on a fine grid ...
    double seen = 0.0;
    for (int i = 0; i <= 32000; ++i) {
        const double x = i * 0.001;
        seen = std::max(seen, std::abs(closedForm(x <= 16.0 ? x : 32.0 - x) - interpolated(line.points, x)));
    }
    EXPECT_LE(seen, line.deviation * 1.000001);
    EXPECT_GE(seen, line.deviation * 0.999);
    // ... and well below that of 100 evenly spread points (spacing 32/99).
    double even = 0.0;
    for (int i = 0; i <= 32000; ++i) {
        const double x = i * 0.001;
        const double h = 32.0 / 99.0;
        const double left = std::floor(x / h) * h;
        const double right = std::min(32.0, left + h);
        const auto f = [&](double s) { return closedForm(s <= 16.0 ? s : 32.0 - s); };
        const double chord = right > left ? f(left) + (f(right) - f(left)) * (x - left) / (right - left) : f(x);
        even = std::max(even, std::abs(f(x) - chord));
    }
    EXPECT_LT(line.deviation, 0.8 * even);
}

TEST(BeamLine, ProppedCantileverFixedEndMomentAndFarReaction)
{
    const double L = 10.0;
    const ContinuousBeam propped = beam({L}, true, false);
    for (double a = 0.0; a <= L; a += 0.625) {
        const double b = L - a;
        EXPECT_NEAR(influenceOrdinate(propped, {BeamEffect::Moment, 0.0, 0}, a, false),
                    -a * b * (L + b) / (2.0 * L * L), 1e-14);
        EXPECT_NEAR(influenceOrdinate(propped, {BeamEffect::Reaction, 0.0, 1}, a, false),
                    a * a * (3.0 * L - a) / (2.0 * L * L * L), 1e-14);
    }
}

// Maxwell: the deflection at b under a unit load at a equals the deflection at a under a unit load
// at b. Each deflection is the work integral of the beam's moment line against the moment of the
// released beam (simple spans) under the other load, integrated exactly by Simpson's rule between
// the kinks of the two piecewise linear moment diagrams.
TEST(BeamLine, MaxwellReciprocityOverRandomBeams)
{
    std::mt19937 random(17);
    std::uniform_real_distribution<double> length(2.0, 30.0), stiffness(0.5, 3.0), unit(0.0, 1.0);
    for (int trial = 0; trial < 200; ++trial) {
        ContinuousBeam b;
        const int spans = 1 + int(random() % 5);
        for (int k = 0; k < spans; ++k) {
            b.spans.push_back(length(random));
            b.stiffnesses.push_back(stiffness(random));
        }
        b.fixedStart = random() % 2;
        b.fixedEnd = random() % 2;
        const std::vector<double> supports = supportStations(b);
        const double total = supports.back();

        const auto deflection = [&](double at, double load) {
            size_t k = 0;
            while (k + 1 < b.spans.size() && at > supports[k + 1])
                ++k;
            const double start = supports[k];
            const double end = supports[k + 1];
            const double L = end - start;
            const auto released = [&](double x) {
                const double u = at - start;
                const double s = x - start;
                return s <= u ? s * (L - u) / L : u * (L - s) / L;
            };
            const auto integrand = [&](double x) {
                return influenceOrdinate(b, {BeamEffect::Moment, x, 0}, load, false) * released(x) / b.stiffnesses[k];
            };
            std::vector<double> kinks{start, end, at};
            if (load > start && load < end)
                kinks.push_back(load);
            std::sort(kinks.begin(), kinks.end());
            double sum = 0.0;
            for (size_t i = 0; i + 1 < kinks.size(); ++i) {
                const double p = kinks[i], q = kinks[i + 1];
                sum += (q - p) / 6.0 * (integrand(p) + 4.0 * integrand(0.5 * (p + q)) + integrand(q));
            }
            return sum;
        };
        const double a = unit(random) * total;
        const double c = unit(random) * total;
        const double ac = deflection(a, c);
        const double ca = deflection(c, a);
        EXPECT_NEAR(ac, ca, 1e-9 * std::max({1.0, std::abs(ac), std::abs(ca)})) << "trial " << trial;
    }
}

// On pinned ends the reactions balance the load in force and moment, and the moment and shear at a
// section follow from the reactions on its left.
TEST(BeamLine, ReactionsBalanceTheLoadAndGiveTheSectionEffects)
{
    std::mt19937 random(4);
    std::uniform_real_distribution<double> length(1.0, 20.0), stiffness(0.2, 5.0), unit(0.0, 1.0);
    for (int trial = 0; trial < 100; ++trial) {
        ContinuousBeam b;
        const int spans = 1 + int(random() % 10);
        for (int k = 0; k < spans; ++k) {
            b.spans.push_back(length(random));
            b.stiffnesses.push_back(stiffness(random));
        }
        const std::vector<double> supports = supportStations(b);
        const double load = unit(random) * supports.back();
        const double x = unit(random) * supports.back();
        double force = 0.0, moment = 0.0, leftMoment = 0.0, leftShear = 0.0;
        for (int i = 0; i <= spans; ++i) {
            const double r = influenceOrdinate(b, {BeamEffect::Reaction, 0.0, i}, load, false);
            force += r;
            moment += r * supports[size_t(i)];
            if (supports[size_t(i)] <= x) {
                leftMoment += r * (x - supports[size_t(i)]);
                leftShear += r;
            }
        }
        if (load < x) {
            leftMoment -= x - load;
            leftShear -= 1.0;
        }
        EXPECT_NEAR(force, 1.0, 1e-12);
        EXPECT_NEAR(moment, load, 1e-10);
        EXPECT_NEAR(influenceOrdinate(b, {BeamEffect::Moment, x, 0}, load, false), leftMoment, 1e-10);
        EXPECT_NEAR(influenceOrdinate(b, {BeamEffect::Shear, x, 0}, load, false), leftShear, 1e-10);
    }
}
