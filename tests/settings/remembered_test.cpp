// What the windows remember: kept in subkeys of their own, beside a stored
// layout that stays as it was, taken back as saved, and quietly given up
// when it cannot be read.
#include "settings/model/built_in_defaults.h"
#include "testing/settings_file_test.h"

namespace mirel {
namespace {

using namespace std::string_literals;
using namespace testing;

const std::string kProduct = "HKEY_CURRENT_USER\\Software\\Talvern\\Mirel\\";

bool isRememberedKey(const RegKeyRecord &key)
{
	return key.path.starts_with(kProduct + "Windows") || key.path == kProduct + "FilmSizeCameras";
}

class RememberedFile : public SettingsFileTest
{
protected:
	RegFile stored() const { return parseRegFile(readFile(path)).file; }
	void storeText(const std::string &key, const std::string &name, const std::string &text)
	{
		RegFile file = stored();
		file.setValue(file.addKey(kProduct + key), { name, kRegSz, text + '\0' });
		writeFile(path, formatRegFile(file));
	}
	std::string storedText(const std::string &key, const std::string &name) const
	{
		const RegFile file = stored();
		const RegValue *value = file.findValue(kProduct + key, name);
		return value ? value->data : "(none)";
	}

	static Remembered usersWindows()
	{
		Remembered r;
		r.tablePlace = { -1200, 40, 900, 610 }; // on a screen left of the first
		r.tableDistances = { 500.0, 1234.5, 30000.0 };
		r.tableThirdStops = true;
		r.plannerPlace = { 300, 200, 520, 430 };
		r.plannerNear = 750.25;
		r.plannerFar = 12000.0;
		r.plannerToInfinity = false;
		r.filmCameras[3] = "Canon EOS 7D";
		r.circlePrint = "30 \xD7 40 cm";
		return r;
	}
};

TEST_F(RememberedFile, AFileWithoutTheSubkeysLoadsAsBeforeAndASaveAddsOnlyThem)
{
	saveUsersFile();
	load();
	const CalcSettings users = currentSettings();
	std::vector<RegKeyRecord> keys = stored().keys();
	std::erase_if(keys, isRememberedKey);
	const std::string before = formatRegFile(RegFile(keys));
	writeFile(path, before);

	load();
	EXPECT_EQ(currentSettings(), users);
	EXPECT_EQ(remembered(), Remembered());
	run();
	keys = stored().keys();
	EXPECT_TRUE(std::ranges::any_of(keys, isRememberedKey));
	std::erase_if(keys, isRememberedKey);
	EXPECT_EQ(formatRegFile(RegFile(keys)), before);
	EXPECT_EQ(recorder.shown, std::vector<std::string>());
	EXPECT_EQ(filesIn(folder), std::vector<std::string>{ "Mirel.reg" });
}

TEST_F(RememberedFile, WhatTheWindowsRememberedComesBackAsItWasInTextsRegeditShows)
{
	run([] { remembered() = usersWindows(); });
	EXPECT_EQ(storedText("Windows\\DepthOfFieldTable", "Place"), "-1200 40 900 610\0"s);
	EXPECT_EQ(storedText("Windows\\DepthOfFieldTable", "Distances"), "500.0 1234.5 30000.0\0"s);
	EXPECT_EQ(storedText("Windows\\FocusPlanner", "Near"), "750.250000\0"s);
	EXPECT_EQ(storedText("Windows\\FocusPlanner", "ToInfinity"), "\0\0\0\0"s);
	EXPECT_EQ(storedText("FilmSizeCameras", "3"), "Canon EOS 7D\0"s);
	EXPECT_EQ(storedText("FilmSizeCameras", "4"), "\0"s);
	load();
	EXPECT_EQ(remembered(), usersWindows());
	EXPECT_EQ(recorder.shown, std::vector<std::string>());
}

// Each remembered value that cannot be taken as it stands: its built-in
// value, without a word or a copy aside; the rest as saved.
TEST_F(RememberedFile, ADamagedValueQuietlyFallsBackToItsBuiltInValue)
{
	struct Row {
		const char *key;
		const char *name;
		std::string stored;
		std::function<void(Remembered &expected)> fallsBack;
	};
	const auto place = [](Remembered &r) { r.tablePlace = {}; };
	const auto distances = [](Remembered &r) { r.tableDistances = {}; };
	const auto near = [](Remembered &r) { r.plannerNear = Remembered().plannerNear; };
	const auto camera = [](Remembered &r) { r.filmCameras[3] = ""; };
	const Row rows[] = {
		{ "Windows\\DepthOfFieldTable", "Place", "120 abc 900 600", place },
		{ "Windows\\DepthOfFieldTable", "Place", "120 80 900", place },
		{ "Windows\\DepthOfFieldTable", "Place", "120 80.5 900 600", place },
		{ "Windows\\DepthOfFieldTable", "Place", "1 2 3 99999999999", place },
		{ "Windows\\DepthOfFieldTable", "Place", std::string(600, '1'), place }, // longer than a read takes
		{ "Windows\\DepthOfFieldTable", "Distances", "500 1,5,7", distances },
		{ "Windows\\FocusPlanner", "Near", "far away", near },
		{ "Windows\\FocusPlanner", "Near", "inf", near },
		{ "Windows\\FocusPlanner", "Near", "1e300", near }, // no "%f" text reads it back
		{ "FilmSizeCameras", "3", std::string(600, 'x'), camera },
	};
	for (const Row &row : rows) {
		run([] { remembered() = usersWindows(); });
		storeText(row.key, row.name, row.stored);
		load();
		Remembered expected = usersWindows();
		row.fallsBack(expected);
		EXPECT_EQ(remembered(), expected) << row.name << " " << row.stored.substr(0, 20);
	}
	EXPECT_EQ(recorder.shown, std::vector<std::string>());
	EXPECT_EQ(filesIn(folder), std::vector<std::string>{ "Mirel.reg" });
}

// As for the settings: another instance's save is kept where this run
// changed nothing.
TEST_F(RememberedFile, ASaveKeepsWhatAnotherInstanceRememberedWhereThisRunChangedNothing)
{
	run();
	RegFileStore store(path);
	const RegistryBinding binding(settingsKey, store);
	RegistrySettingsStorage storage(settingsKey, store);
	loadSettingsAtStartup(&storage);
	{
		RegFileStore otherStore(path);
		RegistryKey otherKey("Mirel", "Talvern", &otherStore);
		RegistrySettingsStorage other(otherKey, otherStore);
		other.writeStored(builtInSettings(), builtInStartupPrefs(), usersWindows());
		otherKey.close();
	}
	remembered().plannerNear = 2000.0;
	saveSettingsAtExit(&storage);
	load();
	Remembered expected = usersWindows();
	expected.plannerNear = 2000.0;
	EXPECT_EQ(remembered(), expected);
}

} // namespace
} // namespace mirel
