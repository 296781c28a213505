#include "shell/startup_prefs_dlg.h"

#include "dialog_test_support.h"
#include "pages/conventions.h"
#include "resources/control_ids.h"

namespace mirel::testing {
namespace {

namespace id = ids::startupprefs;

constexpr int kFieldOfView = static_cast<int>(PageIndex::FieldOfView);
constexpr int kMagnification = static_cast<int>(PageIndex::Magnification);

using StartupPreferences = DialogTest;

TEST_F(StartupPreferences, OpensOnThePreferencesInForce)
{
	struct Row {
		bool fieldsBecomeDefaults, startWithLast;
		int page;
		const char *pageText; // none for no page yet, or a damaged one
	};
	for (const Row row : { Row{ true, false, 0, "f Numbers" }, Row{ false, true, 3, "Field of View" },
			       Row{ true, true, 6, "Spot Meter Angle" }, Row{ false, true, -1, "" },
			       Row{ false, false, 9, "" } }) {
		prefs = { row.startWithLast, static_cast<std::int8_t>(row.page), row.fieldsBecomeDefaults };
		OpenDialog<StartupPrefsDlg> d;
		EXPECT_EQ(d.controls.isChecked(id::FieldsBecomeDefaults), row.fieldsBecomeDefaults) << row.page;
		EXPECT_EQ(d.controls.isChecked(id::StartWithLastForm), row.startWithLast) << row.page;
		EXPECT_EQ(d.picked(id::StartPage), row.pageText) << row.page;
		EXPECT_EQ(d.controls.dropDownHeight(id::StartPage), d.controls.itemCount(id::StartPage));
	}
	// The ticks are those of when the dialog was made.
	OpenDialog<StartupPrefsDlg> late([&] { prefs.FieldsBecomeDefaults = prefs.StartWithLastForm = true; });
	EXPECT_FALSE(late.controls.isChecked(id::FieldsBecomeDefaults));
	EXPECT_FALSE(late.controls.isChecked(id::StartWithLastForm));
}

TEST_F(StartupPreferences, OkStoresTicksAndPage)
{
	struct Row {
		bool clickFieldsBecomeDefaults, clickStartWithLast;
		int page;
		StartupPrefs stored;
	};
	// The built-in preferences: start with the last page, fields not kept.
	for (const Row row : { Row{ false, false, 0, { true, 0, false } }, Row{ true, false, 6, { true, 6, true } },
			       Row{ false, true, 3, { false, 3, false } }, Row{ true, true, -1, { false, -1, true } } }) {
		startAfresh();
		prefs.StartupForm = 2;
		OpenDialog<StartupPrefsDlg> d;
		if (row.clickFieldsBecomeDefaults)
			d.controls.click(id::FieldsBecomeDefaults);
		if (row.clickStartWithLast)
			d.controls.click(id::StartWithLastForm);
		d.choose(id::StartPage, row.page);
		d.ok();
		EXPECT_EQ(prefs, row.stored) << row.page;
	}
}

TEST_F(StartupPreferences, CancelLeavesTheRecordsAlone)
{
	const auto before = records();
	{
		OpenDialog<StartupPrefsDlg> d;
		d.controls.click(id::FieldsBecomeDefaults);
		d.controls.click(id::StartWithLastForm);
		d.controls.pick(id::StartPage, kMagnification);
	}
	EXPECT_EQ(records(), before);
}

// With StartWithLastForm the start page follows the pages used, so the page
// chosen lasts only until another page is used; without, it stays.
TEST_F(StartupPreferences, StartPageFollowsThePagesUsedOnlyWithStartWithLastForm)
{
	for (const bool startWithLast : { true, false }) {
		startAfresh();
		OpenDialog<StartupPrefsDlg> d;
		if (!startWithLast)
			d.controls.click(id::StartWithLastForm);
		d.controls.pick(id::StartPage, kFieldOfView);
		d.ok();
		recordActivePage(kMagnification);
		OpenDialog<StartupPrefsDlg> again;
		EXPECT_EQ(again.picked(id::StartPage), startWithLast ? "Magnification" : "Field of View");
	}
}

} // namespace
} // namespace mirel::testing
