#include "settings/regedit4/reg_file.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace mirel {
namespace {

using namespace std::string_literals;

TEST(RegFile, ValuesAreWrittenAsRegeditWritesThemAndReadBackExactly)
{
	const std::pair<RegValue, std::string> rows[] = {
		// the value, and its line ("" when it spans several)
		{ { "StartupForm", kRegDword, "\xff\xff\xff\xff"s }, "\"StartupForm\"=dword:ffffffff" },
		{ { "a\\b\"c", kRegSz, "d\\e\"f\0"s }, R"("a\\b\"c"="d\\e\"f")" },
		{ { "", kRegSz, "6 \xd7 4.5 \x80\x8a\x9f\0"s }, "@=\"6 \xd7 4.5 \x80\x8a\x9f\"" },
		{ { "No terminator", kRegSz, "ab" }, "\"No terminator\"=hex(1):61,62" },
		{ { "Line break", kRegSz, "a\r\nb\0"s }, "\"Line break\"=hex(1):61,0d,0a,62,00" },
		{ { "Short dword", kRegDword, "\x01\x02"s }, "\"Short dword\"=hex(4):01,02" },
		{ { "Binary", kRegBinary, "\x80\x9f"s }, "\"Binary\"=hex:80,9f" },
		{ { "Long", kRegBinary, std::string(100, '\x9c') }, "" },
	};
	RegKeyRecord key{ "HKEY_CURRENT_USER\\Software\\Talvern\\Mirel", {} };
	for (const auto &[value, line] : rows)
		key.values.push_back(value);
	const RegFile file({ key });
	const std::string text = formatRegFile(file);
	EXPECT_TRUE(text.starts_with("REGEDIT4\r\n\r\n[" + key.path + "]\r\n"));
	for (const auto &[value, line] : rows)
		EXPECT_TRUE(line.empty() || text.find("\r\n" + line + "\r\n") != std::string::npos) << line;
	std::string lf = text;
	std::erase(lf, '\r');
	EXPECT_EQ(text.size() - lf.size(), static_cast<std::size_t>(std::ranges::count(text, '\n'))); // CRLF only
	for (const std::string &written : { text, lf }) {
		EXPECT_FALSE(parseRegFile(written).damaged());
		EXPECT_EQ(parseRegFile(written).file, file);
	}
}

TEST(RegFile, ADamagedLineIsSkippedAndCountedAndTheRestIsUsed)
{
	const std::string head = "REGEDIT4\r\n[K]\r\n\"A\"=dword:00000001\r\n", tail = "\"B\"=\"two\"\r\n";
	const std::pair<std::string, std::size_t> rows[] = {
		// the text, and the lines skipped
		{ head + tail, 0 },
		{ head + "\x01\xfe garbage\r\n" + tail, 1 },
		{ head + "\"X\"=dword:123456789\r\n" + tail, 1 },
		{ head + "\"X\"=\"no closing quote\r\n" + tail, 1 },
		{ head + "X=\"unquoted name\"\r\n" + tail, 1 },
		{ head + "\"X\"=hex:41,\\\r\n" + tail, 1 },                      // a list whose rest is missing
		{ "REGEDIT4\r\n\"X\"=dword:1\r\n" + head.substr(10) + tail, 1 }, // before any key
		{ head + tail + "\"C\"=dword:0000000", 1 },                      // cut off
		{ head.substr(10) + tail, 0 },                                   // no header
		{ head + "[L\r\n\"A\"=dword:00000002\r\n[K]\r\n" + tail, 2 },    // a key line cut short, and its value
	};
	for (const auto &[text, skipped] : rows) {
		const RegFileReading reading = parseRegFile(text);
		EXPECT_EQ(reading.skippedLines, skipped) << text;
		EXPECT_EQ(reading.damaged(), skipped > 0 || !text.starts_with("REGEDIT4")) << text;
		EXPECT_EQ(reading.file.keys(),
			  (std::vector<RegKeyRecord>{
				  { "K", { { "A", kRegDword, "\x01\0\0\0"s }, { "B", kRegSz, "two\0"s } } } }))
			<< text;
	}
}

std::string utf16(std::u16string_view text) // little-endian, with its byte order mark
{
	std::string bytes = "\xFF\xFE";
	for (const char16_t unit : text)
		bytes += { static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8) };
	return bytes;
}

TEST(RegFile, RegeditExportsInUnicodeReadAsWindows1252)
{
	const std::string body = "\r\n[K]\r\n\"\xC9t\xE9\"=\"6 \xD7 4.5 \x80\x9F\"\r\n\"D\"=dword:00000002\r\n";
	const RegFile expected = parseRegFile("REGEDIT4\r\n" + body).file;
	const std::string u8body =
		reinterpret_cast<const char *>(u8"\r\n[K]\r\n\"\u00C9t\u00E9\"=\"6 \u00D7 4.5 \u20AC\u0178\"\r\n"
					       u8"\"D\"=dword:00000002\r\n");
	const std::u16string u16body =
		u"\r\n[K]\r\n\"\u00C9t\u00E9\"=\"6 \u00D7 4.5 \u20AC\u0178\"\r\n\"D\"=dword:00000002\r\n";
	const std::pair<std::string, bool> rows[] = {
		// the file, and whether it reads in full
		{ "Windows Registry Editor Version 5.00\r\n" + body, true },
		{ utf16(u"Windows Registry Editor Version 5.00\r\n" + u16body), true },
		{ "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n" + u8body, true },
		{ "\xEF\xBB\xBFREGEDIT4\r\n" + u8body, true },
		{ utf16(u"REGEDIT4\r\n" + u16body + u"\"X\"=\"\u4E2D\"\r\n"), false }, // no Windows-1252 byte for it
		{ "\xEF\xBB\xBFREGEDIT4\r\n" + u8body + "\"X\"=\"\xC1\x81\"\r\n", false }, // "A" overlong: no UTF-8
	};
	for (const auto &[bytes, whole] : rows) {
		const RegFileReading reading = parseRegFile(bytes);
		EXPECT_EQ(reading.damaged(), !whole) << bytes;
		ASSERT_FALSE(reading.file.keys().empty()) << bytes;
		const std::vector<RegValue> &values = reading.file.keys()[0].values;
		EXPECT_EQ(std::vector(values.begin(), values.begin() + 2), expected.keys()[0].values) << bytes;
	}
}

TEST(RegFile, LinesEndInCrLfOrLfOrInAFileWithoutLfInCr)
{
	const std::vector<RegKeyRecord> keys{ { "K",
						{ { "A", kRegDword, "\x01\0\0\0"s }, { "B", kRegSz, "two\0"s } } } };
	for (const std::string end : { "\r\n", "\n", "\r" }) {
		const std::string text =
			"REGEDIT4" + end + end + "[K]" + end + "\"A\"=dword:00000001" + end + "\"B\"=\"two\"" + end;
		const RegFileReading reading = parseRegFile(text);
		EXPECT_FALSE(reading.damaged()) << text;
		EXPECT_EQ(reading.file.keys(), keys) << text;
	}
}

TEST(RegFile, KeyAndValueNamesMatchWithoutRegardToCase)
{
	const RegFileReading reading =
		parseRegFile("REGEDIT4\r\n[HKEY_CURRENT_USER\\\xc9t\xe9]\r\n\"Aperture\"=\"1\"\r\n"
			     "[hkey_current_user\\\xe9T\xc9]\r\n\"APERTURE\"=\"2\"\r\n");
	ASSERT_EQ(reading.file.keys().size(), 1u);
	EXPECT_EQ(reading.file.keys()[0].values, (std::vector<RegValue>{ { "APERTURE", kRegSz, "2\0"s } }));
	EXPECT_FALSE(sameRegName("\xd7", "\xf7")); // × and ÷ are no letters
}

} // namespace
} // namespace mirel
