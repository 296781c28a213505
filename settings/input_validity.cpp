#include "settings/input_validity.h"

#include "settings/records.h"

namespace mirel {

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
	return angleOfViewInputs().FocalLength > 0.0;
}

bool depthOfFieldInputsValid()
{
	const DepthOfFieldInputs in = depthOfFieldInputs();
	return in.FocalLength > 0.0 && in.FocusDistance >= in.FocalLength && in.Aperture > 0.0 && in.filmCoC > 0.0;
}

bool hyperfocalInputsValid()
{
	const HyperfocalInputs in = hyperfocalInputs();
	return in.FocalLength > 0.0 && in.Aperture > 0.0 && in.filmCoC > 0.0;
}

bool fieldOfViewInputsValid()
{
	const FieldOfViewInputs in = fieldOfViewInputs();
	return in.FocalLength > 0.0 && in.FocusDistance >= in.FocalLength && in.FocusDistance > 0.0;
}

bool magnificationInputsValid()
{
	return fieldOfViewInputsValid();
}

bool spotMeterInputsValid()
{
	const SpotMeterInputs in = spotMeterInputs();
	return in.FocalLength > 0.0 && in.SpotPercent > 0.0;
}

} // namespace mirel
