#include "core/focus_plan.h"

#include <cmath>

#include "core/calculators.h"
#include "core/diffraction.h"
#include "core/number_text.h"
#include "core/optics.h"
#include "core/stops.h"
#include "core/validity.h"

namespace mirel {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The first aperture of the series at or above N, in steps of step thirds
// from f/1. A hair below counts: N computed for a range that
// an aperture of the series holds exactly must find that aperture.
std::optional<MarkedAperture> stopAtOrAbove(double N, int step)
{
	for (int thirds = 0; thirds <= kLastThird; thirds += step) {
		const MarkedAperture aperture = apertureAtThird(thirds);
		if (aperture.fNumber >= N * (1.0 - 1e-9))
			return aperture;
	}
	return std::nullopt;
}

std::optional<StopZone> zoneAt(const FocusRequest &r, double s, std::optional<MarkedAperture> aperture)
{
	if (!aperture)
		return std::nullopt;
	const DepthOfFieldLimits limits = depthOfFieldLimits(r.focalLength, aperture->fNumber, r.coc, s);
	// Past the hyperfocal distance the far limit comes out negative, and at
	// it as a division by zero.
	const bool reachesInfinity = limits.far < 0.0 || std::isinf(limits.far);
	return StopZone{ *aperture, limits.near, reachesInfinity ? kInfinity : limits.far };
}

// Whether every figure of the plan is a number: inputs of absurd magnitude
// can take a figure past the largest double, or an f-number below the
// smallest.
bool isFinite(const FocusPlan &plan)
{
	const auto zoneIsFinite = [](const std::optional<StopZone> &zone) {
		return !zone || (std::isfinite(zone->near) && !std::isnan(zone->far));
	};
	return std::isfinite(plan.focus) && std::isfinite(plan.fNumber) && plan.fNumber > 0.0 &&
	       zoneIsFinite(plan.wholeStop) && zoneIsFinite(plan.thirdStop);
}

} // namespace

FocusPlan planFocus(const FocusRequest &request)
{
	FocusPlan plan;
	plan.unusable = focusPlanUnusable(request.focalLength, request.coc, request.near, request.far);
	if (!plan.unusable.empty())
		return plan;
	const double f = request.focalLength;
	const double near = request.near;
	const double far = request.far;
	// With r = near/far, between 0 and 1 (0 for far at infinity):
	// s = 2 / (1/near + 1/far) = near·2 / (1 + r), at least near and at most
	// far, and N = f² / (c·H) = (f/c)·(f/(s − f))·(1 − r)/(1 + r).
	const double r = near / far;
	const double s = near * (2.0 / (1.0 + r));
	plan.focus = s;
	plan.fNumber = f / request.coc * (f / (s - f)) * ((1.0 - r) / (1.0 + r));
	plan.wholeStop = zoneAt(request, s, stopAtOrAbove(plan.fNumber, kThirdsPerStop));
	plan.thirdStop = zoneAt(request, s, stopAtOrAbove(plan.fNumber, 1));
	if (!isFinite(plan)) {
		FocusPlan none;
		none.unusable = kNoFinitePlan;
		return none;
	}
	plan.sharpest = sharpestAperture(f, request.coc, near, far, s);
	return plan;
}

namespace {

Sentence stopSentence(const std::optional<StopZone> &zone, LengthUnit unit, int roundOther)
{
	if (!zone)
		return { kBeyondLastStopPattern, { std::string(apertureMarking(kLastThird)) } };
	const std::string marking(zone->aperture.marking), near = roundedLengthText(zone->near, unit, roundOther);
	if (std::isinf(zone->far))
		return { kStopZoneToInfinityPattern, { marking, near } };
	return { kStopZonePattern, { marking, near, roundedLengthText(zone->far, unit, roundOther) } };
}

} // namespace

FocusPlanTexts focusPlanTexts(const FocusPlan &plan, double coc, LengthUnit unit, int roundOther)
{
	if (!plan.unusable.empty()) {
		const std::string none(kNotAvailable);
		return { none, none, none, none, {}, sharpestApertureTexts({}), {}, {}, {} };
	}
	// f/64 is a whole stop: there is a whole stop wherever there is a third.
	std::vector<Sentence> lines{ diffractionSentence(
		plan.thirdStop ? plan.thirdStop->aperture.fNumber : plan.fNumber, coc) };
	if (plan.wholeStop && plan.wholeStop->aperture.fNumber != plan.thirdStop->aperture.fNumber)
		lines.push_back(diffractionSentence(plan.wholeStop->aperture.fNumber, coc));
	std::string diffraction;
	for (const Sentence &line : lines)
		diffraction += (&line == &lines.front() ? "" : "\n") + line.text();
	Sentence wholeStop = stopSentence(plan.wholeStop, unit, roundOther);
	Sentence thirdStop = stopSentence(plan.thirdStop, unit, roundOther);
	return { roundedLengthText(plan.focus, unit, roundOther),
		 "f/" + formatFixed(plan.fNumber, 2),
		 wholeStop.text(),
		 thirdStop.text(),
		 diffraction,
		 sharpestApertureTexts(plan.sharpest),
		 std::move(wholeStop),
		 std::move(thirdStop),
		 std::move(lines) };
}

} // namespace mirel
