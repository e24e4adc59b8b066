#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <memory>

namespace tragvel {

// Writes the file whole through a temporary file in the same directory that replaces the target
// only when it is complete, so a failed save leaves an earlier file untouched and nothing partial.
// Throws FileError "Cannot create file <path>" when that is not possible.
void writeFileReplacing(const QString &path, const QByteArray &bytes);

// Opens a regular file for reading. Anything else (a directory, a FIFO, a device) is refused
// without waiting for it. Throws FileError "Cannot open file "<path>". <reason>".
std::unique_ptr<QFile> openRegularFile(const QString &path);

// The error of a file that cannot be opened or read: "Cannot open file "<path>". <reason>".
QString cannotOpenText(const QString &path, const QString &reason);

// Reads a whole regular file; throws FileError "Cannot open file "<path>". <reason>" when it
// cannot be opened or read.
QByteArray readWholeFile(const QString &path);

} // namespace tragvel
