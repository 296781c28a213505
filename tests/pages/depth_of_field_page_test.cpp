#include "core/stops.h"
#include "testing/page_test.h"

namespace mirel::testing {
namespace {

namespace page = ids::page;
namespace id = ids::depthoffield;

class DepthOfField : public PageTest
{
protected:
	void SetUp() override { sheet.show(kDepthOfField); }
};

TEST_F(DepthOfField, LimitsInTheUnitChosenInfinityOrNotAvailable)
{
	struct Row {
		int unit;
		const char *focal, *distance, *aperture, *coc;
		const char *near, *far, *total;
	};
	for (const Row row : {
		     Row{ page::UnitMetres, "50", "5", "8", "0.03", "3.389371 m", "9.527439 m", "6.138068 m" },
		     Row{ page::UnitMetres, "50", "20", "8", "0.03", "6.860593 m", "infinity", "infinite" },
		     // H = 50² / (10 × 0.025) = 10000 mm: focused at H + f the far
		     // limit divides by zero.
		     Row{ page::UnitMillimetres, "50", "10050", "10", "0.025", "5025.000000 mm", "infinity",
			  "infinite" },
		     // The subject at the focal length is the last usable distance.
		     Row{ page::UnitMillimetres, "50", "50", "8", "0.03", "50.000000 mm", "50.000000 mm",
			  "0.000000 mm" },
		     Row{ page::UnitMillimetres, "50", "49", "8", "0.03", "n/a", "n/a", "n/a" },
		     Row{ page::UnitMetres, "0", "5", "8", "0.03", "n/a", "n/a", "n/a" },
		     Row{ page::UnitMetres, "50", "5", "-3", "0.03", "n/a", "n/a", "n/a" },
		     Row{ page::UnitMetres, "50", "5", "8", "0", "n/a", "n/a", "n/a" },
	     }) {
		sheet.click(row.unit);
		sheet.type(page::FocalLength, row.focal);
		sheet.type(page::Distance, row.distance);
		sheet.type(page::Aperture, row.aperture);
		sheet.type(page::CircleOfConfusion, row.coc);
		const std::string inputs =
			std::string(row.focal) + ", " + row.distance + ", " + row.aperture + ", " + row.coc;
		EXPECT_EQ(sheet.text(id::Near), row.near) << inputs;
		EXPECT_EQ(sheet.text(id::Far), row.far) << inputs;
		EXPECT_EQ(sheet.text(id::Total), row.total) << inputs;
	}
}

TEST_F(DepthOfField, FilmFormatSuggestsTheCircleOfConfusionAsShown)
{
	sheet.type(page::CircleOfConfusion, "0.05");
	sheet.pick(page::FilmFormat, 0);
	EXPECT_EQ(sheet.text(page::CircleOfConfusion), "0.02501");
	EXPECT_EQ(settings.filmCoC, 0.02501) << "the value of the text, not the suggestion";
	sheet.pick(page::FilmFormat, 9);
	EXPECT_EQ(settings.FilmSize, 9);
	EXPECT_EQ(sheet.text(page::CircleOfConfusion), "0.261407");
}

TEST_F(DepthOfField, PickedAndTypedApertures)
{
	pickStop(page::Aperture, "8");
	EXPECT_EQ(settings.Aperture, fNumberForStop(6));
	EXPECT_EQ(sheet.text(page::Aperture), "8");
	sheet.type(page::Aperture, "8");
	EXPECT_EQ(settings.Aperture, 8.0);
}

TEST_F(DepthOfField, ShownInputsAreStoredAsShown)
{
	settings.FocalLength = 50.1234567;
	sheet.show(kHyperfocal);
	sheet.show(kDepthOfField);
	EXPECT_EQ(sheet.text(page::FocalLength), "50.123457");
	EXPECT_EQ(settings.FocalLength, 50.123457);
}

} // namespace
} // namespace mirel::testing
