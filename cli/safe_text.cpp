#include "cli/safe_text.h"

#include <algorithm>
#include <cstdio>

#include "core/cp1252.h"
#include "core/number_text.h"

namespace mirel::cli {

namespace {

bool isControl(char32_t codePoint)
{
	return codePoint < 0x20 || (codePoint >= 0x7F && codePoint < 0xA0);
}

bool startsFormula(std::string_view text)
{
	return !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

std::string quoted(std::string_view text)
{
	std::string out = "\"";
	for (const char c : text) {
		if (c == '"')
			out += '"';
		out += c;
	}
	return out + '"';
}

} // namespace

std::string escapeControls(std::string_view utf8)
{
	// Most texts are printable ASCII through and through.
	if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return c >= 0x20 && c < 0x7F; }))
		return std::string(utf8);
	std::string out;
	out.reserve(utf8.size());
	for (std::size_t at = 0; at < utf8.size();) {
		const Utf8Sequence sequence = utf8SequenceAt(utf8, at);
		if (!sequence.wellFormed) {
			out += "\xEF\xBF\xBD"; // U+FFFD
			++at;
			continue;
		}
		if (isControl(sequence.codePoint)) {
			char escape[7];
			std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(sequence.codePoint));
			out += escape;
		} else
			out.append(utf8, at, sequence.length);
		at += sequence.length;
	}
	return out;
}

std::string csvTextCell(std::string_view utf8)
{
	if (startsFormula(utf8) && !readNumber(utf8))
		return quoted("'" + std::string(utf8));
	if (utf8.find_first_of(",\"\r\n") != std::string_view::npos)
		return quoted(utf8);
	return std::string(utf8);
}

} // namespace mirel::cli
