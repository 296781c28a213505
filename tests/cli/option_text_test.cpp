#include "cli/option_text.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "settings/model/built_in_defaults.h"

namespace mirel::cli {
namespace {

// The message of the UsageError read throws, "" when it throws none.
template <typename Read>
std::string refusal(Read read)
{
	try {
		read();
	} catch (const UsageError &error) {
		return error.what();
	}
	return "";
}

TEST(OptionText, LengthsTakeAUnitOrTheBareUnit)
{
	struct Row {
		const char *text;
		LengthUnit bare;
		double value;
		LengthUnit unit;
	};
	using U = LengthUnit;
	for (const Row row : {
		     Row{ "300mm", U::Metres, 300, U::Millimetres },
		     Row{ "30cm", U::Metres, 30, U::Centimetres },
		     Row{ "5m", U::Feet, 5, U::Metres },
		     Row{ "16.4ft", U::Metres, 16.4, U::Feet },
		     Row{ "197in", U::Metres, 197, U::Inches },
		     Row{ " 5\tM ", U::Feet, 5, U::Metres },
		     Row{ "5", U::Metres, 5, U::Metres },
		     Row{ "5", U::Feet, 5, U::Feet },
		     Row{ "1e3mm", U::Metres, 1000, U::Millimetres },
		     Row{ "+.5m", U::Feet, 0.5, U::Metres },
		     Row{ "-2cm", U::Metres, -2, U::Centimetres },
		     Row{ "5,5m", U::Feet, 5.5, U::Metres },
		     Row{ "6'", U::Metres, 6, U::Feet },
		     Row{ "6\"", U::Metres, 6, U::Inches },
		     // Feet and inches: 6 ft 6 in is 78 in.
		     Row{ "6ft6in", U::Metres, 78, U::Inches },
		     Row{ "6ft 6in", U::Metres, 78, U::Inches },
		     Row{ " 6 FT 6 IN ", U::Metres, 78, U::Inches },
		     Row{ "6'6\"", U::Metres, 78, U::Inches },
		     Row{ "6' 6.5\"", U::Metres, 78.5, U::Inches },
		     Row{ "-6ft6in", U::Metres, -78, U::Inches },
		     Row{ "0ft6in", U::Metres, 6, U::Inches },
	     }) {
		EXPECT_DOUBLE_EQ(readLength("--distance", row.text, row.bare), toMillimetres(row.value, row.unit))
			<< row.text;
	}
	for (const char *bad :
	     { "5q",     "",    "m",       "5 m m", "5km",    "1e999m",  "inf",       "nan",    "0x10",
	       "5,5.5m", "++5", "5e",      "6ft6",  "6in6ft", "6ft-6in", "6ft+6in",   "6ft6ft", "6ft6m",
	       "ft6in",  "6''", "6ft6in6", "6'6'",  "6\"6'",  "1e308m",  "1e308ft1in" })
		EXPECT_THROW(readLength("--distance", bad, U::Metres), UsageError) << bad;
	EXPECT_EQ(refusal([] { readLength("--far", "10q", U::Metres); }),
		  "--far: '10q' is not a length; use a number with mm, cm, m, in or ft (or 6ft6in)");
}

TEST(OptionText, DistancesMayBeInfinite)
{
	for (const char *text : { "inf", "INF", " Infinity " })
		EXPECT_EQ(readDistance("--far", text, LengthUnit::Metres), INFINITY) << text;
	EXPECT_DOUBLE_EQ(readDistance("--far", "6ft6in", LengthUnit::Metres), 1981.2);
	for (const char *bad : { "-inf", "infinite", "inf m", "1e999", "nan" })
		EXPECT_THROW(readDistance("--far", bad, LengthUnit::Metres), UsageError) << bad;
}

TEST(OptionText, AperturesStopsAndPercentages)
{
	for (const char *text : { "8", "f/8", "f8", "F8", "F/8", " f/8.0 " })
		EXPECT_EQ(readAperture("--aperture", text), 8.0) << text;
	for (const char *bad : { "f", "f/", "g8", "8f", "f//8", "1/8" })
		EXPECT_THROW(readAperture("--aperture", bad), UsageError) << bad;
	EXPECT_EQ(refusal([] { readAperture("--aperture", "g8"); }),
		  "--aperture: 'g8' is not an f-number; use a number such as 8, f/8 or f8");
	EXPECT_EQ(readStops("STOPS", "-1.5"), -1.5);
	EXPECT_THROW(readStops("STOPS", "1-1/3"), UsageError);
	EXPECT_EQ(readPercent("--percent", "9.5%"), 9.5);
	EXPECT_EQ(refusal([] { readPercent("--percent", "%"); }),
		  "--percent: '%' is not a percentage; use a number such as 9.5");
}

TEST(OptionText, FilmFormatsByIndexAndByEitherSpellingOfTheirNames)
{
	const auto table = builtInFilmFormats();
	struct Row {
		const char *text;
		int index;
	};
	for (const Row row : { Row{ "0", 0 }, Row{ "9", 9 }, Row{ "35mm", 0 }, Row{ "35 MM", 0 }, Row{ "aps", 1 },
			       Row{ "6 \u00D7 7", 4 }, Row{ "6x7", 4 }, Row{ "6 X 7", 4 }, Row{ "6\u00D74.5", 2 },
			       Row{ "11x14", 9 } }) {
		EXPECT_EQ(readFilmFormat("--format", row.text, table), row.index) << row.text;
	}
	for (const char *bad : { "10", "-1", "", "6x8", "6 \xD7 7", "35" })
		EXPECT_THROW(readFilmFormat("--format", bad, table), UsageError) << bad;
	EXPECT_EQ(
		refusal([&] { readFilmFormat("--format", "6x8", table); }),
		"--format: '6x8' is not a film format; use an index from 0 to 9 or a name that 'mirel-calc formats' lists");
}

} // namespace
} // namespace mirel::cli
