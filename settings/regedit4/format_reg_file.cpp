#include "settings/regedit4/reg_file.h"

#include <cstdint>

namespace mirel {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
// regedit breaks "hex:" lists so that no line grows past 80 columns.
constexpr std::size_t kHexLineWidth = 76;
constexpr char kHexDigits[] = "0123456789abcdef";

void appendQuoted(std::string &out, std::string_view text)
{
	out += '"';
	for (const char c : text) {
		if (c == '\\' || c == '"')
			out += '\\';
		out += c;
	}
	out += '"';
}

// Whether a REG_SZ's bytes come back exactly from the quoted form: one
// terminating zero, no zero before it, and no line break in the text.
bool quotable(std::string_view data)
{
	if (data.empty() || data.back() != '\0')
		return false;
	data.remove_suffix(1);
	return data.find_first_of(std::string_view("\0\r\n", 3)) == std::string_view::npos;
}

void appendHex(std::string &out, std::size_t lineStart, std::string_view data)
{
	for (std::size_t i = 0; i < data.size(); ++i) {
		const auto byte = static_cast<unsigned char>(data[i]);
		out += kHexDigits[byte >> 4];
		out += kHexDigits[byte & 0xF];
		if (i + 1 == data.size())
			break;
		out += ',';
		if (out.size() - lineStart >= kHexLineWidth) {
			out += '\\';
			out += kLineEnd;
			lineStart = out.size();
			out += "  ";
		}
	}
}

void appendValue(std::string &out, const RegValue &value)
{
	const std::size_t lineStart = out.size();
	if (value.name.empty())
		out += '@';
	else
		appendQuoted(out, value.name);
	out += '=';
	if (value.type == kRegSz && quotable(value.data)) {
		appendQuoted(out, std::string_view(value.data).substr(0, value.data.size() - 1));
	} else if (value.type == kRegDword && value.data.size() == 4) {
		std::uint32_t number = 0;
		for (std::size_t i = 0; i < 4; ++i)
			number |= static_cast<std::uint32_t>(static_cast<unsigned char>(value.data[i])) << (8 * i);
		out += "dword:";
		for (int shift = 28; shift >= 0; shift -= 4)
			out += kHexDigits[number >> shift & 0xF];
	} else {
		if (value.type == kRegBinary) {
			out += "hex:";
		} else {
			out += "hex(";
			bool leading = true;
			for (int shift = 28; shift >= 0; shift -= 4) {
				const char digit = kHexDigits[value.type >> shift & 0xF];
				if (leading && digit == '0' && shift > 0)
					continue;
				leading = false;
				out += digit;
			}
			out += "):";
		}
		appendHex(out, lineStart, value.data);
	}
	out += kLineEnd;
}

} // namespace

std::string formatRegFile(const RegFile &file)
{
	std::string out;
	out += kRegFileHeader;
	out += kLineEnd;
	for (const RegKeyRecord &key : file.keys()) {
		out += kLineEnd;
		out += '[';
		out += key.path;
		out += ']';
		out += kLineEnd;
		for (const RegValue &value : key.values)
			appendValue(out, value);
	}
	out += kLineEnd;
	return out;
}

} // namespace mirel
