// Focus stacks against the page's depth of field formulas and figures worked
// out by hand: the landscape shots meet without a gap and are the fewest,
// the macro figures are those of the rail.

#include "core/focus_stack.h"

#include <cmath>
#include <string>
#include <tuple>
#include <utility>

#include <gtest/gtest.h>

#include "core/optics.h"
#include "core/stops.h"

namespace mirel {
namespace {

constexpr double kInfinity = INFINITY;

class FocusStack : public ::testing::Test
{
protected:
	void SetUp() override { initStopMath(); }
};

// Each shot's limits are those of the page at its focus. Both limits grow
// with the focus, so a shot whose near limit sits exactly where the nearest
// distance or the shot before allows reaches the farthest; a chain of such
// shots is the farthest any plan of as many shots reaches, and with the last
// but one short of the farthest distance no plan has one shot fewer. Only a
// shot at the nearest focus reaching infinity may start sooner. The counts
// are worked out by hand.
TEST_F(FocusStack, LandscapeShotsMeetWithTheOverlapAskedAndAreTheFewest)
{
	struct Row {
		const char *what;
		LandscapeStackRequest request;
		std::size_t shots;
	};
	for (const Row &row : {
		     // 1697 mm holds 1 m to 5.60 m, past H = 2.4 m: then H + f holds
		     // 1.212 m to infinity. No one focus reaching infinity holds 1 m.
		     Row{ "24 mm f/8, 1 m to infinity", { 24, 8, 0.03, 1000, kInfinity }, 2 },
		     Row{ "24 mm f/2, 2 m to infinity", { 24, 2, 0.01, 2000, kInfinity }, 8 },
		     Row{ "50 mm f/8, 0.5 m to 2 m, 20% overlap", { 50, 8, 0.03, 500, 2000, 0.2 }, 10 },
		     Row{ "50 mm f/8, 2 m to 2.2 m", { 50, 8, 0.03, 2000, 2200 }, 1 },
		     Row{ "24 mm f/8, 2 m to 10 m", { 24, 8, 0.03, 2000, 10000 }, 1 },
	     }) {
		const LandscapeStackRequest &r = row.request;
		const LandscapeStack stack = planLandscapeStack(r);
		ASSERT_EQ(stack.unusable, "") << row.what;
		ASSERT_EQ(stack.shots.size(), row.shots) << row.what;
		EXPECT_GE(stack.shots.back().far, r.far) << row.what;
		if (stack.shots.size() > 1) {
			EXPECT_LT(stack.shots[stack.shots.size() - 2].far, r.far) << row.what;
		}
		const double H = hyperfocalDistance(r.focalLength, r.aperture, r.coc);
		for (std::size_t i = 0; i < stack.shots.size(); ++i) {
			const StackShot &shot = stack.shots[i];
			const std::string where = std::string(row.what) + ", shot " + std::to_string(i + 1);
			const DepthOfFieldLimits page =
				depthOfFieldLimits(r.focalLength, r.aperture, r.coc, shot.focus);
			EXPECT_EQ(shot.near, page.near) << where;
			EXPECT_EQ(shot.far, reachesInfinity(page.far) ? kInfinity : page.far) << where;
			const StackShot *before = i == 0 ? nullptr : &stack.shots[i - 1];
			const double allowed = before ? before->far - r.overlap * (before->far - before->near) : r.near;
			EXPECT_LE(shot.near, allowed) << where;
			// As far as allowed, or the nearest focus reaching infinity.
			if (std::isinf(shot.far) && shot.near < allowed * (1 - 1e-12)) {
				EXPECT_NEAR(shot.focus, H + r.focalLength, 1e-12 * H) << where;
				EXPECT_LT(depthOfFieldLimits(r.focalLength, r.aperture, r.coc, shot.focus * (1 - 1e-9))
						  .far,
					  kInfinity)
					<< where;
			} else {
				EXPECT_GE(shot.near, allowed * (1 - 1e-12)) << where;
			}
		}
	}
}

// 24 mm f/2 for a 0.01 mm circle, H = 28.8 m, from H/10 to infinity: every
// focus is over 130 focal lengths away. The first is within 1% of H/9, each
// of the next four within 1% of the classic series continued from the one
// before (H/s two less each time), the last within 1% of H itself.
TEST_F(FocusStack, FarLandscapeShotsFollowTheClassicSeries)
{
	const double H = 28800.0;
	const LandscapeStack stack = planLandscapeStack({ 24, 2, 0.01, H / 10, kInfinity });
	ASSERT_EQ(stack.shots.size(), 6u);
	EXPECT_NEAR(stack.shots[0].focus, H / 9, 0.01 * H / 9);
	for (std::size_t i = 1; i < 5; ++i) {
		const double series = H / (H / stack.shots[i - 1].focus - 2);
		EXPECT_NEAR(stack.shots[i].focus, series, 0.01 * series) << "shot " << i + 1;
	}
	EXPECT_NEAR(stack.shots[5].focus, H, 0.01 * H);
}

TEST_F(FocusStack, MacroStepsAndShotsOfTheRail)
{
	struct Row {
		const char *what;
		MacroStackRequest request;
		double effectiveAperture, depth, step;
		int shots;
	};
	for (const Row &row : {
		     Row{ "1:1 f/16, 10 mm deep, 20% overlap", { 1, 16, 0.03, 10, 1, 0.2 }, 32, 1.92, 1.536, 7 },
		     // 1.92 + 4 × 1.728 is 8.832 exactly: no sixth shot for rounding.
		     Row{ "1:1 f/16, 8.832 mm deep, 10% overlap", { 1, 16, 0.03, 8.832, 1, 0.1 }, 32, 1.92, 1.728, 5 },
		     Row{ "1:1 f/16, 1 mm deep", { 1, 16, 0.03, 1 }, 32, 1.92, 1.92, 1 },
		     // 8 × (1 + 2/0.5) = 40; 2 × 0.03 × 40 / 4 = 0.6; 8 × 0.6 + 0.6 ≥ 5.
		     Row{ "2:1 f/8, pupil 0.5, 5 mm deep", { 2, 8, 0.03, 5, 0.5 }, 40, 0.6, 0.6, 9 },
	     }) {
		const MacroStack stack = planMacroStack(row.request);
		ASSERT_EQ(stack.unusable, "") << row.what;
		EXPECT_NEAR(stack.effectiveAperture, row.effectiveAperture, 1e-12) << row.what;
		EXPECT_NEAR(stack.depthPerShot, row.depth, 1e-12) << row.what;
		EXPECT_NEAR(stack.step, row.step, 1e-12) << row.what;
		EXPECT_EQ(stack.shots, row.shots) << row.what;
		EXPECT_NEAR(stack.diffractionBlur, 2.44 * 0.00055 * row.effectiveAperture, 1e-12) << row.what;
	}
}

// The input tests themselves are validity's; here what only a plan finds.
TEST_F(FocusStack, UnusableRequestsSayWhyAndReadNotAvailable)
{
	for (const auto &[request, reason] : {
		     std::pair{ LandscapeStackRequest{ 24, 8, 0.03, 24, kInfinity },
				"nearest distance is not greater than the focal length" },
		     std::pair{ LandscapeStackRequest{ 50, 1.4, 0.03, 60, kInfinity },
				"the plan would need more than 100 shots" },
		     std::pair{ LandscapeStackRequest{ 24, 8, 1e-320, 1000, kInfinity },
				"the inputs give no finite result" },
	     }) {
		const LandscapeStack stack = planLandscapeStack(request);
		EXPECT_EQ(stack.unusable, reason);
		EXPECT_TRUE(stack.shots.empty()) << reason;
		const LandscapeStackTexts texts = landscapeStackTexts(stack, LengthUnit::Metres, RoundOther2);
		EXPECT_EQ(texts.count, "n/a");
		EXPECT_TRUE(texts.shots.empty());
	}
	for (const auto &[request, reason] : {
		     std::pair{ MacroStackRequest{ 1, 16, 0.03, 10, 1, 1.2 }, "overlap is not less than 100%" },
		     std::pair{ MacroStackRequest{ 1, 16, 0.03, 1000 }, "the plan would need more than 100 shots" },
		     std::pair{ MacroStackRequest{ 1e-200, 16, 0.03, 10 }, "the inputs give no finite result" },
	     }) {
		const MacroStack stack = planMacroStack(request);
		EXPECT_EQ(stack.unusable, reason);
		EXPECT_TRUE(std::isnan(stack.effectiveAperture) && std::isnan(stack.depthPerShot) &&
			    std::isnan(stack.step) && std::isnan(stack.diffractionBlur) && stack.shots == 0)
			<< reason;
		const MacroStackTexts texts = macroStackTexts(stack, request.coc, RoundOther2);
		for (const std::string &text : { texts.effectiveAperture, texts.depthPerShot, texts.step, texts.count })
			EXPECT_EQ(text, "n/a") << reason;
		EXPECT_EQ(texts.diffraction, "");
	}
}

// Figures of the rows above, rounded by hand.
TEST_F(FocusStack, TextsShowThePlansAsThePagesDo)
{
	const LandscapeStackTexts landscape = landscapeStackTexts(planLandscapeStack({ 24, 8, 0.03, 1000, kInfinity }),
								  LengthUnit::Metres, RoundOther2);
	EXPECT_EQ(landscape.count, "2 shots");
	ASSERT_EQ(landscape.shots.size(), 2u);
	for (const auto &[shot, focus, near, far] :
	     { std::tuple{ landscape.shots[0], "1.70 m", "1.00 m", "5.60 m" },
	       std::tuple{ landscape.shots[1], "2.42 m", "1.21 m", "infinity" } }) {
		EXPECT_EQ(shot.focus, focus);
		EXPECT_EQ(shot.near, near);
		EXPECT_EQ(shot.far, far);
	}
	EXPECT_EQ(landscapeStackTexts(planLandscapeStack({ 50, 8, 0.03, 2000, 2200 }), LengthUnit::Feet, RoundOtherNone)
			  .shots[0]
			  .near,
		  "6.561680 ft");

	const MacroStack macro = planMacroStack({ 1, 16, 0.03, 10, 1, 0.2 });
	const MacroStackTexts rounded = macroStackTexts(macro, 0.03, RoundOther2);
	EXPECT_EQ(rounded.effectiveAperture, "f/32");
	EXPECT_EQ(rounded.depthPerShot, "1.920 mm");
	EXPECT_EQ(rounded.step, "1.536 mm");
	EXPECT_EQ(rounded.count, "7 shots");
	EXPECT_EQ(rounded.diffraction.rfind("Diffraction: f/32 blurs 0.043 mm, more than the 0.030 mm circle", 0), 0u)
		<< rounded.diffraction;
	EXPECT_EQ(macroStackTexts(macro, 0.03, RoundOtherNone).step, "1.536000 mm");
	EXPECT_EQ(macroStackTexts(planMacroStack({ 1, 16, 0.03, 1 }), 0.03, RoundOther1).count, "One shot is enough");
}

} // namespace
} // namespace mirel
