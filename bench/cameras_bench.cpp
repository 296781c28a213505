// The camera database: loading the installed one whole, which decides
// whether it may load on the UI thread, and a search per keystroke.
#include <benchmark/benchmark.h>

#include <string>

#include "cameras/camera_database.h"

namespace mirel {
namespace {

void BM_loadInstalledCameraDatabase(benchmark::State &state)
{
	for (auto _ : state)
		benchmark::DoNotOptimize(loadCameraDatabase().database);
}
BENCHMARK(BM_loadInstalledCameraDatabase)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly();

// Every keystroke of a text, each searched as the chooser would.
void searchAsTyped(benchmark::State &state, std::string_view text)
{
	const auto database = loadCameraDatabase().database;
	for (auto _ : state) {
		for (std::size_t length = 1; length <= text.size(); ++length)
			benchmark::DoNotOptimize(database->search(text.substr(0, length)).matches.size());
	}
	state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
// A camera the database has, and a text that finds none, for which the
// nearest names are worked out.
BENCHMARK_CAPTURE(searchAsTyped, known, std::string_view("Canon EOS 5D Mark III"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(searchAsTyped, unknown, std::string_view("qwertzuiop"))->Unit(benchmark::kMillisecond);

} // namespace
} // namespace mirel

BENCHMARK_MAIN();
