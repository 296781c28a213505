#include "shell/rounding_rules_dlg.h"

#include "dialog_test_support.h"
#include "resources/control_ids.h"

namespace mirel::testing {
namespace {

namespace id = ids::roundingrules;

using RoundingRules = DialogTest;

TEST_F(RoundingRules, OpensOnTheWorkingRules)
{
	struct Row {
		int stops, other;
		const char *stopsText, *otherText;
	};
	// The stored defaults are not the rules in force.
	defaults.RoundStopsMethod = defaults.RoundOtherMethod = 1;
	for (const Row row : { Row{ 0, 2, "None", "2 decimal places" }, Row{ 2, 3, "Nearest 1/3 stop", "3 decimal places" },
			       // Nothing selected after an OK without a selection, or for
			       // a rule no entry stands for.
			       Row{ -1, -1, "", "" }, Row{ 3, 4, "", "" } }) {
		current.RoundStopsMethod = row.stops;
		current.RoundOtherMethod = row.other;
		OpenDialog<RoundingRulesDlg> d;
		EXPECT_EQ(d.picked(id::Stops), row.stopsText) << row.stops;
		EXPECT_EQ(d.picked(id::Other), row.otherText) << row.other;
		for (int list : { id::Stops, id::Other })
			EXPECT_EQ(d.controls.dropDownHeight(list), d.controls.itemCount(list)) << "opens showing every rule";
	}
}

TEST_F(RoundingRules, OkStoresThePositionsInTheWorkingRulesOnly)
{
	struct Row {
		int stops, other;
	};
	const CalcSettings storedBefore = defaults;
	for (const Row row : { Row{ 1, 3 }, Row{ 2, 0 }, Row{ 0, 1 }, Row{ -1, -1 } }) {
		current.RoundStopsMethod = 1;
		current.RoundOtherMethod = 2;
		OpenDialog<RoundingRulesDlg> d;
		d.choose(id::Stops, row.stops);
		d.choose(id::Other, row.other);
		d.ok();
		EXPECT_EQ(current.RoundStopsMethod, row.stops);
		EXPECT_EQ(current.RoundOtherMethod, row.other);
	}
	EXPECT_EQ(defaults, storedBefore);
}

TEST_F(RoundingRules, CancelLeavesTheRecordsAlone)
{
	const auto before = records();
	{
		OpenDialog<RoundingRulesDlg> d;
		d.controls.pick(id::Stops, 1);
		d.controls.pick(id::Other, 3);
	}
	EXPECT_EQ(records(), before);
}

} // namespace
} // namespace mirel::testing
