// A real word processor reads a saved report: LibreOffice Writer converts it to HTML headless.
#include "report/projectoutput.h"
#include "report/reportdocument.h"
#include "report/sections.h"

#include <QFile>
#include <QFont>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

QString q(const char *utf8) { return QString::fromUtf8(utf8); }

// The HTML with its line breaks as blanks (the converter wraps long lines at blanks).
QString convertToHtml(const QString &soffice, const QString &rtfPath, const QTemporaryDir &work)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(soffice, {QStringLiteral("--headless"), QStringLiteral("--norestore"),
                            QStringLiteral("-env:UserInstallation=file://") + work.filePath(QStringLiteral("profile")),
                            QStringLiteral("--convert-to"), QStringLiteral("html"),
                            QStringLiteral("--outdir"), work.filePath(QStringLiteral("html")), rtfPath});
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished(5000);
        ADD_FAILURE() << "LibreOffice did not convert the report within 120 s";
        return {};
    }
    QFile html(work.filePath(QStringLiteral("html/Report.html")));
    if (!html.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "LibreOffice wrote no HTML; exit code " << process.exitCode() << ", output: "
                      << process.readAll().toStdString();
        return {};
    }
    return QString::fromUtf8(html.readAll()).replace(u'\n', u' ');
}

TEST(RtfReaderTest, WriterReadsCzechTextSizesAndStyles)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        GTEST_SKIP() << "soffice (libreoffice-writer-nogui) is not installed";

    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Courier New"), 8));
    tragvel::report::TextDocumentReport report(document, 96.0);
    const tragvel::CellTable line{{{q("    Položka"), q("   Staničení"), q("          n")},
                                   {q("          1"), q("0"), q("1")}}};
    tragvel::report::longitudinalLineSection(line, tragvel::report::documentSink(report, 96.0));
    report.setCurrentStyle(tragvel::report::TextStyle{false, true, false, false});
    report.setCurrentPointSize(15);
    report.appendLine(q("Kurzíva {x}\\y ω"));

    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QString rtfPath = work.filePath(QStringLiteral("Report.rtf"));
    tragvel::report::saveProjectText(document, rtfPath, 96.0);
    const QString html = convertToHtml(soffice, rtfPath, work);
    ASSERT_FALSE(html.isEmpty());

    const auto expectRun = [&html](const QString &pattern) {
        EXPECT_TRUE(QRegularExpression(pattern).match(html).hasMatch())
            << "not found: " << pattern.toStdString() << "\nin: " << html.toStdString();
    };
    expectRun(q("font-size: 9pt\"><u><b>Příčinková čára \\.\\.\\. v podéném směru mostu :</b></u>"));
    expectRun(q("font-size: 8pt\"><u><b>Staničení( |&nbsp;)+Pořadnice</b></u>"));
    // Bold and underline were switched off for the italic line.
    expectRun(q("font-size: 15pt\"><i><span style=\"text-decoration: none\"><span style=\"font-weight: normal\">"
                "Kurzíva \\{x\\}\\\\y ω</span></span></i>"));
}

} // namespace
