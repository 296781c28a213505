// What the settings survive: a file read only in part or not at all,
// another instance saving meanwhile, absurd numbers, a lock held elsewhere,
// a read-only file, folder or disk, a file too large, a folder in the file's
// place, saves running at the same time and saves killed half way. Each test
// checks that nothing stored is lost and that the user is told in plain
// words.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <limits>
#include <map>
#include <optional>
#include <random>
#include <set>

#include "core/number_text.h"
#include "settings/regedit4/reg_file.h"
#include "testing/settings_file_test.h"

namespace mirel {
namespace {

using namespace testing;

// Every value of a settings file below the product key, as "subkey\name"
// (just "name" in the product key itself) and its data, a text without its
// terminator.
using Values = std::map<std::string, std::string>;

Values valuesIn(std::string_view file)
{
	const std::size_t product = std::string_view("HKEY_CURRENT_USER\\Software\\Talvern\\Mirel\\").size();
	Values values;
	const RegFileReading reading = parseRegFile(std::string(file));
	for (const RegKeyRecord &key : reading.file.keys())
		for (const RegValue &value : key.values)
			values[(key.path + '\\' + value.name).substr(product)] =
				value.type == kRegSz ? value.data.substr(0, value.data.find('\0')) : value.data;
	return values;
}

// Fails with each value that the file at path and expected hold
// differently, as each holds it.
void expectStored(const std::string &path, const Values &expected)
{
	std::vector<std::pair<std::string, std::string>> differences;
	std::ranges::set_symmetric_difference(valuesIn(readFile(path)), expected, std::back_inserter(differences));
	EXPECT_EQ(differences, decltype(differences){});
}

// The marker of the one whole save of saveMarked the file holds; none when
// it holds anything else. What the windows, and the film table's cameras,
// remember is no settings value.
std::optional<int> storedMarker(const std::string &path)
{
	const RegFileReading reading = parseRegFile(readFile(path));
	std::multiset<double> markers;
	for (const RegKeyRecord &key : reading.file.keys())
		for (const RegValue &value : key.values)
			if (value.type == kRegSz && key.path.find("\\Mirel\\Windows\\") == std::string::npos &&
			    !key.path.ends_with("\\Mirel\\FilmSizeCameras"))
				markers.insert(parseNumber(value.data));
	if (reading.damaged() || markers.size() != 4 + 4 * kFilmFormatCount ||
	    markers.count(*markers.begin()) != markers.size())
		return std::nullopt;
	return static_cast<int>(*markers.begin());
}

// Runs body in a child process: its exit code (-1 when killed, 77 when
// body could not make what it needed) and the boxes it showed.
struct ChildRun {
	int exitCode;
	std::vector<std::string> shown;
};

ChildRun inChild(const std::function<bool()> &body)
{
	// The texts of the boxes, each ended by a NUL, in memory both processes see.
	constexpr std::size_t kSize = 1 << 16;
	void *const memory = ::mmap(nullptr, kSize, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
	if (memory == MAP_FAILED)
		throw std::runtime_error("mmap failed");
	char *const shown = static_cast<char *>(memory);
	const pid_t child = ::fork();
	if (child == 0) {
		MessageRecorder recorder;
		const bool made = body();
		std::string texts;
		for (const std::string &text : recorder.shown)
			texts += text + '\0';
		std::memcpy(shown, texts.data(), std::min(texts.size(), kSize - 1));
		::_exit(made ? 0 : 77);
	}
	int status = 0;
	::waitpid(child, &status, 0);
	ChildRun run{ WIFEXITED(status) ? WEXITSTATUS(status) : -1, {} };
	for (const char *text = shown; *text; text += std::strlen(text) + 1)
		run.shown.emplace_back(text);
	::munmap(memory, kSize);
	return run;
}

// As root, hands the tree at top to the user nobody and becomes nobody, so
// that file modes bind; for other users it does nothing. For a child
// process only.
bool becomeUnprivileged(const std::string &top)
{
	if (::geteuid() != 0)
		return true;
	std::error_code error;
	for (const auto &entry : std::filesystem::recursive_directory_iterator(top, error))
		if (::lchown(entry.path().c_str(), 65534, 65534) != 0)
			return false;
	return !error && ::chown(top.c_str(), 65534, 65534) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
}

class Faults : public SettingsFileTest
{
protected:
	// One run that stores marker in every number and film name.
	void saveMarked(int marker)
	{
		run([marker] {
			startupPrefs().FieldsBecomeDefaults = true;
			CalcSettings &c = currentSettings();
			c.Aperture = c.FocusDistance = c.FocalLength = c.SpotPercent = marker;
			for (FilmFormat &format : c.FilmSizes) {
				setFilmName(format, std::to_string(marker));
				format.Width = format.Height = format.CoC = marker;
			}
		});
	}

	// The values a first run stores, in builtIn, then the user's own.
	Values usersFile()
	{
		run();
		builtIn = valuesIn(readFile(path));
		saveUsersFile();
		return valuesIn(readFile(path));
	}
	Values builtIn;
};

TEST_F(Faults, AFullDiskOrAReadOnlyFolderOrFileKeepsTheFileAndSaysSo)
{
	const std::pair<std::function<bool()>, std::string> rows[] = {
		// the fault made in a child, and its text
		{ [&] {
			 ::chmod(folder.c_str(), 0555);
			 return becomeUnprivileged(dir.path()) && ::access(folder.c_str(), W_OK) != 0;
		 },
		  "Access is denied." },
		{ [&] {
			 // A file-size limit smaller than the file fails the write as a full disk does.
			 const rlimit limit{ 1000, 1000 };
			 return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
		 },
		  "There is not enough space on the disk." },
		{ [&] { return ::chmod(path.c_str(), 0444) == 0; }, "Access is denied." }, // the file made read-only
	};
	std::string notMade;
	for (const auto &[makeFault, description] : rows) {
		saveMarked(1);
		const std::string before = readFile(path);
		const ChildRun child = inChild([&] { return makeFault() && (saveMarked(2), true); });
		::chmod(folder.c_str(), 0755);
		::chmod(path.c_str(), 0600);
		if (child.exitCode == 77) {
			notMade += description;
			continue;
		}
		EXPECT_EQ(child.exitCode, 0) << description;
		EXPECT_EQ(child.shown,
			  std::vector<std::string>{
				  "Mirel Error: Could not write registry value RoundStopsMethod\r\n\r\n(" +
				  description + ")\r\n\r\nThe settings file " + path + " was not changed." });
		EXPECT_TRUE(readFile(path) == before) << description;
	}
	if (!notMade.empty())
		GTEST_SKIP() << "could not make the fault: " << notMade;
}

TEST_F(Faults, AFolderInPlaceOfTheFileIsReportedAndNeverDeleted)
{
	std::filesystem::create_directories(path + "/photos");
	saveMarked(2);
	EXPECT_EQ(recorder.shown,
		  (std::vector<std::string>{ "Mirel Error: The settings file " + path +
						     " could not be read and is left as it is.\r\n\r\n"
						     "(Access is denied.)\r\n\r\nWhen it can be read again, a copy "
						     "is kept as " +
						     path + ".bad and this run's changes are saved into it.",
					     "Mirel: Could not access registry\r\n\r\n(Access is denied.)" }));
	EXPECT_TRUE(std::filesystem::is_directory(path + "/photos"));
}

TEST_F(Faults, SavesAtTheSameTimeOrKilledHalfWayAlwaysLeaveOneWholeSave)
{
	saveMarked(0);
	std::mt19937 random(7);
	int incomplete = 0;
	for (int round = 1; round <= 25; ++round) {
		// Another process saves again and again until it is killed at a
		// random moment; this one saves meanwhile, then looks at the file
		// until then.
		const pid_t other = ::fork();
		if (other == 0) {
			for (int s = 0;; ++s)
				saveMarked(round * 1000 + s % 1000);
		}
		saveMarked(round);
		const auto kill = std::chrono::steady_clock::now() + std::chrono::microseconds(random() % 5000);
		while (std::chrono::steady_clock::now() < kill)
			incomplete += !storedMarker(path);
		::kill(other, SIGKILL);
		::waitpid(other, nullptr, 0);
		incomplete += !storedMarker(path);
	}
	EXPECT_EQ(incomplete, 0);
	// The next save also clears away what the killed ones left, and its lock.
	saveMarked(1);
	EXPECT_EQ(storedMarker(path), 1);
	EXPECT_EQ(filesIn(folder), (std::vector<std::string>{ "Mirel.reg" }));
	EXPECT_TRUE(recorder.shown.empty());
}

TEST_F(Faults, AFileAppliedInPartKeepsEveryIntactValueItsModeAndACopy)
{
	struct Row {
		const char *name;
		std::function<void(std::string &text)> damage;
		std::vector<std::string> shown; // at load
		bool copied = true;             // kept as it was in "<file>.bad"
		bool unreadableAtStart = false;
	};
	// Replaces the text from the first from to the next to after it with by.
	const auto edit = [](std::string from, std::string to, std::string by) {
		return [=](std::string &text) {
			const std::size_t start = text.find(from);
			text.replace(start, text.find(to, start + from.size()) - start, by);
		};
	};
	const auto resize = [](std::size_t size) { return [=](std::string &text) { text.resize(size, ' '); }; };
	const std::string file = "Mirel Error: The settings file " + path,
			  copy = "\r\n\r\nThe file as it was is kept as " + path + ".bad.",
			  damaged = file + " could not be read in full; what could be read is used." + copy;
	const auto unread = [&](std::string name, std::string why) {
		return "Mirel Error: Could not read registry value " + name + "\r\n\r\n(" + why + ")" + copy;
	};
	const std::string missing = "The system cannot find the file specified.", tooLong = "More data is available.";
	const Row rows[] = {
		{ "a line that cannot be read",
		  [](std::string &text) { text.insert(text.find("\"FocalLength\""), "\x01\xfe garbage\r\n"); },
		  { damaged } },
		{ "a missing value", edit("\"Aperture\"", "\"FocusDistance\"", ""), { unread("Aperture", missing) } },
		{ "a 20-character name",
		  edit("\x80\x9f Pano \xd7 3", "\"", std::string(20, 'n')),
		  { unread("Name", tooLong) } },
		{ "a 30-character number",
		  edit("2500.25", "\"", std::string(30, '1')),
		  { unread("FocusDistance", tooLong) } },
		{ "a file cut at a line end",
		  [](std::string &text) { text.erase(text.rfind("\"CoC\"")); },
		  { unread("CoC", missing) } },
		{ "a file cut within a line",
		  [](std::string &text) { text.erase(text.rfind("\"CoC\"") + 9); },
		  { damaged, unread("CoC", missing) } },
		{ "a gap in the film subkeys",
		  edit("[HKEY_CURRENT_USER\\Software\\Talvern\\Mirel\\FilmSizes\\2]", "[", ""),
		  {} },
		{ "a file unreadable at start",
		  [](std::string &) {},
		  { file +
		    " could not be read and is left as it is.\r\n\r\n(Access is denied.)\r\n\r\nWhen it can be read again, a copy is kept as " +
		    path + ".bad and this run's changes are saved into it." },
		  true,
		  true },
		{ "a file at the size limit", resize(RegFileStore::kMaxFileSize), {}, false },
		{ "a file over the size limit",
		  resize(RegFileStore::kMaxFileSize + 1),
		  { file + " is larger than 1 MiB and was not read; the built-in settings are used." + copy } },
	};
	const uid_t owner = ::geteuid() == 0 ? 65534 : ::geteuid(); // root saves another user's file
	for (const Row &row : rows) {
		SCOPED_TRACE(row.name);
		std::filesystem::remove_all(folder);
		const Values users = usersFile();
		EXPECT_EQ(statusOf(path).st_mode & 0777, 0600u); // a new file
		std::string text = readFile(path);
		row.damage(text);
		writeFile(path, text);
		ASSERT_EQ(::chmod(path.c_str(), 0640) | ::chown(path.c_str(), owner, -1), 0);
		// What the damaged file still holds as the user saved it is kept;
		// the rest is healed with built-in values.
		const Values held = text.size() > RegFileStore::kMaxFileSize ? Values{} : valuesIn(text);
		Values expected = builtIn;
		for (auto &[name, data] : expected)
			if (held.contains(name) && held.at(name) == users.at(name))
				data = users.at(name);
		expected["FocalLength"] = "35.000000"; // this run's change

		const ChildRun child = inChild([&] {
			if (row.unreadableAtStart && (!becomeUnprivileged(dir.path()) || ::chmod(path.c_str(), 0) != 0))
				return false;
			run([&] {
				::chmod(path.c_str(), 0640); // readable again by the end of the run
				setDefault(&CalcSettings::FocalLength, 35.0);
			});
			return true;
		});
		ASSERT_EQ(child.exitCode, 0);
		expectStored(path, expected);
		EXPECT_EQ(child.shown, row.shown);
		EXPECT_TRUE(readFile(path + ".bad") == (row.copied ? text : "")) << "the copy of the file as it was";
		EXPECT_EQ(statusOf(path).st_mode & 0777, 0640u);
		EXPECT_EQ(statusOf(path).st_uid, owner);
	}
}

TEST_F(Faults, TwoInstancesSavingInTurnBothKeepTheirChangesButNoNumberThatDoesNotReadBack)
{
	Values expected = usersFile();
	run([&] {
		// Another instance, started after this one, closes first.
		EXPECT_EQ(inChild([&] {
				  run([] { setDefault(&CalcSettings::Aperture, 4.0); });
				  return true;
			  }).exitCode,
			  0);
		setDefault(&CalcSettings::FocalLength, 35.0);
		setFilmName(currentSettings().FilmSizes[2], "Wide");
		// As the Defaults dialogs store what was typed: 1e999 is infinite,
		// 1e30 m is 1e33 mm. A number is stored as its "%f" text, read back
		// from at most 29 characters.
		setDefault(&CalcSettings::FocusDistance, 1e33);
		setDefault(&CalcSettings::SpotPercent, -std::numeric_limits<double>::quiet_NaN());
		currentSettings().FilmSizes[3].Width = parseNumber("1e999");
		currentSettings().FilmSizes[3].Height = -1e21; // 30 characters
		currentSettings().FilmSizes[4].Height = 1e21;  // 29
	});
	expected["Aperture"] = "4.000000";
	expected["FocalLength"] = "35.000000";
	expected["FilmSizes\\2\\Name"] = "Wide";
	expected["FilmSizes\\4\\Height"] = "1000000000000000000000.000000";
	expectStored(path, expected);
	EXPECT_TRUE(recorder.shown.empty());
}

TEST_F(Faults, NoBoxIsShownHoldingTheLock)
{
	const std::string lockPath = path + ".lock";
	usersFile();
	// A save that finds the file damaged: the lock is free while it says so
	// (its file gone, or there to be taken).
	std::vector<bool> lockFree;
	const MessageBoxHandler recording = setMessageBoxHandler([&](std::string_view, std::string_view) {
		const int fd = ::open(lockPath.c_str(), O_RDWR);
		lockFree.push_back(fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) == 0);
		::close(fd);
	});
	run([&] { std::ofstream(path, std::ios::app) << "garbage\r\n"; });
	setMessageBoxHandler(recording);
	EXPECT_EQ(lockFree, std::vector<bool>{ true });
}

} // namespace
} // namespace mirel
