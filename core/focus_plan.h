#pragma once

#include <array>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "core/aperture_series.h"
#include "core/sentence.h"
#include "core/sharpest_aperture.h"
#include "core/units.h"

namespace mirel {

// Working backwards from the scene: the range that must be sharp, taken
// with a lens of focalLength and a circle of confusion coc. Lengths are
// millimetres; far is infinity for a range that reaches it.
struct FocusRequest {
	double focalLength;
	double coc;
	double near;
	double far;
};

// An aperture of the series and the zone it keeps sharp when focused at the
// plan's distance, in mm; far is infinity when the zone reaches it.
struct StopZone {
	MarkedAperture aperture;
	double near;
	double far;
};

// The focus distance s and the smallest f-number N whose zone of acceptable
// sharpness is exactly the range asked for, solved from the formulas of
// depthOfFieldLimits rather than approximated. Since 1/near + 1/far = 2/s
// and 1/near − 1/far = 2(s − f)/(H·s):
//   s = 2 / (1/near + 1/far)   (2·near for far at infinity)
//   H = 2(s − f) / (s·(1/near − 1/far)),   N = f² / (c·H),
// each worked out in an order that stays within the doubles wherever the
// result does (2·near·far and f² overflow long before s and N).
// Any larger f-number at s holds the range with room to spare: the next
// whole and third stops of the aperture series at or above N are given with
// the zones they keep sharp, and the f-number at which diffraction and
// defocus together blur the range least (sharpestAperture at s).
struct FocusPlan {
	// Why no focus can hold the range ("nearest distance is not greater
	// than the focal length"), or that the plan for inputs of absurd
	// magnitude is beyond the doubles (kNoFinitePlan); empty when there is
	// a plan.
	std::string_view unusable;
	double focus = std::numeric_limits<double>::quiet_NaN();
	double fNumber = std::numeric_limits<double>::quiet_NaN();
	// None past f/64, the end of the series.
	std::optional<StopZone> wholeStop;
	std::optional<StopZone> thirdStop;
	SharpestAperture sharpest;
};

inline constexpr std::string_view kNoFinitePlan = "inputs give no finite plan";

// Needs initStopMath.
FocusPlan planFocus(const FocusRequest &request);

// The plan as people read it: lengths in the display unit, rounded by the
// "Other to" rule (six decimals for none); "n/a" for each when there is no
// plan.
struct FocusPlanTexts {
	std::string focus;     // "3.000000 m"
	std::string fNumber;   // "f/9.47"
	std::string wholeStop; // "f/11: 1.41 m to infinity", "beyond f/64"
	std::string thirdStop; // "f/10: 1.46 m to infinity"
	// For each stop suggested (the third stop first, the whole stop when it
	// is another one), or for N itself when none is, what diffraction does
	// there, one line each.
	std::string diffraction;
	SharpestApertureTexts sharpest;
	// The stops' texts and the diffraction lines as sentences, for a
	// translation; no pattern when there is no plan.
	Sentence wholeStopSentence;
	Sentence thirdStopSentence;
	std::vector<Sentence> diffractionSentences;
};

// The patterns of a stop's text.
inline constexpr std::string_view kStopZonePattern = "f/%1: %2 to %3";
inline constexpr std::string_view kStopZoneToInfinityPattern = "f/%1: %2 to infinity";
inline constexpr std::string_view kBeyondLastStopPattern = "beyond f/%1";
inline constexpr std::array kStopPatterns = { kStopZonePattern, kStopZoneToInfinityPattern, kBeyondLastStopPattern };

FocusPlanTexts focusPlanTexts(const FocusPlan &plan, double coc, LengthUnit unit, int roundOther);

} // namespace mirel
