#pragma once

namespace mirel {

// Optical formulas. Lengths are millimetres, angles radians.

// H = f² / (N × c).
double hyperfocalDistance(double f, double N, double c);

struct DepthOfFieldLimits {
	double near;
	double far; // negative when the zone of sharpness reaches infinity
};

// Near and far limits of acceptable sharpness when focused at s, both from
// the same hyperfocal distance H: H·s / (H ± (s − f)).
DepthOfFieldLimits depthOfFieldLimits(double f, double N, double c, double s);

// Whether a far limit means the zone of sharpness reaches infinity: beyond
// the hyperfocal distance it comes out negative, and exactly at it (plus the
// focal length) as a division by zero.
bool reachesInfinity(double far);

// Angle subtended by a frame dimension d behind a lens of focal length f
// focused at infinity: 2·atan(d / 2f).
double angleOfView(double f, double d);

// Radians to degrees with the factor 57.29578 (not 180/π): results the users
// know are computed with it, so 18 mm on 36 mm reads 90.000001° unrounded.
double toDegrees(double radians);

// Subject magnification for a subject at So: f / (So − f).
double magnification(double So, double f);

// Angle subtended by a circle whose area is percent of the frame area.
double spotAngle(double frameArea, double percent, double f);

// Diagonal of a frame: the square root of width² + height².
double frameDiagonal(double width, double height);

// Circle of confusion suggested for a frame: its diagonal / 1730.
double suggestedCoC(double width, double height);

// Wavelength of the green light diffraction is reckoned for, mm (550 nm).
inline constexpr double kGreenWavelength = 0.00055;

// Diameter of the Airy disk, the blur diffraction alone makes at f-number N:
// 2.44·λ·N.
double airyDiskDiameter(double N);

// The f-number from which the Airy disk is larger than the circle of
// confusion c: closing the lens further costs more sharpness than it gains
// depth. c / (2.44·λ), f/18.6 for the 35mm frame's 0.02501 mm.
double diffractionLimitedAperture(double c);

} // namespace mirel
