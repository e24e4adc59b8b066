#include "loads/loadcheck.h"
#include "loads/loaddrawing.h"
#include "loads/zatreader.h"

#include "loadstesting.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace tragvel;

namespace {

// Every file of the fuzzing corpus goes through the reader, the check and, where it passes, the
// drawing; none of them may fail or give more rows than the table can hold.
TEST(ZatCorpus, EveryFileReadsChecksAndDraws)
{
    const QByteArray root = qgetenv("TRAGVEL_SOURCE_DIR");
    ASSERT_FALSE(root.isEmpty());
    const QDir dir(QString::fromLocal8Bit(root) + QStringLiteral("/tests/loads/corpus"));
    const QStringList names = dir.entryList(QDir::Files, QDir::Name);
    ASSERT_GE(names.size(), 8);
    int passed = 0;
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const LoadFileContents contents = readLoadFile(file.readAll(), designLoadSet());
        EXPECT_LE(contents.rows.size(), 100u);
        CellTable t = loadstesting::table({});
        applyLoadFile(t, contents);
        const LoadCheckResult check = checkLoads(t, QStringLiteral("0"), QStringLiteral("0"));
        if (!check.passed())
            continue;
        ++passed;
        const LoadPictures pictures = drawLoadPictures(check.patches, check.referenceX, check.referenceY);
        EXPECT_EQ(pictures.elevation.size(), QSize(449, 81));
        EXPECT_EQ(pictures.plan.size(), QSize(449, 217));
    }
    EXPECT_GE(passed, 4);
}

} // namespace
