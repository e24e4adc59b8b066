#include "report/documentcontent.h"

#include "report/reportdocument.h"
#include "report/rtfwriter.h"
#include "report/sections.h"

#include "qtprinters.h"

#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

using tragvel::project::DocumentRun;

QString q(const char *utf8) { return QString::fromUtf8(utf8); }

void useReportFont(QTextDocument &document)
{
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(11);
    document.setDefaultFont(font);
}

TEST(DocumentContent, RunsKeepTheirSizeAndStyleAndEmptyLinesTheirFormat)
{
    QTextDocument document;
    useReportFont(document);
    tragvel::report::TextDocumentReport report(document, 96.0);
    const tragvel::CellTable line{{{q("    Položka"), q("   Staničení"), q("          n")}, {q("  1"), q("0"), q("1")}}};
    tragvel::report::longitudinalLineSection(line, tragvel::report::documentSink(report, 96.0));
    // A word typed in the middle of the line in italics, with no size of its own.
    QTextCursor typing(document.findBlockByNumber(2));
    typing.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 3);
    QTextCharFormat italic;
    italic.setFontItalic(true);
    typing.insertText(q("ěšč"), italic);

    const std::vector<tragvel::project::DocumentParagraph> paragraphs = tragvel::project::documentParagraphs(document);
    const tragvel::report::TextStyle heading{true, false, true, false};
    const std::vector<tragvel::project::DocumentParagraph> expected = {
        {DocumentRun{q("Příčinková čára ... v podéném směru mostu :"), 9.0, heading}},
        {DocumentRun{q("Staničení       Pořadnice"), 8.0, heading}},
        {DocumentRun{q("0  "), 8.0, heading}, DocumentRun{q("ěšč"), 0.0, {false, true, false, false}},
         DocumentRun{q("             1"), 8.0, heading}},
        {DocumentRun{q(" "), 8.0, heading}},
        {DocumentRun{QString(), 8.0, heading}},
    };
    EXPECT_EQ(paragraphs, expected);

    QTextDocument copy;
    useReportFont(copy);
    copy.setPlainText(QStringLiteral("earlier text"));
    tragvel::project::setDocumentParagraphs(copy, paragraphs);
    EXPECT_EQ(tragvel::project::documentParagraphs(copy), expected);
    EXPECT_EQ(tragvel::report::rtfBytes(copy, 96.0), tragvel::report::rtfBytes(document, 96.0));
    EXPECT_EQ(copy.toPlainText(), document.toPlainText());
    // The earlier text cannot be brought back, and a line appended now takes the last line's format.
    EXPECT_FALSE(copy.isUndoAvailable());
    tragvel::report::TextDocumentReport appended(copy, 96.0);
    appended.appendLine(QStringLiteral("x"));
    const QTextCharFormat last = copy.findBlockByNumber(4).begin().fragment().charFormat();
    EXPECT_EQ(last.fontPointSize(), 8.0);
    EXPECT_EQ(tragvel::report::styleOf(last), heading);
}

TEST(DocumentContent, AnEmptyDocumentIsOneEmptyLine)
{
    QTextDocument document;
    const std::vector<tragvel::project::DocumentParagraph> empty = {{DocumentRun{}}};
    EXPECT_EQ(tragvel::project::documentParagraphs(document), empty);
    document.setPlainText(QStringLiteral("a\nb"));
    tragvel::project::setDocumentParagraphs(document, empty);
    EXPECT_EQ(document.toPlainText(), QString());
    EXPECT_EQ(tragvel::project::documentParagraphs(document), empty);
}

} // namespace
