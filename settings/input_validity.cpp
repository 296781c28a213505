#include "settings/input_validity.h"

#include <cmath>
#include <initializer_list>

#include "settings/records.h"

namespace mirel {

namespace {

// An infinite input (1e999 typed) would pass every test against 0 and give
// infinite or "nan" results.
bool allFinite(std::initializer_list<double> inputs)
{
	for (const double input : inputs)
		if (!std::isfinite(input))
			return false;
	return true;
}

} // namespace

AngleOfViewInputs angleOfViewInputs()
{
	return { currentSettings().FocalLength };
}

DepthOfFieldInputs depthOfFieldInputs()
{
	const CalcSettings &s = currentSettings();
	return { s.FocalLength, s.FocusDistance, s.Aperture, s.filmCoC };
}

HyperfocalInputs hyperfocalInputs()
{
	return depthOfFieldInputs();
}

FieldOfViewInputs fieldOfViewInputs()
{
	const CalcSettings &s = currentSettings();
	return { s.FocalLength, s.FocusDistance };
}

MagnificationInputs magnificationInputs()
{
	return fieldOfViewInputs();
}

SpotMeterInputs spotMeterInputs()
{
	const CalcSettings &s = currentSettings();
	return { s.FocalLength, s.SpotPercent };
}

bool angleOfViewInputsValid()
{
	const AngleOfViewInputs in = angleOfViewInputs();
	return allFinite({ in.FocalLength }) && in.FocalLength > 0.0;
}

bool depthOfFieldInputsValid()
{
	const DepthOfFieldInputs in = depthOfFieldInputs();
	return allFinite({ in.FocalLength, in.FocusDistance, in.Aperture, in.filmCoC }) && in.FocalLength > 0.0 &&
	       in.FocusDistance >= in.FocalLength && in.Aperture > 0.0 && in.filmCoC > 0.0;
}

bool hyperfocalInputsValid()
{
	const HyperfocalInputs in = hyperfocalInputs();
	return allFinite({ in.FocalLength, in.Aperture, in.filmCoC }) && in.FocalLength > 0.0 && in.Aperture > 0.0 &&
	       in.filmCoC > 0.0;
}

bool fieldOfViewInputsValid()
{
	const FieldOfViewInputs in = fieldOfViewInputs();
	return allFinite({ in.FocalLength, in.FocusDistance }) && in.FocalLength > 0.0 &&
	       in.FocusDistance >= in.FocalLength && in.FocusDistance > 0.0;
}

bool magnificationInputsValid()
{
	return fieldOfViewInputsValid();
}

bool spotMeterInputsValid()
{
	const SpotMeterInputs in = spotMeterInputs();
	return allFinite({ in.FocalLength, in.SpotPercent }) && in.FocalLength > 0.0 && in.SpotPercent > 0.0;
}

} // namespace mirel
