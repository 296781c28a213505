#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mirel {

// Windows-1252, the code page of Mirel's texts, and Unicode. The five bytes
// the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for
// the C1 controls of the same value, so every byte string round-trips.

char16_t unicodeOfCp1252(unsigned char byte);

// The byte of a character; none for a character the code page lacks.
std::optional<char> cp1252OfUnicode(char32_t codePoint);

// Windows-1252 text as UTF-8, for what leaves the program as Unicode.
std::string utf8FromCp1252(std::string_view text);

} // namespace mirel
