#include "page_test_support.h"

namespace mirel::testing {
namespace {

namespace page = ids::page;

class Hyperfocal : public PageTest
{
protected:
	void SetUp() override { sheet.show(kHyperfocal); }
	std::string result() { return sheet.text(ids::hyperfocal::Result); }
};

TEST_F(Hyperfocal, ByUnitAndRounding)
{
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
		EXPECT_EQ(result(), row.text);
	}
}

TEST_F(Hyperfocal, IgnoresTheSubjectDistanceButNeedsItsOwnInputs)
{
	settings.FocusDistance = 0.0;
	sheet.show(kHyperfocal);
	EXPECT_EQ(result(), "55.53 m");
	struct Row {
		int field;
		const char *value;
	};
	for (const Row row : { Row{ page::FocalLength, "50" }, Row{ page::Aperture, "1.8" },
			       Row{ page::CircleOfConfusion, "0.02501" } }) {
		sheet.type(row.field, "");
		EXPECT_EQ(result(), "n/a");
		sheet.type(row.field, row.value);
		EXPECT_EQ(result(), "55.53 m");
	}
}

} // namespace
} // namespace mirel::testing
