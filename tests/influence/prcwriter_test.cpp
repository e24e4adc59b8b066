#include "influence/prcfile.h"
#include "influencetesting.h"

#include <gtest/gtest.h>

using namespace tragvel;

namespace {

TEST(PrcWriter, StartUpTable)
{
    EXPECT_EQ(writePrc(initialLineTable(longitudinalLine()), comma), QByteArray("0 1\r\n1 1\r\n"));
}

TEST(PrcWriter, EmptyTableWritesNothing)
{
    EXPECT_EQ(writePrc(lineTable({}), comma), QByteArray());
}

struct WriterCase
{
    const char *cell;
    const char *written;
};

class PrcWriterCell : public testing::TestWithParam<WriterCase>
{
};

TEST_P(PrcWriterCell, NumbersGetThePointOtherTextsStayAsTheyAre)
{
    const WriterCase &c = GetParam();
    const CellTable table = lineTable({{c.cell, "2"}, {"3", c.cell}});
    const QByteArray written(c.written);
    EXPECT_EQ(writePrc(table, comma), written + " 2\r\n3 " + written + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(Cases, PrcWriterCell,
                         testing::Values(WriterCase{"1,5", "1.5"}, WriterCase{"-0,25", "-0.25"},
                                         WriterCase{"2,50", "2.50"}, WriterCase{"1,5E3", "1.5E3"},
                                         WriterCase{" 2,5 ", "2.5"}, WriterCase{"7", "7"},
                                         WriterCase{"abc", "abc"}, WriterCase{"1,2,3", "1,2,3"},
                                         WriterCase{"1.5", "1.5"}, WriterCase{"", ""},
                                         WriterCase{"1,", "1"}, WriterCase{",5", "0.5"}));

TEST(PrcWriter, TextIsWrittenInTheFileCodePage)
{
    const CellTable table = lineTable({{"č", "Ž"}});
    EXPECT_EQ(writePrc(table, comma), QByteArray("\xe8 \x8e\r\n"));
}

TEST(PrcRoundTrip, WholeAndFractionalValuesReadBackAsSaved)
{
    const CellTable saved = lineTable({{"0", "0"}, {"2,5", "-0,125"}, {"10", "1E-5"}, {"12,75", "3"}});
    CellTable loaded = initialLineTable(longitudinalLine());
    const PrcReadResult result = readPrc(writePrc(saved, comma), longitudinalLine(), comma);
    EXPECT_TRUE(result.messages.isEmpty());
    applyPrc(loaded, result);
    ASSERT_EQ(loaded.rowCount(), saved.rowCount());
    for (int row = 1; row < saved.rowCount(); ++row) {
        EXPECT_EQ(loaded.cell(0, row), paddedRowNumber(row));
        EXPECT_EQ(loaded.cell(1, row), saved.cell(1, row)) << "row " << row;
        EXPECT_EQ(loaded.cell(2, row), saved.cell(2, row)) << "row " << row;
    }
}

TEST(PrcRoundTrip, LoadedFileSavesAsPointNotation)
{
    CellTable table = initialLineTable(transverseLine());
    applyPrc(table, readPrc("0 0.5\r\n2.50 0.5\r\n", transverseLine(), comma));
    EXPECT_EQ(writePrc(table, comma), QByteArray("0 0.5\r\n2.5 0.5\r\n"));
}

} // namespace
