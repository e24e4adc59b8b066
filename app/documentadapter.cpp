#include "app/documentadapter.h"

#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

RichEditDocument::RichEditDocument(QTextEdit &editor, double verticalDpi) : m_editor(editor), m_dpi(verticalDpi) {}

tragvel::report::TextStyle RichEditDocument::currentStyle() const
{
    return tragvel::report::styleOf(m_editor.currentCharFormat());
}

double RichEditDocument::currentPointSize() const
{
    return tragvel::report::pointSizeOf(m_editor.currentCharFormat(), m_editor.document()->defaultFont(), m_dpi);
}

void RichEditDocument::setCurrentStyle(tragvel::report::TextStyle style)
{
    m_editor.mergeCurrentCharFormat(tragvel::report::styleFormat(style));
}

void RichEditDocument::setCurrentPointSize(int points)
{
    QTextCharFormat format;
    format.setFontPointSize(points);
    m_editor.mergeCurrentCharFormat(format);
}

void RichEditDocument::appendLine(const QString &text)
{
    QTextCursor caret = m_editor.textCursor();
    tragvel::report::appendLineAtEnd(caret, text);
    // Hands the moved caret, with the attributes it carries, back to the editor.
    m_editor.setTextCursor(caret);
}
