#pragma once

#include "report/reportline.h"
#include "report/textattributes.h"

#include <QString>
#include <QTextCursor>

class QFont;
class QTextCharFormat;
class QTextDocument;

namespace tragvel::report {

// The report's rich-text editor as the report commands see it: one set of current attributes
// (those of the selection, or of the caret when nothing is selected) and appending at the end.
class ReportDocument
{
public:
    virtual ~ReportDocument() = default;

    virtual TextStyle currentStyle() const = 0;
    virtual double currentPointSize() const = 0;
    // Applies to the selection, or to text inserted at the caret when nothing is selected.
    virtual void setCurrentStyle(TextStyle style) = 0;
    virtual void setCurrentPointSize(int points) = 0;
    // Adds the line as the new last line in the current attributes; the caret is left at the end
    // of the document, so the attributes stay in force for the lines appended after it.
    virtual void appendLine(const QString &text) = 0;
};

// Sets the line's height, adds its style flags to the current style and appends it.
void appendReportLine(ReportDocument &document, const ReportLine &line, double verticalDpi);

// A sink that appends every line it receives to the document.
LineSink documentSink(ReportDocument &document, double verticalDpi);

// The pieces shared by every document that keeps its caret as a QTextCursor.
TextStyle styleOf(const QTextCharFormat &format);
QTextCharFormat styleFormat(TextStyle style);
// The point size a character of the format is shown in; `defaultFont` stands in where the format
// sets none (a font given in pixels is converted at `verticalDpi`).
double pointSizeOf(const QTextCharFormat &format, const QFont &defaultFont, double verticalDpi);
void appendLineAtEnd(QTextCursor &caret, const QString &text);

// A report document over a QTextDocument with its own caret.
class TextDocumentReport : public ReportDocument
{
public:
    TextDocumentReport(QTextDocument &document, double verticalDpi);

    TextStyle currentStyle() const override;
    double currentPointSize() const override;
    void setCurrentStyle(TextStyle style) override;
    void setCurrentPointSize(int points) override;
    void appendLine(const QString &text) override;

    QTextCursor &caret() { return m_caret; }

private:
    QTextDocument &m_document;
    QTextCursor m_caret;
    double m_dpi;
};

} // namespace tragvel::report
