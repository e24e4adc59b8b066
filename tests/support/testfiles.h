#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes to a file (creating its directory); fails the test when that is not possible.
void writeTestFile(const QString &path, const QByteArray &bytes);
QByteArray readTestFile(const QString &path);
