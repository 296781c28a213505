#include "core/number_text.h"

#include <cstdio>

namespace mirel {

std::string formatFixed(double value)
{
	// Large enough for any finite double in "%f" (309 digits, sign, point, six decimals).
	char buffer[330];
	const int length = std::snprintf(buffer, sizeof buffer, "%f", value);
	return std::string(buffer, static_cast<std::size_t>(length > 0 ? length : 0));
}

} // namespace mirel
