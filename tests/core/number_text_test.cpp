#include "core/number_text.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

namespace mirel {
namespace {

struct NumberRow {
	const char *text;
	double expected;
	bool sameAsAtof; // false where the decimal-only rule parts from atof
};

TEST(ParseNumber, ReadsTheLongestDecimalPrefix)
{
	const NumberRow rows[] = {
		{ "8.000000", 8.0, true },
		{ "2.800000", 2.8, true },
		{ " \t\n\v\f\r2.8", 2.8, true },
		{ "12mm", 12.0, true },
		{ "mm12", 0.0, true },
		{ "", 0.0, true },
		{ "-1.5e3x", -1500.0, true },
		{ "+7", 7.0, true },
		{ "1e", 1.0, true },
		{ "1e+", 1.0, true },
		{ "2E-2", 0.02, true },
		{ ".5", 0.5, true },
		{ "5.", 5.0, true },
		{ ".", 0.0, true },
		{ "-.", 0.0, true },
		{ "--1", 0.0, true },
		{ "+-1", 0.0, true },
		{ "1.5.3", 1.5, true },
		{ "1,5", 1.0, true },
		{ "00012", 12.0, true },
		{ "\xA0" "5", 0.0, true }, // a no-break space is no blank
		{ "1e999", HUGE_VAL, true },
		{ "-1e999", -HUGE_VAL, true },
		{ "1000e306", HUGE_VAL, true },
		{ "0.0001e310", 1e306, true },
		{ "1e-400", 0.0, true },
		{ "4e-320", 4e-320, true },
		{ "inf", 0.0, false },
		{ "-INFINITY", 0.0, false },
		{ "nan", 0.0, false },
		{ "0x1A", 0.0, false },
		{ " 0X1p3", 0.0, false },
	};
	for (const NumberRow &row : rows) {
		const double value = parseNumber(row.text);
		EXPECT_EQ(value, row.expected) << '"' << row.text << '"';
		if (row.sameAsAtof) {
			EXPECT_EQ(value, std::atof(row.text)) << '"' << row.text << '"';
		}
	}
}

TEST(ParseNumber, KeepsTheSignOfZero)
{
	EXPECT_TRUE(std::signbit(parseNumber("-0")));
	EXPECT_TRUE(std::signbit(parseNumber("-1e-999")));
	EXPECT_FALSE(std::signbit(parseNumber("0")));
}

TEST(ParseNumber, ReadsBackWhatFormatFixedWrites)
{
	for (const double value : { 0.0, 1.8, -2.5, 50.0, 1000.0, 279.4, 0.025014, 123456789.125 })
		EXPECT_EQ(parseNumber(formatFixed(value)), std::round(value * 1e6) / 1e6) << value;
}

TEST(ParseNumber, StopsAtAnEmbeddedNul)
{
	EXPECT_EQ(parseNumber(std::string_view("12\0" "34", 5)), 12.0);
}

} // namespace
} // namespace mirel
