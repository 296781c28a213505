#include "settings/model/built_in_defaults.h"

#include "settings/model/film_formats.h"

namespace mirel {

namespace {

struct BuiltInFormat {
	const char *name; // Windows-1252: "\xD7" is the multiplication sign
	double width;
	double height;
};

// clang-format off
constexpr BuiltInFormat kBuiltInFormats[kFilmFormatCount] = {
	{ "35mm", 36.0, 24.0 },
	{ "APS", 30.2, 16.7 },
	{ "6 \xD7 4.5", 60.0, 45.0 },
	{ "6 \xD7 6", 60.0, 60.0 },
	{ "6 \xD7 7", 60.0, 70.0 },
	{ "6 \xD7 9", 60.0, 90.0 },
	{ "4 \xD7 5", 101.6, 127.0 },
	{ "5 \xD7 7", 127.0, 177.8 },
	{ "8 \xD7 10", 203.2, 254.0 },
	{ "11 \xD7 14", 279.4, 355.6 },
};
// clang-format on

} // namespace

std::array<FilmFormat, kFilmFormatCount> builtInFilmFormats()
{
	std::array<FilmFormat, kFilmFormatCount> table{};
	for (int i = 0; i < kFilmFormatCount; ++i) {
		FilmFormat &format = table[static_cast<std::size_t>(i)];
		setFilmName(format, kBuiltInFormats[i].name);
		format.Width = kBuiltInFormats[i].width;
		format.Height = kBuiltInFormats[i].height;
		format.CoC = 0.0;
	}
	for (FilmFormat &format : table) {
		if (format.CoC == 0.0)
			format.CoC = suggestedCoC(format);
	}
	return table;
}

CalcSettings builtInSettings()
{
	CalcSettings settings;
	settings.RoundStopsMethod = 0;
	settings.RoundOtherMethod = 2;
	settings.LengthUnit = LengthUnit::Metres;
	settings.Aperture = 1.8;
	settings.FocusDistance = 1000.0;
	settings.FocalLength = 50.0;
	settings.SpotPercent = 9.5;
	settings.FilmSizes = builtInFilmFormats();
	settings.FilmSize = 0;
	return settings;
}

StartupPrefs builtInStartupPrefs()
{
	return { .StartWithLastForm = true, .StartupForm = -1, .FieldsBecomeDefaults = false };
}

void builtInDefaults()
{
	CalcSettings &defaults = defaultSettings();
	const double filmCoC = defaults.filmCoC;
	defaults = builtInSettings();
	defaults.filmCoC = filmCoC;
	startupPrefs() = builtInStartupPrefs();
}

} // namespace mirel
