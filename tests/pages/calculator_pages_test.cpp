// Hyperfocal distance, field of view, angle of view, magnification and spot
// meter angle: each page's results from what is typed, in the unit and the
// rounding chosen, and n/a where the inputs are unusable.

#include "testing/page_test.h"

namespace mirel::testing {
namespace {

namespace page = ids::page;

TEST_F(PageTest, HyperfocalByUnitAndRounding)
{
	sheet.show(kHyperfocal);
	struct Row {
		const char *focal;
		int unitRadio;
		int rounding;
		const char *text;
	};
	sheet.type(page::Aperture, "8");
	sheet.type(page::CircleOfConfusion, "0.03");
	for (const Row row : {
		     Row{ "50", page::UnitMetres, 2, "10.42 m" },
		     Row{ "50", page::UnitMetres, 0, "10.416667 m" },
		     Row{ "50", page::UnitFeet, 1, "34.2 ft" },
		     Row{ "50", page::UnitMillimetres, 3, "10416.667 mm" },
		     Row{ "50", page::UnitCentimetres, 1, "1041.7 cm" },
		     Row{ "50", page::UnitInches, 2, "410.1 in" },
		     // 60² / (8 × 0.03) = 15000 mm: a whole number keeps one decimal.
		     Row{ "60", page::UnitMetres, 2, "15.0 m" },
		     // Beyond the rounding grid the value stays unrounded.
		     Row{ "5000", page::UnitMillimetres, 3, "104166666.666667 mm" },
	     }) {
		settings.RoundOtherMethod = row.rounding;
		sheet.type(page::FocalLength, row.focal);
		sheet.click(row.unitRadio);
		EXPECT_EQ(sheet.text(ids::hyperfocal::Result), row.text);
	}
}

TEST_F(PageTest, HyperfocalIgnoresTheSubjectDistanceButNeedsItsOwnInputs)
{
	settings.FocusDistance = 0.0;
	sheet.show(kHyperfocal);
	EXPECT_EQ(sheet.text(ids::hyperfocal::Result), "55.53 m");
	for (const int field : { page::FocalLength, page::Aperture, page::CircleOfConfusion }) {
		sheet.type(field, "0");
		EXPECT_EQ(sheet.text(ids::hyperfocal::Result), "n/a") << field;
		sheet.type(field, "1");
	}
}

TEST_F(PageTest, FieldOfViewByDistanceAndFocalLength)
{
	sheet.show(kFieldOfView);
	struct Row {
		int unitRadio;
		const char *distance, *focal, *horizontal, *vertical;
	};
	for (const Row row : {
		     Row{ page::UnitMetres, "1", "50", "0.684000 m", "0.456000 m" },
		     Row{ page::UnitMillimetres, "5000", "50", "3564.000000 mm", "2376.000000 mm" },
		     Row{ page::UnitMillimetres, "50", "50", "0.000000 mm", "0.000000 mm" },
		     Row{ page::UnitMillimetres, "49.9", "50", "n/a", "n/a" },
		     Row{ page::UnitMillimetres, "5000", "0", "n/a", "n/a" },
	     }) {
		sheet.click(row.unitRadio);
		sheet.type(page::Distance, row.distance);
		sheet.type(page::FocalLength, row.focal);
		EXPECT_EQ(sheet.text(ids::fieldofview::Horizontal), row.horizontal)
			<< row.distance << ", " << row.focal;
		EXPECT_EQ(sheet.text(ids::fieldofview::Vertical), row.vertical) << row.distance << ", " << row.focal;
	}
}

TEST_F(PageTest, AngleOfViewByFocalLengthAndRounding)
{
	sheet.show(kAngleOfView);
	struct Row {
		const char *focal;
		int rounding;
		const char *horizontal, *vertical, *diagonal;
	};
	for (const Row row : {
		     Row{ "50", 2, "39.6\xB0", "26.99\xB0", "46.79\xB0" },
		     Row{ "18", 0, "90.000001\xB0", "67.380136\xB0", "100.475683\xB0" },
		     Row{ "100000", 1, "0.0\xB0", "0.0\xB0", "0.0\xB0" },
		     Row{ "0", 2, "n/a", "n/a", "n/a" },
		     Row{ "1e999", 2, "n/a", "n/a", "n/a" },
	     }) {
		settings.RoundOtherMethod = row.rounding;
		sheet.type(page::FocalLength, row.focal);
		EXPECT_EQ(sheet.text(ids::angleofview::Horizontal), row.horizontal) << row.focal;
		EXPECT_EQ(sheet.text(ids::angleofview::Vertical), row.vertical) << row.focal;
		EXPECT_EQ(sheet.text(ids::angleofview::Diagonal), row.diagonal) << row.focal;
	}
}

TEST_F(PageTest, AngleOfViewFilmFormatChangesTheAnglesAndTheSuggestion)
{
	sheet.show(kAngleOfView);
	settings.RoundOtherMethod = 2;
	sheet.pick(page::FilmFormat, 3);
	EXPECT_EQ(settings.FilmSize, 3);
	EXPECT_NEAR(settings.filmCoC, 0.04905, 5e-6);
	EXPECT_EQ(sheet.text(ids::angleofview::Horizontal), "61.93\xB0");
	EXPECT_EQ(sheet.text(ids::angleofview::Vertical), "61.93\xB0");
}

TEST_F(PageTest, MagnificationByDistance)
{
	sheet.show(kMagnification);
	EXPECT_EQ(sheet.text(ids::magnification::Result), "0.052632");
	sheet.click(page::UnitMillimetres);
	struct Row {
		const char *focal, *distance, *text;
	};
	for (const Row row : { Row{ "50", "100", "1.000000" }, Row{ "50", "75", "2.000000" },
			       Row{ "50", "50", "infinity" }, Row{ "50", "49.9", "n/a" }, Row{ "50", "0", "n/a" },
			       Row{ "50", "1e999", "n/a" }, Row{ "0", "100", "n/a" } }) {
		sheet.type(page::FocalLength, row.focal);
		sheet.type(page::Distance, row.distance);
		EXPECT_EQ(sheet.text(ids::magnification::Result), row.text) << row.focal << ", " << row.distance;
	}
}

TEST_F(PageTest, SpotMeterAngleByPercent)
{
	sheet.show(kSpotMeter);
	EXPECT_EQ(sheet.text(ids::spotmeter::Percent), "9.5");
	EXPECT_EQ(sheet.text(ids::spotmeter::Result), "11.674016\xB0");
	struct Row {
		const char *percent, *text;
	};
	for (const Row row : { Row{ "100", "36.698721\xB0" }, Row{ "400", "67.116515\xB0" }, Row{ "0", "n/a" },
			       Row{ "-5", "n/a" }, Row{ "", "n/a" } }) {
		sheet.type(ids::spotmeter::Percent, row.percent);
		EXPECT_EQ(sheet.text(ids::spotmeter::Result), row.text) << row.percent;
	}
}

TEST_F(PageTest, SpotMeterLargerFrameWiderAngleAndTrimmedPercent)
{
	sheet.show(kSpotMeter);
	sheet.pick(page::FilmFormat, 2);
	EXPECT_EQ(sheet.text(ids::spotmeter::Result), "20.487509\xB0");
	settings.SpotPercent = 10.0;
	sheet.show(kSpotMeter);
	EXPECT_EQ(sheet.text(ids::spotmeter::Percent), "10.0");
}

} // namespace
} // namespace mirel::testing
