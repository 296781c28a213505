// What the settings survive: a read-only folder, a full disk, a cut-off or
// garbled file, a file too large, a folder in the file's place, saves running
// at the same time and saves killed half way. Each test checks that nothing
// stored is lost and that the user is told in plain words.
#include "settings/registry_storage.h"

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <set>

#include <gtest/gtest.h>

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
};

TEST_F(Faults, AFullDiskOrAReadOnlyFolderKeepsTheFileAndSaysSo)
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
			 // Permission bits do not stop root: as root, the save runs as nobody.
			 if (::geteuid() == 0) {
				 for (const std::string &p : { dir.path(), dir.path() + "/.config" })
					 ::chmod(p.c_str(), 0755);
				 for (const std::string &p : { folder, path, path + ".lock" })
					 if (::chown(p.c_str(), 65534, 65534) != 0)
						 return false;
				 if (::setgid(65534) != 0 || ::setuid(65534) != 0)
					 return false;
			 }
			 ::chmod(folder.c_str(), 0555);
			 return ::access(folder.c_str(), W_OK) != 0;
		 },
		  "Access is denied." },
	};
	std::string notMade;
	for (const auto &[makeFault, description] : rows) {
		saveMarked(1);
		const pid_t child = ::fork();
		if (child == 0) {
			if (!makeFault())
				::_exit(77);
			const std::string before = readFile(path);
			MessageRecorder inner;
			saveMarked(2);
			const std::string expected =
				"Mirel Error: Could not write registry value RoundStopsMethod\r\n\r\n(" + description +
				")";
			::_exit(inner.shown == std::vector{ expected } && readFile(path) == before ? 0 : 1);
		}
		int status = 0;
		::waitpid(child, &status, 0);
		::chmod(folder.c_str(), 0755);
		if (WIFEXITED(status) && WEXITSTATUS(status) == 77)
			notMade += description;
		else
			EXPECT_EQ(status, 0) << description;
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

TEST_F(Faults, ALineOfGarbageCostsNoValueAndTheNextSaveIsWhole)
{
	saveMarked(5);
	const std::string whole = readFile(path);
	std::mt19937 random(20240611);
	for (int trial = 0; trial < 100; ++trial) {
		SCOPED_TRACE(trial);
		std::string garbage(1 + random() % 40, '\0');
		for (char &c : garbage)
			c = static_cast<char>(random() % 256);
		std::replace(garbage.begin(), garbage.end(), '\n', 'x');
		std::string garbled = whole;
		garbled.insert(garbled.find("\r\n", random() % (garbled.size() - 1)) + 2, garbage + "\r\n");
		loadContent(garbled, true);
		if (parseRegFile(garbled).skippedLines == 1) {
			EXPECT_EQ(currentSettings().FocalLength, 5);
			EXPECT_EQ(currentSettings().FilmSizes[9].CoC, 5);
		}
		EXPECT_FALSE(parseRegFile(readFile(path)).damaged());
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
						     "(Access is denied.)",
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

} // namespace
} // namespace mirel
