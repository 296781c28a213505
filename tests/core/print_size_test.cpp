#include "core/print_size.h"

#include <gtest/gtest.h>

namespace mirel {
namespace {

// Sizes by hand: 8 × 10 in is 203.2 × 254 mm, 30 × 40 cm 300 × 400 mm.
TEST(PrintSize, NamedAndTypedSizesReadInMillimetres)
{
	struct Row {
		const char *text;
		double width, height;
		const char *name;
	};
	for (const Row row : {
		     Row{ "A4", 210, 297, "A4" }, Row{ " a3 ", 297, 420, "A3" },
		     Row{ "8 \xD7 10 in", 203.2, 254, "8 \xD7 10 in" }, Row{ "8x10IN", 203.2, 254, "8 \xD7 10 in" },
		     Row{ "30 x 40 cm", 300, 400, "30 \xD7 40 cm" }, Row{ "20 \xD7 25.4 cm", 200, 254, "" },
		     Row{ "8in x 10in", 203.2, 254, "" }, Row{ "0.5m x 70cm", 500, 700, "" },
		     Row{ "13x18", 13, 18, "" }, Row{ "5\"x7\"", 127, 177.8, "" },
		     Row{ "-8x10in", -203.2, 254, "" }, // read; printCoC says why it is no print
	     }) {
		const std::optional<PrintSize> size = readPrintSize(row.text);
		ASSERT_TRUE(size) << row.text;
		EXPECT_NEAR(size->width, row.width, 1e-9) << row.text;
		EXPECT_NEAR(size->height, row.height, 1e-9) << row.text;
		EXPECT_EQ(size->name, row.name) << row.text;
	}
}

TEST(PrintSize, OtherTextsAreNoSize)
{
	for (const char *text : { "", "A5", "8x", "x10", "8x10ft", "8x10x12", "eight x ten", "30 40 cm", "8,x10" })
		EXPECT_FALSE(readPrintSize(text)) << text;
}

} // namespace
} // namespace mirel
