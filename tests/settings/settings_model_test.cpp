#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "settings/film_formats.h"
#include "settings/input_validity.h"
#include "settings/lifecycle.h"

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

TEST(InputValidity, ANumberThatIsNotFiniteIsUnusable)
{
	constexpr double kInfinity = std::numeric_limits<double>::infinity();
	bool (*const tests[])() = { angleOfViewInputsValid, depthOfFieldInputsValid,  hyperfocalInputsValid,
				    fieldOfViewInputsValid, magnificationInputsValid, spotMeterInputsValid };
	const std::pair<double CalcSettings::*, const char *> rows[] = {
		// the field, and which tests read it
		{ &CalcSettings::FocalLength, "111111" }, { &CalcSettings::FocusDistance, "010110" },
		{ &CalcSettings::Aperture, "011000" },    { &CalcSettings::filmCoC, "011000" },
		{ &CalcSettings::SpotPercent, "000001" },
	};
	for (const auto &[field, readBy] : rows) {
		for (const double value : { kInfinity, -kInfinity, std::numeric_limits<double>::quiet_NaN() }) {
			loadSettingsAtStartup(nullptr); // every test passes on the built-in values
			currentSettings().*field = value;
			for (std::size_t i = 0; i < std::size(tests); ++i)
				EXPECT_EQ(tests[i](), readBy[i] == '0') << readBy << " " << value << " test " << i;
		}
	}
}

TEST(SaveAtExit, FieldValuesBecomeDefaultsOnlyWhenAskedTo)
{
	struct : SettingsStorage {
		CalcSettings written;
		void readStored(CalcSettings &, StartupPrefs &) override {}
		void writeStored(const CalcSettings &defaults, const StartupPrefs &) override { written = defaults; }
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
