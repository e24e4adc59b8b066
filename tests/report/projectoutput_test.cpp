#include "report/projectoutput.h"

#include "common/errors.h"
#include "report/reportdocument.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>

namespace {

using tragvel::report::ProjectPicture;

TEST(ProjectPathTest, SeparatorAlwaysInsertedNameUsedAsItStands)
{
    EXPECT_EQ(tragvel::report::projectTextPath(QStringLiteral("/home/u"), QStringLiteral("Proj1")), QStringLiteral("/home/u/Proj1.rtf"));
    EXPECT_EQ(tragvel::report::projectTextPath(QStringLiteral("/"), QStringLiteral("Proj1")), QStringLiteral("//Proj1.rtf"));
    EXPECT_EQ(tragvel::report::projectTextPath(QStringLiteral("/d"), QString()), QStringLiteral("/d/.rtf"));
    EXPECT_EQ(tragvel::report::projectPicturePath(QStringLiteral("/d"), QStringLiteral("Most A"), 1), QStringLiteral("/d/Most A-1.jpg"));
    EXPECT_EQ(tragvel::report::projectPicturePath(QStringLiteral("/d"), QString(), 6), QStringLiteral("/d/-6.jpg"));
}

std::array<ProjectPicture, 6> pictures(std::array<bool, 6> write)
{
    std::array<ProjectPicture, 6> result;
    for (size_t i = 0; i < result.size(); ++i) {
        QImage image(10 + int(i), 8, QImage::Format_RGB32);
        image.fill(Qt::white);
        result[i] = ProjectPicture{image, write[i]};
    }
    return result;
}

QStringList filesIn(const QString &directory)
{
    return QDir(directory).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

TEST(ProjectOutputTest, OnlyMarkedPicturesAreWritten)
{
    QTemporaryDir dir;
    tragvel::report::saveProjectPictures(pictures({false, false, false, false, false, false}), dir.path(), QStringLiteral("P"));
    EXPECT_TRUE(filesIn(dir.path()).isEmpty());
    tragvel::report::saveProjectPictures(pictures({true, true, false, false, false, false}), dir.path(), QStringLiteral("P"));
    EXPECT_EQ(filesIn(dir.path()), (QStringList{QStringLiteral("P-1.jpg"), QStringLiteral("P-2.jpg")}));
    EXPECT_EQ(readTestFile(dir.filePath(QStringLiteral("P-2.jpg"))).left(2), QByteArray("\xFF\xD8", 2));
}

TEST(ProjectOutputTest, SavingAgainReplacesTheFiles)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("P.rtf"));
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Courier New"), 8));
    tragvel::report::TextDocumentReport report(document, 96.0);
    report.appendLine(QStringLiteral("first"));
    tragvel::report::saveProjectText(document, path, 96.0);
    report.appendLine(QStringLiteral("second"));
    tragvel::report::saveProjectText(document, path, 96.0);
    const QByteArray saved = readTestFile(path);
    EXPECT_TRUE(saved.contains("first\\par"));
    EXPECT_TRUE(saved.contains("second\\par"));
    EXPECT_EQ(filesIn(dir.path()), QStringList{QStringLiteral("P.rtf")});
}

TEST(ProjectOutputTest, PictureThatCannotBeWrittenStopsTheRestAndKeepsEarlierFiles)
{
    QTemporaryDir dir;
    writeTestFile(dir.filePath(QStringLiteral("P-4.jpg")), "old picture");
    // A directory stands where the third picture should go.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("P-3.jpg")));
    const QString third = dir.filePath(QStringLiteral("P-3.jpg"));
    try {
        tragvel::report::saveProjectPictures(pictures({true, true, true, true, true, true}), dir.path(), QStringLiteral("P"));
        FAIL() << "no exception";
    } catch (const tragvel::FileError &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Cannot create file ") + third);
    }
    EXPECT_EQ(filesIn(dir.path()), (QStringList{QStringLiteral("P-1.jpg"), QStringLiteral("P-2.jpg"), QStringLiteral("P-4.jpg")}));
    EXPECT_EQ(readTestFile(dir.filePath(QStringLiteral("P-4.jpg"))), QByteArray("old picture"));
}

// A save that fails part-way (here: the file size limit is reached) must leave the earlier
// report as it was, not a truncated one.
TEST(ProjectOutputTest, FailedWriteKeepsTheEarlierText)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("P.rtf"));
    writeTestFile(path, "earlier report");
    QTextDocument document;
    tragvel::report::TextDocumentReport report(document, 96.0);
    for (int i = 0; i < 200; ++i)
        report.appendLine(QStringLiteral("a line of the report that makes the file long"));

    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString failure;
    try {
        tragvel::report::saveProjectText(document, path, 96.0);
    } catch (const tragvel::FileError &e) {
        failure = e.text();
    }
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(failure, QStringLiteral("Cannot create file ") + path);
    EXPECT_EQ(readTestFile(path), QByteArray("earlier report"));
    EXPECT_EQ(filesIn(dir.path()), QStringList{QStringLiteral("P.rtf")}); // no temporary file left
}

TEST(ProjectOutputTest, MissingDirectoryGivesCannotCreateWithTheFullPath)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/P.rtf"));
    QTextDocument document;
    try {
        tragvel::report::saveProjectText(document, path, 96.0);
        FAIL() << "no exception";
    } catch (const tragvel::FileError &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Cannot create file ") + path);
    }
    EXPECT_FALSE(QFileInfo::exists(path));
}

} // namespace
