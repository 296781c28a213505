#include "page_test_support.h"

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

} // namespace
} // namespace mirel::testing
