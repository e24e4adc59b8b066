#include "loads/loadtexts.h"
#include "loads/zatreader.h"

#include "loadstesting.h"

#include <gtest/gtest.h>

using namespace tragvel;
using loadstesting::q;

namespace {

CellTable tenRows()
{
    CellTable t;
    t.rows.push_back(loadTableHeaders());
    for (int r = 1; r <= 10; ++r)
        t.rows.push_back({QStringLiteral("old"), QStringLiteral("a%1").arg(r), QStringLiteral("b%1").arg(r),
                          QStringLiteral("c%1").arg(r), QStringLiteral("d%1").arg(r),
                          QStringLiteral("e%1").arg(r), QStringLiteral("f%1").arg(r)});
    return t;
}

CellTable loaded(const QByteArray &bytes, QStringList *messages = nullptr,
                 const LoadSet &set = designLoadSet())
{
    CellTable t = tenRows();
    const LoadFileContents contents = readLoadFile(bytes, set);
    applyLoadFile(t, contents);
    if (messages)
        *messages = contents.messages;
    return t;
}

QStringList cells(const char *label, std::initializer_list<const char *> texts)
{
    QStringList row{q(label)};
    for (const char *t : texts)
        row << q(t);
    return row;
}

TEST(ZatReader, ThreeLinesIntoTenRowsLeaveThreeRows)
{
    QStringList messages;
    const CellTable t = loaded("1 5 0 2 10 1\r\n0.5 2.25 0 1 7.5 0\r\n-3 -1 1e1 2E+1 -20 3\r\n", &messages);
    EXPECT_TRUE(messages.isEmpty());
    ASSERT_EQ(t.rowCount(), 4);
    EXPECT_EQ(t.rows[0], loadTableHeaders());
    EXPECT_EQ(t.rows[1], cells("       1", {"1", "5", "0", "2", "10", "1"}));
    EXPECT_EQ(t.rows[2], cells("       2", {"0,5", "2,25", "0", "1", "7,5", "0"}));
    EXPECT_EQ(t.rows[3], cells("       3", {"-3", "-1", "10", "20", "-20", "3"}));
}

TEST(ZatReader, AssessmentSetLabelsRowsWithTheNumberAlone)
{
    const CellTable t = loaded("1 2 0 0 10 1\r\n3 4 0 0 10 1\r\n", nullptr, assessmentLoadSet());
    ASSERT_EQ(t.rowCount(), 3);
    EXPECT_EQ(t.cell(0, 1), QStringLiteral("1"));
    EXPECT_EQ(t.cell(0, 2), QStringLiteral("2"));
}

TEST(ZatReader, EmptyFileChangesNoCell)
{
    QStringList messages;
    EXPECT_EQ(loaded("", &messages).rows, tenRows().rows);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(readLoadFile("", designLoadSet()).rows.empty());
}

TEST(ZatReader, ShortLineLeavesTheCellsItDoesNotSupplyEmpty)
{
    QStringList messages;
    const CellTable t = loaded("1 5 0 2\r\n3 4 0 0 7 1\r\n", &messages);
    EXPECT_TRUE(messages.isEmpty());
    ASSERT_EQ(t.rowCount(), 3);
    EXPECT_EQ(t.rows[1], cells("       1", {"1", "5", "0", "2", "", ""}));
    EXPECT_EQ(t.rows[2], cells("       2", {"3", "4", "0", "0", "7", "1"}));
}

TEST(ZatReader, ShortLineEndingInBlanksTakesValuesFromTheNextLine)
{
    QStringList messages;
    const CellTable t = loaded("1 5 0 2  \r\n3 4 0 0 7 1\r\n9 9 0 0 1 1\r\n", &messages);
    EXPECT_EQ(messages, QStringList{loadtexts::tooManyColumns()});
    ASSERT_EQ(t.rowCount(), 3);
    EXPECT_EQ(t.rows[1], cells("       1", {"1", "5", "0", "2", "3", "4"}));
    EXPECT_EQ(t.rows[2], cells("       2", {"9", "9", "0", "0", "1", "1"}));
}

TEST(ZatReader, ShortLineEndingInBlanksBeforeAShortNextLineShowsNothing)
{
    QStringList messages;
    const CellTable t = loaded("1 5 0 2 \r\n3 4\r\n", &messages);
    EXPECT_TRUE(messages.isEmpty());
    ASSERT_EQ(t.rowCount(), 2);
    EXPECT_EQ(t.rows[1], cells("       1", {"1", "5", "0", "2", "3", "4"}));
}

TEST(ZatReader, EmptyLinesGiveEmptyRowsWithTheirLabelOnly)
{
    QStringList messages;
    const CellTable t = loaded("1 2 0 0 10 1\r\n\r\n3 3 0 0 10 1\r\n\r\n", &messages);
    EXPECT_TRUE(messages.isEmpty());
    ASSERT_EQ(t.rowCount(), 5);
    EXPECT_EQ(t.rows[2], cells("       2", {"", "", "", "", "", ""}));
    EXPECT_EQ(t.rows[3], cells("       3", {"3", "3", "0", "0", "10", "1"}));
    EXPECT_EQ(t.rows[4], cells("       4", {"", "", "", "", "", ""}));
}

struct LineEndCase
{
    const char *name;
    QByteArray bytes;
};

class ZatReaderLineEnds : public testing::TestWithParam<LineEndCase> {};

TEST_P(ZatReaderLineEnds, EachLineIsOneRow)
{
    QStringList messages;
    const CellTable t = loaded(GetParam().bytes, &messages);
    EXPECT_TRUE(messages.isEmpty());
    ASSERT_EQ(t.rowCount(), 3);
    EXPECT_EQ(t.rows[1], cells("       1", {"1", "2", "0", "0", "10", "1"}));
    EXPECT_EQ(t.rows[2], cells("       2", {"3", "4", "0", "0", "5", "0"}));
}

INSTANTIATE_TEST_SUITE_P(Files, ZatReaderLineEnds,
                         testing::Values(LineEndCase{"CRLF", "1 2 0 0 10 1\r\n3 4 0 0 5 0\r\n"},
                                         LineEndCase{"LF", "1 2 0 0 10 1\n3 4 0 0 5 0\n"},
                                         LineEndCase{"CR", "1 2 0 0 10 1\r3 4 0 0 5 0\r"},
                                         LineEndCase{"NoFinalLineEnd", "1 2 0 0 10 1\r\n3 4 0 0 5 0"},
                                         LineEndCase{"TabsAndTrailingBlanks", "1\t2 0   0 10 1 \t \r\n 3 4 0 0 5 0\r\n"}),
                         [](const testing::TestParamInfo<LineEndCase> &info) { return std::string(info.param.name); });

TEST(ZatReader, EightValuesShowChyba10OnceAndKeepSix)
{
    QStringList messages;
    const CellTable t = loaded("1 2 0 0 10 1 7 8\r\n2 3 0 0 10 1\r\n", &messages);
    EXPECT_EQ(messages, QStringList{loadtexts::tooManyColumns()});
    ASSERT_EQ(t.rowCount(), 3);
    EXPECT_EQ(t.rows[1], cells("       1", {"1", "2", "0", "0", "10", "1"}));
    EXPECT_EQ(t.rows[2], cells("       2", {"2", "3", "0", "0", "10", "1"}));
}

struct BadValueCase
{
    const char *token;
    const char *cell;
};

class ZatReaderBadValue : public testing::TestWithParam<BadValueCase> {};

TEST_P(ZatReaderBadValue, ShowsChyba01AndTakesThePartialValue)
{
    QStringList messages;
    const CellTable t = loaded(QByteArray(GetParam().token) + " 5 0 2 10 1\r\n", &messages);
    EXPECT_EQ(messages, QStringList{loadtexts::invalidFileNumber()});
    ASSERT_EQ(t.rowCount(), 2);
    EXPECT_EQ(t.rows[1], cells("       1", {GetParam().cell, "5", "0", "2", "10", "1"}));
}

INSTANTIATE_TEST_SUITE_P(Tokens, ZatReaderBadValue,
                         testing::Values(BadValueCase{"1,5", "1"}, BadValueCase{"-0,5", "0"},
                                         BadValueCase{"2.5x", "25"}, BadValueCase{"abc", "0"},
                                         BadValueCase{"-12,75", "12"}, BadValueCase{"1.", "1"},
                                         BadValueCase{"1e", "1"}));

TEST(ZatReader, MessagesComeInTheOrderTheyArise)
{
    QStringList messages;
    loaded("x 2 y 0 10 1 9\r\n1 2 0 0 10 z\r\n", &messages);
    EXPECT_EQ(messages, (QStringList{loadtexts::invalidFileNumber(), loadtexts::invalidFileNumber(),
                                     loadtexts::tooManyColumns(), loadtexts::invalidFileNumber()}));
}

TEST(ZatReader, TrailingBlanksAtTheEndOfTheFileReadAsZero)
{
    const CellTable t = loaded("1 2 3 ");
    ASSERT_EQ(t.rowCount(), 2);
    EXPECT_EQ(t.rows[1], cells("       1", {"1", "2", "3", "0", "", ""}));
}

TEST(ZatReader, DataEndAtCtrlZ)
{
    const CellTable t = loaded("1 2 0 0 10 1\r\n\x1a" "3 4 0 0 5 0\r\n");
    EXPECT_EQ(t.rowCount(), 2);
}

QByteArray lines(int count)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += QByteArray::number(i) + " " + QByteArray::number(i + 1) + " 0 0 10 1\r\n";
    return bytes;
}

TEST(ZatReader, AHundredLinesAreRead)
{
    QStringList messages;
    const CellTable t = loaded(lines(100), &messages);
    EXPECT_TRUE(messages.isEmpty());
    ASSERT_EQ(t.rowCount(), 101);
    EXPECT_EQ(t.rows[100], cells("       100", {"100", "101", "0", "0", "10", "1"}));
}

TEST(ZatReader, AHundredAndOneLinesShowChyba11AndKeepAHundred)
{
    QStringList messages;
    const CellTable t = loaded(lines(101), &messages);
    EXPECT_EQ(messages, QStringList{loadtexts::tooManyLines()});
    EXPECT_EQ(t.rowCount(), 101);
}

TEST(ZatReader, MessagesOfTheLastRowComeBeforeChyba11)
{
    QByteArray bytes = lines(99) + "1 2 0 0 10 1 7\r\n" + "5 5 0 0 1 1\r\n";
    QStringList messages;
    loaded(bytes, &messages);
    EXPECT_EQ(messages, (QStringList{loadtexts::tooManyColumns(), loadtexts::tooManyLines()}));
}

TEST(ZatReader, LongTokensSplitAfterSixtyFourCharacters)
{
    const QByteArray digits(70, '1');
    const LoadFileContents contents = readLoadFile(digits + " 2 0 0 10 1\r\n", designLoadSet());
    ASSERT_EQ(contents.rows.size(), 1u);
    EXPECT_EQ(contents.rows[0].cells.at(0), QStringLiteral("1,11111111111111E63"));
    EXPECT_EQ(contents.rows[0].cells.at(1), QStringLiteral("111111"));
    EXPECT_EQ(contents.messages, QStringList{loadtexts::tooManyColumns()});
}

} // namespace
