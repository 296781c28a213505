#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/calculators.h"

namespace mirel {

// The circle of confusion chosen for how the picture will be seen: by a
// fraction of the frame's diagonal, from a print and the distance it is seen
// from, or from the sensor's pixels. Lengths are millimetres; a frame is its
// width and height. Each rule gives its circle as the pages show a typed one
// ("0.02501 mm"), or "n/a" with the reason from validity.h.

struct CoCResult {
	std::string_view unusable;
	Result coc;
};

// The circle as the frame's diagonal over the rule's number. Classic is the
// rule the pages suggest for every format (suggestedCoC); 1500 and 1440 give
// the larger circles of other published tables (0.029 and 0.030 mm on
// 36 × 24 mm).
enum class DiagonalRule { Classic = 1730, Diagonal1500 = 1500, Diagonal1440 = 1440 };
inline constexpr std::array kDiagonalRules = { DiagonalRule::Classic, DiagonalRule::Diagonal1500,
					       DiagonalRule::Diagonal1440 };
CoCResult diagonalRuleCoC(double frameWidth, double frameHeight, DiagonalRule rule);

// A print's size by name; the name is Windows-1252 ("8 × 10 in").
struct PrintSize {
	std::string_view name;
	double width, height;
};
inline constexpr std::array<PrintSize, 4> kPrintSizes = { {
	{ "A4", 210.0, 297.0 },
	{ "A3", 297.0, 420.0 },
	{ "8 \xD7 10 in", 203.2, 254.0 },
	{ "30 \xD7 40 cm", 300.0, 400.0 },
} };

// The distance the eye's blur on a print is reckoned at: 25 cm, the nearest
// most eyes read comfortably.
inline constexpr double kReadingDistance = 250.0;
// The blur the eye accepts on a print seen from the reading distance.
inline constexpr double kEyeBlur = 0.2;

// How a print is seen: its size, the viewing distance (none: the print's
// diagonal, the distance a print is naturally looked at from), and the blur
// the eye accepts at the reading distance.
struct PrintViewing {
	double width = 0.0;
	double height = 0.0;
	std::optional<double> viewingDistance;
	double eyeBlur = kEyeBlur;
};

// The print's viewing distance: the one given, or the print's diagonal.
double viewingDistance(const PrintViewing &print);

// The blur the eye accepts at the viewing distance v, back on the frame:
// c = b × (v / 250 mm) / (print diagonal / frame diagonal).
CoCResult printCoC(double frameWidth, double frameHeight, const PrintViewing &print);

// How many pixels across the circle spans by default: two, as the finest
// detail a sensor resolves, a line and its gap, takes two pixels.
inline constexpr double kPixelFactor = 2.0;

// The circle from the sensor's horizontal pixel count: c = k × frame width /
// pixels.
CoCResult pixelCoC(double frameWidth, double pixels, double pixelFactor = kPixelFactor);

} // namespace mirel
