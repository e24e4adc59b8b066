#include "report/sections.h"

#include "common/errors.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using tragvel::report::CapacityInputs;
using tragvel::CellTable;
using tragvel::report::EffectSums;
using tragvel::report::ReportLine;
using tragvel::report::TextStyle;

QString q(const char *utf8) { return QString::fromUtf8(utf8); }

CellTable table(std::initializer_list<std::initializer_list<const char *>> rows)
{
    CellTable t;
    for (const auto &row : rows) {
        QStringList cells;
        for (const char *cell : row)
            cells << q(cell);
        t.rows.push_back(cells);
    }
    return t;
}

struct Expected
{
    const char *text;
    int height;
};

constexpr TextStyle kBoldUnderline{true, false, true, false};

void expectLines(const std::vector<ReportLine> &lines, const std::vector<Expected> &expected)
{
    ASSERT_EQ(lines.size(), expected.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].text, q(expected[i].text)) << "line " << i;
        EXPECT_EQ(lines[i].heightPixels, expected[i].height) << "line " << i;
        // Bold and underline stay set from the heading on; nothing else is added.
        EXPECT_EQ(lines[i].added, kBoldUnderline) << "line " << i;
    }
}

const CellTable longitudinalStart = table({{"    Položka", "   Staničení", "          n"},
                                           {"          1", "0", "1"},
                                           {"          2", "1", "1"}});

TEST(InfluenceLineSectionTest, LongitudinalStartTable)
{
    expectLines(tragvel::report::collectLines([&](const auto &sink) { tragvel::report::longitudinalLineSection(longitudinalStart, sink); }),
                {{"Příčinková čára ... v podéném směru mostu :", 12},
                 {"Staničení       Pořadnice", 10},
                 {"0               1", 10},
                 {"1               1", 10},
                 {" ", 10}});
}

TEST(InfluenceLineSectionTest, StationCutAtFifteenOrdinateWhole)
{
    const CellTable t = table({{"     Položka", " Vzd.od kraje", "          n"},
                               {"          1", "12345678901234567890", "-0,1234567890123456789"}});
    expectLines(tragvel::report::collectLines([&](const auto &sink) { tragvel::report::transverseLineSection(t, sink); }),
                {{"Příčinková čára ... v příčném směru :", 12},
                 {"Staničení       Pořadnice", 10},
                 {"123456789012345 -0,1234567890123456789", 10},
                 {" ", 10}});
}

const std::vector<Expected> legend = {
    {" ", 12},
    {"Typy zatížení : 0 - Zatížení stálé", 12},
    {"                1 - Zatížení nahodilé - počítané do zatížitelnosti", 12},
    {"                2 - Zatížení ostatní nahodilé - nepočítané do zatížitelnosti", 12},
    {"                3 - Zatížení stálé s uvažováním odlehčujcích účinků", 12},
    {" ", 12}};

std::vector<Expected> withLegend(std::vector<Expected> lines)
{
    lines.insert(lines.end(), legend.begin(), legend.end());
    return lines;
}

TEST(LoadSectionTest, OneDataRowGivesOneRowLine)
{
    const CellTable t = table({{" Položka", "     x1", "     x2", "     y1", "     y2", " Zatížení", "Typ zat."},
                               {"       1", "1", "1", "0", "0", "10", "1"}});
    expectLines(tragvel::report::collectLines([&](const auto &sink) { tragvel::report::designLoadSection(t, sink); }),
                withLegend({{"Zatižení konstrukce podle původní návrhové normy - ... :", 12},
                            {"Pol. x1        x2        y1        y2        Síla      Typ", 12},
                            {"1    1         1         0         0         10        1         ", 12}}));
}

TEST(LoadSectionTest, TenCharacterCellRunsIntoNextAndLongerCellsShift)
{
    const CellTable t = table({{" Položka", "     x1", "     x2", "     y1", "     y2", " Zatížení", "Typ zat."},
                               {"", "1234567890", "12345678901", "12345678901234567", "0", "-2,5", "0"},
                               {"", "a", "b", "c", "d", "e", "f"}});
    expectLines(tragvel::report::collectLines([&](const auto &sink) { tragvel::report::assessLoadSection(t, sink); }),
                withLegend({{"Zatižení konstrukce podle nové návrhové normy - ... :", 12},
                            {"Pol. x1        x2        y1        y2        Síla      Typ", 12},
                            {"1    123456789012345678901123456789012345"
                             "0         -2,5      0         ", 12},
                            {"2    a         b         c         d         e         f         ", 12}}));
}

const EffectSums sums{QStringLiteral("1,00"), QStringLiteral("2,00"), QStringLiteral("3,00"),
                      QStringLiteral("4,00"), QStringLiteral("10,00")};

const std::vector<Expected> summary = {
    {" ", 12},
    {"Účinky zatížení stálého         : 1,00", 12},
    {"Účinky ostatního nahod.zatížení : 2,00", 12},
    {"Účinky zatížení vozidly         : 3,00", 12},
    {"Účinky stálého zat.s odlehčením : 4,00", 12},
    {"Účinky zatížení celkem          : 10,00", 12},
    {" ", 12}};

CellTable effectTable(std::initializer_list<std::initializer_list<const char *>> dataRows)
{
    CellTable t = table({{" Pol.", " Síla", "NyX+", "NyX -", "NyY+", "NyY -", " Účinnost", "   Zatížení", "  d", " Celkem"}});
    for (const auto &row : dataRows) {
        QStringList cells;
        for (const char *cell : row)
            cells << q(cell);
        t.rows.push_back(cells);
    }
    return t;
}

TEST(EffectSectionTest, NumberFieldsSharesCutAndSummary)
{
    const CellTable t = effectTable({
        {"1", "150", "12,5", "-2,5", "1234567", "1234,5678", "100%/12,5%", "Vozidlo", "1,2", "12,5"},
        {"2", "10", "2", "0", "1", "0", "100%/100%", "Stálé", "1,00", "20"}});
    std::vector<Expected> expected = {
        {"Účinky zatížení podle původní návrhové normy - ... :", 12},
        {"Pol. Síla      NyX+      NyX-      NyY+      NyY-      Účinnost  Delta     Celkem", 12},
        {"1    150,000   12,500    -2,500    1,2346E6  1234,600  100%/12,5 1,200     12,5000   ", 12},
        {"2    10,000    2,000     0,000     1,000     0,000     100%/100% 1,000     20,0000   ", 12}};
    expected.insert(expected.end(), summary.begin(), summary.end());
    expectLines(tragvel::report::collectLines([&](const auto &sink) { tragvel::report::designEffectSection(t, sums, sink); }),
                expected);
}

TEST(EffectSectionTest, SummaryPrefixesAreThirtyFourWithColonThirtyThird)
{
    const EffectSums empty;
    const std::vector<ReportLine> lines =
        tragvel::report::collectLines([&](const auto &sink) { tragvel::report::assessEffectSection(effectTable({}), empty, sink); });
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0].text, q("Účinky zatížení podle nové návrhové normy - ... :"));
    for (size_t i = 3; i <= 7; ++i) {
        EXPECT_EQ(lines[i].text.size(), 34) << i;
        EXPECT_EQ(lines[i].text.at(32), u':') << i;
    }
}

TEST(EffectSectionTest, CellThatIsNotANumberStopsAfterTheLinesBefore)
{
    const CellTable t = effectTable({
        {"1", "1", "1", "0", "1", "0", "100%/0%", "Vozidlo", "1,00", "1"},
        {"2", "1", "1", "0", "1", "0", "100%/0%", "Vozidlo", "x", "1"}});
    std::vector<ReportLine> lines;
    try {
        tragvel::report::designEffectSection(t, sums, [&](const ReportLine &line) { lines.push_back(line); });
        FAIL() << "no exception";
    } catch (const tragvel::ConversionError &e) {
        EXPECT_EQ(e.text(), QStringLiteral("'x' is not a valid floating point value"));
    }
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2].text, q("1    1,000     1,000     0,000     1,000     0,000     100%/0%   1,000     1,0000    "));
}

CapacityInputs startInputs()
{
    CapacityInputs in;
    in.spc = QStringLiteral("10");
    in.sng = QStringLiteral("2");
    in.snv = QStringLiteral("3");
    in.snr = QStringLiteral("1");
    in.tn = QString();
    in.alfa = QStringLiteral("1,00");
    in.beta = QStringLiteral("1,00");
    in.snu = QStringLiteral("25");
    in.result = QStringLiteral("????");
    return in;
}

TEST(CapacitySectionTest, ComparisonBeforeEvaluation)
{
    expectLines(tragvel::report::collectLines([&](const auto &sink) { tragvel::report::comparisonCapacitySection(startInputs(), sink); }),
                {{"Zatížitelnost konstrukce stanovená porovnávacím výpočtem :", 12},
                 {"Celkový účinek zatížení pro návrh objektu            :  Sp,c = 10", 12},
                 {"Účinek stálého zatížení pro posouzení objektu        :  Sn,g = 2", 12},
                 {"Účinek zatížení vozidly pro posouzení objektu        :  Sn,v = 3", 12},
                 {"Účinek ost.nahodilého zatížení pro posouzení objektu :  Sn,r = 1", 12},
                 {"Hmotnost vozidla v zatížení pro posouzení            :  Tn   =  t", 12},
                 {"Součinitel stavu konstrukce                          :  alfa = 1,00", 12},
                 {"Součinitel pevnosti materiálu                        :  beta = 1,00", 12},
                 {"", 12},
                 {"... zatížitelnost konstrukce                         :  V..  = ???? t", 12}});
}

TEST(CapacitySectionTest, StaticHasResistanceLine)
{
    CapacityInputs in = startInputs();
    in.result = QStringLiteral("5,33");
    const std::vector<ReportLine> lines =
        tragvel::report::collectLines([&](const auto &sink) { tragvel::report::staticCapacitySection(in, sink); });
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0].text, q("Zatížitelnost konstrukce stanovená porovnávacím statickým výpočtem :"));
    EXPECT_EQ(lines[8].text, q("Únosnost průřezu stanovenná podle nového předpisu    :  Sn,u = 25"));
    EXPECT_EQ(lines[9].text, QString());
    EXPECT_EQ(lines[10].text, q("... zatížitelnost konstrukce                         :  V..  = 5,33 t"));
    for (size_t i = 1; i <= 8; ++i) {
        EXPECT_EQ(lines[i].text.indexOf(u':'), 53) << i;
        EXPECT_GE(lines[i].text.size(), 63) << i;
    }
}

} // namespace
