#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "settings/model/built_in_defaults.h"
#include "settings/model/film_formats.h"
#include "settings/model/lifecycle.h"

namespace mirel {
namespace {

TEST(SelectFilmFormat, OnlyANewSelectionRecomputesTheCircleOfConfusion)
{
	CalcSettings settings;
	settings.FilmSizes = builtInFilmFormats();
	settings.FilmSize = 3;
	settings.filmCoC = 0.1;
	EXPECT_FALSE(selectFilmFormat(settings, 3));
	EXPECT_EQ(settings.filmCoC, 0.1);
	settings.FilmSizes[5].CoC = 0.2; // the stored value plays no part
	EXPECT_TRUE(selectFilmFormat(settings, 5));
	EXPECT_DOUBLE_EQ(settings.filmCoC, std::hypot(60.0, 90.0) / 1730.0);
}

TEST(SaveAtExit, FieldValuesBecomeDefaultsOnlyWhenAskedTo)
{
	struct : SettingsStorage {
		CalcSettings written;
		void readStored(CalcSettings &, StartupPrefs &, Remembered &) override {}
		void writeStored(const CalcSettings &defaults, const StartupPrefs &, const Remembered &) override
		{
			written = defaults;
		}
	} storage;
	for (const bool asked : { false, true }) {
		loadSettingsAtStartup(nullptr);
		startupPrefs().FieldsBecomeDefaults = asked;
		currentSettings().FocalLength = 135.0;
		saveSettingsAtExit(&storage);
		EXPECT_EQ(storage.written.FocalLength, asked ? 135.0 : builtInSettings().FocalLength);
	}
}

} // namespace
} // namespace mirel
