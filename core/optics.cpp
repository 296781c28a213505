#include "core/optics.h"

#include <cmath>
#include <limits>

namespace mirel {

namespace {

constexpr double kDegreesPerRadian = 57.29578;
constexpr double kPi = 3.141592654;
constexpr double kCoCPerDiagonal = 0.0005780346820809249; // 1 / 1730
constexpr double kAiryDiskFactor = 2.44;                  // first dark ring of the Airy pattern, as a diameter

} // namespace

double hyperfocalDistance(double f, double N, double c)
{
	return f * f / (N * c);
}

DepthOfFieldLimits depthOfFieldLimits(double f, double N, double c, double s)
{
	const double H = hyperfocalDistance(f, N, c);
	const double beyondFocal = s - f;
	return { H * s / (H + beyondFocal), H * s / (H - beyondFocal) };
}

bool reachesInfinity(double far)
{
	return far < 0.0 || far == std::numeric_limits<double>::infinity();
}

double angleOfView(double f, double d)
{
	return 2.0 * std::atan(d / (2.0 * f));
}

double toDegrees(double radians)
{
	return radians * kDegreesPerRadian;
}

double magnification(double So, double f)
{
	return f / (So - f);
}

double spotAngle(double frameArea, double percent, double f)
{
	const double diameter = 2.0 * std::sqrt(0.01 * percent * frameArea / kPi);
	return angleOfView(f, diameter);
}

double frameDiagonal(double width, double height)
{
	return std::hypot(width, height);
}

double suggestedCoC(double width, double height)
{
	return frameDiagonal(width, height) * kCoCPerDiagonal;
}

double airyDiskDiameter(double N)
{
	return kAiryDiskFactor * kGreenWavelength * N;
}

double diffractionLimitedAperture(double c)
{
	return c / (kAiryDiskFactor * kGreenWavelength);
}

} // namespace mirel
