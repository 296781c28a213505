#include <string>
#include <vector>

#include "testing/page_test.h"

namespace mirel::testing {
namespace {

namespace page = ids::page;

TEST_F(PageTest, AValueTypedOnOnePageShowsOnTheNext)
{
	sheet.show(kDepthOfField);
	sheet.type(page::FocalLength, "85");
	sheet.type(page::Aperture, "4");
	sheet.show(kAngleOfView);
	EXPECT_EQ(sheet.text(page::FocalLength), "85.0");
	EXPECT_EQ(sheet.text(ids::angleofview::Horizontal), "23.91\xB0");
	sheet.show(kHyperfocal);
	EXPECT_EQ(sheet.text(page::Aperture), "4.0");
}

// A unit clicked on one page is every page's. It rewrites the distance shown
// and the lengths computed, never the distance stored; the next keystroke is
// the user's and is read in the new unit.
TEST_F(PageTest, AUnitClickedRewritesTheDistanceShownNotTheDistanceStored)
{
	sheet.show(kDepthOfField);
	for (const auto &[field, text] : { std::pair{ page::FocalLength, "50" },
					   { page::Distance, "5" },
					   { page::Aperture, "8" },
					   { page::CircleOfConfusion, "0.03" } })
		sheet.type(field, text);
	sheet.show(kHyperfocal);
	sheet.click(page::UnitFeet);
	sheet.show(kDepthOfField);
	for (const int radio : { page::UnitMetres, page::UnitCentimetres, page::UnitMillimetres, page::UnitInches })
		EXPECT_FALSE(sheet.active().isChecked(radio)) << radio;
	EXPECT_TRUE(sheet.active().isChecked(page::UnitFeet));
	EXPECT_EQ(sheet.text(page::Distance), "16.404199");
	EXPECT_EQ(sheet.text(ids::depthoffield::Near), "11.119983 ft");
	EXPECT_EQ(settings.FocusDistance, 5000.0);
	sheet.click(page::UnitMillimetres);
	EXPECT_EQ(sheet.text(page::Distance), "5000.0");
	EXPECT_EQ(settings.FocusDistance, 5000.0);
	sheet.type(page::Distance, "4000");
	EXPECT_EQ(settings.FocusDistance, 4000.0);
}

TEST_F(PageTest, ATypedCircleOfConfusionLastsUntilAFilmFormatIsChosenAgain)
{
	sheet.show(kHyperfocal);
	sheet.type(page::CircleOfConfusion, "0.03");
	sheet.show(kDepthOfField);
	EXPECT_EQ(sheet.text(page::CircleOfConfusion), "0.03");
	sheet.show(kSpotMeter);
	sheet.show(kMagnification);
	sheet.show(kDepthOfField);
	EXPECT_EQ(sheet.text(page::CircleOfConfusion), "0.03");
	for (const int resuggesting : { kFieldOfView, kAngleOfView }) {
		sheet.type(page::CircleOfConfusion, "0.03");
		sheet.show(resuggesting);
		sheet.show(kDepthOfField);
		EXPECT_EQ(sheet.text(page::CircleOfConfusion), "0.02501") << resuggesting;
		EXPECT_EQ(sheet.active().selection(page::FilmFormat), 0);
	}
}

TEST_F(PageTest, ActivationRecordsThePageAndWithStartWithLastFormTheStartPage)
{
	startupPrefs().StartWithLastForm = true;
	startupPrefs().StartupForm = -1;
	sheet.show(kHyperfocal);
	EXPECT_EQ(activePageIndex(), kHyperfocal);
	EXPECT_EQ(startupPrefs().StartupForm, kHyperfocal);

	startupPrefs().StartWithLastForm = false;
	sheet.show(kMagnification);
	EXPECT_EQ(activePageIndex(), kMagnification);
	EXPECT_EQ(startupPrefs().StartupForm, kHyperfocal);
}

TEST_F(PageTest, FilmListsHoldAllTenFormatsWhateverTheirNames)
{
	setFilmName(settings.FilmSizes[4], "");
	setFilmName(settings.FilmSizes[5], "35mm");
	for (const int index : { kDepthOfField, kHyperfocal, kFieldOfView, kAngleOfView, kSpotMeter }) {
		sheet.show(index);
		ASSERT_EQ(sheet.active().itemCount(page::FilmFormat), 10);
		EXPECT_EQ(sheet.active().dropDownHeight(page::FilmFormat), 8);
		EXPECT_EQ(sheet.active().itemText(page::FilmFormat, 2), "6 \xD7 4.5");
		EXPECT_EQ(sheet.active().itemText(page::FilmFormat, 4), "");
		EXPECT_EQ(sheet.active().itemText(page::FilmFormat, 5), "35mm");
	}
}

// Whatever is typed into whichever field, no result reads like a C library
// error: only numbers, "n/a", "infinity" or "infinite".
TEST_F(PageTest, AbsurdInputsNeverShowInfOrNan)
{
	for (int index = 0; index < kPageCount; ++index) {
		sheet.show(index);
		std::vector<int> inputs, results;
		for (const ui::ControlTemplate &c : sheet.page(index).dialogTemplate().controls) {
			if (c.kind == ui::ControlKind::Edit || c.kind == ui::ControlKind::ComboBox)
				(c.style & ui::kReadOnly ? results : inputs).push_back(c.id);
		}
		if (index == kFNumbers)
			results.push_back(ids::fnumbers::F2);
		for (const int field : inputs) {
			for (const char *input :
			     { "1e999", "-1e999", "1e308", "-1e308", "1e-320", "0", "-5", "abc", "", "nan", "inf" }) {
				sheet.type(field, input);
				for (const int result : results) {
					const std::string text = sheet.text(result);
					const bool infinite = text == "infinity" || text == "infinite";
					EXPECT_TRUE(infinite || (text.find("inf") == std::string::npos &&
								 text.find("nan") == std::string::npos))
						<< input << " -> " << result << ": " << text;
				}
			}
			sheet.type(field, "50");
		}
	}
}

} // namespace
} // namespace mirel::testing
