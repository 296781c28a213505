#pragma once

#include <span>
#include <string_view>

namespace mirel {

// Whether a calculator's inputs are good enough to compute anything. Each
// test returns why not: the first of its conditions that fails, in the
// order listed, as a phrase for the user ("focus distance is shorter than
// the focal length"); an empty text when every condition holds. Lengths are
// millimetres. Every test against 0 is strict, the distance test admits
// equality, and an input that is not a finite number never passes.

// Every reason the tests below can give, for a translation.
std::span<const std::string_view> unusableReasons();

// FocalLength > 0.
std::string_view angleOfViewUnusable(double focalLength);
// FocalLength > 0, FocusDistance >= FocalLength, Aperture > 0, CoC > 0.
std::string_view depthOfFieldUnusable(double focalLength, double focusDistance, double aperture, double coc);
// FocalLength > 0, Aperture > 0, CoC > 0.
std::string_view hyperfocalUnusable(double focalLength, double aperture, double coc);
// FocalLength > 0, FocusDistance >= FocalLength, FocusDistance > 0; also the
// magnification's test.
std::string_view fieldOfViewUnusable(double focalLength, double focusDistance);
// FocalLength > 0, SpotPercent > 0.
std::string_view spotMeterUnusable(double focalLength, double spotPercent);
// Aperture > 0, CoC > 0.
std::string_view diffractionUnusable(double aperture, double coc);
// FocalLength > 0, CoC > 0, Near > FocalLength, Far > Near; Far may be
// infinity.
std::string_view focusPlanUnusable(double focalLength, double coc, double near, double far);
// The focus plan's test, then Aperture > 0, Overlap >= 0, Overlap < 1.
std::string_view landscapeStackUnusable(double focalLength, double aperture, double coc, double near, double far,
					double overlap);
// Magnification > 0, Aperture > 0, PupilMagnification > 0, CoC > 0,
// SubjectDepth > 0, Overlap >= 0, Overlap < 1.
std::string_view macroStackUnusable(double magnification, double aperture, double pupilMagnification, double coc,
				    double subjectDepth, double overlap);

// The circle of confusion's rules (circle_of_confusion.h), each from the
// frame's width and height first.
// FrameWidth > 0, FrameHeight > 0.
std::string_view diagonalCoCUnusable(double frameWidth, double frameHeight);
// FrameWidth > 0, FrameHeight > 0, PrintWidth > 0, PrintHeight > 0,
// ViewingDistance > 0, EyeBlur > 0.
std::string_view printCoCUnusable(double frameWidth, double frameHeight, double printWidth, double printHeight,
				  double viewingDistance, double eyeBlur);
// FrameWidth > 0, Pixels > 0, PixelFactor > 0.
std::string_view pixelCoCUnusable(double frameWidth, double pixels, double pixelFactor);

} // namespace mirel
