#pragma once

#include <string_view>

namespace mirel {

// Whether a calculator's inputs are good enough to compute anything. Each
// test returns why not: the first of its conditions that fails, in the
// order listed, as a phrase for the user ("focus distance is shorter than
// the focal length"); an empty text when every condition holds. Lengths are
// millimetres. Every test against 0 is strict, the distance test admits
// equality, and an input that is not a finite number never passes.

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

} // namespace mirel
