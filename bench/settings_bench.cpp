// Cost of loading the settings at start-up and saving them at exit, with
// the file on the disk of the working folder (not a tmpfs), each save
// synced: for Mirel's own file (argument 0) and for one that also holds
// 900 KB of other programs' keys, as an imported registry export may
// (argument 900). Run from the build folder: `make bench`.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "settings/messages/message_box.h"
#include "settings/model/lifecycle.h"
#include "settings/model/records.h"
#include "settings/storage/registry_storage.h"

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

// The settings file at path, opened as the program opens it.
struct SettingsFile {
	explicit SettingsFile(const std::string &path)
		: store(path), binding(settingsKey, store), storage(settingsKey, store)
	{
	}
	RegFileStore store;
	RegistryBinding binding;
	RegistrySettingsStorage storage;
};

// Mirel's file after one save, then kilobytes of other keys appended.
void makeSettingsFile(const std::string &path, long kilobytes)
{
	{
		SettingsFile settings(path);
		loadSettingsAtStartup(&settings.storage);
		saveSettingsAtExit(&settings.storage);
	}
	std::ofstream file(path, std::ios::binary | std::ios::app);
	const std::string value = "=\"" + std::string(80, 'v') + "\"\r\n";
	for (long key = 0; file.tellp() < kilobytes * 1000; ++key) {
		file << "\r\n[HKEY_CURRENT_USER\\Software\\Other\\Key" << key << "]\r\n";
		for (int v = 0; v < 20; ++v)
			file << "\"Value" << v << '"' << value;
	}
}

void failOnMessage(benchmark::State &state)
{
	setMessageBoxHandler(
		[&state](std::string_view, std::string_view text) { state.SkipWithError(std::string(text).c_str()); });
}

void BM_LoadSettings(benchmark::State &state)
{
	BenchFolder folder;
	failOnMessage(state);
	makeSettingsFile(folder.file(), state.range(0));
	for (auto _ : state) {
		SettingsFile settings(folder.file());
		loadSettingsAtStartup(&settings.storage);
		benchmark::DoNotOptimize(currentSettings().filmCoC);
	}
	setMessageBoxHandler({});
}

void BM_SaveSettings(benchmark::State &state)
{
	BenchFolder folder;
	failOnMessage(state);
	makeSettingsFile(folder.file(), state.range(0));
	SettingsFile settings(folder.file());
	loadSettingsAtStartup(&settings.storage);
	startupPrefs().FieldsBecomeDefaults = true;
	for (auto _ : state) {
		currentSettings().FocalLength += 1.0; // a real change each time
		saveSettingsAtExit(&settings.storage);
	}
	setMessageBoxHandler({});
}

BENCHMARK(BM_LoadSettings)->Arg(0)->Arg(900)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveSettings)->Arg(0)->Arg(900)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace mirel

BENCHMARK_MAIN();
