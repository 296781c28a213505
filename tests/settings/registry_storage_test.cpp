#include "settings/registry_storage.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/number_text.h"
#include "settings/film_formats.h"
#include "test_support.h"

namespace mirel {
namespace {

using namespace std::string_literals;
using testing_support::readFile;

const std::string kProduct = "HKEY_CURRENT_USER\\Software\\Talvern\\Mirel";

std::string dword(std::uint32_t v)
{
	return { char(v), char(v >> 8), char(v >> 16), char(v >> 24) };
}

RegValue &valueIn(RegFile &file, const std::string &subkey, std::string_view name) // one that is stored
{
	return *findValue(*findKey(file, kProduct + subkey), name);
}

class Persistence : public testing_support::SettingsFileTest
{
protected:
	RegFile stored() const { return parseRegFile(readFile(path)).file; }
	void editStored(const std::function<void(RegFile &)> &edit) // as a user or another tool might
	{
		RegFile file = stored();
		edit(file);
		testing_support::writeFile(path, formatRegFile(file));
	}
};

TEST_F(Persistence, AFirstRunCreatesTheFolderAndTheWholeLayout)
{
	run();
	EXPECT_TRUE(recorder.shown.empty());
	RegFile file = stored();
	std::vector<std::string> layout;
	for (const RegKeyRecord &key : file.keys) {
		layout.push_back(key.path.substr(std::min(key.path.size(), kProduct.size())));
		for (const RegValue &value : key.values)
			layout.back() += " " + value.name;
	}
	std::vector<std::string> expected{ " RoundStopsMethod RoundOtherMethod LengthUnit Aperture FocusDistance "
					   "FocalLength SpotPercent FilmSize StartWithLastForm StartupForm "
					   "FieldsBecomeDefaults" };
	for (int i = 0; i < kFilmFormatCount; ++i)
		expected.push_back("\\FilmSizes\\" + std::to_string(i) + " Name Width Height CoC");
	EXPECT_EQ(layout, expected);
	EXPECT_EQ(valueIn(file, "", "LengthUnit"), (RegValue{ "LengthUnit", kRegDword, dword(2) }));
	EXPECT_EQ(valueIn(file, "", "Aperture"), (RegValue{ "Aperture", kRegSz, "1.800000\0"s }));
	EXPECT_EQ(testing_support::filesIn(folder), (std::vector<std::string>{ "Mirel.reg", "Mirel.reg.lock" }));
}

TEST_F(Persistence, WhatARunSavesIsWhatTheNextLoads)
{
	CalcSettings saved;
	StartupPrefs savedPrefs;
	run([&] {
		testing_support::customiseEveryField(currentSettings(), startupPrefs());
		saved = currentSettings();
		savedPrefs = startupPrefs();
	});
	load();
	EXPECT_TRUE(recorder.shown.empty());
	for (FilmFormat &format : saved.FilmSizes)
		format.CoC = parseNumber(formatFixed(format.CoC)); // stored with six decimals
	saved.filmCoC = suggestedCoC(saved.FilmSizes[saved.FilmSize]);
	EXPECT_EQ(currentSettings(), saved);
	EXPECT_EQ(startupPrefs(), savedPrefs);
}

// The store, noting every key path and value name it is asked for.
class RecordingStore : public RegFileStore
{
public:
	using RegFileStore::RegFileStore;
	std::vector<std::string> asked;

	RegResult openKey(RegKey parent, std::string_view path, RegKey &key) override
	{
		asked.emplace_back(path);
		return RegFileStore::openKey(parent, path, key);
	}
	RegResult createKey(RegKey parent, std::string_view path, RegKey &key) override
	{
		asked.emplace_back(path);
		return RegFileStore::createKey(parent, path, key);
	}
	RegResult queryValue(RegKey key, std::string_view name, void *data, std::uint32_t &size) override
	{
		asked.emplace_back(name);
		return RegFileStore::queryValue(key, name, data, size);
	}
	RegResult setValue(RegKey key, std::string_view name, RegType type, const void *data,
			   std::uint32_t size) override
	{
		asked.emplace_back(name);
		return RegFileStore::setValue(key, name, type, data, size);
	}
};

TEST_F(Persistence, LoadAndSaveVisitTheSameValuesInTheSameOrder)
{
	RecordingStore store(path);
	RegistryKey key("Mirel", "Talvern", &store);
	loadSettingsAtStartup(nullptr);
	store.beginBatch();
	ASSERT_TRUE(key.openProductKey(true));
	writeSettingsRecord(key, defaultSettings());
	writeStartupPrefs(key, startupPrefs());
	ASSERT_EQ(store.commitBatch(), kRegSuccess);
	const std::vector<std::string> written = std::exchange(store.asked, {});
	ASSERT_TRUE(key.openProductKey(false));
	readSettingsRecord(key, defaultSettings());
	readStartupPrefs(key, startupPrefs());
	EXPECT_EQ(store.asked, written);
	EXPECT_EQ(written.size(), 1 + 11 + 5 * kFilmFormatCount); // the key, its values, each subkey and its values
	EXPECT_TRUE(recorder.shown.empty());
}

TEST_F(Persistence, AFailedReadOfApertureLeavesTheLaterValuesBuiltIn)
{
	loadSettingsAtStartup(nullptr);
	CalcSettings expected = currentSettings(); // built in, but for what is read before Aperture
	const StartupPrefs builtInPrefs = startupPrefs();
	expected.RoundOtherMethod = 3;
	run([] {
		startupPrefs() = { false, 4, true };
		currentSettings().RoundOtherMethod = 3;
		currentSettings().FocalLength = 300.0;
	});
	editStored([](RegFile &file) { valueIn(file, "", "Aperture").data = std::string(30, '1') + '\0'; });
	load();
	EXPECT_EQ(recorder.shown,
		  (std::vector<std::string>{ "Mirel Error: Could not read registry value "
					     "Aperture\r\n\r\n(More data is available.)\r\n\r\nThe file "
					     "as it was is kept as " +
					     path + ".bad." }));
	EXPECT_EQ(currentSettings(), expected);
	EXPECT_EQ(startupPrefs(), builtInPrefs);
}

TEST_F(Persistence, FilmFormatsEndAtTheFirstMissingSubkeyAndLongNamesAreCut)
{
	run();
	editStored([](RegFile &file) {
		valueIn(file, "\\FilmSizes\\1", "Name").data = std::string(18, 'n') + "\xd7\0"s; // 19 characters
		valueIn(file, "\\FilmSizes\\5", "Width").data = "1.000000\0"s;
		std::erase_if(file.keys, [](const RegKeyRecord &key) { return key.path.ends_with("\\2"); });
	});
	load();
	EXPECT_TRUE(recorder.shown.empty());
	EXPECT_EQ(filmName(currentSettings().FilmSizes[1]), std::string(15, 'n'));
	const auto builtIn = builtInFilmFormats();
	for (std::size_t i = 2; i < builtIn.size(); ++i)
		EXPECT_EQ(currentSettings().FilmSizes[i], builtIn[i]) << i; // \5 too, though present
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
		editStored([&](RegFile &file) { valueIn(file, "", row.name).data = dword(row.stored); });
		run();
		EXPECT_TRUE(row.loaded()) << row.name;
		RegFile file = stored();
		EXPECT_EQ(valueIn(file, "", row.name).data, dword(row.savedBack)) << row.name;
	}
	EXPECT_TRUE(recorder.shown.empty());
}

TEST_F(Persistence, ASaveKeepsKeysAndValuesMirelDoesNotKnow)
{
	run();
	editStored([](RegFile &file) {
		file.keys[0].values.push_back({ "Window", kRegBinary, "\x01\x02"s });
		file.keys.push_back({ kProduct + "\\Plugins", { { "", kRegSz, "keep me\0"s } } });
		file.keys.push_back({ "HKEY_CURRENT_USER\\Software\\Other", { { "X", 7, "a\0\0"s } } });
	});
	const std::string before = readFile(path);
	run([] { startupPrefs().StartupForm = 2; });
	RegFile file = stored();
	EXPECT_EQ(valueIn(file, "", "StartupForm").data, dword(2));
	valueIn(file, "", "StartupForm").data = dword(0xFFFFFFFF);
	EXPECT_EQ(formatRegFile(file), before);
}

} // namespace
} // namespace mirel
