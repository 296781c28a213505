#include "settings/registry_storage.h"

#include <sys/stat.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/number_text.h"
#include "settings/film_formats.h"
#include "settings/reg_file.h"
#include "test_support.h"

namespace mirel {
namespace {

using namespace std::string_literals;
using testing_support::MessageRecorder;
using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;

const std::string kProduct = "HKEY_CURRENT_USER\\Software\\Talvern\\Mirel";

std::string dword(std::uint32_t value)
{
	return { static_cast<char>(value), static_cast<char>(value >> 8), static_cast<char>(value >> 16),
		 static_cast<char>(value >> 24) };
}

class Persistence : public testing::Test
{
protected:
	TempDir dir;
	const std::string path = dir.path() + "/Talvern/Mirel.reg";
	MessageRecorder recorder;

	void SetUp() override
	{
		currentSettings() = CalcSettings{};
		defaultSettings() = CalcSettings{};
		startupPrefs() = StartupPrefs{};
	}

	// One run of the program: load, whatever the user does, save.
	void run(const std::function<void()> &use = [] {})
	{
		RegistrySettingsStorage storage(path);
		loadSettingsAtStartup(&storage);
		use();
		saveSettingsAtExit(&storage);
	}

	void load()
	{
		RegistrySettingsStorage storage(path);
		loadSettingsAtStartup(&storage);
	}

	// Changes the stored file as a user or another tool might.
	void editStored(const std::function<void(RegFile &)> &edit)
	{
		RegFileReading reading = parseRegFile(readFile(path));
		ASSERT_FALSE(reading.damaged());
		edit(reading.file);
		writeFile(path, formatRegFile(reading.file));
	}

	void setStored(const std::string &key, const std::string &name, RegType type, const std::string &data)
	{
		editStored([&](RegFile &file) {
			RegKeyRecord *record = findKey(file, key);
			ASSERT_NE(record, nullptr) << key;
			RegValue *value = findValue(*record, name);
			ASSERT_NE(value, nullptr) << name;
			*value = { name, type, data };
		});
	}

	void removeStored(const std::string &key, const std::vector<std::string> &names)
	{
		editStored([&](RegFile &file) {
			auto &values = findKey(file, key)->values;
			std::erase_if(values, [&](const RegValue &v) {
				return std::find(names.begin(), names.end(), v.name) != names.end();
			});
		});
	}

	std::vector<std::string> messageTexts() const
	{
		std::vector<std::string> texts;
		for (const auto &message : recorder.messages)
			texts.push_back(message.caption + ": " + message.text);
		return texts;
	}
};

TEST_F(Persistence, FirstRunCreatesTheWholeLayout)
{
	run();
	EXPECT_TRUE(recorder.messages.empty());
	EXPECT_EQ(currentSettings().FocalLength, 50.0);

	const RegFileReading reading = parseRegFile(readFile(path));
	EXPECT_FALSE(reading.damaged());
	const auto &keys = reading.file.keys;
	ASSERT_EQ(keys.size(), 11u);
	EXPECT_EQ(keys[0].path, kProduct);
	std::vector<std::string> names;
	for (const RegValue &value : keys[0].values)
		names.push_back(value.name);
	EXPECT_EQ(names, (std::vector<std::string>{ "RoundStopsMethod", "RoundOtherMethod", "LengthUnit", "Aperture",
						    "FocusDistance", "FocalLength", "SpotPercent", "FilmSize",
						    "StartWithLastForm", "StartupForm", "FieldsBecomeDefaults" }));
	EXPECT_EQ(keys[0].values[2], (RegValue{ "LengthUnit", kRegDword, dword(2) }));
	EXPECT_EQ(keys[0].values[3], (RegValue{ "Aperture", kRegSz, "1.800000\0"s }));
	EXPECT_EQ(keys[0].values[9], (RegValue{ "StartupForm", kRegDword, dword(0xFFFFFFFF) }));
	for (int i = 0; i < kFilmFormatCount; ++i) {
		const RegKeyRecord &film = keys[static_cast<std::size_t>(i) + 1];
		EXPECT_EQ(film.path, kProduct + "\\FilmSizes\\" + std::to_string(i));
		ASSERT_EQ(film.values.size(), 4u);
		EXPECT_EQ(film.values[0].name + film.values[1].name + film.values[2].name + film.values[3].name,
			  "NameWidthHeightCoC");
	}
	EXPECT_EQ(keys[3].values[0], (RegValue{ "Name", kRegSz, "6 \xd7 4.5\0"s }));
	EXPECT_EQ(keys[3].values[3], (RegValue{ "CoC", kRegSz, "0.043353\0"s }));

	struct stat status {};
	ASSERT_EQ(::stat(path.c_str(), &status), 0);
	EXPECT_EQ(status.st_mode & 0777, 0600u);
	EXPECT_EQ(testing_support::filesIn(dir / "Talvern"), (std::vector<std::string>{ "Mirel.reg", "Mirel.reg.lock" }));
}

TEST_F(Persistence, WhatARunLeavesIsWhatTheNextStartsFrom)
{
	CalcSettings saved;
	run([&] {
		startupPrefs() = { false, 3, true };
		CalcSettings &c = currentSettings();
		c.RoundStopsMethod = 2;
		c.RoundOtherMethod = 1;
		c.LengthUnit = LengthUnit::Feet;
		c.Aperture = 5.6;
		c.FocusDistance = 2500.25;
		c.FocalLength = 85.0;
		c.SpotPercent = 1.5;
		setFilmName(c.FilmSizes[7], "Pano \xd7 \x80\x9f");
		c.FilmSizes[7].Width = 170.5;
		c.FilmSizes[7].CoC = 0.1;
		c.FilmSize = 7;
		saved = c;
	});
	currentSettings() = CalcSettings{};
	load();
	EXPECT_TRUE(recorder.messages.empty());
	// Numbers are stored as "%f": six decimals.
	for (FilmFormat &format : saved.FilmSizes)
		format.CoC = parseNumber(formatFixed(format.CoC));
	saved.filmCoC = suggestedCoC(saved.FilmSizes[7]);
	EXPECT_EQ(currentSettings(), saved);
	EXPECT_EQ(startupPrefs(), (StartupPrefs{ false, 3, true }));
}

TEST_F(Persistence, MissingValuesStopTheLoadAndTheNextSaveHeals)
{
	run([] {
		startupPrefs().FieldsBecomeDefaults = true;
		currentSettings().FocalLength = 28.0;
	});
	removeStored(kProduct, { "StartWithLastForm", "StartupForm", "FieldsBecomeDefaults" });

	run();
	EXPECT_EQ(messageTexts(), (std::vector<std::string>{ "Mirel Error: Could not read registry value "
							     "StartWithLastForm\r\n\r\n(The system cannot find the "
							     "file specified.)" }));
	EXPECT_EQ(currentSettings().FocalLength, 28.0);
	EXPECT_FALSE(startupPrefs().FieldsBecomeDefaults); // built-in

	recorder.messages.clear();
	load();
	EXPECT_TRUE(recorder.messages.empty());
	EXPECT_EQ(currentSettings().FocalLength, 28.0);
}

TEST_F(Persistence, OnlyTheFirstFilmSubkeysPresent)
{
	run();
	setStored(kProduct + "\\FilmSizes\\1", "Name", kRegSz, "Half frame\0"s);
	setStored(kProduct + "\\FilmSizes\\1", "Width", kRegSz, "18.000000\0"s);
	editStored([](RegFile &file) { file.keys.resize(3); });

	load();
	EXPECT_TRUE(recorder.messages.empty());
	const auto builtIn = builtInFilmFormats();
	EXPECT_EQ(filmName(currentSettings().FilmSizes[1]), "Half frame");
	EXPECT_EQ(currentSettings().FilmSizes[1].Width, 18.0);
	for (std::size_t i = 2; i < builtIn.size(); ++i)
		EXPECT_EQ(currentSettings().FilmSizes[i], builtIn[i]) << i;

	run();
	EXPECT_EQ(parseRegFile(readFile(path)).file.keys.size(), 11u);
}

TEST_F(Persistence, StoredDwordsAreReadByTheirLowByteAndRepaired)
{
	struct Row {
		const char *name;
		std::uint32_t stored;
		std::function<bool()> loadedAsExpected;
	};
	const Row rows[] = {
		{ "StartupForm", 0xFFFFFFFF, [] { return startupPrefs().StartupForm == -1; } },
		{ "StartupForm", 6, [] { return startupPrefs().StartupForm == 6; } },
		{ "StartupForm", 0x1FF, [] { return startupPrefs().StartupForm == -1; } },
		{ "StartupForm", 9, [] { return startupPrefs().StartupForm == 9; } },
		{ "StartWithLastForm", 2, [] { return startupPrefs().StartWithLastForm; } },
		{ "StartWithLastForm", 0x100, [] { return startupPrefs().StartWithLastForm; } },
		{ "FieldsBecomeDefaults", 0, [] { return !startupPrefs().FieldsBecomeDefaults; } },
		{ "FilmSize", 0x103, [] { return currentSettings().FilmSize == 3; } },
		{ "FilmSize", 12, [] { return currentSettings().FilmSize == 0; } },
		{ "LengthUnit", 7, [] { return currentSettings().LengthUnit == LengthUnit::Metres; } },
		{ "LengthUnit", 4, [] { return currentSettings().LengthUnit == LengthUnit::Feet; } },
		{ "RoundStopsMethod", 9, [] { return currentSettings().RoundStopsMethod == 9; } },
		{ "RoundOtherMethod", 0xFFFFFFFF, [] { return currentSettings().RoundOtherMethod == -1; } },
	};
	run();
	for (const Row &row : rows) {
		setStored(kProduct, row.name, kRegDword, dword(row.stored));
		load();
		EXPECT_TRUE(row.loadedAsExpected()) << row.name << " " << row.stored;
	}
	EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(Persistence, StartWithLastFormTwoIsSavedBackAsOne)
{
	run();
	setStored(kProduct, "StartWithLastForm", kRegDword, dword(2));
	run();
	const RegFileReading reading = parseRegFile(readFile(path));
	auto file = reading.file;
	EXPECT_EQ(findValue(*findKey(file, kProduct), "StartWithLastForm")->data, dword(1));
}

TEST_F(Persistence, AFailedReadOfApertureLeavesTheLaterValuesBuiltIn)
{
	run([] {
		startupPrefs() = { false, 4, true };
		CalcSettings &c = currentSettings();
		c.RoundStopsMethod = 1;
		c.RoundOtherMethod = 3;
		c.LengthUnit = LengthUnit::Inches;
		c.FocalLength = 300.0;
		c.SpotPercent = 3.0;
		setFilmName(c.FilmSizes[0], "Full frame");
		c.FilmSize = 2;
	});
	setStored(kProduct, "Aperture", kRegSz, std::string(30, '1') + '\0');
	load();
	EXPECT_EQ(messageTexts(), (std::vector<std::string>{ "Mirel Error: Could not read registry value "
							     "Aperture\r\n\r\n(More data is available.)" }));
	const CalcSettings &c = currentSettings();
	EXPECT_EQ(c.RoundStopsMethod, 1);
	EXPECT_EQ(c.RoundOtherMethod, 3);
	EXPECT_EQ(c.LengthUnit, LengthUnit::Inches);
	EXPECT_EQ(c.Aperture, 1.8);
	EXPECT_EQ(c.FocalLength, 50.0);
	EXPECT_EQ(c.SpotPercent, 9.5);
	EXPECT_EQ(c.FilmSizes, builtInFilmFormats());
	EXPECT_EQ(c.FilmSize, 0);
	EXPECT_EQ(startupPrefs(), (StartupPrefs{ true, -1, false }));
}

TEST_F(Persistence, FilmNamesAreCutToFifteenOrRefusedWhenTooLong)
{
	run();
	const std::string film3 = kProduct + "\\FilmSizes\\3";
	setStored(kProduct + "\\FilmSizes\\2", "Name", kRegSz, "Eighteen chars \xd7\xd7\xd7\0"s);
	setStored(film3, "Name", kRegSz, std::string(20, 'n') + '\0');
	setStored(film3, "Width", kRegSz, "99.000000\0"s);
	load();
	EXPECT_EQ(filmName(currentSettings().FilmSizes[2]), "Eighteen chars ");
	EXPECT_EQ(messageTexts(), (std::vector<std::string>{ "Mirel Error: Could not read registry value "
							     "Name\r\n\r\n(More data is available.)" }));
	EXPECT_EQ(currentSettings().FilmSizes[3], builtInFilmFormats()[3]);
}

TEST_F(Persistence, AFilmSubkeyLackingAValueStopsTheLoadThere)
{
	run([] {
		startupPrefs().FieldsBecomeDefaults = true;
		currentSettings().FilmSize = 5;
	});
	const std::string film3 = kProduct + "\\FilmSizes\\3";
	setStored(film3, "Width", kRegSz, "61.000000\0"s);
	removeStored(film3, { "CoC" });
	load();
	EXPECT_EQ(messageTexts(), (std::vector<std::string>{ "Mirel Error: Could not read registry value "
							     "CoC\r\n\r\n(The system cannot find the file specified.)" }));
	EXPECT_EQ(currentSettings().FilmSizes[3].Width, 61.0);
	EXPECT_EQ(currentSettings().FilmSize, 0); // not reached
	EXPECT_EQ(settingsKey.current(), kNoKey);  // closed with the storage
}

TEST_F(Persistence, KeysAndValuesMirelDoesNotKnowAreKept)
{
	run();
	editStored([](RegFile &file) {
		file.keys[0].values.push_back({ "Window", kRegBinary, "\x01\x02"s });
		file.keys.push_back({ kProduct + "\\Plugins\\Extra", { { "", kRegSz, "keep me\0"s } } });
		file.keys.push_back({ "HKEY_CURRENT_USER\\Software\\Other", { { "X", 7, "a\0\0"s } } });
	});
	const RegFile before = parseRegFile(readFile(path)).file;
	run([] {
		startupPrefs().FieldsBecomeDefaults = true;
		currentSettings().SpotPercent = 2.0;
	});
	RegFile after = parseRegFile(readFile(path)).file;
	for (const RegKeyRecord &key : before.keys) {
		RegKeyRecord *kept = findKey(after, key.path);
		ASSERT_NE(kept, nullptr) << key.path;
		for (const RegValue &value : key.values) {
			ASSERT_NE(findValue(*kept, value.name), nullptr) << key.path << " " << value.name;
			if (value.name != "SpotPercent" && value.name != "FieldsBecomeDefaults") {
				EXPECT_EQ(*findValue(*kept, value.name), value);
			}
		}
	}
	EXPECT_EQ(findValue(after.keys[0], "SpotPercent")->data, "2.000000\0"s);
}

} // namespace
} // namespace mirel
