// The settings dialogs' models on headless controls, driven as a user drives
// them: what each shows when it opens, and what OK stores and where. (Cancel,
// help and the About box are tested on the running program.)

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialogs/defaults_dlg.h"
#include "dialogs/rounding_rules_dlg.h"
#include "dialogs/startup_prefs_dlg.h"
#include "pages/conventions.h"
#include "resources/control_ids.h"
#include "settings/model/film_formats.h"
#include "settings/model/lifecycle.h"
#include "settings/model/records.h"
#include "testing/headless_dialog.h"

namespace mirel::testing {
namespace {

// One modal run of a dialog, ended by its OK button.
template <typename Dialog>
struct OpenDialog {
	OpenDialog() : run(dialog, host), controls(run.controls()) {}

	void ok()
	{
		controls.click(ui::kIdOk);
		EXPECT_EQ(run.result(), true);
	}
	// The text of the selected entry of list id, empty when none is.
	std::string picked(int id) const { return controls.itemText(id, controls.selection(id)); }
	// Picks entry index as the user does; -1 leaves the list without one.
	void choose(int id, int index) { index < 0 ? controls.setSelection(id, -1) : controls.pick(id, index); }
	// Each list opens showing every entry.
	void expectFullDropDowns(std::initializer_list<int> lists) const
	{
		for (const int list : lists)
			EXPECT_EQ(controls.dropDownHeight(list), controls.itemCount(list)) << list;
	}

	Dialog dialog;
	NoHost host;
	HeadlessDialog run;
	ui::HeadlessControls &controls;
};

// Each test, and each row of a table, starts from the built-in settings.
class DialogModels : public ::testing::Test
{
protected:
	void SetUp() override { startAfresh(); }
	static void startAfresh()
	{
		loadSettingsAtStartup(nullptr);
		activePageIndex() = 0;
	}

	CalcSettings &current = currentSettings();
	CalcSettings &defaults = defaultSettings();
	StartupPrefs &prefs = startupPrefs();
};

// The rules in force are shown, not the stored defaults; nothing is selected
// after an OK without a selection, or for a rule no entry stands for. OK
// stores the positions in the working rules only.
TEST_F(DialogModels, RoundingRulesShowAndStoreTheWorkingRules)
{
	namespace id = ids::roundingrules;
	struct Row {
		int stops, other;
		const char *stopsText, *otherText;
		int newStops, newOther;
	};
	defaults.RoundStopsMethod = defaults.RoundOtherMethod = 1;
	const CalcSettings storedBefore = defaults;
	for (const Row row : { Row{ 0, 2, "None", "2 decimal places", 1, 3 },
			       Row{ 2, 3, "Nearest 1/3 stop", "3 decimal places", -1, -1 }, Row{ -1, -1, "", "", 2, 0 },
			       Row{ 3, 4, "", "", 0, 1 } }) {
		current.RoundStopsMethod = row.stops;
		current.RoundOtherMethod = row.other;
		OpenDialog<RoundingRulesDlg> d;
		EXPECT_EQ(d.picked(id::Stops), row.stopsText) << row.stops;
		EXPECT_EQ(d.picked(id::Other), row.otherText) << row.other;
		d.expectFullDropDowns({ id::Stops, id::Other });
		d.choose(id::Stops, row.newStops);
		d.choose(id::Other, row.newOther);
		d.ok();
		EXPECT_EQ(current.RoundStopsMethod, row.newStops);
		EXPECT_EQ(current.RoundOtherMethod, row.newOther);
	}
	EXPECT_EQ(defaults, storedBefore);
}

// The stored defaults are shown, lengths in millimetres whatever the unit,
// with the film names the pages work with. OK stores the six fields in both
// records; a list left without a selection keeps what was stored.
TEST_F(DialogModels, DefaultsShowTheStoredDefaultsOkStoresThemInBothRecords)
{
	namespace id = ids::defaults;
	struct Row {
		double value;
		const char *text;
		LengthUnit unit;
		const char *unitName;
		const char *aperture; // typed
		double apertureStored;
		int newUnit, newFilm;
	};
	for (const Row row :
	     { Row{ 8.0, "8.0", LengthUnit::Millimetres, "Millimeters", "5.6", 5.6, 4, 2 },
	       Row{ 11.313708499, "11.313708", LengthUnit::Centimetres, "Centimeters", "12abc", 12.0, -1, -1 },
	       Row{ 0.033, "0.033", LengthUnit::Metres, "Meters", "f/8", 0.0, 0, 9 },
	       Row{ -2.5, "-2.5", LengthUnit::Feet, "Feet", "", 0.0, 3, 3 } }) {
		startAfresh();
		// The pages work in inches on 6 × 7, with the last format renamed.
		current.LengthUnit = LengthUnit::Inches;
		current.RoundStopsMethod = 2;
		chooseFilmFormat(4);
		setFilmName(current.FilmSizes[9], "Custom");
		defaults.Aperture = defaults.FocusDistance = defaults.FocalLength = defaults.SpotPercent = row.value;
		defaults.LengthUnit = row.unit;
		const int storedFilm = defaults.FilmSize;
		OpenDialog<DefaultsDlg> d;
		for (const int field : { id::Aperture, id::FocusDistance, id::FocalLength, id::SpotPercent })
			EXPECT_EQ(d.controls.text(field), row.text) << field;
		EXPECT_EQ(d.picked(id::LengthUnit), row.unitName);
		EXPECT_EQ(d.picked(id::FilmSize), "35mm");
		EXPECT_EQ(d.controls.itemText(id::FilmSize, 9), "Custom");
		d.expectFullDropDowns({ id::LengthUnit, id::FilmSize });

		d.controls.type(id::Aperture, row.aperture);
		d.controls.type(id::FocusDistance, "3000");
		d.controls.type(id::FocalLength, "85");
		d.controls.type(id::SpotPercent, "1");
		d.choose(id::LengthUnit, row.newUnit);
		d.choose(id::FilmSize, row.newFilm);
		d.ok();
		for (const CalcSettings *s : { &defaults, &current }) {
			SCOPED_TRACE(s == &defaults ? "defaults" : "current");
			EXPECT_EQ(s->Aperture, row.apertureStored) << row.aperture;
			EXPECT_EQ(s->FocusDistance, 3000.0);
			EXPECT_EQ(s->FocalLength, 85.0);
			EXPECT_EQ(s->SpotPercent, 1.0);
			EXPECT_EQ(s->LengthUnit, row.newUnit < 0 ? row.unit : static_cast<LengthUnit>(row.newUnit));
			EXPECT_EQ(s->FilmSize, row.newFilm < 0 ? storedFilm : row.newFilm);
		}
		// The rest of the working record, and the stored film table, stay.
		EXPECT_EQ(current.RoundStopsMethod, 2);
		EXPECT_EQ(filmName(current.FilmSizes[9]), "Custom");
		EXPECT_EQ(filmName(defaults.FilmSizes[9]), "11 \xD7 14");
	}
}

TEST_F(DialogModels, DefaultsOkWithAnotherFormatBringsItsCircleOfConfusion)
{
	constexpr int kKeep = -1;
	struct Row {
		const char *what;
		int pagesFormat; // chosen on a page before the dialog opens
		double typedCoC; // typed on a page afterwards, 0 for none
		int picked;      // in the dialog
		double defaultsCoC, currentCoC;
	};
	for (const Row row : {
		     Row{ "another format", 0, 0.0, 2, 0.04335, 0.04335 },
		     Row{ "same format keeps a typed circle", 0, 0.05, kKeep, 0.02501, 0.05 },
		     Row{ "pages return to the stored format", 4, 0.05, kKeep, 0.02501, 0.02501 },
		     Row{ "pages already on the picked format", 2, 0.05, 2, 0.04335, 0.05 },
	     }) {
		startAfresh();
		chooseFilmFormat(row.pagesFormat);
		if (row.typedCoC != 0.0)
			current.filmCoC = row.typedCoC;
		OpenDialog<DefaultsDlg> d;
		if (row.picked != kKeep)
			d.controls.pick(ids::defaults::FilmSize, row.picked);
		d.ok();
		EXPECT_NEAR(defaults.filmCoC, row.defaultsCoC, 5e-6) << row.what;
		EXPECT_NEAR(current.filmCoC, row.currentCoC, 5e-6) << row.what;
	}
}

// The ticks and page in force, no page for none yet or a damaged one; OK
// stores what a click toggles and the page picked.
TEST_F(DialogModels, StartupPreferencesShowAndStoreTicksAndPage)
{
	namespace id = ids::startupprefs;
	struct Row {
		StartupPrefs shown; // StartWithLastForm, StartupForm, FieldsBecomeDefaults
		const char *pageText;
		bool clickFieldsBecomeDefaults, clickStartWithLast;
		int page;
		StartupPrefs stored;
	};
	for (const Row row : { Row{ { false, 0, true }, "f Numbers", false, false, 0, { false, 0, true } },
			       Row{ { true, 3, false }, "Field of View", true, false, 6, { true, 6, true } },
			       Row{ { true, 6, true }, "Spot Meter Angle", false, true, 3, { false, 3, true } },
			       Row{ { true, -1, false }, "", true, true, -1, { false, -1, true } },
			       Row{ { false, 9, false }, "", false, true, 2, { true, 2, false } } }) {
		prefs = row.shown;
		OpenDialog<StartupPrefsDlg> d;
		EXPECT_EQ(d.controls.isChecked(id::FieldsBecomeDefaults), row.shown.FieldsBecomeDefaults)
			<< row.pageText;
		EXPECT_EQ(d.controls.isChecked(id::StartWithLastForm), row.shown.StartWithLastForm) << row.pageText;
		EXPECT_EQ(d.picked(id::StartPage), row.pageText);
		d.expectFullDropDowns({ id::StartPage });
		if (row.clickFieldsBecomeDefaults)
			d.controls.click(id::FieldsBecomeDefaults);
		if (row.clickStartWithLast)
			d.controls.click(id::StartWithLastForm);
		d.choose(id::StartPage, row.page);
		d.ok();
		EXPECT_EQ(prefs, row.stored) << row.pageText;
	}
}

} // namespace
} // namespace mirel::testing
