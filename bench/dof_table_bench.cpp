// Cost of a keystroke on the Depth of Field page while the depth of field
// table follows it: the page's own work, then the table rebuilt from the
// settings and every cell's text formatted, as the window shows it.
#include <benchmark/benchmark.h>

#include <optional>

#include "dof_table/dof_table.h"
#include "resources/control_ids.h"
#include "settings/model/records.h"
#include "settings/model/settings_change.h"
#include "testing/headless_sheet.h"

namespace mirel {
namespace {

void keystroke(benchmark::State &state, std::optional<DofTableOptions> following)
{
	testing::HeadlessSheet sheet;
	sheet.show(static_cast<int>(PageIndex::DepthOfField));
	std::size_t shown = 0;
	const SettingsSubscription table([&] {
		if (!following)
			return;
		const DofTable rebuilt(currentSettings(), *following);
		for (int row = 0; row < rebuilt.rowCount(); ++row) {
			for (int column = 0; column < rebuilt.columnCount(); ++column)
				shown += rebuilt.cellText(row, column).size();
			shown += rebuilt.hyperfocalText(row).size();
		}
	});
	bool flip = false;
	for (auto _ : state) {
		sheet.type(ids::page::FocalLength, flip ? "50" : "85");
		flip = !flip;
	}
	benchmark::DoNotOptimize(shown);
}

void BM_Keystroke_Alone(benchmark::State &s)
{
	keystroke(s, std::nullopt);
}
void BM_Keystroke_WithTableInWholeStops(benchmark::State &s)
{
	keystroke(s, DofTableOptions{ false, {} });
}
void BM_Keystroke_WithTableInThirdStops(benchmark::State &s)
{
	keystroke(s, DofTableOptions{ true, {} });
}

#define MIREL_KEYSTROKE(name) BENCHMARK(name)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true)

MIREL_KEYSTROKE(BM_Keystroke_Alone);
MIREL_KEYSTROKE(BM_Keystroke_WithTableInWholeStops);
MIREL_KEYSTROKE(BM_Keystroke_WithTableInThirdStops);

} // namespace
} // namespace mirel

BENCHMARK_MAIN();
