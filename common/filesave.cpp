#include "common/filesave.h"

#include "common/errors.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace tragvel {

void writeFileReplacing(const QString &path, const QByteArray &bytes)
{
    const QString shown = QDir::toNativeSeparators(path);
    QSaveFile file(path);
    // A directory without write access must fail, not fall back to writing the target in place.
    file.setDirectWriteFallback(false);
    // Unbuffered, so a short write (disk full) is seen here and not lost in a later flush.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(bytes) != bytes.size() || !file.commit())
        throw FileError(QStringLiteral("Cannot create file %1").arg(shown));
}

QByteArray readWholeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError(QStringLiteral("Cannot read file \"%1\". %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    return bytes;
}

} // namespace tragvel
