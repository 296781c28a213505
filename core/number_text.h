#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mirel {

// The C library's "%f": fixed notation with six decimals ("2.800000"), or
// as many as asked for ("%.2f": "2.80").
std::string formatFixed(double value, int decimals = 6);

// The shortest text that reads back as exactly the same double ("0.1",
// "3389.3709256287385", "1e+300"); "inf", "-inf" or "nan" for those. For
// files other programs read: full precision, point-decimal.
std::string formatExact(double value);

// A number as a file stores it, by the rule of the C library's atof but
// decimal only and independent of the locale: leading white space is
// skipped, the longest prefix of the form [sign] digits [. digits]
// [e [sign] digits] is converted and the rest ignored ("12abc" reads 12).
// Text without such a prefix, "inf", "nan" and hexadecimal numbers read 0.
// Magnitudes beyond the double range read as infinity, tiny ones as 0.
double parseStoredNumber(std::string_view text);

// A number as the user typed it: the same rule, and a comma between digits
// with no point before it is the decimal mark, as half of Europe writes it
// ("2,8" reads 2.8, "1,500.5" 1.5).
double parseNumber(std::string_view text);

// The text without the blanks (spaces and tabs) at its start, its end, or
// either end.
std::string_view trimBlanksLeft(std::string_view text);
std::string_view trimBlanksRight(std::string_view text);
std::string_view trimBlanks(std::string_view text);

// A number typed where a value that cannot be read is refused rather than
// taken as 0 (the film table, the table's distances, the command line): the
// whole text, blanks around it aside, with an optional sign and a decimal
// point or, with no point before it, a decimal comma between digits ("2,8").
// Nothing for any other text ("36mm", "", "1.5.2", "1,500.5") and for
// infinity or NaN in any spelling.
std::optional<double> readNumber(std::string_view text);

// Whether a distance is typed as infinite: "inf" or "infinity" in any case,
// blanks around it aside.
bool namesInfinity(std::string_view text);

// A number in a CSV cell: formatExact's text, an empty cell when there is
// no number (NaN).
std::string csvNumber(double value);

// Drops the zeros at the end of a number's decimals but keeps one character
// after the point: "50.000000" gives "50.0", "0.025010" gives "0.02501".
// Text without a point is returned unchanged.
std::string trimTrailingZeros(std::string_view text);

// formatFixed, then trimTrailingZeros: how input fields show their values.
std::string formatTrimmed(double value);

// A number as people write it, to six decimals at most and without a lone
// ".0": "0.5", "1", "23.5".
std::string formatPlain(double value);

// The value an input field holds once it has shown value: its text read
// back, so six decimals (0.02501 for the circle of confusion suggested for
// a 36 × 24 mm frame, 0.025009604...).
double shownValue(double value);

} // namespace mirel
