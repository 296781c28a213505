#include "core/focus_stack.h"

#include <algorithm>
#include <cmath>

#include "core/aperture_series.h"
#include "core/calculators.h"
#include "core/diffraction.h"
#include "core/optics.h"
#include "core/stops.h"
#include "core/validity.h"

namespace mirel {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

static_assert(kMaxStackShots == 100, "kTooManyShots names the cap");

// Representable distances a focus may be moved by to undo rounding: it is
// off by a few at most.
constexpr int kRoundingSteps = 64;

StackShot shotAt(const LandscapeStackRequest &r, double focus)
{
	const DepthOfFieldLimits limits = depthOfFieldLimits(r.focalLength, r.aperture, r.coc, focus);
	return { focus, limits.near, reachesInfinity(limits.far) ? kInfinity : limits.far };
}

// The shot whose near limit is nearLimit, for one nearer than the near limit
// of the shot at H + f, so that H > nearLimit.
StackShot shotWithNearLimit(const LandscapeStackRequest &r, double H, double nearLimit)
{
	StackShot shot = shotAt(r, nearLimit * (H - r.focalLength) / (H - nearLimit));
	for (int i = 0; i < kRoundingSteps && shot.near > nearLimit; ++i)
		shot = shotAt(r, std::nextafter(shot.focus, 0.0));
	return shot;
}

// The nearest focus whose zone reaches infinity: H + f, or the distance just
// past it where rounding leaves s − f short of H.
StackShot hyperfocalShot(const LandscapeStackRequest &r, double H)
{
	StackShot shot = shotAt(r, H + r.focalLength);
	for (int i = 0; i < kRoundingSteps && !std::isinf(shot.far); ++i)
		shot = shotAt(r, std::nextafter(shot.focus, kInfinity));
	return shot;
}

// Millimetres to the micrometre, or to the rule's places when it keeps more.
std::string millimetreText(double mm, int roundOther)
{
	const int rule = roundOther == RoundOther1 || roundOther == RoundOther2 ? RoundOther3 : roundOther;
	return formatRounded(mm, rule) + " mm";
}

} // namespace

LandscapeStack planLandscapeStack(const LandscapeStackRequest &request)
{
	const LandscapeStackRequest &r = request;
	const std::string_view unusable =
		landscapeStackUnusable(r.focalLength, r.aperture, r.coc, r.near, r.far, r.overlap);
	if (!unusable.empty())
		return { unusable, {} };
	const double H = hyperfocalDistance(r.focalLength, r.aperture, r.coc);
	if (!std::isfinite(H) || H <= 0.0)
		return { kNoFiniteResult, {} };
	const StackShot last = hyperfocalShot(r, H);
	LandscapeStack stack;
	double nearLimit = r.near;
	while (stack.shots.size() < static_cast<std::size_t>(kMaxStackShots)) {
		const StackShot shot = nearLimit >= last.near ? last : shotWithNearLimit(r, H, nearLimit);
		if (!std::isfinite(shot.focus) || !std::isfinite(shot.near))
			return { kNoFiniteResult, {} };
		stack.shots.push_back(shot);
		if (shot.far >= r.far)
			return stack;
		nearLimit = shot.far - r.overlap * (shot.far - shot.near);
	}
	return { kTooManyShots, {} };
}

MacroStack planMacroStack(const MacroStackRequest &request)
{
	const MacroStackRequest &r = request;
	MacroStack stack;
	stack.unusable =
		macroStackUnusable(r.magnification, r.aperture, r.pupilMagnification, r.coc, r.subjectDepth, r.overlap);
	if (!stack.unusable.empty())
		return stack;
	const double m = r.magnification;
	const double effectiveAperture = r.aperture * (1.0 + m / r.pupilMagnification);
	const double depth = 2.0 * r.coc * effectiveAperture / (m * m);
	if (!std::isfinite(effectiveAperture) || !std::isfinite(depth) || depth <= 0.0) {
		stack.unusable = kNoFiniteResult;
		return stack;
	}
	const double step = depth * (1.0 - r.overlap);
	// The steps after the first shot; infinite for a step too small to hold.
	const double steps = std::max(0.0, std::ceil((r.subjectDepth - depth) / step - 1e-9));
	if (steps >= kMaxStackShots) {
		stack.unusable = kTooManyShots;
		return stack;
	}
	stack.effectiveAperture = effectiveAperture;
	stack.depthPerShot = depth;
	stack.step = step;
	stack.shots = 1 + static_cast<int>(steps);
	stack.diffractionBlur = airyDiskDiameter(effectiveAperture);
	return stack;
}

Sentence shotCountSentence(int shots)
{
	if (shots == 1)
		return { kOneShotIsEnough, {} };
	return { kShotsPattern, { std::to_string(shots) } };
}

LandscapeStackTexts landscapeStackTexts(const LandscapeStack &stack, LengthUnit unit, int roundOther)
{
	if (!stack.unusable.empty())
		return { std::string(kNotAvailable), {}, {} };
	const Sentence count = shotCountSentence(static_cast<int>(stack.shots.size()));
	LandscapeStackTexts texts{ count.text(), {}, count };
	for (const StackShot &shot : stack.shots)
		texts.shots.push_back({ roundedLengthText(shot.focus, unit, roundOther),
					roundedLengthText(shot.near, unit, roundOther),
					roundedLengthText(shot.far, unit, roundOther) });
	return texts;
}

MacroStackTexts macroStackTexts(const MacroStack &stack, double coc, int roundOther)
{
	if (!stack.unusable.empty()) {
		const std::string none(kNotAvailable);
		return { none, none, none, none, {}, {}, {} };
	}
	Sentence count = shotCountSentence(stack.shots);
	Sentence diffraction = diffractionSentence(stack.effectiveAperture, coc);
	return { apertureText(stack.effectiveAperture),
		 millimetreText(stack.depthPerShot, roundOther),
		 millimetreText(stack.step, roundOther),
		 count.text(),
		 diffraction.text(),
		 std::move(count),
		 std::move(diffraction) };
}

} // namespace mirel
