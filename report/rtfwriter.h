#pragma once

#include <QByteArray>

class QTextDocument;

namespace tragvel::report {

// The document in Rich Text Format: code page 1250, the one font Courier New, every run's point
// size and its bold, italic, underline and strikeout, one paragraph per line. The text is always
// written as text: backslashes and braces are escaped, letters of code page 1250 are written as
// their bytes and any other character as Unicode. Sizes given in pixels are converted at
// `verticalDpi`.
QByteArray rtfBytes(const QTextDocument &document, double verticalDpi = 96.0);

} // namespace tragvel::report
