#include "common/errors.h"
#include "common/filesave.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace tragvel;

TEST(FileSave, WritesAndReplaces)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.prc"));
    writeFileReplacing(path, "first");
    writeFileReplacing(path, "second");
    EXPECT_EQ(readWholeFile(path), QByteArray("second"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.prc")});
}

TEST(FileSave, FailedSaveKeepsTheEarlierFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only directories";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.rtf"));
    writeFileReplacing(path, "earlier");
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    try {
        writeFileReplacing(path, "later");
        ADD_FAILURE() << "no exception";
    } catch (const FileError &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Cannot create file ") + path);
    }
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(readWholeFile(path), QByteArray("earlier"));
}

TEST(FileSave, MissingDirectoryCannotBeCreated)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/a.rtf"));
    try {
        writeFileReplacing(path, "x");
        FAIL() << "no exception";
    } catch (const FileError &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Cannot create file ") + path);
    }
}

TEST(FileSave, ReadingAMissingFileNamesPathAndReason)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("none.prc"));
    try {
        readWholeFile(path);
        FAIL() << "no exception";
    } catch (const FileError &e) {
        EXPECT_TRUE(e.text().startsWith(QStringLiteral("Cannot open file \"") + path + QStringLiteral("\". ")))
            << e.text().toStdString();
        EXPECT_GT(e.text().size(), path.size() + 20);
    }
}
