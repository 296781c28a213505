// Cost of loading the settings at start-up and saving them at exit, with
// the file on the disk of the working folder (not a tmpfs), each save
// synced. Run from the build folder: `make bench`.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "settings/lifecycle.h"
#include "settings/message_box.h"
#include "settings/records.h"
#include "settings/registry_storage.h"

namespace mirel {
namespace {

// A folder of its own next to the working folder, removed afterwards.
class BenchFolder
{
public:
	BenchFolder()
	{
		std::string pattern = (std::filesystem::current_path() / "mirel-bench-XXXXXX").string();
		if (::mkdtemp(pattern.data()))
			path_ = pattern;
	}
	~BenchFolder()
	{
		std::error_code ignored;
		std::filesystem::remove_all(path_, ignored);
	}
	std::string file() const { return path_ + "/Talvern/Mirel.reg"; }

private:
	std::string path_;
};

void failOnMessage(benchmark::State &state)
{
	setMessageBoxHandler(
		[&state](std::string_view, std::string_view text) { state.SkipWithError(std::string(text).c_str()); });
}

void BM_LoadSettings(benchmark::State &state)
{
	BenchFolder folder;
	failOnMessage(state);
	{
		RegistrySettingsStorage storage(folder.file());
		loadSettingsAtStartup(&storage);
		saveSettingsAtExit(&storage);
	}
	for (auto _ : state) {
		RegistrySettingsStorage storage(folder.file());
		loadSettingsAtStartup(&storage);
		benchmark::DoNotOptimize(currentSettings().filmCoC);
	}
	setMessageBoxHandler({});
}

void BM_SaveSettings(benchmark::State &state)
{
	BenchFolder folder;
	failOnMessage(state);
	RegistrySettingsStorage storage(folder.file());
	loadSettingsAtStartup(&storage);
	startupPrefs().FieldsBecomeDefaults = true;
	for (auto _ : state) {
		currentSettings().FocalLength += 1.0; // a real change each time
		saveSettingsAtExit(&storage);
	}
	setMessageBoxHandler({});
}

// The same save with every value its own synced whole-file write, as the
// store does outside a batch: why a save is one batch.
void BM_SaveSettingsValueByValue(benchmark::State &state)
{
	BenchFolder folder;
	failOnMessage(state);
	RegistrySettingsStorage storage(folder.file());
	loadSettingsAtStartup(&storage);
	saveSettingsAtExit(&storage);
	for (auto _ : state) {
		if (!settingsKey.openProductKey(true))
			break;
		writeSettingsRecord(settingsKey, defaultSettings());
		writeStartupPrefs(settingsKey, startupPrefs());
	}
	setMessageBoxHandler({});
}

BENCHMARK(BM_LoadSettings)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveSettings)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveSettingsValueByValue)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace mirel

BENCHMARK_MAIN();
