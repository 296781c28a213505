#include "shell/about_dlg.h"

#include "dialog_test_support.h"
#include "resources/control_ids.h"
#include "resources/templates.h"

namespace mirel::testing {
namespace {

namespace id = ids::about;

using About = DialogTest;

TEST_F(About, LicenceOpensItsTopicAndTheTrickRunsIntroThenLightTable)
{
	const auto before = records();
	OpenDialog<AboutDlg> d;
	EXPECT_EQ(d.controls.text(id::Link), "https://mirel.example.org");
	d.controls.click(id::License);
	EXPECT_EQ(d.host.helpTopics, std::vector<int>{ 101 });
	EXPECT_TRUE(d.host.runs.empty());
	// Each click runs both, one after the other.
	d.controls.click(id::LightTable);
	d.controls.click(id::LightTable);
	ASSERT_EQ(d.host.runs.size(), 4u);
	for (std::size_t i = 0; i < 4; ++i) {
		// The intro closes itself after three seconds; the light table
		// covers the screen in white, its hint centred, until Esc.
		const bool intro = i % 2 == 0;
		const auto &[templateId, shown] = d.host.runs[i];
		EXPECT_EQ(templateId, intro ? resources::lightTableIntroTemplate().id : resources::lightTableTemplate().id);
		EXPECT_TRUE(shown.captionless) << i;
		EXPECT_EQ(shown.fullScreenWhite, !intro) << i;
		EXPECT_EQ(shown.autoCloseMs, intro ? 3000 : 0) << i;
	}
	const int hint = d.host.runs[1].presentation.centredLabelId;
	EXPECT_TRUE(hint != ui::kNoId && resources::lightTableTemplate().find(hint)) << hint;
	EXPECT_EQ(d.host.helpTopics.size(), 1u);
	d.ok();
	EXPECT_EQ(records(), before);
}

} // namespace
} // namespace mirel::testing
