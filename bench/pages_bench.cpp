// Cost of one keystroke on each page: from the change notice of the typed
// field to every result written, on the headless controls.
#include <benchmark/benchmark.h>

#include "resources/control_ids.h"
#include "settings/records.h"
#include "testing/headless_sheet.h"

namespace mirel {
namespace {

void keystroke(benchmark::State &state, int pageIndex, int fieldId, const char *a, const char *b)
{
	testing::HeadlessSheet sheet;
	sheet.show(pageIndex);
	bool flip = false;
	for (auto _ : state) {
		sheet.type(fieldId, flip ? a : b);
		flip = !flip;
	}
}

void BM_Keystroke_FNumbers(benchmark::State &s)
{
	keystroke(s, 0, ids::fnumbers::F1, "2.8", "4");
}
void BM_Keystroke_DepthOfField(benchmark::State &s)
{
	keystroke(s, 1, ids::page::FocalLength, "50", "85");
}
void BM_Keystroke_Hyperfocal(benchmark::State &s)
{
	keystroke(s, 2, ids::page::FocalLength, "50", "85");
}
void BM_Keystroke_FieldOfView(benchmark::State &s)
{
	keystroke(s, 3, ids::page::FocalLength, "50", "85");
}
void BM_Keystroke_AngleOfView(benchmark::State &s)
{
	keystroke(s, 4, ids::page::FocalLength, "50", "85");
}
void BM_Keystroke_Magnification(benchmark::State &s)
{
	keystroke(s, 5, ids::page::FocalLength, "50", "85");
}
void BM_Keystroke_SpotMeter(benchmark::State &s)
{
	keystroke(s, 6, ids::page::FocalLength, "50", "85");
}

#define MIREL_KEYSTROKE(name) BENCHMARK(name)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true)

MIREL_KEYSTROKE(BM_Keystroke_FNumbers);
MIREL_KEYSTROKE(BM_Keystroke_DepthOfField);
MIREL_KEYSTROKE(BM_Keystroke_Hyperfocal);
MIREL_KEYSTROKE(BM_Keystroke_FieldOfView);
MIREL_KEYSTROKE(BM_Keystroke_AngleOfView);
MIREL_KEYSTROKE(BM_Keystroke_Magnification);
MIREL_KEYSTROKE(BM_Keystroke_SpotMeter);

} // namespace
} // namespace mirel

BENCHMARK_MAIN();
