#include "core/optics.h"

#include <cmath>

#include <gtest/gtest.h>

#include "core/number_text.h"

namespace mirel {
namespace {

// A 50 mm lens on the 35 mm frame, the reference case photographers check.
constexpr double kFocal = 50.0;
constexpr double kWidth = 36.0;
constexpr double kHeight = 24.0;
const double kCoC35 = suggestedCoC(kWidth, kHeight);

TEST(Optics, SuggestedCircleOfConfusionIsTheDiagonalOver1730)
{
	EXPECT_DOUBLE_EQ(kCoC35, 0.025009604222871604);
	EXPECT_NEAR(suggestedCoC(279.4, 355.6), 0.26141, 5e-6);
}

TEST(Optics, AngleOfView)
{
	struct Row {
		const char *what;
		double dimension, degrees;
	};
	for (const Row row : { Row{ "horizontal", kWidth, 39.597753 }, Row{ "vertical", kHeight, 26.991466 },
			       Row{ "diagonal", std::hypot(kWidth, kHeight), 46.793003 } }) {
		EXPECT_NEAR(toDegrees(angleOfView(kFocal, row.dimension)), row.degrees, 1e-6) << row.what;
	}
}

TEST(Optics, DegreesUseTheFiveDigitFactor)
{
	// 18 mm across 36 mm is a right angle; the factor 57.29578 makes it read
	// one millionth above 90.
	EXPECT_EQ(formatFixed(toDegrees(angleOfView(18.0, 36.0))), "90.000001");
}

TEST(Optics, HyperfocalDistance)
{
	EXPECT_NEAR(hyperfocalDistance(kFocal, 8.0, kCoC35), 12495.1997, 1e-4);
	EXPECT_NEAR(hyperfocalDistance(50.0, 8.0, 0.03), 10416.6667, 1e-4);
}

TEST(Optics, DepthOfFieldLimits)
{
	struct Row {
		double N, c, s, near, far;
	};
	for (const Row row : {
		     Row{ 8.0, kCoC35, 5000.0, 3581.2716, 8280.2312 },
		     Row{ 8.0, kCoC35, 20000.0, 7702.3411, -33522.5607 },
		     Row{ 8.0, 0.03, 5000.0, 3389.3713, 9527.4390 },
		     // Focused at the focal length both limits are the subject.
		     Row{ 8.0, 0.03, kFocal, kFocal, kFocal },
	     }) {
		const DepthOfFieldLimits limits = depthOfFieldLimits(kFocal, row.N, row.c, row.s);
		EXPECT_NEAR(limits.near, row.near, 1e-3) << row.s;
		EXPECT_NEAR(limits.far, row.far, 1e-2) << row.s;
	}
}

TEST(Optics, Magnification)
{
	EXPECT_NEAR(magnification(1000.0, kFocal), 0.0526315789, 1e-10);
	EXPECT_DOUBLE_EQ(magnification(100.0, kFocal), 1.0);
	EXPECT_TRUE(std::isinf(magnification(kFocal, kFocal)));
}

TEST(Optics, SpotAngle)
{
	const double area = kWidth * kHeight;
	EXPECT_NEAR(toDegrees(spotAngle(area, 9.5, kFocal)), 11.674015, 1e-6);
	EXPECT_EQ(formatFixed(toDegrees(spotAngle(area, 100.0, kFocal))), "36.698721");
}

} // namespace
} // namespace mirel
