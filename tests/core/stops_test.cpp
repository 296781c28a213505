#include "core/stops.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "core/aperture_series.h"
#include "core/number_text.h"

namespace mirel {
namespace {

class Stops : public testing::Test
{
protected:
	void SetUp() override { initStopMath(); }
};

TEST_F(Stops, WholeStopsFromF1LieJustAboveTheExactValues)
{
	struct Row {
		int n;
		double expected;
	};
	for (const Row row : { Row{ 0, 1.0 }, Row{ 1, 1.4142135623730951 }, Row{ 2, 2.0000000000000004 },
			       Row{ 6, 8.000000000000004 }, Row{ 12, 64.00000000000006 } }) {
		EXPECT_DOUBLE_EQ(fNumberForStop(row.n), row.expected) << "n = " << row.n;
		EXPECT_GE(fNumberForStop(row.n), std::exp2(row.n / 2.0)) << "n = " << row.n;
	}
}

TEST_F(Stops, AddStops)
{
	EXPECT_NEAR(addStops(2.8, 1), 3.9598, 1e-4);
	EXPECT_NEAR(addStops(2, -3), 0.70710678, 1e-8);
	EXPECT_NEAR(addStops(4, 0.5), 4.7568, 1e-4);
	EXPECT_EQ(addStops(0, 1), 0.0);
	EXPECT_EQ(addStops(-2, 1), 0.0);
	EXPECT_EQ(addStops(std::nan(""), 1), 0.0);
}

TEST_F(Stops, StopsBetweenAndTheirText)
{
	struct Row {
		double f1, f2;
		const char *none, *halves, *thirds;
	};
	for (const Row row : {
		     Row{ 8, 4, "-2.000000", "-2", "-2" },
		     Row{ 2.8, 4, "1.029146", "1", "1" },
		     Row{ 2, 2.8, "0.970854", "1", "1" },
		     Row{ 2, 3.2, "1.356144", "1-1/2", "1-1/3" },
		     Row{ 2, 3.6, "1.695994", "1-1/2", "1-2/3" },
		     Row{ 3.6, 2, "-1.695994", "-1-1/2", "-1-2/3" },
	     }) {
		const double stops = stopsBetween(row.f1, row.f2);
		EXPECT_EQ(formatStopValue(stops, RoundStopsNone), row.none) << row.f1 << " to " << row.f2;
		EXPECT_EQ(formatStopValue(stops, RoundStopsHalf), row.halves) << row.f1 << " to " << row.f2;
		EXPECT_EQ(formatStopValue(stops, RoundStopsThird), row.thirds) << row.f1 << " to " << row.f2;
	}
	EXPECT_NEAR(stopsBetween(8, 4), -2.0, 1e-15);
	// Rounded to the chosen grid first; an unknown rule leaves the value as it is.
	EXPECT_EQ(formatStopValue(1.9, RoundStopsThird), "2");
	EXPECT_EQ(formatStopValue(-0.1, RoundStopsHalf), "0");
	EXPECT_EQ(formatStopValue(1.3, 9), "1.300000");
}

TEST(RoundToStep, HalvesAwayFromZero)
{
	struct Row {
		double x, d, expected;
	};
	for (const Row row : { Row{ 0.5, 1, 1 }, Row{ -0.5, 1, -1 }, Row{ 2.345, 100, 2.35 }, Row{ -2.345, 100, -2.35 },
			       Row{ 0, 100, 0 }, Row{ 2.35, 100, 2.35 }, Row{ 1.25, 2, 1.5 }, Row{ -1.25, 2, -1.5 },
			       Row{ 1.1, 3, 1.0 }, Row{ 2147483.6, 1000, 2147483.6 } }) {
		EXPECT_DOUBLE_EQ(roundToStep(row.x, row.d), row.expected) << row.x << " step 1/" << row.d;
	}
}

TEST(RoundToStep, ValuesBeyondTheGridStayUnrounded)
{
	const double inf = std::numeric_limits<double>::infinity();
	for (const double x : { 2147484.0001234, -2147484.0001234, 5e9 + 0.25, -1e300, inf, -inf })
		EXPECT_EQ(roundToStep(x, 1000.0), x) << x;
	EXPECT_TRUE(std::isnan(roundToStep(std::nan(""), 10.0)));
}

// The pages' rules 0 to 3 are checked on the pages; other methods leave the
// value as it is.
TEST(RoundDecimals, AnUnknownMethodLeavesTheValue)
{
	for (const int method : { -1, 4 }) {
		double value = 12.3456;
		roundDecimals(value, method);
		EXPECT_EQ(value, 12.3456) << method;
	}
}

// Sixths of a stop by their boundaries; negative values keep their fraction.
TEST(FormatStops, FractionSuffixes)
{
	struct Row {
		double x;
		const char *text;
	};
	for (const Row row : {
		     Row{ 0.84, "0-5/6" },      Row{ 0.83, "0-2/3" },
		     Row{ 0.67, "0-2/3" },      Row{ 0.66, "0-1/2" },
		     Row{ 0.5, "0-1/2" },       Row{ 0.34, "0-1/3" },
		     Row{ 0.33, "0-1/6" },      Row{ 0.17, "0-1/6" },
		     Row{ 0.16, "0" },          Row{ 0.0, "0" },
		     Row{ 3.0, "3" },           Row{ 1.5, "1-1/2" },
		     Row{ 7.0 / 3, "2-1/3" },   Row{ 2147483647.0, "2147483647" },
		     Row{ -1.5, "-1-1/2" },     Row{ -0.5, "-0-1/2" },
		     Row{ -2.0, "-2" },         Row{ -0.1, "0" },
		     Row{ -2.0 / 3, "-0-2/3" }, Row{ -7.0 / 3, "-2-1/3" },
	     }) {
		EXPECT_EQ(formatStops(row.x), row.text) << row.x;
	}
}

TEST(ApertureSeries, ThirdStopsAsPickedAndAsEngraved)
{
	initStopMath();
	for (int third = 0; third <= kLastThird; ++third) {
		const MarkedAperture aperture = apertureAtThird(third);
		EXPECT_NEAR(aperture.fNumber, std::pow(2.0, third / 6.0), 1e-12 * aperture.fNumber) << third;
		// Engraved figures are the exact values to two figures, bent a
		// little by tradition (1.2 for 1.26, 5.6, 22).
		EXPECT_NEAR(parseNumber(aperture.marking) / aperture.fNumber, 1.0, 0.05) << aperture.marking;
		if (third % kThirdsPerStop == 0) {
			EXPECT_EQ(aperture.fNumber, fNumberForStop(third / kThirdsPerStop)) << aperture.marking;
		}
	}
}

} // namespace
} // namespace mirel
