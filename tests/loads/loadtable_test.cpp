#include "loads/loadtable.h"
#include "loads/loadtexts.h"

#include <gtest/gtest.h>

using namespace tragvel;

namespace {

CellTable tableOfDefaultRows(int rows)
{
    CellTable t;
    t.rows.push_back(loadTableHeaders());
    for (int r = 1; r <= rows; ++r)
        t.rows.push_back(defaultLoadRow(r));
    return t;
}

TEST(LoadTable, StartupTablesDifferOnlyInTheirRowLabels)
{
    const CellTable design = startupLoadTable(designLoadSet());
    const CellTable assessment = startupLoadTable(assessmentLoadSet());
    ASSERT_EQ(design.rowCount(), 5);
    ASSERT_EQ(assessment.rowCount(), 5);
    EXPECT_EQ(design.rows[0], (QStringList{QStringLiteral(" Položka"), QStringLiteral("     x1"),
                                           QStringLiteral("     x2"), QStringLiteral("     y1"),
                                           QStringLiteral("     y2"), QStringLiteral(" Zatížení"),
                                           QStringLiteral("Typ zat.")}));
    EXPECT_EQ(design.rows[2], (QStringList{QStringLiteral("       2"), QStringLiteral("2"), QStringLiteral("2"),
                                           QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("10"),
                                           QStringLiteral("1")}));
    EXPECT_EQ(assessment.cell(0, 4), QStringLiteral("      4"));
    EXPECT_EQ(assessment.cell(1, 4), QStringLiteral("4"));
}

struct NewTableCase
{
    const char *answer;
    QStringList messages;
    int rows; // 0: refused
};

class NewLoadTable : public testing::TestWithParam<NewTableCase> {};

TEST_P(NewLoadTable, FollowsTheAnswer)
{
    const NewTableCase &c = GetParam();
    const CellTable before = startupLoadTable(designLoadSet());
    const NewTableOutcome outcome = newLoadTable(before, QString::fromUtf8(c.answer));
    EXPECT_EQ(outcome.messages, c.messages);
    if (c.rows == 0) {
        EXPECT_FALSE(outcome.table.has_value());
        return;
    }
    ASSERT_TRUE(outcome.table.has_value());
    const CellTable &t = *outcome.table;
    ASSERT_EQ(t.rowCount(), c.rows + 1);
    EXPECT_EQ(t.rows[0], loadTableHeaders());
    for (int r = 1; r <= c.rows; ++r) {
        const QString n = QString::number(r);
        EXPECT_EQ(t.rows[size_t(r)], (QStringList{QStringLiteral("       ") + n, n, n, QStringLiteral("0"),
                                                  QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("1")}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, NewLoadTable,
    testing::Values(NewTableCase{"2", {}, 2}, NewTableCase{"100", {}, 100}, NewTableCase{" 7", {}, 7},
                    NewTableCase{"+3", {}, 3}, NewTableCase{"1", {}, 1},
                    NewTableCase{"0", {loadtexts::rowCountNotPositive()}, 0},
                    NewTableCase{"-5", {loadtexts::rowCountNotPositive()}, 0},
                    NewTableCase{"101", {loadtexts::tooManyRows()}, 0},
                    NewTableCase{"abc", {loadtexts::notWholeNumber()}, 1},
                    NewTableCase{"2,5", {loadtexts::notWholeNumber()}, 1},
                    NewTableCase{"", {loadtexts::notWholeNumber()}, 1},
                    NewTableCase{"3 ", {loadtexts::notWholeNumber()}, 1}));

TEST(NewLoadTable, ShrinksALongerTable)
{
    const NewTableOutcome outcome = newLoadTable(tableOfDefaultRows(10), QStringLiteral("3"));
    ASSERT_TRUE(outcome.table.has_value());
    EXPECT_EQ(outcome.table->rowCount(), 4);
}

TEST(AddLoadRow, CopiesTheRowAboveWithItsOwnLabel)
{
    CellTable t = tableOfDefaultRows(99);
    t.setCell(1, 99, QStringLiteral("1,5"));
    t.setCell(5, 99, QString());
    EXPECT_TRUE(addLoadRow(t).isEmpty());
    ASSERT_EQ(t.rowCount(), 101);
    EXPECT_EQ(t.rows[100], (QStringList{QStringLiteral("       100"), QStringLiteral("1,5"), QStringLiteral("99"),
                                        QStringLiteral("0"), QStringLiteral("0"), QString(), QStringLiteral("1")}));
}

TEST(AddLoadRow, RefusesAFullTable)
{
    CellTable t = tableOfDefaultRows(100);
    const CellTable before = t;
    EXPECT_EQ(addLoadRow(t), QStringList{loadtexts::tooManyRows()});
    EXPECT_EQ(t.rows, before.rows);
}

TEST(SetLoadRowCount, AppendsEmptyRowsOfSevenCells)
{
    CellTable t = tableOfDefaultRows(1);
    setLoadRowCount(t, 3);
    ASSERT_EQ(t.rowCount(), 4);
    EXPECT_EQ(t.rows[3], QStringList(7, QString()));
    EXPECT_EQ(t.rows[1], defaultLoadRow(1));
}

} // namespace
