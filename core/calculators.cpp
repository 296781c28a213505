#include "core/calculators.h"

#include <cmath>
#include <functional>
#include <initializer_list>
#include <limits>

#include "core/number_text.h"
#include "core/optics.h"
#include "core/stops.h"
#include "core/validity.h"

namespace mirel {

namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

Result unavailable()
{
	return { kNone, std::string(kNotAvailable) };
}

// value with the text of shown, its value in the display unit or rounded:
// "%f" and suffix, or trimmed; "n/a" when shown is not a finite number, so
// no result ever reads "inf" or "nan".
Result fixed(double value, double shown, std::string_view suffix)
{
	if (!std::isfinite(shown))
		return unavailable();
	return { value, formatFixed(shown).append(suffix) };
}

Result trimmed(double value, double shown, std::string_view suffix)
{
	if (!std::isfinite(shown))
		return unavailable();
	return { value, formatTrimmed(shown).append(suffix) };
}

// " m": the blank and the unit behind a length.
std::string lengthSuffix(LengthUnit unit)
{
	return " " + std::string(unitAbbreviation(unit));
}

// Why results computed from usable inputs still read "n/a", if any does.
std::string_view anyUnavailable(std::initializer_list<std::reference_wrapper<const Result>> results)
{
	for (const Result &result : results) {
		if (result.text == kNotAvailable)
			return kNoFiniteResult;
	}
	return {};
}

// An f-number of the f Numbers page, tested as the other inputs are.
std::string_view fNumberUnusable(double f, std::string_view notFinite, std::string_view notPositive)
{
	if (!std::isfinite(f))
		return notFinite;
	return f > 0.0 ? std::string_view() : notPositive;
}

} // namespace

std::string roundedLengthText(double mm, LengthUnit unit, int roundOther)
{
	if (std::isinf(mm))
		return std::string(kInfinityText);
	return formatRounded(fromMillimetres(mm, unit), roundOther) + lengthSuffix(unit);
}

StopsResult stopsResult(double f1, double f2, int roundStops)
{
	StopsResult r{ fNumberUnusable(f1, "f1 is not a finite number", "f1 is not greater than 0"), unavailable() };
	if (r.unusable.empty())
		r.unusable = fNumberUnusable(f2, "f2 is not a finite number", "f2 is not greater than 0");
	if (!r.unusable.empty())
		return r;
	const double stops = stopsBetween(f1, f2);
	if (std::isfinite(stops))
		r.stops = { stops, formatStopValue(stops, roundStops) };
	r.unusable = anyUnavailable({ r.stops });
	return r;
}

FNumberResult fNumberResult(double f1, double stops, int roundOther)
{
	FNumberResult r{ fNumberUnusable(f1, "f1 is not a finite number", "f1 is not greater than 0"), unavailable() };
	if (r.unusable.empty() && !std::isfinite(stops))
		r.unusable = "the stops are not a finite number";
	if (!r.unusable.empty())
		return r;
	const double f2 = addStops(f1, stops);
	// Tested before rounding: a tiny f-number rounded to 0.0 still shows.
	if (f2 > 0.0 && std::isfinite(f2)) {
		double shown = f2;
		roundDecimals(shown, roundOther);
		r.fNumber = trimmed(f2, shown, {});
	}
	r.unusable = anyUnavailable({ r.fNumber });
	return r;
}

DepthOfFieldResults depthOfFieldResults(double focalLength, double aperture, double coc, double focusDistance,
					LengthUnit unit)
{
	DepthOfFieldResults r{ depthOfFieldUnusable(focalLength, focusDistance, aperture, coc), unavailable(),
			       unavailable(), unavailable() };
	if (!r.unusable.empty())
		return r;
	const DepthOfFieldLimits limits = depthOfFieldLimits(focalLength, aperture, coc, focusDistance);
	const double near = fromMillimetres(limits.near, unit);
	const double far = fromMillimetres(limits.far, unit);
	const std::string suffix = lengthSuffix(unit);
	r.near = fixed(limits.near, near, suffix);
	if (reachesInfinity(limits.far)) {
		r.far = { kInfinity, "infinity" };
		r.total = { kInfinity, "infinite" };
	} else {
		r.far = fixed(limits.far, far, suffix);
		r.total = fixed(limits.far - limits.near, far - near, suffix);
	}
	r.unusable = anyUnavailable({ r.near, r.far, r.total });
	return r;
}

DepthOfFieldResults depthOfFieldAtInfinityResults(double focalLength, double aperture, double coc, LengthUnit unit)
{
	DepthOfFieldResults r{ hyperfocalUnusable(focalLength, aperture, coc), unavailable(), unavailable(),
			       unavailable() };
	if (!r.unusable.empty())
		return r;
	const double H = hyperfocalDistance(focalLength, aperture, coc);
	r.near = fixed(H, fromMillimetres(H, unit), lengthSuffix(unit));
	r.far = { kInfinity, "infinity" };
	r.total = { kInfinity, "infinite" };
	r.unusable = anyUnavailable({ r.near });
	return r;
}

HyperfocalResult hyperfocalResult(double focalLength, double aperture, double coc, LengthUnit unit, int roundOther)
{
	HyperfocalResult r{ hyperfocalUnusable(focalLength, aperture, coc), unavailable() };
	if (!r.unusable.empty())
		return r;
	const double distance = hyperfocalDistance(focalLength, aperture, coc);
	// Rounded in the unit shown: three decimals of metres, or of millimetres.
	double shown = fromMillimetres(distance, unit);
	roundDecimals(shown, roundOther);
	r.distance = trimmed(distance, shown, lengthSuffix(unit));
	r.unusable = anyUnavailable({ r.distance });
	return r;
}

FieldOfViewResults fieldOfViewResults(double focalLength, double focusDistance, double width, double height,
				      LengthUnit unit)
{
	FieldOfViewResults r{ fieldOfViewUnusable(focalLength, focusDistance), unavailable(), unavailable() };
	if (!r.unusable.empty())
		return r;
	const double m = magnification(focusDistance, focalLength);
	const std::string suffix = lengthSuffix(unit);
	r.horizontal = fixed(width / m, fromMillimetres(width / m, unit), suffix);
	r.vertical = fixed(height / m, fromMillimetres(height / m, unit), suffix);
	r.unusable = anyUnavailable({ r.horizontal, r.vertical });
	return r;
}

AngleOfViewResults angleOfViewResults(double focalLength, double width, double height, int roundOther)
{
	AngleOfViewResults r{ angleOfViewUnusable(focalLength), unavailable(), unavailable(), unavailable() };
	if (!r.unusable.empty())
		return r;
	const auto angle = [&](double dimension) {
		const double degrees = toDegrees(angleOfView(focalLength, dimension));
		double shown = degrees;
		roundDecimals(shown, roundOther);
		return trimmed(degrees, shown, kDegreeSign);
	};
	r.horizontal = angle(width);
	r.vertical = angle(height);
	r.diagonal = angle(frameDiagonal(width, height));
	r.unusable = anyUnavailable({ r.horizontal, r.vertical, r.diagonal });
	return r;
}

MagnificationResult magnificationResult(double focalLength, double focusDistance)
{
	MagnificationResult r{ fieldOfViewUnusable(focalLength, focusDistance), unavailable() };
	if (!r.unusable.empty())
		return r;
	const double m = magnification(focusDistance, focalLength);
	// A subject at the focal length itself is magnified without limit.
	r.magnification = m == kInfinity ? Result{ kInfinity, "infinity" } : fixed(m, m, {});
	r.unusable = anyUnavailable({ r.magnification });
	return r;
}

SpotMeterResult spotMeterResult(double focalLength, double spotPercent, double width, double height)
{
	SpotMeterResult r{ spotMeterUnusable(focalLength, spotPercent), unavailable() };
	if (!r.unusable.empty())
		return r;
	const double degrees = toDegrees(spotAngle(width * height, spotPercent, focalLength));
	r.angle = fixed(degrees, degrees, kDegreeSign);
	r.unusable = anyUnavailable({ r.angle });
	return r;
}

} // namespace mirel
