// Cost of loading the settings at start-up and saving them at exit, with
// the files on the disk of the working folder (not a tmpfs), each save
// synced. The files: Mirel's own after a first save; the same with other
// programs' keys appended up to 112, 225, 450 and 900 KB, as an imported
// registry export may hold; and the 1 MiB the store reads, filled with
// small keys. Beside every load runs its anchor, reading the same file and
// splitting it into lines, the least any reader of it must do.
//
// Repetitions run interleaved at random, so a change in the machine's load
// falls on all of them alike; at the end the medians are printed with their
// ratios: each load against its anchor, and how the time grows with the
// file. Run from the build folder: `make bench`, or bench/settings_bench
// with Google Benchmark's options (--benchmark_repetitions=N).
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "settings/messages/message_box.h"
#include "settings/model/lifecycle.h"
#include "settings/model/records.h"
#include "settings/storage/read_only_storage.h"
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
	std::string file(const std::string &name) const { return path_ + '/' + name + "/Talvern/Mirel.reg"; }

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

// Mirel's file after one save, then others' keys appended while the file
// stays below bytes: keys of 20 values of 80 characters each, or keys
// without values. Returns the number of keys appended.
long makeSettingsFile(const std::string &path, long bytes, bool smallKeys)
{
	{
		SettingsFile settings(path);
		loadSettingsAtStartup(&settings.storage);
		saveSettingsAtExit(&settings.storage);
	}
	std::ofstream file(path, std::ios::binary | std::ios::app);
	const std::string value = "=\"" + std::string(80, 'v') + "\"\r\n";
	long key = 0;
	for (;; ++key) {
		std::string text;
		if (smallKeys) {
			text = "[Ky" + std::to_string(key) + "]\r\n";
		} else {
			text = "\r\n[HKEY_CURRENT_USER\\Software\\Other\\Key" + std::to_string(key) + "]\r\n";
			for (int v = 0; v < 20; ++v)
				text += "\"Value" + std::to_string(v) + '"' + value;
		}
		if (file.tellp() + static_cast<std::streamoff>(text.size()) > bytes)
			break;
		file << text;
	}
	return key;
}

void failOnMessage(benchmark::State &state)
{
	setMessageBoxHandler(
		[&state](std::string_view, std::string_view text) { state.SkipWithError(std::string(text).c_str()); });
}

// The anchor: the file read whole, as the store reads it, and split into
// its lines.
void readLines(benchmark::State &state, const std::string &path)
{
	for (auto _ : state) {
		const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
		struct stat status {};
		::fstat(fd, &status);
		std::string text(static_cast<std::size_t>(status.st_size), '\0');
		text.resize(static_cast<std::size_t>(std::max<ssize_t>(::read(fd, text.data(), text.size()), 0)));
		::close(fd);
		std::vector<std::string_view> lines;
		for (std::string_view rest = text; !rest.empty();) {
			const std::size_t end = std::min(rest.find('\n'), rest.size());
			lines.push_back(rest.substr(0, end));
			rest.remove_prefix(std::min(end + 1, rest.size()));
		}
		benchmark::DoNotOptimize(lines.data());
	}
}

// Mirel's start: the file read, and every stored value taken from it.
void loadSettings(benchmark::State &state, const std::string &path)
{
	failOnMessage(state);
	for (auto _ : state) {
		SettingsFile settings(path);
		loadSettingsAtStartup(&settings.storage);
		benchmark::DoNotOptimize(currentSettings().filmCoC);
	}
	setMessageBoxHandler({});
}

// mirel-calc's reading of the same file.
void loadForCalc(benchmark::State &state, const std::string &path)
{
	for (auto _ : state) {
		ReadOnlySettingsStorage storage(path);
		loadSettingsAtStartup(&storage);
		benchmark::DoNotOptimize(currentSettings().filmCoC);
	}
}

struct timespec modifiedAt(const std::string &path, ino_t &inode)
{
	struct stat status {};
	::stat(path.c_str(), &status);
	inode = status.st_ino;
	return status.st_mtim;
}

// Mirel's exit, the fields becoming the defaults: with a change each time,
// or with nothing changed, counting the exits that rewrote the file.
void saveSettings(benchmark::State &state, const std::string &path, bool change)
{
	failOnMessage(state);
	SettingsFile settings(path);
	loadSettingsAtStartup(&settings.storage);
	startupPrefs().FieldsBecomeDefaults = true;
	saveSettingsAtExit(&settings.storage);
	long rewrites = 0;
	for (auto _ : state) {
		if (change)
			currentSettings().FocalLength += 1.0;
		ino_t before = 0, after = 0;
		const struct timespec was = modifiedAt(path, before);
		saveSettingsAtExit(&settings.storage);
		const struct timespec now = modifiedAt(path, after);
		rewrites += before != after || was.tv_sec != now.tv_sec || was.tv_nsec != now.tv_nsec;
	}
	state.counters["rewrites"] =
		benchmark::Counter(static_cast<double>(rewrites), benchmark::Counter::kAvgIterations);
	setMessageBoxHandler({});
}

// The default console table, then the medians side by side, of the time
// on the clock and of the processor time (which the machine's other load
// disturbs less).
class RatioReporter : public benchmark::ConsoleReporter
{
public:
	explicit RatioReporter(std::vector<std::string> files) : files_(std::move(files)) {}

	void ReportRuns(const std::vector<Run> &runs) override
	{
		ConsoleReporter::ReportRuns(runs);
		for (const Run &run : runs)
			if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
				medians_[run.run_name.function_name] = { run.GetAdjustedRealTime(),
									 run.GetAdjustedCPUTime() };
	}

	void Finalize() override
	{
		ConsoleReporter::Finalize();
		std::printf("\nMedians in ms, real / cpu; load (Mirel) and mirel-calc against the anchor, "
			    "reading and splitting the lines\n");
		std::printf("%-12s %17s %17s %13s %17s %13s\n", "file", "lines", "load", "ratio", "mirel-calc",
			    "ratio");
		for (const std::string &file : files_) {
			const Median lines = median("lines/" + file), load = median("load/" + file),
				     calc = median("mirel-calc/" + file);
			if (lines.real > 0)
				std::printf(
					"%-12s %8.3f /%7.3f %8.3f /%7.3f %5.2fx /%5.2fx %8.3f /%7.3f %5.2fx /%5.2fx\n",
					file.c_str(), lines.real, lines.cpu, load.real, load.cpu,
					load.real / lines.real, load.cpu / lines.cpu, calc.real, calc.cpu,
					calc.real / lines.real, calc.cpu / lines.cpu);
		}
		const auto growth = [&](const char *what) {
			const Median small = median(std::string(what) + "/112KB"),
				     large = median(std::string(what) + "/900KB");
			std::printf(" %s %.2fx / %.2fx", what, large.real / small.real, large.cpu / small.cpu);
		};
		if (median("lines/112KB").real > 0 && median("lines/900KB").real > 0) {
			std::printf("900KB against 112KB (8x the size):");
			for (const char *what : { "lines", "load", "mirel-calc" })
				growth(what);
			std::printf("\n");
		}
		for (const auto &[name, time] : medians_)
			if (name.starts_with("save") || name.starts_with("exit"))
				std::printf("%s: %.3f / %.3f ms\n", name.c_str(), time.real, time.cpu);
	}

private:
	struct Median {
		double real = 0.0, cpu = 0.0;
	};
	Median median(const std::string &name) const
	{
		const auto it = medians_.find(name);
		return it == medians_.end() ? Median{} : it->second;
	}

	std::vector<std::string> files_;
	std::map<std::string, Median> medians_;
};

} // namespace
} // namespace mirel

int main(int argc, char **argv)
{
	using namespace mirel;
	// Nine interleaved repetitions unless the command line says otherwise.
	std::vector<char *> args(argv, argv + argc);
	char repetitions[] = "--benchmark_repetitions=9";
	char interleaving[] = "--benchmark_enable_random_interleaving=true";
	char aggregates[] = "--benchmark_report_aggregates_only=true";
	args.insert(args.begin() + 1, { repetitions, interleaving, aggregates });
	int count = static_cast<int>(args.size());
	benchmark::Initialize(&count, args.data());
	if (benchmark::ReportUnrecognizedArguments(count, args.data()))
		return 1;

	const BenchFolder folder;
	struct Made {
		std::string name, path;
	};
	std::vector<Made> files;
	for (const long kilobytes : { 0L, 112L, 225L, 450L, 900L }) {
		const std::string name = std::to_string(kilobytes) + "KB";
		makeSettingsFile(folder.file(name), kilobytes * 1000, false);
		files.push_back({ name, folder.file(name) });
	}
	const std::string keysPath = folder.file("keys");
	const long keys = makeSettingsFile(keysPath, RegFileStore::kMaxFileSize, true);
	files.push_back({ std::to_string(keys) + "keys", keysPath });

	std::vector<std::string> names;
	for (const Made &file : files) {
		names.push_back(file.name);
		benchmark::RegisterBenchmark(("lines/" + file.name).c_str(), readLines, file.path)
			->Unit(benchmark::kMillisecond)
			->UseRealTime();
		benchmark::RegisterBenchmark(("load/" + file.name).c_str(), loadSettings, file.path)
			->Unit(benchmark::kMillisecond)
			->UseRealTime();
		benchmark::RegisterBenchmark(("mirel-calc/" + file.name).c_str(), loadForCalc, file.path)
			->Unit(benchmark::kMillisecond)
			->UseRealTime();
	}
	// The saves on copies of their own, which they change.
	for (const long kilobytes : { 0L, 900L }) {
		const std::string name = std::to_string(kilobytes) + "KB", path = folder.file("saved" + name);
		makeSettingsFile(path, kilobytes * 1000, false);
		for (const bool change : { true, false })
			benchmark::RegisterBenchmark(((change ? "save-changed/" : "exit-unchanged/") + name).c_str(),
						     saveSettings, path, change)
				->Unit(benchmark::kMillisecond)
				->UseRealTime();
	}
	RatioReporter reporter(names);
	benchmark::RunSpecifiedBenchmarks(&reporter);
	benchmark::Shutdown();
	return 0;
}
