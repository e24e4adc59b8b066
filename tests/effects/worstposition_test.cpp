#include "effects/worstposition.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

using tragvel::InfluenceLine;
using namespace tragvel::effects;

// The midspan moment of a simply supported span L: 0 at the supports, L/4 at midspan.
InfluenceLine midspanMoment(double L)
{
    return {{0.0, 0.0}, {L / 2.0, L / 4.0}, {L, 0.0}};
}

const InfluenceLine unitTransverse{{-5.0, 1.0}, {5.0, 1.0}};

WorstPositionTask task(InfluenceLine longitudinal, std::vector<VehiclePatch> vehicle, EffectSense sense)
{
    WorstPositionTask t;
    t.longitudinal = std::move(longitudinal);
    t.transverse = unitTransverse;
    t.vehicle = std::move(vehicle);
    t.dx = passingRange(t.longitudinal, t.vehicle);
    t.sense = sense;
    return t;
}

TEST(WorstPosition, SingleAxleStandsAtMidspan)
{
    const WorstPosition best = findWorstPosition(task(midspanMoment(12.0), {{0, 0, 0, 0, 100.0}}, EffectSense::Larger));
    EXPECT_NEAR(best.dx, 6.0, 1e-12);
    EXPECT_DOUBLE_EQ(best.effect, 100.0 * 12.0 / 4.0);
}

TEST(WorstPosition, TwoAxlesReachThePlateauBetweenThem)
{
    const double L = 12.0, a = 3.0, P = 50.0;
    const WorstPositionTask t = task(midspanMoment(L), {{0, 0, 0, 0, P}, {a, a, 0, 0, P}}, EffectSense::Positive);
    const WorstPosition best = findWorstPosition(t);
    EXPECT_NEAR(best.effect, P * (L - a) / 2.0, 1e-12);
    // Midspan lies between the axles: every such position gives the plateau value.
    EXPECT_GE(best.dx, L / 2.0 - a - 1e-12);
    EXPECT_LE(best.dx, L / 2.0 + 1e-12);
    EXPECT_DOUBLE_EQ(vehicleEffect(t, best.dx, 0.0), best.effect);
}

// The support moment over the middle support of two equal spans L (unit moment, EI constant):
// m(x) = -x (L^2 - x^2) / (4 L^2) in each span, sampled densely so the cubic is close.
InfluenceLine supportMoment(double L, int perSpan)
{
    InfluenceLine line;
    for (int i = 0; i <= 2 * perSpan; ++i) {
        const double x = L * i / perSpan;
        const double xi = x <= L ? x : 2.0 * L - x;
        line.push_back({x, -xi * (L * L - xi * xi) / (4.0 * L * L)});
    }
    return line;
}

// A positive axle on the negative line only relieves it: it counts with the relieving share. With
// the whole share counted an axle of either sign is worst at L / sqrt 3; with none it has no effect.
TEST(WorstPosition, SupportMomentIsWorstAtOneOverRootThreeOfTheSpan)
{
    const double L = 16.0;
    const struct
    {
        double load, relief, expected;
    } cases[] = {
        {10.0, 100.0, -10.0 * L / (6.0 * std::sqrt(3.0))},
        {-10.0, 100.0, 10.0 * L / (6.0 * std::sqrt(3.0))},
        {10.0, 0.0, 0.0},
    };
    for (const auto &c : cases) {
        WorstPositionTask t = task(supportMoment(L, 3000), {{0, 0, 0, 0, c.load}}, EffectSense::Larger);
        t.relief = c.relief;
        const WorstPosition best = findWorstPosition(t);
        EXPECT_NEAR(best.effect, c.expected, 1e-5) << c.load << " " << c.relief;
        if (c.expected != 0.0) {
            // The sampled line is close to the cubic: the search sits on the point nearest L / sqrt 3.
            const double x = std::min(best.dx, 2.0 * L - best.dx);
            EXPECT_NEAR(x, L / std::sqrt(3.0), L / 3000.0) << c.load << " " << c.relief;
        }
    }
}

InfluenceLine randomLine(std::mt19937 &rng, int points, double from, double to)
{
    std::uniform_real_distribution<double> ordinate(-1.0, 1.5);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    InfluenceLine line;
    double x = from;
    for (int i = 0; i < points; ++i) {
        line.push_back({x, ordinate(rng)});
        if (unit(rng) < 0.1)
            line.push_back({x, ordinate(rng)}); // a step
        x += (to - from) / (points - 1);
    }
    return line;
}

std::vector<VehiclePatch> randomVehicle(std::mt19937 &rng, int patches)
{
    std::uniform_real_distribution<double> pos(0.0, 6.0), across(-1.0, 1.0), len(0.0, 1.5), load(-20.0, 60.0),
        unit(0.0, 1.0);
    std::vector<VehiclePatch> vehicle;
    for (int i = 0; i < patches; ++i) {
        const double x = pos(rng), y = across(rng);
        const bool point = unit(rng) < 0.4;
        vehicle.push_back({x, point ? x : x + len(rng), y, point ? y : y + len(rng), load(rng)});
    }
    return vehicle;
}

struct BruteCase
{
    bool twoD;
    EffectSense sense;
    double relief;
};

class WorstPositionBrute : public ::testing::TestWithParam<BruteCase>
{
};

// The search is never worse than a dense grid of positions and finds its value within 1e-9.
TEST_P(WorstPositionBrute, NeverWorseThanDenseStepping)
{
    const BruteCase c = GetParam();
    std::mt19937 rng(c.twoD ? 16 : 61);
    for (int trial = 0; trial < 12; ++trial) {
        WorstPositionTask t;
        t.longitudinal = randomLine(rng, 9, 0.0, 20.0);
        t.transverse = randomLine(rng, 5, -3.0, 3.0);
        t.vehicle = randomVehicle(rng, 1 + trial % 4);
        t.delta = 1.25;
        t.relief = c.relief;
        t.dx = passingRange(t.longitudinal, t.vehicle);
        t.dy = c.twoD ? ShiftRange{-2.0, 1.5} : ShiftRange{0.3, 0.3};
        t.sense = c.sense;
        const WorstPosition found = findWorstPosition(t);
        ASSERT_DOUBLE_EQ(vehicleEffect(t, found.dx, found.dy), found.effect);

        const int nx = c.twoD ? 600 : 20000, ny = c.twoD ? 150 : 1;
        double bruteMax = -INFINITY, bruteMin = INFINITY;
        for (int i = 0; i <= nx; ++i)
            for (int j = 0; j <= ny; ++j) {
                const double dx = t.dx.from + (t.dx.to - t.dx.from) * i / nx;
                const double dy = t.dy.from + (t.dy.to - t.dy.from) * j / std::max(ny, 1);
                const double e = vehicleEffect(t, dx, dy);
                bruteMax = std::max(bruteMax, e);
                bruteMin = std::min(bruteMin, e);
            }
        const double brute = c.sense == EffectSense::Positive   ? bruteMax
                             : c.sense == EffectSense::Negative ? bruteMin
                             : std::abs(bruteMin) > std::abs(bruteMax) ? bruteMin
                                                                        : bruteMax;
        const double scale = 1e-9 * std::max(std::abs(bruteMax), std::abs(bruteMin));
        if (brute >= 0.0 && c.sense != EffectSense::Negative)
            EXPECT_GE(found.effect, brute - scale) << "trial " << trial;
        else
            EXPECT_LE(found.effect, brute + scale) << "trial " << trial;
        // Dense stepping comes close to the exact optimum from below.
        EXPECT_NEAR(found.effect, brute, c.twoD ? 0.05 * std::abs(brute) + 1e-9 : 0.01 * std::abs(brute) + 1e-9)
            << "trial " << trial;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, WorstPositionBrute,
                         ::testing::Values(BruteCase{false, EffectSense::Positive, 0.0},
                                           BruteCase{false, EffectSense::Negative, 40.0},
                                           BruteCase{false, EffectSense::Larger, 100.0},
                                           BruteCase{true, EffectSense::Positive, 25.0},
                                           BruteCase{true, EffectSense::Negative, 0.0}));

TEST(WorstPosition, PassingRangeRunsFromFullyBeforeToFullyAfter)
{
    const ShiftRange r = passingRange(midspanMoment(12.0), {{1.0, 2.0, 0, 0, 1}, {4.0, 4.5, 0, 0, 1}});
    EXPECT_DOUBLE_EQ(r.from, -4.5);
    EXPECT_DOUBLE_EQ(r.to, 11.0);
}

} // namespace
