#pragma once

#include "report/reportdocument.h"

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
