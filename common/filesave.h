#pragma once

#include <QByteArray>
#include <QString>

namespace tragvel {

// Writes the file whole through a temporary file in the same directory that replaces the target
// only when it is complete, so a failed save leaves an earlier file untouched and nothing partial.
// Throws FileError "Cannot create file <path>" when that is not possible.
void writeFileReplacing(const QString &path, const QByteArray &bytes);

// Reads a whole file; throws FileError naming the reason and the path when it cannot be read.
QByteArray readWholeFile(const QString &path);

} // namespace tragvel
