#include "shell/pick_list.h"

#include <gtest/gtest.h>

#include "resources/control_ids.h"
#include "resources/templates.h"
#include "ui/headless_controls.h"

namespace mirel::testing {
namespace {

namespace id = ids::roundingrules;

// Remembers the index each selection was asked for: toolkits differ in what
// they do with one that names no entry, so none may reach them.
class SelectionSpy : public ui::NotificationSink, public ui::HeadlessControls
{
public:
	SelectionSpy() : HeadlessControls(resources::roundingRulesTemplate(), *this) {}
	void notify(int, ui::Notification) override {}
	void setSelection(int id, int index) override
	{
		asked.push_back(index);
		HeadlessControls::setSelection(id, index);
	}
	std::vector<int> asked;
};

TEST(PickList, SelectsOnlyEntriesThatExist)
{
	struct Row {
		int index, asked;
	};
	// The "Stops to :" list has three entries.
	for (const Row row : { Row{ 0, 0 }, Row{ 2, 2 }, Row{ 3, -1 }, Row{ -1, -1 }, Row{ -7, -1 }, Row{ 255, -1 } }) {
		SelectionSpy controls;
		showPickList(controls, id::Stops, 3, row.index);
		EXPECT_EQ(controls.asked, std::vector<int>{ row.asked }) << row.index;
		EXPECT_EQ(controls.selection(id::Stops), row.asked) << row.index;
		EXPECT_EQ(controls.dropDownHeight(id::Stops), 3);
	}
}

TEST(PickList, FallbackOnlyWithoutASelection)
{
	SelectionSpy controls;
	EXPECT_EQ(pickedOr(controls, id::Other, 2), 2);
	controls.pick(id::Other, 0);
	EXPECT_EQ(pickedOr(controls, id::Other, 2), 0);
	controls.pick(id::Other, 3);
	EXPECT_EQ(pickedOr(controls, id::Other, 2), 3);
}

} // namespace
} // namespace mirel::testing
