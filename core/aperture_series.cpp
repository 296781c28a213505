#include "core/aperture_series.h"

#include <array>
#include <cassert>
#include <cmath>

#include "core/number_text.h"
#include "core/stops.h"

namespace mirel {

namespace {

// Engraved on lenses and shown by cameras: a whole stop and its two thirds a
// line.
// clang-format off
constexpr std::array<std::string_view, kLastThird + 1> kMarkings = {
	"1",   "1.1", "1.2",
	"1.4", "1.6", "1.8",
	"2",   "2.2", "2.5",
	"2.8", "3.2", "3.5",
	"4",   "4.5", "5",
	"5.6", "6.3", "7.1",
	"8",   "9",   "10",
	"11",  "13",  "14",
	"16",  "18",  "20",
	"22",  "25",  "29",
	"32",  "36",  "40",
	"45",  "51",  "57",
	"64",
};
// clang-format on

} // namespace

MarkedAperture apertureAtThird(int thirds)
{
	return { addStops(1.0, static_cast<double>(thirds) / kThirdsPerStop), apertureMarking(thirds) };
}

std::string_view apertureMarking(int thirds)
{
	assert(thirds >= 0 && thirds <= kLastThird);
	return kMarkings[static_cast<std::size_t>(thirds)];
}

std::string apertureText(double fNumber)
{
	for (int thirds = 0; thirds <= kLastThird; ++thirds) {
		// An aperture picked from a list is the exact value; one typed is
		// the figure engraved for it.
		const MarkedAperture series = apertureAtThird(thirds);
		if (std::abs(fNumber / series.fNumber - 1.0) < 1e-9 || fNumber == parseNumber(series.marking))
			return "f/" + std::string(series.marking);
	}
	std::string text = trimTrailingZeros(formatFixed(fNumber, fNumber < 1.0 ? 2 : 1));
	if (text.ends_with(".0"))
		text.resize(text.size() - 2);
	return "f/" + text;
}

} // namespace mirel
