#pragma once

#include <string>
#include <string_view>

#include "core/units.h"

namespace mirel {

// What each calculator computes: from its inputs and the rules in use to
// every result's value and the exact text the page shows for it, so that
// the pages and the command line can never differ. Lengths given are
// millimetres; texts are Windows-1252.

// The text of a result whose inputs are unusable.
inline constexpr std::string_view kNotAvailable = "n/a";
// The text of a distance at infinity.
inline constexpr std::string_view kInfinityText = "infinity";
// Follows every angle.
inline constexpr std::string_view kDegreeSign = "\xB0";

// One result. value is millimetres for lengths, degrees for angles, stops,
// or a plain number (f-number, magnification), never rounded: NaN when
// there is none (the text "n/a"), +infinity for a limit at infinity.
struct Result {
	double value;
	std::string text;
};

// Every set of results says why it is unusable: the reason from validity.h,
// or that inputs which pass their test still give no finite number (an
// overflow, a film format without area); empty when every result has a value.
inline constexpr std::string_view kNoFiniteResult = "the inputs give no finite result";

// A length of mm in the display unit, rounded by the "Other to" rule (six
// decimals for none), as the planners show their distances ("3.00 m");
// "infinity" for an infinite one.
std::string roundedLengthText(double mm, LengthUnit unit, int roundOther);

// Stops from f1 to f2, as the stops rounding rule shows them ("2", "1-1/3",
// "2.000000").
struct StopsResult {
	std::string_view unusable;
	Result stops;
};
StopsResult stopsResult(double f1, double f2, int roundStops);

// The f-number stops away from f1, rounded by the other results' rule and
// trimmed ("5.7").
struct FNumberResult {
	std::string_view unusable;
	Result fNumber;
};
FNumberResult fNumberResult(double f1, double stops, int roundOther);

// Near and far limits and the depth between them in the display unit, with
// six decimals ("3.389371 m"); "infinity" and "infinite" when the zone of
// sharpness reaches infinity.
struct DepthOfFieldResults {
	std::string_view unusable;
	Result near, far, total;
};
DepthOfFieldResults depthOfFieldResults(double focalLength, double aperture, double coc, double focusDistance,
					LengthUnit unit);
// The same focused at infinity, which the command line can be asked for and
// the page cannot: the near limit is then the hyperfocal distance (the limit
// of H·s / (H + s − f) as s grows), the far limit and the depth infinite.
DepthOfFieldResults depthOfFieldAtInfinityResults(double focalLength, double aperture, double coc, LengthUnit unit);

// The hyperfocal distance in the display unit, rounded there and trimmed
// ("10.42 m").
struct HyperfocalResult {
	std::string_view unusable;
	Result distance;
};
HyperfocalResult hyperfocalResult(double focalLength, double aperture, double coc, LengthUnit unit, int roundOther);

// The subject area a frame of width × height covers at the focus distance,
// in the display unit with six decimals ("0.684000 m").
struct FieldOfViewResults {
	std::string_view unusable;
	Result horizontal, vertical;
};
FieldOfViewResults fieldOfViewResults(double focalLength, double focusDistance, double width, double height,
				      LengthUnit unit);

// The angles across a frame's width, height and diagonal, rounded and
// trimmed ("46.79°").
struct AngleOfViewResults {
	std::string_view unusable;
	Result horizontal, vertical, diagonal;
};
AngleOfViewResults angleOfViewResults(double focalLength, double width, double height, int roundOther);

// The subject magnification with six decimals ("0.052632"); "infinity" for a
// subject at the focal length itself.
struct MagnificationResult {
	std::string_view unusable;
	Result magnification;
};
MagnificationResult magnificationResult(double focalLength, double focusDistance);

// The angle a spot of spotPercent of the frame covers, with six decimals
// ("11.674016°").
struct SpotMeterResult {
	std::string_view unusable;
	Result angle;
};
SpotMeterResult spotMeterResult(double focalLength, double spotPercent, double width, double height);

} // namespace mirel
