#include "common/canvas.h"
#include "common/gridpicture.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tragvel;

namespace {

bool isBlack(const QImage &image, int x, int y)
{
    return image.pixel(x, y) == colors::black.rgb();
}

// The columns of row y that are not white.
std::vector<int> inkColumns(const QImage &image, int y)
{
    std::vector<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) != colors::white.rgb())
            columns.push_back(x);
    }
    return columns;
}

TEST(GridPicture, LongitudinalGridHasTenDivisions)
{
    const QImage image = emptyGridPicture(lineImageWidth, lineImageHeight, 10);
    ASSERT_EQ(image.size(), QSize(993, 393));
    EXPECT_EQ(inkColumns(image, 196).size(), 993u);
    const std::vector<int> ticks{0, 99, 198, 297, 396, 495, 594, 693, 792, 891, 992};
    for (int y = 191; y <= 200; ++y) {
        if (y != 196) {
            EXPECT_EQ(inkColumns(image, y), ticks) << "row " << y;
        }
    }
    EXPECT_TRUE(inkColumns(image, 190).empty());
    EXPECT_TRUE(inkColumns(image, 201).empty());
}

TEST(GridPicture, TransverseGridHasFiveDivisions)
{
    const QImage image = emptyGridPicture(lineImageWidth, lineImageHeight, 5);
    const std::vector<int> ticks{0, 198, 396, 594, 792, 992};
    EXPECT_EQ(inkColumns(image, 191), ticks);
    EXPECT_EQ(inkColumns(image, 200), ticks);
    EXPECT_TRUE(inkColumns(image, 201).empty());
}

TEST(Canvas, ThinLineLeavesOutItsEndPoint)
{
    QImage image = blankPicture(20, 20);
    Canvas canvas(image);
    canvas.moveTo(2, 3);
    canvas.lineTo(10, 3);
    EXPECT_TRUE(isBlack(image, 2, 3));
    EXPECT_TRUE(isBlack(image, 9, 3));
    EXPECT_FALSE(isBlack(image, 10, 3));
    EXPECT_EQ(canvas.penPosition(), QPoint(10, 3));
    canvas.lineTo(10, 10);
    EXPECT_TRUE(isBlack(image, 10, 3));
    EXPECT_FALSE(isBlack(image, 10, 10));
}

TEST(Canvas, DiagonalThinLine)
{
    QImage image = blankPicture(10, 10);
    Canvas canvas(image);
    canvas.moveTo(0, 0);
    canvas.lineTo(4, 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(isBlack(image, i, i));
    EXPECT_FALSE(isBlack(image, 4, 4));
}

TEST(Canvas, DashedThinLineIs18On6Off)
{
    QImage image = blankPicture(60, 3);
    Canvas canvas(image);
    canvas.setPen(colors::red, 1, PenStyle::Dash);
    canvas.moveTo(0, 1);
    canvas.lineTo(60, 1);
    for (int x = 0; x < 60; ++x)
        EXPECT_EQ(image.pixel(x, 1) == colors::red.rgb(), x % 24 < 18) << x;
}

TEST(Canvas, RectangleExcludesRightAndBottomEdge)
{
    QImage image = blankPicture(20, 20);
    Canvas canvas(image);
    canvas.setPen(colors::blue);
    canvas.setBrush(colors::black);
    canvas.rectangle(2, 3, 8, 9);
    EXPECT_EQ(image.pixel(2, 3), colors::blue.rgb());
    EXPECT_EQ(image.pixel(7, 8), colors::blue.rgb());
    EXPECT_EQ(image.pixel(7, 3), colors::blue.rgb());
    EXPECT_EQ(image.pixel(2, 8), colors::blue.rgb());
    EXPECT_EQ(image.pixel(8, 9), colors::white.rgb());
    EXPECT_EQ(image.pixel(8, 5), colors::white.rgb());
    EXPECT_EQ(image.pixel(5, 9), colors::white.rgb());
    EXPECT_EQ(image.pixel(4, 5), colors::black.rgb());
}

TEST(Canvas, RectangleCornersInEitherOrder)
{
    QImage straight = blankPicture(20, 20);
    QImage reversed = blankPicture(20, 20);
    for (QImage *image : {&straight, &reversed}) {
        Canvas canvas(*image);
        canvas.setPen(colors::blue);
        canvas.setBrush(colors::blue, BrushStyle::DiagCross);
        if (image == &straight)
            canvas.rectangle(2, 3, 15, 12);
        else
            canvas.rectangle(15, 12, 2, 3);
    }
    EXPECT_EQ(straight, reversed);
    EXPECT_EQ(straight.pixel(14, 11), colors::blue.rgb());
}

TEST(Canvas, FillRectExcludesRightAndBottomEdge)
{
    QImage image = blankPicture(10, 10);
    Canvas canvas(image);
    canvas.setBrush(colors::blue);
    canvas.fillRect(1, 1, 4, 3);
    int filled = 0;
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x)
            filled += image.pixel(x, y) == colors::blue.rgb();
    }
    EXPECT_EQ(filled, 6);
    EXPECT_EQ(image.pixel(3, 2), colors::blue.rgb());
}

// Hatch gaps are transparent: what was drawn earlier shows between the hatch lines, for the
// fill of a rectangle and of an ellipse alike.
TEST(Canvas, HatchGapsShowWhatWasDrawnBefore)
{
    for (const BrushStyle style : {BrushStyle::Vertical, BrushStyle::DiagCross}) {
        for (const bool ellipse : {false, true}) {
            QImage image = blankPicture(32, 32);
            image.fill(colors::red);
            Canvas canvas(image);
            canvas.setPen(colors::blue);
            canvas.setBrush(colors::blue, style);
            if (ellipse)
                canvas.ellipse(0, 0, 32, 32);
            else
                canvas.fillRect(0, 0, 32, 32);
            int blue = 0;
            int red = 0;
            for (int y = 8; y < 24; ++y) {
                for (int x = 8; x < 24; ++x) {
                    const QRgb pixel = image.pixel(x, y);
                    EXPECT_TRUE(pixel == colors::blue.rgb() || pixel == colors::red.rgb()) << x << "," << y;
                    blue += pixel == colors::blue.rgb();
                    red += pixel == colors::red.rgb();
                }
            }
            EXPECT_GT(blue, 0);
            EXPECT_GT(red, blue);
        }
    }
}

TEST(Canvas, VerticalHatchDrawsEveryEighthColumn)
{
    QImage image = blankPicture(32, 8);
    Canvas canvas(image);
    canvas.setBrush(colors::blue, BrushStyle::Vertical);
    canvas.fillRect(0, 0, 32, 8);
    std::vector<int> blueColumns;
    for (int x = 0; x < 32; ++x) {
        const QRgb top = image.pixel(x, 0);
        EXPECT_TRUE(top == colors::blue.rgb() || top == colors::white.rgb()) << x;
        for (int y = 1; y < 8; ++y)
            EXPECT_EQ(image.pixel(x, y), top) << x << "," << y;
        if (top == colors::blue.rgb())
            blueColumns.push_back(x);
    }
    EXPECT_EQ(blueColumns.size(), 4u);
}

TEST(Canvas, WidePenAndFarCoordinatesStaySafe)
{
    QImage image = blankPicture(50, 50);
    Canvas canvas(image);
    canvas.setPen(colors::black, 3);
    canvas.moveTo(-2000000000, 25);
    canvas.lineTo(2000000000, 25);
    EXPECT_TRUE(isBlack(image, 25, 24));
    EXPECT_TRUE(isBlack(image, 25, 25));
    EXPECT_TRUE(isBlack(image, 25, 26));
    EXPECT_FALSE(isBlack(image, 25, 28));
    canvas.setPen(colors::black, 1);
    canvas.moveTo(-2000000000, -2000000000);
    canvas.lineTo(2000000000, 2000000000);
    EXPECT_TRUE(isBlack(image, 10, 10));
}

} // namespace
