#include "loads/loadextent.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace tragvel;

namespace {

TEST(LoadExtent, SinglePointLoadAtTheOrigin)
{
    const std::vector<LoadPatch> patches{{0, 0, 0, 0, 10, 1}};
    const LoadExtent raw = rawLoadExtent(patches, 0, 0);
    EXPECT_EQ(raw.xmin, 0.0);
    EXPECT_EQ(raw.xmax, 0.0);
    EXPECT_EQ(raw.qmin, -1.0);
    EXPECT_EQ(raw.qmax, 10.0);

    // -0.1 .. 0.1 before the margins; each new upper bound feeds the lower one.
    const LoadExtent e = loadExtent(patches, 0, 0);
    EXPECT_DOUBLE_EQ(e.xmax, 0.106);
    EXPECT_DOUBLE_EQ(e.xmin, -0.10618);
    EXPECT_DOUBLE_EQ(e.ymax, 0.106);
    EXPECT_DOUBLE_EQ(e.ymin, -0.10618);
    EXPECT_DOUBLE_EQ(e.qmax, 11.1);
    EXPECT_DOUBLE_EQ(e.qmin, -2.21);
}

TEST(LoadExtent, NegativeLoadSetsTheLowerLoadBound)
{
    const std::vector<LoadPatch> patches{{0, 2, 0, 1, 10, 1}, {1, 1, 0, 0, -20, 0}, {3, 4, 0, 1, 5, 2}};
    const LoadExtent raw = rawLoadExtent(patches, 0, 0);
    EXPECT_EQ(raw.qmin, -20.0);
    EXPECT_EQ(raw.qmax, 10.0);
    const LoadExtent e = loadExtent(patches, 0, 0);
    EXPECT_DOUBLE_EQ(e.qmax, 13.0);
    EXPECT_DOUBLE_EQ(e.qmin, -23.3);
    // xmin 0 is moved off zero; x runs -0.1 .. 4 before the margins.
    EXPECT_DOUBLE_EQ(e.xmax, 4.123);
    EXPECT_DOUBLE_EQ(e.xmin, -0.1 - 0.03 * 4.223);
}

TEST(LoadExtent, LoadRangeAlwaysHoldsMinusOneToOne)
{
    const LoadExtent raw = rawLoadExtent({{1, 2, 1, 2, 0.5, 1}}, 1, 1);
    EXPECT_EQ(raw.qmin, -1.0);
    EXPECT_EQ(raw.qmax, 1.0);
}

TEST(LoadExtent, ReferencePointCounts)
{
    const LoadExtent raw = rawLoadExtent({{1, 2, 1, 2, 10, 1}}, -3, 7);
    EXPECT_EQ(raw.xmin, -3.0);
    EXPECT_EQ(raw.xmax, 2.0);
    EXPECT_EQ(raw.ymin, 1.0);
    EXPECT_EQ(raw.ymax, 7.0);
}

TEST(LoadExtent, CoincidingValuesAwayFromZeroAreWidened)
{
    const LoadExtent e = loadExtent({{5, 5, 3, 3, 10, 1}}, 5, 3);
    EXPECT_DOUBLE_EQ(e.xmax, 5.106);
    EXPECT_DOUBLE_EQ(e.xmin, 4.9 - 0.03 * (5.106 - 4.9));
    EXPECT_DOUBLE_EQ(e.ymax, 3.106);
    const LoadMapping map(e, 449, 217);
    EXPECT_EQ(map.x(5), 225);
    EXPECT_EQ(map.y(3), 108);
}

TEST(LoadExtent, HugeCoincidingValuesStillGetAWidth)
{
    const LoadExtent e = loadExtent({{1e20, 1e20, -1e300, -1e300, 10, 1}}, 1e20, -1e300);
    EXPECT_LT(e.xmin, e.xmax);
    EXPECT_LT(e.ymin, e.ymax);
    const LoadMapping map(e, 449, 217);
    EXPECT_EQ(map.x(1e20), 225);
    EXPECT_EQ(map.y(-1e300), 108);
}

TEST(LoadMapping, ValuesFarOutsideAreHeldToTheDrawableRange)
{
    const LoadExtent e = loadExtent({{0, 0, 0, 0, 10, 1}}, 0, 0);
    const LoadMapping map(e, 449, 217);
    EXPECT_EQ(map.x(1e300), 16384);
    EXPECT_EQ(map.x(-1e300), -16384);
    EXPECT_EQ(map.y(1e300), -16384);
}

struct RoundingCase
{
    double value;
    int pixel;
};

class NearestPixel : public testing::TestWithParam<RoundingCase> {};

TEST_P(NearestPixel, RoundsHalvesToEven)
{
    EXPECT_EQ(nearestPixel(GetParam().value, 16384), GetParam().pixel);
}

INSTANTIATE_TEST_SUITE_P(Values, NearestPixel,
                         testing::Values(RoundingCase{2.5, 2}, RoundingCase{3.5, 4}, RoundingCase{-2.5, -2},
                                         RoundingCase{-3.5, -4}, RoundingCase{0.49, 0}, RoundingCase{224.69, 225},
                                         RoundingCase{-0.51, -1}, RoundingCase{1e300, 16384},
                                         RoundingCase{-std::numeric_limits<double>::infinity(), -16384},
                                         RoundingCase{std::nan(""), 0}));

} // namespace
