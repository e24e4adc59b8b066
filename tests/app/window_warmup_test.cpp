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
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

// Run in the child process and end it: 0 when the picture was saved.
[[noreturn]] void savePictureAndEnd(TForm1 &form, const QString &path)
{
    form.show();
    std::_Exit(form.grab().toImage().save(path, "PNG") ? 0 : 1);
}

// As the program starts: the database may still be filling while the window is built. Kept for
// the rest of the child process, which ends without tearing it down.
void startAsTheProgramDoes()
{
    static int argc = 1;
    static char name[] = "tragvel-tests";
    static char *argv[] = {name, nullptr};
    static const ProgramStart start(argc, argv);
}

[[noreturn]] void paintFirstTabWarmed(const QString &path)
{
    startAsTheProgramDoes();
    QtUserDialogs dialogs;
    TForm1 form(dialogs, nullptr, TForm1::Construction::FirstTabFirst);
    savePictureAndEnd(form, path);
}

[[noreturn]] void paintFirstTabPlain(const QString &path)
{
    ensureApplication();
    QtUserDialogs dialogs;
    TForm1 form(dialogs, nullptr, TForm1::Construction::FirstTabFirst);
    savePictureAndEnd(form, path);
}

// The font files mapped into this process whose names call them bold.
QStringList mappedBoldFaces()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly | QIODevice::Text))
        return {QStringLiteral("/proc/self/maps cannot be read")};
    QStringList faces;
    for (const QString &line : QString::fromUtf8(maps.readAll()).split(u'\n')) {
        const QFileInfo file(line.section(u' ', 5).trimmed());
        const bool isFont = QStringList{QStringLiteral("ttf"), QStringLiteral("otf"), QStringLiteral("ttc"),
                                        QStringLiteral("pfb")}
                                .contains(file.suffix(), Qt::CaseInsensitive);
        if (isFont && file.fileName().contains(QLatin1String("bold"), Qt::CaseInsensitive) &&
            !faces.contains(file.filePath()))
            faces << file.filePath();
    }
    return faces;
}

[[noreturn]] void paintFirstTabAndListBoldFaces()
{
    startAsTheProgramDoes();
    QtUserDialogs dialogs;
    TForm1 form(dialogs, nullptr, TForm1::Construction::FirstTabFirst);
    form.show();
    form.grab();
    const QStringList faces = mappedBoldFaces();
    std::fputs(qPrintable(faces.join(u'\n')), stderr);
    std::_Exit(faces.isEmpty() ? 0 : 1);
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

TEST(FirstPaintWarmUpTest, TheFirstTabPaintsTheSameWithAndWithoutIt)
{
    // Each child is forked from this test, which has neither an application nor fonts yet.
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString warmed = folder.filePath(QStringLiteral("warmed.png"));
    const QString plain = folder.filePath(QStringLiteral("plain.png"));
    EXPECT_EXIT(paintFirstTabWarmed(warmed), testing::ExitedWithCode(0), "");
    EXPECT_EXIT(paintFirstTabPlain(plain), testing::ExitedWithCode(0), "");

    const QImage warmedPicture(warmed);
    const QImage plainPicture(plain);
    ASSERT_FALSE(plainPicture.isNull());
    EXPECT_EQ(warmedPicture.size(), plainPicture.size());
    EXPECT_TRUE(warmedPicture == plainPicture);
}

TEST(FirstPaintWarmUpTest, TheFirstTabOpensNoBoldFace)
{
    // Nothing the first tab shows is bold: a bold face opened on the way would be read for nothing.
    EXPECT_EXIT(paintFirstTabAndListBoldFaces(), testing::ExitedWithCode(0), "");
}

TEST(FirstPaintWarmUpTest, EndsWhenTheApplicationNeverComes)
{
    EXPECT_EXIT(
        {
            { const FirstPaintWarmUp warmUp; }
            std::_Exit(0);
        },
        testing::ExitedWithCode(0), "");
}
