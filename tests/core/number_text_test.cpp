#include "core/number_text.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

#include <gtest/gtest.h>

namespace mirel {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// Huge magnitudes read as infinity, tiny ones as a signed zero. A typed
// number takes a comma between digits, with no point before it, as its
// decimal mark; a stored one does not.
TEST(ParseNumber, LongestDecimalPrefix)
{
	struct Row {
		const char *text;
		double typed, stored;
	};
	for (const Row row : {
		     Row{ "5.6", 5.6, 5.6 },
		     Row{ " 35", 35, 35 },
		     Row{ "\t\n-2.5", -2.5, -2.5 },
		     Row{ "+8", 8, 8 },
		     Row{ "12abc", 12, 12 },
		     Row{ "1-1/2", 1, 1 },
		     Row{ ".5", 0.5, 0.5 },
		     Row{ "5.", 5, 5 },
		     Row{ "-.25mm", -0.25, -0.25 },
		     Row{ "1e3", 1000, 1000 },
		     Row{ "2.5E-1", 0.25, 0.25 },
		     Row{ "3e", 3, 3 },
		     Row{ "3e+", 3, 3 },
		     Row{ "7e-x", 7, 7 },
		     Row{ "", 0, 0 },
		     Row{ "abc", 0, 0 },
		     Row{ ".", 0, 0 },
		     Row{ "-", 0, 0 },
		     Row{ " +.e5", 0, 0 },
		     Row{ "0x1A", 0, 0 },
		     Row{ "inf", 0, 0 },
		     Row{ "-infinity", 0, 0 },
		     Row{ "nan", 0, 0 },
		     Row{ "NAN(123)", 0, 0 },
		     Row{ "1e-999", 0, 0 },
		     Row{ "00012.50", 12.5, 12.5 },
		     Row{ "1e999", kInf, kInf },
		     Row{ "-1e999", -kInf, -kInf },
		     Row{ "2,8", 2.8, 2 },
		     Row{ "5,6", 5.6, 5 },
		     Row{ " -2,8mm", -2.8, -2 },
		     Row{ "1,5e3", 1500, 1 },
		     Row{ "1,500.5", 1.5, 1 },
		     Row{ "2,8,5", 2.8, 2 },
		     Row{ "2.5,3", 2.5, 2.5 },
		     Row{ ",5", 0, 0 },
		     Row{ "5,", 5, 5 },
		     Row{ "5,e3", 5, 5 },
		     Row{ "+,5", 0, 0 },
	     }) {
		EXPECT_EQ(parseNumber(row.text), row.typed) << '"' << row.text << '"';
		EXPECT_EQ(parseStoredNumber(row.text), row.stored) << '"' << row.text << '"';
	}
	EXPECT_TRUE(std::signbit(parseNumber("-1e-999")));
}

// What a field that refuses unreadable values takes: the whole text or nothing.
TEST(ReadNumber, WholeTextOrNothing)
{
	struct Row {
		const char *text;
		std::optional<double> value;
	};
	for (const Row row : {
		     Row{ "5.6", 5.6 },    Row{ " \t35 ", 35 }, Row{ "+8", 8 },       Row{ "-2.5", -2.5 },
		     Row{ "2,8", 2.8 },    Row{ " 5,6 ", 5.6 }, Row{ "1,5e3", 1500 }, Row{ "1e-3", 0.001 },
		     Row{ "36mm", {} },    Row{ "", {} },       Row{ " ", {} },       Row{ "1.5.2", {} },
		     Row{ "1,500.5", {} }, Row{ "1,5,6", {} },  Row{ ",5", {} },      Row{ "5,", {} },
		     Row{ "+-5", {} },     Row{ "++5", {} },    Row{ "inf", {} },     Row{ "-infinity", {} },
		     Row{ "nan", {} },     Row{ "1e999", {} },  Row{ "0x1A", {} },    Row{ "1 000", {} },
	     }) {
		EXPECT_EQ(readNumber(row.text), row.value) << '"' << row.text << '"';
	}
}

TEST(TrimTrailingZeros, KeepsOneCharacterAfterThePoint)
{
	struct Row {
		const char *in, *out;
	};
	for (const Row row : { Row{ "50.000000", "50.0" }, Row{ "0.025010", "0.02501" }, Row{ "2.500000", "2.5" },
			       Row{ "11.313708", "11.313708" }, Row{ "12", "12" }, Row{ "5.", "5." },
			       Row{ "-0.000000", "-0.0" }, Row{ "1.50 m", "1.50 m" }, Row{ "1.0x0", "1.0x" } }) {
		EXPECT_EQ(trimTrailingZeros(row.in), row.out) << row.in;
	}
}

TEST(FormatText, FixedAndTrimmed)
{
	EXPECT_EQ(formatFixed(2.8), "2.800000");
	EXPECT_EQ(formatFixed(-1.0 / 3), "-0.333333");
	EXPECT_EQ(formatTrimmed(1000.0), "1000.0");
	EXPECT_EQ(formatTrimmed(11.313708498984761), "11.313708");
	EXPECT_EQ(formatFixed(1e300).size(), 301u + 7u);
	EXPECT_EQ(formatFixed(2.9, 2), "2.90");
	EXPECT_EQ(formatFixed(-1.0 / 3, 3), "-0.333");
}

TEST(FormatText, ExactReadsBackAsTheSameNumber)
{
	for (const double value : { 0.1, 1.0 / 3, 3389.3709256287385, -2.5e-7, 1e300, 5e-324 }) {
		const std::string text = formatExact(value);
		EXPECT_EQ(std::strtod(text.c_str(), nullptr), value) << text;
		EXPECT_EQ(text.find(','), std::string::npos) << text;
	}
	EXPECT_EQ(formatExact(kInf), "inf");
}

} // namespace
} // namespace mirel
