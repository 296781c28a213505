#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/units.h"

namespace mirel {

// The subject distances of the depth of field table's columns, in mm.

// Twelve steps of the ladder 1, 1.5, 2, 3, 5, 7, 10, 15, ... in the display
// unit, from two steps below the one nearest the focus distance, each longer
// than the focal length: 0.5 to 30 m, or 1.5 to 100 ft, around 1 m. Around a
// distance fitting the lens when the focus distance is unusable.
std::vector<double> defaultDistances(double focusDistance, double focalLength, LengthUnit unit);

// A list the user typed: distances in the display unit separated by commas.
struct DistanceList {
	std::vector<double> millimetres; // ascending, each once; empty for none
	std::string problem;             // why the text is no list, UTF-8; empty when it is
};
inline constexpr int kMostDistances = 20;
DistanceList parseDistanceList(std::string_view text, LengthUnit unit);

// The list as the user would type it: "0.5, 0.7, 1, 1.5".
std::string distanceListText(const std::vector<double> &millimetres, LengthUnit unit);

} // namespace mirel
