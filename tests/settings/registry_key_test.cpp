#include "settings/registry_key.h"

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
	void put(std::string_view name, const std::string &data) // a text stored as another tool might
	{
		ASSERT_EQ(store.setValue(key.current(), name, kRegSz, data.data(),
					 static_cast<std::uint32_t>(data.size())),
			  kRegSuccess);
	}
};

TEST_F(RegistryKeyTest, ValuesAreStoredAndAnsweredAsTheRegistryDoes)
{
	key.writeDword("Dword", 0x01020304);
	key.writeString("Text", "12345");
	key.writeDouble("Big", 1e40); // "%f" cut to 29 characters, so that it reads back
	char data[40] = "keep";
	std::uint32_t size = 4;
	EXPECT_EQ(store.queryValue(key.current(), "Absent", data, size), kRegFileNotFound);
	EXPECT_EQ(store.queryValue(key.current(), "Text", data, size), kRegMoreData);
	EXPECT_EQ(size, 6u);
	EXPECT_STREQ(data, "keep");
	EXPECT_EQ(std::string(data, key.readBytes("TEXT", data, sizeof data)), "12345\0"s);
	EXPECT_EQ(std::string(data, key.readBytes("Dword", data, sizeof data)), "\x04\x03\x02\x01");
	EXPECT_EQ(std::string(data, key.readBytes("Big", data, sizeof data)), "10000000000000000303786028427\0"s);
}

TEST_F(RegistryKeyTest, NumberTextsReadAsAtofReadsDecimals)
{
	const std::pair<std::string, double> rows[] = {
		{ "8.000000\0"s, 8.0 },
		{ "  -3.5e1abc\0"s, -35.0 },
		{ "inf\0"s, 0.0 },
		{ "0x10\0"s, 0.0 },
		{ "7.5"s, 7.5 },                                        // no terminator
		{ std::string(29, '1') + '\0', 1.1111111111111111e28 }, // 29 characters, the most
	};
	for (const auto &[stored, expected] : rows) {
		put("N", stored);
		double value = -1;
		key.readDouble("N", value);
		EXPECT_DOUBLE_EQ(value, expected) << stored;
	}
}

TEST_F(RegistryKeyTest, AFailedReadThrowsItsMessageAndLeavesTheTargetAlone)
{
	struct Row {
		std::string name, stored; // nothing stored when ""
		bool asDword;
		const char *description;
	};
	const Row rows[] = {
		{ "Absent", "", false, "The system cannot find the file specified." },
		{ "Thirty", std::string(30, '1') + '\0', false, "More data is available." },
		{ "TextInteger", "12345\0"s, true, "More data is available." },
		{ std::string(300, 'x'), "", true, "The system cannot find the file specified." },
	};
	for (const Row &row : rows) {
		if (!row.stored.empty())
			put(row.name, row.stored);
		double number = 4.5;
		std::uint32_t dword = 77;
		const std::string full =
			"Could not read registry value " + row.name + "\r\n\r\n(" + row.description + ")";
		try {
			row.asDword ? key.readDword(row.name, dword) : key.readDouble(row.name, number);
			ADD_FAILURE() << row.name << " was read";
		} catch (const std::runtime_error &error) {
			EXPECT_EQ(error.what(), full.substr(0, 199));
		}
		EXPECT_EQ(number, 4.5);
		EXPECT_EQ(dword, 77u);
	}
	EXPECT_TRUE(recorder.shown.empty());
}

TEST_F(RegistryKeyTest, AFailedCreationIsShownCaptionedMirel)
{
	RegistryKey detached("Mirel", "Talvern");
	{
		const RegistryBinding binding(detached, store);
		EXPECT_TRUE(detached.openProductKey(false));
	}
	EXPECT_EQ(detached.current(), kNoKey); // closed, and the store let go
	EXPECT_FALSE(detached.openProductKey(true));
	EXPECT_EQ(detached.current(), kCurrentUserKey);
	EXPECT_EQ(key.openSubkey("Film\\\\Sizes", true), kNoKey);
	EXPECT_EQ(recorder.shown, (std::vector<std::string>{
					  "Mirel: Could not access registry\r\n\r\n(The handle is invalid.)",
					  "Mirel: Could not access registry\r\n\r\n(The parameter is incorrect.)" }));
}

} // namespace
} // namespace mirel
