#include "loads/loaddrawing.h"

#include "common/gridpicture.h"

#include "loadstesting.h"

#include <gtest/gtest.h>

using namespace tragvel;
using namespace loadstesting;

namespace {

// An extent under which X(x) = x, Y(y) = 217 - y, Q(q) = 41 - q and the zero line is at 41.
LoadExtent unitExtent()
{
    LoadExtent e;
    e.xmin = 0;
    e.xmax = 449;
    e.ymin = 0;
    e.ymax = 217;
    e.qmin = -40;
    e.qmax = 41;
    return e;
}

QImage elevationOf(const std::vector<LoadPatch> &patches)
{
    QImage image = blankPicture(elevationWidth, elevationHeight);
    drawElevation(image, patches, unitExtent());
    return image;
}

QImage planOf(const std::vector<LoadPatch> &patches, double xr = 400, double yr = 20)
{
    QImage image = blankPicture(planWidth, planHeight);
    drawPlan(image, patches, xr, yr, unitExtent());
    return image;
}

// Pixels of one colour and of white in a rectangle; fails when any other colour shows.
struct Counts
{
    int colour = 0;
    int white = 0;
    int other = 0;
};

Counts count(const QImage &image, QRgb colour, int left, int top, int right, int bottom)
{
    Counts c;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            const QRgb p = pixel(image, x, y);
            if (p == colour)
                ++c.colour;
            else if (p == white)
                ++c.white;
            else
                ++c.other;
        }
    return c;
}

TEST(LoadElevation, ZeroLineIsRedAcrossThePicture)
{
    const QImage image = elevationOf({});
    for (int x = 0; x < elevationWidth; ++x)
        ASSERT_EQ(pixel(image, x, 41), red) << x;
    EXPECT_EQ(count(image, red, 0, 0, elevationWidth, elevationHeight).colour, elevationWidth);
}

struct ArrowCase
{
    const char *name;
    LoadPatch patch;
    int loadEnd;   // Q(q)
    int base;      // y of the arrowhead's base
    int otherBase; // where a base of the other sign would be
};

class LoadElevationArrow : public testing::TestWithParam<ArrowCase> {};

TEST_P(LoadElevationArrow, TipTouchesTheZeroLineBaseOnTheLoadsSide)
{
    const ArrowCase &c = GetParam();
    const QImage image = elevationOf({c.patch});
    EXPECT_EQ(pixel(image, 100, 41), black);           // the tip
    EXPECT_EQ(pixel(image, 95, c.base), black);        // the base, 5 to the left ...
    EXPECT_EQ(pixel(image, 104, c.base), black);       // ... to 5 to the right
    EXPECT_EQ(pixel(image, 97, (c.base + 41) / 2 + (c.base < 41 ? 0 : 1)), black); // a slanted side
    EXPECT_EQ(pixel(image, 100, c.otherBase), white);
    EXPECT_EQ(pixel(image, 106, c.base), white);
    const int from = std::min(c.loadEnd, 41);
    const int to = std::max(c.loadEnd, 41);
    for (int y = from; y <= to; ++y)
        EXPECT_EQ(pixel(image, 100, y), black) << y;
    EXPECT_EQ(pixel(image, 100, from - 1), white);
    if (from < to) {
        EXPECT_EQ(pixel(image, 99, (from + to) / 2), white);
    }
    EXPECT_EQ(pixel(image, 90, 41), red);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, LoadElevationArrow,
    testing::Values(ArrowCase{"PointPositive", {100, 100, 5, 5, 20, 1}, 21, 26, 56},
                    ArrowCase{"PointNegative", {100, 100, 5, 5, -20, 0}, 61, 56, 26},
                    ArrowCase{"PointZeroLoadPointsUp", {100, 100, 5, 5, 0, 0}, 41, 56, 26},
                    ArrowCase{"TransversePositive", {100, 100, 5, 90, 20, 2}, 21, 26, 56},
                    ArrowCase{"TransverseNegative", {100, 100, 5, 90, -20, 3}, 61, 56, 26}),
    [](const testing::TestParamInfo<ArrowCase> &info) { return std::string(info.param.name); });

struct RectangleCase
{
    const char *name;
    LoadPatch patch;
    QRgb colour;
    int top;    // outline rows
    int bottom;
};

class LoadElevationRectangle : public testing::TestWithParam<RectangleCase> {};

TEST_P(LoadElevationRectangle, OutlineAndVerticalHatchInTheKindsColour)
{
    const RectangleCase &c = GetParam();
    const QImage image = elevationOf({c.patch});
    EXPECT_EQ(pixel(image, 230, c.top), c.colour);
    EXPECT_EQ(pixel(image, 230, c.bottom), c.colour);
    EXPECT_EQ(pixel(image, 200, (c.top + c.bottom) / 2), c.colour);
    EXPECT_EQ(pixel(image, 259, (c.top + c.bottom) / 2), c.colour);
    EXPECT_EQ(pixel(image, 260, (c.top + c.bottom) / 2), white);
    EXPECT_EQ(pixel(image, 199, (c.top + c.bottom) / 2), white);
    EXPECT_EQ(pixel(image, 230, c.top - 1), white);
    EXPECT_EQ(pixel(image, 230, 41), c.top == 41 ? c.colour : red);
    // The hatch: vertical lines of the outline's colour over white, the same in every row.
    const Counts inside = count(image, c.colour, 201, c.top + 1, 259, c.bottom);
    EXPECT_EQ(inside.other, 0);
    EXPECT_GT(inside.colour, 0);
    EXPECT_GT(inside.white, inside.colour);
    for (int x = 201; x < 259; ++x)
        EXPECT_EQ(pixel(image, x, c.top + 2), pixel(image, x, c.bottom - 2)) << x;
    // The zero line outside the patch stays red.
    EXPECT_EQ(pixel(image, 190, 41), red);
    EXPECT_EQ(pixel(image, 270, 41), red);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, LoadElevationRectangle,
    testing::Values(RectangleCase{"LongitudinalPositive", {200, 260, 5, 5, 19, 1}, black, 22, 40},
                    RectangleCase{"LongitudinalNegative", {200, 260, 5, 5, -20, 0}, black, 41, 60},
                    RectangleCase{"AreaPositive", {200, 260, 5, 9, 19, 1}, blue, 22, 40},
                    RectangleCase{"AreaNegative", {200, 260, 5, 9, -20, 2}, blue, 41, 60}),
    [](const testing::TestParamInfo<RectangleCase> &info) { return std::string(info.param.name); });

TEST(LoadElevation, PenReturnsToBlackAfterAnAreaLoad)
{
    const QImage image = elevationOf({{200, 260, 5, 9, 19, 1}, {100, 100, 5, 5, 20, 1}});
    EXPECT_EQ(pixel(image, 100, 30), black);
    EXPECT_EQ(pixel(image, 100, 41), black);
}

TEST(LoadPlan, PositivePointLoadIsAnUprightCross)
{
    const QImage image = planOf({{100, 100, 100, 100, 10, 1}});
    for (int y = 113; y <= 122; ++y)
        EXPECT_EQ(pixel(image, 100, y), black) << y;
    for (int x = 95; x <= 104; ++x)
        EXPECT_EQ(pixel(image, x, 117), black) << x;
    EXPECT_EQ(pixel(image, 100, 112), white);
    EXPECT_EQ(pixel(image, 105, 117), white);
    EXPECT_EQ(count(image, black, 90, 105, 110, 130).colour, 19);
}

TEST(LoadPlan, NotPositivePointLoadIsTwoConcentricCircles)
{
    const QImage image = planOf({{100, 100, 100, 100, -10, 1}});
    const Counts symbol = count(image, black, 94, 111, 106, 123);
    EXPECT_EQ(symbol.other, 0);
    EXPECT_GT(symbol.colour, 20);
    EXPECT_EQ(pixel(image, 95, 117), black);     // outer circle, left
    EXPECT_EQ(pixel(image, 100, 112), black);    // outer circle, top
    EXPECT_EQ(pixel(image, 98, 117), black);     // inner circle, left
    EXPECT_EQ(pixel(image, 96, 117), white);     // between the circles
    EXPECT_EQ(count(image, black, 90, 105, 110, 130).colour, symbol.colour); // nothing beyond
}

TEST(LoadPlan, CirclesAreFilledWhiteOverWhatIsBelow)
{
    // An area of negative load, then a point load of negative load inside it.
    const QImage image = planOf({{100, 200, 50, 100, 5, 1}, {150, 150, 75, 75, -1, 0}});
    EXPECT_EQ(pixel(image, 96 + 50, 142), white);
    EXPECT_EQ(count(image, blue, 147, 140, 154, 145).colour, 0);
    EXPECT_GT(count(image, blue, 110, 125, 140, 135).colour, 20);
}

struct PlanLineCase
{
    const char *name;
    LoadPatch patch;
    std::vector<QPoint> onSymbol;
    std::vector<QPoint> offSymbol;
};

class LoadPlanLine : public testing::TestWithParam<PlanLineCase> {};

TEST_P(LoadPlanLine, DrawnWithATwoPixelBlackPen)
{
    const PlanLineCase &c = GetParam();
    const QImage image = planOf({c.patch});
    for (const QPoint &p : c.onSymbol)
        EXPECT_EQ(pixel(image, p.x(), p.y()), black) << p.x() << "," << p.y();
    for (const QPoint &p : c.offSymbol)
        EXPECT_EQ(pixel(image, p.x(), p.y()), white) << p.x() << "," << p.y();
    // Black only, apart from the reference cross far away at (400, 197).
    EXPECT_EQ(count(image, black, 0, 0, 380, planHeight).other, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, LoadPlanLine,
    testing::Values(
        // Line from (100, 117) to (200, 117), ticks from 112 to 122 at both ends.
        PlanLineCase{"LongitudinalPositive", {100, 200, 100, 100, 10, 1},
                     {{150, 117}, {100, 113}, {100, 121}, {200, 113}, {200, 121}},
                     {{150, 112}, {150, 122}, {95, 117}, {206, 117}, {100, 126}}},
        // Circles of radius 5 around both ends, the line between them.
        PlanLineCase{"LongitudinalNegative", {100, 200, 100, 100, -10, 1},
                     {{150, 117}, {95, 117}, {100, 112}, {204, 117}, {200, 121}},
                     {{150, 113}, {89, 117}, {211, 117}, {100, 125}}},
        // Line from (100, 167) to (100, 117), horizontal ticks from 95 to 105 at both ends.
        PlanLineCase{"TransversePositive", {100, 100, 50, 100, 10, 1},
                     {{100, 140}, {96, 167}, {104, 167}, {96, 117}, {104, 117}},
                     {{105, 140}, {95, 140}, {100, 173}, {100, 111}}},
        PlanLineCase{"TransverseNegative", {100, 100, 50, 100, 0, 1},
                     {{100, 140}, {95, 167}, {104, 167}, {100, 171}, {100, 112}},
                     {{105, 140}, {89, 167}, {100, 178}, {100, 106}}}),
    [](const testing::TestParamInfo<PlanLineCase> &info) { return std::string(info.param.name); });

TEST(LoadPlan, PositiveAreaHasExtendedSidesAndACrossHatch)
{
    // Corners at X 100, 200 and Y 167 (y1), 117 (y2).
    const QImage image = planOf({{100, 200, 50, 100, 10, 1}});
    EXPECT_EQ(pixel(image, 96, 167), blue);   // side at y1, beyond x1
    EXPECT_EQ(pixel(image, 204, 167), blue);  // ... and beyond x2
    EXPECT_EQ(pixel(image, 96, 117), blue);   // side at y2
    EXPECT_EQ(pixel(image, 100, 171), blue);  // side at x1, beyond y1
    EXPECT_EQ(pixel(image, 200, 113), blue);  // side at x2, beyond y2
    EXPECT_EQ(pixel(image, 90, 167), white);
    EXPECT_EQ(pixel(image, 97, 163), white);  // off the sides near a corner
    const Counts inside = count(image, blue, 103, 120, 197, 164);
    EXPECT_EQ(inside.other, 0);
    EXPECT_GT(inside.colour, 200);
    EXPECT_GT(inside.white, inside.colour);
    EXPECT_EQ(count(image, black, 0, 0, planWidth, planHeight).colour, 0);
}

TEST(LoadPlan, NotPositiveAreaHasCornerCirclesAndACrossHatch)
{
    const QImage image = planOf({{100, 200, 50, 100, -10, 1}});
    EXPECT_EQ(pixel(image, 95, 167), blue);   // circle at (x1, y1), left
    EXPECT_EQ(pixel(image, 204, 117), blue);  // circle at (x2, y2), right
    EXPECT_EQ(pixel(image, 100, 171), blue);  // circle at (x1, y1), bottom
    EXPECT_EQ(pixel(image, 200, 112), blue);  // circle at (x2, y2), top
    EXPECT_EQ(pixel(image, 97, 163), blue);   // on the circle off the sides
    EXPECT_EQ(pixel(image, 150, 171), white); // no extended sides, nothing below the area
    const Counts inside = count(image, blue, 106, 123, 194, 161);
    EXPECT_EQ(inside.other, 0);
    EXPECT_GT(inside.colour, 200);
    EXPECT_EQ(count(image, black, 0, 0, planWidth, planHeight).colour, 0);
}

TEST(LoadPlan, ReferencePointIsARedDashedCross)
{
    const QImage image = planOf({}, 300, 100); // at (300, 117)
    for (const QPoint &p : {QPoint(292, 117), QPoint(300, 117), QPoint(306, 118), QPoint(300, 109),
                            QPoint(299, 124), QPoint(301, 112)})
        EXPECT_EQ(pixel(image, p.x(), p.y()), red) << p.x() << "," << p.y();
    for (const QPoint &p : {QPoint(286, 117), QPoint(314, 117), QPoint(300, 103), QPoint(300, 131),
                            QPoint(305, 112)})
        EXPECT_EQ(pixel(image, p.x(), p.y()), white) << p.x() << "," << p.y();
    const Counts cross = count(image, red, 0, 0, planWidth, planHeight);
    EXPECT_EQ(cross.other, 0);
    EXPECT_GT(cross.colour, 80);
    EXPECT_LT(cross.colour, 130);
}

TEST(LoadPictures, SinglePointLoadAtTheOrigin)
{
    // X(0) = 225, zero line Z = 68 (81 * 11.1 / 13.31), Q(10) = 7.
    const LoadPictures pictures = drawLoadPictures({{0, 0, 0, 0, 10, 1}}, 0, 0);
    ASSERT_EQ(pictures.elevation.size(), QSize(449, 81));
    ASSERT_EQ(pictures.plan.size(), QSize(449, 217));
    const QImage &e = pictures.elevation;
    EXPECT_EQ(pixel(e, 10, 68), red);
    EXPECT_EQ(pixel(e, 10, 67), white);
    EXPECT_EQ(pixel(e, 225, 68), black);
    EXPECT_EQ(pixel(e, 221, 53), black);
    EXPECT_EQ(pixel(e, 225, 7), black);
    EXPECT_EQ(pixel(e, 225, 6), white);
    // The reference cross lies over the load's cross at (225, 108).
    EXPECT_EQ(pixel(pictures.plan, 218, 108), red);
    EXPECT_EQ(pixel(pictures.plan, 225, 100), red);
}

TEST(LoadPictures, ANegativeLoadPointsUpOntoTheZeroLine)
{
    // x -0.19579 .. 3.093, q -23.3 .. 13: X(1) = 163, X(3) = 436, Z = 29, Q(-20) = 74, Q(10) = 7.
    const LoadPictures pictures = drawLoadPictures({{1, 1, 0, 0, 10, 1}, {3, 3, 0, 0, -20, 0}}, 0, 0);
    const QImage &e = pictures.elevation;
    EXPECT_EQ(pixel(e, 436, 29), black);
    EXPECT_EQ(pixel(e, 433, 44), black);
    EXPECT_EQ(pixel(e, 436, 74), black);
    EXPECT_EQ(pixel(e, 436, 75), white);
    EXPECT_EQ(pixel(e, 433, 14), white);
    EXPECT_EQ(pixel(e, 163, 29), black);
    EXPECT_EQ(pixel(e, 160, 14), black);
    EXPECT_EQ(pixel(e, 163, 7), black);
}

TEST(LoadPictures, FarApartCoordinatesDrawWithoutTrouble)
{
    const std::vector<LoadPatch> patches{{0, 1e300, 0, 1e300, 1e300, 1}, {-1e300, -1e300, 0, 0, -1e300, 0},
                                         {1.7e308, 1.7e308, -1.7e308, -1.7e308, 10, 1}};
    const LoadPictures pictures = drawLoadPictures(patches, 0, 0);
    EXPECT_EQ(pictures.elevation.size(), QSize(449, 81));
    EXPECT_EQ(pictures.plan.size(), QSize(449, 217));
}

TEST(LoadPictures, OnePointAwayFromZeroIsDrawnInTheMiddle)
{
    const LoadPictures pictures = drawLoadPictures({{5, 5, 3, 3, -10, 1}}, 5, 3);
    // X(5) = 225, Y(3) = 108: the outer circle's left edge at 220, the red cross over it.
    EXPECT_EQ(pixel(pictures.plan, 225, 108), red);
    EXPECT_EQ(pixel(pictures.plan, 220, 113), white);
    EXPECT_EQ(pixel(pictures.plan, 225, 120), white);
    EXPECT_EQ(pixel(pictures.elevation, 225, 68), black);
}

} // namespace

namespace {

// An area load drawn after a point load and a line load hides neither: between the hatch lines
// of its rectangle the earlier symbols still show, in the plan and in the elevation.
TEST(LoadDrawing, AreaHatchKeepsTheLoadsDrawnBefore)
{
    LoadPatch point;
    point.x1 = point.x2 = 102;
    point.y1 = point.y2 = 100;
    point.load = 10;
    LoadPatch line;
    line.x1 = 150;
    line.x2 = 250;
    line.y1 = line.y2 = 60;
    line.load = 20;
    LoadPatch area;
    area.x1 = 50;
    area.x2 = 300;
    area.y1 = 20;
    area.y2 = 150;
    area.load = 30;
    const QImage plan = planOf({point, line, area});
    // The cross of the point load (x = 102, y = 117) and the line load's line at y = 157.
    EXPECT_GE(count(plan, black, 97, 112, 108, 123).colour, 12);
    EXPECT_GE(count(plan, black, 160, 155, 240, 160).colour, 100);
    const QImage elevation = elevationOf({point, line, area});
    // The point load's stem (x = 102, from 31 to the zero line at 41) and the line load's
    // outline at the top (y = 21) stand inside the blue rectangle (outline at 11 and 40).
    EXPECT_EQ(count(elevation, black, 102, 31, 103, 40).colour, 9);
    EXPECT_GE(count(elevation, black, 150, 21, 250, 22).colour, 85);
}

} // namespace

namespace {

// The columns and rows that hold the colour inside a rectangle: {left, top, right, bottom}.
QRect inkExtent(const QImage &image, QRgb colour, int left, int top, int right, int bottom)
{
    QRect extent;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (pixel(image, x, y) == colour)
                extent |= QRect(x, y, 1, 1);
    return extent;
}

// The circles of a not-positive point load cover their bounding squares: X-5..X+4 and Y-5..Y+4
// for radius 5, X-2..X+1 and Y-2..Y+1 for radius 2, drawn with the 1-pixel pen.
TEST(LoadPlan, OnePixelCirclesCoverTheirBoundingSquares)
{
    const QImage image = planOf({{100, 100, 100, 100, -10, 1}});
    // X = 100, Y = 217 - 100 = 117.
    EXPECT_EQ(inkExtent(image, black, 85, 100, 115, 130), QRect(QPoint(95, 112), QPoint(104, 121)));
    // The inner circle alone: inside the outer one, away from its line.
    EXPECT_EQ(inkExtent(image, black, 97, 114, 103, 120), QRect(QPoint(98, 115), QPoint(101, 118)));

}

} // namespace
