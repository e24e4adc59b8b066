#pragma once

#include <optional>

namespace tragvel {

// The byte of Windows code page 1250 (Central European) for a character, if it has one.
std::optional<unsigned char> toCodePage1250(char32_t character);

} // namespace tragvel
