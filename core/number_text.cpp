#include "core/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace mirel {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// isspace() of the "C" locale.
bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Whether a number from_chars found out of range is too large rather than
// too small: the position of its first significant digit relative to the
// decimal point, plus its exponent. Out of range means far beyond +-300, so
// the sign of the sum decides.
bool overflows(std::string_view number)
{
	long magnitude = 0;
	bool seenPoint = false;
	bool seenSignificant = false;
	std::size_t i = 0;
	for (; i < number.size() && (isDigit(number[i]) || number[i] == '.'); ++i) {
		const char c = number[i];
		if (c == '.') {
			seenPoint = true;
		} else if (!seenSignificant && c == '0') {
			if (seenPoint)
				--magnitude;
		} else {
			seenSignificant = true;
			if (!seenPoint)
				++magnitude;
		}
	}
	if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
		++i;
		const bool negative = i < number.size() && number[i] == '-';
		if (i < number.size() && (number[i] == '-' || number[i] == '+'))
			++i;
		long exponent = 0;
		for (; i < number.size() && isDigit(number[i]); ++i)
			exponent = std::min(exponent * 10 + (number[i] - '0'), 100000L);
		magnitude += negative ? -exponent : exponent;
	}
	return magnitude > 0;
}

} // namespace

std::string formatFixed(double value)
{
	// Large enough for any finite double in "%f" (309 digits, sign, point, six decimals).
	char buffer[330];
	const int length = std::snprintf(buffer, sizeof buffer, "%f", value);
	return std::string(buffer, static_cast<std::size_t>(length > 0 ? length : 0));
}

double parseNumber(std::string_view text)
{
	std::size_t i = 0;
	while (i < text.size() && isBlank(text[i]))
		++i;
	bool negative = false;
	if (i < text.size() && (text[i] == '+' || text[i] == '-'))
		negative = text[i++] == '-';
	const std::string_view number = text.substr(i);

	// from_chars would also take "inf", "nan" and their kin; only a digit, or
	// a point followed by a digit, starts a decimal number.
	const bool startsNumber = !number.empty() &&
				  (isDigit(number[0]) || (number[0] == '.' && number.size() > 1 && isDigit(number[1])));
	if (!startsNumber)
		return 0.0;

	double value = 0.0;
	const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
					    std::chars_format::general);
	if (result.ec == std::errc::result_out_of_range)
		value = overflows(number) ? HUGE_VAL : 0.0;
	return negative ? -value : value;
}

} // namespace mirel
