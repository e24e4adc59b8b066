// The program reads fonts on another core while it starts. Each case runs in a fresh process,
// since the font database fills once per process: the first tab must paint the same pixels
// whichever thread filled it, and a start that never gets its application must still end.

#include "windowtesting.h"

#include "app/firstpaintwarmup.h"
#include "app/qtdialogs.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Run in the child process and end it: 0 when the picture was saved.
[[noreturn]] void savePictureAndEnd(TForm1 &form, const QString &path)
{
    form.show();
    std::_Exit(form.grab().toImage().save(path, "PNG") ? 0 : 1);
}

[[noreturn]] void paintFirstTabWarmed(const QString &path)
{
    // As the program starts: the database may still be filling while the window is built.
    FirstPaintWarmUp warmUp;
    ensureApplication();
    const FirstPaintWarmUp::DatabaseFill filling = warmUp.fillDatabase(TForm1::firstPaintFonts());
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

} // namespace

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

TEST(FirstPaintWarmUpTest, EndsWhenTheApplicationNeverComes)
{
    EXPECT_EXIT(
        {
            { const FirstPaintWarmUp warmUp; }
            std::_Exit(0);
        },
        testing::ExitedWithCode(0), "");
}
