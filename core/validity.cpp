#include "core/validity.h"

#include <cmath>
#include <initializer_list>
#include <vector>

namespace mirel {

namespace {

struct Condition {
	bool holds;
	std::string_view reason;
};

// An input that must be a finite number greater than 0: the two conditions
// and what to tell the user when each fails.
struct PositiveInput {
	std::string_view notFinite;
	std::string_view notPositive;

	Condition finite(double value) const { return { std::isfinite(value), notFinite }; }
	Condition positive(double value) const { return { value > 0.0, notPositive }; }
};

constexpr PositiveInput kFocalLength{ "focal length is not a finite number", "focal length is not greater than 0" };
constexpr PositiveInput kFocusDistance{ "focus distance is not a finite number",
					"focus distance is not greater than 0" };
constexpr PositiveInput kAperture{ "aperture is not a finite number", "aperture is not greater than 0" };
constexpr PositiveInput kCoC{ "circle of confusion is not a finite number",
			      "circle of confusion is not greater than 0" };
constexpr PositiveInput kSpotPercent{ "spot percentage is not a finite number",
				      "spot percentage is not greater than 0" };
constexpr PositiveInput kMagnification{ "magnification is not a finite number", "magnification is not greater than 0" };
constexpr PositiveInput kPupilMagnification{ "pupil magnification is not a finite number",
					     "pupil magnification is not greater than 0" };
constexpr PositiveInput kSubjectDepth{ "subject depth is not a finite number", "subject depth is not greater than 0" };
constexpr PositiveInput kFrameWidth{ "frame width is not a finite number", "frame width is not greater than 0" };
constexpr PositiveInput kFrameHeight{ "frame height is not a finite number", "frame height is not greater than 0" };
constexpr PositiveInput kPrintWidth{ "print width is not a finite number", "print width is not greater than 0" };
constexpr PositiveInput kPrintHeight{ "print height is not a finite number", "print height is not greater than 0" };
constexpr PositiveInput kViewingDistance{ "viewing distance is not a finite number",
					  "viewing distance is not greater than 0" };
constexpr PositiveInput kEyeBlur{ "eye blur is not a finite number", "eye blur is not greater than 0" };
constexpr PositiveInput kPixels{ "pixel count is not a finite number", "pixel count is not greater than 0" };
constexpr PositiveInput kPixelFactor{ "pixel factor is not a finite number", "pixel factor is not greater than 0" };
constexpr std::string_view kShorterThanFocal = "focus distance is shorter than the focal length";
constexpr std::string_view kNearNotFinite = "nearest distance is not a finite number";
constexpr std::string_view kNearNotBeyondFocal = "nearest distance is not greater than the focal length";
constexpr std::string_view kFarNotBeyondNear = "farthest distance is not greater than the nearest distance";
constexpr std::string_view kOverlapNotFinite = "overlap is not a finite number";
constexpr std::string_view kOverlapBelowZero = "overlap is less than 0";
constexpr std::string_view kOverlapWhole = "overlap is not less than 100%";

std::string_view firstFailure(std::initializer_list<Condition> conditions)
{
	for (const Condition &condition : conditions) {
		if (!condition.holds)
			return condition.reason;
	}
	return {};
}

// The first reason of several tests, each already worked out.
std::string_view firstReason(std::initializer_list<std::string_view> reasons)
{
	for (const std::string_view reason : reasons) {
		if (!reason.empty())
			return reason;
	}
	return {};
}

// A fraction of one shot's depth that the next shot repeats: 0 up to, but
// not including, the whole depth, where a stack would never advance.
std::string_view overlapUnusable(double overlap)
{
	return firstFailure({ { std::isfinite(overlap), kOverlapNotFinite },
			      { overlap >= 0.0, kOverlapBelowZero },
			      { overlap < 1.0, kOverlapWhole } });
}

} // namespace

std::span<const std::string_view> unusableReasons()
{
	static constexpr PositiveInput kInputs[] = {
		kFocalLength,        kFocusDistance, kAperture,   kCoC,         kSpotPercent, kMagnification,
		kPupilMagnification, kSubjectDepth,  kFrameWidth, kFrameHeight, kPrintWidth,  kPrintHeight,
		kViewingDistance,    kEyeBlur,       kPixels,     kPixelFactor
	};
	static const std::vector<std::string_view> reasons = [] {
		std::vector<std::string_view> all{ kShorterThanFocal, kNearNotFinite,    kNearNotBeyondFocal,
						   kFarNotBeyondNear, kOverlapNotFinite, kOverlapBelowZero,
						   kOverlapWhole };
		for (const PositiveInput &input : kInputs)
			all.insert(all.end(), { input.notFinite, input.notPositive });
		return all;
	}();
	return reasons;
}

std::string_view angleOfViewUnusable(double focalLength)
{
	return firstFailure({ kFocalLength.finite(focalLength), kFocalLength.positive(focalLength) });
}

std::string_view depthOfFieldUnusable(double focalLength, double focusDistance, double aperture, double coc)
{
	return firstFailure({ kFocalLength.finite(focalLength),
			      kFocalLength.positive(focalLength),
			      kFocusDistance.finite(focusDistance),
			      { focusDistance >= focalLength, kShorterThanFocal },
			      kAperture.finite(aperture),
			      kAperture.positive(aperture),
			      kCoC.finite(coc),
			      kCoC.positive(coc) });
}

std::string_view hyperfocalUnusable(double focalLength, double aperture, double coc)
{
	return firstFailure({ kFocalLength.finite(focalLength), kFocalLength.positive(focalLength),
			      kAperture.finite(aperture), kAperture.positive(aperture), kCoC.finite(coc),
			      kCoC.positive(coc) });
}

std::string_view fieldOfViewUnusable(double focalLength, double focusDistance)
{
	return firstFailure({ kFocalLength.finite(focalLength),
			      kFocalLength.positive(focalLength),
			      kFocusDistance.finite(focusDistance),
			      { focusDistance >= focalLength, kShorterThanFocal },
			      kFocusDistance.positive(focusDistance) });
}

std::string_view spotMeterUnusable(double focalLength, double spotPercent)
{
	return firstFailure({ kFocalLength.finite(focalLength), kFocalLength.positive(focalLength),
			      kSpotPercent.finite(spotPercent), kSpotPercent.positive(spotPercent) });
}

std::string_view diffractionUnusable(double aperture, double coc)
{
	return firstFailure(
		{ kAperture.finite(aperture), kAperture.positive(aperture), kCoC.finite(coc), kCoC.positive(coc) });
}

std::string_view focusPlanUnusable(double focalLength, double coc, double near, double far)
{
	// Each comparison is false for NaN, so no test lets one through.
	return firstFailure({ kFocalLength.finite(focalLength),
			      kFocalLength.positive(focalLength),
			      kCoC.finite(coc),
			      kCoC.positive(coc),
			      { std::isfinite(near), kNearNotFinite },
			      { near > focalLength, kNearNotBeyondFocal },
			      { far > near, kFarNotBeyondNear } });
}

std::string_view landscapeStackUnusable(double focalLength, double aperture, double coc, double near, double far,
					double overlap)
{
	return firstReason({ focusPlanUnusable(focalLength, coc, near, far),
			     firstFailure({ kAperture.finite(aperture), kAperture.positive(aperture) }),
			     overlapUnusable(overlap) });
}

std::string_view macroStackUnusable(double magnification, double aperture, double pupilMagnification, double coc,
				    double subjectDepth, double overlap)
{
	return firstReason(
		{ firstFailure({ kMagnification.finite(magnification), kMagnification.positive(magnification),
				 kAperture.finite(aperture), kAperture.positive(aperture),
				 kPupilMagnification.finite(pupilMagnification),
				 kPupilMagnification.positive(pupilMagnification), kCoC.finite(coc), kCoC.positive(coc),
				 kSubjectDepth.finite(subjectDepth), kSubjectDepth.positive(subjectDepth) }),
		  overlapUnusable(overlap) });
}

std::string_view diagonalCoCUnusable(double frameWidth, double frameHeight)
{
	return firstFailure({ kFrameWidth.finite(frameWidth), kFrameWidth.positive(frameWidth),
			      kFrameHeight.finite(frameHeight), kFrameHeight.positive(frameHeight) });
}

std::string_view printCoCUnusable(double frameWidth, double frameHeight, double printWidth, double printHeight,
				  double viewingDistance, double eyeBlur)
{
	return firstFailure({ kFrameWidth.finite(frameWidth), kFrameWidth.positive(frameWidth),
			      kFrameHeight.finite(frameHeight), kFrameHeight.positive(frameHeight),
			      kPrintWidth.finite(printWidth), kPrintWidth.positive(printWidth),
			      kPrintHeight.finite(printHeight), kPrintHeight.positive(printHeight),
			      kViewingDistance.finite(viewingDistance), kViewingDistance.positive(viewingDistance),
			      kEyeBlur.finite(eyeBlur), kEyeBlur.positive(eyeBlur) });
}

std::string_view pixelCoCUnusable(double frameWidth, double pixels, double pixelFactor)
{
	return firstFailure({ kFrameWidth.finite(frameWidth), kFrameWidth.positive(frameWidth), kPixels.finite(pixels),
			      kPixels.positive(pixels), kPixelFactor.finite(pixelFactor),
			      kPixelFactor.positive(pixelFactor) });
}

} // namespace mirel
