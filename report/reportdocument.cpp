#include "report/reportdocument.h"

#include <QFont>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>

namespace tragvel::report {

void appendReportLine(ReportDocument &document, const ReportLine &line, double verticalDpi)
{
    document.setCurrentPointSize(pointsFromPixels(line.heightPixels, verticalDpi));
    document.setCurrentStyle(withAdded(document.currentStyle(), line.added));
    document.appendLine(line.text);
}

LineSink documentSink(ReportDocument &document, double verticalDpi)
{
    return [&document, verticalDpi](const ReportLine &line) {
        appendReportLine(document, line, verticalDpi);
    };
}

TextStyle styleOf(const QTextCharFormat &format)
{
    return {format.fontWeight() > QFont::Medium, format.fontItalic(), format.fontUnderline(),
            format.fontStrikeOut()};
}

QTextCharFormat styleFormat(TextStyle style)
{
    // Every flag is written, so the whole style replaces the one of the selection.
    QTextCharFormat format;
    format.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(style.italic);
    format.setFontUnderline(style.underline);
    format.setFontStrikeOut(style.strikeout);
    return format;
}

double pointSizeOf(const QTextCharFormat &format, const QFont &defaultFont, double verticalDpi)
{
    if (format.hasProperty(QTextFormat::FontPointSize) && format.fontPointSize() > 0)
        return format.fontPointSize();
    if (format.hasProperty(QTextFormat::FontPixelSize) && format.intProperty(QTextFormat::FontPixelSize) > 0)
        return pointsFromPixels(format.intProperty(QTextFormat::FontPixelSize), verticalDpi);
    if (defaultFont.pointSizeF() > 0)
        return defaultFont.pointSizeF();
    // Heights in pixels are kept as whole points, as the document stores them.
    return pointsFromPixels(defaultFont.pixelSize(), verticalDpi);
}

void appendLineAtEnd(QTextCursor &caret, const QString &text)
{
    const QTextCharFormat format = caret.charFormat();
    caret.clearSelection();
    caret.movePosition(QTextCursor::End);
    // Text typed into the last line stays a line of its own.
    if (!caret.block().text().isEmpty())
        caret.insertBlock(caret.blockFormat(), format);
    caret.insertText(text, format);
    // The document ends with an empty line for the caret that keeps the attributes in force.
    caret.insertBlock(caret.blockFormat(), format);
    caret.setCharFormat(format);
}

TextDocumentReport::TextDocumentReport(QTextDocument &document, double verticalDpi)
    : m_document(document), m_caret(&document), m_dpi(verticalDpi)
{
    m_caret.movePosition(QTextCursor::End);
}

TextStyle TextDocumentReport::currentStyle() const
{
    return styleOf(m_caret.charFormat());
}

double TextDocumentReport::currentPointSize() const
{
    return pointSizeOf(m_caret.charFormat(), m_document.defaultFont(), m_dpi);
}

void TextDocumentReport::setCurrentStyle(TextStyle style)
{
    m_caret.mergeCharFormat(styleFormat(style));
}

void TextDocumentReport::setCurrentPointSize(int points)
{
    QTextCharFormat format;
    format.setFontPointSize(points);
    m_caret.mergeCharFormat(format);
}

void TextDocumentReport::appendLine(const QString &text)
{
    appendLineAtEnd(m_caret, text);
}

} // namespace tragvel::report
