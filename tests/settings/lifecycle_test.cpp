#include "settings/lifecycle.h"

#include <cmath>
#include <functional>
#include <optional>

#include <gtest/gtest.h>

#include "settings/film_formats.h"

namespace mirel {
namespace {

// Storage that applies a change on read and remembers what it was given.
class FakeStorage : public SettingsStorage {
public:
	std::function<void(CalcSettings &, StartupPrefs &)> onRead;
	std::optional<CalcSettings> writtenSettings;
	std::optional<StartupPrefs> writtenPrefs;

	void readStored(CalcSettings &defaults, StartupPrefs &prefs) override
	{
		if (onRead)
			onRead(defaults, prefs);
	}
	void writeStored(const CalcSettings &defaults, const StartupPrefs &prefs) override
	{
		writtenSettings = defaults;
		writtenPrefs = prefs;
	}
};

class Lifecycle : public testing::Test {
protected:
	void SetUp() override
	{
		currentSettings() = CalcSettings{};
		defaultSettings() = CalcSettings{};
		startupPrefs() = StartupPrefs{};
	}
};

TEST_F(Lifecycle, FirstRunStartsFromTheBuiltInValues)
{
	loadSettingsAtStartup(nullptr);
	const CalcSettings &c = currentSettings();
	EXPECT_EQ(c, defaultSettings());
	EXPECT_EQ(c.FocalLength, 50.0);
	EXPECT_EQ(c.LengthUnit, LengthUnit::Metres);
	EXPECT_EQ(c.FilmSize, 0);
	EXPECT_DOUBLE_EQ(c.filmCoC, std::sqrt(36.0 * 36.0 + 24.0 * 24.0) / 1730.0);
	EXPECT_NEAR(c.filmCoC, 0.02501, 5e-6);
	EXPECT_EQ(startupPrefs(), (StartupPrefs{ true, -1, false }));
}

TEST_F(Lifecycle, CircleOfConfusionIsSuggestedForTheStoredFormat)
{
	FakeStorage storage;
	storage.onRead = [](CalcSettings &d, StartupPrefs &) {
		d.FilmSize = 3;
		d.FilmSizes[3].CoC = 0.07; // stored CoC differs from the suggestion
		d.FocalLength = 80.0;
	};
	loadSettingsAtStartup(&storage);
	EXPECT_EQ(currentSettings().FilmSize, 3);
	EXPECT_EQ(currentSettings().FocalLength, 80.0);
	EXPECT_DOUBLE_EQ(currentSettings().filmCoC, suggestedCoC(currentSettings().FilmSizes[3]));
	EXPECT_EQ(currentSettings().FilmSizes[3].CoC, 0.07);
}

TEST_F(Lifecycle, DamagedSelectionAndUnitAreBroughtBackInRange)
{
	struct Row {
		std::uint8_t filmSize;
		int unit;
		std::uint8_t expectedFilm;
		LengthUnit expectedUnit;
	};
	for (const Row row : { Row{ 10, 5, 0, LengthUnit::Metres }, Row{ 254, -1, 0, LengthUnit::Metres },
			       Row{ 9, 4, 9, LengthUnit::Feet } }) {
		FakeStorage storage;
		storage.onRead = [&](CalcSettings &d, StartupPrefs &) {
			d.FilmSize = row.filmSize;
			d.LengthUnit = static_cast<LengthUnit>(row.unit);
		};
		loadSettingsAtStartup(&storage);
		EXPECT_EQ(currentSettings().FilmSize, row.expectedFilm) << int(row.filmSize);
		EXPECT_EQ(currentSettings().LengthUnit, row.expectedUnit) << row.unit;
		EXPECT_DOUBLE_EQ(currentSettings().filmCoC, suggestedCoC(selectedFilmFormat()));
	}
}

TEST_F(Lifecycle, SaveWritesDefaultsUnlessFieldsBecomeDefaults)
{
	for (const bool fieldsBecomeDefaults : { false, true }) {
		loadSettingsAtStartup(nullptr);
		startupPrefs().FieldsBecomeDefaults = fieldsBecomeDefaults;
		currentSettings().RoundOtherMethod = 3;
		currentSettings().FocalLength = 135.0;

		FakeStorage storage;
		saveSettingsAtExit(&storage);

		ASSERT_TRUE(storage.writtenSettings.has_value());
		EXPECT_EQ(storage.writtenSettings->RoundOtherMethod, fieldsBecomeDefaults ? 3 : 2);
		EXPECT_EQ(storage.writtenSettings->FocalLength, fieldsBecomeDefaults ? 135.0 : 50.0);
		EXPECT_EQ(*storage.writtenSettings, defaultSettings());
		EXPECT_EQ(storage.writtenPrefs->FieldsBecomeDefaults, fieldsBecomeDefaults);
	}
}

TEST_F(Lifecycle, WhatASaveLeavesIsWhatTheNextLoadStartsFrom)
{
	loadSettingsAtStartup(nullptr);
	startupPrefs().FieldsBecomeDefaults = true;
	currentSettings().Aperture = 5.6;
	currentSettings().FilmSize = 6;
	FakeStorage storage;
	saveSettingsAtExit(&storage);

	FakeStorage next;
	next.onRead = [&](CalcSettings &d, StartupPrefs &p) {
		d = *storage.writtenSettings;
		p = *storage.writtenPrefs;
	};
	loadSettingsAtStartup(&next);
	EXPECT_EQ(currentSettings().Aperture, 5.6);
	EXPECT_EQ(currentSettings().FilmSize, 6);
	EXPECT_DOUBLE_EQ(currentSettings().filmCoC, suggestedCoC(currentSettings().FilmSizes[6]));
	EXPECT_TRUE(startupPrefs().FieldsBecomeDefaults);
}

} // namespace
} // namespace mirel
