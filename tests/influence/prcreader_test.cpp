#include "influence/prcfile.h"
#include "common/numbertext.h"
#include "influencetesting.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <vector>

using namespace tragvel;

namespace {

using Cell = std::optional<const char *>;
constexpr std::nullopt_t unwritten = std::nullopt;

struct ExpectedRow
{
    Cell station;
    Cell ordinate;
};

struct ReaderCase
{
    const char *name;
    QByteArray bytes;
    std::vector<ExpectedRow> rows;
    std::vector<QString> messages;
    bool transverse = false;
};

void PrintTo(const ReaderCase &c, std::ostream *os)
{
    *os << c.name;
}

const QString chyba01 = QStringLiteral("Chyba#01 : Chybný vstup ze souboru - očekává se reálné číslo!!!");
const QString chyba12 = QStringLiteral("Chyba#12 : Chyba vstupního souboru - Překročen počet sloupců tabulky př.čáry (2)!");
const QString chyba13Long = QStringLiteral("Chyba#13 : Chyba vstupního souboru - Překročen počet řádků tabulky zatížení (100)!!!");
const QString chyba13Trans = QStringLiteral("Chyba#13 : Chyba vstupního souboru - Překročen počet řádků tabulky zatížení (25)!!!");

QByteArray numberedLines(int count)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += QByteArray::number(i) + ' ' + QByteArray::number(i * 2) + "\r\n";
    return bytes;
}

std::vector<ExpectedRow> numberedRows(int count)
{
    static std::vector<QByteArray> texts; // keeps the expected texts alive for the cases
    texts.reserve(1000);
    std::vector<ExpectedRow> rows;
    for (int i = 1; i <= count; ++i) {
        texts.push_back(QByteArray::number(i));
        const char *station = texts.back().constData();
        texts.push_back(QByteArray::number(i * 2));
        rows.push_back({station, texts.back().constData()});
    }
    return rows;
}

std::vector<ReaderCase> readerCases()
{
    const QByteArray threeLines = "0 0\r\n10 1.5\r\n20 0\r\n";
    const std::vector<ExpectedRow> threeRows{{"0", "0"}, {"10", "1,5"}, {"20", "0"}};
    return {
        {"ThreeLines", threeLines, threeRows, {}},
        {"TrailingEmptyLine", threeLines + "\r\n", {{"0", "0"}, {"10", "1,5"}, {"20", "0"}, {unwritten, unwritten}}, {}},
        {"LineFeedEndsLine", "0 0\n10 1.5\n20 0\n", threeRows, {}},
        {"CarriageReturnEndsLine", "0 0\r10 1.5\r20 0\r", threeRows, {}},
        {"LineFeedCarriageReturnIsTwoLineEnds", "1 2\n\r3 4", {{"1", "2"}, {unwritten, unwritten}, {"3", "4"}}, {}},
        {"LastLineWithoutEnd", "1 2\r\n5 ", {{"1", "2"}, {"5", "0"}}, {}},
        {"LastLineBothNumbersWithoutEnd", "5 7", {{"5", "7"}}, {}},
        {"CommaIsInvalid", "1,5 2\r\n", {{"1", "2"}}, {chyba01}},
        {"NegativeCommaGivesZero", "-0,5 2\r\n", {{"0", "2"}}, {chyba01}},
        {"EmptyFile", "", {}, {}},
        {"OnlyCtrlZ", "\x1a" "1 2\r\n", {}, {}},
        {"CtrlZEndsData", "1 2\r\n\x1a" "3 4\r\n", {{"1", "2"}}, {}},
        {"CtrlZMidLine", "1 2\x1a 3", {{"1", "2"}}, {}},
        {"ThreeNumbers", "1 2 3\r\n4 5\r\n", {{"1", "2"}, {"4", "5"}}, {chyba12}},
        {"FourNumbersOneMessage", "1 2 3 4\r\n", {{"1", "2"}}, {chyba12}},
        {"InvalidThenTooWide", "1,5 2 x\r\n", {{"1", "2"}}, {chyba01, chyba12}},
        {"OneNumber", "5\r\n6 7\r\n", {{"5", unwritten}, {"6", "7"}}, {}},
        {"BlankAfterFirstNumberTakesNextLine", "5 \r\n6 7\r\n8 9\r\n", {{"5", "6"}, {"8", "9"}}, {chyba12}},
        {"TabsSeparate", "1\t\t2\t\r\n", {{"1", "2"}}, {}},
        {"PointNotationForms", "+12.5 -0.25\r\n1E3 2.5e-2\r\n", {{"12,5", "-0,25"}, {"1000", "0,025"}}, {}},
        {"GeneralTextForTinyValue", "0.00001 3\r\n", {{"1E-5", "3"}}, {}},
        {"TooLargeExponent", "1E999 1\r\n", {{"1999", "1"}}, {chyba01}},
        {"NanInfDash", "nan inf\r\n- 2\r\n", {{"0", "0"}, {"0", "2"}}, {chyba01, chyba01, chyba01}},
        {"NulAndControlBytes", QByteArray("\0\x01\x02", 3), {{"0", unwritten}}, {}},
        {"TokenOver64Chars", QByteArray(70, '1') + "\r\n",
         {{"1,11111111111111E63", "111111"}}, {}},
        {"HundredLines", numberedLines(100), numberedRows(100), {}},
        {"HundredAndOneLines", numberedLines(101), numberedRows(100), {chyba13Long}},
        {"TwentyFiveLinesTransverse", numberedLines(25), numberedRows(25), {}, true},
        {"TwentySixLinesTransverse", numberedLines(26), numberedRows(25), {chyba13Trans}, true},
    };
}

class PrcReader : public testing::TestWithParam<ReaderCase>
{
};

TEST_P(PrcReader, ReadsRowsAndMessages)
{
    const ReaderCase &c = GetParam();
    const LineKind &kind = c.transverse ? transverseLine() : longitudinalLine();
    const PrcReadResult result = readPrc(c.bytes, kind, comma);
    ASSERT_EQ(result.rows.size(), c.rows.size());
    for (size_t i = 0; i < c.rows.size(); ++i) {
        const auto text = [](const Cell &cell) {
            return cell ? std::optional<QString>(QString::fromUtf8(*cell)) : std::nullopt;
        };
        EXPECT_EQ(result.rows[i].station, text(c.rows[i].station)) << "row " << i + 1;
        EXPECT_EQ(result.rows[i].ordinate, text(c.rows[i].ordinate)) << "row " << i + 1;
    }
    EXPECT_EQ(result.messages, QStringList(c.messages.begin(), c.messages.end()));
}

INSTANTIATE_TEST_SUITE_P(Cases, PrcReader, testing::ValuesIn(readerCases()),
                         [](const testing::TestParamInfo<ReaderCase> &info) { return info.param.name; });

TEST(PrcApply, ThreeLineFileReplacesTable)
{
    CellTable table = initialLineTable(longitudinalLine());
    applyPrc(table, readPrc("0 0\r\n10 1.5\r\n20 0\r\n", longitudinalLine(), comma));
    ASSERT_EQ(table.rowCount(), 4);
    EXPECT_EQ(table.rows[0], initialLineTable(longitudinalLine()).rows[0]);
    const QStringList expected[] = {
        {QStringLiteral("          1"), QStringLiteral("0"), QStringLiteral("0")},
        {QStringLiteral("          2"), QStringLiteral("10"), QStringLiteral("1,5")},
        {QStringLiteral("          3"), QStringLiteral("20"), QStringLiteral("0")},
    };
    for (int row = 1; row <= 3; ++row)
        EXPECT_EQ(table.rows[size_t(row)], expected[row - 1]) << "row " << row;
}

// Every row a load writes starts empty, row 1 included: a cell the file does not supply is empty,
// never a value of the table before.
TEST(PrcApply, ShorterFileCutsTableAndUnwrittenCellsAreEmpty)
{
    for (const LineKind *kind : {&longitudinalLine(), &transverseLine()}) {
        CellTable table = lineTable({{"1", "1"}, {"2", "2"}, {"3", "3"}, {"4", "4"}, {"5", "5"}});
        applyPrc(table, readPrc("7\r\n\r\n", *kind, comma));
        ASSERT_EQ(table.rowCount(), 3);
        EXPECT_EQ(table.rows[1], QStringList({QStringLiteral("          1"), QStringLiteral("7"), QString()}));
        EXPECT_EQ(table.rows[2], QStringList({QStringLiteral("          2"), QString(), QString()}));
    }
}

TEST(PrcApply, LongerFileAppendsRows)
{
    CellTable table = initialLineTable(transverseLine());
    applyPrc(table, readPrc("1 2\r\n3 4\r\n5\r\n\r\n", transverseLine(), comma));
    ASSERT_EQ(table.rowCount(), 5);
    EXPECT_EQ(table.rows[3], QStringList({QStringLiteral("          3"), QStringLiteral("5"), QString()}));
    EXPECT_EQ(table.rows[4], QStringList({QStringLiteral("          4"), QString(), QString()}));
}

TEST(PrcApply, EmptyFileChangesNoCell)
{
    const CellTable before = lineTable({{"1", "1"}, {"2", "2"}, {"3", "3"}});
    CellTable table = before;
    applyPrc(table, readPrc(QByteArray(), longitudinalLine(), comma));
    EXPECT_EQ(table.rows, before.rows);
}

// What any bytes may produce: at most the kind's rows, cells that are numbers in general text,
// and only the reader's own messages.
void expectSoundResult(const QByteArray &bytes, const LineKind &kind, const std::string &what)
{
    const PrcReadResult result = readPrc(bytes, kind, comma);
    EXPECT_LE(int(result.rows.size()), kind.maxPoints) << what;
    for (const PrcRow &row : result.rows) {
        for (const std::optional<QString> &cell : {row.station, row.ordinate}) {
            if (!cell)
                continue;
            const std::optional<double> value = parseReal(*cell, comma);
            ASSERT_TRUE(value.has_value()) << what << ": " << cell->toStdString();
            EXPECT_EQ(generalText(*value, comma), *cell) << what;
        }
    }
    for (const QString &message : result.messages) {
        EXPECT_TRUE(message == chyba01 || message == chyba12 || message == kind.tooManyLines)
            << what << ": " << message.toStdString();
    }
    EXPECT_LE(result.messages.count(kind.tooManyLines), 1) << what;
}

TEST(PrcRobustness, CorpusReadsSoundly)
{
    const QDir corpus(qEnvironmentVariable("TRAGVEL_SOURCE_DIR") + QStringLiteral("/tests/influence/corpus"));
    const QStringList files = corpus.entryList(QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), 10) << corpus.path().toStdString();
    for (const QString &name : files) {
        QFile file(corpus.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        expectSoundResult(bytes, longitudinalLine(), name.toStdString());
        expectSoundResult(bytes, transverseLine(), name.toStdString());
    }
}

TEST(PrcRobustness, MegabyteLineIsOneRow)
{
    QByteArray line;
    for (int i = 0; i < 400000; ++i)
        line += "1.5 ";
    const PrcReadResult result = readPrc(line + "\r\n2 3\r\n", longitudinalLine(), comma);
    ASSERT_EQ(result.rows.size(), 2u);
    EXPECT_EQ(result.rows[0].station, QStringLiteral("1,5"));
    EXPECT_EQ(result.rows[1].ordinate, QStringLiteral("3"));
    EXPECT_EQ(result.messages, QStringList{chyba12});
}

TEST(PrcRobustness, MegabyteTokenIsCutInto64CharacterNumbers)
{
    const PrcReadResult result = readPrc(QByteArray(1 << 20, '9'), longitudinalLine(), comma);
    ASSERT_EQ(result.rows.size(), 1u);
    EXPECT_EQ(result.rows[0].station, QStringLiteral("1E64"));
    EXPECT_EQ(result.rows[0].ordinate, QStringLiteral("1E64"));
    EXPECT_EQ(result.messages, QStringList{chyba12});
}

TEST(PrcRobustness, RandomBytesReadSoundly)
{
    std::mt19937 random(20240601);
    const char alphabet[] = "0123456789.,+-eE \t\r\n\x1a\x00xn";
    for (int run = 0; run < 2000; ++run) {
        QByteArray bytes;
        const int length = int(random() % 300);
        for (int i = 0; i < length; ++i) {
            if (run % 2 == 0)
                bytes += char(random() % 256);
            else
                bytes += alphabet[random() % (sizeof(alphabet) - 1)];
        }
        expectSoundResult(bytes, transverseLine(), "run " + std::to_string(run));
    }
}

} // namespace
