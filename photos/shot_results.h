#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/calculators.h"
#include "core/circle_of_confusion.h"
#include "photos/photo_reading.h"

namespace mirel {

// The figures a shot's depth of field needs, named as its unusable says
// which one the photo lacks: "focus distance not recorded".
inline constexpr std::array<std::string_view, 3> kShotFigureNames = { "focal length", "f-number", "focus distance" };

// The depth of field of the shot a photo was taken with: the circle of
// confusion by the pages' rule for its frame (the classic one, its diagonal
// / 1730, as the pages' circle field holds it), then near and far limits,
// total depth and hyperfocal distance as the pages work them out and show
// them, in the unit and rounding given. A focus distance at infinity gives
// near the hyperfocal distance and far infinity.
struct ShotResults {
	// Why the results read "n/a", if they do: the figure the photo lacks
	// and why ("focus distance not recorded"), or the calculators' reason.
	std::string unusable;
	CoCResult coc;
	Result near, far, total, hyperfocal;
};
ShotResults shotResults(const PhotoReading &reading, LengthUnit unit, int roundOther);

} // namespace mirel
