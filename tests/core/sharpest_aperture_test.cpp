// The sharpest aperture for a range against figures worked out by hand, and
// its blur at the f-numbers either side; the defocus blur against the depth
// of field limits it must agree with.

#include "core/sharpest_aperture.h"

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "core/focus_plan.h"
#include "core/optics.h"
#include "core/stops.h"

namespace mirel {
namespace {

constexpr double kInfinity = INFINITY;

// At the smallest f-number of a plan the ends of the range are the limits
// of acceptable sharpness, so each blurs by the circle of confusion.
TEST(SharpestAperture, DefocusAtThePlansLimitsIsTheCircleOfConfusion)
{
	initStopMath();
	for (const FocusRequest &r : { FocusRequest{ 24, 0.0163, 1500, kInfinity },
				       FocusRequest{ 50, 0.03, 2000, 10000 }, FocusRequest{ 100, 0.03, 297, 303 } }) {
		const FocusPlan plan = planFocus(r);
		for (const double end : { r.near, r.far })
			EXPECT_NEAR(defocusBlur(r.focalLength, plan.fNumber, plan.focus, end), r.coc, 1e-9 * r.coc)
				<< r.focalLength << " mm, " << r.near << " to " << r.far << ", at " << end;
	}
}

TEST(SharpestAperture, SmallestCombinedBlurOfTheWorseEnd)
{
	struct Row {
		const char *what;
		double f, coc, near, far, focus;
		double fNumber, blur, ratio;
	};
	for (const Row &row : {
		     // Defocus 0.19355 mm / N at both ends, diffraction 0.001342 mm × N:
		     // N = sqrt(0.19355 / 0.001342), blur sqrt(2 × 0.19355 × 0.001342).
		     Row{ "24 mm, 1.5 m to infinity at 3 m", 24, 0.0163, 1500, kInfinity, 3000, 12.0093, 0.022792,
			  1.3983 },
		     // The far end is the worse: 2500 × 7000 / (10000 × 2950) = 0.59322.
		     Row{ "50 mm, 2 m to 10 m at 3 m", 50, 0.03, 2000, 10000, 3000, 21.0248, 0.039902, 1.3301 },
	     }) {
		const SharpestAperture sharpest = sharpestAperture(row.f, row.coc, row.near, row.far, row.focus);
		EXPECT_NEAR(sharpest.fNumber, row.fNumber, 1e-4) << row.what;
		EXPECT_NEAR(sharpest.blur, row.blur, 1e-6) << row.what;
		EXPECT_NEAR(sharpest.blurToCoC, row.ratio, 1e-4) << row.what;
		// Either side of it the worse end blurs more.
		const auto worse = [&](double N) {
			const double defocus = std::max(defocusBlur(row.f, N, row.focus, row.near),
							defocusBlur(row.f, N, row.focus, row.far));
			return std::hypot(defocus, 2.44 * 0.00055 * N);
		};
		EXPECT_NEAR(worse(sharpest.fNumber), sharpest.blur, 1e-12) << row.what;
		for (const double factor : { 0.99, 1.01 })
			EXPECT_GT(worse(sharpest.fNumber * factor), sharpest.blur) << row.what << " × " << factor;
	}
	EXPECT_NEAR(airyDiskDiameter(8), 0.010736, 1e-12);
	EXPECT_TRUE(std::isnan(sharpestAperture(24, 0.03, 1500, 1000, 3000).fNumber));
}

TEST(SharpestAperture, TextsInMicrometresAndPixels)
{
	initStopMath();
	const SharpestApertureTexts texts =
		focusPlanTexts(planFocus({ 24, 0.0163, 1500, kInfinity }), 0.0163, LengthUnit::Metres, RoundOther2)
			.sharpest;
	EXPECT_EQ(texts.fNumber, "f/12.01");
	EXPECT_EQ(texts.blur, "22.8 \xB5m");
	EXPECT_EQ(texts.blurToCoC, "1.40 \xD7 the circle of confusion");
	const SharpestApertureTexts none =
		focusPlanTexts(planFocus({ 24, 0.0163, 10, kInfinity }), 0.0163, LengthUnit::Metres, RoundOther2)
			.sharpest;
	EXPECT_EQ(none.fNumber + none.blur + none.blurToCoC, "n/an/an/a");

	// 23.5 mm over 6000 pixels: a pitch of 3.92 µm.
	EXPECT_EQ(blurPixelsText(0.022792, 23.5, 6000), "5.8 pixels");
	for (const auto &[width, pixels] : { std::pair{ 0.0, 6000.0 }, std::pair{ 23.5, double(NAN) } }) {
		EXPECT_FALSE(blurInPixels(0.022792, width, pixels)) << width << " " << pixels;
		EXPECT_EQ(blurPixelsText(0.022792, width, pixels), "n/a");
	}
}

} // namespace
} // namespace mirel
