#include "settings/reg_file.h"

#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "test_support.h"

namespace mirel {
namespace {

using namespace std::string_literals;

constexpr const char *kKey = "HKEY_CURRENT_USER\\Software\\Talvern\\Mirel";

std::string fileWithLine(const std::string &line)
{
	return "REGEDIT4\r\n\r\n["s + kKey + "]\r\n" + line + "\r\n";
}

struct LineRow {
	std::string line;
	std::optional<RegValue> expected; // nullopt: the line is skipped
};

TEST(RegFileParse, ValueLines)
{
	const LineRow rows[] = {
		{ R"("A"=dword:0000000a)", RegValue{ "A", kRegDword, "\x0a\0\0\0"s } },
		{ R"("A"=DWORD:FFFFFFFF)", RegValue{ "A", kRegDword, "\xff\xff\xff\xff"s } },
		{ R"("A"=dword:7)", RegValue{ "A", kRegDword, "\x07\0\0\0"s } },
		{ R"("A"=dword:123456789)", std::nullopt },
		{ R"("A"=dword:)", std::nullopt },
		{ R"("A"=dword:12g4)", std::nullopt },
		{ R"("A"="1.800000")", RegValue{ "A", kRegSz, "1.800000\0"s } },
		{ R"("A"="")", RegValue{ "A", kRegSz, "\0"s } },
		{ R"("A"="x\\y\"z")", RegValue{ "A", kRegSz, "x\\y\"z\0"s } },
		{ R"("A"="x\n")", std::nullopt },
		{ R"("A"="open)", std::nullopt },
		{ R"("A"="b" junk)", std::nullopt },
		{ " \"A\" = \"b\"\t", RegValue{ "A", kRegSz, "b\0"s } },
		{ R"(@="default")", RegValue{ "", kRegSz, "default\0"s } },
		{ R"("q\"uote"=dword:1)", RegValue{ "q\"uote", kRegDword, "\x01\0\0\0"s } },
		{ "\"6 \xd7 4.5\"=\"\x80\x9f\xa0\"", RegValue{ "6 \xd7 4.5", kRegSz, "\x80\x9f\xa0\0"s } },
		{ R"("A"=hex:)", RegValue{ "A", kRegBinary, "" } },
		{ R"("A"=hex:1,ff, 0a)", RegValue{ "A", kRegBinary, "\x01\xff\x0a"s } },
		{ R"("A"=hex(7):41,00,00)", RegValue{ "A", 7, "A\0\0"s } },
		{ R"("A"=hex(1):62,63)", RegValue{ "A", kRegSz, "bc" } },
		{ R"("A"=HEX(b):01)", RegValue{ "A", 11, "\x01" } },
		{ R"("A"=hex(0):)", RegValue{ "A", kRegNone, "" } },
		{ R"("A"=hex:123)", std::nullopt },
		{ R"("A"=hex:01,)", std::nullopt },
		{ R"("A"=hex:01,,02)", std::nullopt },
		{ R"("A"=hex():01)", std::nullopt },
		{ R"("A"=hex(123456789):01)", std::nullopt },
		{ R"("A"=-)", std::nullopt },
		{ R"("A"=5)", std::nullopt },
		{ R"(A="b")", std::nullopt },
		{ "; a comment", std::nullopt },
		{ "\x01\xfe garbage", std::nullopt },
	};
	for (const LineRow &row : rows) {
		const RegFileReading reading = parseRegFile(fileWithLine(row.line));
		ASSERT_EQ(reading.file.keys.size(), 1u) << row.line;
		const auto &values = reading.file.keys[0].values;
		if (row.expected) {
			EXPECT_EQ(reading.skippedLines, 0u) << row.line;
			ASSERT_EQ(values.size(), 1u) << row.line;
			EXPECT_EQ(values[0], *row.expected) << row.line;
		} else {
			EXPECT_EQ(reading.skippedLines, 1u) << row.line;
			EXPECT_TRUE(values.empty()) << row.line;
		}
		EXPECT_FALSE(reading.badHeader || reading.cutOff) << row.line;
	}
}

TEST(RegFileParse, DamageIsNotedAndTheRestIsUsed)
{
	struct Row {
		std::string text;
		bool badHeader;
		bool cutOff;
		std::size_t skipped;
		std::size_t valuesRead;
	};
	const std::string body = "[K]\r\n\"A\"=dword:00000001\r\n\"B\"=\"two\"\r\n";
	const Row rows[] = {
		{ "REGEDIT4\r\n\r\n" + body, false, false, 0, 2 },
		{ "REGEDIT4\n\n[K]\n\"A\"=dword:00000001\n\"B\"=\"two\"\n", false, false, 0, 2 },
		{ "", true, false, 0, 0 },
		{ body, true, false, 0, 2 },
		{ "Windows Registry Editor Version 5.00\r\n" + body, true, false, 1, 2 },
		{ "REGEDIT4", true, true, 1, 0 },
		{ "REGEDIT4\r\n\"A\"=dword:00000001\r\n" + body, false, false, 1, 2 },
		{ "REGEDIT4\r\n" + body + "\"C\"=dword:0000000", false, true, 1, 2 },
		{ "REGEDIT4\r\n" + body + "\r", false, false, 0, 2 },
		{ "REGEDIT4\r\n[K]\r\n\"A\"=dword:1\r\n\x00\xff\x12\r\n\"B\"=\"two\"\r\n"s, false, false, 1, 2 },
		{ "REGEDIT4\r\n[-K]\r\n\"A\"=dword:1\r\n", false, false, 2, 0 },
	};
	for (const Row &row : rows) {
		const RegFileReading reading = parseRegFile(row.text);
		EXPECT_EQ(reading.badHeader, row.badHeader) << row.text;
		EXPECT_EQ(reading.cutOff, row.cutOff) << row.text;
		EXPECT_EQ(reading.skippedLines, row.skipped) << row.text;
		EXPECT_EQ(reading.damaged(), row.badHeader || row.cutOff || row.skipped > 0);
		std::size_t values = 0;
		for (const auto &key : reading.file.keys)
			values += key.values.size();
		EXPECT_EQ(values, row.valuesRead) << row.text;
	}
}

TEST(RegFileParse, HexListsGoOnOverLines)
{
	const RegFileReading joined = parseRegFile(fileWithLine("\"A\"=hex(2):41,\\\r\n  42,\\\n\t43"));
	ASSERT_EQ(joined.file.keys[0].values.size(), 1u);
	EXPECT_EQ(joined.file.keys[0].values[0].data, "ABC");
	EXPECT_FALSE(joined.damaged());

	// A list whose rest is missing does not swallow the entry after it.
	const RegFileReading dangling = parseRegFile(fileWithLine("\"A\"=hex:41,\\\r\n\"B\"=dword:2"));
	ASSERT_EQ(dangling.file.keys[0].values.size(), 1u);
	EXPECT_EQ(dangling.file.keys[0].values[0].name, "B");
	EXPECT_EQ(dangling.skippedLines, 1u);
}

TEST(RegFileParse, NamesMatchWithoutRegardToCase)
{
	const RegFileReading reading = parseRegFile("REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\\xc9T\xc9]\r\n"
						    "\"Aperture\"=\"1\"\r\n[hkey_current_user\\SOFTWARE\\\xe9t\xe9]\r\n"
						    "\"APERTURE\"=\"2\"\r\n\"Other\"=dword:1\r\n");
	ASSERT_EQ(reading.file.keys.size(), 1u);
	ASSERT_EQ(reading.file.keys[0].values.size(), 2u);
	EXPECT_EQ(reading.file.keys[0].values[0], (RegValue{ "APERTURE", kRegSz, "2\0"s }));

	EXPECT_TRUE(sameRegName("\x8a\x8c\x8e\x9f\xc0\xde", "\x9a\x9c\x9e\xff\xe0\xfe"));
	EXPECT_FALSE(sameRegName("\xd7", "\xf7")); // × and ÷ are no letters
	EXPECT_FALSE(sameRegName("ab", "abc"));
}

TEST(RegFileFormat, WritesRegeditLayoutWithCrlf)
{
	RegFile file;
	file.keys.push_back({ kKey,
			      {
				      { "LengthUnit", kRegDword, "\x02\0\0\0"s },
				      { "StartupForm", kRegDword, "\xff\xff\xff\xff"s },
				      { "Aperture", kRegSz, "1.800000\0"s },
				      { "", kRegSz, "a\\b\"c\0"s },
			      } });
	file.keys.push_back({ kKey + "\\FilmSizes\\2"s, { { "Name", kRegSz, "6 \xd7 4.5\0"s } } });
	EXPECT_EQ(formatRegFile(file), "REGEDIT4\r\n"
				       "\r\n"
				       "[HKEY_CURRENT_USER\\Software\\Talvern\\Mirel]\r\n"
				       "\"LengthUnit\"=dword:00000002\r\n"
				       "\"StartupForm\"=dword:ffffffff\r\n"
				       "\"Aperture\"=\"1.800000\"\r\n"
				       "@=\"a\\\\b\\\"c\"\r\n"
				       "\r\n"
				       "[HKEY_CURRENT_USER\\Software\\Talvern\\Mirel\\FilmSizes\\2]\r\n"
				       "\"Name\"=\"6 \xd7 4.5\"\r\n"
				       "\r\n");
}

TEST(RegFileFormat, EveryValueComesBackExactly)
{
	const RegValue values[] = {
		{ "text", kRegSz, "plain\0"s },
		{ "no terminator", kRegSz, "abc" },
		{ "empty", kRegSz, "" },
		{ "inner zero", kRegSz, "a\0b\0"s },
		{ "two zeros", kRegSz, "ab\0\0"s },
		{ "line break", kRegSz, "a\r\nb\0"s },
		{ "lone cr", kRegSz, "a\r\0"s },
		{ "lone lf", kRegSz, "a\nb\0"s },
		{ "c1 controls", kRegSz, "\x80\x81\x9d\x9f\0"s },
		{ "short dword", kRegDword, "\x01\x02"s },
		{ "long dword", kRegDword, "\x01\x02\x03\x04\x05"s },
		{ "binary", kRegBinary, std::string(200, '\xab') },
		{ "multi", 7, "one\0two\0\0"s },
		{ "big type", 0xffffffff, "\x00"s },
		{ "\x80 name with \\ and \"", kRegNone, "" },
	};
	RegFile file;
	file.keys.push_back({ kKey, {} });
	for (const RegValue &value : values)
		file.keys[0].values.push_back(value);
	const std::string text = formatRegFile(file);
	const RegFileReading reading = parseRegFile(text);
	EXPECT_FALSE(reading.damaged());
	EXPECT_EQ(reading.file, file);
	EXPECT_NE(text.find("\"no terminator\"=hex(1):61,62,63\r\n"), std::string::npos);
	EXPECT_NE(text.find("\"line break\"=hex(1):61,0d,0a,62,00\r\n"), std::string::npos);
	// Long lists are broken before column 80, as regedit does.
	for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
		EXPECT_LE(end - start, 80u);
}

} // namespace
} // namespace mirel
