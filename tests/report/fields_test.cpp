#include "report/fields.h"

#include "common/errors.h"

#include <gtest/gtest.h>

namespace {

using tragvel::report::numberField;
using tragvel::report::paddedField;

QString q(const char *utf8) { return QString::fromUtf8(utf8); }

struct PaddedCase
{
    const char *text;
    int width;
    const char *expected;
};

class PaddedFieldTest : public ::testing::TestWithParam<PaddedCase> {};

TEST_P(PaddedFieldTest, CutsAtFifteenAndPadsToWidth)
{
    const PaddedCase &c = GetParam();
    EXPECT_EQ(paddedField(q(c.text), c.width), q(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Fields, PaddedFieldTest, ::testing::Values(
    PaddedCase{"1", 10, "1         "},
    PaddedCase{"", 5, "     "},
    PaddedCase{"1234567890", 10, "1234567890"},
    PaddedCase{"12345678901", 10, "12345678901"},
    PaddedCase{"123456789012345", 10, "123456789012345"},
    PaddedCase{"1234567890123456789", 10, "123456789012345"},
    PaddedCase{"1234567890123456789", 20, "123456789012345     "},
    // Czech letters count one each.
    PaddedCase{"Příčinková čára", 16, "Příčinková čára "},
    PaddedCase{"žžžžžžžžžžžžžžžžž", 5, "žžžžžžžžžžžžžžž"}));

TEST(PaddedFieldTest, LetterOutsideBasicPlaneIsNeverSplit)
{
    const QString face = QString::fromUtf8("\xF0\x9F\x98\x80"); // one letter, two UTF-16 units
    EXPECT_EQ(paddedField(face, 3), face + QStringLiteral("  "));
    EXPECT_EQ(paddedField(QString(14, u'a') + face + face, 10), QString(14, u'a') + face);
}

TEST(RowNumberFieldTest, PadsToFive)
{
    EXPECT_EQ(tragvel::report::rowNumberField(1), QStringLiteral("1    "));
    EXPECT_EQ(tragvel::report::rowNumberField(100), QStringLiteral("100  "));
}

struct NumberCase
{
    const char *cell;
    int decimals;
    const char *expected;
};

class NumberFieldTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberFieldTest, FiveSignificantDigitsInTen)
{
    const NumberCase &c = GetParam();
    EXPECT_EQ(numberField(q(c.cell), c.decimals), q(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Fields, NumberFieldTest, ::testing::Values(
    NumberCase{"12,5", 4, "12,5000   "},
    NumberCase{"150", 3, "150,000   "},
    NumberCase{"1234567", 3, "1,2346E6  "},
    NumberCase{"1234,5678", 3, "1234,600  "},
    NumberCase{"12,3456789", 3, "12,346    "},
    NumberCase{"-2,5", 3, "-2,500    "},
    NumberCase{"0", 4, "0,0000    "},
    NumberCase{"1,00", 3, "1,000     "},
    NumberCase{"99999", 4, "99999,0000"},
    NumberCase{"-12345,678", 4, "-12346,0000"},
    NumberCase{"100000", 3, "1E5       "}));

TEST(NumberFieldTest, TextThatIsNotANumberThrows)
{
    try {
        numberField(QStringLiteral("1.5"), 3);
        FAIL() << "no exception";
    } catch (const tragvel::ConversionError &e) {
        EXPECT_EQ(e.text(), QStringLiteral("'1.5' is not a valid floating point value"));
    }
}

} // namespace
