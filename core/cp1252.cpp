#include "core/cp1252.h"

#include <array>

namespace mirel {

namespace {

// Code points of the bytes 0x80 to 0x9F.
constexpr std::array<char16_t, 32> kHighControls = {
	0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
	0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
	0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
	0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};

// The length of the UTF-8 sequence a lead byte starts; 0 for a byte that
// starts none.
std::size_t sequenceLength(unsigned char lead)
{
	if (lead < 0x80)
		return 1;
	if (lead < 0xC0 || lead >= 0xF8)
		return 0;
	return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
}

} // namespace

char16_t unicodeOfCp1252(unsigned char byte)
{
	if (byte >= 0x80 && byte < 0xA0)
		return kHighControls[byte - 0x80u];
	return byte;
}

std::optional<char> cp1252OfUnicode(char32_t codePoint)
{
	if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
		return static_cast<char>(codePoint);
	for (std::size_t i = 0; i < kHighControls.size(); ++i) {
		if (kHighControls[i] == codePoint)
			return static_cast<char>(0x80 + i);
	}
	return std::nullopt;
}

std::string utf8FromCp1252(std::string_view text)
{
	std::string utf8;
	utf8.reserve(text.size());
	for (const char c : text) {
		const char16_t u = unicodeOfCp1252(static_cast<unsigned char>(c));
		if (u < 0x80) {
			utf8 += static_cast<char>(u);
		} else if (u < 0x800) {
			utf8 += static_cast<char>(0xC0 | (u >> 6));
			utf8 += static_cast<char>(0x80 | (u & 0x3F));
		} else {
			utf8 += static_cast<char>(0xE0 | (u >> 12));
			utf8 += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
			utf8 += static_cast<char>(0x80 | (u & 0x3F));
		}
	}
	return utf8;
}

Utf8Sequence utf8SequenceAt(std::string_view text, std::size_t at)
{
	// The least code point of each length: a shorter form would do for less.
	constexpr char32_t kLeast[] = { 0, 0, 0x80, 0x800, 0x10000 };
	const auto lead = static_cast<unsigned char>(text[at]);
	const std::size_t length = sequenceLength(lead);
	Utf8Sequence sequence{ length == 1 ? lead : static_cast<char32_t>(lead & (0x7F >> length)), length,
			       length > 0 && at + length <= text.size() };
	for (std::size_t i = 1; sequence.wellFormed && i < length; ++i) {
		const auto next = static_cast<unsigned char>(text[at + i]);
		sequence.wellFormed = (next & 0xC0) == 0x80;
		sequence.codePoint = (sequence.codePoint << 6) | (next & 0x3F);
	}
	const char32_t codePoint = sequence.codePoint;
	sequence.wellFormed = sequence.wellFormed && codePoint >= kLeast[length] && codePoint <= 0x10FFFF &&
			      (codePoint < 0xD800 || codePoint > 0xDFFF);
	return sequence;
}

Cp1252Text cp1252FromUtf8(std::string_view utf8)
{
	Cp1252Text result;
	for (std::size_t at = 0; at < utf8.size();) {
		const auto [codePoint, length, wellFormed] = utf8SequenceAt(utf8, at);
		const std::optional<char> byte = wellFormed ? cp1252OfUnicode(codePoint) : std::nullopt;
		if (!byte) {
			result.unfitAt = at;
			return result;
		}
		result.bytes += *byte;
		at += length;
	}
	return result;
}

std::string cp1252Replacing(std::string_view utf8)
{
	std::string bytes;
	while (true) {
		const Cp1252Text fitting = cp1252FromUtf8(utf8);
		bytes += fitting.bytes;
		if (fitting.unfitAt == std::string_view::npos)
			return bytes;
		bytes += '?';
		const Utf8Sequence unfit = utf8SequenceAt(utf8, fitting.unfitAt);
		utf8.remove_prefix(fitting.unfitAt + (unfit.wellFormed ? unfit.length : 1));
	}
}

} // namespace mirel
