#pragma once

#include <string>
#include <string_view>

namespace mirel {

// The aperture series of the aperture lists, f/1 to f/64, in thirds of a
// stop: thirds 0 is f/1, 3 is f/1.4, 18 is f/8 and 36 is f/64. Whole stops
// are the multiples of 3.
inline constexpr int kThirdsPerStop = 3;
inline constexpr int kLastThird = 36;

// An f-number of the series: the exact value, a power of the square root of
// 2 as the aperture lists pick it (f/8 is 8.000000000000004, f/5.6 is
// 5.656854...), and the figure lenses engrave for it ("5.6", "22", "6.3").
struct MarkedAperture {
	double fNumber;
	std::string_view marking;
};

// The aperture thirds of a stop above f/1, for thirds in 0..36. Needs
// initStopMath, as every stop function.
MarkedAperture apertureAtThird(int thirds);

// Only its marking; needs nothing.
std::string_view apertureMarking(int thirds);

// An f-number as photographers write it: the marking of an aperture of the
// series ("f/22" for 22.627..., as for a typed 22), otherwise the number to
// one decimal ("f/9.5"), or two below f/1 ("f/0.95"). Needs initStopMath.
std::string apertureText(double fNumber);

} // namespace mirel
