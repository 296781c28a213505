#include "shell/defaults_dlg.h"

#include "dialog_test_support.h"
#include "pages/conventions.h"
#include "resources/control_ids.h"
#include "settings/film_formats.h"

namespace mirel::testing {
namespace {

namespace id = ids::defaults;

constexpr int kInches = 3;
constexpr int kFeet = 4;

using Defaults = DialogTest;

TEST_F(Defaults, OpensOnTheBuiltInDefaults)
{
	OpenDialog<DefaultsDlg> d;
	EXPECT_EQ(d.controls.text(id::Aperture), "1.8");
	EXPECT_EQ(d.controls.text(id::FocusDistance), "1000.0");
	EXPECT_EQ(d.controls.text(id::FocalLength), "50.0");
	EXPECT_EQ(d.controls.text(id::SpotPercent), "9.5");
	EXPECT_EQ(d.picked(id::LengthUnit), "Meters");
	EXPECT_EQ(d.picked(id::FilmSize), "35mm");
}

TEST_F(Defaults, NumbersShowTrimmedAndInMillimetres)
{
	struct Row {
		double value;
		const char *text;
	};
	// Feet as the unit: the focus distance still shows in millimetres.
	defaults.LengthUnit = LengthUnit::Feet;
	for (const Row row : { Row{ 8.0, "8.0" }, Row{ 2.8, "2.8" }, Row{ 1000.0, "1000.0" }, Row{ 0.033, "0.033" },
			       Row{ 11.313708499, "11.313708" }, Row{ 0.0, "0.0" }, Row{ -2.5, "-2.5" } }) {
		defaults.Aperture = defaults.FocusDistance = defaults.FocalLength = defaults.SpotPercent = row.value;
		OpenDialog<DefaultsDlg> d;
		for (const int field : { id::Aperture, id::FocusDistance, id::FocalLength, id::SpotPercent })
			EXPECT_EQ(d.controls.text(field), row.text) << field;
	}
}

TEST_F(Defaults, TextsAreThoseOfWhenTheDialogWasMade)
{
	DefaultsDlg dialog;
	defaults.Aperture = 4.0;
	RecordingHost host;
	ui::HeadlessControls controls(dialog.dialogTemplate(), dialog);
	dialog.init(controls, host);
	EXPECT_EQ(controls.text(id::Aperture), "1.8");
}

TEST_F(Defaults, ShowsTheStoredUnitNotTheWorkingOne)
{
	const char *const names[] = { "Millimeters", "Centimeters", "Meters", "Inches", "Feet" };
	current.LengthUnit = LengthUnit::Millimetres;
	for (int unit = 0; unit < kLengthUnitCount; ++unit) {
		defaults.LengthUnit = static_cast<LengthUnit>(unit);
		OpenDialog<DefaultsDlg> d;
		EXPECT_EQ(d.picked(id::LengthUnit), names[unit]);
	}
}

TEST_F(Defaults, FilmListHoldsTheWorkingTableAndTheStoredSelection)
{
	chooseFilmFormat(4); // the pages moved on to 6 × 7
	setFilmName(current.FilmSizes[9], "Custom");
	OpenDialog<DefaultsDlg> d;
	ASSERT_EQ(d.controls.itemCount(id::FilmSize), kFilmFormatCount);
	EXPECT_EQ(d.controls.itemText(id::FilmSize, 1), "APS");
	EXPECT_EQ(d.controls.itemText(id::FilmSize, 9), "Custom");
	EXPECT_EQ(d.controls.selection(id::FilmSize), 0);
	EXPECT_EQ(d.picked(id::FilmSize), "35mm");
}

TEST_F(Defaults, ListsOpenFiveAndTenEntriesTall)
{
	OpenDialog<DefaultsDlg> d;
	EXPECT_EQ(d.controls.dropDownHeight(id::LengthUnit), 5);
	EXPECT_EQ(d.controls.dropDownHeight(id::FilmSize), 10);
}

TEST_F(Defaults, OkParsesTheTypedNumbersIntoBothInstances)
{
	struct Row {
		const char *text;
		double value;
	};
	for (const Row row : { Row{ "5.6", 5.6 }, Row{ " 35", 35.0 }, Row{ "12abc", 12.0 }, Row{ "f/8", 0.0 },
			       Row{ "", 0.0 }, Row{ "-3", -3.0 }, Row{ "1e3", 1000.0 } }) {
		OpenDialog<DefaultsDlg> d;
		for (const int field : { id::Aperture, id::FocusDistance, id::FocalLength, id::SpotPercent })
			d.controls.type(field, row.text);
		d.ok();
		for (const CalcSettings *s : { &defaults, &current }) {
			EXPECT_EQ(s->Aperture, row.value) << row.text;
			EXPECT_EQ(s->FocusDistance, row.value) << row.text;
			EXPECT_EQ(s->FocalLength, row.value) << row.text;
			EXPECT_EQ(s->SpotPercent, row.value) << row.text;
		}
	}
}

TEST_F(Defaults, EachTextGoesToItsOwnField)
{
	OpenDialog<DefaultsDlg> d;
	d.controls.type(id::Aperture, "2.8");
	d.controls.type(id::FocusDistance, "3000");
	d.controls.type(id::FocalLength, "85");
	d.controls.type(id::SpotPercent, "1");
	d.ok();
	EXPECT_EQ(defaults.Aperture, 2.8);
	EXPECT_EQ(defaults.FocusDistance, 3000.0);
	EXPECT_EQ(defaults.FocalLength, 85.0);
	EXPECT_EQ(defaults.SpotPercent, 1.0);
}

TEST_F(Defaults, FocusDistanceIsMillimetresWhateverTheUnit)
{
	OpenDialog<DefaultsDlg> d;
	d.controls.pick(id::LengthUnit, kFeet);
	d.controls.type(id::FocusDistance, "2000");
	d.ok();
	for (const CalcSettings *s : { &defaults, &current }) {
		EXPECT_EQ(s->LengthUnit, LengthUnit::Feet);
		EXPECT_EQ(s->FocusDistance, 2000.0);
	}
}

TEST_F(Defaults, OkStoresUnitAndFormatInBothInstances)
{
	OpenDialog<DefaultsDlg> d;
	d.controls.pick(id::LengthUnit, kInches);
	d.controls.pick(id::FilmSize, 2);
	d.ok();
	for (const CalcSettings *s : { &defaults, &current }) {
		EXPECT_EQ(s->LengthUnit, LengthUnit::Inches);
		EXPECT_EQ(s->FilmSize, 2);
	}
}

TEST_F(Defaults, CancelChangesNeitherInstance)
{
	const CalcSettings defaultsBefore = defaults;
	const CalcSettings currentBefore = current;
	{
		OpenDialog<DefaultsDlg> d;
		d.controls.pick(id::LengthUnit, kInches);
		d.controls.pick(id::FilmSize, 2);
		d.controls.type(id::Aperture, "abc");
		d.controls.type(id::FocusDistance, "2000");
	}
	EXPECT_EQ(defaults, defaultsBefore);
	EXPECT_EQ(current, currentBefore);
}

TEST_F(Defaults, OkCopiesOnlyTheSixFields)
{
	current.RoundStopsMethod = 2;
	current.RoundOtherMethod = 3;
	current.FocalLength = 135.0;
	setFilmName(current.FilmSizes[5], "Renamed");
	OpenDialog<DefaultsDlg> d;
	d.ok();
	EXPECT_EQ(current.FocalLength, 50.0);
	EXPECT_EQ(current.RoundStopsMethod, 2);
	EXPECT_EQ(current.RoundOtherMethod, 3);
	EXPECT_EQ(filmName(current.FilmSizes[5]), "Renamed");
	EXPECT_EQ(defaults.RoundOtherMethod, 2);
	EXPECT_EQ(filmName(defaults.FilmSizes[5]), "6 \xD7 9");
}

TEST_F(Defaults, ListWithoutSelectionKeepsTheStoredValue)
{
	defaults.FilmSize = 3;
	defaults.filmCoC = suggestedCoC(defaults.FilmSizes[3]);
	defaults.LengthUnit = LengthUnit::Centimetres;
	chooseFilmFormat(7);
	current.LengthUnit = LengthUnit::Feet;
	OpenDialog<DefaultsDlg> d;
	d.controls.setSelection(id::LengthUnit, -1);
	d.controls.setSelection(id::FilmSize, -1);
	d.ok();
	for (const CalcSettings *s : { &defaults, &current }) {
		EXPECT_EQ(s->LengthUnit, LengthUnit::Centimetres);
		EXPECT_EQ(s->FilmSize, 3);
	}
}

TEST_F(Defaults, AnotherFormatBringsItsCircleOfConfusion)
{
	constexpr int kKeep = -1;
	struct Row {
		const char *what;
		int pagesFormat;   // chosen on a page before the dialog opens
		double typedCoC;   // typed on a page afterwards, 0 for none
		int picked;        // in the dialog
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
			d.controls.pick(id::FilmSize, row.picked);
		d.ok();
		EXPECT_NEAR(defaults.filmCoC, row.defaultsCoC, 5e-6) << row.what;
		EXPECT_NEAR(current.filmCoC, row.currentCoC, 5e-6) << row.what;
	}
}

} // namespace
} // namespace mirel::testing
