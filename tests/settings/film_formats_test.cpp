#include "settings/film_formats.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

namespace mirel {
namespace {

TEST(BuiltInFilmFormats, TableInOrderWithSuggestedCoC)
{
	struct Row {
		const char *name; // Windows-1252
		double width, height, coc;
	};
	const Row rows[kFilmFormatCount] = {
		{ "35mm", 36.0, 24.0, 0.02501 },          { "APS", 30.2, 16.7, 0.01995 },
		{ "6 \xD7 4.5", 60.0, 45.0, 0.04335 },    { "6 \xD7 6", 60.0, 60.0, 0.04905 },
		{ "6 \xD7 7", 60.0, 70.0, 0.05329 },      { "6 \xD7 9", 60.0, 90.0, 0.06252 },
		{ "4 \xD7 5", 101.6, 127.0, 0.09401 },    { "5 \xD7 7", 127.0, 177.8, 0.12630 },
		{ "8 \xD7 10", 203.2, 254.0, 0.18802 },   { "11 \xD7 14", 279.4, 355.6, 0.26141 },
	};
	const auto table = builtInFilmFormats();
	for (int i = 0; i < kFilmFormatCount; ++i) {
		const FilmFormat &format = table[static_cast<std::size_t>(i)];
		EXPECT_EQ(filmName(format), rows[i].name) << i;
		EXPECT_EQ(format.Width, rows[i].width) << i;
		EXPECT_EQ(format.Height, rows[i].height) << i;
		EXPECT_NEAR(format.CoC, rows[i].coc, 5e-6) << i;
	}
	// The sign between the dimensions is the single byte 0xD7 between blanks.
	EXPECT_EQ(std::string(filmName(table[2])), std::string("6 ") + char(0xD7) + " 4.5");
}

TEST(FilmName, KeepsAtMostFifteenCharacters)
{
	FilmFormat format;
	setFilmName(format, "Large format 8x10 inches");
	EXPECT_EQ(filmName(format), "Large format 8x");
	EXPECT_EQ(format.Name.back(), '\0');
	setFilmName(format, "");
	EXPECT_EQ(filmName(format), "");
	setFilmName(format, std::string_view("ab\0cd", 5));
	EXPECT_EQ(filmName(format), "ab");
}

TEST(BuiltInDefaults, FillDefaultsAndPrefsOnly)
{
	currentSettings() = CalcSettings{};
	currentSettings().filmCoC = 0.5;
	activePageIndex() = 4;
	defaultSettings().filmCoC = 0.25;

	builtInDefaults();

	const CalcSettings &d = defaultSettings();
	EXPECT_EQ(d.RoundStopsMethod, 0);
	EXPECT_EQ(d.RoundOtherMethod, 2);
	EXPECT_EQ(d.LengthUnit, LengthUnit::Metres);
	EXPECT_EQ(d.Aperture, 1.8);
	EXPECT_EQ(d.FocusDistance, 1000.0);
	EXPECT_EQ(d.FocalLength, 50.0);
	EXPECT_EQ(d.SpotPercent, 9.5);
	EXPECT_EQ(d.FilmSize, 0);
	EXPECT_EQ(d.FilmSizes, builtInFilmFormats());
	EXPECT_EQ(d.filmCoC, 0.25);
	EXPECT_EQ(startupPrefs(), (StartupPrefs{ true, -1, false }));
	EXPECT_EQ(static_cast<std::uint8_t>(startupPrefs().StartupForm), 255);
	EXPECT_EQ(currentSettings().filmCoC, 0.5);
	EXPECT_EQ(activePageIndex(), 4);
}

TEST(SelectFilmFormat, ReselectingChangesNothing)
{
	CalcSettings settings;
	settings.FilmSizes = builtInFilmFormats();
	settings.FilmSize = 3;
	settings.filmCoC = 0.1;
	EXPECT_FALSE(selectFilmFormat(settings, 3));
	EXPECT_EQ(settings.filmCoC, 0.1);
}

TEST(SelectFilmFormat, UsesTheSuggestionNotTheStoredCoC)
{
	CalcSettings settings;
	settings.FilmSizes = builtInFilmFormats();
	settings.FilmSizes[3].CoC = 0.2;
	settings.FilmSize = kNoFilmFormat;
	EXPECT_TRUE(selectFilmFormat(settings, 3));
	EXPECT_EQ(settings.FilmSize, 3);
	EXPECT_DOUBLE_EQ(settings.filmCoC, std::hypot(60.0, 60.0) / 1730.0);
}

TEST(SelectedFilm, GettersFollowCurrentSettings)
{
	currentSettings().FilmSizes = builtInFilmFormats();
	currentSettings().FilmSize = 9;
	EXPECT_EQ(selectedFilmWidth(), 279.4);
	EXPECT_EQ(selectedFilmHeight(), 355.6);
	EXPECT_DOUBLE_EQ(selectedFilmDiagonal(), std::sqrt(279.4 * 279.4 + 355.6 * 355.6));
	EXPECT_EQ(&selectedFilmFormat(), &currentSettings().FilmSizes[9]);
}

TEST(SelectedFilm, SelectionOutsideTheTableReadsFormatZero)
{
	currentSettings().FilmSizes = builtInFilmFormats();
	for (const int index : { 10, 200, 255 }) {
		currentSettings().FilmSize = static_cast<std::uint8_t>(index);
		EXPECT_EQ(&selectedFilmFormat(), &currentSettings().FilmSizes[0]) << index;
		EXPECT_EQ(selectedFilmWidth(), 36.0) << index;
		EXPECT_DOUBLE_EQ(selectedFilmDiagonal(), std::sqrt(1872.0)) << index;
	}
}

} // namespace
} // namespace mirel
