#include "loads/zatreader.h"
#include "loads/zatwriter.h"

#include "loadstesting.h"

#include <gtest/gtest.h>

using namespace tragvel;
using loadstesting::q;
using loadstesting::row;
using loadstesting::table;

namespace {

TEST(ZatWriter, JoinsCellsByBlanksAndEndsLinesWithCrLf)
{
    const CellTable t = table({row(1, {q("1"), q("5"), q("0"), q("2"), q("10"), q("1")}),
                               row(2, {q("3"), q(""), q("0"), q("0"), q("-20"), q("0")})});
    EXPECT_EQ(loadFileBytes(t), QByteArray("1 5 0 2 10 1\r\n3  0 0 -20 0\r\n"));
}

TEST(ZatWriter, EmptyTableWritesNothing)
{
    EXPECT_EQ(loadFileBytes(table({})), QByteArray());
}

struct CellCase
{
    const char *cell;
    const char *written;
};

class ZatWriterCell : public testing::TestWithParam<CellCase> {};

TEST_P(ZatWriterCell, NumbersInPointNotationOtherTextsAsTheyStand)
{
    EXPECT_EQ(loadFileCellText(q(GetParam().cell)), q(GetParam().written));
}

INSTANTIATE_TEST_SUITE_P(Cells, ZatWriterCell,
                         testing::Values(CellCase{"10", "10"}, CellCase{"1,5", "1.5"}, CellCase{"-0,25", "-0.25"},
                                         CellCase{"1,5E3", "1.5E3"}, CellCase{" 2,5 ", "2.5"},
                                         CellCase{"", ""}, CellCase{"abc", "abc"}, CellCase{"1.5", "1.5"},
                                         CellCase{"1,2,3", "1,2,3"}, CellCase{" x ", " x "}));

TEST(ZatWriter, CellsTheReaderCannotReadStayAsTyped)
{
    const CellTable t = table({row(1, {q("1.5"), q("a b"), q("0"), q("0"), q("10"), q("1")})});
    EXPECT_EQ(loadFileBytes(t), QByteArray("1.5 a b 0 0 10 1\r\n"));
}

CellTable roundTrip(const CellTable &t, const LoadSet &set)
{
    CellTable back = table({row(1, {q("x"), q("x"), q("x"), q("x"), q("x"), q("x")})});
    const LoadFileContents contents = readLoadFile(loadFileBytes(t), set);
    EXPECT_TRUE(contents.messages.isEmpty());
    applyLoadFile(back, contents);
    return back;
}

TEST(ZatWriter, WholeNumbersRoundTripWithTheSetsRowLabels)
{
    CellTable t = table({{q("       1"), q("1"), q("5"), q("0"), q("2"), q("10"), q("1")},
                         {q("       2"), q("-3"), q("4"), q("-1"), q("1"), q("-20"), q("3")}});
    EXPECT_EQ(roundTrip(t, designLoadSet()).rows, t.rows);

    CellTable assessment = t;
    assessment.setCell(0, 1, q("1"));
    assessment.setCell(0, 2, q("2"));
    EXPECT_EQ(roundTrip(t, assessmentLoadSet()).rows, assessment.rows);
}

TEST(ZatWriter, DecimalCommasRoundTrip)
{
    const CellTable t = table({{q("       1"), q("0,5"), q("2,25"), q("0"), q("1"), q("7,5"), q("0")},
                               {q("       2"), q("1E-5"), q("1,5E20"), q("-0,001"), q("0"), q("-12,125"), q("2")}});
    EXPECT_EQ(roundTrip(t, designLoadSet()).rows, t.rows);
}

} // namespace
