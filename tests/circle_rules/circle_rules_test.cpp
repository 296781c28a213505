// The Circle of Confusion window's model: every rule's circle for the
// pages' format or a camera, from the inputs as typed, "n/a" with the
// reason for input no rule can use, and "Use" as a typed circle.

#include "circle_rules/circle_rules.h"

#include <gtest/gtest.h>

#include "cameras/camera_database.h"
#include "settings/model/lifecycle.h"
#include "settings/model/records.h"
#include "settings/model/remembered.h"

namespace mirel {
namespace {

using Input = CircleRules::Input;
using Rule = CircleRules::Rule;

class CircleRulesTest : public ::testing::Test
{
protected:
	void SetUp() override { loadSettingsAtStartup(nullptr); }
};

// The pages' 35mm, 36 × 24 mm: its diagonal 43.2666 mm over 1730, 1500 and
// 1440; printed 8 × 10 in (diagonal 325.279 mm) and seen from that far,
// 0.2 × (325.279 / 250) / (325.279 / 43.2666); 2 × 36 / 6000.
TEST_F(CircleRulesTest, EveryRuleSideBySideAndNotAvailableWithTheReason)
{
	struct Row {
		Input input;
		const char *typed;
		Rule rule;
		const char *text, *reason;
	};
	for (const Row &row : {
		     Row{ Input::Print, "A4", Rule::Classic, "0.02501 mm", "" },
		     Row{ Input::Print, "A4", Rule::Diagonal1500, "0.028844 mm", "" },
		     Row{ Input::Print, "A4", Rule::Diagonal1440, "0.030046 mm", "" },
		     Row{ Input::Print, "8x10in", Rule::Print, "0.034613 mm", "" },
		     Row{ Input::Viewing, "0.5", Rule::Print, "0.047579 mm", "" }, // A4 from 50 cm
		     Row{ Input::Pixels, "6000", Rule::Pixels, "0.012 mm", "" },
		     Row{ Input::Print, "A5", Rule::Print, "n/a", kUnreadablePrintSize.data() },
		     Row{ Input::Viewing, "near", Rule::Print, "n/a", "viewing distance is not greater than 0" },
		     Row{ Input::EyeBlur, "-0.2", Rule::Print, "n/a", "eye blur is not greater than 0" },
		     Row{ Input::Pixels, "", Rule::Pixels, "n/a", "pixel count is not greater than 0" },
		     Row{ Input::PixelFactor, "0", Rule::Pixels, "n/a", "pixel factor is not greater than 0" },
	     }) {
		remembered() = {};
		CircleRules rules;
		rules.setText(Input::Pixels, "6000");
		rules.setText(row.input, row.typed);
		const CoCResult result = rules.circle(row.rule);
		EXPECT_EQ(result.coc.text, row.text) << row.typed;
		EXPECT_EQ(result.unusable, row.reason) << row.typed;
	}
}

// By hand: the 7D's frame is 36 × 24 mm over 1.62; A4's diagonal 363.743 mm.
TEST_F(CircleRulesTest, ACameraChosenTheInputsKeptAndTheViewingDistanceInThePagesUnit)
{
	const CameraDatabaseLoad load = loadCameraDatabase(MIREL_CAMERA_FIXTURE);
	CircleRules rules;
	EXPECT_EQ(rules.frameText(), "35mm: 36 \xD7 24 mm");
	rules.useCamera(load.database->search("canon 7d").named());
	EXPECT_EQ(rules.frameText(), "Canon EOS 7D: 22.22 \xD7 14.81 mm");
	EXPECT_EQ(rules.circle(Rule::Classic).coc.text, "0.015438 mm");

	EXPECT_EQ(rules.printDiagonalText(), "0.363743");
	rules.setText(Input::Viewing, "0.5");
	rules.setText(Input::Pixels, "5184");
	currentSettings().LengthUnit = LengthUnit::Centimetres;
	EXPECT_TRUE(rules.followUnit());
	EXPECT_EQ(rules.text(Input::Viewing), "50");
	EXPECT_EQ(rules.printDiagonalText(), "36.374304");
	EXPECT_EQ(remembered().circleViewing, 500.0);

	const CircleRules again;
	EXPECT_EQ(again.text(Input::Viewing), "50");
	EXPECT_EQ(again.text(Input::Pixels), "5184");
	EXPECT_EQ(again.camera(), nullptr) << "a new window opens on the pages' format";
}

TEST_F(CircleRulesTest, UseWritesTheCircleAsTypedAndNothingForNotAvailable)
{
	CircleRules rules;
	ASSERT_TRUE(rules.use(Rule::Diagonal1500));
	EXPECT_EQ(currentSettings().filmCoC, 0.028844);
	rules.setText(Input::Pixels, "none");
	EXPECT_FALSE(rules.use(Rule::Pixels));
	EXPECT_EQ(currentSettings().filmCoC, 0.028844);
}

} // namespace
} // namespace mirel
