// What the settings survive: a file read only in part, another instance
// saving meanwhile, absurd numbers, a lock held elsewhere, a read-only file,
// folder or disk, a file too large, a folder in the file's place, saves
// running at the same time and saves killed half way. Each test checks that
// nothing stored is lost and that the user is told in plain words.
#include "settings/registry_storage.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <optional>
#include <random>
#include <set>
#include <tuple>

#include <gtest/gtest.h>

#include "core/cp1252.h"
#include "core/number_text.h"
#include "settings/film_formats.h"
#include "test_support.h"

namespace mirel {
namespace {

using namespace testing_support;

// The marker of the one whole save the file holds; none when it holds
// anything else.
std::optional<int> storedMarker(const std::string &path)
{
	const RegFileReading reading = parseRegFile(readFile(path));
	std::multiset<double> markers;
	for (const RegKeyRecord &key : reading.file.keys)
		for (const RegValue &value : key.values)
			if (value.type == kRegSz)
				markers.insert(parseNumber(
					std::string_view(value.data).substr(value.data.starts_with('m') ? 1 : 0)));
	if (reading.damaged() || markers.size() != 4 + 4 * kFilmFormatCount ||
	    markers.count(*markers.begin()) != markers.size())
		return std::nullopt;
	return static_cast<int>(*markers.begin());
}

// One instance of Mirel with its own store and key, working on records of
// its own: several can run in one process.
struct Instance {
	explicit Instance(const std::string &path) : store(path), key("Mirel", "Talvern", &store), storage(key, store)
	{
		builtInDefaults();
		defaults = defaultSettings();
		prefs = startupPrefs();
		storage.readStored(defaults, prefs);
	}
	void save() { storage.writeStored(defaults, prefs); }

	RegFileStore store;
	RegistryKey key;
	RegistrySettingsStorage storage;
	CalcSettings defaults;
	StartupPrefs prefs;
};

// Another process doing what other does: it calls stayHere() where the
// test wants it, and is ended with the test's step.
class OtherProcess
{
public:
	explicit OtherProcess(const std::function<void(const std::function<void()> &stayHere)> &other)
	{
		int ready[2];
		if (::pipe(ready) != 0)
			throw std::runtime_error("pipe failed");
		child_ = ::fork();
		if (child_ == 0) {
			other([&] {
				(void)!::write(ready[1], "r", 1);
				::pause();
			});
			::_exit(0);
		}
		::close(ready[1]);
		char c;
		(void)!::read(ready[0], &c, 1); // or the end of the child
		::close(ready[0]);
	}
	~OtherProcess()
	{
		::kill(child_, SIGKILL);
		::waitpid(child_, nullptr, 0);
	}

private:
	pid_t child_;
};

class Faults : public SettingsFileTest
{
protected:
	// One run that stores marker in every number and, as "m<marker>", every
	// film name.
	void saveMarked(int marker)
	{
		run([marker] {
			startupPrefs().FieldsBecomeDefaults = true;
			CalcSettings &c = currentSettings();
			c.Aperture = c.FocusDistance = c.FocalLength = c.SpotPercent = marker;
			for (FilmFormat &format : c.FilmSizes) {
				setFilmName(format, "m" + std::to_string(marker));
				format.Width = format.Height = format.CoC = marker;
			}
		});
	}

	// Loads content as the settings file, then saves when asked: damage is
	// reported once and the file kept aside as it was before it is replaced.
	void loadContent(const std::string &content, bool thenSave)
	{
		writeFile(path, content);
		recorder.shown.clear();
		run({}, thenSave);
		const std::string report = "Mirel Error: The settings file " + path +
					   " could not be read in full; what could be read is used.\r\n\r\n"
					   "The file as it was is kept as " +
					   path + ".bad.";
		const bool damaged = parseRegFile(content).damaged();
		EXPECT_EQ(std::ranges::count(recorder.shown, report), damaged ? 1 : 0);
		EXPECT_TRUE(!damaged || readFile(path + ".bad") == content);
	}

	// The user's own settings, every value away from its built-in one, and
	// the values a first run stores.
	Values saveUsersFile()
	{
		run();
		builtIn = storedValues(path);
		run([] { customiseEveryField(currentSettings(), startupPrefs()); });
		return storedValues(path);
	}
	// As the Defaults dialog stores a value: in both records.
	static void setDefault(double CalcSettings::*field, double value)
	{
		defaultSettings().*field = currentSettings().*field = value;
	}

	Values builtIn;
};

TEST_F(Faults, AFullDiskASizeLimitOrAReadOnlyFolderOrFileKeepsTheFileAndSaysSo)
{
	const std::pair<std::function<bool()>, std::string> rows[] = {
		// the fault made in a child, and its text
		{ [&] {
			 // A 64 KiB tmpfs of the child's own, filled up after one save.
			 if (::unshare(CLONE_NEWNS) != 0 ||
			     ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
			     ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") != 0)
				 return false;
			 saveMarked(1);
			 std::ofstream filler(folder + "/filler");
			 while (filler << std::string(4096, 'f')) {
			 }
			 return true;
		 },
		  "There is not enough space on the disk." },
		{ [&] {
			 ::chmod(folder.c_str(), 0555);
			 return becomeUnprivileged(dir.path()) && ::access(folder.c_str(), W_OK) != 0;
		 },
		  "Access is denied." },
		{ [&] {
			 const rlimit limit{ 1000, 1000 }; // bytes: the file is larger
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
		if (child.notMade) {
			notMade += description;
			continue;
		}
		EXPECT_TRUE(child.exited) << description;
		EXPECT_EQ(child.shown,
			  std::vector<std::string>{
				  "Mirel Error: Could not write registry value RoundStopsMethod\r\n\r\n(" +
				  description + ")\r\n\r\nThe settings file " + path + " was not changed." });
		EXPECT_TRUE(readFile(path) == before) << description;
	}
	if (!notMade.empty())
		GTEST_SKIP() << "could not make the fault: " << notMade;
}

TEST_F(Faults, AFileCutOffAtAnyByteLoadsWhatItHolds)
{
	saveMarked(7);
	const std::string whole = readFile(path);
	const auto builtIn = builtInFilmFormats();
	for (std::size_t length = 0; length <= whole.size(); ++length) {
		SCOPED_TRACE(length);
		loadContent(whole.substr(0, length), false);
		// Every value comes from the file or is built in; nothing else.
		const CalcSettings &c = currentSettings();
		EXPECT_TRUE(c.FocalLength == 7 || c.FocalLength == 50);
		for (std::size_t i = 0; i < builtIn.size(); ++i)
			EXPECT_TRUE(c.FilmSizes[i].Width == 7 || c.FilmSizes[i].Width == builtIn[i].Width) << i;
	}
}

TEST_F(Faults, AFileOverOneMebibyteIsNotReadButKeptAside)
{
	saveMarked(3);
	const std::string head = readFile(path);
	const std::string atCap =
		head + "\"Pad\"=\"" + std::string(RegFileStore::kMaxFileSize - head.size() - 10, 'p') + "\"\r\n";
	loadContent(atCap, false);
	EXPECT_TRUE(recorder.shown.empty());
	EXPECT_EQ(currentSettings().FocalLength, 3);

	loadContent(atCap + "\r\n", false);
	EXPECT_EQ(recorder.shown,
		  (std::vector<std::string>{ "Mirel Error: The settings file " + path +
					     " is larger than 1 MiB and was not read; the built-in "
					     "settings are used.\r\n\r\nThe file as it was is kept as " +
					     path + ".bad." }));
	EXPECT_EQ(currentSettings().FocalLength, 50);
	EXPECT_EQ(readFile(path + ".bad"), atCap + "\r\n");
	saveMarked(4);
	EXPECT_EQ(storedMarker(path), 4);
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

TEST_F(Faults, SavesAtTheSameTimeAlwaysLeaveOneWholeSave)
{
	constexpr int kWriters = 3, kSaves = 20;
	saveMarked(0);
	for (int w = 1; w <= kWriters; ++w) {
		if (::fork() == 0) {
			MessageRecorder quiet;
			for (int s = 0; s < kSaves; ++s)
				saveMarked(w * 1000 + s);
			::_exit(quiet.shown.empty() ? 0 : 1);
		}
	}
	// Read while they write: every look must find one whole save.
	int incomplete = 0;
	for (int finished = 0; finished < kWriters;) {
		incomplete += !storedMarker(path);
		int status = 0;
		if (::waitpid(-1, &status, WNOHANG) > 0) {
			EXPECT_EQ(status, 0) << "a writer was shown a failure";
			++finished;
		}
	}
	EXPECT_EQ(incomplete, 0);
	EXPECT_EQ(storedMarker(path).value_or(-1) % 1000, kSaves - 1);
}

TEST_F(Faults, ASaveKilledAtAnyMomentLeavesAWholeFile)
{
	saveMarked(0);
	std::mt19937 random(7);
	for (int round = 1; round <= 25; ++round) {
		const pid_t child = ::fork();
		if (child == 0) {
			for (int s = 0;; ++s)
				saveMarked(round * 1000 + s);
		}
		::usleep(200 + random() % 5000);
		::kill(child, SIGKILL);
		::waitpid(child, nullptr, 0);
		ASSERT_TRUE(storedMarker(path).has_value()) << "round " << round;
	}
	// The next save also clears away what the killed ones left.
	saveMarked(1);
	EXPECT_EQ(storedMarker(path), 1);
	EXPECT_EQ(filesIn(folder), (std::vector<std::string>{ "Mirel.reg", "Mirel.reg.lock" }));
	EXPECT_TRUE(recorder.shown.empty());
}

TEST_F(Faults, AFileAppliedInPartKeepsEveryIntactValueAndACopy)
{
	struct Row {
		const char *name;
		std::function<void(std::string &text)> damage;
		std::set<std::string> lost; // values the file no longer held whole
		std::string message;        // at load; "" for none
		bool copied = true;         // kept as it was in "<file>.bad"
		bool unreadableAtStart = false;
	};
	const auto cut = [](std::string_view from, std::string_view to) {
		return [=](std::string &text) {
			const std::size_t start = text.find(from);
			text.erase(start, text.find(to, start + 1) - start);
		};
	};
	const auto replace = [](std::string from, std::string by) { // to the end of its line
		return [=](std::string &text) {
			const std::size_t start = text.find(from);
			text.replace(start, text.find("\r\n", start) - start, by);
		};
	};
	const std::string notFound = "(The system cannot find the file specified.)",
			  tooLong = "(More data is available.)";
	const std::string copied = "\r\n\r\nThe file as it was is kept as PATH.bad.";
	const Row rows[] = {
		{ "a line that cannot be read",
		  [](std::string &text) { text.insert(text.find("\"FocalLength\""), "\x01\xfe garbage\r\n"); },
		  {},
		  "The settings file PATH could not be read in full; what could be read is used." + copied },
		{ "a missing value",
		  cut("\"Aperture\"", "\"FocusDistance\""),
		  { "Aperture" },
		  "Could not read registry value Aperture\r\n\r\n" + notFound + copied },
		{ "a 20-character name",
		  replace("Pano \xd7 \x80\x9f" + std::to_string(3), std::string(20, 'n') + "\""),
		  { "FilmSizes\\3\\Name" },
		  "Could not read registry value Name\r\n\r\n" + tooLong + copied },
		{ "a 30-character number",
		  replace("\"FocusDistance\"", "\"FocusDistance\"=\"" + std::string(30, '1') + "\""),
		  { "FocusDistance" },
		  "Could not read registry value FocusDistance\r\n\r\n" + tooLong + copied },
		{ "a file cut at a line end",
		  [](std::string &text) { text.erase(text.rfind("\"CoC\"")); },
		  { "FilmSizes\\9\\CoC" },
		  "Could not read registry value CoC\r\n\r\n" + notFound + copied },
		{ "a gap in the film subkeys",
		  cut("[HKEY_CURRENT_USER\\Software\\Talvern\\Mirel\\FilmSizes\\2]", "[HKEY"),
		  { "FilmSizes\\2\\Name", "FilmSizes\\2\\Width", "FilmSizes\\2\\Height", "FilmSizes\\2\\CoC" },
		  "" },
		{ "a file unreadable at start",
		  [](std::string &) {},
		  {},
		  "The settings file PATH could not be read and is left as it is.\r\n\r\n(Access is denied.)\r\n\r\n"
		  "When it can be read again, a copy is kept as PATH.bad and this run's changes are saved into it.",
		  true,
		  true },
		{ "a regedit export in UTF-16LE",
		  [](std::string &text) {
			  std::string utf16 = "\xFF\xFE";
			  for (const char c : "Windows Registry Editor Version 5.00" + text.substr(8)) {
				  const char32_t unit = unicodeOfCp1252(static_cast<unsigned char>(c));
				  utf16 += { static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8) };
			  }
			  text = utf16;
		  },
		  {},
		  "",
		  false },
	};
	for (const Row &row : rows) {
		SCOPED_TRACE(row.name);
		std::filesystem::remove_all(folder);
		Values expected = saveUsersFile();
		std::string text = readFile(path);
		row.damage(text);
		writeFile(path, text);
		for (const std::string &name : row.lost)
			expected[name] = builtIn[name];
		expected["FocalLength"] = "35.000000"; // this run's change

		const ChildRun child = inChild([&] {
			if (row.unreadableAtStart && (!becomeUnprivileged(dir.path()) || ::chmod(path.c_str(), 0) != 0))
				return false;
			run([&] {
				::chmod(path.c_str(), 0600); // readable again by the end of the run
				setDefault(&CalcSettings::FocalLength, 35.0);
			});
			return true;
		});
		ASSERT_TRUE(child.exited);
		expectStored(path, expected);
		std::string message = row.message;
		for (std::size_t at; (at = message.find("PATH")) != std::string::npos;)
			message.replace(at, 4, path);
		EXPECT_EQ(child.shown, (message.empty() ? std::vector<std::string>{}
							: std::vector<std::string>{ "Mirel Error: " + message }));
		EXPECT_EQ(std::filesystem::exists(path + ".bad"), row.copied);
		EXPECT_TRUE(!row.copied || readFile(path + ".bad") == text) << "no copy of the file as it was";
		std::filesystem::remove(path + ".bad");
	}
}

TEST_F(Faults, TwoInstancesSavingInTurnBothKeepTheirChanges)
{
	Values expected = saveUsersFile();
	Instance first(path), second(path);
	first.defaults.Aperture = 4.0;
	first.save();
	second.defaults.FocalLength = 35.0;
	setFilmName(second.defaults.FilmSizes[2], "Wide");
	second.save();
	expected["Aperture"] = "4.000000";
	expected["FocalLength"] = "35.000000";
	expected["FilmSizes\\2\\Name"] = "Wide";
	expectStored(path, expected);
	EXPECT_TRUE(recorder.shown.empty());
}

TEST_F(Faults, OnlyNumbersThatReadBackAreSaved)
{
	// As the Defaults dialog stores what was typed: 1e999 is infinite, 1e30 m
	// is 1e33 mm.
	const Values users = saveUsersFile();
	run([] {
		setDefault(&CalcSettings::Aperture, parseNumber("1e999"));
		setDefault(&CalcSettings::FocusDistance, 1e33);
		setDefault(&CalcSettings::FocalLength, 1e308);
		setDefault(&CalcSettings::SpotPercent, -std::numeric_limits<double>::quiet_NaN());
	});
	expectStored(path, users);

	// Whatever a save writes reads back to its own "%f" text, and a number
	// that can be written so is written.
	std::mt19937_64 random(1730);
	for (int save = 0; save < 20; ++save) {
		std::vector<double> numbers;
		run([&] {
			for (auto field : { &CalcSettings::Aperture, &CalcSettings::FocusDistance,
					    &CalcSettings::FocalLength, &CalcSettings::SpotPercent }) {
				std::uint64_t bits = random();
				if (save % 2) // half of them in the range a user might type
					bits = (bits & 0x800FFFFFFFFFFFFF) |
					       (std::uint64_t{ 0x3C0 + random() % 0x90 } << 52);
				double number;
				std::memcpy(&number, &bits, sizeof bits);
				setDefault(field, number);
				numbers.push_back(number);
			}
		});
		const Values stored = storedValues(path);
		const char *names[] = { "Aperture", "FocusDistance", "FocalLength", "SpotPercent" };
		for (std::size_t i = 0; i < numbers.size(); ++i) {
			const std::string &text = stored.at(names[i]);
			EXPECT_EQ(formatFixed(parseNumber(text)), text) << numbers[i];
			const std::string typed = formatFixed(numbers[i]);
			if (std::isfinite(numbers[i]) && typed.size() < 30) {
				EXPECT_EQ(text, typed);
			}
		}
	}
}

TEST_F(Faults, ASaveKeepsTheFilesModeAndOwner)
{
	const std::tuple<const char *, mode_t, uid_t> rows[] = {
		// the mode and owner before; mode 0 for no file
		{ "a file others may read", 0644, ::geteuid() },
		{ "a new file", 0, ::geteuid() },
		{ "another user's file, saved by root", 0640, 65534 },
	};
	for (const auto &[name, mode, owner] : rows) {
		SCOPED_TRACE(name);
		if (owner != ::geteuid() && ::geteuid() != 0)
			continue; // only root may give a file to someone else
		saveUsersFile();
		if (mode == 0)
			std::filesystem::remove(path);
		else if (::chmod(path.c_str(), mode) != 0 || ::chown(path.c_str(), owner, owner) != 0)
			FAIL() << "could not prepare the file";
		run([] { setDefault(&CalcSettings::FocalLength, 35.0); });
		struct stat status {};
		ASSERT_EQ(::stat(path.c_str(), &status), 0);
		EXPECT_EQ(status.st_mode & 0777, mode ? mode : 0600);
		EXPECT_EQ(status.st_uid, owner);
		EXPECT_EQ(storedValues(path).at("FocalLength"), "35.000000");
	}
	EXPECT_TRUE(recorder.shown.empty());
}

TEST_F(Faults, ASaveNeverWaitsLongForTheLock)
{
	const std::pair<const char *, std::function<void(const std::function<void()> &)>> rows[] = {
		{ "another process holds the lock",
		  [&](const auto &stayHere) {
			  ::flock(::open((path + ".lock").c_str(), O_RDWR | O_CREAT, 0600), LOCK_EX);
			  stayHere();
		  } },
		{ "another Mirel shows a box during its save",
		  [&](const auto &stayHere) {
			  setMessageBoxHandler([&](std::string_view, std::string_view) { stayHere(); });
			  Instance other(path);
			  std::ofstream(path, std::ios::app) << "garbage\r\n"; // found damaged by its save
			  other.save();
		  } },
	};
	saveUsersFile();
	std::signal(SIGALRM, [](int) {
		static const char message[] = "a save waited for the lock without end\n";
		(void)!::write(STDERR_FILENO, message, sizeof message - 1);
		::_exit(1);
	});
	double focalLength = 35.0;
	for (const auto &[name, other] : rows) {
		SCOPED_TRACE(name);
		OtherProcess holder(other);
		::alarm(30);
		run([&] { setDefault(&CalcSettings::FocalLength, ++focalLength); });
		::alarm(0);
		EXPECT_EQ(storedValues(path).at("FocalLength"), formatFixed(focalLength));
		EXPECT_TRUE(recorder.shown.empty());
	}
}

} // namespace
} // namespace mirel
