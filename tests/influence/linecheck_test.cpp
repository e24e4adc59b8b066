#include "influence/linecheck.h"
#include "influencetesting.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tragvel;

namespace {

const QString chyba16 = QStringLiteral("Chyba#16 - Chybný vstup, očekává se číslo !!!");
const QString chyba04 = QStringLiteral("Chyba#04 : Chybný vstup - Staničení musí být kladné!!!");
const QString chyba09Long = QStringLiteral("Chyba#09 : Chybný vstup - Staničení musí být řazeno vzestupně!!!");
const QString chyba09Trans = QStringLiteral("Chyba#09 : Chybný vstup - Staničení být řazeno vzestupně!!!");
const QString chyba02Long = QStringLiteral("Chyba#02 : Chybný vstup - Alespoň jedna hodnota příčinkové čáry musí být nenulová!!!");
const QString chyba02Trans = QStringLiteral("Chyba#02 : Chybný vstup - Alespoň jedna hodnota příčinkové čáry musí bý nenulová!!!");
const QString chyba05 = QStringLiteral("Chyba#05 : Chybný vstup - Šířka konstrukce nemůže být nulová!!!");

QString areaWarning(const char *area)
{
    return QStringLiteral("Pozor, plocha pod čárou příčného roznosu je ") + QString::fromUtf8(area)
        + QStringLiteral(" místo 1,00 !");
}

struct CheckCase
{
    const char *name;
    bool transverse;
    CellTable table;
    bool numbersPresent;
    bool valid;
    std::vector<QString> messages;
};

void PrintTo(const CheckCase &c, std::ostream *os)
{
    *os << c.name;
}

std::vector<CheckCase> checkCases()
{
    const LineKind &t = transverseLine();
    return {
        {"StartUpLongitudinal", false, initialLineTable(longitudinalLine()), true, true, {}},
        {"Example", false, lineTable({{"0", "0"}, {"5", "1"}, {"10", "-0,5"}}), true, true, {}},
        {"EqualNeighbours", false, lineTable({{"0", "0"}, {"5", "1"}, {"5", "-1"}, {"10", "0"}}), true, true, {}},
        {"OnePoint", false, lineTable({{"3", "-2"}}), true, true, {}},
        {"BlanksAroundNumbers", false, lineTable({{" 0 ", " 1"}, {"2 ", "1E0"}}), true, true, {}},
        {"EmptyStation", false, lineTable({{"0", "1"}, {"", "1"}}), false, false, {chyba16}},
        {"EmptyOrdinate", false, lineTable({{"0", ""}, {"-1", "1"}}), false, false, {chyba16}},
        {"PointSeparator", false, lineTable({{"0", "1"}, {"1.5", "1"}}), false, false, {chyba16}},
        {"Text", true, lineTable({{"0", "x"}, {"1", "1"}}, t), false, false, {chyba16}},
        {"NegativeAndDecreasing", false, lineTable({{"-1", "1"}, {"5", "1"}, {"4", "1"}}), true, false,
         {chyba04, chyba09Long}},
        {"AllStationsZero", false, lineTable({{"0", "1"}, {"0", "2"}}), true, false, {chyba05}},
        {"AllOrdinatesZero", false, lineTable({{"0", "0"}, {"5", "0"}}), true, false, {chyba02Long}},
        {"AllZero", false, lineTable({{"0", "0"}, {"0", "0"}}), true, false, {chyba02Long}},
        {"NegativeStationsOnly", false, lineTable({{"-2", "1"}, {"-1", "1"}}), true, false, {chyba04, chyba05}},
        {"TinyValuesAreNoZeroWidth", false, lineTable({{"-1E-200", "1E-200"}, {"1E-200", "1"}}), true, false,
         {chyba04}},
        {"StartUpTransverse", true, initialLineTable(t), true, true, {}},
        {"AreaOneFromHalves", true, lineTable({{"0", "0,5"}, {"2", "0,5"}}, t), true, true, {}},
        {"AreaHalfWarns", true, lineTable({{"0", "1"}, {"1", "0"}}, t), true, true, {areaWarning("0,5")}},
        {"OnePointAreaZero", true, lineTable({{"1", "1"}}, t), true, true, {areaWarning("0")}},
        {"DecreasingWarnsFirst", true, lineTable({{"0", "1"}, {"2", "1"}, {"1", "0"}}, t), true, false,
         {areaWarning("1,5"), chyba09Trans}},
        {"TransverseTexts", true, lineTable({{"-1", "0"}, {"-2", "0"}}, t), true, false,
         {areaWarning("0"), chyba04, chyba09Trans, chyba02Trans}},
        {"TransverseZeroWidth", true, lineTable({{"0", "1"}, {"0", "1"}}, t), true, false,
         {areaWarning("0"), chyba05}},
        {"NoRows", false, lineTable({}), true, false, {chyba02Long}},
    };
}

class LineCheck : public testing::TestWithParam<CheckCase>
{
};

TEST_P(LineCheck, MessagesInOrder)
{
    const CheckCase &c = GetParam();
    const LineCheckOutcome outcome
        = checkLine(c.table, c.transverse ? transverseLine() : longitudinalLine(), comma);
    EXPECT_EQ(outcome.numbersPresent, c.numbersPresent);
    EXPECT_EQ(outcome.valid, c.valid);
    EXPECT_EQ(outcome.messages, QStringList(c.messages.begin(), c.messages.end()));
}

INSTANTIATE_TEST_SUITE_P(Cases, LineCheck, testing::ValuesIn(checkCases()),
                         [](const testing::TestParamInfo<CheckCase> &info) { return info.param.name; });

TEST(LineCheckValues, DerivedValues)
{
    const LineCheckOutcome outcome
        = checkLine(lineTable({{"2", "0,5"}, {"1", "-3"}, {"7,5", "2"}}), longitudinalLine(), comma);
    EXPECT_EQ(outcome.smallestStation, 0.0);
    EXPECT_EQ(outcome.stationRange, 7.5);
    EXPECT_EQ(outcome.ordinateScale, 3.0);
    EXPECT_FALSE(outcome.ascending);
    EXPECT_FALSE(outcome.area.has_value());
    ASSERT_EQ(outcome.points.size(), 3u);
    EXPECT_EQ(outcome.points[1].station, 1.0);
    EXPECT_EQ(outcome.points[1].ordinate, -3.0);
}

TEST(LineCheckValues, AreaIsSignedSumInRowOrder)
{
    const LineCheckOutcome outcome = checkLine(lineTable({{"0", "1"}, {"2", "1"}, {"1", "0"}}, transverseLine()),
                                               transverseLine(), comma);
    ASSERT_TRUE(outcome.area.has_value());
    EXPECT_EQ(*outcome.area, 1.5);
}

TEST(LineCheckValues, AreaThatPrintsAsOneGivesNoWarning)
{
    // Exactly 1 in decimals, a unit in the last place below 1 in double precision.
    const CellTable table = lineTable({{"0", "0,5"}, {"0,1", "1,5"}, {"0,7", "1,5"}}, transverseLine());
    const LineCheckOutcome outcome = checkLine(table, transverseLine(), comma);
    ASSERT_TRUE(outcome.area.has_value());
    EXPECT_NE(*outcome.area, 1.0);
    EXPECT_TRUE(outcome.valid);
    EXPECT_TRUE(outcome.messages.isEmpty()) << outcome.messages.join(QLatin1Char('|')).toStdString();
}

TEST(LineCheckValues, AreaNearOneButVisiblyDifferentWarns)
{
    const LineCheckOutcome outcome
        = checkLine(lineTable({{"0", "1"}, {"1,00000000001", "1"}}, transverseLine()), transverseLine(), comma);
    EXPECT_EQ(outcome.messages, QStringList{areaWarning("1,00000000001")});
}

} // namespace
