#include "core/stops.h"
#include "testing/page_test.h"

namespace mirel::testing {
namespace {

namespace id = ids::fnumbers;

class FNumbers : public PageTest
{
protected:
	void SetUp() override { sheet.show(kFNumbers); }
};

TEST_F(FNumbers, FirstDisplayComputesF2FromF1AndZeroStops)
{
	EXPECT_EQ(sheet.text(id::Stops), "0");
	EXPECT_EQ(sheet.text(id::F1), "1.8");
	EXPECT_EQ(sheet.text(id::F2), "1.8");
	EXPECT_TRUE(sheet.active().isChecked(id::ModeF2));
	EXPECT_FALSE(sheet.active().isEnabled(id::F2));
	EXPECT_EQ(sheet.active().dropDownHeight(id::F2), 4);
}

// f2 from f1 and the stops rounds by the rule for other values, the stops
// from f1 to f2 by the stops rule. A stops text counts by its leading number.
TEST_F(FNumbers, EachModeRoundsByItsRuleOrShowsNotAvailable)
{
	struct Row {
		bool stopsMode;
		const char *f1, *input; // the stops, or f2 in the stops mode
		int rounding;
		const char *result;
	};
	for (const Row row : {
		     Row{ false, "2.8", "1", 0, "3.959798" },
		     Row{ false, "2.8", "1", 1, "4.0" },
		     Row{ false, "2", "-3", 2, "0.71" },
		     Row{ false, "2", "2-1/3", 2, "4.0" },
		     Row{ true, "2.8", "5.6", 0, "2.000000" },
		     Row{ true, "8", "2.8", 0, "-3.029146" },
		     Row{ true, "8", "2.8", 2, "-3" },
		     Row{ true, "8", "4.8", 1, "-1-1/2" },
		     Row{ false, "", "0", 2, "n/a" },
		     Row{ false, "1e999", "0", 2, "n/a" },
		     Row{ false, "4", "-3000", 2, "n/a" }, // f2 underflows to 0
		     Row{ true, "abc", "4", 1, "n/a" },
	     }) {
		settings.RoundOtherMethod = settings.RoundStopsMethod = row.rounding;
		sheet.click(row.stopsMode ? id::ModeStops : id::ModeF2);
		sheet.type(id::F1, row.f1);
		sheet.type(row.stopsMode ? id::F2 : id::Stops, row.input);
		EXPECT_EQ(sheet.text(row.stopsMode ? id::Stops : id::F2), row.result) << row.f1 << ", " << row.input;
	}
}

// A picked 11 is the whole stop 11.3137..., a typed 11 is 11.
TEST_F(FNumbers, TypedAndPickedElevenDiffer)
{
	settings.RoundStopsMethod = 0;
	sheet.click(id::ModeStops);
	pickStop(id::F2, "16");
	sheet.type(id::F1, "11");
	EXPECT_EQ(sheet.text(id::Stops).substr(0, 5), "1.081");
	pickStop(id::F1, "11");
	EXPECT_EQ(settings.Aperture, fNumberForStop(7));
	EXPECT_EQ(sheet.text(id::Stops), "1.000000");
}

// The mode radios only switch which boxes take input; the f2 computed in one
// mode is the f2 the other counts from, and no entry of the user's.
TEST_F(FNumbers, TheModesShareTheComputedF2)
{
	settings.RoundStopsMethod = 0;
	sheet.type(id::F1, "4");
	sheet.type(id::Stops, "1");
	const std::string f2 = sheet.text(id::F2);
	EXPECT_EQ(settings.Aperture, 4.0);
	sheet.click(id::ModeStops);
	EXPECT_TRUE(sheet.active().isEnabled(id::F2));
	EXPECT_FALSE(sheet.active().isEnabled(id::Stops));
	EXPECT_EQ(sheet.text(id::Stops), "1");
	EXPECT_EQ(sheet.text(id::F2), f2);
	sheet.show(kDepthOfField);
	sheet.show(kFNumbers);
	EXPECT_EQ(sheet.text(id::Stops), "1.000000");
}

TEST_F(FNumbers, KeepsItsOwnF1WhenAnotherPageChangesAperture)
{
	sheet.type(id::F1, "4");
	sheet.show(kDepthOfField);
	sheet.type(ids::page::Aperture, "16");
	sheet.show(kFNumbers);
	EXPECT_EQ(sheet.text(id::F1), "4.0");
	EXPECT_EQ(settings.Aperture, 16.0);
}

} // namespace
} // namespace mirel::testing
