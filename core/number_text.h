#pragma once

#include <string>

namespace mirel {

// The C library's "%f": fixed notation with six decimals ("2.800000").
std::string formatFixed(double value);

} // namespace mirel
