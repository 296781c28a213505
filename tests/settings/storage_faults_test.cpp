// What the settings survive: a read-only or missing folder, a full disk, a
// cut-off or garbled file, a folder in the file's place, saves running at
// the same time and saves killed half way. Each test checks that nothing
// stored is lost and that the user is told in plain words.
#include "settings/registry_storage.h"

#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "core/number_text.h"
#include "settings/film_formats.h"
#include "settings/reg_file.h"
#include "test_support.h"

namespace mirel {
namespace {

using testing_support::filesIn;
using testing_support::MessageRecorder;
using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;

const std::string kProduct = "HKEY_CURRENT_USER\\Software\\Talvern\\Mirel";
const std::string kNoSpace = "(There is not enough space on the disk.)";

// Fails the calls that fault picks with the errno it returns (0 lets the
// call through). Calls: "open", "create" (an open that would make a new
// file), "pread", "pwrite", "fsync", "rename" (named by its target),
// "unlink", "mkdir".
class FaultyFileSystem : public FileSystem
{
public:
	std::function<int(std::string_view call, const std::string &path)> fault;

	int open(const std::string &path, int flags, mode_t mode) override
	{
		const bool creates = (flags & O_CREAT) && ::access(path.c_str(), F_OK) != 0;
		if (const int error = check(creates ? "create" : "open", path))
			return error;
		const int fd = FileSystem::open(path, flags, mode);
		if (fd >= 0)
			paths_[fd] = path;
		return fd;
	}
	int close(int fd) override
	{
		paths_.erase(fd);
		return FileSystem::close(fd);
	}
	ssize_t pread(int fd, void *data, std::size_t size, off_t offset) override
	{
		const int error = check("pread", paths_[fd]);
		return error ? error : FileSystem::pread(fd, data, size, offset);
	}
	ssize_t pwrite(int fd, const void *data, std::size_t size, off_t offset) override
	{
		const int error = check("pwrite", paths_[fd]);
		return error ? error : FileSystem::pwrite(fd, data, size, offset);
	}
	int fsync(int fd) override
	{
		const int error = check("fsync", paths_[fd]);
		return error ? error : FileSystem::fsync(fd);
	}
	int rename(const std::string &from, const std::string &to) override
	{
		const int error = check("rename", to);
		return error ? error : FileSystem::rename(from, to);
	}
	int unlink(const std::string &path) override
	{
		const int error = check("unlink", path);
		return error ? error : FileSystem::unlink(path);
	}
	int mkdir(const std::string &path, mode_t mode) override
	{
		const int error = check("mkdir", path);
		return error ? error : FileSystem::mkdir(path, mode);
	}

private:
	int check(std::string_view call, const std::string &path) { return fault ? -fault(call, path) : 0; }
	std::map<int, std::string> paths_;
};

std::string folderOf(const std::string &path) { return std::filesystem::path(path).parent_path().string(); }

// Every number of a save made by saveMarked(m) reads m; the names read "m<m>".
std::optional<int> markerOf(RegFile file)
{
	std::optional<int> marker;
	bool consistent = true;
	auto see = [&](const RegValue *value) {
		if (!value || value->type != kRegSz) {
			consistent = false;
			return;
		}
		std::string_view text(value->data);
		if (text.starts_with("m"))
			text.remove_prefix(1);
		const int m = static_cast<int>(parseNumber(text));
		consistent = consistent && (!marker || *marker == m);
		marker = m;
	};
	RegKeyRecord *product = findKey(file, kProduct);
	if (!product || file.keys.size() != 11)
		return std::nullopt;
	for (const char *name : { "Aperture", "FocusDistance", "FocalLength", "SpotPercent" })
		see(findValue(*product, name));
	for (int i = 0; i < kFilmFormatCount; ++i) {
		RegKeyRecord *film = findKey(file, kProduct + "\\FilmSizes\\" + std::to_string(i));
		if (!film)
			return std::nullopt;
		for (const char *name : { "Name", "Width", "Height", "CoC" })
			see(findValue(*film, name));
	}
	return consistent ? marker : std::nullopt;
}

// One run that stores marker in every number and name.
void saveMarked(const std::string &path, int marker, FileSystem &files = systemFileSystem())
{
	RegistrySettingsStorage storage(path, files);
	loadSettingsAtStartup(&storage);
	startupPrefs().FieldsBecomeDefaults = true;
	CalcSettings &c = currentSettings();
	c.Aperture = c.FocusDistance = c.FocalLength = c.SpotPercent = marker;
	for (FilmFormat &format : c.FilmSizes) {
		setFilmName(format, "m" + std::to_string(marker));
		format.Width = format.Height = format.CoC = marker;
	}
	saveSettingsAtExit(&storage);
}

std::optional<int> storedMarker(const std::string &path)
{
	const RegFileReading reading = parseRegFile(readFile(path));
	return reading.damaged() ? std::nullopt : markerOf(reading.file);
}

// Runs body in a child process and returns its exit status: 0 passed,
// 77 could not be tried here, anything else failed (with a reason on
// stderr).
int inChild(const std::function<int()> &body)
{
	const pid_t child = ::fork();
	if (child == 0)
		::_exit(body());
	int status = 0;
	::waitpid(child, &status, 0);
	return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

class Faults : public testing::Test
{
protected:
	TempDir dir;
	const std::string folder = dir.path() + "/Talvern";
	const std::string path = folder + "/Mirel.reg";
	MessageRecorder recorder;

	std::vector<std::string> messages() const
	{
		std::vector<std::string> texts;
		for (const auto &message : recorder.messages)
			texts.push_back(message.caption + ": " + message.text);
		return texts;
	}

	static std::vector<std::string> writeFailure(const std::string &value, const std::string &description)
	{
		return { "Mirel Error: Could not write registry value " + value + "\r\n\r\n" + description };
	}
};

TEST_F(Faults, ReadOnlyFolderKeepsTheOldFileAndSaysSo)
{
	saveMarked(path, 1);
	const std::string before = readFile(path);
	FaultyFileSystem readOnly;
	readOnly.fault = [&](std::string_view call, const std::string &p) {
		const bool changesFolder = call == "create" || call == "rename" || call == "unlink" || call == "mkdir";
		return changesFolder && folderOf(p) == folder ? EACCES : 0;
	};
	saveMarked(path, 2, readOnly);
	EXPECT_EQ(messages(), writeFailure("RoundStopsMethod", "(Access is denied.)"));
	EXPECT_EQ(readFile(path), before);

	// On a first run the product key itself cannot be made.
	recorder.messages.clear();
	std::filesystem::remove_all(folder);
	std::filesystem::create_directory(folder);
	saveMarked(path, 3, readOnly);
	EXPECT_EQ(messages(), std::vector<std::string>{ "Mirel: Could not access registry\r\n\r\n(Access is denied.)" });
	EXPECT_EQ(filesIn(folder), std::vector<std::string>{});
}

TEST_F(Faults, ReadOnlyFolderForReal)
{
	saveMarked(path, 1);
	const std::string before = readFile(path);
	int pipeEnds[2];
	ASSERT_EQ(::pipe(pipeEnds), 0);
	// Permission bits do not stop root: as root, the save runs as nobody.
	const bool root = ::geteuid() == 0;
	if (root) {
		::chmod(dir.path().c_str(), 0755);
		for (const std::string &p : { folder, path, path + ".lock" })
			ASSERT_EQ(::chown(p.c_str(), 65534, 65534), 0) << p;
	}
	::chmod(folder.c_str(), 0555);
	const int status = inChild([&] {
		if (root && (::setgid(65534) != 0 || ::setuid(65534) != 0))
			return 77;
		if (::access(folder.c_str(), W_OK) == 0)
			return 77;
		MessageRecorder inner;
		saveMarked(path, 2);
		for (const auto &message : inner.messages) {
			const std::string line = message.caption + ": " + message.text + "\n";
			if (::write(pipeEnds[1], line.data(), line.size()) < 0)
				return 2;
		}
		return 0;
	});
	::close(pipeEnds[1]);
	std::string shown;
	char buffer[512];
	for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
		shown.append(buffer, static_cast<std::size_t>(got));
	::close(pipeEnds[0]);
	::chmod(folder.c_str(), 0755);
	if (status == 77)
		GTEST_SKIP() << "no unprivileged user to run as";
	EXPECT_EQ(status, 0);
	EXPECT_EQ(shown, writeFailure("RoundStopsMethod", "(Access is denied.)")[0] + "\n");
	EXPECT_EQ(readFile(path), before);
}

TEST_F(Faults, AMissingConfigFolderIsCreated)
{
	const std::string deep = dir.path() + "/home/.config/Talvern/Mirel.reg";
	saveMarked(deep, 4);
	EXPECT_TRUE(recorder.messages.empty());
	EXPECT_EQ(storedMarker(deep), 4);
	struct stat status {};
	ASSERT_EQ(::stat(folderOf(deep).c_str(), &status), 0);
	EXPECT_EQ(status.st_mode & 0777, 0700u);
}

TEST_F(Faults, AFullDiskFailsTheValueItMeetsAndKeepsTheFileWhole)
{
	saveMarked(path, 1);
	const std::string before = readFile(path);
	struct Row {
		std::string call;
		int failingCall; // 1-based count of that call on the temporary file
		bool persists;   // the disk stays full
		std::string value;
		int error;
	};
	// On a save over an existing file, the n-th write to the temporary file
	// is the n-th value: 7 of the product key, 4 per film, then FilmSize
	// and the three preferences.
	const Row rows[] = {
		{ "pwrite", 1, true, "RoundStopsMethod", ENOSPC },
		{ "pwrite", 8, true, "Name", ENOSPC },
		{ "pwrite", 51, true, "FieldsBecomeDefaults", ENOSPC },
		{ "pwrite", 5, false, "FocusDistance", ENOSPC },
		{ "fsync", 1, true, "FieldsBecomeDefaults", ENOSPC },
		{ "rename", 1, true, "FieldsBecomeDefaults", EDQUOT },
	};
	for (const Row &row : rows) {
		SCOPED_TRACE(row.call + " " + std::to_string(row.failingCall));
		recorder.messages.clear();
		int calls = 0;
		FaultyFileSystem full;
		full.fault = [&](std::string_view call, const std::string &p) {
			if (call != row.call || (call != "rename" && p.find(".tmp-") == std::string::npos))
				return 0;
			++calls;
			return calls == row.failingCall || (row.persists && calls > row.failingCall) ? row.error : 0;
		};
		saveMarked(path, 2, full);
		EXPECT_EQ(messages(), writeFailure(row.value, kNoSpace));
		if (row.persists) {
			EXPECT_EQ(readFile(path), before);
		} else {
			// The values before the failing one were kept, as the registry
			// keeps them; the file is whole.
			const RegFileReading reading = parseRegFile(readFile(path));
			ASSERT_FALSE(reading.damaged());
			RegFile file = reading.file;
			EXPECT_EQ(findValue(*findKey(file, kProduct), "Aperture")->data, std::string("2.000000\0", 9));
			EXPECT_EQ(findValue(*findKey(file, kProduct), "FocusDistance")->data, std::string("1.000000\0", 9));
			writeFile(path, before);
		}
		EXPECT_EQ(filesIn(folder), (std::vector<std::string>{ "Mirel.reg", "Mirel.reg.lock" }));
	}
}

TEST_F(Faults, AFullDiskForReal)
{
	saveMarked(path, 1);
	const int status = inChild([&] {
		// A 64 KiB tmpfs of this process's own, filled up after one save.
		if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
		    ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") != 0)
			return 77;
		MessageRecorder inner;
		saveMarked(path, 1);
		const std::string before = readFile(path);
		const std::string block(4096, 'f');
		{
			const int filler = ::open((folder + "/filler").c_str(), O_WRONLY | O_CREAT, 0600);
			while (::write(filler, block.data(), block.size()) > 0) {
			}
			::close(filler);
		}
		saveMarked(path, 2);
		if (inner.messages.size() != 1 || inner.messages[0].text.find(kNoSpace) == std::string::npos) {
			std::fprintf(stderr, "messages: %zu %s\n", inner.messages.size(),
				     inner.messages.empty() ? "" : inner.messages[0].text.c_str());
			return 1;
		}
		return readFile(path) == before ? 0 : 2;
	});
	if (status == 77)
		GTEST_SKIP() << "cannot mount a small tmpfs here";
	EXPECT_EQ(status, 0);
}

TEST_F(Faults, AFileThatCannotBeReadIsNeverReplaced)
{
	saveMarked(path, 1);
	const std::string before = readFile(path);
	FaultyFileSystem failing;
	failing.fault = [&](std::string_view call, const std::string &p) { return call == "pread" && p == path ? EIO : 0; };
	saveMarked(path, 2, failing);
	const std::string ioError = "(The request could not be performed because of an I/O device error.)";
	EXPECT_EQ(messages(), (std::vector<std::string>{
				      "Mirel Error: The settings file " + path + " could not be read and is left as it is.\r\n\r\n" + ioError,
				      "Mirel: Could not access registry\r\n\r\n" + ioError }));
	EXPECT_EQ(readFile(path), before);
}

TEST_F(Faults, AFileCutOffAtAnyByteLoadsWhatItHolds)
{
	saveMarked(path, 7);
	const std::string whole = readFile(path);
	for (std::size_t length = 0; length <= whole.size(); ++length) {
		SCOPED_TRACE(length);
		const std::string cut = whole.substr(0, length);
		writeFile(path, cut);
		std::filesystem::remove(path + ".bad");
		recorder.messages.clear();
		{
			RegistrySettingsStorage storage(path);
			loadSettingsAtStartup(&storage);
		}
		// Every value comes from the file or is built in; nothing else.
		const auto builtIn = builtInFilmFormats();
		const CalcSettings &c = currentSettings();
		EXPECT_TRUE(c.FocalLength == 7 || c.FocalLength == 50);
		for (std::size_t i = 0; i < builtIn.size(); ++i)
			EXPECT_TRUE(c.FilmSizes[i].Width == 7 || c.FilmSizes[i].Width == builtIn[i].Width) << i;
		// A cut through a line is reported, and the file kept as it was.
		const bool damaged = parseRegFile(cut).damaged();
		const bool reported = std::any_of(recorder.messages.begin(), recorder.messages.end(),
						  [&](const auto &m) { return m.text.find(path + ".bad.") != std::string::npos; });
		EXPECT_EQ(reported, damaged);
		if (damaged) {
			EXPECT_EQ(readFile(path + ".bad"), cut);
		}
	}
}

TEST_F(Faults, GarbageIsSkippedReportedAndKept)
{
	saveMarked(path, 5);
	const std::string whole = readFile(path);
	std::mt19937 random(20240611);
	for (int trial = 0; trial < 200; ++trial) {
		SCOPED_TRACE(trial);
		// Odd trials overwrite a few bytes anywhere; even ones put a line of
		// garbage between two lines, which must cost no value.
		std::string garbled = whole;
		const bool betweenLines = trial % 2 == 0;
		std::string garbage(betweenLines ? 1 + random() % 40 : 4, '\0');
		for (char &c : garbage)
			c = static_cast<char>(random() % 256);
		if (betweenLines) {
			std::replace(garbage.begin(), garbage.end(), '\n', 'x');
			const std::size_t lineEnd = garbled.find("\r\n", random() % garbled.size());
			garbled.insert(lineEnd == std::string::npos ? garbled.size() : lineEnd + 2, garbage + "\r\n");
		} else {
			for (const char c : garbage)
				garbled[random() % garbled.size()] = c;
		}
		writeFile(path, garbled);
		recorder.messages.clear();
		{
			RegistrySettingsStorage storage(path);
			loadSettingsAtStartup(&storage);
		}
		const RegFileReading reading = parseRegFile(garbled);
		const bool reported = std::any_of(recorder.messages.begin(), recorder.messages.end(),
						  [&](const auto &m) { return m.text.find(path + ".bad.") != std::string::npos; });
		EXPECT_EQ(reported, reading.damaged());
		if (reading.damaged()) {
			EXPECT_EQ(readFile(path + ".bad"), garbled);
		}
		if (betweenLines && markerOf(reading.file)) {
			EXPECT_EQ(currentSettings().FocalLength, 5);
			EXPECT_EQ(currentSettings().FilmSizes[9].CoC, 5);
		}
	}
}

TEST_F(Faults, AFolderInPlaceOfTheFileIsLeftAlone)
{
	saveMarked(path, 1);
	std::filesystem::remove(path);
	std::filesystem::create_directories(path + "/photos");
	saveMarked(path, 2);
	EXPECT_EQ(messages(), (std::vector<std::string>{ "Mirel Error: The settings file " + path +
								 " could not be read and is left as it is.\r\n\r\n(Access is denied.)",
							 "Mirel: Could not access registry\r\n\r\n(Access is denied.)" }));
	EXPECT_EQ(currentSettings().FocalLength, 2); // the run itself goes on
	EXPECT_TRUE(std::filesystem::is_directory(path + "/photos"));
}

TEST_F(Faults, SavesAtTheSameTimeLeaveOneCompleteSave)
{
	saveMarked(path, 0);
	constexpr int kWriters = 3;
	constexpr int kSaves = 20;
	std::vector<pid_t> writers;
	for (int w = 1; w <= kWriters; ++w) {
		const pid_t child = ::fork();
		if (child == 0) {
			MessageRecorder quiet;
			for (int s = 0; s < kSaves; ++s)
				saveMarked(path, w * 1000 + s);
			::_exit(quiet.messages.empty() ? 0 : 1);
		}
		writers.push_back(child);
	}
	// Read while they write: every look finds one whole save.
	int checks = 0;
	std::size_t done = 0;
	while (done < writers.size()) {
		const auto marker = storedMarker(path);
		EXPECT_TRUE(marker.has_value()) << "check " << checks;
		++checks;
		for (pid_t &writer : writers) {
			int status = 0;
			if (writer > 0 && ::waitpid(writer, &status, WNOHANG) == writer) {
				EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a writer saw a failure";
				writer = 0;
				++done;
			}
		}
	}
	const auto final = storedMarker(path);
	ASSERT_TRUE(final.has_value());
	EXPECT_EQ(*final % 1000, kSaves - 1);
	EXPECT_GT(checks, 1);
	EXPECT_EQ(filesIn(folder), (std::vector<std::string>{ "Mirel.reg", "Mirel.reg.lock" }));
}

TEST_F(Faults, ASaveKilledAtAnyMomentLeavesAWholeFile)
{
	saveMarked(path, 0);
	std::mt19937 random(7);
	for (int round = 1; round <= 25; ++round) {
		const pid_t child = ::fork();
		if (child == 0) {
			for (int s = 0;; ++s)
				saveMarked(path, round * 1000 + s);
		}
		std::this_thread::sleep_for(std::chrono::microseconds(200 + random() % 5000));
		::kill(child, SIGKILL);
		::waitpid(child, nullptr, 0);
		const auto marker = storedMarker(path);
		ASSERT_TRUE(marker.has_value()) << "round " << round;
		EXPECT_TRUE(*marker == 0 || *marker / 1000 <= round);
	}
	saveMarked(path, 1);
	EXPECT_EQ(storedMarker(path), 1);
	EXPECT_EQ(filesIn(folder), (std::vector<std::string>{ "Mirel.reg", "Mirel.reg.lock" }));
	EXPECT_TRUE(recorder.messages.empty());
}

} // namespace
} // namespace mirel
