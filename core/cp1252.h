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

// The UTF-8 sequence that starts at byte at of text: its code point and
// its length in bytes. It is well formed only as the Unicode standard
// defines it: not when its lead or a following byte is wrong, the text ends
// inside it, it is longer than its code point needs (an overlong form), or
// its code point is a surrogate or beyond U+10FFFF. The one decoder of
// UTF-8, for the text fields and the settings file alike.
struct Utf8Sequence {
	char32_t codePoint;
	std::size_t length;
	bool wellFormed;
};
Utf8Sequence utf8SequenceAt(std::string_view text, std::size_t at);

// UTF-8 text, as the screen holds it, in Windows-1252: bytes holds the
// characters up to the first that the code page lacks (or a sequence that
// is not UTF-8), which starts at byte unfitAt of the text; unfitAt is npos
// when every character fits.
struct Cp1252Text {
	std::string bytes;
	std::size_t unfitAt = std::string_view::npos;
};
Cp1252Text cp1252FromUtf8(std::string_view utf8);

// UTF-8 text from elsewhere (a database, a file name) in Windows-1252, each
// character the code page lacks, and each byte that is not UTF-8, as "?",
// as Windows writes what it cannot convert.
std::string cp1252Replacing(std::string_view utf8);

} // namespace mirel
