#include "report/rtfwriter.h"

#include "common/codepage1250.h"
#include "report/reportdocument.h"

#include <QTextBlock>
#include <QTextDocument>

#include <cmath>
#include <optional>

namespace tragvel {

namespace {

struct RunState
{
    int halfPoints = 0;
    TextStyle style;
};

class RtfOutput
{
public:
    QByteArray bytes;

    void control(const char *word)
    {
        bytes += word;
        m_delimit = true;
    }

    void control(const char *word, int value)
    {
        bytes += word;
        bytes += QByteArray::number(value);
        m_delimit = true;
    }

    void endParagraph()
    {
        bytes += "\\par\r\n";
        m_delimit = false;
    }

    // Writes the changes from `from` to `to` only.
    void switchState(const std::optional<RunState> &from, const RunState &to)
    {
        if (!from || from->halfPoints != to.halfPoints)
            control("\\fs", to.halfPoints);
        const TextStyle previous = from ? from->style : TextStyle{};
        if (previous.bold != to.style.bold)
            control(to.style.bold ? "\\b" : "\\b0");
        if (previous.italic != to.style.italic)
            control(to.style.italic ? "\\i" : "\\i0");
        if (previous.underline != to.style.underline)
            control(to.style.underline ? "\\ul" : "\\ulnone");
        if (previous.strikeout != to.style.strikeout)
            control(to.style.strikeout ? "\\strike" : "\\strike0");
    }

    void text(const QString &text)
    {
        if (text.isEmpty())
            return;
        if (m_delimit) {
            bytes += ' ';
            m_delimit = false;
        }
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            const char16_t unit = c.unicode();
            if (unit == u'\\' || unit == u'{' || unit == u'}') {
                bytes += '\\';
                bytes += char(unit);
            } else if (unit == u'\t') {
                bytes += "\\tab ";
            } else if (unit == QChar::LineSeparator) {
                bytes += "\\line ";
            } else if (unit >= 0x20 && unit < 0x7F) {
                bytes += char(unit);
            } else if (c.isSurrogate()) {
                // Each half of a pair as its own Unicode unit, as readers expect.
                unicodeUnit(unit);
            } else if (const std::optional<unsigned char> byte = toCodePage1250(unit)) {
                hexByte(*byte);
            } else {
                unicodeUnit(unit);
            }
        }
    }

private:
    void hexByte(unsigned char byte)
    {
        static const char digits[] = "0123456789abcdef";
        bytes += "\\'";
        bytes += digits[byte >> 4];
        bytes += digits[byte & 0x0F];
    }

    void unicodeUnit(char16_t unit)
    {
        // \uN takes a signed 16-bit number; the "?" is what readers without Unicode show.
        bytes += "\\u";
        bytes += QByteArray::number(int(int16_t(unit)));
        bytes += '?';
    }

    bool m_delimit = false;
};

RunState stateOf(const QTextCharFormat &format, const QTextDocument &document, double verticalDpi)
{
    const double points = pointSizeOf(format, document.defaultFont(), verticalDpi);
    return {int(std::lround(points * 2.0)), styleOf(format)};
}

bool operator!=(const RunState &a, const RunState &b)
{
    return a.halfPoints != b.halfPoints || !(a.style == b.style);
}

} // namespace

QByteArray rtfBytes(const QTextDocument &document, double verticalDpi)
{
    RtfOutput out;
    out.bytes = "{\\rtf1\\ansi\\ansicpg1250\\deff0"
                "{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset238 Courier New;}}\r\n"
                // A4 portrait with margins of 2 cm, in twips.
                "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134\r\n"
                "\\uc1\\pard\\plain\\f0";
    std::optional<RunState> state;
    const QTextBlock last = document.lastBlock();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || fragment.length() == 0)
                continue;
            const RunState run = stateOf(fragment.charFormat(), document, verticalDpi);
            if (!state || *state != run) {
                out.switchState(state, run);
                state = run;
            }
            out.text(fragment.text());
        }
        if (block != last)
            out.endParagraph();
    }
    out.bytes += '}';
    return out.bytes;
}

} // namespace tragvel
