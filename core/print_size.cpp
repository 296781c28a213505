#include "core/print_size.h"

#include <string>

#include "core/number_text.h"
#include "core/units.h"

namespace mirel {

namespace {

constexpr char kTimes = '\xD7'; // × in Windows-1252

// Lower case, without blanks, the multiplication sign as "x".
std::string comparable(std::string_view text)
{
	std::string out;
	for (const char c : text) {
		if (c == kTimes)
			out += 'x';
		else if (c >= 'A' && c <= 'Z')
			out += static_cast<char>(c - 'A' + 'a');
		else if (c != ' ' && c != '\t')
			out += c;
	}
	return out;
}

struct UnitName {
	std::string_view name;
	LengthUnit unit;
};

constexpr UnitName kUnits[] = { { "mm", LengthUnit::Millimetres },
				{ "cm", LengthUnit::Centimetres },
				{ "m", LengthUnit::Metres },
				{ "in", LengthUnit::Inches },
				{ "\"", LengthUnit::Inches } };

// A side: a number, and the unit after it if one is.
struct Side {
	double value;
	std::optional<LengthUnit> unit;
};

std::optional<Side> readSide(std::string_view text)
{
	for (const UnitName &unit : kUnits) {
		if (text.ends_with(unit.name)) {
			const std::optional<double> value = readNumber(text.substr(0, text.size() - unit.name.size()));
			return value ? std::optional<Side>({ *value, unit.unit }) : std::nullopt;
		}
	}
	const std::optional<double> value = readNumber(text);
	return value ? std::optional<Side>({ *value, std::nullopt }) : std::nullopt;
}

} // namespace

std::optional<PrintSize> readPrintSize(std::string_view text)
{
	const std::string typed = comparable(text);
	for (const PrintSize &size : kPrintSizes) {
		if (typed == comparable(size.name))
			return size;
	}
	const std::size_t times = typed.find('x');
	if (times == std::string::npos || typed.find('x', times + 1) != std::string::npos)
		return std::nullopt;
	const std::optional<Side> width = readSide(std::string_view(typed).substr(0, times));
	const std::optional<Side> height = readSide(std::string_view(typed).substr(times + 1));
	if (!width || !height)
		return std::nullopt;
	const LengthUnit heightUnit = height->unit.value_or(LengthUnit::Millimetres);
	return PrintSize{ {},
			  toMillimetres(width->value, width->unit.value_or(heightUnit)),
			  toMillimetres(height->value, heightUnit) };
}

} // namespace mirel
