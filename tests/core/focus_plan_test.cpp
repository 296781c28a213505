// The focus planner against the thin-lens formulas it inverts: the focus
// and f-number put back through depthOfFieldLimits give the range asked
// for, and the stops it suggests hold that range.

#include "core/focus_plan.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "core/number_text.h"
#include "core/optics.h"
#include "core/stops.h"

namespace mirel {
namespace {

constexpr double kInfinity = INFINITY;

class FocusPlanner : public ::testing::Test
{
protected:
	void SetUp() override { initStopMath(); }
};

TEST_F(FocusPlanner, FocusAndApertureGiveBackTheRangeAskedFor)
{
	const double apsC = suggestedCoC(23.5, 15.6);
	struct Case {
		const char *what;
		FocusRequest request;
	};
	for (const Case c : {
		     Case{ "landscape, 2 m to 10 m", { 50.0, 0.03, 2000.0, 10000.0 } },
		     Case{ "24 mm on APS-C to infinity", { 24.0, apsC, 1500.0, kInfinity } },
		     Case{ "product, 6 mm deep at 30 cm", { 100.0, 0.03, 297.0, 303.0 } },
		     Case{ "macro near the focal length", { 100.0, 0.03, 150.0, 151.0 } },
		     Case{ "macro past f/64", { 100.0, 0.03, 150.0, 160.0 } },
		     Case{ "shallow, wider than f/1", { 50.0, 0.03, 5000.0, 5200.0 } },
	     }) {
		const FocusRequest &r = c.request;
		const FocusPlan plan = planFocus(r);
		ASSERT_EQ(plan.unusable, "") << c.what;
		const double s = std::isinf(r.far) ? 2.0 * r.near : 2.0 * r.near * r.far / (r.near + r.far);
		EXPECT_NEAR(plan.focus, s, 1e-12 * s) << c.what;

		// Round trip: N and s back through the page's formulas.
		const DepthOfFieldLimits back = depthOfFieldLimits(r.focalLength, plan.fNumber, r.coc, plan.focus);
		EXPECT_NEAR(back.near, r.near, 1e-9 * r.near) << c.what;
		if (std::isinf(r.far))
			EXPECT_LE(r.near / std::abs(back.far), 1e-9) << c.what << ": far " << back.far;
		else
			EXPECT_NEAR(back.far, r.far, 1e-9 * r.far) << c.what;

		// The next whole and third stops at or above N, each holding the range.
		for (const auto &[zone, step] :
		     { std::pair{ plan.wholeStop, kThirdsPerStop }, std::pair{ plan.thirdStop, 1 } }) {
			const std::string where = std::string(c.what) + (step == 1 ? ", third stop" : ", whole stop");
			if (plan.fNumber > 64.0) {
				EXPECT_FALSE(zone) << where;
				continue;
			}
			ASSERT_TRUE(zone) << where;
			const double N = zone->aperture.fNumber;
			const double below = addStops(N, -step / 3.0);
			EXPECT_GE(N, plan.fNumber) << where;
			EXPECT_TRUE(N == 1.0 || below < plan.fNumber) << where << ": " << zone->aperture.marking;
			EXPECT_NEAR(std::fmod(stopsBetween(1.0, N) * 3.0 / step + 0.5, 1.0), 0.5, 1e-9) << where;
			const DepthOfFieldLimits limits = depthOfFieldLimits(r.focalLength, N, r.coc, plan.focus);
			EXPECT_LE(limits.near, r.near * (1 + 1e-9)) << where;
			EXPECT_TRUE(limits.far < 0.0 || limits.far >= r.far * (1 - 1e-9))
				<< where << ": far " << limits.far;
			EXPECT_DOUBLE_EQ(zone->near, limits.near) << where;
			EXPECT_EQ(zone->far, limits.far < 0.0 ? kInfinity : limits.far) << where;
		}
	}
}

TEST_F(FocusPlanner, ImpossibleRequestsSayWhy)
{
	struct Case {
		FocusRequest request;
		const char *reason;
	};
	for (const Case c : {
		     Case{ { 50.0, 0.03, 50.0, 1000.0 }, "nearest distance is not greater than the focal length" },
		     Case{ { 50.0, 0.03, 2000.0, 2000.0 },
			   "farthest distance is not greater than the nearest distance" },
		     Case{ { 50.0, 0.03, 2000.0, NAN }, "farthest distance is not greater than the nearest distance" },
		     Case{ { 0.0, 0.03, 2000.0, 3000.0 }, "focal length is not greater than 0" },
		     Case{ { 50.0, -0.03, 2000.0, 3000.0 }, "circle of confusion is not greater than 0" },
		     Case{ { 50.0, 0.03, kInfinity, kInfinity }, "nearest distance is not a finite number" },
		     // f/c alone is 1e360, past the largest double.
		     Case{ { 1e160, 1e-200, 3e160, 1e161 }, "inputs give no finite plan" },
	     }) {
		const FocusPlan plan = planFocus(c.request);
		EXPECT_EQ(plan.unusable, c.reason) << c.request.near << " to " << c.request.far;
		EXPECT_TRUE(std::isnan(plan.focus) && std::isnan(plan.fNumber) && !plan.wholeStop && !plan.thirdStop);
		const FocusPlanTexts texts = focusPlanTexts(plan, c.request.coc, LengthUnit::Metres, RoundOther2);
		for (const std::string &text : { texts.focus, texts.fNumber, texts.wholeStop, texts.thirdStop })
			EXPECT_EQ(text, "n/a");
		EXPECT_EQ(texts.diffraction, "");
	}
}

// The texts in the display unit under the rounding rule, the figures read
// back against the plan.
TEST_F(FocusPlanner, TextsShowThePlanInTheDisplayUnit)
{
	const double c = suggestedCoC(23.5, 15.6);
	const FocusPlan plan = planFocus({ 24.0, c, 1500.0, kInfinity });
	for (const auto &[unit, round] :
	     { std::pair{ LengthUnit::Metres, RoundOther2 }, std::pair{ LengthUnit::Feet, RoundOtherNone } }) {
		const FocusPlanTexts texts = focusPlanTexts(plan, c, unit, round);
		const std::string suffix = " " + std::string(unitAbbreviation(unit));
		const double tolerance = round == RoundOther2 ? 0.005 : 5e-7;
		EXPECT_TRUE(texts.focus.ends_with(suffix)) << texts.focus;
		EXPECT_NEAR(parseNumber(texts.focus), fromMillimetres(plan.focus, unit), tolerance);
		EXPECT_NEAR(parseNumber(texts.fNumber.substr(2)), plan.fNumber, 0.005) << texts.fNumber;
		for (const auto &[text, zone] :
		     { std::pair{ texts.wholeStop, *plan.wholeStop }, std::pair{ texts.thirdStop, *plan.thirdStop } }) {
			const std::string start = "f/" + std::string(zone.aperture.marking) + ": ";
			ASSERT_EQ(text.substr(0, start.size()), start) << text;
			EXPECT_NEAR(parseNumber(text.substr(start.size())), fromMillimetres(zone.near, unit),
				    tolerance);
			EXPECT_TRUE(text.ends_with(suffix + " to infinity")) << text;
		}
	}
	// Diffraction at the third stop, then at the whole stop: the Airy disk
	// 0.001342 mm × N against the circle 28.207 / 1730 = 0.0163 mm.
	EXPECT_EQ(focusPlanTexts(plan, c, LengthUnit::Metres, RoundOther2).diffraction,
		  "Diffraction: f/13 blurs 0.017 mm, more than the 0.016 mm circle of confusion; sharpest depth up to "
		  "about f/12.1\nDiffraction: f/16 blurs 0.021 mm, more than the 0.016 mm circle of confusion; "
		  "sharpest depth up to about f/12.1");

	// Past f/64 there is no stop to suggest; diffraction is told for N. Focused
	// at 2 × 150 × 160 / 310 mm, H is 150 × (s − f) / (s − 150) = 1700 mm and
	// N = 100² / (1700 × 0.03) = 196.08.
	const FocusPlanTexts texts =
		focusPlanTexts(planFocus({ 100.0, 0.03, 150.0, 160.0 }), 0.03, LengthUnit::Millimetres, RoundOther1);
	EXPECT_EQ(texts.wholeStop, "beyond f/64");
	EXPECT_EQ(texts.thirdStop, "beyond f/64");
	EXPECT_EQ(texts.diffraction, "Diffraction: f/196.1 blurs 0.263 mm, more than the 0.030 mm circle of "
				     "confusion; sharpest depth up to about f/22.4");
}

} // namespace
} // namespace mirel
