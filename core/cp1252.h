#pragma once

#include <optional>

namespace mirel {

// Windows-1252, the code page of Mirel's texts. The five bytes it leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 controls of the
// same value, so that every byte string round-trips.

// The Unicode character of a byte.
char32_t cp1252ToUnicode(unsigned char byte);

// The byte of a Unicode character; none when the code page lacks it.
std::optional<unsigned char> unicodeToCp1252(char32_t character);

} // namespace mirel
