#include "influence/linedrawing.h"
#include "common/canvas.h"
#include "common/gridpicture.h"
#include "influencetesting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace tragvel;

namespace {

QImage checkedPicture(const CellTable &table, const LineKind &kind, QImage image)
{
    drawCheckedLine(image, checkLine(table, kind, comma), kind);
    return image;
}

QImage startPicture(const LineKind &kind)
{
    return emptyGridPicture(lineImageWidth, lineImageHeight, kind.gridDivisions);
}

double distanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    double t = length2 == 0.0 ? 0.0 : QPointF::dotProduct(p - a, ab) / length2;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF d = p - (a + t * ab);
    return std::sqrt(QPointF::dotProduct(d, d));
}

TEST(LinePixels, ExamplePointsRoundTiesToEven)
{
    const LineCheckOutcome outcome
        = checkLine(lineTable({{"0", "0"}, {"5", "1"}, {"10", "-0,5"}}), longitudinalLine(), comma);
    EXPECT_EQ(linePixels(outcome, 993, 393), (std::vector<QPoint>{{0, 196}, {496, 0}, {993, 295}}));
}

TEST(LinePixels, ExtremesTouchTheEdges)
{
    const LineCheckOutcome outcome
        = checkLine(lineTable({{"0", "-4"}, {"2,5", "0"}, {"8", "4"}}), longitudinalLine(), comma);
    EXPECT_EQ(linePixels(outcome, 993, 393), (std::vector<QPoint>{{0, 393}, {310, 196}, {993, 0}}));
}

// Values near the double limit are scaled without an overflow: each point lies where its ratio
// to the range and its sign put it, not along an edge that a NaN or an infinity picked.
TEST(LinePixels, HugeValuesKeepTheirPlaceAndSign)
{
    struct Case
    {
        TablePoint point;
        double stationRange, ordinateScale;
        QPoint pixel;
    };
    const Case cases[] = {
        {{1e308, -1e308}, 1e308, 1e308, {993, 393}},
        {{0, -1e308}, 1, 1e308, {0, 393}},
        {{1, 1e308}, 1, 1e308, {993, 0}},
        {{5e307, -5e307}, 1e308, 1e308, {496, 295}},
        {{1e308, 1.7e308}, 1.7e308, 1.7e308, {584, 0}},
        {{1, -1e306}, 2, 1e306, {496, 393}},
        {{0.5, 0}, 1, 1e308, {496, 196}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(linePixel(c.point, c.stationRange, c.ordinateScale, 993, 393), c.pixel)
            << c.point.station << " " << c.point.ordinate;
}

TEST(LineDrawing, HugeNegativeOrdinatesLieAtTheBottom)
{
    const QImage picture = checkedPicture(lineTable({{"0", "-1E308"}, {"1", "-1E308"}}), longitudinalLine(),
                                          startPicture(longitudinalLine()));
    EXPECT_EQ(picture.pixel(496, 392), colors::black.rgb());
    EXPECT_EQ(picture.pixel(496, 1), colors::white.rgb());
    EXPECT_EQ(picture.pixel(496, 0), colors::white.rgb());
}

TEST(LineDrawing, StartUpTableDrawsAlongTheTopEdge)
{
    QImage expected = startPicture(longitudinalLine());
    for (int x = 0; x < 993; ++x) {
        expected.setPixel(x, 0, colors::black.rgb());
        expected.setPixel(x, 1, colors::black.rgb());
    }
    const QImage image = checkedPicture(initialLineTable(longitudinalLine()), longitudinalLine(),
                                        blankPicture(993, 393));
    EXPECT_EQ(image, expected);
}

TEST(LineDrawing, TransverseStartUpTableOnFiveDivisions)
{
    QImage expected = startPicture(transverseLine());
    for (int x = 0; x < 993; ++x) {
        expected.setPixel(x, 0, colors::black.rgb());
        expected.setPixel(x, 1, colors::black.rgb());
    }
    EXPECT_EQ(checkedPicture(initialLineTable(transverseLine()), transverseLine(), blankPicture(993, 393)), expected);
}

TEST(LineDrawing, ExampleLineIsThreePixelsWideThroughItsPoints)
{
    const QImage grid = startPicture(longitudinalLine());
    const QImage image = checkedPicture(lineTable({{"0", "0"}, {"5", "1"}, {"10", "-0,5"}}), longitudinalLine(), grid);
    const QPointF a(0, 196), b(496, 0), c(993, 295);
    for (const QPoint p : {QPoint(0, 196), QPoint(496, 0), QPoint(992, 294), QPoint(248, 98), QPoint(744, 147)})
        EXPECT_EQ(image.pixel(p), colors::black.rgb()) << p.x() << "," << p.y();
    int lineInk = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == grid.pixel(x, y))
                continue;
            ASSERT_EQ(image.pixel(x, y), colors::black.rgb()) << x << "," << y;
            const QPointF p(x, y);
            EXPECT_LE(std::min(distanceToSegment(p, a, b), distanceToSegment(p, b, c)), 2.5) << x << "," << y;
            ++lineInk;
        }
    }
    // Two segments of about 550 and 540 pixels, three pixels across.
    EXPECT_GT(lineInk, 2800);
    EXPECT_LT(lineInk, 3600);
}

TEST(LineDrawing, EqualStationsGiveAVerticalSegment)
{
    const QImage image = checkedPicture(lineTable({{"0", "0"}, {"5", "1"}, {"5", "-1"}, {"10", "0"}}),
                                        longitudinalLine(), blankPicture(993, 393));
    for (int y = 0; y < 393; ++y)
        EXPECT_EQ(image.pixel(496, y), colors::black.rgb()) << y;
}

TEST(LineDrawing, FailedValueCheckLeavesTheEmptyGrid)
{
    QImage drawn = checkedPicture(initialLineTable(longitudinalLine()), longitudinalLine(), blankPicture(993, 393));
    ASSERT_NE(drawn, startPicture(longitudinalLine()));
    EXPECT_EQ(checkedPicture(lineTable({{"-1", "1"}, {"1", "1"}}), longitudinalLine(), drawn),
              startPicture(longitudinalLine()));
    EXPECT_EQ(checkedPicture(lineTable({{"1", "0"}, {"0", "1"}}, transverseLine()), transverseLine(),
                             blankPicture(993, 393)),
              startPicture(transverseLine()));
}

TEST(LineDrawing, OnePointDrawsOnlyTheGrid)
{
    EXPECT_EQ(checkedPicture(lineTable({{"2", "1"}}), longitudinalLine(), blankPicture(993, 393)),
              startPicture(longitudinalLine()));
}

TEST(LineDrawing, MissingNumberKeepsThePicture)
{
    QImage old = blankPicture(993, 393);
    old.setPixel(10, 10, colors::red.rgb());
    EXPECT_EQ(checkedPicture(lineTable({{"0", "1"}, {"1", ""}}), longitudinalLine(), old), old);
}

TEST(LineDrawing, UsesThePicturesOwnSize)
{
    // The ordinate -A lies on y = H, just below the picture: of the 3-pixel line only row H - 1
    // shows.
    QImage expected = emptyGridPicture(100, 50, 10);
    for (int x = 0; x < 100; ++x)
        expected.setPixel(x, 49, colors::black.rgb());
    EXPECT_EQ(checkedPicture(lineTable({{"0", "-1"}, {"1", "-1"}}), longitudinalLine(), blankPicture(100, 50)),
              expected);
}

TEST(LineDrawing, RunningTwiceGivesTheSamePicture)
{
    const CellTable table = lineTable({{"0", "0"}, {"5", "1"}, {"10", "-0,5"}});
    const QImage once = checkedPicture(table, longitudinalLine(), blankPicture(993, 393));
    EXPECT_EQ(checkedPicture(table, longitudinalLine(), once), once);
}

} // namespace
