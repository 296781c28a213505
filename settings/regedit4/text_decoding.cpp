#include "settings/regedit4/text_decoding.h"

#include "core/cp1252.h"

namespace mirel {

namespace {

constexpr std::string_view kUtf16Mark = "\xFF\xFE";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// Appends character as its Windows-1252 byte, or '?' when there is none.
void appendCp1252(std::string &text, char32_t character, bool &unmappable)
{
	const auto byte = cp1252OfUnicode(character);
	unmappable |= !byte;
	text += byte.value_or('?');
}

std::string fromUtf16(std::string_view bytes, bool &unmappable)
{
	std::string text;
	text.reserve(bytes.size() / 2);
	const auto unit = [&](std::size_t i) {
		return static_cast<char32_t>(static_cast<unsigned char>(bytes[i]) |
					     static_cast<unsigned char>(bytes[i + 1]) << 8);
	};
	for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
		char32_t character = unit(i);
		if (character >= 0xD800 && character < 0xDC00 && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 &&
		    unit(i + 2) < 0xE000) {
			character = 0x10000 + ((character - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
			i += 2;
		}
		appendCp1252(text, character, unmappable);
	}
	unmappable |= bytes.size() % 2 != 0; // half a character at the end
	return text;
}

// A byte that starts no well-formed sequence (an overlong form among them)
// reads as one '?'.
std::string fromUtf8(std::string_view bytes, bool &unmappable)
{
	std::string text;
	text.reserve(bytes.size());
	for (std::size_t i = 0; i < bytes.size();) {
		const auto [character, length, valid] = utf8SequenceAt(bytes, i);
		if (!valid) {
			unmappable = true;
			text += '?';
			++i;
			continue;
		}
		appendCp1252(text, character, unmappable);
		i += length;
	}
	return text;
}

} // namespace

std::optional<std::string> decodeUnicodeText(std::string_view bytes, bool &unmappable)
{
	if (bytes.starts_with(kUtf16Mark))
		return fromUtf16(bytes.substr(kUtf16Mark.size()), unmappable);
	if (bytes.starts_with(kUtf8Mark))
		return fromUtf8(bytes.substr(kUtf8Mark.size()), unmappable);
	return std::nullopt;
}

} // namespace mirel
