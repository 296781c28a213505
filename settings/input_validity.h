#pragma once

namespace mirel {

// Whether a page has inputs good enough to compute anything. Each test reads
// currentSettings through an accessor that hands out exactly the fields its
// page's formula needs; the conditions themselves are core/validity.h's:
// tested in order, every test against 0 strict, and a number that is not
// finite never usable.

struct AngleOfViewInputs {
	const double &FocalLength;
};
struct DepthOfFieldInputs {
	const double &FocalLength;
	const double &FocusDistance;
	const double &Aperture;
	const double &filmCoC;
};
using HyperfocalInputs = DepthOfFieldInputs;
struct FieldOfViewInputs {
	const double &FocalLength;
	const double &FocusDistance;
};
using MagnificationInputs = FieldOfViewInputs;
struct SpotMeterInputs {
	const double &FocalLength;
	const double &SpotPercent;
};

AngleOfViewInputs angleOfViewInputs();
DepthOfFieldInputs depthOfFieldInputs();
HyperfocalInputs hyperfocalInputs();
FieldOfViewInputs fieldOfViewInputs();
MagnificationInputs magnificationInputs();
SpotMeterInputs spotMeterInputs();

// FocalLength > 0.
bool angleOfViewInputsValid();
// FocalLength > 0, FocusDistance >= FocalLength, Aperture > 0, filmCoC > 0.
bool depthOfFieldInputsValid();
// FocalLength > 0, Aperture > 0, filmCoC > 0.
bool hyperfocalInputsValid();
// FocalLength > 0, FocusDistance >= FocalLength, FocusDistance > 0.
bool fieldOfViewInputsValid();
// The same test as fieldOfViewInputsValid.
bool magnificationInputsValid();
// FocalLength > 0, SpotPercent > 0.
bool spotMeterInputsValid();

} // namespace mirel
