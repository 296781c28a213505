#include <string>
#include <vector>

#include "page_test_support.h"

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

TEST_F(PageTest, TheUnitChosenOnOnePageIsEveryPages)
{
	sheet.show(kDepthOfField);
	sheet.show(kHyperfocal);
	sheet.click(page::UnitFeet);
	sheet.show(kDepthOfField);
	for (const int radio : { page::UnitMetres, page::UnitCentimetres, page::UnitMillimetres, page::UnitInches })
		EXPECT_FALSE(sheet.active().isChecked(radio)) << radio;
	EXPECT_TRUE(sheet.active().isChecked(page::UnitFeet));
	EXPECT_EQ(sheet.text(page::Distance), "3.28084");
	EXPECT_EQ(sheet.text(ids::depthoffield::Near).substr(sheet.text(ids::depthoffield::Near).size() - 3), " ft");
	EXPECT_EQ(settings.FocusDistance, 1000.0);
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
		EXPECT_EQ(sheet.active().itemText(page::FilmFormat, 2), "6 \xD7 4.5");
		EXPECT_EQ(sheet.active().itemText(page::FilmFormat, 4), "");
		EXPECT_EQ(sheet.active().itemText(page::FilmFormat, 5), "35mm");
	}
}

// Whatever is typed into whichever field, no result reads like a C library
// error: only numbers, "n/a", "infinity" or "infinite".
TEST_F(PageTest, AbsurdInputsNeverShowInfOrNan)
{
	const char *inputs[] = { "1e999", "-1e999", "1e308", "-1e308", "1e-320", "0", "-5", "abc", "", "nan", "inf" };
	struct Field {
		int page;
		int id;
	};
	const Field fields[] = {
		{ kFNumbers, ids::fnumbers::F1 },      { kFNumbers, ids::fnumbers::Stops },
		{ kDepthOfField, page::FocalLength },  { kDepthOfField, page::Distance },
		{ kDepthOfField, page::Aperture },     { kDepthOfField, page::CircleOfConfusion },
		{ kHyperfocal, page::FocalLength },    { kHyperfocal, page::CircleOfConfusion },
		{ kFieldOfView, page::Distance },      { kFieldOfView, page::FocalLength },
		{ kAngleOfView, page::FocalLength },   { kMagnification, page::Distance },
		{ kMagnification, page::FocalLength }, { kSpotMeter, ids::spotmeter::Percent },
		{ kSpotMeter, page::FocalLength },
	};
	for (const Field field : fields) {
		sheet.show(field.page);
		for (const char *input : inputs) {
			sheet.type(field.id, input);
			std::vector<int> results;
			for (const ui::ControlTemplate &control : sheet.page(field.page).dialogTemplate().controls) {
				if (control.kind == ui::ControlKind::Edit && (control.style & ui::kReadOnly))
					results.push_back(control.id);
			}
			if (field.page == kFNumbers)
				results.push_back(ids::fnumbers::F2);
			for (const int result : results) {
				const std::string text = sheet.text(result);
				if (text == "infinity" || text == "infinite")
					continue;
				EXPECT_EQ(text.find("inf"), std::string::npos)
					<< input << " -> " << result << ": " << text;
				EXPECT_EQ(text.find("nan"), std::string::npos)
					<< input << " -> " << result << ": " << text;
			}
		}
		sheet.type(field.id, "50");
	}
}

} // namespace
} // namespace mirel::testing
