#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tragvel {

// The byte of Windows code page 1250 (Central European) for a character, if it has one.
std::optional<unsigned char> toCodePage1250(char32_t character);

// The text in the 8-bit code page of the table files; a character the code page lacks becomes '?'.
QByteArray toCodePage1250(const QString &text);

} // namespace tragvel
