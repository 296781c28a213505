#include "settings/registry/registry_key.h"

#include "settings/regedit4/reg_file.h"
#include "testing/settings_file_test.h"

namespace mirel {
namespace {

using namespace std::string_literals;

class RegistryKeyTest : public testing::SettingsFileTest
{
protected:
	RegFileStore store{ path };
	RegistryKey key{ "Mirel", "Talvern", &store };

	void SetUp() override { ASSERT_TRUE(key.openProductKey(true)); }
	void put(std::string_view name, const std::string &data) // a text stored as another tool might
	{
		ASSERT_EQ(store.setValue(key.current(), name, kRegSz, data.data(),
					 static_cast<std::uint32_t>(data.size())),
			  kRegSuccess);
	}
};

TEST_F(RegistryKeyTest, AReadGivesTheStoredValueOrThrowsItsMessageAndLeavesTheTargetAlone)
{
	struct Row {
		std::string name, stored; // nothing stored when ""
		bool asDword;
		double read;
		std::string description = ""; // of the failure
	};
	const std::string notFound = "The system cannot find the file specified.", moreData = "More data is available.";
	const Row rows[] = {
		{ "Number", "8.000000\0"s, false, 8.0 },
		{ "NoTerminator", "7.5"s, false, 7.5 },
		{ "Comma", "2,8\0"s, false, 2.0 }, // a file's numbers have the point only
		{ "TwentyNine", std::string(29, '1') + '\0', false, 1.1111111111111111e28 },
		{ "ShortDword", "\x01\x02"s, true, 0x0201 }, // only the low bytes
		{ "Absent", "", false, 4.5, notFound },
		{ "Thirty", std::string(30, '1') + '\0', false, 4.5, moreData },
		{ "TextInteger", "12345\0"s, true, 77, moreData },
		{ std::string(300, 'x'), "", true, 77, notFound }, // the message cut to 199 characters
	};
	for (const Row &row : rows) {
		if (!row.stored.empty())
			put(row.name, row.stored);
		double number = 4.5;
		std::uint32_t dword = 77;
		std::string thrown;
		try {
			row.asDword ? key.readDword(row.name, dword) : key.readDouble(row.name, number);
		} catch (const std::runtime_error &error) {
			thrown = error.what();
		}
		EXPECT_DOUBLE_EQ(row.asDword ? dword : number, row.read) << row.name;
		const std::string message =
			"Could not read registry value " + row.name + "\r\n\r\n(" + row.description + ")";
		EXPECT_EQ(thrown, row.description.empty() ? "" : message.substr(0, 199)) << row.name;
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
