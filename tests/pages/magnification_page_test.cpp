#include "page_test_support.h"

namespace mirel::testing {
namespace {

namespace page = ids::page;

class Magnification : public PageTest
{
protected:
	void SetUp() override { sheet.show(kMagnification); }
	std::string result() { return sheet.text(ids::magnification::Result); }
};

TEST_F(Magnification, ByDistance)
{
	EXPECT_EQ(result(), "0.052632");
	sheet.click(page::UnitMillimetres);
	struct Row {
		const char *distance, *text;
	};
	for (const Row row : { Row{ "100", "1.000000" }, Row{ "50", "infinity" }, Row{ "49.9", "n/a" },
			       Row{ "0", "n/a" }, Row{ "1e999", "n/a" }, Row{ "75", "2.000000" } }) {
		sheet.type(page::Distance, row.distance);
		EXPECT_EQ(result(), row.text) << row.distance;
	}
	sheet.type(page::FocalLength, "0");
	EXPECT_EQ(result(), "n/a");
}

TEST_F(Magnification, UnitChangesTheDistanceTextOnly)
{
	sheet.click(page::UnitInches);
	EXPECT_EQ(sheet.text(page::Distance), "39.370079");
	EXPECT_EQ(result(), "0.052632");
	EXPECT_EQ(settings.FocusDistance, 1000.0);
	sheet.click(page::UnitMetres);
	sheet.type(page::Distance, "1");
	EXPECT_EQ(settings.FocusDistance, 1000.0);
	sheet.click(page::UnitCentimetres);
	sheet.type(page::Distance, "12.5");
	EXPECT_EQ(settings.FocusDistance, 125.0);
}

} // namespace
} // namespace mirel::testing
