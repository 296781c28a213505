#include "shell/about_dlg.h"

#include <algorithm>

#include "dialog_test_support.h"
#include "resources/control_ids.h"
#include "shell/light_table_dlg.h"

namespace mirel::testing {
namespace {

namespace id = ids::about;

using About = DialogTest;

bool hasLabel(const ui::DialogTemplate &dialog, const std::string &text)
{
	return std::ranges::any_of(dialog.controls, [&](const ui::ControlTemplate &c) {
		return c.kind == ui::ControlKind::Static && c.text == text;
	});
}

TEST_F(About, ShowsNameVersionAndWebAddress)
{
	OpenDialog<AboutDlg> d;
	EXPECT_TRUE(hasLabel(d.dialog.dialogTemplate(), "Mirel Version 1.14"));
	EXPECT_EQ(d.controls.text(id::Link), "https://mirel.example.org");
}

TEST_F(About, WebAddressCannotBeEdited)
{
	OpenDialog<AboutDlg> d;
	const ui::ControlTemplate *link = d.dialog.dialogTemplate().find(id::Link);
	ASSERT_NE(link, nullptr);
	EXPECT_EQ(link->kind, ui::ControlKind::Edit);
	EXPECT_TRUE(link->style & ui::kReadOnly);
	d.controls.type(id::Link, "http://elsewhere");
	EXPECT_EQ(d.controls.text(id::Link), "https://mirel.example.org");
}

TEST_F(About, LicenseButtonOpensTheLicenceTopic)
{
	OpenDialog<AboutDlg> d;
	d.controls.click(id::License);
	EXPECT_EQ(d.host.helpTopics, std::vector<int>{ ids::help::License });
	EXPECT_TRUE(d.host.runs.empty());
}

TEST_F(About, TrickRunsTheIntroThenTheLightTable)
{
	OpenDialog<AboutDlg> d;
	d.controls.click(id::LightTable);
	ASSERT_EQ(d.host.runs.size(), 2u);
	EXPECT_EQ(d.host.runs[0].templateId, 147);
	EXPECT_EQ(d.host.runs[1].templateId, 148);
	EXPECT_TRUE(d.host.helpTopics.empty());

	// Each click runs both again.
	d.controls.click(id::LightTable);
	ASSERT_EQ(d.host.runs.size(), 4u);
	EXPECT_EQ(d.host.runs[2].templateId, 147);
	EXPECT_EQ(d.host.runs[3].templateId, 148);
}

TEST_F(About, OkChangesNoRecord)
{
	const CalcSettings currentBefore = current;
	const CalcSettings defaultsBefore = defaults;
	const StartupPrefs prefsBefore = prefs;
	OpenDialog<AboutDlg> d;
	d.controls.click(id::License);
	d.controls.click(id::LightTable);
	d.ok();
	EXPECT_EQ(current, currentBefore);
	EXPECT_EQ(defaults, defaultsBefore);
	EXPECT_EQ(prefs, prefsBefore);
}

TEST_F(About, IntroClosesItselfAfterThreeSeconds)
{
	const DialogPresentation p = EasterEggIntroDlg().presentation();
	EXPECT_EQ(p.autoCloseMs, 3000);
	EXPECT_FALSE(p.fullScreenWhite);
	EXPECT_TRUE(hasLabel(EasterEggIntroDlg().dialogTemplate(), "Poor Man's Light Table"));
}

TEST_F(About, LightTableCoversTheScreenWithTheHintOnTop)
{
	EasterEggExitDlg lightTable;
	const DialogPresentation p = lightTable.presentation();
	EXPECT_TRUE(p.fullScreenWhite);
	EXPECT_EQ(p.autoCloseMs, 0);
	ASSERT_EQ(p.centredLabelId, ids::lighttable::Label);
	const ui::ControlTemplate *hint = lightTable.dialogTemplate().find(p.centredLabelId);
	ASSERT_NE(hint, nullptr);
	EXPECT_EQ(hint->text, "Press Esc to leave this silly thing...");
}

} // namespace
} // namespace mirel::testing
