#include "core/units.h"

#include <array>

namespace mirel {

namespace {

struct UnitRow {
	double toMm;
	double fromMm;
	std::string_view abbreviation;
};

constexpr std::array<UnitRow, kLengthUnitCount> kUnits{ {
	{ 1.0, 1.0, "mm" },
	{ 10.0, 0.1, "cm" },
	{ 1000.0, 0.001, "m" },
	{ 25.4, 0.03937007874015748, "in" },
	{ 304.8, 0.0032808398950131233, "ft" },
} };

const UnitRow *row(LengthUnit unit)
{
	const auto index = static_cast<std::int32_t>(unit);
	if (index < 0 || index >= kLengthUnitCount)
		return nullptr;
	return &kUnits[static_cast<std::size_t>(index)];
}

} // namespace

double toMillimetres(double value, LengthUnit unit)
{
	const UnitRow *r = row(unit);
	return r ? value * r->toMm : 0.0;
}

double fromMillimetres(double mm, LengthUnit unit)
{
	const UnitRow *r = row(unit);
	return r ? mm * r->fromMm : 0.0;
}

std::string_view unitAbbreviation(LengthUnit unit)
{
	const UnitRow *r = row(unit);
	return r ? r->abbreviation : std::string_view{};
}

} // namespace mirel
