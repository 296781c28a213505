#include "settings/reg_file.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "core/cp1252.h"

namespace mirel {

namespace {

constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::string_view kUnicodeHeader = "Windows Registry Editor Version 5.00";
constexpr std::string_view kUtf16Mark = "\xFF\xFE";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";
// regedit breaks "hex:" lists so that no line grows past 80 columns.
constexpr std::size_t kHexLineWidth = 76;

unsigned char upperCase(unsigned char c)
{
	if (c >= 'a' && c <= 'z')
		return static_cast<unsigned char>(c - 0x20);
	if (c >= 0xE0 && c <= 0xFE && c != 0xF7) // à..þ except ÷
		return static_cast<unsigned char>(c - 0x20);
	switch (c) {
	case 0x9A:
		return 0x8A; // š
	case 0x9C:
		return 0x8C; // œ
	case 0x9E:
		return 0x8E; // ž
	case 0xFF:
		return 0x9F; // ÿ
	default:
		return c;
	}
}

bool isSpace(char c)
{
	return c == ' ' || c == '\t';
}

std::string_view trimLeft(std::string_view s)
{
	while (!s.empty() && isSpace(s.front()))
		s.remove_prefix(1);
	return s;
}

std::string_view trimRight(std::string_view s)
{
	while (!s.empty() && isSpace(s.back()))
		s.remove_suffix(1);
	return s;
}

std::string_view trim(std::string_view s)
{
	return trimRight(trimLeft(s));
}

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
	s = trim(s);
	if (s.empty())
		return bytes;
	while (true) {
		const std::size_t comma = s.find(',');
		const std::string_view item = trim(s.substr(0, comma));
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
	s = trim(s);
	if (!s.empty() && s.front() == '"') {
		auto text = parseQuoted(s);
		if (!text || !trim(s).empty())
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
	line = trimLeft(line);
	if (!line.empty() && line.front() == '@') {
		line.remove_prefix(1);
	} else {
		auto name = parseQuoted(line);
		if (!name)
			return std::nullopt;
		parts.name = std::move(*name);
	}
	line = trimLeft(line);
	if (line.empty() || line.front() != '=')
		return std::nullopt;
	parts.data = trimLeft(line.substr(1));
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
	line = trimRight(line);
	if (line.empty() || line.back() != '\\')
		return false;
	const auto parts = splitValueLine(line);
	return parts && parts->data.size() >= 3 && sameRegName(parts->data.substr(0, 3), "hex");
}

// Whether a line can only be the start of something new, not the rest of a
// "hex" list.
bool startsEntry(std::string_view line)
{
	line = trimLeft(line);
	return !line.empty() && (line.front() == '"' || line.front() == '@' || line.front() == '[');
}

// "[path]" with a path of nonempty components; nullopt otherwise (a
// "[-path]" deletion included, which a settings file has no use for).
std::optional<std::string> parseKeyLine(std::string_view line)
{
	line = trim(line);
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

void mergeValue(RegKeyRecord &key, RegValue value)
{
	if (RegValue *existing = findValue(key, value.name))
		*existing = std::move(value);
	else
		key.values.push_back(std::move(value));
}

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
	static constexpr char kDigits[] = "0123456789abcdef";
	for (std::size_t i = 0; i < data.size(); ++i) {
		const auto byte = static_cast<unsigned char>(data[i]);
		out += kDigits[byte >> 4];
		out += kDigits[byte & 0xF];
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
		static constexpr char kDigits[] = "0123456789abcdef";
		out += "dword:";
		for (int shift = 28; shift >= 0; shift -= 4)
			out += kDigits[number >> shift & 0xF];
	} else {
		if (value.type == kRegBinary) {
			out += "hex:";
		} else {
			static constexpr char kDigits[] = "0123456789abcdef";
			out += "hex(";
			bool leading = true;
			for (int shift = 28; shift >= 0; shift -= 4) {
				const char digit = kDigits[value.type >> shift & 0xF];
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

bool sameRegName(std::string_view a, std::string_view b)
{
	return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
		return upperCase(static_cast<unsigned char>(x)) == upperCase(static_cast<unsigned char>(y));
	});
}

RegKeyRecord *findKey(RegFile &file, std::string_view path)
{
	const auto it = std::find_if(file.keys.begin(), file.keys.end(),
				     [&](const RegKeyRecord &key) { return sameRegName(key.path, path); });
	return it == file.keys.end() ? nullptr : &*it;
}

RegValue *findValue(RegKeyRecord &key, std::string_view name)
{
	const auto it = std::find_if(key.values.begin(), key.values.end(),
				     [&](const RegValue &value) { return sameRegName(value.name, name); });
	return it == key.values.end() ? nullptr : &*it;
}

bool holdsKey(const RegFile &file, std::string_view path)
{
	return std::any_of(file.keys.begin(), file.keys.end(), [&](const RegKeyRecord &key) {
		return key.path.size() >= path.size() &&
		       sameRegName(std::string_view(key.path).substr(0, path.size()), path) &&
		       (key.path.size() == path.size() || key.path[path.size()] == '\\');
	});
}

RegFileReading parseRegFile(std::string_view bytes)
{
	RegFileReading reading;
	std::string converted;
	std::string_view text = bytes;
	if (bytes.starts_with(kUtf16Mark))
		text = converted = fromUtf16(bytes.substr(kUtf16Mark.size()), reading.unmappable);
	else if (bytes.starts_with(kUtf8Mark))
		text = converted = fromUtf8(bytes.substr(kUtf8Mark.size()), reading.unmappable);

	LineReader lines(text);
	RegKeyRecord *key = nullptr;
	const auto header = [](std::string_view line) { return line == kHeader || line == kUnicodeHeader; };
	if (lines.atEnd() || !header(trimRight(lines.next())) || lines.lastWasCutOff()) {
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
			line.resize(trimRight(line).size() - 1);
			line += trimLeft(lines.next());
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
		if (trim(line).empty())
			continue;
		if (auto path = parseKeyLine(line)) {
			key = findKey(reading.file, *path);
			if (!key)
				key = &reading.file.keys.emplace_back(RegKeyRecord{ std::move(*path), {} });
			continue;
		}
		if (trimLeft(line).starts_with('[')) {
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

std::string formatRegFile(const RegFile &file)
{
	std::string out;
	out += kHeader;
	out += kLineEnd;
	for (const RegKeyRecord &key : file.keys) {
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
