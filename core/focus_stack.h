#pragma once

#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "core/sentence.h"
#include "core/units.h"

namespace mirel {

// Focus stacks: the exposures, each focused elsewhere, whose zones of
// acceptable sharpness together hold more depth than one exposure can.
// Lengths are millimetres.

// No plan has more shots: a range that would need more says so instead.
inline constexpr int kMaxStackShots = 100;

// The overlap of both kinds of stack is a fraction of one shot's depth, from
// 0 (the zones just meet) up to but not including 1; 0.2 is 20%.

// A landscape stack: the range from near to far (infinity for a range that
// reaches it) to hold sharp with a lens of focalLength at aperture, for a
// circle of confusion coc.
struct LandscapeStackRequest {
	double focalLength;
	double aperture;
	double coc;
	double near;
	double far;
	double overlap = 0.0;
};

// One exposure: where it is focused and the zone it keeps sharp, the limits
// of depthOfFieldLimits at that focus; far is infinity when the zone reaches
// it.
struct StackShot {
	double focus;
	double near;
	double far;
};

// The fewest shots whose zones cover the range, nearest first, solved from
// the formulas of depthOfFieldLimits. With H = f² / (N·c), the near limit
// near = H·s / (H + (s − f)), that is 1/near = 1/s + (s − f)/(H·s), gives
// for a wanted near limit r the focus
//   s = r·(H − f) / (H − r).
// The first shot's wanted near limit is the nearest distance; each next
// one's lies the overlap × the previous shot's depth before that shot's far
// limit:
//   r = far − overlap·(far − near),
// until a far limit reaches the farthest distance. Both limits grow with the
// focus, so each shot reaching as far as it may makes the fewest shots.
// The near limit never gets past H: from the focus H + f the far limit is at
// infinity and the near limit (H + f)/2. A shot whose r is there or beyond
// is focused at H + f, the nearest focus that reaches infinity, and is the
// last; its near limit lies before r (more overlap than asked, never a gap).
// A focus found is moved by the last bits rounding may have cost, so that
// depthOfFieldLimits puts its near limit at or before r, and the far limit
// of the focus H + f at infinity.
struct LandscapeStack {
	// Why there is no plan: the reason from landscapeStackUnusable, or that
	// it would need more than kMaxStackShots; empty when there is one.
	std::string_view unusable;
	std::vector<StackShot> shots; // empty when unusable
};

LandscapeStack planLandscapeStack(const LandscapeStackRequest &request);

// A macro stack along a focusing rail at magnification m (from a focal
// length f and focus distance s: magnification(s, f) of optics.h), the
// aperture set on the lens, its pupil magnification (exit over entrance
// pupil diameter, 1 for a symmetric lens), the circle of confusion and the
// depth of the subject to hold sharp.
struct MacroStackRequest {
	double magnification;
	double aperture;
	double coc;
	double subjectDepth;
	double pupilMagnification = 1.0;
	double overlap = 0.0;
};

// At magnification m the light passes as through the effective aperture
//   Ne = N·(1 + m/P),
// and one shot holds the depth d = 2·c·Ne / m². The rail moves d·(1 − overlap)
// between shots, and n shots hold (n − 1)·step + d: the fewest n for the
// subject's depth, 1 when d is enough. A depth short of a whole step by no
// more than a billionth of one takes no extra shot: that much is rounding.
struct MacroStack {
	std::string_view unusable; // as LandscapeStack's
	double effectiveAperture = std::numeric_limits<double>::quiet_NaN();
	double depthPerShot = std::numeric_limits<double>::quiet_NaN();
	double step = std::numeric_limits<double>::quiet_NaN();
	int shots = 0;
	// The Airy disk at the effective aperture, airyDiskDiameter(Ne).
	double diffractionBlur = std::numeric_limits<double>::quiet_NaN();
};

MacroStack planMacroStack(const MacroStackRequest &request);

// The number of shots as people read it: "One shot is enough", "7 shots".
Sentence shotCountSentence(int shots);
inline constexpr std::string_view kOneShotIsEnough = "One shot is enough";
inline constexpr std::string_view kShotsPattern = "%1 shots";
// Why there is no stack of at most kMaxStackShots.
inline constexpr std::string_view kTooManyShots = "the plan would need more than 100 shots";

// Each shot of a landscape stack as the planner shows its distances: in the
// display unit, rounded by the "Other to" rule ("1.70 m", "infinity").
struct StackShotTexts {
	std::string focus;
	std::string near;
	std::string far;
};

struct LandscapeStackTexts {
	std::string count; // shotCountSentence's text, "n/a" when there is no plan
	std::vector<StackShotTexts> shots;
	Sentence countSentence; // count, for a translation; none when there is no plan
};

LandscapeStackTexts landscapeStackTexts(const LandscapeStack &stack, LengthUnit unit, int roundOther);

// A macro stack's figures. Its lengths are fractions of a millimetre that
// metres rounded to two places would show as 0.00, so they are millimetres
// whatever the display unit, to the micrometre (three decimals) or to the
// places of the "Other to" rule when it keeps more: "1.536 mm". "n/a" for
// each, and no diffraction line, when there is no plan.
struct MacroStackTexts {
	std::string effectiveAperture; // "f/32", as apertureText
	std::string depthPerShot;      // "1.920 mm"
	std::string step;              // "1.536 mm"
	std::string count;             // "7 shots"
	std::string diffraction;       // diffractionText at the effective aperture
	// count and diffraction, for a translation; none when there is no plan.
	Sentence countSentence;
	Sentence diffractionSentence;
};

// Needs initStopMath.
MacroStackTexts macroStackTexts(const MacroStack &stack, double coc, int roundOther);

} // namespace mirel
