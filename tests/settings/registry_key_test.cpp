#include "settings/registry_key.h"

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings/reg_store.h"
#include "test_support.h"

namespace mirel {
namespace {

using namespace std::string_literals;

class RegistryKeyTest : public testing::Test
{
protected:
	testing_support::TempDir dir;
	testing_support::MessageRecorder recorder;
	RegFileStore store{ dir.path() + "/Mirel.reg" };
	RegistryKey key{ "Mirel", "Talvern", &store };

	void SetUp() override { ASSERT_TRUE(key.openProductKey(true)); }

	// Stores raw data in the product key, as another tool might.
	void put(std::string_view name, RegType type, const std::string &data)
	{
		ASSERT_EQ(store.setValue(key.current(), name, type, data.data(), static_cast<std::uint32_t>(data.size())),
			  kRegSuccess);
	}
};

TEST_F(RegistryKeyTest, ValuesAreStoredAndAnsweredAsTheRegistryDoes)
{
	RegKey absent = kNoKey;
	EXPECT_EQ(store.openKey(kCurrentUserKey, "Software\\Talvern\\Other", absent), kRegFileNotFound);
	key.writeDword("Dword", 0x01020304);
	key.writeString("Text", "12345");
	key.writeDouble("Big", 1e40); // "%f" cut to 29 characters, so that it reads back
	char data[40] = "keep";
	std::uint32_t size = 4;
	EXPECT_EQ(store.queryValue(key.current(), "Absent", data, size), kRegFileNotFound);
	EXPECT_EQ(store.queryValue(key.current(), "Text", data, size), kRegMoreData);
	EXPECT_EQ(size, 6u);
	EXPECT_STREQ(data, "keep");
	EXPECT_EQ(key.readBytes("TEXT", data, sizeof data), 6u);
	EXPECT_EQ(std::string(data, 6), "12345\0"s);
	EXPECT_EQ(key.readBytes("Dword", data, sizeof data), 4u);
	EXPECT_EQ(std::string(data, 4), "\x04\x03\x02\x01");
	EXPECT_EQ(key.readBytes("Big", data, sizeof data), 30u);
	EXPECT_STREQ(data, "10000000000000000303786028427");

	// The type is not examined: two bytes of any type overwrite the low two.
	put("Short", kRegBinary, "\x07\x01"s);
	std::uint32_t value = 0xAABBCCDD;
	key.readDword("Short", value);
	EXPECT_EQ(value, 0xAABB0107u);
}

TEST_F(RegistryKeyTest, NumberTextsReadAsAtofReadsDecimals)
{
	struct Row {
		std::string stored;
		double expected;
	};
	const Row rows[] = {
		{ "8.000000\0"s, 8.0 },
		{ "12abc\0"s, 12.0 },
		{ "  -3.5e1\0"s, -35.0 },
		{ "abc\0"s, 0.0 },
		{ "inf\0"s, 0.0 },
		{ "0x10\0"s, 0.0 },
		{ "7.5"s, 7.5 },                                        // no terminator
		{ std::string(29, '1') + '\0', 1.1111111111111111e28 }, // 29 characters, the most
		{ "5" + std::string(29, '0'), 5e28 },                   // 30 without terminator: 29 used
	};
	for (const Row &row : rows) {
		put("N", kRegSz, row.stored);
		double value = -1;
		key.readDouble("N", value);
		EXPECT_DOUBLE_EQ(value, row.expected) << row.stored;
	}
}

TEST_F(RegistryKeyTest, AFailedReadThrowsItsMessageAndLeavesTheTargetAlone)
{
	struct Row {
		std::string name;
		std::string stored; // "" for none
		bool asDword;
		const char *description;
	};
	const Row rows[] = {
		{ "Absent", "", false, "The system cannot find the file specified." },
		{ "TextInteger", "12345\0"s, true, "More data is available." },
		{ std::string(300, 'x'), "", true, "The system cannot find the file specified." },
	};
	for (const Row &row : rows) {
		if (!row.stored.empty())
			put(row.name, kRegSz, row.stored);
		double number = 4.5;
		std::uint32_t dword = 77;
		const std::string full = "Could not read registry value " + row.name + "\r\n\r\n(" + row.description + ")";
		try {
			row.asDword ? key.readDword(row.name, dword) : key.readDouble(row.name, number);
			ADD_FAILURE() << row.name << " was read";
		} catch (const std::runtime_error &error) {
			EXPECT_EQ(error.what(), full.substr(0, 199));
		}
		EXPECT_EQ(number, 4.5);
		EXPECT_EQ(dword, 77u);
	}
}

TEST_F(RegistryKeyTest, OnlyAFailedCreationIsShownCaptionedMirel)
{
	RegFileStore none(dir.path() + "/None.reg");
	RegistryKey firstRun("Mirel", "Talvern", &none);
	EXPECT_FALSE(firstRun.openProductKey(false));
	EXPECT_EQ(firstRun.current(), kCurrentUserKey);
	EXPECT_TRUE(recorder.shown.empty());
	EXPECT_FALSE(std::filesystem::exists(none.path()));

	RegistryKey detached("Mirel", "Talvern");
	EXPECT_FALSE(detached.openProductKey(true));
	EXPECT_EQ(detached.current(), kCurrentUserKey);
	EXPECT_EQ(key.openSubkey("Film\\\\Sizes", true), kNoKey);
	EXPECT_EQ(recorder.shown, (std::vector<std::string>{
					  "Mirel: Could not access registry\r\n\r\n(The handle is invalid.)",
					  "Mirel: Could not access registry\r\n\r\n(The parameter is incorrect.)" }));
}

TEST_F(RegistryKeyTest, EachCodeHasItsSystemText)
{
	const std::pair<RegResult, const char *> rows[] = {
		{ 2, "The system cannot find the file specified." },
		{ 3, "The system cannot find the path specified." },
		{ 5, "Access is denied." },
		{ 6, "The handle is invalid." },
		{ 8, "Not enough memory resources are available to process this command." },
		{ 87, "The parameter is incorrect." },
		{ 112, "There is not enough space on the disk." },
		{ 234, "More data is available." },
		{ 1009, "The configuration registry database is corrupt." },
		{ 1117, "The request could not be performed because of an I/O device error." },
		{ 4242, "Unknown error 4242." },
	};
	for (const auto &[code, text] : rows)
		EXPECT_EQ(key.describeSystemError(code, "P", 200), "P\r\n\r\n("s + text + ")") << code;
}

} // namespace
} // namespace mirel
