#include "report/documentcontent.h"

#include "report/reportdocument.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace tragvel::project {

namespace {

DocumentRun runOf(const QString &text, const QTextCharFormat &format)
{
    const double points = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : 0.0;
    return {text, points > 0 ? points : 0.0, report::styleOf(format)};
}

QTextCharFormat formatOf(const DocumentRun &run)
{
    QTextCharFormat format;
    if (run.pointSize > 0)
        format.setFontPointSize(run.pointSize);
    if (run.style.bold)
        format.setFontWeight(QFont::Bold);
    if (run.style.italic)
        format.setFontItalic(true);
    if (run.style.underline)
        format.setFontUnderline(true);
    if (run.style.strikeout)
        format.setFontStrikeOut(true);
    return format;
}

} // namespace

std::vector<DocumentParagraph> documentParagraphs(const QTextDocument &document)
{
    std::vector<DocumentParagraph> paragraphs;
    paragraphs.reserve(size_t(document.blockCount()));
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        DocumentParagraph paragraph;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || fragment.length() == 0)
                continue;
            DocumentRun run = runOf(fragment.text(), fragment.charFormat());
            // Fragments also split where formats differ in properties the document does not keep.
            if (!paragraph.empty() && paragraph.back().pointSize == run.pointSize && paragraph.back().style == run.style)
                paragraph.back().text += run.text;
            else
                paragraph.push_back(std::move(run));
        }
        // An empty line keeps the format that text typed into it gets.
        if (paragraph.empty())
            paragraph.push_back(runOf(QString(), block.charFormat()));
        paragraphs.push_back(std::move(paragraph));
    }
    return paragraphs;
}

void setDocumentParagraphs(QTextDocument &document, const std::vector<DocumentParagraph> &paragraphs)
{
    // Switching the history off clears it, so undo cannot bring the earlier content back.
    document.setUndoRedoEnabled(false);
    QTextCursor cursor(&document);
    // Cleared inside the one edit, so that an editor showing the document lays the new content out
    // as a whole document, in steps, rather than as one change of it.
    cursor.beginEditBlock();
    document.clear();
    bool first = true;
    for (const DocumentParagraph &paragraph : paragraphs) {
        const QTextCharFormat lineFormat = paragraph.empty() ? QTextCharFormat() : formatOf(paragraph.front());
        if (first)
            cursor.setBlockCharFormat(lineFormat);
        else
            cursor.insertBlock(QTextBlockFormat(), lineFormat);
        first = false;
        for (const DocumentRun &run : paragraph) {
            if (!run.text.isEmpty())
                cursor.insertText(run.text, formatOf(run));
        }
    }
    cursor.endEditBlock();
    document.setUndoRedoEnabled(true);
    document.setModified(false);
}

} // namespace tragvel::project
