#include "core/sharpest_aperture.h"

#include <algorithm>
#include <cmath>

#include "core/calculators.h"
#include "core/number_text.h"
#include "core/optics.h"
#include "core/sentence.h"

namespace mirel {

namespace {

constexpr double kMicrometresPerMillimetre = 1000.0;

bool positive(double value)
{
	return std::isfinite(value) && value > 0.0;
}

} // namespace

double defocusBlur(double f, double N, double s, double x)
{
	if (std::isinf(x))
		return f * f / (N * (s - f));
	return f * f * std::abs(x - s) / (N * x * (s - f));
}

SharpestAperture sharpestAperture(double f, double coc, double near, double far, double s)
{
	if (!positive(f) || !positive(coc) || !(f < near && near < s && s < far))
		return {};
	const double K = std::max(defocusBlur(f, 1.0, s, near), defocusBlur(f, 1.0, s, far));
	const double k = airyDiskDiameter(1.0);
	const double blur = std::sqrt(2.0 * K * k);
	return { std::sqrt(K / k), blur, blur / coc };
}

SharpestApertureTexts sharpestApertureTexts(const SharpestAperture &sharpest)
{
	if (!std::isfinite(sharpest.fNumber) || !std::isfinite(sharpest.blurToCoC)) {
		const std::string none(kNotAvailable);
		return { none, none, none, none };
	}
	std::string ratio = formatFixed(sharpest.blurToCoC, 2);
	return { "f/" + formatFixed(sharpest.fNumber, 2), blurText(sharpest.blur),
		 fillPattern(kBlurToCoCPattern, { ratio }), ratio };
}

std::optional<double> blurInPixels(double blur, double frameWidth, double pixelsAcross)
{
	if (!positive(blur) || !positive(frameWidth) || !positive(pixelsAcross))
		return std::nullopt;
	const double pixels = blur / (frameWidth / pixelsAcross);
	return std::isfinite(pixels) ? std::optional(pixels) : std::nullopt;
}

std::string blurText(double blur)
{
	if (!std::isfinite(blur))
		return std::string(kNotAvailable);
	return formatFixed(blur * kMicrometresPerMillimetre, 1) + " \xB5m";
}

std::string blurPixelsText(double blur, double frameWidth, double pixelsAcross)
{
	const std::optional<double> pixels = blurInPixels(blur, frameWidth, pixelsAcross);
	return pixels ? formatFixed(*pixels, 1) + " pixels" : std::string(kNotAvailable);
}

} // namespace mirel
