#pragma once

#include <string>
#include <string_view>

namespace mirel {

// Windows-1252, the code page of the program's texts, and Unicode. The five
// bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map
// to the C1 controls of the same value, so every byte string round-trips.

char32_t cp1252ToUnicode(unsigned char byte);
// The byte of codePoint; '?' for a character the code page lacks.
char unicodeToCp1252(char32_t codePoint);

// A Windows-1252 text as UTF-8, for terminals and files ("6 × 7", "46.79°").
std::string cp1252ToUtf8(std::string_view text);

} // namespace mirel
