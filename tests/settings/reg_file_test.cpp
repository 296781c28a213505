#include "settings/reg_file.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "test_support.h"

namespace mirel {
namespace {

using namespace std::string_literals;

const std::string kKey = "HKEY_CURRENT_USER\\Software\\Talvern\\Mirel";

TEST(RegFile, ValuesAreWrittenAsRegeditWritesThemAndReadBackExactly)
{
	struct Row {
		RegValue value;
		std::string line; // as written; "" for a value spread over several lines
	};
	const Row rows[] = {
		{ { "LengthUnit", kRegDword, "\x02\0\0\0"s }, "\"LengthUnit\"=dword:00000002" },
		{ { "StartupForm", kRegDword, "\xff\xff\xff\xff"s }, "\"StartupForm\"=dword:ffffffff" },
		{ { "Aperture", kRegSz, "1.800000\0"s }, "\"Aperture\"=\"1.800000\"" },
		{ { "a\\b\"c", kRegSz, "d\\e\"f\0"s }, R"("a\\b\"c"="d\\e\"f")" },
		{ { "", kRegSz, "6 \xd7 4.5 \x80\x8a\x9f\0"s }, "@=\"6 \xd7 4.5 \x80\x8a\x9f\"" },
		{ { "No terminator", kRegSz, "ab" }, "\"No terminator\"=hex(1):61,62" },
		{ { "Line break", kRegSz, "a\r\nb\0"s }, "\"Line break\"=hex(1):61,0d,0a,62,00" },
		{ { "Lone LF", kRegSz, "a\nb\0"s }, "\"Lone LF\"=hex(1):61,0a,62,00" },
		{ { "Inner zero", kRegSz, "a\0b\0"s }, "\"Inner zero\"=hex(1):61,00,62,00" },
		{ { "Short dword", kRegDword, "\x01\x02"s }, "\"Short dword\"=hex(4):01,02" },
		{ { "Multi", 7, "A\0\0"s }, "\"Multi\"=hex(7):41,00,00" },
		{ { "Binary", kRegBinary, "\x80\x9f"s }, "\"Binary\"=hex:80,9f" },
		{ { "Empty", kRegNone, "" }, "\"Empty\"=hex(0):" },
		{ { "Long", kRegBinary, std::string(100, '\x9c') }, "" },
	};
	RegFile file{ { { kKey, {} } } };
	for (const Row &row : rows)
		file.keys[0].values.push_back(row.value);
	const std::string text = formatRegFile(file);
	EXPECT_TRUE(text.starts_with("REGEDIT4\r\n\r\n[" + kKey + "]\r\n"));
	for (const Row &row : rows)
		EXPECT_TRUE(row.line.empty() || text.find("\r\n" + row.line + "\r\n") != std::string::npos) << row.line;
	// Every line ends in CRLF; the same file with LF alone reads the same.
	std::string lf = text;
	std::erase(lf, '\r');
	EXPECT_EQ(text.size() - lf.size(), static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));

	for (const std::string &written : { text, lf }) {
		const RegFileReading reading = parseRegFile(written);
		EXPECT_FALSE(reading.damaged());
		EXPECT_EQ(reading.file, file);
	}
}

TEST(RegFile, ADamagedLineIsSkippedAndCountedAndTheRestIsUsed)
{
	const std::string head = "REGEDIT4\r\n[K]\r\n\"A\"=dword:00000001\r\n";
	const std::string tail = "\"B\"=\"two\"\r\n";
	struct Row {
		std::string text;
		std::size_t skipped;
	};
	const Row rows[] = {
		{ head + tail, 0 },
		{ head + "\x01\xfe garbage\r\n" + tail, 1 },
		{ head + "\"X\"=dword:123456789\r\n" + tail, 1 },
		{ head + "\"X\"=\"no closing quote\r\n" + tail, 1 },
		{ head + "\"X\"=\"bad \\n escape\"\r\n" + tail, 1 },
		{ head + "\"X\"=hex:01,,02\r\n" + tail, 1 },
		{ head + "X=\"unquoted name\"\r\n" + tail, 1 },
		{ head + "\"X\"=hex:41,\\\r\n" + tail, 1 }, // a list whose rest is missing
		{ "REGEDIT4\r\n\"X\"=dword:1\r\n" + head.substr(10) + tail, 1 }, // before any key
		{ head + tail + "\"C\"=dword:0000000", 1 },                           // cut off
		{ head.substr(10) + tail, 0 },                                        // no header
	};
	for (const Row &row : rows) {
		const RegFileReading reading = parseRegFile(row.text);
		EXPECT_EQ(reading.skippedLines, row.skipped) << row.text;
		EXPECT_EQ(reading.damaged(), row.skipped > 0 || !row.text.starts_with("REGEDIT4")) << row.text;
		ASSERT_EQ(reading.file.keys.size(), 1u) << row.text;
		EXPECT_EQ(reading.file.keys[0].values,
			  (std::vector<RegValue>{ { "A", kRegDword, "\x01\0\0\0"s }, { "B", kRegSz, "two\0"s } }))
			<< row.text;
	}
}

TEST(RegFile, KeyAndValueNamesMatchWithoutRegardToCase)
{
	const RegFileReading reading = parseRegFile("REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\\xc9t\xe9]\r\n"
						    "\"Aperture\"=\"1\"\r\n[hkey_current_user\\SOFTWARE\\\xe9T\xc9]\r\n"
						    "\"APERTURE\"=\"2\"\r\n");
	ASSERT_EQ(reading.file.keys.size(), 1u);
	EXPECT_EQ(reading.file.keys[0].values, (std::vector<RegValue>{ { "APERTURE", kRegSz, "2\0"s } }));
	EXPECT_FALSE(sameRegName("\xd7", "\xf7")); // × and ÷ are no letters
}

} // namespace
} // namespace mirel
