#include "core/circle_of_confusion.h"

#include <cmath>
#include <limits>
#include <string>

#include "core/number_text.h"
#include "core/optics.h"
#include "core/validity.h"

namespace mirel {

namespace {

CoCResult unavailable(std::string_view why)
{
	return { why, { std::numeric_limits<double>::quiet_NaN(), std::string(kNotAvailable) } };
}

// The circle c as the pages show a circle of confusion.
CoCResult circle(double c)
{
	if (!std::isfinite(c))
		return unavailable(kNoFiniteResult);
	return { {}, { c, formatTrimmed(c) + " mm" } };
}

} // namespace

CoCResult diagonalRuleCoC(double frameWidth, double frameHeight, DiagonalRule rule)
{
	const std::string_view unusable = diagonalCoCUnusable(frameWidth, frameHeight);
	if (!unusable.empty())
		return unavailable(unusable);
	// The classic rule is the pages' own to the last bit.
	if (rule == DiagonalRule::Classic)
		return circle(suggestedCoC(frameWidth, frameHeight));
	return circle(frameDiagonal(frameWidth, frameHeight) / static_cast<int>(rule));
}

double viewingDistance(const PrintViewing &print)
{
	return print.viewingDistance.value_or(frameDiagonal(print.width, print.height));
}

CoCResult printCoC(double frameWidth, double frameHeight, const PrintViewing &print)
{
	const double distance = viewingDistance(print);
	const std::string_view unusable =
		printCoCUnusable(frameWidth, frameHeight, print.width, print.height, distance, print.eyeBlur);
	if (!unusable.empty())
		return unavailable(unusable);
	const double enlargement = frameDiagonal(print.width, print.height) / frameDiagonal(frameWidth, frameHeight);
	return circle(print.eyeBlur * (distance / kReadingDistance) / enlargement);
}

CoCResult pixelCoC(double frameWidth, double pixels, double pixelFactor)
{
	const std::string_view unusable = pixelCoCUnusable(frameWidth, pixels, pixelFactor);
	if (!unusable.empty())
		return unavailable(unusable);
	return circle(pixelFactor * frameWidth / pixels);
}

} // namespace mirel
