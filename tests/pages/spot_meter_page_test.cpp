#include "page_test_support.h"

namespace mirel::testing {
namespace {

namespace id = ids::spotmeter;

class SpotMeter : public PageTest
{
protected:
	void SetUp() override { sheet.show(kSpotMeter); }
	std::string result() { return sheet.text(id::Result); }
};

TEST_F(SpotMeter, AngleByPercent)
{
	EXPECT_EQ(sheet.text(id::Percent), "9.5");
	EXPECT_EQ(result(), "11.674016\xB0");
	struct Row {
		const char *percent, *text;
	};
	for (const Row row : { Row{ "100", "36.698721\xB0" }, Row{ "400", "67.116515\xB0" }, Row{ "0", "n/a" },
			       Row{ "-5", "n/a" }, Row{ "", "n/a" } }) {
		sheet.type(id::Percent, row.percent);
		EXPECT_EQ(result(), row.text) << row.percent;
	}
}

TEST_F(SpotMeter, LargerFrameWiderAngleAndTrimmedPercent)
{
	sheet.pick(ids::page::FilmFormat, 2);
	EXPECT_EQ(result(), "20.487509\xB0");
	settings.SpotPercent = 10.0;
	sheet.show(kSpotMeter);
	EXPECT_EQ(sheet.text(id::Percent), "10.0");
}

} // namespace
} // namespace mirel::testing
