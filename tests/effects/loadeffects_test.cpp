#include "effects/loadeffects.h"

#include "common/errors.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

#include <ostream>

#include <limits>
#include <string>

using namespace tragvel;
using namespace tragvel::effects;

// Readable failure output for texts.
namespace {

const QChar comma(u',');

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

QStringList texts(const std::vector<const char *> &items)
{
    QStringList list;
    for (const char *item : items)
        list << QString::fromUtf8(item);
    return list;
}

EffectBoxes boxes(const char *x, const char *y, const char *delta, const char *relief)
{
    return EffectBoxes{u8(x), u8(y), u8(delta), u8(relief)};
}

struct Patch
{
    const char *x1, *x2, *y1, *y2, *load, *type;
};

CellTable loadTable(const std::vector<Patch> &patches)
{
    CellTable table;
    table.rows.push_back({u8(" Položka"), u8("     x1"), u8("     x2"), u8("     y1"), u8("     y2"),
                          u8(" Zatížení"), u8("Typ zat.")});
    int row = 1;
    for (const Patch &p : patches)
        table.rows.push_back({QStringLiteral("       %1").arg(row++), u8(p.x1), u8(p.x2), u8(p.y1),
                              u8(p.y2), u8(p.load), u8(p.type)});
    return table;
}

PatchIntegrator fixedIntegrals(TPatchIntegrals integrals)
{
    return [integrals](double, double, double, double) { return integrals; };
}

const TPatchIntegrals workedIntegrals{2.0, -1.0, 1.0, 0.0};

struct RowCase
{
    std::string name;
    const char *load, *type, *delta, *relief;
    std::vector<const char *> expected; // columns 0 to 9
};

TEST(LoadEffects, RowsOfTheWorkedExamples)
{
    const std::vector<RowCase> cases = {
        {"vehicle, no relief", "10", "1", "1,2", "0",
         {"1", "10", "2", "-1", "1", "0", "100%/0%", "Vozidlo", "1,2", "24"}},
        {"vehicle, half relief", "10", "1", "1,2", "50",
         {"1", "10", "2", "-1", "1", "0", "100%/50%", "Vozidlo", "1,2", "18"}},
        {"other variable, no relief", "10", "2", "1,2", "0",
         {"1", "10", "2", "-1", "1", "0", "100%/0%", "Ost.nahod.", "1,2", "24"}},
        {"permanent with relief ignores delta", "10", "3", "1,2", "50",
         {"1", "10", "2", "-1", "1", "0", "100%/50%", "Stálé s odl.", "1,00", "15"}},
        {"permanent counts both parts in full", "10", "0", "1,2", "50",
         {"1", "10", "2", "-1", "1", "0", "100%/100%", "Stálé", "1,00", "10"}},
        {"negative load is loaded by the negative parts", "-10", "3", "1,2", "25",
         {"1", "-10", "2", "-1", "1", "0", "100%/25%", "Stálé s odl.", "1,00", "1,25"}},
        {"relief text copied as typed", "10", "1", "1,2", "50,0",
         {"1", "10", "2", "-1", "1", "0", "100%/50,0%", "Vozidlo", "1,2", "18"}},
        {"load value in general text", "10,50", "0", "1,00", "0",
         {"1", "10,5", "2", "-1", "1", "0", "100%/100%", "Stálé", "1,00", "10,5"}},
        {"delta text copied as typed", "10", "1", " 1,20", "0",
         {"1", "10", "2", "-1", "1", "0", "100%/0%", "Vozidlo", " 1,20", "24"}},
    };
    for (const RowCase &c : cases) {
        SCOPED_TRACE(c.name);
        const EffectSet set = computeEffectSet(loadTable({{"0", "1", "0", "1", c.load, c.type}}),
                                               boxes("0", "0", c.delta, c.relief),
                                               fixedIntegrals(workedIntegrals), comma);
        ASSERT_EQ(set.rows.size(), 1u);
        EXPECT_EQ(set.rows[0], texts(c.expected));
    }
}

TEST(LoadEffects, SumsByTypeAndTotal)
{
    const EffectSet set = computeEffectSet(loadTable({{"0", "1", "0", "1", "10", "0"},
                                                      {"0", "1", "0", "1", "10", "1"},
                                                      {"0", "1", "0", "1", "5", "0"},
                                                      {"0", "1", "0", "1", "-10", "3"},
                                                      {"0", "1", "0", "1", "1", "2"}}),
                                           boxes("0", "0", "1,2", "25"), fixedIntegrals(workedIntegrals),
                                           comma);
    ASSERT_EQ(set.rows.size(), 5u);
    EXPECT_EQ(set.rows[4][0], u8("5"));
    // Permanent 10 + 5; vehicle (2 - 0,25) * 12 * 1 = 21; relieved 1,25; other 1,75 * 1,2 = 2,1.
    EXPECT_EQ(set.labels.permanent, u8("15,00"));
    EXPECT_EQ(set.labels.vehicle, u8("21,00"));
    EXPECT_EQ(set.labels.relievedPermanent, u8("1,25"));
    EXPECT_EQ(set.labels.otherVariable, u8("2,10"));
    EXPECT_EQ(set.labels.total, u8("39,35"));
}

TEST(LoadEffects, UnusedTypesShowZero)
{
    const EffectSet set = computeEffectSet(loadTable({{"0", "1", "0", "1", "10", "0"}}),
                                           boxes("0", "0", "1,00", "0"), fixedIntegrals(workedIntegrals),
                                           comma);
    EXPECT_EQ(set.labels.permanent, u8("10,00"));
    EXPECT_EQ(set.labels.vehicle, u8("0,00"));
    EXPECT_EQ(set.labels.otherVariable, u8("0,00"));
    EXPECT_EQ(set.labels.relievedPermanent, u8("0,00"));
    EXPECT_EQ(set.labels.total, u8("10,00"));
}

TEST(LoadEffects, SumsAreFormedFromTheShownTexts)
{
    const QString third = QStringLiteral("0,333333333333333");
    QStringList row = texts({"1", "1", "1", "0", "1", "0", "100%/100%", "Stálé", "1,00"});
    row << third;
    const QStringList unknown = texts({"2", "1", "1", "0", "1", "0", "", "", "", ""});
    const EffectSums sums = sumEffectRows({row, row, unknown, row}, comma);
    const double shown = 0.333333333333333;
    EXPECT_EQ(sums.permanent, shown + shown + shown);
    EXPECT_NE(sums.permanent, 1.0);
    EXPECT_EQ(sums.total, sums.permanent);
}

TEST(LoadEffects, LabelsInFixedText)
{
    EffectSums sums;
    sums.permanent = 12345678.0;
    sums.vehicle = -0.004;
    sums.otherVariable = 1234.5678;
    sums.relievedPermanent = 0.125;
    sums.total = 1.0 / 3.0;
    const EffectLabels labels = effectLabels(sums, comma);
    EXPECT_EQ(labels.permanent, u8("1,234568E7"));
    EXPECT_EQ(labels.otherVariable, u8("1234,57"));
    EXPECT_EQ(labels.vehicle, u8("0,00"));
    EXPECT_EQ(labels.relievedPermanent, u8("0,13"));
    EXPECT_EQ(labels.total, u8("0,33"));
}

TEST(LoadEffects, PatchIsShiftedByTheReferencePoint)
{
    std::vector<std::array<double, 4>> calls;
    const PatchIntegrator recorder = [&calls](double x1, double x2, double y1, double y2) {
        calls.push_back({x1, x2, y1, y2});
        return TPatchIntegrals{};
    };
    computeEffectSet(loadTable({{"5", "7", "0", "1", "10", "0"}, {"1,5", "1,5", "2", "3", "1", "1"}}),
                     boxes("2,5", "-1", "1,00", "0"), recorder, comma);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], (std::array<double, 4>{2.5, 4.5, 1.0, 2.0}));
    EXPECT_EQ(calls[1], (std::array<double, 4>{-1.0, -1.0, 3.0, 4.0}));
}

TEST(LoadEffects, MissedPatchShowsZeros)
{
    const InfluenceLine longitudinal{{0.0, 0.0}, {10.0, 1.0}};
    const InfluenceLine transverse{{0.0, 1.0}, {1.0, 1.0}};
    const PatchIntegrator integrate = [&](double x1, double x2, double y1, double y2) {
        return integratePatch(longitudinal, transverse, x1, x2, y1, y2);
    };
    const EffectSet set = computeEffectSet(loadTable({{"12", "15", "0", "1", "-10", "0"},
                                                      {"5", "10", "0", "1", "2", "0"}}),
                                           boxes("0", "0", "1,00", "0"), integrate, comma);
    EXPECT_EQ(set.rows[0],
              texts({"1", "-10", "0", "0", "0", "0", "100%/100%", "Stálé", "1,00", "0"}));
    EXPECT_EQ(set.rows[1],
              texts({"2", "2", "3,75", "0", "1", "0", "100%/100%", "Stálé", "1,00", "7,5"}));
    EXPECT_EQ(set.labels.permanent, u8("7,50"));
}

TEST(LoadEffects, UnknownTypeWritesNoEffect)
{
    const EffectSet set = computeEffectSet(loadTable({{"0", "1", "0", "1", "10", "7"}}),
                                           boxes("0", "0", "1,00", "0"), fixedIntegrals(workedIntegrals),
                                           comma);
    EXPECT_EQ(set.rows[0], texts({"1", "10", "2", "-1", "1", "0", "", "", "", ""}));
    EXPECT_EQ(set.labels.total, u8("0,00"));
}

struct ConversionCase
{
    std::string name;
    std::vector<Patch> patches;
    EffectBoxes boxes;
    QString error; // empty: no error
};

TEST(LoadEffects, BoxesAreConvertedOnlyWhereTheTypeNeedsThem)
{
    const std::vector<ConversionCase> cases = {
        {"reference x", {{"0", "1", "0", "1", "10", "0"}}, boxes("x", "0", "1,00", "0"),
         u8("'x' is not a valid floating point value")},
        {"reference y", {{"0", "1", "0", "1", "10", "0"}}, boxes("0", "1.5", "1,00", "0"),
         u8("'1.5' is not a valid floating point value")},
        {"delta unused by types 0 and 3",
         {{"0", "1", "0", "1", "10", "0"}, {"0", "1", "0", "1", "10", "3"}},
         boxes("0", "0", "abc", "0"), QString()},
        {"delta of a vehicle",
         {{"0", "1", "0", "1", "10", "0"}, {"0", "1", "0", "1", "10", "1"}},
         boxes("0", "0", "abc", "0"),
         u8("'abc' is not a valid floating point value")},
        {"delta of another variable load", {{"0", "1", "0", "1", "10", "2"}}, boxes("0", "0", "", "0"),
         u8("'' is not a valid floating point value")},
        {"relief unused by type 0", {{"0", "1", "0", "1", "10", "0"}}, boxes("0", "0", "1,00", "%"), QString()},
        {"relief of type 3", {{"0", "1", "0", "1", "10", "3"}}, boxes("0", "0", "1,00", "%"),
         u8("'%' is not a valid floating point value")},
        {"type not whole", {{"0", "1", "0", "1", "10", "1,0"}}, boxes("0", "0", "1,00", "0"),
         u8("'1,0' is not a valid integer value")},
    };
    for (const ConversionCase &c : cases) {
        SCOPED_TRACE(c.name);
        try {
            computeEffectSet(loadTable(c.patches), c.boxes, fixedIntegrals(workedIntegrals), comma);
            EXPECT_TRUE(c.error.isEmpty());
        } catch (const ConversionError &e) {
            EXPECT_EQ(e.text(), c.error);
        }
    }
}

TEST(LoadEffects, ValuesBeyondTheRangeOfNumbersAreRefused)
{
    const QString sumError =
        u8("Součet účinků zatížení nelze vyčíslit, hodnota překračuje rozsah čísel !!!");
    auto errorOf = [](const CellTable &loads, const TPatchIntegrals &integrals) {
        try {
            computeEffectSet(loads, boxes("0", "0", "1,00", "0"), fixedIntegrals(integrals), comma);
        } catch (const ConversionError &) {
            return QStringLiteral("conversion");
        } catch (const Error &e) {
            return e.text();
        }
        return QString();
    };
    // A single effect that overflows.
    EXPECT_EQ(errorOf(loadTable({{"0", "1", "0", "1", "1", "0"}, {"0", "1", "0", "1", "10", "0"}}),
                      {1e200, 0, 1e200, 0}),
              u8("Účinek zatížení v řádku 1 nelze vyčíslit, hodnota překračuje rozsah čísel !!!"));
    // 0 times an infinite integral is no number either.
    EXPECT_EQ(errorOf(loadTable({{"0", "1", "0", "1", "1", "0"}, {"0", "1", "0", "1", "0", "1"}}),
                      {std::numeric_limits<double>::infinity(), 0, 1, 0}),
              u8("Účinek zatížení v řádku 1 nelze vyčíslit, hodnota překračuje rozsah čísel !!!"));
    // Two finite effects whose sum overflows.
    EXPECT_EQ(errorOf(loadTable({{"0", "1", "0", "1", "1E300", "0"}, {"0", "1", "0", "1", "1E300", "0"}}),
                      {1e8, 0, 1, 0}),
              sumError);
    // Types summed apart, total overflowing.
    EXPECT_EQ(errorOf(loadTable({{"0", "1", "0", "1", "1E300", "0"}, {"0", "1", "0", "1", "1E300", "3"}}),
                      {1e8, 0, 1, 0}),
              sumError);
    // The largest double, shown with 15 digits, reads back beyond the range.
    EXPECT_EQ(errorOf(loadTable({{"0", "1", "0", "1", "1", "0"}}),
                      {std::numeric_limits<double>::max(), 0, 1, 0}),
              sumError);
}

} // namespace
