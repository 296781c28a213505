#include "page_test_support.h"
#include "settings/film_formats.h"

namespace mirel::testing {
namespace {

namespace page = ids::page;
namespace id = ids::fieldofview;

class FieldOfView : public PageTest
{
protected:
	void SetUp() override { sheet.show(kFieldOfView); }
	void expectResults(const char *horizontal, const char *vertical)
	{
		EXPECT_EQ(sheet.text(id::Horizontal), horizontal);
		EXPECT_EQ(sheet.text(id::Vertical), vertical);
	}
};

TEST_F(FieldOfView, BuiltInDefaults)
{
	expectResults("0.684000 m", "0.456000 m");
	EXPECT_EQ(sheet.text(page::Distance), "1.0");
	EXPECT_EQ(sheet.text(page::FocalLength), "50.0");
	EXPECT_TRUE(sheet.active().isChecked(page::UnitMetres));
}

TEST_F(FieldOfView, DistanceLimits)
{
	sheet.click(page::UnitMillimetres);
	sheet.type(page::Distance, "50");
	expectResults("0.000000 mm", "0.000000 mm");
	sheet.type(page::Distance, "49.9");
	expectResults("n/a", "n/a");
	sheet.type(page::Distance, "");
	expectResults("n/a", "n/a");
	EXPECT_EQ(settings.FocusDistance, 0.0);
	sheet.type(page::Distance, "5000");
	sheet.type(page::FocalLength, "0");
	expectResults("n/a", "n/a");
	sheet.type(page::FocalLength, "50");
	expectResults("3564.000000 mm", "2376.000000 mm");
}

TEST_F(FieldOfView, UnitsRewriteTheDistanceWithoutChangingIt)
{
	sheet.click(page::UnitFeet);
	EXPECT_EQ(sheet.text(page::Distance), "3.28084");
	EXPECT_EQ(settings.FocusDistance, 1000.0);
	EXPECT_EQ(sheet.text(id::Horizontal), "2.244094 ft");
	sheet.click(page::UnitMillimetres);
	EXPECT_EQ(sheet.text(page::Distance), "1000.0");
	EXPECT_EQ(settings.FocusDistance, 1000.0);
	sheet.click(page::UnitCentimetres);
	sheet.type(page::Distance, "12.5");
	EXPECT_EQ(settings.FocusDistance, 125.0);
}

TEST_F(FieldOfView, ShowingThePageResuggestsTheCircleOfConfusion)
{
	sheet.show(kDepthOfField);
	sheet.type(page::CircleOfConfusion, "0.05");
	sheet.pick(page::FilmFormat, 9);
	sheet.type(page::CircleOfConfusion, "0.05");
	sheet.show(kFieldOfView);
	EXPECT_EQ(sheet.active().selection(page::FilmFormat), 9);
	EXPECT_EQ(settings.filmCoC, suggestedCoC(settings.FilmSizes[9]));
	expectResults("5.308600 m", "6.756400 m");
}

} // namespace
} // namespace mirel::testing
