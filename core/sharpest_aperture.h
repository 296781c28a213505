#pragma once

#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace mirel {

// How sharp a range can be made when defocus and diffraction both blur it.
// Lengths are millimetres.

// The blur circle on the film of a point at distance x when a lens of focal
// length f at f-number N is focused at s:
//   f²·|x − s| / (N·x·(s − f)),   f² / (N·(s − f)) for x at infinity.
// It is the circle of confusion c exactly at the limits of
// depthOfFieldLimits for c.
double defocusBlur(double f, double N, double s, double x);

// The f-number at which the range from near to far (infinity allowed),
// focused at s, is sharpest. Defocus blurs each end by K/N, with
// K = defocusBlur(f, 1, s, end), and diffraction by its Airy disk k·N, with
// k = airyDiskDiameter(1). Combined as the root of the sum of their squares,
// the blur at the end with the larger K is the larger at every N:
//   b(N) = sqrt((K/N)² + (k·N)²).
// Its square K²/N² + k²·N² has the derivative −2K²/N³ + 2k²·N, zero at
//   N = sqrt(K / k),   where b = sqrt(2·K·k).
// At the focus of a focus plan both ends share one K.
struct SharpestAperture {
	double fNumber = std::numeric_limits<double>::quiet_NaN();
	double blur = std::numeric_limits<double>::quiet_NaN(); // b at that f-number
	double blurToCoC = std::numeric_limits<double>::quiet_NaN();
};

// For inputs a focus plan accepts (focusPlanUnusable), with f < near < s and
// s < far; NaN in each figure otherwise.
SharpestAperture sharpestAperture(double f, double coc, double near, double far, double s);

// The figures as the planner shows them: "f/12.01", "22.8 µm" (as
// blurText), "1.40 × the circle of confusion" (Windows-1252); "n/a" for
// each when there are none.
struct SharpestApertureTexts {
	std::string fNumber;
	std::string blur;
	std::string blurToCoC;
	std::string ratio; // blurToCoC's figure: "1.40"
};

// The pattern of blurToCoC.
inline constexpr std::string_view kBlurToCoCPattern = "%1 \xD7 the circle of confusion";

SharpestApertureTexts sharpestApertureTexts(const SharpestAperture &sharpest);

// A blur in pixels of a sensor frameWidth wide with pixelsAcross pixels over
// that width, their pitch being frameWidth / pixelsAcross; nothing unless
// all three are finite numbers greater than 0.
std::optional<double> blurInPixels(double blur, double frameWidth, double pixelsAcross);

// A blur as photographers compare it with pixels, in micrometres to one
// decimal: "22.8 µm" (Windows-1252); "n/a" for one that is not a finite
// number.
std::string blurText(double blur);

// "5.8 pixels"; "n/a" where blurInPixels gives nothing.
std::string blurPixelsText(double blur, double frameWidth, double pixelsAcross);

} // namespace mirel
