#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

void writeTestFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write test file " << path.toStdString();
}

QByteArray readTestFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read test file " << path.toStdString();
        return {};
    }
    return file.readAll();
}

QString sourcePath(const QString &relative)
{
    return QStringLiteral(TRAGVEL_SOURCE_DIR) + u'/' + relative;
}
