#include "page_test_support.h"

namespace mirel::testing {
namespace {

namespace page = ids::page;
namespace id = ids::angleofview;

class AngleOfView : public PageTest
{
protected:
	void SetUp() override { sheet.show(kAngleOfView); }
};

TEST_F(AngleOfView, AnglesByFocalLengthAndRounding)
{
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
		     Row{ "-50", 2, "n/a", "n/a", "n/a" },
		     Row{ "1e999", 2, "n/a", "n/a", "n/a" },
	     }) {
		settings.RoundOtherMethod = row.rounding;
		sheet.type(page::FocalLength, row.focal);
		EXPECT_EQ(sheet.text(id::Horizontal), row.horizontal) << row.focal;
		EXPECT_EQ(sheet.text(id::Vertical), row.vertical) << row.focal;
		EXPECT_EQ(sheet.text(id::Diagonal), row.diagonal) << row.focal;
	}
}

TEST_F(AngleOfView, FilmFormatChangesTheAnglesAndTheSuggestion)
{
	settings.RoundOtherMethod = 2;
	sheet.pick(page::FilmFormat, 3);
	EXPECT_EQ(settings.FilmSize, 3);
	EXPECT_NEAR(settings.filmCoC, 0.04905, 5e-6);
	EXPECT_EQ(sheet.text(id::Horizontal), "61.93\xB0");
	EXPECT_EQ(sheet.text(id::Vertical), "61.93\xB0");
}

} // namespace
} // namespace mirel::testing
