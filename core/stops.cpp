#include "core/stops.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

#include "core/number_text.h"

namespace mirel {

double stopBase = 0.0;
double stopBaseLog = 0.0;

void initStopMath()
{
	stopBase = std::sqrt(2.0);
	stopBaseLog = std::log(stopBase);
}

double fNumberForStop(int n)
{
	return std::pow(stopBase, n);
}

double addStops(double f, double s)
{
	if (!(f > 0.0))
		return 0.0;
	return std::pow(stopBase, std::log(f) / stopBaseLog + s);
}

double stopsBetween(double f1, double f2)
{
	return std::log(f2) / stopBaseLog - std::log(f1) / stopBaseLog;
}

double roundToStep(double x, double d)
{
	const double bias = x > 0.0 ? 0.5 : -0.5;
	const double scaled = x * d + bias;
	// The grid index is a 32-bit integer; outside that range (or for a value
	// that is not a number at all) there is no grid to round to.
	constexpr double kLimit = static_cast<double>(std::numeric_limits<std::int32_t>::max());
	if (!(std::fabs(scaled) <= kLimit))
		return x;
	const auto n = static_cast<std::int32_t>(scaled);
	return n / d;
}

void roundDecimals(double &value, int method)
{
	switch (method) {
	case RoundOther1:
		value = roundToStep(value, 10.0);
		break;
	case RoundOther2:
		value = roundToStep(value, 100.0);
		break;
	case RoundOther3:
		value = roundToStep(value, 1000.0);
		break;
	default:
		break;
	}
}

std::string formatRounded(double value, int method)
{
	roundDecimals(value, method);
	return formatFixed(value, method >= RoundOther1 && method <= RoundOther3 ? method : 6);
}

namespace {

const char *fractionSuffix(double frac)
{
	if (frac > 0.83)
		return "-5/6";
	if (frac > 0.66)
		return "-2/3";
	if (frac >= 0.5)
		return "-1/2";
	if (frac > 0.33)
		return "-1/3";
	if (frac > 0.16)
		return "-1/6";
	return "";
}

// Whole stops and suffix of a value that is not negative.
std::string formatMagnitude(double x)
{
	const double whole = std::trunc(x);
	char buffer[340];
	std::snprintf(buffer, sizeof buffer, "%.0f%s", whole, fractionSuffix(x - whole));
	return buffer;
}

} // namespace

std::string formatStops(double x)
{
	if (!(x < 0.0))
		return formatMagnitude(x);
	// A negative value reads as its magnitude with a minus sign, so -1.5
	// reads "-1-1/2" rather than losing its fraction.
	std::string text = formatMagnitude(-x);
	if (text == "0")
		return text;
	return "-" + text;
}

std::string formatStopValue(double x, int method)
{
	switch (method) {
	case RoundStopsHalf:
		return formatStops(roundToStep(x, 2.0));
	case RoundStopsThird:
		return formatStops(roundToStep(x, 3.0));
	default:
		return formatFixed(x);
	}
}

} // namespace mirel
