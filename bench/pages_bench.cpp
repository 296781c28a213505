// Cost of one keystroke on each page: from the change notice of the typed
// field to every result written, on the headless controls.
#include <benchmark/benchmark.h>

#include "resources/control_ids.h"
#include "settings/model/records.h"
#include "testing/headless_sheet.h"

namespace mirel {
namespace {

struct Keystroke {
	const char *page;
	PageIndex index;
	int fieldId;
	const char *a, *b; // typed in turn
};

constexpr Keystroke kKeystrokes[] = {
	{ "FNumbers", PageIndex::FNumbers, ids::fnumbers::F1, "2.8", "4" },
	{ "DepthOfField", PageIndex::DepthOfField, ids::page::FocalLength, "50", "85" },
	{ "Hyperfocal", PageIndex::Hyperfocal, ids::page::FocalLength, "50", "85" },
	{ "FieldOfView", PageIndex::FieldOfView, ids::page::FocalLength, "50", "85" },
	{ "AngleOfView", PageIndex::AngleOfView, ids::page::FocalLength, "50", "85" },
	{ "Magnification", PageIndex::Magnification, ids::page::FocalLength, "50", "85" },
	{ "SpotMeter", PageIndex::SpotMeter, ids::page::FocalLength, "50", "85" },
};

void keystroke(benchmark::State &state, const Keystroke &key)
{
	testing::HeadlessSheet sheet;
	sheet.show(static_cast<int>(key.index));
	bool flip = false;
	for (auto _ : state) {
		sheet.type(key.fieldId, flip ? key.a : key.b);
		flip = !flip;
	}
}

} // namespace
} // namespace mirel

int main(int argc, char **argv)
{
	for (const mirel::Keystroke &key : mirel::kKeystrokes) {
		benchmark::RegisterBenchmark((std::string("BM_Keystroke_") + key.page).c_str(), mirel::keystroke, key)
			->Unit(benchmark::kMicrosecond)
			->Repetitions(9)
			->ReportAggregatesOnly(true);
	}
	benchmark::Initialize(&argc, argv);
	benchmark::RunSpecifiedBenchmarks();
	benchmark::Shutdown();
	return 0;
}
