#include "pages/fnumbers_page.h"

#include "core/stops.h"
#include "page_test_support.h"

namespace mirel::testing {
namespace {

namespace id = ids::fnumbers;

class FNumbers : public PageTest
{
protected:
	void SetUp() override { sheet.show(kFNumbers); }
	FNumPage &page() { return static_cast<FNumPage &>(sheet.page(kFNumbers)); }
};

TEST_F(FNumbers, FirstDisplayComputesF2FromF1AndZeroStops)
{
	EXPECT_EQ(sheet.text(id::Stops), "0");
	EXPECT_EQ(sheet.text(id::F1), "1.8");
	EXPECT_EQ(sheet.text(id::F2), "1.8");
	EXPECT_TRUE(sheet.active().isChecked(id::ModeF2));
	EXPECT_FALSE(sheet.active().isChecked(id::ModeStops));
	EXPECT_FALSE(sheet.active().isEnabled(id::F2));
	EXPECT_EQ(sheet.active().itemCount(id::F1), 13);
	EXPECT_EQ(sheet.active().dropDownHeight(id::F2), 4);
}

TEST_F(FNumbers, WorkedExampleF2FromStops)
{
	struct Row {
		int roundOther;
		const char *f2;
	};
	for (const Row row : { Row{ 1, "5.7" }, Row{ 0, "5.656854" }, Row{ 2, "5.66" }, Row{ 3, "5.657" } }) {
		settings.RoundOtherMethod = row.roundOther;
		sheet.pick(id::F1, stopIndex("2.8"));
		sheet.type(id::Stops, "2");
		EXPECT_EQ(sheet.text(id::F2), row.f2) << "rounding " << row.roundOther;
	}
	EXPECT_DOUBLE_EQ(settings.Aperture, fNumberForStop(3)) << "the computed f2 is not an entry";
}

TEST_F(FNumbers, WorkedExampleStopsFromF2)
{
	sheet.click(id::ModeStops);
	struct Row {
		int roundStops;
		const char *stops;
	};
	for (const Row row : { Row{ 1, "2" }, Row{ 2, "2" }, Row{ 0, "2.000000" } }) {
		settings.RoundStopsMethod = row.roundStops;
		sheet.pick(id::F1, stopIndex("2.8"));
		sheet.pick(id::F2, stopIndex("5.6"));
		EXPECT_EQ(sheet.text(id::Stops), row.stops) << "rounding " << row.roundStops;
	}
	EXPECT_DOUBLE_EQ(settings.Aperture, fNumberForStop(5));
}

TEST_F(FNumbers, TypedAndPickedElevenDiffer)
{
	sheet.click(id::ModeStops);
	settings.RoundStopsMethod = 0;
	sheet.pick(id::F2, stopIndex("16"));
	sheet.type(id::F1, "11");
	EXPECT_EQ(page().f1(), 11.0);
	EXPECT_EQ(sheet.text(id::Stops).substr(0, 5), "1.081");
	sheet.pick(id::F1, stopIndex("11"));
	EXPECT_NEAR(page().f1(), 11.313708, 1e-6);
	EXPECT_EQ(sheet.text(id::Stops), "1.000000");
}

TEST_F(FNumbers, NegativeStopsFromALargerToASmallerFNumber)
{
	sheet.click(id::ModeStops);
	sheet.type(id::F1, "8");
	sheet.type(id::F2, "2.8");
	for (const auto &[method, text] : { std::pair{ 0, "-3.029146" }, std::pair{ 1, "-3" }, std::pair{ 2, "-3" } }) {
		settings.RoundStopsMethod = method;
		sheet.type(id::F2, "2.8");
		EXPECT_EQ(sheet.text(id::Stops), text);
	}
	settings.RoundStopsMethod = 1;
	sheet.type(id::F2, "4.8");
	EXPECT_EQ(sheet.text(id::Stops), "-1-1/2");
}

TEST_F(FNumbers, UnusableEntriesShowNotAvailable)
{
	sheet.type(id::F1, "");
	EXPECT_EQ(settings.Aperture, 0.0);
	EXPECT_EQ(sheet.text(id::F2), "n/a");
	sheet.type(id::F1, "1e999");
	EXPECT_EQ(sheet.text(id::F2), "n/a");
	sheet.type(id::F1, "4");
	sheet.type(id::Stops, "-3000");
	EXPECT_EQ(sheet.text(id::F2), "n/a") << "an f-number that underflows to 0";
	sheet.click(id::ModeStops);
	sheet.type(id::F1, "abc");
	EXPECT_EQ(sheet.text(id::Stops), "n/a");
	sheet.type(id::F1, "1e999");
	EXPECT_EQ(sheet.text(id::Stops), "n/a");
}

TEST_F(FNumbers, StopsTextReadsItsLeadingNumber)
{
	settings.RoundOtherMethod = 2;
	sheet.type(id::F1, "2");
	sheet.type(id::Stops, "-3");
	EXPECT_EQ(sheet.text(id::F2), "0.71");
	sheet.type(id::Stops, "2-1/3");
	EXPECT_EQ(sheet.text(id::F2), "4.0");
	sheet.type(id::Stops, "half");
	EXPECT_EQ(sheet.text(id::F2), "2.0");
}

TEST_F(FNumbers, ModeRadiosOnlySwitchWhichBoxesAreEnabled)
{
	sheet.type(id::F1, "4");
	sheet.type(id::Stops, "1");
	const std::string f2 = sheet.text(id::F2);
	sheet.click(id::ModeStops);
	EXPECT_TRUE(sheet.active().isEnabled(id::F1));
	EXPECT_TRUE(sheet.active().isEnabled(id::F2));
	EXPECT_FALSE(sheet.active().isEnabled(id::Stops));
	EXPECT_FALSE(sheet.active().isChecked(id::ModeF2));
	EXPECT_EQ(sheet.text(id::Stops), "1");
	EXPECT_EQ(sheet.text(id::F2), f2);
	sheet.click(id::ModeF2);
	EXPECT_FALSE(sheet.active().isEnabled(id::F2));
	EXPECT_TRUE(sheet.active().isEnabled(id::Stops));
}

TEST_F(FNumbers, ComputedF2IsTheF2OfTheOtherMode)
{
	settings.RoundStopsMethod = 0;
	sheet.type(id::F1, "2.8");
	sheet.type(id::Stops, "2");
	sheet.click(id::ModeStops);
	sheet.show(kDepthOfField);
	sheet.show(kFNumbers);
	EXPECT_EQ(sheet.text(id::Stops), "2.000000");
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
