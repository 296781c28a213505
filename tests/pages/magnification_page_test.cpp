#include "page_test_support.h"

namespace mirel::testing {
namespace {

namespace page = ids::page;

TEST_F(PageTest, MagnificationByDistance)
{
	sheet.show(kMagnification);
	EXPECT_EQ(sheet.text(ids::magnification::Result), "0.052632");
	sheet.click(page::UnitMillimetres);
	struct Row {
		const char *focal, *distance, *text;
	};
	for (const Row row : { Row{ "50", "100", "1.000000" }, Row{ "50", "75", "2.000000" },
			       Row{ "50", "50", "infinity" }, Row{ "50", "49.9", "n/a" }, Row{ "50", "0", "n/a" },
			       Row{ "50", "1e999", "n/a" }, Row{ "0", "100", "n/a" } }) {
		sheet.type(page::FocalLength, row.focal);
		sheet.type(page::Distance, row.distance);
		EXPECT_EQ(sheet.text(ids::magnification::Result), row.text) << row.focal << ", " << row.distance;
	}
}

} // namespace
} // namespace mirel::testing
