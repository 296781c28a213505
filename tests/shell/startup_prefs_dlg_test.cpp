#include "shell/startup_prefs_dlg.h"

#include "dialog_test_support.h"
#include "pages/conventions.h"
#include "resources/control_ids.h"
#include "settings/lifecycle.h"

namespace mirel::testing {
namespace {

namespace id = ids::startupprefs;

constexpr int kHyperfocal = static_cast<int>(PageIndex::Hyperfocal);
constexpr int kFieldOfView = static_cast<int>(PageIndex::FieldOfView);
constexpr int kMagnification = static_cast<int>(PageIndex::Magnification);
constexpr int kSpotMeter = static_cast<int>(PageIndex::SpotMeter);

using StartupPreferences = DialogTest;

TEST_F(StartupPreferences, OpensOnTheBuiltInPreferences)
{
	OpenDialog<StartupPrefsDlg> d;
	EXPECT_TRUE(d.controls.isChecked(id::StartWithLastForm));
	EXPECT_FALSE(d.controls.isChecked(id::FieldsBecomeDefaults));
	EXPECT_EQ(d.controls.selection(id::StartPage), -1);
}

TEST_F(StartupPreferences, OpensOnThePreferencesInForce)
{
	struct Row {
		bool fieldsBecomeDefaults, startWithLast;
		int page;
		const char *pageText;
	};
	for (const Row row : { Row{ true, false, 0, "f Numbers" }, Row{ false, false, 1, "Depth of Field" },
			       Row{ true, true, 2, "Hyperfocal Distance" }, Row{ false, true, 3, "Field of View" },
			       Row{ true, false, 4, "Angle of View" }, Row{ false, false, 5, "Magnification" },
			       Row{ true, true, 6, "Spot Meter Angle" }, Row{ false, true, -1, "" },
			       Row{ false, false, 9, "" } }) {
		prefs = { row.startWithLast, static_cast<std::int8_t>(row.page), row.fieldsBecomeDefaults };
		OpenDialog<StartupPrefsDlg> d;
		EXPECT_EQ(d.controls.isChecked(id::FieldsBecomeDefaults), row.fieldsBecomeDefaults) << row.page;
		EXPECT_EQ(d.controls.isChecked(id::StartWithLastForm), row.startWithLast) << row.page;
		EXPECT_EQ(d.picked(id::StartPage), row.pageText) << row.page;
	}
}

TEST_F(StartupPreferences, ShowsThePageWorkedOnLast)
{
	recordActivePage(kMagnification);
	OpenDialog<StartupPrefsDlg> d;
	EXPECT_EQ(d.picked(id::StartPage), "Magnification");
}

TEST_F(StartupPreferences, TicksAreThoseOfWhenTheDialogWasMade)
{
	StartupPrefsDlg dialog;
	prefs.FieldsBecomeDefaults = true;
	prefs.StartWithLastForm = false;
	RecordingHost host;
	ui::HeadlessControls controls(dialog.dialogTemplate(), dialog);
	dialog.init(controls, host);
	EXPECT_FALSE(controls.isChecked(id::FieldsBecomeDefaults));
	EXPECT_TRUE(controls.isChecked(id::StartWithLastForm));
}

TEST_F(StartupPreferences, ListOpensSevenEntriesTall)
{
	OpenDialog<StartupPrefsDlg> d;
	EXPECT_EQ(d.controls.dropDownHeight(id::StartPage), 7);
}

TEST_F(StartupPreferences, OkStoresTicksAndPage)
{
	struct Row {
		bool clickFieldsBecomeDefaults, clickStartWithLast;
		int page;
		StartupPrefs stored;
	};
	for (const Row row : { Row{ false, false, 0, { true, 0, false } }, Row{ true, false, 6, { true, 6, true } },
			       Row{ false, true, 3, { false, 3, false } }, Row{ true, true, 5, { false, 5, true } } }) {
		startAfresh();
		OpenDialog<StartupPrefsDlg> d;
		if (row.clickFieldsBecomeDefaults)
			d.controls.click(id::FieldsBecomeDefaults);
		if (row.clickStartWithLast)
			d.controls.click(id::StartWithLastForm);
		d.controls.pick(id::StartPage, row.page);
		d.ok();
		EXPECT_EQ(prefs, row.stored) << row.page;
	}
}

TEST_F(StartupPreferences, OkWithoutAPageStoresMinusOne)
{
	prefs.StartupForm = 2;
	OpenDialog<StartupPrefsDlg> d;
	d.controls.setSelection(id::StartPage, -1);
	d.ok();
	EXPECT_EQ(prefs.StartupForm, -1);
}

TEST_F(StartupPreferences, CancelKeepsThePreferences)
{
	const StartupPrefs before = prefs;
	{
		OpenDialog<StartupPrefsDlg> d;
		d.controls.click(id::FieldsBecomeDefaults);
		d.controls.click(id::StartWithLastForm);
		d.controls.pick(id::StartPage, kSpotMeter);
	}
	EXPECT_EQ(prefs, before);
}

TEST_F(StartupPreferences, ChosenPageLastsUntilAnotherPageIsUsed)
{
	OpenDialog<StartupPrefsDlg> d;
	d.controls.pick(id::StartPage, kSpotMeter);
	d.ok();
	EXPECT_EQ(d.picked(id::StartPage), "Spot Meter Angle");
	EXPECT_EQ(prefs.StartupForm, kSpotMeter);

	recordActivePage(kHyperfocal);
	EXPECT_EQ(prefs.StartupForm, kHyperfocal);
}

TEST_F(StartupPreferences, ChosenPageStaysWithoutStartWithLast)
{
	OpenDialog<StartupPrefsDlg> d;
	d.controls.click(id::StartWithLastForm);
	d.controls.pick(id::StartPage, kFieldOfView);
	d.ok();
	EXPECT_EQ(d.picked(id::StartPage), "Field of View");
	EXPECT_EQ(prefs.StartupForm, kFieldOfView);

	for (const int page : { kHyperfocal, kSpotMeter }) {
		recordActivePage(page);
		EXPECT_EQ(activePageIndex(), page);
		EXPECT_EQ(prefs.StartupForm, kFieldOfView);
	}
}

TEST_F(StartupPreferences, FieldValuesBecomeDefaultsOnlyAtExit)
{
	const CalcSettings defaultsBefore = defaults;
	OpenDialog<StartupPrefsDlg> d;
	d.controls.click(id::FieldsBecomeDefaults);
	d.ok();
	current.FocalLength = 85.0;
	EXPECT_EQ(defaults, defaultsBefore);

	saveSettingsAtExit(nullptr);
	EXPECT_EQ(defaults.FocalLength, 85.0);
}

} // namespace
} // namespace mirel::testing
