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

TEST_F(Hyperfocal, WorkedExampleByUnitAndRounding)
{
	struct Row {
		int unitRadio;
		int rounding;
		const char *text;
	};
	sheet.type(page::FocalLength, "50");
	sheet.type(page::Aperture, "8");
	sheet.type(page::CircleOfConfusion, "0.03");
	for (const Row row : {
		     Row{ page::UnitMetres, 2, "10.42 m" },
		     Row{ page::UnitMetres, 0, "10.416667 m" },
		     Row{ page::UnitFeet, 1, "34.2 ft" },
		     Row{ page::UnitMillimetres, 0, "10416.666667 mm" },
		     Row{ page::UnitMillimetres, 3, "10416.667 mm" },
		     Row{ page::UnitMetres, 3, "10.417 m" },
		     Row{ page::UnitCentimetres, 1, "1041.7 cm" },
		     Row{ page::UnitInches, 2, "410.1 in" },
	     }) {
		settings.RoundOtherMethod = row.rounding;
		sheet.click(row.unitRadio);
		EXPECT_EQ(result(), row.text);
	}
}

TEST_F(Hyperfocal, WholeNumbersKeepOneDecimal)
{
	// 60² / (10 × 0.03) = 12000 mm.
	settings.RoundOtherMethod = 2;
	sheet.type(page::FocalLength, "60");
	sheet.type(page::Aperture, "10");
	sheet.type(page::CircleOfConfusion, "0.03");
	EXPECT_EQ(result(), "12.0 m");
}

TEST_F(Hyperfocal, ValuesBeyondTheRoundingGridStayUnrounded)
{
	settings.RoundOtherMethod = 3;
	sheet.click(page::UnitMillimetres);
	sheet.type(page::FocalLength, "5000");
	sheet.type(page::Aperture, "1");
	sheet.type(page::CircleOfConfusion, "0.001");
	EXPECT_EQ(result(), "25000000000.0 mm");
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
