#include "common/errors.h"
#include "common/filesave.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <linux/capability.h>
#include <sys/syscall.h>
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

// For the life of the object, the calling thread runs without the capabilities that let root
// write where the permissions forbid it, so a read-only directory refuses root as well.
class WithoutPermissionOverride
{
public:
    WithoutPermissionOverride()
    {
        if (geteuid() != 0)
            return;
        if (syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct lowered[2] = {m_saved[0], m_saved[1]};
        for (const int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH})
            lowered[capability / 32].effective &= ~(1u << (capability % 32));
        m_lowered = syscall(SYS_capset, &m_header, lowered) == 0;
    }
    ~WithoutPermissionOverride()
    {
        if (m_lowered)
            syscall(SYS_capset, &m_header, m_saved);
    }
    bool active() const { return geteuid() != 0 || m_lowered; }

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2] = {};
    bool m_lowered = false;
};

TEST(FileSave, FailedSaveKeepsTheEarlierFile)
{
    const WithoutPermissionOverride unprivileged;
    ASSERT_TRUE(unprivileged.active()) << "cannot lower the capabilities of root";
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
