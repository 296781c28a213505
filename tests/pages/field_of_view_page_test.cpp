#include "page_test_support.h"

namespace mirel::testing {
namespace {

namespace page = ids::page;

TEST_F(PageTest, FieldOfViewByDistanceAndFocalLength)
{
	sheet.show(kFieldOfView);
	struct Row {
		int unitRadio;
		const char *distance, *focal, *horizontal, *vertical;
	};
	for (const Row row : {
		     Row{ page::UnitMetres, "1", "50", "0.684000 m", "0.456000 m" },
		     Row{ page::UnitMillimetres, "5000", "50", "3564.000000 mm", "2376.000000 mm" },
		     Row{ page::UnitMillimetres, "50", "50", "0.000000 mm", "0.000000 mm" },
		     Row{ page::UnitMillimetres, "49.9", "50", "n/a", "n/a" },
		     Row{ page::UnitMillimetres, "", "50", "n/a", "n/a" },
		     Row{ page::UnitMillimetres, "5000", "0", "n/a", "n/a" },
	     }) {
		sheet.click(row.unitRadio);
		sheet.type(page::Distance, row.distance);
		sheet.type(page::FocalLength, row.focal);
		EXPECT_EQ(sheet.text(ids::fieldofview::Horizontal), row.horizontal)
			<< row.distance << ", " << row.focal;
		EXPECT_EQ(sheet.text(ids::fieldofview::Vertical), row.vertical) << row.distance << ", " << row.focal;
	}
}

} // namespace
} // namespace mirel::testing
