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

RichEditAppending::RichEditAppending(QTextEdit &editor, double verticalDpi)
    : m_editor(editor), m_caret(editor.textCursor()), m_dpi(verticalDpi), m_updatesWereEnabled(editor.updatesEnabled())
{
    m_editor.setUpdatesEnabled(false);
    m_caret.beginEditBlock();
}

RichEditAppending::~RichEditAppending()
{
    m_caret.endEditBlock();
    // Hands the caret, with the attributes it carries, back to the editor, which shows it.
    m_editor.setTextCursor(m_caret);
    if (m_updatesWereEnabled)
        m_editor.setUpdatesEnabled(true);
}

tragvel::report::TextStyle RichEditAppending::currentStyle() const
{
    return tragvel::report::styleOf(m_caret.charFormat());
}

double RichEditAppending::currentPointSize() const
{
    return tragvel::report::pointSizeOf(m_caret.charFormat(), m_editor.document()->defaultFont(), m_dpi);
}

void RichEditAppending::setCurrentStyle(tragvel::report::TextStyle style)
{
    m_caret.mergeCharFormat(tragvel::report::styleFormat(style));
}

void RichEditAppending::setCurrentPointSize(int points)
{
    QTextCharFormat format;
    format.setFontPointSize(points);
    m_caret.mergeCharFormat(format);
}

void RichEditAppending::appendLine(const QString &text)
{
    tragvel::report::appendLineAtEnd(m_caret, text);
}
