// Cost of each calculation the pages run on every keystroke.
#include <benchmark/benchmark.h>

#include "core/optics.h"
#include "core/stops.h"
#include "core/units.h"
#include "core/validity.h"

namespace mirel {
namespace {

template <typename F>
void run(benchmark::State &state, F f)
{
	initStopMath();
	for (auto _ : state)
		benchmark::DoNotOptimize(f());
}

// Inputs read through a volatile so the compiler cannot fold the calls away.
volatile double kFocal = 50.0;
volatile double kDistance = 5000.0;
volatile double kAperture = 8.0;
volatile double kCoC = 0.025;

void BM_toMillimetres(benchmark::State &s)
{
	run(s, [] { return toMillimetres(kDistance, LengthUnit::Feet); });
}
void BM_fromMillimetres(benchmark::State &s)
{
	run(s, [] { return fromMillimetres(kDistance, LengthUnit::Feet); });
}
void BM_unitAbbreviation(benchmark::State &s)
{
	run(s, [] { return unitAbbreviation(LengthUnit::Inches).size(); });
}
void BM_fNumberForStop(benchmark::State &s)
{
	run(s, [] { return fNumberForStop(static_cast<int>(kAperture)); });
}
void BM_addStops(benchmark::State &s)
{
	run(s, [] { return addStops(kAperture, 1.5); });
}
void BM_stopsBetween(benchmark::State &s)
{
	run(s, [] { return stopsBetween(kAperture, 2.8); });
}
void BM_roundToStep(benchmark::State &s)
{
	run(s, [] { return roundToStep(kDistance / 3.0, 1000.0); });
}
void BM_roundDecimals(benchmark::State &s)
{
	run(s, [] {
		double v = kDistance / 3.0;
		roundDecimals(v, RoundOther2);
		return v;
	});
}
void BM_formatStops(benchmark::State &s)
{
	run(s, [] { return formatStops(kAperture / 3.0); });
}
void BM_formatStopValue(benchmark::State &s)
{
	run(s, [] { return formatStopValue(kAperture / 3.0, RoundStopsThird); });
}
void BM_hyperfocalDistance(benchmark::State &s)
{
	run(s, [] { return hyperfocalDistance(kFocal, kAperture, kCoC); });
}
void BM_depthOfFieldLimits(benchmark::State &s)
{
	run(s, [] { return depthOfFieldLimits(kFocal, kAperture, kCoC, kDistance).far; });
}
void BM_angleOfView(benchmark::State &s)
{
	run(s, [] { return toDegrees(angleOfView(kFocal, 36.0)); });
}
void BM_magnification(benchmark::State &s)
{
	run(s, [] { return magnification(kDistance, kFocal); });
}
void BM_spotAngle(benchmark::State &s)
{
	run(s, [] { return spotAngle(864.0, 9.5, kFocal); });
}
void BM_suggestedCoC(benchmark::State &s)
{
	run(s, [] { return suggestedCoC(kFocal, 24.0); });
}
void BM_depthOfFieldUnusable(benchmark::State &s)
{
	run(s, [] { return depthOfFieldUnusable(kFocal, 5000.0, 8.0, 0.03); });
}

BENCHMARK(BM_toMillimetres);
BENCHMARK(BM_fromMillimetres);
BENCHMARK(BM_unitAbbreviation);
BENCHMARK(BM_fNumberForStop);
BENCHMARK(BM_addStops);
BENCHMARK(BM_stopsBetween);
BENCHMARK(BM_roundToStep);
BENCHMARK(BM_roundDecimals);
BENCHMARK(BM_formatStops);
BENCHMARK(BM_formatStopValue);
BENCHMARK(BM_hyperfocalDistance);
BENCHMARK(BM_depthOfFieldLimits);
BENCHMARK(BM_angleOfView);
BENCHMARK(BM_magnification);
BENCHMARK(BM_spotAngle);
BENCHMARK(BM_suggestedCoC);
BENCHMARK(BM_depthOfFieldUnusable);

} // namespace
} // namespace mirel

BENCHMARK_MAIN();
