#include "settings/input_validity.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "settings/records.h"

namespace mirel {
namespace {

struct Inputs {
	const char *name;
	double focal, distance, aperture, coc, spot;
	// Expected answers: angle, depth of field, hyperfocal, field of view,
	// magnification, spot meter.
	bool aov, dof, hyp, fov, mag, spot_;
};

void PrintTo(const Inputs &in, std::ostream *os)
{
	*os << in.name;
}

const double kNaN = std::nan("");

class Validity : public testing::TestWithParam<Inputs> {};

TEST_P(Validity, EachPageTest)
{
	const Inputs in = GetParam();
	CalcSettings &s = currentSettings();
	s.FocalLength = in.focal;
	s.FocusDistance = in.distance;
	s.Aperture = in.aperture;
	s.filmCoC = in.coc;
	s.SpotPercent = in.spot;
	EXPECT_EQ(angleOfViewInputsValid(), in.aov);
	EXPECT_EQ(depthOfFieldInputsValid(), in.dof);
	EXPECT_EQ(hyperfocalInputsValid(), in.hyp);
	EXPECT_EQ(fieldOfViewInputsValid(), in.fov);
	EXPECT_EQ(magnificationInputsValid(), in.mag);
	EXPECT_EQ(spotMeterInputsValid(), in.spot_);
}

INSTANTIATE_TEST_SUITE_P(
	Table, Validity,
	testing::Values(
		Inputs{ "defaults", 50, 1000, 1.8, 0.025, 9.5, true, true, true, true, true, true },
		Inputs{ "distance_equals_focal", 50, 50, 8, 0.03, 9.5, true, true, true, true, true, true },
		Inputs{ "distance_below_focal", 50, 49.999, 8, 0.03, 9.5, true, false, true, false, false, true },
		Inputs{ "zero_focal", 0, 1000, 8, 0.03, 9.5, false, false, false, false, false, false },
		Inputs{ "negative_focal", -50, 1000, 8, 0.03, 9.5, false, false, false, false, false, false },
		Inputs{ "zero_aperture", 50, 1000, 0, 0.03, 9.5, true, false, false, true, true, true },
		Inputs{ "zero_coc", 50, 1000, 8, 0, 9.5, true, false, false, true, true, true },
		Inputs{ "zero_spot", 50, 1000, 8, 0.03, 0, true, true, true, true, true, false },
		Inputs{ "negative_focal_and_distance", -50, -10, 8, 0.03, 9.5, false, false, false, false, false, false },
		Inputs{ "nan_focal", kNaN, 1000, 8, 0.03, 9.5, false, false, false, false, false, false },
		Inputs{ "nan_distance", 50, kNaN, 8, 0.03, 9.5, true, false, true, false, false, true }),
	[](const auto &info) { return std::string(info.param.name); });

TEST(ValidityAccessors, HandOutTheFieldsOfCurrentSettings)
{
	const CalcSettings &s = currentSettings();
	const DepthOfFieldInputs dof = depthOfFieldInputs();
	EXPECT_EQ(&dof.FocalLength, &s.FocalLength);
	EXPECT_EQ(&dof.FocusDistance, &s.FocusDistance);
	EXPECT_EQ(&dof.Aperture, &s.Aperture);
	EXPECT_EQ(&dof.filmCoC, &s.filmCoC);
	EXPECT_EQ(&spotMeterInputs().SpotPercent, &s.SpotPercent);
	EXPECT_EQ(&angleOfViewInputs().FocalLength, &s.FocalLength);
	EXPECT_EQ(&fieldOfViewInputs().FocusDistance, &s.FocusDistance);
}

} // namespace
} // namespace mirel
