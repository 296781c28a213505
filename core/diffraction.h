#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/sentence.h"

namespace mirel {

// Whether diffraction alone blurs more than the circle of confusion c at
// f-number N: its Airy disk is the larger.
bool diffractionExceeds(double N, double c);

// What diffraction does at f-number N to a circle of confusion c, and the
// f-number up to which it stays within it:
// "Diffraction: f/22 blurs 0.030 mm, more than the 0.025 mm circle of
// confusion; sharpest depth up to about f/18.6", or "... f/8 blurs 0.011 mm,
// within the ...". Empty when N or c is not a number greater than 0, or is
// so large that a figure of the text would be past the largest double.
std::string diffractionText(double N, double c);
// The same as a sentence: its pattern and figures, for a translation.
Sentence diffractionSentence(double N, double c);

// The patterns diffractionSentence fills: blurring more than the circle,
// and within it.
inline constexpr std::string_view kDiffractionExceedsPattern =
	"Diffraction: %1 blurs %2 mm, more than the %3 mm circle of confusion; sharpest depth up to about f/%4";
inline constexpr std::string_view kDiffractionWithinPattern =
	"Diffraction: %1 blurs %2 mm, within the %3 mm circle of confusion; sharpest depth up to about f/%4";
inline constexpr std::array kDiffractionPatterns = { kDiffractionExceedsPattern, kDiffractionWithinPattern };

} // namespace mirel
