#include "common/filesave.h"

#include "common/errors.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tragvel {

namespace {

QString notRegularReason()
{
    return QStringLiteral("Nejde o běžný soubor, vyberte soubor s daty.");
}

} // namespace

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

QString cannotOpenText(const QString &path, const QString &reason)
{
    return QStringLiteral("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(path), reason);
}

std::unique_ptr<QFile> openRegularFile(const QString &path)
{
    auto file = std::make_unique<QFile>(path);
#ifdef Q_OS_UNIX
    // Opened without blocking, so that a FIFO cannot hold the window in open(); the kind of file
    // is then judged on what was opened, not on a name that may change in between.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw FileError(cannotOpenText(path, qt_error_string(errno)));
    struct stat status = {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        throw FileError(cannotOpenText(path, notRegularReason()));
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw FileError(cannotOpenText(path, file->errorString()));
    }
#else
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw FileError(cannotOpenText(path, notRegularReason()));
    if (!file->open(QIODevice::ReadOnly))
        throw FileError(cannotOpenText(path, file->errorString()));
#endif
    return file;
}

QByteArray readWholeFile(const QString &path)
{
    const std::unique_ptr<QFile> file = openRegularFile(path);
    QByteArray bytes = file->readAll();
    if (file->error() != QFileDevice::NoError)
        throw FileError(cannotOpenText(path, file->errorString()));
    return bytes;
}

} // namespace tragvel
