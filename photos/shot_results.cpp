#include "photos/shot_results.h"

#include <cmath>
#include <limits>

#include "core/number_text.h"

namespace mirel {

namespace {

Result unavailable()
{
	return { std::numeric_limits<double>::quiet_NaN(), std::string(kNotAvailable) };
}

// The first figure of the shot the photo lacks, and why.
std::string missingFigure(const PhotoReading &reading)
{
	if (!reading.error.empty())
		return reading.error;
	if (!reading.frame.unusable.empty())
		return "no frame: " + reading.frame.unusable;
	const std::pair<std::string_view, const PhotoFigure *> figures[] = {
		{ kShotFigureNames[0], &reading.focalLength },
		{ kShotFigureNames[1], &reading.fNumber },
		{ kShotFigureNames[2], &reading.focusDistance },
	};
	for (const auto &[name, figure] : figures) {
		if (!figure->known())
			return std::string(name) + (figure->unusable.starts_with(kNotRecorded) ? " " : ": ") +
			       figure->unusable;
	}
	return {};
}

} // namespace

ShotResults shotResults(const PhotoReading &reading, LengthUnit unit, int roundOther)
{
	ShotResults r{ {}, { {}, unavailable() }, unavailable(), unavailable(), unavailable(), unavailable() };
	if (reading.error.empty() && reading.frame.unusable.empty())
		r.coc = diagonalRuleCoC(reading.frame.width, reading.frame.height, DiagonalRule::Classic);
	r.unusable = missingFigure(reading);
	if (r.unusable.empty())
		r.unusable = r.coc.unusable;
	if (!r.unusable.empty())
		return r;
	// The circle as the pages' field holds it once shown.
	const double coc = shownValue(r.coc.coc.value);
	const double f = reading.focalLength.value;
	const double N = reading.fNumber.value;
	const HyperfocalResult hyperfocal = hyperfocalResult(f, N, coc, unit, roundOther);
	const DepthOfFieldResults limits = std::isinf(reading.focusDistance.value)
						   ? depthOfFieldAtInfinityResults(f, N, coc, unit)
						   : depthOfFieldResults(f, N, coc, reading.focusDistance.value, unit);
	r.near = limits.near;
	r.far = limits.far;
	r.total = limits.total;
	r.hyperfocal = hyperfocal.distance;
	r.unusable = !limits.unusable.empty() ? limits.unusable : hyperfocal.unusable;
	return r;
}

} // namespace mirel
