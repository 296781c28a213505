// What a save writes and when: nothing when nothing changed; this run's
// changes merged into what another instance saved, however long that one
// took, or both versions kept when it took too long; never over a file
// that changed since it was read; and no lock file left behind.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>

#include "testing/settings_file_test.h"
#include "testing/stepping_clock.h"

namespace mirel {
namespace {

using namespace std::chrono_literals;
using namespace testing;

// A number or name as stored in the settings file's text.
std::string storedText(const std::string &text, const std::string &name)
{
	const std::size_t start = text.find("\"" + name + "\"=\"");
	if (start == std::string::npos)
		return {};
	const std::size_t value = start + name.size() + 4;
	return text.substr(value, text.find('"', value) - value);
}

class Saving : public SettingsFileTest
{
protected:
	SteppingClock steppingClock;
	const std::string lockPath = path + ".lock";

	void SetUp() override { clock = &steppingClock; }

	// The file as another program that read it now would save it with
	// Aperture set to value.
	std::string withAperture(const std::string &value) const
	{
		std::string text = readFile(path);
		const std::size_t start = text.find("\"Aperture\"=\"") + 12;
		text.replace(start, text.find('"', start) - start, value);
		return text;
	}
	// text written in place of the file as another program does: to a file
	// of its own, renamed over it.
	void saveInPlace(const std::string &text)
	{
		writeFile(path + ".other", text);
		ASSERT_EQ(::rename((path + ".other").c_str(), path.c_str()), 0);
	}
};

TEST_F(Saving, AnExitWithNothingChangedWritesNothingAChangeWritesOnce)
{
	saveUsersFile();
	const struct stat before = statusOf(path);
	const std::string text = readFile(path);
	run(); // the values as loaded, merged with the file's: all the same
	const struct stat after = statusOf(path);
	EXPECT_EQ(after.st_ino, before.st_ino);
	EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
	EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
	EXPECT_TRUE(readFile(path) == text);

	run([] { setDefault(&CalcSettings::FocalLength, 35.0); });
	EXPECT_NE(statusOf(path).st_ino, before.st_ino); // a new file, renamed into place
	EXPECT_EQ(storedText(readFile(path), "FocalLength"), "35.000000");
	EXPECT_EQ(storedText(readFile(path), "Aperture"), "5.600000");       // the user's, kept
	EXPECT_EQ(filesIn(folder), std::vector<std::string>{ "Mirel.reg" }); // no lock file left
	EXPECT_TRUE(recorder.shown.empty());
}

TEST_F(Saving, ASlowSaveOfAnotherInstanceIsWaitedForAndMergedOrBothVersionsAreKept)
{
	struct Row {
		std::chrono::milliseconds otherTakes; // holding the lock, before it renames its file in place
		bool merged;
	};
	const Row rows[] = { { 4s, true }, { 10s, true }, { 14s, true }, { 20s, false } };
	for (const Row &row : rows) {
		SCOPED_TRACE(row.otherTakes.count());
		std::filesystem::remove_all(folder);
		run();
		const std::string first = readFile(path);
		recorder.shown.clear();
		// The other instance's save has begun: it holds the lock, has read
		// the file, and renames its own, with its change, in place when it is
		// done.
		const int held = ::open(lockPath.c_str(), O_RDWR | O_CREAT, 0600);
		ASSERT_EQ(::flock(held, LOCK_EX), 0);
		const std::string others = withAperture("4.000000");
		steppingClock.after(row.otherTakes, [&] {
			saveInPlace(others);
			::unlink(lockPath.c_str());
			::close(held);
		});
		run([] { setDefault(&CalcSettings::FocalLength, 35.0); });
		steppingClock.sleepFor(30s); // a save that outlasts this one ends

		const std::string saved = readFile(path);
		EXPECT_EQ(storedText(saved, "Aperture"), "4.000000"); // the other's change
		if (row.merged) {
			EXPECT_EQ(storedText(saved, "FocalLength"), "35.000000"); // and this one's
			EXPECT_TRUE(recorder.shown.empty());
			continue;
		}
		// This run's version, with its change, beside the file.
		const std::string unsaved = readFile(path + ".unsaved");
		EXPECT_EQ(storedText(unsaved, "FocalLength"), "35.000000");
		EXPECT_EQ(storedText(unsaved, "Aperture"), storedText(first, "Aperture"));
		EXPECT_EQ(recorder.shown,
			  std::vector<std::string>{
				  "Mirel Error: This run's settings could not be merged into the settings file " +
				  path +
				  ": for 15 seconds another program kept it busy or changed it.\r\n\r\nSo that neither "
				  "is lost, the settings file is left as the other saves it, and this run's settings "
				  "are kept as " +
				  path + ".unsaved. To use them instead, put that file in its place." });
	}
}

TEST_F(Saving, AVersionKeptBesideNeverReplacesAnEarlierOne)
{
	run();
	writeFile(path + ".unsaved", "kept from an earlier run");
	const int held = ::open(lockPath.c_str(), O_RDWR | O_CREAT, 0600);
	ASSERT_EQ(::flock(held, LOCK_EX), 0); // by an instance that hangs
	run([] { setDefault(&CalcSettings::FocalLength, 35.0); });
	::close(held);
	EXPECT_EQ(readFile(path + ".unsaved"), "kept from an earlier run");
	EXPECT_EQ(storedText(readFile(path + ".unsaved-2"), "FocalLength"), "35.000000");
	ASSERT_EQ(recorder.shown.size(), 1u);
	EXPECT_NE(recorder.shown[0].find(path + ".unsaved-2."), std::string::npos) << recorder.shown[0];
}

// The store, with something happening while it writes a value.
class StoreWithAHook : public RegFileStore
{
public:
	StoreWithAHook(const std::string &path, SaveClock &clock, std::function<void(std::string_view name)> hook)
		: RegFileStore(path, clock), hook_(std::move(hook))
	{
	}
	RegResult setValue(RegKey key, std::string_view name, RegType type, const void *data,
			   std::uint32_t size) override
	{
		hook_(name);
		return RegFileStore::setValue(key, name, type, data, size);
	}

private:
	std::function<void(std::string_view name)> hook_;
};

TEST_F(Saving, AFileChangedBetweenItsReadingAndItsReplacingIsReadAndMergedAgain)
{
	// Another program that takes no lock changes the file while this run
	// saves: in place, with its size and time as they were, so that only
	// its contents tell; or by renaming a file of its own over it.
	const std::function<void()> changes[] = {
		[this] {
			const struct stat before = statusOf(path);
			std::string text = readFile(path);
			text.replace(text.find("\"Aperture\"=\"5.600000\""), 21, "\"Aperture\"=\"4.000000\"");
			const int fd = ::open(path.c_str(), O_WRONLY);
			ASSERT_EQ(::pwrite(fd, text.data(), text.size(), 0), static_cast<ssize_t>(text.size()));
			const struct timespec times[2] = { before.st_atim, before.st_mtim };
			ASSERT_EQ(::futimens(fd, times), 0);
			::close(fd);
		},
		[this] { saveInPlace(withAperture("4.000000")); },
	};
	for (const auto &change : changes) {
		std::filesystem::remove_all(folder);
		saveUsersFile();
		bool changed = false;
		StoreWithAHook store(path, steppingClock, [&](std::string_view name) {
			if (name == "FieldsBecomeDefaults" && !std::exchange(changed, true))
				change(); // at the last value of the first attempt
		});
		const RegistryBinding binding(settingsKey, store);
		RegistrySettingsStorage storage(settingsKey, store);
		loadSettingsAtStartup(&storage);
		setDefault(&CalcSettings::FocalLength, 35.0);
		saveSettingsAtExit(&storage);
		const std::string saved = readFile(path);
		EXPECT_EQ(storedText(saved, "Aperture"), "4.000000");
		EXPECT_EQ(storedText(saved, "FocalLength"), "35.000000");
		EXPECT_TRUE(recorder.shown.empty());
	}
}

TEST_F(Saving, ASaveWaitingForTheLockTakesItAgainWhenItsHolderRemovedTheFile)
{
	run();
	// Another instance holds the lock; as it lets go it removes the lock
	// file, as every instance does. This save, which opened that file to
	// wait on it, must lock the file now at the name, or a third instance
	// could take the lock at the same time.
	const int held = ::open(lockPath.c_str(), O_RDWR | O_CREAT, 0600);
	ASSERT_EQ(::flock(held, LOCK_EX), 0);
	steppingClock.after(1s, [&] {
		::unlink(lockPath.c_str());
		::close(held);
	});
	std::vector<bool> lockedAtTheName; // while this save writes
	StoreWithAHook store(path, steppingClock, [&](std::string_view name) {
		if (name != "RoundStopsMethod")
			return;
		const int fd = ::open(lockPath.c_str(), O_RDWR);
		lockedAtTheName.push_back(fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0);
		::close(fd);
	});
	const RegistryBinding binding(settingsKey, store);
	RegistrySettingsStorage storage(settingsKey, store);
	loadSettingsAtStartup(&storage);
	saveSettingsAtExit(&storage);
	EXPECT_EQ(lockedAtTheName, std::vector<bool>{ true });
	EXPECT_EQ(filesIn(folder), std::vector<std::string>{ "Mirel.reg" });
}

} // namespace
} // namespace mirel
