#include "core/aperture_series.h"

#include <array>
#include <cassert>

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

} // namespace mirel
