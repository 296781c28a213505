#pragma once

#include <string>
#include <string_view>

namespace mirel {

// The C library's "%f": fixed notation with six decimals ("2.800000").
std::string formatFixed(double value);

// Number typed or stored as text, read as the C library's atof reads it but
// decimal only: leading blanks skipped, then the longest prefix of the form
// [sign] digits [. digits] [e [sign] digits]; 0.0 when there is none. So
// "inf", "nan" and "0x1A" all read as 0, "12mm" as 12. Independent of the
// process locale. Out-of-range values become +-HUGE_VAL or +-0 as with atof.
double parseNumber(std::string_view text);

} // namespace mirel
