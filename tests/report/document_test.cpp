#include "report/reportdocument.h"
#include "report/sections.h"

#include <QFont>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

using tragvel::report::TextDocumentReport;
using tragvel::report::TextStyle;

QString q(const char *utf8) { return QString::fromUtf8(utf8); }

struct Report
{
    Report() : document(), report(document, 96.0)
    {
        document.setDefaultFont(QFont(QStringLiteral("Courier New"), 8));
    }
    QTextDocument document;
    TextDocumentReport report;
};

QTextCharFormat formatOfBlock(const QTextDocument &document, int block)
{
    const QTextBlock b = document.findBlockByNumber(block);
    return b.begin().fragment().charFormat();
}

TEST(PointsFromPixelsTest, RoundsAtTheScreensResolution)
{
    EXPECT_EQ(tragvel::report::pointsFromPixels(12, 96), 9);
    EXPECT_EQ(tragvel::report::pointsFromPixels(10, 96), 8); // 7,5 rounds up
    EXPECT_EQ(tragvel::report::pointsFromPixels(20, 96), 15);
    EXPECT_EQ(tragvel::report::pointsFromPixels(8, 96), 6);
    EXPECT_EQ(tragvel::report::pointsFromPixels(12, 120), 7);
    EXPECT_EQ(tragvel::report::pointsFromPixels(10, 144), 5);
}

TEST(ReportDocumentTest, SectionLinesTakeHeightsAndKeepBoldUnderline)
{
    Report r;
    const tragvel::CellTable t{{{q("    Položka"), q("   Staničení"), q("          n")},
                                {q("          1"), q("0"), q("1")}}};
    tragvel::report::longitudinalLineSection(t, tragvel::report::documentSink(r.report, 96.0));
    // Four lines and the empty caret line.
    ASSERT_EQ(r.document.blockCount(), 5);
    EXPECT_EQ(r.document.findBlockByNumber(0).text(), q("Příčinková čára ... v podéném směru mostu :"));
    EXPECT_EQ(r.document.findBlockByNumber(2).text(), q("0               1"));
    EXPECT_EQ(r.document.findBlockByNumber(3).text(), QStringLiteral(" "));
    EXPECT_EQ(r.document.findBlockByNumber(4).text(), QString());
    const int expectedPoints[] = {9, 8, 8, 8};
    for (int block = 0; block < 4; ++block) {
        const QTextCharFormat format = formatOfBlock(r.document, block);
        EXPECT_EQ(format.fontPointSize(), expectedPoints[block]) << block;
        EXPECT_EQ(tragvel::report::styleOf(format), (TextStyle{true, false, true, false})) << block;
    }
    // Appended later without any setting: still bold and underlined, at the last height.
    r.report.appendLine(QStringLiteral("later"));
    const QTextCharFormat later = formatOfBlock(r.document, 4);
    EXPECT_EQ(r.document.findBlockByNumber(4).text(), QStringLiteral("later"));
    EXPECT_EQ(later.fontPointSize(), 8);
    EXPECT_EQ(tragvel::report::styleOf(later), (TextStyle{true, false, true, false}));
}

TEST(ReportDocumentTest, SectionKeepsItalicAndStrikeoutSetBefore)
{
    Report r;
    r.report.setCurrentStyle(TextStyle{false, true, false, true});
    tragvel::report::comparisonCapacitySection(tragvel::report::CapacityInputs{}, tragvel::report::documentSink(r.report, 96.0));
    ASSERT_EQ(r.document.blockCount(), 11);
    EXPECT_EQ(tragvel::report::styleOf(formatOfBlock(r.document, 0)), (TextStyle{true, true, true, true}));
    EXPECT_EQ(tragvel::report::styleOf(formatOfBlock(r.document, 9)), (TextStyle{true, true, true, true}));
    EXPECT_EQ(r.report.currentPointSize(), 9);
    EXPECT_EQ(r.document.findBlockByNumber(8).text(), QString());
}

TEST(ReportDocumentTest, TextTypedIntoTheLastLineStaysItsOwnLine)
{
    Report r;
    r.report.appendLine(QStringLiteral("a"));
    r.report.caret().insertText(QStringLiteral("typed"));
    r.report.appendLine(QStringLiteral("b"));
    ASSERT_EQ(r.document.blockCount(), 4);
    EXPECT_EQ(r.document.findBlockByNumber(1).text(), QStringLiteral("typed"));
    EXPECT_EQ(r.document.findBlockByNumber(2).text(), QStringLiteral("b"));
}

TEST(ReportDocumentTest, StyleOnSelectionChangesOnlyTheSelection)
{
    Report r;
    r.report.appendLine(QStringLiteral("first"));
    r.report.appendLine(QStringLiteral("second"));
    QTextCursor &caret = r.report.caret();
    caret.setPosition(0);
    caret.setPosition(5, QTextCursor::KeepAnchor);
    r.report.setCurrentStyle(TextStyle{true, false, false, false});
    r.report.setCurrentPointSize(15);
    EXPECT_TRUE(r.report.currentStyle().bold);
    EXPECT_EQ(r.report.currentPointSize(), 15);
    EXPECT_TRUE(tragvel::report::styleOf(formatOfBlock(r.document, 0)).bold);
    EXPECT_EQ(formatOfBlock(r.document, 0).fontPointSize(), 15);
    EXPECT_FALSE(tragvel::report::styleOf(formatOfBlock(r.document, 1)).bold);
    EXPECT_EQ(tragvel::report::pointSizeOf(formatOfBlock(r.document, 1), r.document.defaultFont(), 96), 8);
}

} // namespace
