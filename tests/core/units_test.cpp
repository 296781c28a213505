#include "core/units.h"

#include <limits>

#include <gtest/gtest.h>

namespace mirel {
namespace {

TEST(Units, ConvertAndName)
{
	struct Row {
		LengthUnit unit;
		double millimetresPerUnit, perMetre;
		const char *abbreviation;
	};
	for (const Row row : {
		     Row{ LengthUnit::Millimetres, 1.0, 1000.0, "mm" },
		     Row{ LengthUnit::Centimetres, 10.0, 100.0, "cm" },
		     Row{ LengthUnit::Metres, 1000.0, 1.0, "m" },
		     Row{ LengthUnit::Inches, 25.4, 39.37007874015748, "in" },
		     Row{ LengthUnit::Feet, 304.8, 3.2808398950131233, "ft" },
	     }) {
		EXPECT_EQ(toMillimetres(1.0, row.unit), row.millimetresPerUnit) << row.abbreviation;
		EXPECT_EQ(toMillimetres(-2.5, row.unit), -2.5 * row.millimetresPerUnit) << row.abbreviation;
		EXPECT_EQ(fromMillimetres(1000.0, row.unit), row.perMetre) << row.abbreviation;
		// The reciprocal factors are stored constants: a round trip may be
		// off in the last bits, never more.
		EXPECT_NEAR(fromMillimetres(row.millimetresPerUnit, row.unit), 1.0,
			    2 * std::numeric_limits<double>::epsilon())
			<< row.abbreviation;
		EXPECT_EQ(unitAbbreviation(row.unit), row.abbreviation);
	}
}

TEST(Units, OutOfRangeUnitsYieldZeroAndNoName)
{
	for (int raw : { -1, 5, 255, std::numeric_limits<int>::min() }) {
		const auto unit = static_cast<LengthUnit>(raw);
		EXPECT_EQ(toMillimetres(12.0, unit), 0.0) << raw;
		EXPECT_EQ(fromMillimetres(12.0, unit), 0.0) << raw;
		EXPECT_TRUE(unitAbbreviation(unit).empty()) << raw;
	}
}

} // namespace
} // namespace mirel
