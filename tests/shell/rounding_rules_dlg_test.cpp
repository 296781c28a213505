#include "shell/rounding_rules_dlg.h"

#include "dialog_test_support.h"
#include "resources/control_ids.h"

namespace mirel::testing {
namespace {

namespace id = ids::roundingrules;

using RoundingRules = DialogTest;

TEST_F(RoundingRules, OpensOnTheRulesInForce)
{
	struct Row {
		int stops, other;
		const char *stopsText, *otherText;
	};
	for (const Row row : { Row{ 0, 2, "None", "2 decimal places" }, Row{ 2, 0, "Nearest 1/3 stop", "None" },
			       Row{ 1, 3, "Nearest 1/2 stop", "3 decimal places" }, Row{ 0, 1, "None", "1 decimal place" },
			       // Nothing selected after an earlier OK without a selection, or
			       // for a rule no entry stands for.
			       Row{ -1, -1, "", "" }, Row{ 3, 4, "", "" } }) {
		current.RoundStopsMethod = row.stops;
		current.RoundOtherMethod = row.other;
		OpenDialog<RoundingRulesDlg> d;
		EXPECT_EQ(d.picked(id::Stops), row.stopsText) << row.stops;
		EXPECT_EQ(d.picked(id::Other), row.otherText) << row.other;
	}
}

TEST_F(RoundingRules, ReadsTheWorkingRulesNotTheStoredOnes)
{
	current.RoundOtherMethod = 3;
	defaults.RoundOtherMethod = 1;
	OpenDialog<RoundingRulesDlg> d;
	EXPECT_EQ(d.picked(id::Other), "3 decimal places");
}

TEST_F(RoundingRules, ListsOpenThreeAndFourEntriesTall)
{
	OpenDialog<RoundingRulesDlg> d;
	EXPECT_EQ(d.controls.dropDownHeight(id::Stops), 3);
	EXPECT_EQ(d.controls.dropDownHeight(id::Other), 4);
}

TEST_F(RoundingRules, OkStoresThePickedPositions)
{
	struct Row {
		int stops, other;
	};
	for (const Row row : { Row{ 1, 3 }, Row{ 2, 0 }, Row{ 0, 1 } }) {
		current.RoundStopsMethod = 0;
		current.RoundOtherMethod = 2;
		OpenDialog<RoundingRulesDlg> d;
		d.controls.pick(id::Stops, row.stops);
		d.controls.pick(id::Other, row.other);
		d.ok();
		EXPECT_EQ(current.RoundStopsMethod, row.stops);
		EXPECT_EQ(current.RoundOtherMethod, row.other);
	}
}

TEST_F(RoundingRules, OkLeavesTheStoredDefaultsAlone)
{
	const CalcSettings before = defaults;
	OpenDialog<RoundingRulesDlg> d;
	d.controls.pick(id::Stops, 1);
	d.controls.pick(id::Other, 3);
	d.ok();
	EXPECT_EQ(defaults, before);
	EXPECT_EQ(current.RoundStopsMethod, 1);
}

TEST_F(RoundingRules, CancelKeepsTheRulesAfterPicks)
{
	current.RoundStopsMethod = 2;
	current.RoundOtherMethod = 0;
	const CalcSettings before = current;
	{
		OpenDialog<RoundingRulesDlg> d;
		d.controls.pick(id::Stops, 1);
		d.controls.pick(id::Other, 3);
	}
	EXPECT_EQ(current, before);
}

TEST_F(RoundingRules, OkWithoutASelectionStoresMinusOne)
{
	current.RoundStopsMethod = 1;
	current.RoundOtherMethod = 2;
	OpenDialog<RoundingRulesDlg> d;
	d.controls.setSelection(id::Stops, -1);
	d.controls.setSelection(id::Other, -1);
	d.ok();
	EXPECT_EQ(current.RoundStopsMethod, -1);
	EXPECT_EQ(current.RoundOtherMethod, -1);
}

} // namespace
} // namespace mirel::testing
