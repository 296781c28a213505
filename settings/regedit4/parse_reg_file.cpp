#include "settings/regedit4/reg_file.h"

#include <cstdint>
#include <optional>

#include "core/number_text.h"
#include "settings/regedit4/text_decoding.h"

namespace mirel {

namespace {

// The header of regedit's Unicode exports; Mirel writes kRegFileHeader.
constexpr std::string_view kUnicodeHeader = "Windows Registry Editor Version 5.00";

int hexDigit(char c)
{
	if (c >= '0' && c <= '9')
		return c - '0';
	if (c >= 'a' && c <= 'f')
		return c - 'a' + 10;
	if (c >= 'A' && c <= 'F')
		return c - 'A' + 10;
	return -1;
}

// Case-insensitive prefix test for the ASCII keywords of the format.
bool consumeKeyword(std::string_view &s, std::string_view keyword)
{
	if (s.size() < keyword.size() || !sameRegName(s.substr(0, keyword.size()), keyword))
		return false;
	s.remove_prefix(keyword.size());
	return true;
}

// 1 to 8 hex digits making up all of s.
std::optional<std::uint32_t> parseHexNumber(std::string_view s)
{
	if (s.empty() || s.size() > 8)
		return std::nullopt;
	std::uint32_t value = 0;
	for (const char c : s) {
		const int digit = hexDigit(c);
		if (digit < 0)
			return std::nullopt;
		value = value << 4 | static_cast<std::uint32_t>(digit);
	}
	return value;
}

// A quoted string at the start of s, with the escapes \\ and \"; consumes it.
std::optional<std::string> parseQuoted(std::string_view &s)
{
	if (s.empty() || s.front() != '"')
		return std::nullopt;
	std::string text;
	for (std::size_t i = 1; i < s.size(); ++i) {
		const char c = s[i];
		if (c == '"') {
			s.remove_prefix(i + 1);
			return text;
		}
		if (c == '\\') {
			if (i + 1 == s.size() || (s[i + 1] != '\\' && s[i + 1] != '"'))
				return std::nullopt;
			text += s[++i];
		} else {
			text += c;
		}
	}
	return std::nullopt; // no closing quote
}

// Comma-separated bytes of one or two hex digits, possibly none at all.
std::optional<std::string> parseHexBytes(std::string_view s)
{
	std::string bytes;
	s = trimBlanks(s);
	if (s.empty())
		return bytes;
	while (true) {
		const std::size_t comma = s.find(',');
		const std::string_view item = trimBlanks(s.substr(0, comma));
		if (item.empty() || item.size() > 2)
			return std::nullopt;
		const auto value = parseHexNumber(item);
		if (!value)
			return std::nullopt;
		bytes += static_cast<char>(*value);
		if (comma == std::string_view::npos)
			return bytes;
		s.remove_prefix(comma + 1);
	}
}

std::string dwordBytes(std::uint32_t value)
{
	std::string bytes(4, '\0');
	for (std::size_t i = 0; i < 4; ++i)
		bytes[i] = static_cast<char>(value >> (8 * i) & 0xFF);
	return bytes;
}

// The data after '=': a quoted text, dword:, hex: or hex(n):. Hex data may
// go on over continuation lines, which the caller has already joined.
bool parseData(std::string_view s, RegValue &value)
{
	s = trimBlanks(s);
	if (!s.empty() && s.front() == '"') {
		auto text = parseQuoted(s);
		if (!text || !trimBlanks(s).empty())
			return false;
		value.type = kRegSz;
		value.data = std::move(*text) + '\0';
		return true;
	}
	if (consumeKeyword(s, "dword:")) {
		const auto number = parseHexNumber(s);
		if (!number)
			return false;
		value.type = kRegDword;
		value.data = dwordBytes(*number);
		return true;
	}
	if (consumeKeyword(s, "hex(")) {
		const std::size_t close = s.find(')');
		if (close == std::string_view::npos)
			return false;
		const auto type = parseHexNumber(s.substr(0, close));
		if (!type)
			return false;
		s.remove_prefix(close + 1);
		if (s.empty() || s.front() != ':')
			return false;
		s.remove_prefix(1);
		value.type = *type;
	} else if (consumeKeyword(s, "hex:")) {
		value.type = kRegBinary;
	} else {
		return false;
	}
	auto bytes = parseHexBytes(s);
	if (!bytes)
		return false;
	value.data = std::move(*bytes);
	return true;
}

// The name of a value line ("name"=data or @=data) and what follows '='.
struct ValueLine {
	std::string name;
	std::string_view data;
};

std::optional<ValueLine> splitValueLine(std::string_view line)
{
	ValueLine parts;
	line = trimBlanksLeft(line);
	if (!line.empty() && line.front() == '@') {
		line.remove_prefix(1);
	} else {
		auto name = parseQuoted(line);
		if (!name)
			return std::nullopt;
		parts.name = std::move(*name);
	}
	line = trimBlanksLeft(line);
	if (line.empty() || line.front() != '=')
		return std::nullopt;
	parts.data = trimBlanksLeft(line.substr(1));
	return parts;
}

std::optional<RegValue> parseValue(std::string_view line)
{
	auto parts = splitValueLine(line);
	if (!parts)
		return std::nullopt;
	RegValue value;
	value.name = std::move(parts->name);
	if (!parseData(parts->data, value))
		return std::nullopt;
	return value;
}

// Whether line is the first or a middle part of a "hex" list that goes on
// on the next line.
bool continues(std::string_view line)
{
	line = trimBlanksRight(line);
	if (line.empty() || line.back() != '\\')
		return false;
	const auto parts = splitValueLine(line);
	return parts && parts->data.size() >= 3 && sameRegName(parts->data.substr(0, 3), "hex");
}

// Whether a line can only be the start of something new, not the rest of a
// "hex" list.
bool startsEntry(std::string_view line)
{
	line = trimBlanksLeft(line);
	return !line.empty() && (line.front() == '"' || line.front() == '@' || line.front() == '[');
}

// "[path]" with a path of nonempty components; nullopt otherwise (a
// "[-path]" deletion included, which a settings file has no use for).
std::optional<std::string> parseKeyLine(std::string_view line)
{
	line = trimBlanks(line);
	if (line.size() < 2 || line.front() != '[' || line.back() != ']')
		return std::nullopt;
	const std::string_view path = line.substr(1, line.size() - 2);
	if (path.empty() || path.front() == '-' || path.front() == '\\' || path.back() == '\\' ||
	    path.find("\\\\") != std::string_view::npos)
		return std::nullopt;
	return std::string(path);
}

// Splits text into lines, each without its LF and one CR before it.
class LineReader
{
public:
	explicit LineReader(std::string_view text) : rest_(text) {}

	bool atEnd() const { return rest_.empty(); }
	std::string_view peek() const { return rest_.substr(0, rest_.find('\n')); }
	// Whether the line returned last had no line break after it.
	bool lastWasCutOff() const { return cutOff_; }

	std::string_view next()
	{
		const std::size_t end = rest_.find('\n');
		std::string_view line = rest_.substr(0, end);
		cutOff_ = end == std::string_view::npos;
		rest_.remove_prefix(cutOff_ ? rest_.size() : end + 1);
		if (!cutOff_ && !line.empty() && line.back() == '\r')
			line.remove_suffix(1);
		return line;
	}

private:
	std::string_view rest_;
	bool cutOff_ = false;
};

void mergeValue(RegKeyRecord &key, RegValue value)
{
	if (RegValue *existing = findValue(key, value.name))
		*existing = std::move(value);
	else
		key.values.push_back(std::move(value));
}

} // namespace

RegFileReading parseRegFile(std::string_view bytes)
{
	RegFileReading reading;
	const std::optional<std::string> decoded = decodeUnicodeText(bytes, reading.unmappable);
	const std::string_view text = decoded ? std::string_view(*decoded) : bytes;

	LineReader lines(text);
	RegKeyRecord *key = nullptr;
	const auto header = [](std::string_view line) { return line == kRegFileHeader || line == kUnicodeHeader; };
	if (lines.atEnd() || !header(trimBlanksRight(lines.next())) || lines.lastWasCutOff()) {
		// Without its header the file is not what Mirel wrote; read what can
		// be read from the start.
		reading.badHeader = true;
		lines = LineReader(text);
	}

	while (!lines.atEnd()) {
		std::string line(lines.next());
		bool cutOff = lines.lastWasCutOff();
		// regedit breaks long "hex" lists over lines, each part but the last
		// ending in '\'. A list whose rest is missing is not joined with
		// the next entry.
		while (!cutOff && continues(line) && !lines.atEnd() && !startsEntry(lines.peek())) {
			line.resize(trimBlanksRight(line).size() - 1);
			line += trimBlanksLeft(lines.next());
			cutOff = lines.lastWasCutOff();
		}
		if (cutOff) {
			// What a cut-off line still says may be wrong ("dword:0000000"
			// for 0000000a): none of it is used. Blanks alone lose nothing.
			if (line.find_first_not_of(" \t\r") != std::string::npos) {
				reading.cutOff = true;
				++reading.skippedLines;
			}
			break;
		}
		if (trimBlanks(line).empty())
			continue;
		if (auto path = parseKeyLine(line)) {
			key = findKey(reading.file, *path);
			if (!key)
				key = &reading.file.keys.emplace_back(RegKeyRecord{ std::move(*path), {} });
			continue;
		}
		if (trimBlanksLeft(line).starts_with('[')) {
			// The values of a key that cannot be read belong to no key read
			// before it.
			key = nullptr;
			++reading.skippedLines;
			continue;
		}
		auto value = key ? parseValue(line) : std::nullopt;
		if (value)
			mergeValue(*key, std::move(*value));
		else
			++reading.skippedLines;
	}
	return reading;
}

} // namespace mirel
