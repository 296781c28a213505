#pragma once

#include <cstdint>
#include <string_view>

namespace mirel {

// The unit in which lengths are shown and typed. Inside the program every
// length is millimetres; these values are also what the settings store keeps.
enum class LengthUnit : std::int32_t {
	Millimetres = 0,
	Centimetres = 1,
	Metres = 2,
	Inches = 3,
	Feet = 4,
};

inline constexpr int kLengthUnitCount = 5;

// value (in unit) to millimetres; 0.0 for a unit outside 0..4.
double toMillimetres(double value, LengthUnit unit);

// millimetres to unit. Multiplies by a stored reciprocal rather than dividing,
// so a round trip may differ from its input in the last bits. 0.0 for a unit
// outside 0..4.
double fromMillimetres(double mm, LengthUnit unit);

// "mm", "cm", "m", "in" or "ft"; empty for a unit outside 0..4.
std::string_view unitAbbreviation(LengthUnit unit);

} // namespace mirel
