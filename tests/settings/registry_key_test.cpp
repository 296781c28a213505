#include "settings/registry_key.h"

#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "settings/reg_store.h"
#include "test_support.h"

namespace mirel {
namespace {

using namespace std::string_literals;
using testing_support::MessageRecorder;
using testing_support::TempDir;

// Counts the calls that reach the registry behind it.
class CountingRegistry : public RegistryApi
{
public:
	explicit CountingRegistry(RegistryApi &inner) : inner_(inner) {}
	int calls = 0;
	int closes = 0;

	RegResult openKey(RegKey p, std::string_view s, RegKey &k) override { return ++calls, inner_.openKey(p, s, k); }
	RegResult createKey(RegKey p, std::string_view s, RegKey &k) override
	{
		return ++calls, inner_.createKey(p, s, k);
	}
	RegResult queryValue(RegKey k, std::string_view n, void *d, std::uint32_t &s) override
	{
		return ++calls, inner_.queryValue(k, n, d, s);
	}
	RegResult setValue(RegKey k, std::string_view n, RegType t, const void *d, std::uint32_t s) override
	{
		return ++calls, inner_.setValue(k, n, t, d, s);
	}
	RegResult closeKey(RegKey k) override { return ++calls, ++closes, inner_.closeKey(k); }
	std::string describeError(RegResult code) override { return inner_.describeError(code); }

private:
	RegistryApi &inner_;
};

class RegistryKeyTest : public testing::Test
{
protected:
	TempDir dir;
	MessageRecorder recorder;
	RegFileStore store{ dir / "Mirel.reg" };
	RegistryKey key{ "Mirel", "Talvern", &store };

	// Stores raw data under name in the product key, as another tool might.
	void storeRaw(std::string_view name, RegType type, const std::string &data)
	{
		RegKey product = kNoKey;
		ASSERT_EQ(store.createKey(kCurrentUserKey, "Software\\Talvern\\Mirel", product), kRegSuccess);
		ASSERT_EQ(store.setValue(product, name, type, data.data(), static_cast<std::uint32_t>(data.size())),
			  kRegSuccess);
		store.closeKey(product);
	}

	std::string errorOf(const std::function<void()> &action)
	{
		try {
			action();
		} catch (const std::runtime_error &error) {
			return error.what();
		}
		return "(no error)";
	}
};

TEST_F(RegistryKeyTest, FirstRunOpensNothingAndSaysNothing)
{
	EXPECT_FALSE(key.openProductKey(false));
	EXPECT_EQ(key.current(), kCurrentUserKey);
	EXPECT_TRUE(recorder.messages.empty());
	EXPECT_FALSE(std::filesystem::exists(dir / "Mirel.reg"));
}

TEST_F(RegistryKeyTest, ConstructionAndCloseOfAnUnopenedKeyTouchNothing)
{
	CountingRegistry counting(store);
	RegistryKey fresh("Mirel", "Talvern", &counting);
	fresh.close();
	EXPECT_EQ(counting.calls, 0);

	// The predefined root is never closed, the product key once.
	ASSERT_TRUE(fresh.openProductKey(true));
	ASSERT_TRUE(fresh.openProductKey(false));
	EXPECT_EQ(counting.closes, 1);
	fresh.close();
	fresh.close();
	EXPECT_EQ(counting.closes, 2);
}

TEST_F(RegistryKeyTest, ValuesComeBackInTheirStoredForms)
{
	ASSERT_TRUE(key.openProductKey(true));
	key.writeDword("StartupForm", 0xFFFFFFFF);
	key.writeDouble("Aperture", 2.8);
	key.writeString("Name", "6 \xd7 4.5\0tail"s);

	std::uint32_t form = 0;
	key.readDword("StartupForm", form);
	EXPECT_EQ(form, 0xFFFFFFFFu);
	char text[20] = {};
	EXPECT_EQ(key.readBytes("Aperture", text, sizeof text), 9u);
	EXPECT_STREQ(text, "2.800000");
	EXPECT_EQ(key.readBytes("Name", text, sizeof text), 8u);
	EXPECT_EQ(std::string(text, 8), "6 \xd7 4.5\0"s);
	double aperture = 0;
	key.readDouble("Aperture", aperture);
	EXPECT_EQ(aperture, 2.8);
}

TEST_F(RegistryKeyTest, NumberTextsReadAsAtofReadsThem)
{
	struct Row {
		std::string stored;
		double expected;
	};
	const Row rows[] = {
		{ "8.000000\0"s, 8.0 },
		{ "abc\0"s, 0.0 },
		{ "12abc\0"s, 12.0 },
		{ "  -3.5e1\0"s, -35.0 },
		{ "inf\0"s, 0.0 },
		{ "7.5"s, 7.5 },                            // no terminator
		{ std::string(28, '1') + '\0', 1.1111111111111111e27 }, // 29 bytes
		{ "5" + std::string(29, '0'), 5e28 },       // 30 bytes without terminator: 29 used
	};
	ASSERT_TRUE(key.openProductKey(true));
	for (const Row &row : rows) {
		storeRaw("N", kRegSz, row.stored);
		double value = -1;
		key.readDouble("N", value);
		EXPECT_DOUBLE_EQ(value, row.expected) << row.stored;
	}
}

TEST_F(RegistryKeyTest, FailedReadsNameTheValueAndLeaveTheTargetAlone)
{
	struct Row {
		std::string name;
		RegType type;
		std::string stored;
		const char *description;
	};
	const Row rows[] = {
		{ "Absent", kRegNone, {}, "The system cannot find the file specified." },
		{ "Long", kRegSz, std::string(30, '1') + '\0', "More data is available." },
		{ "Text", kRegSz, "12345\0"s, "More data is available." },
	};
	ASSERT_TRUE(key.openProductKey(true));
	for (const Row &row : rows) {
		if (row.type != kRegNone)
			storeRaw(row.name, row.type, row.stored);
		const std::string expected = "Could not read registry value " + row.name + "\r\n\r\n(" + row.description + ")";
		double number = 4.5;
		EXPECT_EQ(errorOf([&] { key.readDouble(row.name, number); }), row.name == "Text" ? "(no error)" : expected);
		std::uint32_t dword = 77;
		EXPECT_EQ(errorOf([&] { key.readDword(row.name, dword); }), expected);
		EXPECT_EQ(dword, 77u);
		if (row.name != "Text") {
			EXPECT_EQ(number, 4.5);
		}
	}
}

TEST_F(RegistryKeyTest, ShortDwordDataOverwritesOnlyTheLowBytes)
{
	ASSERT_TRUE(key.openProductKey(true));
	storeRaw("Short", kRegBinary, "\x07\x01"s);
	std::uint32_t value = 0xAABBCCDD;
	key.readDword("Short", value);
	EXPECT_EQ(value, 0xAABB0107u);
}

TEST_F(RegistryKeyTest, MessagesAreCutTo199Characters)
{
	const std::string longName(300, 'x');
	const std::string message = errorOf([&] { key.raiseValueError("write", longName, kRegDiskFull); });
	EXPECT_EQ(message, ("Could not write registry value " + longName).substr(0, 199));

	const std::string full = key.describeSystemError(kRegAccessDenied, std::string(180, 'p'), 200);
	EXPECT_EQ(full, std::string(180, 'p') + "\r\n\r\n(Access is denied.)"s.substr(0, 19));
	EXPECT_EQ(key.describeSystemError(kRegMoreData, std::nullopt, 200), "More data is available.");
	EXPECT_EQ(key.describeSystemError(kRegMoreData, std::nullopt, 5), "More");
	EXPECT_EQ(key.describeSystemError(kRegMoreData, std::nullopt, 0), "");
}

TEST_F(RegistryKeyTest, EveryCodeHasAText)
{
	struct Row {
		RegResult code;
		const char *text;
	};
	const Row rows[] = {
		{ 2, "The system cannot find the file specified." },
		{ 3, "The system cannot find the path specified." },
		{ 5, "Access is denied." },
		{ 112, "There is not enough space on the disk." },
		{ 234, "More data is available." },
		{ 1009, "The configuration registry database is corrupt." },
		{ 4242, "Unknown error 4242." },
	};
	for (const Row &row : rows)
		EXPECT_EQ(key.describeSystemError(row.code, "P", 200), "P\r\n\r\n("s + row.text + ")");
	RegistryKey detached("Mirel", "Talvern");
	EXPECT_EQ(detached.describeSystemError(5, std::nullopt, 200), "Access is denied.");
}

TEST_F(RegistryKeyTest, AFailedCreationIsShownCaptionedWithTheProduct)
{
	RegistryKey detached("Mirel", "Talvern");
	EXPECT_FALSE(detached.openProductKey(true));
	ASSERT_EQ(recorder.messages.size(), 1u);
	EXPECT_EQ(recorder.messages[0].caption, "Mirel");
	EXPECT_EQ(recorder.messages[0].text, "Could not access registry\r\n\r\n(The handle is invalid.)");
	EXPECT_EQ(detached.current(), kCurrentUserKey);
}

TEST_F(RegistryKeyTest, SubkeysNestAndAFailedOpenKeepsTheParent)
{
	ASSERT_TRUE(key.openProductKey(true));
	const RegKey product = key.current();
	EXPECT_EQ(key.openSubkey("FilmSizes\\3", false), kNoKey);
	EXPECT_EQ(key.current(), product);
	EXPECT_TRUE(recorder.messages.empty());

	const RegKey parent = key.openSubkey("FilmSizes\\3", true);
	ASSERT_EQ(parent, product);
	key.writeString("Name", "6 \xd7 6");
	key.leaveSubkey(parent);
	key.writeDword("FilmSize", 3);
	EXPECT_EQ(errorOf([&] { char b[4]; key.readBytes("Name", b, 4); }),
		  "Could not read registry value Name\r\n\r\n(The system cannot find the file specified.)");
	EXPECT_NE(key.openSubkey("filmsizes\\3", false), kNoKey);
	char name[20] = {};
	key.readBytes("NAME", name, sizeof name);
	EXPECT_STREQ(name, "6 \xd7 6");
}

TEST_F(RegistryKeyTest, NumbersAreWrittenAsPercentFCutTo29Characters)
{
	ASSERT_TRUE(key.openProductKey(true));
	key.writeDouble("Big", 1e40);
	char text[40] = {};
	EXPECT_EQ(key.readBytes("Big", text, sizeof text), 30u);
	EXPECT_EQ(std::string(text), "10000000000000000303786028427");
}

} // namespace
} // namespace mirel
