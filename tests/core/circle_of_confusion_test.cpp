#include "core/circle_of_confusion.h"

#include <limits>

#include <gtest/gtest.h>

namespace mirel {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Figures worked out by hand: the 36 × 24 mm diagonal is 43.26662 mm, the
// 8 × 10 in print's 325.27 mm, the A4 sheet's 363.743 mm, the 23.5 × 15.6 mm
// frame's 28.2066 mm.
TEST(CircleOfConfusion, EachRuleGivesItsCircle)
{
	struct Row {
		const char *rule;
		CoCResult result;
		double mm;
		const char *text;
	};
	for (const Row &row : {
		     Row{ "36x24 over 1730", diagonalRuleCoC(36, 24, DiagonalRule::Classic), 0.0250096, "0.02501 mm" },
		     Row{ "36x24 over 1500", diagonalRuleCoC(36, 24, DiagonalRule::Diagonal1500), 0.0288444,
			  "0.028844 mm" },
		     Row{ "36x24 over 1440", diagonalRuleCoC(36, 24, DiagonalRule::Diagonal1440), 0.0300463,
			  "0.030046 mm" },
		     Row{ "36x24, 6000 pixels", pixelCoC(36, 6000), 0.012, "0.012 mm" },
		     Row{ "36x24, 6000 pixels, k 3", pixelCoC(36, 6000, 3), 0.018, "0.018 mm" },
		     // 0.2 × (325.27 / 250) / (325.27 / 43.267)
		     Row{ "36x24 on 8x10 in from its diagonal", printCoC(36, 24, { 203.2, 254.0, {} }), 0.0346133,
			  "0.034613 mm" },
		     // 0.2 × (500 / 250) / (363.743 / 43.267)
		     Row{ "36x24 on A4 from 50 cm", printCoC(36, 24, { 210, 297, 500.0 }), 0.0475793, "0.047579 mm" },
		     // 0.25 × (1000 / 250) / (500 / 28.2066)
		     Row{ "23.5x15.6 on 30x40 cm from 1 m, blur 0.25", printCoC(23.5, 15.6, { 300, 400, 1000.0, 0.25 }),
			  0.0564132, "0.056413 mm" },
	     }) {
		EXPECT_EQ(row.result.unusable, "") << row.rule;
		EXPECT_NEAR(row.result.coc.value, row.mm, 5e-7) << row.rule;
		EXPECT_EQ(row.result.coc.text, row.text) << row.rule;
	}
}

TEST(CircleOfConfusion, UnusableInputsGiveNotAvailableWithTheReason)
{
	struct Row {
		const char *inputs;
		CoCResult result;
		const char *reason;
	};
	for (const Row &row : {
		     Row{ "frame 0 x 24", diagonalRuleCoC(0, 24, DiagonalRule::Classic),
			  "frame width is not greater than 0" },
		     Row{ "frame 36 x NaN", diagonalRuleCoC(36, kNaN, DiagonalRule::Diagonal1500),
			  "frame height is not a finite number" },
		     Row{ "print -210 x 297", printCoC(36, 24, { -210, 297, {} }),
			  "print width is not greater than 0" },
		     Row{ "print 210 x inf", printCoC(36, 24, { 210, kInf, {} }),
			  "print height is not a finite number" },
		     Row{ "viewing 0", printCoC(36, 24, { 210, 297, 0.0 }), "viewing distance is not greater than 0" },
		     Row{ "viewing NaN", printCoC(36, 24, { 210, 297, kNaN }),
			  "viewing distance is not a finite number" },
		     Row{ "eye blur -0.2", printCoC(36, 24, { 210, 297, {}, -0.2 }), "eye blur is not greater than 0" },
		     Row{ "pixels 0", pixelCoC(36, 0), "pixel count is not greater than 0" },
		     Row{ "pixels inf", pixelCoC(36, kInf), "pixel count is not a finite number" },
		     Row{ "factor 0", pixelCoC(36, 6000, 0), "pixel factor is not greater than 0" },
		     Row{ "pixels 1e-320", pixelCoC(36, 1e-320), "the inputs give no finite result" },
	     }) {
		EXPECT_EQ(row.result.unusable, row.reason) << row.inputs;
		EXPECT_EQ(row.result.coc.text, "n/a") << row.inputs;
	}
}

} // namespace
} // namespace mirel
