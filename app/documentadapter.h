#pragma once

#include "report/reportdocument.h"

#include <QTextCursor>

class QTextEdit;

// The report commands' view of the report editor: its current attributes (those of the selection,
// or of the caret) and appending lines at its end.
class RichEditDocument : public tragvel::report::ReportDocument
{
public:
    RichEditDocument(QTextEdit &editor, double verticalDpi);

    tragvel::report::TextStyle currentStyle() const override;
    double currentPointSize() const override;
    void setCurrentStyle(tragvel::report::TextStyle style) override;
    void setCurrentPointSize(int points) override;
    void appendLine(const QString &text) override;

private:
    QTextEdit &m_editor;
    double m_dpi;
};

// Appending a whole report section to the report editor: the section's lines go in as one edit
// with the editor's painting held, so the editor lays out, scrolls and paints once for the
// section instead of once per line. The lines, their attributes and the caret left behind are
// those of appending line by line through RichEditDocument.
class RichEditAppending : public tragvel::report::ReportDocument
{
public:
    RichEditAppending(QTextEdit &editor, double verticalDpi);
    ~RichEditAppending() override;
    RichEditAppending(const RichEditAppending &) = delete;
    RichEditAppending &operator=(const RichEditAppending &) = delete;

    tragvel::report::TextStyle currentStyle() const override;
    double currentPointSize() const override;
    void setCurrentStyle(tragvel::report::TextStyle style) override;
    void setCurrentPointSize(int points) override;
    void appendLine(const QString &text) override;

private:
    QTextEdit &m_editor;
    QTextCursor m_caret;
    double m_dpi;
    bool m_updatesWereEnabled;
};
