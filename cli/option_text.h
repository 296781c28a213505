#pragma once

#include <array>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "core/circle_of_confusion.h"
#include "core/units.h"
#include "settings/model/records.h"

namespace mirel::cli {

// Input on the command line that is not what its option takes. The message
// names the option and the text, and says what would do.
class UsageError : public std::runtime_error
{
public:
	using std::runtime_error::runtime_error;
};

// The readers of option texts. Each takes the option's name for its
// message, ignores blanks around the text, and throws UsageError for a text
// it cannot read. Numbers are decimal whatever the locale, and must be
// finite; whether they are usable (a focal length above 0) is the
// calculators' test, not a reader's.

// A length in millimetres: a number with or without a unit, with or without
// a blank between ("300mm", "5 m", "16.4ft", "6'" for feet and "6\"" for
// inches), or feet and inches together ("6ft6in", "6ft 6in", "6'6\""); a bare
// number is in bareUnit.
double readLength(std::string_view option, std::string_view text, LengthUnit bareUnit);
// A distance that may be infinite: a length, or "inf" or "infinity" in any
// case for infinity.
double readDistance(std::string_view option, std::string_view text, LengthUnit bareUnit);
// An f-number: "8", "f/8", "f8" or "F8".
double readAperture(std::string_view option, std::string_view text);
// A number of stops, which may be negative or fractional.
double readStops(std::string_view option, std::string_view text);
// A percentage, with or without "%".
double readPercent(std::string_view option, std::string_view text);
// A film format of table, by index ("0" to "9") or by name, without regard
// to case, blanks or the spelling of the multiplication sign ("35mm",
// "6 × 7", "6x7").
int readFilmFormat(std::string_view option, std::string_view text,
		   const std::array<FilmFormat, kFilmFormatCount> &table);
// A number that is no length: a count of pixels, a factor.
double readCount(std::string_view option, std::string_view text);
// A print's size: a name ("A4", "8x10in") or width x height with a unit
// ("30x40cm", "20 x 25 cm"), as readPrintSize takes it.
PrintSize readPrint(std::string_view option, std::string_view text);
// The rule of a circle of confusion from the frame's diagonal: "1730",
// "1500" or "1440".
DiagonalRule readDiagonalRule(std::string_view option, std::string_view text);
// "mm", "cm", "m", "in" or "ft".
LengthUnit readUnit(std::string_view option, std::string_view text);
// Decimal places of the other results: "none", "1", "2" or "3".
int readRoundOther(std::string_view option, std::string_view text);
// Stops to: "none", "half" or "third".
int readRoundStops(std::string_view option, std::string_view text);

// The items of a comma-separated list, each read by read.
template <typename Read>
auto readList(std::string_view option, std::string_view text, Read read)
{
	std::vector<decltype(read(option, text))> items;
	for (std::size_t start = 0;;) {
		const std::size_t comma = text.find(',', start);
		items.push_back(read(option, text.substr(start, comma - start)));
		if (comma == std::string_view::npos)
			return items;
		start = comma + 1;
	}
}

} // namespace mirel::cli
