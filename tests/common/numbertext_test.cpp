#include "common/errors.h"
#include "common/numbertext.h"
#include "common/textfilereader.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace tragvel;

namespace {

const QChar comma = u',';
const QChar point = u'.';

struct RealCase
{
    const char *text;
    bool valid;
    double value;
};

class ParseRealTest : public testing::TestWithParam<RealCase>
{
};

TEST_P(ParseRealTest, ReadsWithComma)
{
    const RealCase c = GetParam();
    const std::optional<double> value = parseReal(QString::fromUtf8(c.text), comma);
    ASSERT_EQ(value.has_value(), c.valid) << c.text;
    if (c.valid) {
        EXPECT_EQ(*value, c.value) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(NumberText, ParseRealTest,
    testing::Values(RealCase{"1,00", true, 1.0}, RealCase{"0", true, 0.0}, RealCase{"-2,5", true, -2.5},
                    RealCase{"+3", true, 3.0}, RealCase{"  12,5  ", true, 12.5}, RealCase{"1,", true, 1.0},
                    RealCase{",5", true, 0.5}, RealCase{"1E3", true, 1000.0}, RealCase{"1e-2", true, 0.01},
                    RealCase{"2,5E+2", true, 250.0}, RealCase{"1E-400", true, 0.0},
                    RealCase{"1E-320", true, 1e-320}, RealCase{"", false, 0}, RealCase{"   ", false, 0},
                    RealCase{",", false, 0}, RealCase{"1E", false, 0}, RealCase{"--1", false, 0},
                    RealCase{"1E400", false, 0}, RealCase{"1.5", false, 0}, RealCase{"1,5,2", false, 0},
                    RealCase{"1 5", false, 0}, RealCase{"abc", false, 0}, RealCase{"1,5x", false, 0},
                    RealCase{"E5", false, 0}, RealCase{"-", false, 0}, RealCase{"nan", false, 0},
                    RealCase{"inf", false, 0}, RealCase{"1E+", false, 0}));

// Out of the range of doubles, the value decides, not how it is written: huge is no number, tiny
// reads as zero. The cells and the files read by one grammar and agree on it.
TEST(NumberText, RangeIsJudgedByTheValue)
{
    const QString zeros(400, u'0');
    struct Case
    {
        QString text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {QStringLiteral("1") + zeros + QStringLiteral("E-10"), std::nullopt},   // about 1E390
        {QStringLiteral("1") + zeros + QStringLiteral("E-100"), 1e300},
        {QStringLiteral("-1") + zeros + QStringLiteral("E-400"), -1.0},
        {QStringLiteral("0,") + zeros + QStringLiteral("1"), 0.0},               // 1E-401 without exponent
        {QStringLiteral("0,") + zeros + QStringLiteral("1E+10"), 0.0},           // 1E-391, positive exponent
        {QStringLiteral("0,") + zeros + QStringLiteral("1E500"), 1e99},
        {zeros + QStringLiteral("1E-20"), 1e-20},
        {QStringLiteral("1E99999999999999999999"), std::nullopt},
        {QStringLiteral("-1E-99999999999999999999"), -0.0},
        {QStringLiteral("0E99999999999999999999"), 0.0},
        {QStringLiteral("0,0E-99999"), 0.0},
    };
    for (const Case &c : cases) {
        const std::optional<double> cell = parseReal(c.text, comma);
        EXPECT_EQ(cell, c.value) << c.text.left(12).toStdString() << " .. " << c.text.right(8).toStdString();
        QString fileText = c.text;
        fileText.replace(comma, point);
        double file = 12345.0;
        const bool read = parsePointNotation(fileText.toLatin1(), file);
        EXPECT_EQ(read, c.value.has_value()) << fileText.right(8).toStdString();
        if (read && c.value) {
            EXPECT_EQ(file, *c.value) << fileText.right(8).toStdString();
        }
    }
}

// The file grammar wants digits on both sides of the point; the cells do not.
TEST(NumberText, CellsAndFilesDifferOnlyInTheirGrammar)
{
    for (const char *text : {"1.", ".5", "-.5"}) {
        double value = 0.0;
        EXPECT_FALSE(parsePointNotation(QByteArray(text), value)) << text;
        EXPECT_TRUE(parseReal(QString::fromLatin1(text), point).has_value()) << text;
    }
}

TEST(NumberText, ParseRealTakesTheGivenSeparator)
{
    EXPECT_EQ(parseReal(u"1.5", point), 1.5);
    EXPECT_FALSE(parseReal(u"1,5", point).has_value());
}

struct WholeCase
{
    const char *text;
    std::optional<int> value;
};

TEST(NumberText, ParseWhole)
{
    const WholeCase cases[] = {
        {"12", 12}, {" 12", 12}, {"+3", 3}, {"-3", -3}, {"0", 0}, {"  -0", 0}, {"12 ", std::nullopt},
        {"1,0", std::nullopt}, {"", std::nullopt}, {" ", std::nullopt}, {"+", std::nullopt},
        {"abc", std::nullopt}, {"2147483647", 2147483647}, {"-2147483648", std::numeric_limits<int>::min()},
        {"2147483648", std::nullopt}, {"99999999999999999999", std::nullopt}, {"1E2", std::nullopt},
    };
    for (const WholeCase &c : cases)
        EXPECT_EQ(parseWhole(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(NumberText, FailedConversionsThrowTheRuntimeText)
{
    try {
        toReal(QStringLiteral("1.5"), comma);
        FAIL() << "no exception";
    } catch (const ConversionError &e) {
        EXPECT_EQ(e.text(), QStringLiteral("'1.5' is not a valid floating point value"));
    }
    try {
        toWhole(QStringLiteral("abc"));
        FAIL() << "no exception";
    } catch (const ConversionError &e) {
        EXPECT_EQ(e.text(), QStringLiteral("'abc' is not a valid integer value"));
    }
    EXPECT_EQ(toReal(QStringLiteral("2,5"), comma), 2.5);
    EXPECT_EQ(toWhole(QStringLiteral(" 7")), 7);
}

struct GeneralCase
{
    double value;
    const char *text;
};

TEST(NumberText, GeneralText)
{
    const GeneralCase cases[] = {
        {0.0, "0"}, {-0.0, "0"}, {1.0, "1"}, {2.5, "2,5"}, {-0.25, "-0,25"}, {0.00001, "1E-5"},
        {1e20, "1E20"}, {0.0001, "0,0001"}, {0.00012, "0,00012"}, {0.000099, "9,9E-5"},
        {0.1 + 0.2, "0,3"}, {123456789012345.0, "123456789012345"}, {1234567890123456.0, "1,23456789012346E15"},
        {1e15, "1E15"}, {-1.5e-7, "-1,5E-7"}, {1.0 / 3.0, "0,333333333333333"},
        {2.0 / 3.0, "0,666666666666667"}, {100.0, "100"}, {12.5, "12,5"}, {1e-320, "1E-320"},
        {0.999999999999999944, "1"}, {-1e-20, "-1E-20"},
    };
    for (const GeneralCase &c : cases)
        EXPECT_EQ(generalText(c.value, comma), QString::fromUtf8(c.text)) << c.text;
    EXPECT_EQ(generalText(2.5, point), QStringLiteral("2.5"));
}

TEST(NumberText, GeneralTextOfNonFiniteValues)
{
    EXPECT_EQ(generalText(std::numeric_limits<double>::infinity(), comma), QStringLiteral("INF"));
    EXPECT_EQ(generalText(-std::numeric_limits<double>::infinity(), comma), QStringLiteral("-INF"));
    EXPECT_EQ(generalText(std::nan(""), comma), QStringLiteral("NAN"));
    EXPECT_EQ(fixedText(std::nan(""), 7, 2, comma), QStringLiteral("NAN"));
}

struct FixedCase
{
    double value;
    int precision;
    int decimals;
    const char *text;
};

TEST(NumberText, FixedText)
{
    const FixedCase cases[] = {
        {12345678.0, 7, 2, "1,234568E7"}, {1234.567, 5, 2, "1234,60"}, {123456.0, 5, 2, "1,2346E5"},
        {0.125, 7, 2, "0,13"}, {2.675, 7, 2, "2,68"}, {0.0, 7, 2, "0,00"}, {-0.001, 7, 2, "0,00"},
        {-0.005, 7, 2, "-0,01"}, {28.0, 5, 2, "28,00"}, {-3.5, 5, 2, "-3,50"}, {12.5, 5, 4, "12,5000"},
        {150.0, 5, 3, "150,000"}, {1234567.0, 5, 4, "1,2346E6"}, {99999.7, 5, 2, "1E5"},
        {99999.4, 5, 2, "99999,00"}, {0.00004, 5, 4, "0,0000"}, {0.00005, 5, 4, "0,0001"},
        {1234567.0, 7, 2, "1234567,00"}, {9.995, 7, 2, "10,00"}, {0.5, 7, 0, "1"},
    };
    for (const FixedCase &c : cases)
        EXPECT_EQ(fixedText(c.value, c.precision, c.decimals, comma), QString::fromUtf8(c.text)) << c.text;
}

TEST(NumberText, ProgramSeparatorIsTheComma)
{
    EXPECT_EQ(programDecimalSeparator(), QChar(u','));
}

} // namespace

namespace {

TEST(NumberText, PointNotationOfCells)
{
    const struct
    {
        const char *cell;
        const char *written;
    } cases[] = {
        {"2,5", "2.5"}, {"-0,25", "-0.25"}, {"10", "10"}, {" 7,50 ", "7.50"}, {"1,", "1"}, {",5", "0.5"},
        {"1E3", "1E3"}, {"1,5e-2", "1.5e-2"}, {"abc", "abc"}, {"", ""}, {"1.5", "1.5"}, {"1,5 2", "1,5 2"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(pointNotationText(QString::fromUtf8(c.cell), u','), QString::fromUtf8(c.written)) << c.cell;
}

} // namespace
