// The program reads fonts on another core while it starts. Fontconfig's configuration, which the
// program reads itself, must resolve every font as fontconfig's own initialisation does. The other
// cases run in a fresh process each, since the font database fills once per process: the first
// tab must paint the same pixels whichever thread filled it and open no face it does not draw
// with, and a start that never gets its application must still end.

#include "windowtesting.h"

#include "app/firstpaintwarmup.h"
#include "app/fontconfiguration.h"
#include "app/programstart.h"
#include "app/qtdialogs.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

namespace {

// The font files mapped into this process whose names call them bold.
QStringList mappedBoldFaces()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly | QIODevice::Text))
        return {QStringLiteral("/proc/self/maps cannot be read")};
    const QRegularExpression boldFace(QStringLiteral("/\\S*bold[^/\\s]*\\.(ttf|otf|ttc|pfb)$"),
                                      QRegularExpression::CaseInsensitiveOption);
    QStringList faces;
    for (const QString &line : QString::fromUtf8(maps.readAll()).split(u'\n')) {
        const QRegularExpressionMatch face = boldFace.match(line);
        if (face.hasMatch() && !faces.contains(face.captured()))
            faces << face.captured();
    }
    return faces;
}

// Run in a child process: starts as the program does (the database may still be filling while
// the window is built) or on a plain application, paints the first tab and saves it. Ends with 0,
// with 1 when the picture cannot be saved, or with 2, listing them, when bold faces were opened.
[[noreturn]] void paintFirstTabAndEnd(const QString &path, bool asTheProgram)
{
    static int argc = 1;
    static char name[] = "tragvel-tests";
    static char *argv[] = {name, nullptr};
    std::optional<ProgramStart> start;
    if (asTheProgram)
        start.emplace(argc, argv);
    else
        ensureApplication();
    QtUserDialogs dialogs;
    TForm1 form(dialogs, nullptr, TForm1::Construction::FirstTabFirst);
    form.show();
    if (!form.grab().toImage().save(path, "PNG"))
        std::_Exit(1);
    const QStringList bold = mappedBoldFaces();
    std::fputs(qPrintable(bold.join(u'\n')), stderr);
    std::_Exit(bold.isEmpty() ? 0 : 2);
}

// The font a pattern resolves to, with everything fontconfig prepares for drawing it: file,
// hinting, antialiasing, subpixel order, character set.
std::string resolvedFont(FcConfig *config, const char *request)
{
    FcPattern *pattern = FcNameParse(reinterpret_cast<const FcChar8 *>(request));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern *match = FcFontMatch(config, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match)
        return "no match";
    FcChar8 *text = FcNameUnparse(match);
    std::string resolved(reinterpret_cast<const char *>(text));
    FcStrFree(text);
    FcPatternDestroy(match);
    return resolved;
}

} // namespace

TEST(FontConfigurationTest, ResolvesFontsExactlyAsFontconfigsOwnInitialisation)
{
    const auto destroy = [](FcConfig *config) { FcConfigDestroy(config); };
    const std::unique_ptr<FcConfig, decltype(destroy)> own(FcInitLoadConfigAndFonts(), destroy);
    const std::unique_ptr<FcConfig, decltype(destroy)> read(readFontConfiguration(), destroy);
    ASSERT_TRUE(own);
    ASSERT_TRUE(read);
    EXPECT_EQ(FcConfigGetFonts(read.get(), FcSetSystem)->nfont, FcConfigGetFonts(own.get(), FcSetSystem)->nfont);
    // The window's fonts, the generic families and fonts that are not installed and are replaced.
    for (const char *request : {"Times New Roman:pixelsize=15", "Times New Roman:pixelsize=13:weight=200",
                                "DejaVu Sans:pixelsize=12", "sans-serif", "serif:lang=cs", "monospace:italic",
                                "Arial:bold", "MS Sans Serif", "Courier New:pixelsize=11"}) {
        SCOPED_TRACE(request);
        EXPECT_EQ(resolvedFont(read.get(), request), resolvedFont(own.get(), request));
    }
}

TEST(FirstPaintWarmUpTest, TheFirstTabPaintsTheSameWithAndWithoutItAndOpensNoBoldFace)
{
    // Each child is forked from this test, which has neither an application nor fonts yet. Nothing
    // the first tab shows is bold: a bold face opened on the way would be read for nothing.
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QList<QImage> pictures;
    for (const bool asTheProgram : {true, false}) {
        const QString path = folder.filePath(asTheProgram ? QStringLiteral("warmed.png") : QStringLiteral("plain.png"));
        EXPECT_EXIT(paintFirstTabAndEnd(path, asTheProgram), testing::ExitedWithCode(0), "");
        pictures << QImage(path);
    }
    ASSERT_FALSE(pictures[1].isNull());
    EXPECT_TRUE(pictures[0] == pictures[1]);
}

TEST(FirstPaintWarmUpTest, EndsWhenTheApplicationNeverComes)
{
    EXPECT_EXIT({ { const FirstPaintWarmUp warmUp; } std::_Exit(0); }, testing::ExitedWithCode(0), "");
}
