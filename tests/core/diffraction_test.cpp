// What diffraction does at an aperture, in the words the status bar, the
// planner and the depth of field table share, and apertures as
// photographers write them.

#include "core/diffraction.h"

#include <cmath>
#include <regex>
#include <string>

#include <gtest/gtest.h>

#include "core/aperture_series.h"
#include "core/number_text.h"
#include "core/optics.h"
#include "core/stops.h"

namespace mirel {
namespace {

class Diffraction : public ::testing::Test
{
protected:
	void SetUp() override { initStopMath(); }
};

TEST_F(Diffraction, AperturesReadAsTheirMarkingOrToOneDecimal)
{
	struct Row {
		double fNumber;
		const char *text;
	};
	for (const Row row : { Row{ fNumberForStop(9), "f/22" }, Row{ 22.0, "f/22" }, Row{ fNumberForStop(5), "f/5.6" },
			       Row{ 5.6, "f/5.6" }, Row{ addStops(8.0, 1.0 / 3.0), "f/9" }, Row{ 9.47, "f/9.5" },
			       Row{ 100.0, "f/100" }, Row{ 0.95, "f/0.95" }, Row{ 21.96, "f/22" } })
		EXPECT_EQ(apertureText(row.fNumber), row.text) << row.fNumber;
}

// The sentence for two formats and three apertures, its figures read back
// against the formulas; a blur just past the circle does not read the same.
TEST_F(Diffraction, TheTextSaysWhetherTheBlurStaysWithinTheCircleOfConfusion)
{
	EXPECT_EQ(diffractionText(22.0, suggestedCoC(36.0, 24.0)),
		  "Diffraction: f/22 blurs 0.030 mm, more than the 0.025 mm circle of confusion; sharpest depth "
		  "up to about f/18.6");
	const std::regex sentence("Diffraction: (f/[0-9.]+) blurs ([0-9.]+) mm, (more than|within) the ([0-9.]+) mm "
				  "circle of confusion; sharpest depth up to about f/([0-9.]+)");
	for (const double c : { suggestedCoC(36.0, 24.0), suggestedCoC(56.0, 69.5) }) {
		for (const double N : { fNumberForStop(6), fNumberForStop(9), 45.0 }) {
			const std::string text = diffractionText(N, c);
			std::smatch parts;
			ASSERT_TRUE(std::regex_match(text, parts, sentence)) << text;
			EXPECT_EQ(parts[1], apertureText(N));
			const double blur = parseNumber(parts[2].str());
			const double shownCoC = parseNumber(parts[4].str());
			EXPECT_NEAR(blur, 2.44 * 0.00055 * N, 5e-4) << text;
			EXPECT_NEAR(shownCoC, c, 5e-4) << text;
			EXPECT_EQ(parts[3] == "more than", 2.44 * 0.00055 * N > c) << text;
			EXPECT_NEAR(parseNumber(parts[5].str()), c / (2.44 * 0.00055), 0.05) << text;
		}
	}
	// At f/19 the 35mm frame's blur and circle are both 0.025 to three places.
	const std::string close = diffractionText(19.0, suggestedCoC(36.0, 24.0));
	EXPECT_NE(close.find("blurs 0.0255 mm, more than the 0.0250 mm circle"), std::string::npos) << close;
}

TEST_F(Diffraction, UnusableInputsGiveNoText)
{
	for (const auto &[N, c] : { std::pair{ 0.0, 0.03 }, std::pair{ 8.0, 0.0 }, std::pair{ -8.0, 0.03 },
				    std::pair{ 8.0, double(NAN) }, std::pair{ double(INFINITY), 0.03 } })
		EXPECT_EQ(diffractionText(N, c), "") << N << " " << c;
}

} // namespace
} // namespace mirel
