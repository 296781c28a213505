#include "shell/defaults_dlg.h"

#include "dialog_test_support.h"
#include "pages/conventions.h"
#include "resources/control_ids.h"
#include "settings/film_formats.h"

namespace mirel::testing {
namespace {

namespace id = ids::defaults;

constexpr int kNumbers[] = { id::Aperture, id::FocusDistance, id::FocalLength, id::SpotPercent };

using Defaults = DialogTest;

TEST_F(Defaults, OpensOnTheStoredDefaultsWithTheWorkingFilmNames)
{
	struct Row {
		double value;
		const char *text;
		LengthUnit unit;
		const char *unitName;
	};
	// The pages work in inches on 6 × 7, with the last format renamed.
	current.LengthUnit = LengthUnit::Inches;
	chooseFilmFormat(4);
	setFilmName(current.FilmSizes[9], "Custom");
	// Lengths show in millimetres whatever the unit.
	for (const Row row : { Row{ 8.0, "8.0", LengthUnit::Millimetres, "Millimeters" },
			       Row{ 11.313708499, "11.313708", LengthUnit::Centimetres, "Centimeters" },
			       Row{ 0.033, "0.033", LengthUnit::Metres, "Meters" },
			       Row{ -2.5, "-2.5", LengthUnit::Feet, "Feet" } }) {
		defaults.Aperture = defaults.FocusDistance = defaults.FocalLength = defaults.SpotPercent = row.value;
		defaults.LengthUnit = row.unit;
		OpenDialog<DefaultsDlg> d;
		for (const int field : kNumbers)
			EXPECT_EQ(d.controls.text(field), row.text) << field;
		EXPECT_EQ(d.picked(id::LengthUnit), row.unitName);
		EXPECT_EQ(d.picked(id::FilmSize), "35mm");
		EXPECT_EQ(d.controls.itemText(id::FilmSize, 9), "Custom");
		for (int list : { id::LengthUnit, id::FilmSize })
			EXPECT_EQ(d.controls.dropDownHeight(list), d.controls.itemCount(list)) << "opens showing every entry";
	}
	// The numbers are those of when the dialog was made.
	OpenDialog<DefaultsDlg> late([&] { defaults.Aperture = 4.0; });
	EXPECT_EQ(late.controls.text(id::Aperture), "-2.5");
}

TEST_F(Defaults, OkStoresTheSixFieldsInBothRecords)
{
	struct Row {
		const char *aperture;
		double value;
		int unit, film; // -1: the list left without a selection keeps what was stored
	};
	for (const Row row : { Row{ "5.6", 5.6, 4, 2 }, Row{ "12abc", 12.0, -1, -1 }, Row{ "f/8", 0.0, 0, 9 },
			       Row{ "", 0.0, 3, 3 } }) {
		startAfresh();
		defaults.LengthUnit = LengthUnit::Centimetres;
		selectFilmFormat(defaults, 3);
		current.RoundStopsMethod = 2;
		setFilmName(current.FilmSizes[5], "Renamed");
		OpenDialog<DefaultsDlg> d;
		d.controls.type(id::Aperture, row.aperture);
		d.controls.type(id::FocusDistance, "3000");
		d.controls.type(id::FocalLength, "85");
		d.controls.type(id::SpotPercent, "1");
		d.choose(id::LengthUnit, row.unit);
		d.choose(id::FilmSize, row.film);
		d.ok();
		for (const CalcSettings *s : { &defaults, &current }) {
			SCOPED_TRACE(s == &defaults ? "defaults" : "current");
			EXPECT_EQ(s->Aperture, row.value) << row.aperture;
			EXPECT_EQ(s->FocusDistance, 3000.0);
			EXPECT_EQ(s->FocalLength, 85.0);
			EXPECT_EQ(s->SpotPercent, 1.0);
			EXPECT_EQ(s->LengthUnit, static_cast<LengthUnit>(row.unit < 0 ? 1 : row.unit));
			EXPECT_EQ(s->FilmSize, row.film < 0 ? 3 : row.film);
		}
		// The rest of the working record, and the stored film table, stay.
		EXPECT_EQ(current.RoundStopsMethod, 2);
		EXPECT_EQ(filmName(current.FilmSizes[5]), "Renamed");
		EXPECT_EQ(filmName(defaults.FilmSizes[5]), "6 \xD7 9");
	}
}

TEST_F(Defaults, AnotherFormatBringsItsCircleOfConfusion)
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
			d.controls.pick(id::FilmSize, row.picked);
		d.ok();
		EXPECT_NEAR(defaults.filmCoC, row.defaultsCoC, 5e-6) << row.what;
		EXPECT_NEAR(current.filmCoC, row.currentCoC, 5e-6) << row.what;
	}
}

TEST_F(Defaults, CancelLeavesTheRecordsAlone)
{
	const auto before = records();
	{
		OpenDialog<DefaultsDlg> d;
		d.controls.pick(id::LengthUnit, 3);
		d.controls.pick(id::FilmSize, 2);
		d.controls.type(id::Aperture, "abc");
		d.controls.type(id::FocusDistance, "2000");
	}
	EXPECT_EQ(records(), before);
}

} // namespace
} // namespace mirel::testing
