#include "common/codepage1250.h"
#include "report/reportdocument.h"
#include "report/rtfwriter.h"

#include <QFont>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <iconv.h>

namespace {

using tragvel::TextStyle;

QString q(const char *utf8) { return QString::fromUtf8(utf8); }

const QByteArray kHeader = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset238 Courier New;}}\r\n"
                           "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134\r\n"
                           "\\uc1\\pard\\plain\\f0";

struct Report
{
    Report() : report(document, 96.0) { document.setDefaultFont(QFont(QStringLiteral("Courier New"), 8)); }
    QTextDocument document;
    tragvel::TextDocumentReport report;
};

TEST(RtfWriterTest, ExactBytesOfASmallDocument)
{
    Report r;
    r.report.setCurrentPointSize(9);
    r.report.setCurrentStyle(TextStyle{true, false, true, false});
    r.report.appendLine(q("Příčinková {a\\b}"));
    r.report.setCurrentPointSize(8);
    r.report.appendLine(QStringLiteral("x"));
    r.report.setCurrentStyle(TextStyle{false, true, false, true});
    r.report.appendLine(q("€ ω 😀"));
    r.report.setCurrentStyle(TextStyle{false, false, false, false});
    r.report.appendLine(QString());
    r.report.appendLine(QStringLiteral("end"));
    const QByteArray expected = kHeader
        + "\\fs18\\b\\ul P\\'f8\\'ed\\'e8inkov\\'e1 \\{a\\\\b\\}\\par\r\n"
          "\\fs16 x\\par\r\n"
          "\\b0\\i\\ulnone\\strike \\'80 \\u969? \\u-10179?\\u-8704?\\par\r\n"
          "\\par\r\n"
          "\\i0\\strike0 end\\par\r\n"
          "}";
    EXPECT_EQ(tragvel::rtfBytes(r.document, 96.0).toStdString(), QByteArray(expected).toStdString());
}

TEST(RtfWriterTest, EmptyDocument)
{
    QTextDocument document;
    EXPECT_EQ(tragvel::rtfBytes(document).toStdString(), QByteArray(kHeader + "}").toStdString());
}

TEST(RtfWriterTest, TypedControlWordsStayText)
{
    Report r;
    r.report.appendLine(QStringLiteral("\\par}{\\b x\tA"));
    EXPECT_EQ(tragvel::rtfBytes(r.document, 96.0).toStdString(),
              QByteArray(kHeader + "\\fs16 \\\\par\\}\\{\\\\b x\\tab A\\par\r\n}").toStdString());
}

TEST(RtfWriterTest, PixelSizedDefaultFontIsConvertedAtTheDpi)
{
    // 11 px are 8,25 pt at 96 dpi and 6,6 pt at 120 dpi, kept as whole points: 8 and 7.
    const struct
    {
        double dpi;
        const char *size;
    } cases[] = {{96.0, "\\fs16"}, {120.0, "\\fs14"}};
    for (const auto &c : cases) {
        QTextDocument document;
        QFont font(QStringLiteral("Courier New"));
        font.setPixelSize(11);
        document.setDefaultFont(font);
        tragvel::TextDocumentReport report(document, c.dpi);
        report.appendLine(QStringLiteral("a"));
        EXPECT_EQ(tragvel::rtfBytes(document, c.dpi).toStdString(),
                  QByteArray(kHeader + c.size + " a\\par\r\n}").toStdString());
    }
}

// The table against the C library's own converter, byte for byte.
TEST(CodePage1250Test, AgreesWithIconvForEveryByte)
{
    iconv_t converter = iconv_open("UTF-32LE", "CP1250");
    ASSERT_NE(converter, reinterpret_cast<iconv_t>(-1));
    int mapped = 0;
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        char in = char(byte);
        char32_t out = 0;
        char *inPtr = &in;
        char *outPtr = reinterpret_cast<char *>(&out);
        size_t inLeft = 1;
        size_t outLeft = sizeof out;
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
        if (iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1))
            continue; // no character for this byte
        ++mapped;
        const std::optional<unsigned char> back = tragvel::toCodePage1250(out);
        ASSERT_TRUE(back.has_value()) << std::hex << byte;
        EXPECT_EQ(*back, byte) << std::hex << byte;
    }
    iconv_close(converter);
    EXPECT_EQ(mapped, 123);
    EXPECT_FALSE(tragvel::toCodePage1250(U'ω').has_value());
    EXPECT_EQ(tragvel::toCodePage1250(U'ř'), 0xF8);
    EXPECT_EQ(tragvel::toCodePage1250(U'A'), 0x41);
}

} // namespace
