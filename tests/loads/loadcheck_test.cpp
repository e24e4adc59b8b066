#include "loads/loadcheck.h"
#include "loads/loadtexts.h"

#include "loadstesting.h"

#include <gtest/gtest.h>

using namespace tragvel;
using loadstesting::q;
using loadstesting::row;
using loadstesting::table;

namespace {

QStringList good() { return {q("1"), q("5"), q("0"), q("2"), q("10"), q("1")}; }

QStringList with(QStringList cells, int column, const char *text)
{
    cells[column - 1] = q(text);
    return cells;
}

struct CheckCase
{
    const char *name;
    std::vector<QStringList> rows; // six cells each
    const char *referenceX;
    const char *referenceY;
    QStringList messages;
};

class LoadCheck : public testing::TestWithParam<CheckCase> {};

TEST_P(LoadCheck, ShowsEveryMessageOnceInOrder)
{
    const CheckCase &c = GetParam();
    CellTable t = table({});
    for (size_t i = 0; i < c.rows.size(); ++i)
        t.rows.push_back(row(int(i) + 1, c.rows[i]));
    const LoadCheckResult result = checkLoads(t, q(c.referenceX), q(c.referenceY));
    EXPECT_EQ(result.messages, c.messages);
    EXPECT_EQ(result.passed(), c.messages.isEmpty());
    EXPECT_EQ(result.patches.size(), c.messages.isEmpty() ? c.rows.size() : 0u);
}

using namespace loadtexts;

INSTANTIATE_TEST_SUITE_P(
    Tables, LoadCheck,
    testing::Values(
        CheckCase{"DefaultRows", {{q("1"), q("1"), q("0"), q("0"), q("10"), q("1")},
                                  {q("2"), q("2"), q("0"), q("0"), q("10"), q("1")}}, "0", "0", {}},
        CheckCase{"DecimalCommas", {with(with(good(), 1, "0,5"), 5, "-2,5E1")}, "1,5", "-0,25", {}},
        CheckCase{"TypeZero", {with(good(), 6, "0")}, "0", "0", {}},
        CheckCase{"TypeThree", {with(good(), 6, "3")}, "0", "0", {}},
        CheckCase{"TypeWithLeadingBlank", {with(good(), 6, " 2")}, "0", "0", {}},
        CheckCase{"EmptyCell", {with(good(), 5, "")}, "0", "0", {cellNotNumber()}},
        CheckCase{"PointNotation", {with(good(), 2, "5.5")}, "0", "0", {cellNotNumber()}},
        CheckCase{"TextCell", {good(), with(good(), 3, "abc")}, "0", "0", {cellNotNumber()}},
        CheckCase{"TypeNotNumberIsOnlyChyba16", {with(good(), 6, "x")}, "0", "0", {cellNotNumber()}},
        CheckCase{"XReversed", {with(good(), 1, "6")}, "0", "0", {xBoundsReversed()}},
        CheckCase{"YReversed", {with(good(), 3, "3")}, "0", "0", {yBoundsReversed()}},
        CheckCase{"TypeFour", {with(good(), 6, "4")}, "0", "0", {typeOutOfRange()}},
        CheckCase{"TypeOneAndAHalf", {with(good(), 6, "1,5")}, "0", "0", {typeOutOfRange()}},
        CheckCase{"TypeTwoPointZero", {with(good(), 6, "2,0")}, "0", "0", {typeOutOfRange()}},
        CheckCase{"TypeNegative", {with(good(), 6, "-1")}, "0", "0", {typeOutOfRange()}},
        CheckCase{"TypeExponent", {with(good(), 6, "1E0")}, "0", "0", {typeOutOfRange()}},
        CheckCase{"ReferenceXEmpty", {good()}, "", "0", {referencePointNotNumber()}},
        CheckCase{"ReferenceYText", {good()}, "0", "y", {referencePointNotNumber()}},
        CheckCase{"ReferenceBothBad", {good()}, "a", "b", {referencePointNotNumber()}},
        CheckCase{"ReversedXWithEmptyLoadShowsOnlyChyba16",
                  {with(with(good(), 1, "5"), 2, "3"), with(good(), 5, "")}, "0", "0", {cellNotNumber()}},
        CheckCase{"SameRowReversedXAndEmptyLoad", {with(with(with(good(), 1, "5"), 2, "3"), 5, "")}, "0", "0",
                  {cellNotNumber()}},
        CheckCase{"XThenYOnceEach",
                  {with(with(good(), 1, "5"), 2, "3"), with(with(good(), 3, "2"), 4, "1"),
                   with(good(), 1, "9"), with(good(), 3, "8")},
                  "0", "0", {xBoundsReversed(), yBoundsReversed()}},
        CheckCase{"EmptyReferenceXAndTypeFour", {with(good(), 6, "4")}, "", "0",
                  {referencePointNotNumber(), typeOutOfRange()}},
        CheckCase{"Chyba16AndChyba18TogetherWithTheReference",
                  {with(good(), 1, ""), with(good(), 6, "7"), with(good(), 6, "5")}, "x", "0",
                  {referencePointNotNumber(), cellNotNumber(), typeOutOfRange()}},
        CheckCase{"AllButChyba16",
                  {with(good(), 1, "9"), with(good(), 3, "9"), with(good(), 6, "2,0")}, "0", "?",
                  {referencePointNotNumber(), xBoundsReversed(), yBoundsReversed(), typeOutOfRange()}}),
    [](const testing::TestParamInfo<CheckCase> &info) { return std::string(info.param.name); });

TEST(LoadCheck, EveryIndicatorIsEvaluated)
{
    const CellTable t = table({row(1, with(good(), 1, "9")), row(2, with(good(), 3, "9")),
                               row(3, with(good(), 6, "2,0"))});
    const LoadCheckResult result = checkLoads(t, q(""), q("0"));
    EXPECT_TRUE(result.referencePointNotNumber);
    EXPECT_FALSE(result.cellNotNumber);
    EXPECT_TRUE(result.xBoundsReversed);
    EXPECT_TRUE(result.yBoundsReversed);
    EXPECT_TRUE(result.typeOutOfRange);
}

TEST(LoadCheck, PassingTableGivesItsPatchesAndReferencePoint)
{
    const CellTable t = table({row(1, {q("1"), q("5"), q("0"), q("2"), q("10"), q("1")}),
                               row(2, {q("-0,5"), q("-0,5"), q("1"), q("3"), q("-20"), q("+3")})});
    const LoadCheckResult result = checkLoads(t, q(" 2,5 "), q("-1"));
    ASSERT_TRUE(result.passed());
    ASSERT_EQ(result.patches.size(), 2u);
    const LoadPatch &second = result.patches[1];
    EXPECT_EQ(second.x1, -0.5);
    EXPECT_EQ(second.x2, -0.5);
    EXPECT_EQ(second.y1, 1.0);
    EXPECT_EQ(second.y2, 3.0);
    EXPECT_EQ(second.load, -20.0);
    EXPECT_EQ(second.type, 3);
    EXPECT_EQ(patchKind(second), PatchKind::TransverseLine);
    EXPECT_EQ(patchKind(result.patches[0]), PatchKind::Area);
    EXPECT_EQ(result.referenceX, 2.5);
    EXPECT_EQ(result.referenceY, -1.0);
}

TEST(PatchKind, FollowsTheEqualBounds)
{
    EXPECT_EQ(patchKind({1, 1, 2, 2, 10, 1}), PatchKind::Point);
    EXPECT_EQ(patchKind({1, 3, 2, 2, 10, 1}), PatchKind::LongitudinalLine);
    EXPECT_EQ(patchKind({1, 1, 2, 4, 10, 1}), PatchKind::TransverseLine);
    EXPECT_EQ(patchKind({1, 3, 2, 4, 10, 1}), PatchKind::Area);
}

} // namespace
