#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes to a file (creating its directory); fails the test when that is not possible.
void writeTestFile(const QString &path, const QByteArray &bytes);
QByteArray readTestFile(const QString &path);

// A path inside the source tree, e.g. sourcePath("tests/influence/corpus").
QString sourcePath(const QString &relative);
