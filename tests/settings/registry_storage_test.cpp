// The stored layout: a first run stores all of it, a load keeps what it
// read before it stops, numbers out of range come back in range, and what
// Mirel does not know stays in the file.
#include "settings/model/built_in_defaults.h"
#include "settings/regedit4/reg_file.h"
#include "testing/settings_file_test.h"

namespace mirel {
namespace {

using namespace std::string_literals;
using namespace testing;

const std::string kProduct = "HKEY_CURRENT_USER\\Software\\Talvern\\Mirel";

std::string dword(std::uint32_t v)
{
	return { char(v), char(v >> 8), char(v >> 16), char(v >> 24) };
}

using Keys = std::vector<RegKeyRecord>;

RegValue &valueIn(Keys &keys, const std::string &subkey, std::string_view name) // one that is stored
{
	const auto key = std::ranges::find(keys, kProduct + subkey, &RegKeyRecord::path);
	return *std::ranges::find(key->values, name, &RegValue::name);
}

class Persistence : public SettingsFileTest
{
protected:
	Keys stored() const { return parseRegFile(readFile(path)).file.keys(); }
	void editStored(const std::function<void(Keys &)> &edit) // as a user or another tool might
	{
		Keys keys = stored();
		edit(keys);
		writeFile(path, formatRegFile(RegFile(keys)));
	}
};

// The store, noting every value it is asked for.
class RecordingStore : public RegFileStore
{
public:
	using RegFileStore::RegFileStore;
	std::vector<std::string> asked;

	RegResult queryValue(RegKey key, std::string_view name, void *data, std::uint32_t &size) override
	{
		asked.emplace_back(name);
		return RegFileStore::queryValue(key, name, data, size);
	}
};

TEST_F(Persistence, ALoadReadsTheWholeLayoutAFirstRunStoresInItsOrder)
{
	run();
	RecordingStore store(path);
	RegistryKey key("Mirel", "Talvern", &store);
	ASSERT_TRUE(key.openProductKey(false));
	readSettingsRecord(key, defaultSettings());
	readStartupPrefs(key, startupPrefs());
	// The layout of the files users have; a load stops at the first value
	// it cannot read.
	std::vector<std::string> layout{ "RoundStopsMethod", "RoundOtherMethod", "LengthUnit", "Aperture",
					 "FocusDistance",    "FocalLength",      "SpotPercent" };
	for (int i = 0; i < kFilmFormatCount; ++i)
		layout.insert(layout.end(), { "Name", "Width", "Height", "CoC" });
	layout.insert(layout.end(), { "FilmSize", "StartWithLastForm", "StartupForm", "FieldsBecomeDefaults" });
	EXPECT_EQ(store.asked, layout);
	EXPECT_TRUE(recorder.shown.empty());
}

TEST_F(Persistence, ALoadKeepsWhatItReadBeforeTheValueItCannotRead)
{
	saveUsersFile();
	CalcSettings expected = defaultSettings();
	editStored([](Keys &keys) {
		valueIn(keys, "\\FilmSizes\\1", "Name").data = std::string(18, 'n') + "\xd7\0"s; // 19 characters
		std::erase_if(keys, [](const RegKeyRecord &key) { return key.path.ends_with("\\2"); });
		valueIn(keys, "", "StartWithLastForm") = { "StartWithLastForm", kRegSz, "12345\0"s }; // too long
	});
	load();
	// A name of up to 19 characters is cut to 15; the first missing subkey
	// ends the film formats, silently; the value too long ends the load.
	setFilmName(expected.FilmSizes[1], std::string(15, 'n'));
	const auto builtIn = builtInFilmFormats();
	std::copy(builtIn.begin() + 2, builtIn.end(), expected.FilmSizes.begin() + 2);
	expected.filmCoC = suggestedCoC(expected.FilmSizes[expected.FilmSize]);
	EXPECT_EQ(currentSettings(), expected);
	EXPECT_EQ(startupPrefs(), builtInStartupPrefs());
	EXPECT_EQ(recorder.shown.size(), 1u);
}

TEST_F(Persistence, StoredNumbersAreReadSafelyAndSavedBackInRange)
{
	struct Row {
		const char *name;
		std::uint32_t stored;
		std::function<bool()> loaded;
		std::uint32_t savedBack;
	};
	const Row rows[] = {
		{ "StartupForm", 0xFFFFFFFF, [] { return startupPrefs().StartupForm == -1; }, 0xFFFFFFFF },
		{ "StartWithLastForm", 2, [] { return startupPrefs().StartWithLastForm; }, 1 },
		{ "FilmSize", 12, [] { return currentSettings().FilmSize == 0; }, 0 },
		{ "LengthUnit", 7, [] { return currentSettings().LengthUnit == LengthUnit::Metres; }, 2 },
	};
	run();
	for (const Row &row : rows) {
		editStored([&](Keys &keys) { valueIn(keys, "", row.name).data = dword(row.stored); });
		run();
		EXPECT_TRUE(row.loaded()) << row.name;
		Keys keys = stored();
		EXPECT_EQ(valueIn(keys, "", row.name).data, dword(row.savedBack)) << row.name;
	}
	// The values put back in range are named, and their file kept aside.
	const auto named = [&](const std::string &name) {
		return "Mirel Error: These values in the settings file " + path +
		       " cannot be used as they are stored, and Mirel uses others in their place: " + name +
		       ".\r\n\r\nThe file as it was is kept as " + path + ".bad.";
	};
	EXPECT_EQ(recorder.shown, (std::vector<std::string>{ named("FilmSize"), named("LengthUnit") }));
}

TEST_F(Persistence, ASaveKeepsKeysAndValuesMirelDoesNotKnow)
{
	run();
	editStored([](Keys &keys) {
		keys[0].values.push_back({ "Window", kRegBinary, "\x01\x02"s });
		keys.push_back({ kProduct + "\\Plugins", { { "", kRegSz, "keep me\0"s } } });
		keys.push_back({ "HKEY_CURRENT_USER\\Software\\Other", { { "X", 7, "a\0\0"s } } });
	});
	const std::string before = readFile(path);
	run([] { startupPrefs().StartupForm = 2; });
	Keys keys = stored();
	EXPECT_EQ(valueIn(keys, "", "StartupForm").data, dword(2));
	valueIn(keys, "", "StartupForm").data = dword(0xFFFFFFFF);
	EXPECT_EQ(formatRegFile(RegFile(keys)), before);
}

} // namespace
} // namespace mirel
