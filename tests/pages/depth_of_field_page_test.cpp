#include "core/stops.h"
#include "page_test_support.h"

namespace mirel::testing {
namespace {

namespace page = ids::page;
namespace id = ids::depthoffield;

class DepthOfField : public PageTest
{
protected:
	void SetUp() override { sheet.show(kDepthOfField); }

	void enter(const char *focal, const char *distance, const char *aperture, const char *coc)
	{
		sheet.type(page::FocalLength, focal);
		sheet.type(page::Distance, distance);
		sheet.type(page::Aperture, aperture);
		sheet.type(page::CircleOfConfusion, coc);
	}
	void expectResults(const char *near, const char *far, const char *total)
	{
		EXPECT_EQ(sheet.text(id::Near), near);
		EXPECT_EQ(sheet.text(id::Far), far);
		EXPECT_EQ(sheet.text(id::Total), total);
	}
};

TEST_F(DepthOfField, WorkedExample)
{
	enter("50", "5", "8", "0.03");
	EXPECT_EQ(settings.FocusDistance, 5000.0);
	expectResults("3.389371 m", "9.527439 m", "6.138068 m");
	sheet.type(page::Distance, "20");
	EXPECT_EQ(sheet.text(id::Near), "6.860593 m");
	EXPECT_EQ(sheet.text(id::Far), "infinity");
	EXPECT_EQ(sheet.text(id::Total), "infinite");
}

TEST_F(DepthOfField, FarLimitExactlyAtInfinity)
{
	// H = 50² / (10 × 0.025) = 10000 mm: focused at H + f the far limit
	// divides by zero.
	sheet.click(page::UnitMillimetres);
	enter("50", "10050", "10", "0.025");
	EXPECT_EQ(sheet.text(id::Far), "infinity");
	EXPECT_EQ(sheet.text(id::Total), "infinite");
	EXPECT_EQ(sheet.text(id::Near), "5025.000000 mm");
}

TEST_F(DepthOfField, SubjectAtTheFocalLengthIsValidJustBelowItIsNot)
{
	sheet.click(page::UnitMillimetres);
	enter("50", "50", "8", "0.03");
	expectResults("50.000000 mm", "50.000000 mm", "0.000000 mm");
	sheet.type(page::Distance, "49");
	expectResults("n/a", "n/a", "n/a");
	EXPECT_EQ(settings.FocusDistance, 49.0);
}

TEST_F(DepthOfField, UnusableInputsShowNotAvailable)
{
	for (const int field : { page::FocalLength, page::Aperture, page::CircleOfConfusion }) {
		enter("50", "5", "8", "0.03");
		sheet.type(field, "0");
		expectResults("n/a", "n/a", "n/a");
		sheet.type(field, "-3");
		expectResults("n/a", "n/a", "n/a");
	}
}

TEST_F(DepthOfField, FilmFormatSuggestsTheCircleOfConfusionAsShown)
{
	EXPECT_EQ(sheet.active().itemCount(page::FilmFormat), 10);
	EXPECT_EQ(sheet.active().dropDownHeight(page::FilmFormat), 8);
	EXPECT_EQ(sheet.active().dropDownHeight(page::Aperture), 4);
	sheet.type(page::CircleOfConfusion, "0.05");
	sheet.pick(page::FilmFormat, 0);
	EXPECT_EQ(sheet.text(page::CircleOfConfusion), "0.02501");
	EXPECT_EQ(settings.filmCoC, 0.02501) << "the value of the text, not the suggestion";
	sheet.pick(page::FilmFormat, 9);
	EXPECT_EQ(settings.FilmSize, 9);
	EXPECT_EQ(sheet.text(page::CircleOfConfusion), "0.261407");
}

TEST_F(DepthOfField, SwitchingUnitsRewritesTheDistanceOnly)
{
	enter("50", "5", "8", "0.03");
	sheet.click(page::UnitFeet);
	EXPECT_EQ(settings.FocusDistance, 5000.0);
	EXPECT_EQ(sheet.text(page::Distance), "16.404199");
	EXPECT_EQ(sheet.text(id::Near), "11.119983 ft");
	sheet.click(page::UnitMillimetres);
	EXPECT_EQ(sheet.text(page::Distance), "5000.0");
	EXPECT_EQ(settings.FocusDistance, 5000.0);
	// The guard is spent: the next keystroke is the user's and counts.
	sheet.type(page::Distance, "4000");
	EXPECT_EQ(settings.FocusDistance, 4000.0);
}

TEST_F(DepthOfField, PickedAndTypedApertures)
{
	sheet.pick(page::Aperture, stopIndex("8"));
	EXPECT_EQ(settings.Aperture, fNumberForStop(6));
	EXPECT_EQ(sheet.text(page::Aperture), "8");
	sheet.type(page::Aperture, "8");
	EXPECT_EQ(settings.Aperture, 8.0);
	sheet.pick(page::Aperture, stopIndex("5.6"));
	EXPECT_NEAR(settings.Aperture, 5.656854, 1e-6);
	sheet.type(page::Aperture, "5.6");
	EXPECT_EQ(settings.Aperture, 5.6);
}

TEST_F(DepthOfField, ShownInputsAreStoredAsShown)
{
	settings.FocalLength = 50.1234567;
	sheet.show(kHyperfocal);
	sheet.show(kDepthOfField);
	EXPECT_EQ(sheet.text(page::FocalLength), "50.123457");
	EXPECT_EQ(settings.FocalLength, 50.123457);
	EXPECT_EQ(sheet.text(page::Aperture), "1.8");
	EXPECT_TRUE(sheet.active().isChecked(page::UnitMetres));
}

} // namespace
} // namespace mirel::testing
