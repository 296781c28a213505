#include "settings/input_validity.h"

#include "core/validity.h"
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
	return angleOfViewUnusable(angleOfViewInputs().FocalLength).empty();
}

bool depthOfFieldInputsValid()
{
	const DepthOfFieldInputs in = depthOfFieldInputs();
	return depthOfFieldUnusable(in.FocalLength, in.FocusDistance, in.Aperture, in.filmCoC).empty();
}

bool hyperfocalInputsValid()
{
	const HyperfocalInputs in = hyperfocalInputs();
	return hyperfocalUnusable(in.FocalLength, in.Aperture, in.filmCoC).empty();
}

bool fieldOfViewInputsValid()
{
	const FieldOfViewInputs in = fieldOfViewInputs();
	return fieldOfViewUnusable(in.FocalLength, in.FocusDistance).empty();
}

bool magnificationInputsValid()
{
	return fieldOfViewInputsValid();
}

bool spotMeterInputsValid()
{
	const SpotMeterInputs in = spotMeterInputs();
	return spotMeterUnusable(in.FocalLength, in.SpotPercent).empty();
}

} // namespace mirel
