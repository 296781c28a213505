#include "settings/regedit4/reg_file.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <utility>

#include "core/number_text.h"
#include "settings/regedit4/text_decoding.h"

namespace mirel {

// The grammar below is used twice: to check every line of a file as it is
// read, and to build the values of a key once they are asked for. Each
// part takes where to put what it reads, or null to check only, which
// needs no memory.

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

// The first c in [from, to), or to.
const char *find(const char *from, const char *to, char c)
{
	const void *found = std::memchr(from, c, static_cast<std::size_t>(to - from));
	return found ? static_cast<const char *>(found) : to;
}

// The backslashes of a text, each looked for once as the text is read
// from its start to its end: the escapes of its quoted texts. Most lines of
// a file have none, and need no search of their own.
class Backslashes
{
public:
	explicit Backslashes(std::string_view text)
		: end_(text.data() + text.size()), next_(find(text.data(), end_, '\\'))
	{
	}
	// The first at or after from, or the end of the text.
	const char *from(const char *from)
	{
		if (next_ < from)
			next_ = find(from, end_, '\\');
		return next_;
	}

private:
	const char *end_;
	const char *next_;
};

// A quoted string at the start of s, with the escapes \\ and \"; consumes it
// and appends its text to text. The text between escapes goes in one piece.
bool parseQuoted(std::string_view &s, std::string *text, Backslashes &backslashes)
{
	if (s.empty() || s.front() != '"')
		return false;
	const char *const end = s.data() + s.size();
	const char *from = s.data() + 1;
	for (const char *quote = find(from, end, '"');;) {
		if (quote == end)
			return false; // no closing quote
		const char *const escape = backslashes.from(from);
		if (escape >= quote) {
			if (text)
				text->append(from, quote);
			s = std::string_view(quote + 1, static_cast<std::size_t>(end - quote - 1));
			return true;
		}
		if (escape + 1 == end || (escape[1] != '\\' && escape[1] != '"'))
			return false;
		if (text) {
			text->append(from, escape);
			*text += escape[1];
		}
		from = escape + 2;
		if (from > quote) // that quote was escaped
			quote = find(from, end, '"');
	}
}

// Comma-separated bytes of one or two hex digits, possibly none at all,
// into bytes.
bool parseHexBytes(std::string_view s, std::string *bytes)
{
	s = trimBlanks(s);
	if (s.empty())
		return true;
	while (true) {
		const std::size_t comma = s.find(',');
		const std::string_view item = trimBlanks(s.substr(0, comma));
		if (item.empty() || item.size() > 2)
			return false;
		const auto value = parseHexNumber(item);
		if (!value)
			return false;
		if (bytes)
			*bytes += static_cast<char>(*value);
		if (comma == std::string_view::npos)
			return true;
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

// The data after '=', without blanks around it: a quoted text, dword:,
// hex: or hex(n):, into value's type and data. Hex data may go on over
// continuation lines, which the caller has already joined.
bool parseData(std::string_view s, RegValue *value, Backslashes &backslashes)
{
	if (!s.empty() && s.front() == '"') {
		if (!parseQuoted(s, value ? &value->data : nullptr, backslashes) || !s.empty())
			return false;
		if (value) {
			value->type = kRegSz;
			value->data += '\0';
		}
		return true;
	}
	if (consumeKeyword(s, "dword:")) {
		const auto number = parseHexNumber(s);
		if (!number)
			return false;
		if (value) {
			value->type = kRegDword;
			value->data = dwordBytes(*number);
		}
		return true;
	}
	RegType type = kRegBinary;
	if (consumeKeyword(s, "hex(")) {
		const std::size_t close = s.find(')');
		if (close == std::string_view::npos)
			return false;
		const auto number = parseHexNumber(s.substr(0, close));
		if (!number)
			return false;
		s.remove_prefix(close + 1);
		if (s.empty() || s.front() != ':')
			return false;
		s.remove_prefix(1);
		type = *number;
	} else if (!consumeKeyword(s, "hex:")) {
		return false;
	}
	if (!parseHexBytes(s, value ? &value->data : nullptr))
		return false;
	if (value)
		value->type = type;
	return true;
}

// The name of a value line without blanks around it ("name"=data or
// @=data), into name, and what follows '='.
std::optional<std::string_view> splitValueLine(std::string_view line, std::string *name, Backslashes &backslashes)
{
	if (!line.empty() && line.front() == '@')
		line.remove_prefix(1);
	else if (!parseQuoted(line, name, backslashes))
		return std::nullopt;
	// Blanks are seldom there to skip.
	if (!line.starts_with('='))
		line = trimBlanksLeft(line);
	if (!line.starts_with('='))
		return std::nullopt;
	line.remove_prefix(1);
	return line.starts_with('"') ? line : trimBlanksLeft(line);
}

// A value line without blanks around it, into value; backslashes are
// those of the text the line is in.
bool parseValue(std::string_view line, RegValue *value, Backslashes &backslashes)
{
	const auto data = splitValueLine(line, value ? &value->name : nullptr, backslashes);
	return data && parseData(*data, value, backslashes);
}

// Whether line, without blanks around it, is the first or a middle part of
// a "hex" list that goes on on the next line.
bool continues(std::string_view line)
{
	if (line.empty() || line.back() != '\\')
		return false;
	Backslashes backslashes(line);
	const auto data = splitValueLine(line, nullptr, backslashes);
	return data && data->size() >= 3 && sameRegName(data->substr(0, 3), "hex");
}

// Whether a line can only be the start of something new, not the rest of a
// "hex" list.
bool startsEntry(std::string_view line)
{
	line = trimBlanksLeft(line);
	return !line.empty() && (line.front() == '"' || line.front() == '@' || line.front() == '[');
}

// "[path]", without blanks around it, with a path of nonempty components;
// nullopt otherwise (a "[-path]" deletion included, which a settings file
// has no use for).
std::optional<std::string_view> parseKeyLine(std::string_view line)
{
	if (line.size() < 2 || line.front() != '[' || line.back() != ']')
		return std::nullopt;
	const std::string_view path = line.substr(1, line.size() - 2);
	if (path.empty() || path.front() == '-' || path.front() == '\\' || path.back() == '\\' ||
	    path.find("\\\\") != std::string_view::npos)
		return std::nullopt;
	return path;
}

// Splits text into lines, each without its line end: LF, and a CR before
// it, or in a file without any LF (from an old Mac editor), a CR.
class LineReader
{
public:
	explicit LineReader(std::string_view text)
		: rest_(text), end_(text.find('\n') == std::string_view::npos ? '\r' : '\n')
	{
	}

	bool atEnd() const { return rest_.empty(); }
	std::string_view peek() const { return line(rest_.find(end_)); }
	// Whether the line returned last had no line end after it.
	bool lastWasCutOff() const { return cutOff_; }
	// The text not yet read.
	std::string_view rest() const { return rest_; }
	const char *position() const { return rest_.data(); }

	std::string_view next()
	{
		const std::size_t end = rest_.find(end_);
		const std::string_view text = line(end);
		cutOff_ = end == std::string_view::npos;
		rest_.remove_prefix(cutOff_ ? rest_.size() : end + 1);
		return text;
	}

private:
	std::string_view line(std::size_t end) const
	{
		std::string_view text = rest_.substr(0, end);
		if (end != std::string_view::npos && end_ == '\n' && text.ends_with('\r'))
			text.remove_suffix(1);
		return text;
	}

	std::string_view rest_;
	char end_; // the character that ends a line
	bool cutOff_ = false;
};

// One entry of a file: a line, or a "hex" list joined from the lines
// regedit broke it over.
struct Entry {
	std::string_view text;    // without blanks around it
	bool cutOff;              // its last line has no line end (and it is the last)
	std::string_view span;    // the lines it takes up, with their line ends
	Backslashes &backslashes; // of the text it is in
};

// Calls use(entry) for each entry of lines in turn; joined holds the text
// of a list joined from several lines.
template <typename Use>
void forEachEntry(LineReader &lines, Use use)
{
	std::string joined;
	Backslashes inLines(lines.rest());
	while (!lines.atEnd()) {
		const char *start = lines.position();
		std::string_view text = trimBlanks(lines.next());
		bool cutOff = lines.lastWasCutOff();
		// Each part of a "hex" list but the last ends in '\'. A list whose
		// rest is missing is not joined with the next entry.
		if (!cutOff && continues(text) && !lines.atEnd() && !startsEntry(lines.peek())) {
			joined.assign(text);
			do {
				joined.pop_back(); // the '\'
				joined += trimBlanks(lines.next());
				cutOff = lines.lastWasCutOff();
			} while (!cutOff && continues(joined) && !lines.atEnd() && !startsEntry(lines.peek()));
			text = joined;
		}
		const std::string_view span(start, static_cast<std::size_t>(lines.position() - start));
		if (text.data() != joined.data()) {
			use(Entry{ text, cutOff, span, inLines });
			continue;
		}
		Backslashes inJoined(joined);
		use(Entry{ text, cutOff, span, inJoined });
	}
}

} // namespace

RegFileReading parseRegFile(std::string bytes)
{
	return parseRegFile(std::make_shared<const std::string>(std::move(bytes)));
}

RegFileReading parseRegFile(std::shared_ptr<const std::string> bytes)
{
	RegFileReading reading;
	std::optional<std::string> decoded = decodeUnicodeText(*bytes, reading.unmappable);
	if (decoded)
		bytes = std::make_shared<const std::string>(std::move(*decoded));
	RegFile &file = reading.file;
	file.text_ = bytes;

	LineReader lines(*bytes);
	const auto header = [](std::string_view line) { return line == kRegFileHeader || line == kUnicodeHeader; };
	if (lines.atEnd() || !header(trimBlanksRight(lines.next())) || lines.lastWasCutOff()) {
		// Without its header the file is not what Mirel wrote; read what can
		// be read from the start.
		reading.badHeader = true;
		lines = LineReader(*bytes);
	}

	// Every line is checked now; the values of each key are kept as the
	// stretch of text from its first value to its last, and built when they
	// are asked for (see readValuesOf).
	constexpr std::size_t kNoKey = std::string_view::npos;
	std::size_t key = kNoKey;                                // position of the key the values belong to
	const char *valuesStart = nullptr, *valuesEnd = nullptr; // of the key's values so far
	const auto keepValues = [&] {
		if (key != kNoKey && valuesStart)
			file.unread_[key].emplace_back(valuesStart, static_cast<std::size_t>(valuesEnd - valuesStart));
		valuesStart = valuesEnd = nullptr;
	};
	forEachEntry(lines, [&](const Entry &entry) {
		if (entry.cutOff) {
			// What a cut-off line still says may be wrong ("dword:0000000"
			// for 0000000a): none of it is used. Blanks alone lose nothing.
			if (!entry.text.empty()) {
				reading.cutOff = true;
				++reading.skippedLines;
			}
			return; // it is the last
		}
		if (entry.text.empty())
			return;
		if (const auto path = parseKeyLine(entry.text)) {
			keepValues();
			key = file.addKey(*path);
			file.unread_.resize(file.keys_.size());
			return;
		}
		if (entry.text.front() == '[') {
			// The values of a key that cannot be read belong to no key read
			// before it.
			keepValues();
			key = kNoKey;
			++reading.skippedLines;
			return;
		}
		if (key == kNoKey || !parseValue(entry.text, nullptr, entry.backslashes)) {
			++reading.skippedLines;
			return;
		}
		if (!valuesStart)
			valuesStart = entry.span.data();
		valuesEnd = entry.span.data() + entry.span.size();
	});
	keepValues();
	return reading;
}

void RegFile::readValuesOf(std::size_t key) const
{
	if (key >= unread_.size() || unread_[key].empty())
		return;
	// In file order, so that a value named twice keeps its later data.
	for (const std::string_view text : std::exchange(unread_[key], {})) {
		LineReader lines(text);
		forEachEntry(lines, [&](const Entry &entry) {
			// The lines between the values, checked before, say nothing.
			RegValue value;
			if (parseValue(entry.text, &value, entry.backslashes))
				store(key, std::move(value));
		});
	}
}

} // namespace mirel
