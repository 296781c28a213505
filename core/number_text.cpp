#include "core/number_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace mirel {

std::string formatFixed(double value, int decimals)
{
	// "%f" through to_chars: the same digits, but never the locale's decimal
	// comma that the toolkit may have switched the C library to.
	char buffer[330]; // any double in fixed notation with six decimals
	const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
						std::clamp(decimals, 0, 6));
	return error == std::errc() ? std::string(buffer, end) : std::string();
}

std::string formatExact(double value)
{
	char buffer[32]; // the longest shortest form of a double is 24 characters
	const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
	return error == std::errc() ? std::string(buffer, end) : std::string();
}

namespace {

bool isBlank(char c)
{
	return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c)
{
	return c >= '0' && c <= '9';
}

// Length of the run of digits at text[pos].
std::size_t digitsAt(std::string_view text, std::size_t pos)
{
	std::size_t n = 0;
	while (pos + n < text.size() && isDigit(text[pos + n]))
		++n;
	return n;
}

// The atof rule. With commaDecimal a comma right after the whole digits and
// before a digit is the decimal mark, as the point is.
double parseLeadingNumber(std::string_view text, bool commaDecimal)
{
	std::size_t pos = 0;
	while (pos < text.size() && isBlank(text[pos]))
		++pos;
	bool negative = false;
	if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
		negative = text[pos] == '-';
		++pos;
	}
	const std::size_t start = pos;
	const std::size_t whole = digitsAt(text, pos);
	pos += whole;
	std::size_t fraction = 0;
	std::size_t comma = std::string_view::npos;
	if (pos < text.size() && text[pos] == '.') {
		fraction = digitsAt(text, pos + 1);
		if (whole > 0 || fraction > 0)
			pos += 1 + fraction;
	} else if (commaDecimal && whole > 0 && pos < text.size() && text[pos] == ',' && digitsAt(text, pos + 1) > 0) {
		comma = pos - start;
		fraction = digitsAt(text, pos + 1);
		pos += 1 + fraction;
	}
	if (whole == 0 && fraction == 0)
		return 0.0;
	bool negativeExponent = false;
	if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
		std::size_t e = pos + 1;
		if (e < text.size() && (text[e] == '+' || text[e] == '-')) {
			negativeExponent = text[e] == '-';
			++e;
		}
		const std::size_t exponentDigits = digitsAt(text, e);
		if (exponentDigits > 0)
			pos = e + exponentDigits;
		else
			negativeExponent = false;
	}

	std::string number(text.substr(start, pos - start));
	if (comma != std::string_view::npos)
		number[comma] = '.';
	double value = 0.0;
	const char *end = number.data() + number.size();
	const auto [stop, error] = std::from_chars(number.data(), end, value, std::chars_format::general);
	if (error == std::errc::result_out_of_range)
		value = negativeExponent ? 0.0 : std::numeric_limits<double>::infinity();
	else if (error != std::errc() || stop != end)
		value = 0.0;
	return negative ? -value : value;
}

} // namespace

double parseStoredNumber(std::string_view text)
{
	return parseLeadingNumber(text, false);
}

double parseNumber(std::string_view text)
{
	return parseLeadingNumber(text, true);
}

namespace {

bool isBlankOfALine(char c)
{
	return c == ' ' || c == '\t';
}

} // namespace

std::string_view trimBlanksLeft(std::string_view text)
{
	while (!text.empty() && isBlankOfALine(text.front()))
		text.remove_prefix(1);
	return text;
}

std::string_view trimBlanksRight(std::string_view text)
{
	while (!text.empty() && isBlankOfALine(text.back()))
		text.remove_suffix(1);
	return text;
}

std::string_view trimBlanks(std::string_view text)
{
	return trimBlanksRight(trimBlanksLeft(text));
}

std::optional<double> readNumber(std::string_view text)
{
	std::string number(trimBlanks(text));
	// from_chars takes a minus but no plus sign.
	if (number.size() > 1 && number.front() == '+' && number[1] != '-')
		number.erase(0, 1);
	const std::size_t comma = number.find(',');
	if (comma != std::string::npos) {
		const bool betweenDigits = comma > 0 && isDigit(number[comma - 1]) && comma + 1 < number.size() &&
					   isDigit(number[comma + 1]);
		if (!betweenDigits || number.find('.') != std::string::npos)
			return std::nullopt;
		number[comma] = '.';
	}
	double value = 0.0;
	const char *end = number.data() + number.size();
	const auto [stop, error] = std::from_chars(number.data(), end, value, std::chars_format::general);
	if (error != std::errc() || stop != end || !std::isfinite(value))
		return std::nullopt;
	return value;
}

std::string trimTrailingZeros(std::string_view text)
{
	const std::size_t point = text.find('.');
	if (point == std::string_view::npos)
		return std::string(text);
	std::size_t keep = point + 1; // the point itself
	for (std::size_t i = point + 1; i < text.size(); ++i) {
		if (text[i] != '0')
			keep = i + 1;
	}
	// Every decimal a zero: keep the point and the character after it.
	if (keep == point + 1)
		keep = std::min(text.size(), point + 2);
	return std::string(text.substr(0, keep));
}

std::string formatTrimmed(double value)
{
	return trimTrailingZeros(formatFixed(value));
}

std::string formatPlain(double value)
{
	std::string text = formatTrimmed(value);
	if (text.ends_with(".0"))
		text.resize(text.size() - 2);
	return text;
}

double shownValue(double value)
{
	return parseNumber(formatFixed(value));
}

bool namesInfinity(std::string_view text)
{
	std::string word(trimBlanks(text));
	std::ranges::transform(word, word.begin(), [](unsigned char c) { return std::tolower(c); });
	return word == "inf" || word == "infinity";
}

std::string csvNumber(double value)
{
	return std::isnan(value) ? std::string() : formatExact(value);
}

} // namespace mirel
