#include "influence/linetable.h"
#include "influence/prcfile.h"
#include "influencetesting.h"

#include <gtest/gtest.h>

using namespace tragvel;

namespace {

const QString chyba06 = QStringLiteral("Chyba#06 : Chybný vstup - očekává se celé číslo !!!");
const QString chyba09 = QStringLiteral("Chyba#09 : Počet řádků musí být kladný !!!");
const QString chyba08Long = QStringLiteral("Chyba#08 : Překročen maximální počet řádků (100) !!!");
const QString chyba08Trans = QStringLiteral("Chyba#08 : Překročen maximální počet řádků (25) !!!");

TEST(LineKinds, StartUpTables)
{
    const CellTable longitudinal = initialLineTable(longitudinalLine());
    ASSERT_EQ(longitudinal.rowCount(), 3);
    EXPECT_EQ(longitudinal.rows[0], QStringList({QStringLiteral("    Položka"), QStringLiteral("   Staničení"),
                                                 QStringLiteral("          n")}));
    EXPECT_EQ(longitudinal.rows[1], QStringList({QStringLiteral("          1"), QStringLiteral("0"), QStringLiteral("1")}));
    EXPECT_EQ(longitudinal.rows[2], QStringList({QStringLiteral("          2"), QStringLiteral("1"), QStringLiteral("1")}));
    const CellTable transverse = initialLineTable(transverseLine());
    EXPECT_EQ(transverse.rows[0], QStringList({QStringLiteral("     Položka"), QStringLiteral(" Vzd.od kraje"),
                                               QStringLiteral("          n")}));
    EXPECT_EQ(transverse.rows[2], longitudinal.rows[2]);
}

struct NewTableCase
{
    const char *name;
    bool transverse;
    const char *answer;
    int rows; // points of the new table; -1: the table is unchanged
    std::vector<QString> messages;
};

void PrintTo(const NewTableCase &c, std::ostream *os)
{
    *os << c.name;
}

class NewTable : public testing::TestWithParam<NewTableCase>
{
};

TEST_P(NewTable, MakesTableOrRefuses)
{
    const NewTableCase &c = GetParam();
    const LineKind &kind = c.transverse ? transverseLine() : longitudinalLine();
    const CellTable before = lineTable({{"5", "6"}, {"7", "8"}, {"9", "1"}}, kind);
    CellTable table = before;
    const TableCommandResult result = newLineTable(table, QString::fromUtf8(c.answer), kind);
    EXPECT_EQ(result.messages, QStringList(c.messages.begin(), c.messages.end()));
    if (c.rows < 0) {
        EXPECT_FALSE(result.marksChanged);
        EXPECT_EQ(table.rows, before.rows);
        return;
    }
    EXPECT_TRUE(result.marksChanged);
    ASSERT_EQ(table.rowCount(), c.rows + 1);
    EXPECT_EQ(table.rows[0], before.rows[0]);
    for (int row = 1; row <= c.rows; ++row) {
        EXPECT_EQ(table.rows[size_t(row)], QStringList({QString::number(row), QStringLiteral("0"), QStringLiteral("0")}))
            << "row " << row;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NewTable,
    testing::Values(NewTableCase{"CancelGivesDefaultTwo", false, "2", 2, {}},
                    NewTableCase{"HundredLongitudinal", false, "100", 100, {}},
                    NewTableCase{"HundredOneLongitudinal", false, "101", -1, {chyba08Long}},
                    NewTableCase{"TwentyFiveTransverse", true, "25", 25, {}},
                    NewTableCase{"TwentySixTransverse", true, "26", -1, {chyba08Trans}},
                    NewTableCase{"HundredTransverse", true, "100", -1, {chyba08Trans}},
                    NewTableCase{"Zero", false, "0", -1, {chyba09}},
                    NewTableCase{"MinusThree", true, "-3", -1, {chyba09}},
                    NewTableCase{"TextGivesOneRow", false, "abc", 1, {chyba06}},
                    NewTableCase{"EmptyGivesOneRow", true, "", 1, {chyba06}},
                    NewTableCase{"TrailingBlankIsNoWholeNumber", false, "5 ", 1, {chyba06}},
                    NewTableCase{"FractionIsNoWholeNumber", false, "2,5", 1, {chyba06}},
                    NewTableCase{"LeadingBlanksAndSign", false, "  +3", 3, {}},
                    NewTableCase{"Shrinks", false, "1", 1, {}}),
    [](const testing::TestParamInfo<NewTableCase> &info) { return info.param.name; });

struct AddRowCase
{
    bool transverse;
    int points;
    bool refused;
};

class AddRow : public testing::TestWithParam<AddRowCase>
{
};

TEST_P(AddRow, CopiesLastPointUpToTheLimit)
{
    const AddRowCase &c = GetParam();
    const LineKind &kind = c.transverse ? transverseLine() : longitudinalLine();
    CellTable table = lineTable({}, kind);
    for (int row = 1; row <= c.points; ++row)
        table.rows.push_back({paddedRowNumber(row), QString::number(row), QStringLiteral("0,5")});
    table.rows.back()[2] = QStringLiteral(" text ");
    const CellTable before = table;
    const TableCommandResult result = addLineRow(table, kind);
    EXPECT_TRUE(result.marksChanged);
    if (c.refused) {
        EXPECT_EQ(result.messages, QStringList{kind.tooManyRows});
        EXPECT_EQ(table.rows, before.rows);
        return;
    }
    EXPECT_TRUE(result.messages.isEmpty());
    ASSERT_EQ(table.rowCount(), c.points + 2);
    EXPECT_EQ(std::vector<QStringList>(table.rows.begin(), table.rows.end() - 1), before.rows);
    EXPECT_EQ(table.rows.back(), QStringList({paddedRowNumber(c.points + 1), QString::number(c.points),
                                              QStringLiteral(" text ")}));
}

INSTANTIATE_TEST_SUITE_P(Cases, AddRow,
                         testing::Values(AddRowCase{false, 2, false}, AddRowCase{false, 99, false},
                                         AddRowCase{false, 100, true}, AddRowCase{true, 24, false},
                                         AddRowCase{true, 25, true}));

TEST(AddRow, PaddedNumberAfterNewTable)
{
    CellTable table = initialLineTable(longitudinalLine());
    newLineTable(table, QStringLiteral("3"), longitudinalLine());
    addLineRow(table, longitudinalLine());
    ASSERT_EQ(table.rowCount(), 5);
    EXPECT_EQ(table.cell(0, 3), QStringLiteral("3"));
    EXPECT_EQ(table.cell(0, 4), QStringLiteral("          4"));
}

TEST(ClearTable, SetsValuesToZeroKeepingRows)
{
    CellTable table = lineTable({{"1,5", "x"}, {"", "3"}, {"4", "-1"}});
    table.rows[2][0] = QStringLiteral("          2");
    CellTable expected = table;
    for (int row = 1; row <= 3; ++row) {
        expected.rows[size_t(row)][1] = QStringLiteral("0");
        expected.rows[size_t(row)][2] = QStringLiteral("0");
    }
    const TableCommandResult result = clearLineTable(table);
    EXPECT_TRUE(result.marksChanged);
    EXPECT_TRUE(result.messages.isEmpty());
    EXPECT_EQ(table.rows, expected.rows);
}

} // namespace
