#include "core/units.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace mirel {
namespace {

struct UnitRow {
	LengthUnit unit;
	double millimetresPerUnit;
	const char *abbreviation;
};

void PrintTo(const UnitRow &row, std::ostream *os)
{
	*os << row.abbreviation;
}

class UnitTable : public testing::TestWithParam<UnitRow>
{};

TEST_P(UnitTable, ConvertsAndNames)
{
	const UnitRow row = GetParam();
	EXPECT_EQ(toMillimetres(1.0, row.unit), row.millimetresPerUnit);
	EXPECT_EQ(toMillimetres(-2.5, row.unit), -2.5 * row.millimetresPerUnit);
	// The reciprocal factors are stored constants: a round trip may be off in
	// the last bits, never more.
	const double back = fromMillimetres(row.millimetresPerUnit, row.unit);
	EXPECT_NEAR(back, 1.0, 2 * std::numeric_limits<double>::epsilon());
	EXPECT_EQ(unitAbbreviation(row.unit), row.abbreviation);
}

INSTANTIATE_TEST_SUITE_P(AllUnits, UnitTable,
			 testing::Values(UnitRow{ LengthUnit::Millimetres, 1.0, "mm" },
					 UnitRow{ LengthUnit::Centimetres, 10.0, "cm" },
					 UnitRow{ LengthUnit::Metres, 1000.0, "m" },
					 UnitRow{ LengthUnit::Inches, 25.4, "in" },
					 UnitRow{ LengthUnit::Feet, 304.8, "ft" }),
			 [](const auto &info) { return std::string(info.param.abbreviation); });

TEST(Units, ReferenceConversions)
{
	EXPECT_EQ(toMillimetres(1, LengthUnit::Feet), 304.8);
	EXPECT_EQ(fromMillimetres(1000, LengthUnit::Metres), 1.0);
	EXPECT_EQ(fromMillimetres(1000, LengthUnit::Feet), 3.2808398950131233);
	EXPECT_EQ(fromMillimetres(1000, LengthUnit::Inches), 39.37007874015748);
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
