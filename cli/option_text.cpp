#include "cli/option_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "core/cp1252.h"
#include "core/number_text.h"
#include "core/print_size.h"
#include "core/stops.h"

namespace mirel::cli {

namespace {

bool isBlank(char c)
{
	return c == ' ' || c == '\t';
}

bool isLetter(char c)
{
	return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char lower(char c)
{
	return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowered(std::string_view text)
{
	std::string out(text);
	for (char &c : out)
		c = lower(c);
	return out;
}

[[noreturn]] void refuse(std::string_view option, std::string_view text, std::string_view what)
{
	throw UsageError(std::string(option) + ": '" + std::string(text) + "' " + std::string(what));
}

struct UnitName {
	std::string_view name;
	LengthUnit unit;
};

constexpr UnitName kUnitNames[] = {
	{ "mm", LengthUnit::Millimetres }, { "cm", LengthUnit::Centimetres }, { "m", LengthUnit::Metres },
	{ "in", LengthUnit::Inches },      { "ft", LengthUnit::Feet },        { "\"", LengthUnit::Inches },
	{ "'", LengthUnit::Feet },
};

std::optional<LengthUnit> unitNamed(std::string_view name)
{
	for (const UnitName &unit : kUnitNames) {
		if (lowered(name) == unit.name)
			return unit.unit;
	}
	return std::nullopt;
}

// A film format's name as compared: lower case, no blanks, and "x" for the
// multiplication sign, which users type as either.
std::string comparable(std::string_view utf8)
{
	constexpr std::string_view kTimes = "\xC3\x97"; // U+00D7 in UTF-8
	std::string out;
	for (std::size_t i = 0; i < utf8.size(); ++i) {
		if (utf8.substr(i, kTimes.size()) == kTimes) {
			out += 'x';
			i += kTimes.size() - 1;
		} else if (!isBlank(utf8[i])) {
			out += lower(utf8[i]);
		}
	}
	return out;
}

// A number and the unit behind it, if one is: the run of letters at the
// end ("1e3mm" is 1000 mm), or a foot or inch mark.
struct Amount {
	double value;
	std::optional<LengthUnit> unit;
};

std::optional<Amount> readAmount(std::string_view text)
{
	std::size_t split = text.size();
	if (text.ends_with('\'') || text.ends_with('"'))
		--split;
	else
		while (split > 0 && isLetter(text[split - 1]))
			--split;
	const std::string_view suffix = text.substr(split);
	const std::optional<LengthUnit> unit = unitNamed(suffix);
	const std::optional<double> value = readNumber(text.substr(0, split));
	if (!value || (!suffix.empty() && !unit))
		return std::nullopt;
	return Amount{ *value, unit };
}

// Feet and inches together, as people in feet give a length: the feet up
// to their mark ("ft" or "'"), then the inches with theirs ("in" or "\""),
// their sign the feet's.
std::optional<double> readFeetAndInches(std::string_view text)
{
	const std::string lower = lowered(text);
	std::size_t end = lower.find("ft");
	end = end == std::string::npos ? lower.find('\'') : end + 1;
	if (end == std::string::npos)
		return std::nullopt;
	const std::string_view inchText = trimBlanks(text.substr(end + 1));
	const std::optional<Amount> feet = readAmount(text.substr(0, end + 1));
	const std::optional<Amount> inches = readAmount(inchText);
	if (!feet || feet->unit != LengthUnit::Feet || !inches || inches->unit != LengthUnit::Inches ||
	    inchText.starts_with('+') || inchText.starts_with('-'))
		return std::nullopt;
	return toMillimetres(feet->value, LengthUnit::Feet) +
	       std::copysign(toMillimetres(inches->value, LengthUnit::Inches), feet->value);
}

} // namespace

double readLength(std::string_view option, std::string_view text, LengthUnit bareUnit)
{
	const std::string_view whole = trimBlanks(text);
	std::optional<double> mm = readFeetAndInches(whole);
	if (const std::optional<Amount> amount = readAmount(whole))
		mm = toMillimetres(amount->value, amount->unit.value_or(bareUnit));
	if (!mm)
		refuse(option, text, "is not a length; use a number with mm, cm, m, in or ft (or 6ft6in)");
	// 1e308 m is a number, but no number of millimetres.
	if (!std::isfinite(*mm))
		refuse(option, text, "is longer than any length mirel-calc computes with");
	return *mm;
}

double readDistance(std::string_view option, std::string_view text, LengthUnit bareUnit)
{
	if (namesInfinity(text))
		return std::numeric_limits<double>::infinity();
	return readLength(option, text, bareUnit);
}

double readAperture(std::string_view option, std::string_view text)
{
	std::string_view number = trimBlanks(text);
	if (!number.empty() && lower(number.front()) == 'f') {
		number.remove_prefix(1);
		if (!number.empty() && number.front() == '/')
			number.remove_prefix(1);
	}
	const std::optional<double> value = readNumber(number);
	if (!value)
		refuse(option, text, "is not an f-number; use a number such as 8, f/8 or f8");
	return *value;
}

double readStops(std::string_view option, std::string_view text)
{
	const std::optional<double> value = readNumber(text);
	if (!value)
		refuse(option, text, "is not a number of stops; use a number such as 1, -2 or 0.5");
	return *value;
}

double readPercent(std::string_view option, std::string_view text)
{
	std::string_view number = trimBlanks(text);
	if (!number.empty() && number.back() == '%')
		number.remove_suffix(1);
	const std::optional<double> value = readNumber(number);
	if (!value)
		refuse(option, text, "is not a percentage; use a number such as 9.5");
	return *value;
}

int readFilmFormat(std::string_view option, std::string_view text,
		   const std::array<FilmFormat, kFilmFormatCount> &table)
{
	const std::string_view given = trimBlanks(text);
	int index = -1;
	const auto [stop, error] = std::from_chars(given.data(), given.data() + given.size(), index);
	if (error == std::errc() && stop == given.data() + given.size() && !given.empty()) {
		if (index >= 0 && index < kFilmFormatCount)
			return index;
	} else {
		const std::string wanted = comparable(given);
		for (int i = 0; i < kFilmFormatCount; ++i) {
			const FilmFormat &format = table[static_cast<std::size_t>(i)];
			if (!wanted.empty() && comparable(utf8FromCp1252(filmName(format))) == wanted)
				return i;
		}
	}
	refuse(option, text,
	       "is not a film format; use an index from 0 to 9 or a name that 'mirel-calc formats' lists");
}

double readCount(std::string_view option, std::string_view text)
{
	const std::optional<double> value = readNumber(text);
	if (!value)
		refuse(option, text, "is not a number; use a number such as 6000 or 2");
	return *value;
}

PrintSize readPrint(std::string_view option, std::string_view text)
{
	const Cp1252Text typed = cp1252FromUtf8(text);
	const std::optional<PrintSize> size =
		typed.unfitAt == std::string_view::npos ? readPrintSize(typed.bytes) : std::nullopt;
	if (!size)
		refuse(option, text,
		       "is not a print size; use A4, A3, 8x10in, 30x40cm or width x height with a unit (20x30cm)");
	return *size;
}

DiagonalRule readDiagonalRule(std::string_view option, std::string_view text)
{
	const std::string_view word = trimBlanks(text);
	for (const DiagonalRule rule : kDiagonalRules) {
		if (word == std::to_string(static_cast<int>(rule)))
			return rule;
	}
	refuse(option, text, "is not a rule; use 1730, 1500 or 1440 (the frame's diagonal over it)");
}

LengthUnit readUnit(std::string_view option, std::string_view text)
{
	const std::optional<LengthUnit> unit = unitNamed(trimBlanks(text));
	if (!unit)
		refuse(option, text, "is not a unit; use mm, cm, m, in or ft");
	return *unit;
}

int readRoundOther(std::string_view option, std::string_view text)
{
	const std::string word = lowered(trimBlanks(text));
	for (const int places : { RoundOtherNone, RoundOther1, RoundOther2, RoundOther3 }) {
		if (word == (places == RoundOtherNone ? std::string("none") : std::to_string(places)))
			return places;
	}
	refuse(option, text, "is not a rounding; use none, 1, 2 or 3");
}

int readRoundStops(std::string_view option, std::string_view text)
{
	const std::string word = lowered(trimBlanks(text));
	if (word == "none")
		return RoundStopsNone;
	if (word == "half")
		return RoundStopsHalf;
	if (word == "third")
		return RoundStopsThird;
	refuse(option, text, "is not a stop rounding; use none, half or third");
}

} // namespace mirel::cli
