// A user's settings survive what a run meets: a file it could apply only in
// part, another instance saving meanwhile, absurd numbers, and a lock held
// elsewhere. A save merges this run's changes into the file as it is then.
#include "settings/registry_storage.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <csignal>
#include <cstring>
#include <functional>
#include <limits>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/cp1252.h"
#include "core/number_text.h"
#include "settings/film_formats.h"
#include "test_support.h"

namespace mirel {
namespace {

using namespace testing_support;
using Values = std::map<std::string, std::string>;

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

class NothingLost : public SettingsFileTest
{
protected:
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

TEST_F(NothingLost, AFileAppliedInPartKeepsEveryIntactValueAndACopy)
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
	const auto replace = [](std::string_view line, std::string by) {
		return [=](std::string &text) {
			const std::size_t start = text.find(line);
			text.replace(start, text.find("\r\n", start) - start, by);
		};
	};
	const std::string notFound = "(The system cannot find the file specified.)", tooLong = "(More data is available.)";
	const std::string copied = "\r\n\r\nThe file as it was is kept as PATH.bad.";
	const Row rows[] = {
		{ "a missing value", cut("\"Aperture\"", "\"FocusDistance\""), { "Aperture" },
		  "Could not read registry value Aperture\r\n\r\n" + notFound + copied },
		{ "a 20-character name", replace("\"Name\"=\"Pano \xd7 \x80\x9f" "3", "\"Name\"=\"" + std::string(20, 'n') + "\""),
		  { "FilmSizes\\3\\Name" }, "Could not read registry value Name\r\n\r\n" + tooLong + copied },
		{ "a 30-character number", replace("\"FocusDistance\"", "\"FocusDistance\"=\"" + std::string(30, '1') + "\""),
		  { "FocusDistance" }, "Could not read registry value FocusDistance\r\n\r\n" + tooLong + copied },
		{ "a file cut at a line end",
		  [](std::string &text) { text.erase(text.rfind("\"CoC\"")); }, { "FilmSizes\\9\\CoC" },
		  "Could not read registry value CoC\r\n\r\n" + notFound + copied },
		{ "a gap in the film subkeys", cut("[HKEY_CURRENT_USER\\Software\\Talvern\\Mirel\\FilmSizes\\2]", "[HKEY"),
		  { "FilmSizes\\2\\Name", "FilmSizes\\2\\Width", "FilmSizes\\2\\Height", "FilmSizes\\2\\CoC" }, "" },
		{ "a file unreadable at start", [](std::string &) {}, {},
		  "The settings file PATH could not be read and is left as it is.\r\n\r\n(Access is denied.)\r\n\r\n"
		  "When it can be read again, a copy is kept as PATH.bad and this run's changes are saved into it.",
		  true, true },
		{ "a regedit export in UTF-16LE",
		  [](std::string &text) {
			  std::string utf16 = "\xFF\xFE";
			  for (const char c : "Windows Registry Editor Version 5.00" + text.substr(8)) {
				  const char32_t unit = cp1252ToUnicode(static_cast<unsigned char>(c));
				  utf16 += { static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8) };
			  }
			  text = utf16;
		  },
		  {}, "", false },
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
		expected["FocalLength"] = "35.000000" + std::string(1, '\0'); // this run's change

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
		EXPECT_EQ(differences(storedValues(path), expected), std::vector<std::string>{});
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

TEST_F(NothingLost, TwoInstancesSavingInTurnBothKeepTheirChanges)
{
	Values expected = saveUsersFile();
	Instance first(path), second(path);
	first.defaults.Aperture = 4.0;
	first.save();
	second.defaults.FocalLength = 35.0;
	setFilmName(second.defaults.FilmSizes[2], "Wide");
	second.save();
	expected["Aperture"] = std::string("4.000000\0", 9);
	expected["FocalLength"] = std::string("35.000000\0", 10);
	expected["FilmSizes\\2\\Name"] = std::string("Wide\0", 5);
	EXPECT_EQ(differences(storedValues(path), expected), std::vector<std::string>{});
	EXPECT_TRUE(recorder.shown.empty());
}

TEST_F(NothingLost, OnlyNumbersThatReadBackAreSaved)
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
	EXPECT_EQ(differences(storedValues(path), users), std::vector<std::string>{});

	// Whatever a save writes reads back to its own "%f" text, and a number
	// that can be written so is written.
	std::mt19937_64 random(1730);
	for (int save = 0; save < 20; ++save) {
		std::vector<double> numbers;
		run([&] {
			for (auto field : { &CalcSettings::Aperture, &CalcSettings::FocusDistance, &CalcSettings::FocalLength,
					    &CalcSettings::SpotPercent }) {
				std::uint64_t bits = random();
				if (save % 2) // half of them in the range a user might type
					bits = (bits & 0x800FFFFFFFFFFFFF) | (std::uint64_t{ 0x3C0 + random() % 0x90 } << 52);
				double number;
				std::memcpy(&number, &bits, sizeof bits);
				setDefault(field, number);
				numbers.push_back(number);
			}
		});
		const Values stored = storedValues(path);
		const char *names[] = { "Aperture", "FocusDistance", "FocalLength", "SpotPercent" };
		for (std::size_t i = 0; i < numbers.size(); ++i) {
			const std::string text = stored.at(names[i]).c_str();
			EXPECT_EQ(formatFixed(parseNumber(text)), text) << numbers[i];
			const std::string typed = formatFixed(numbers[i]);
			if (std::isfinite(numbers[i]) && typed.size() < 30) {
				EXPECT_EQ(text, typed);
			}
		}
	}
}

TEST_F(NothingLost, TheFileKeepsItsModeAndOwner)
{
	struct Row {
		const char *name;
		mode_t mode; // 0 for no file before the run
		uid_t owner;
		bool replaced;
	};
	const Row rows[] = {
		{ "a read-only file", 0444, ::geteuid(), false },
		{ "a file others may read", 0644, ::geteuid(), true },
		{ "a new file", 0, ::geteuid(), true },
		{ "another user's file, saved by root", 0640, 65534, true },
	};
	for (const Row &row : rows) {
		SCOPED_TRACE(row.name);
		if (row.owner != ::geteuid() && ::geteuid() != 0)
			continue; // only root may give a file to someone else
		saveUsersFile();
		if (row.mode == 0)
			std::filesystem::remove(path);
		else if (::chmod(path.c_str(), row.mode) != 0 || ::chown(path.c_str(), row.owner, row.owner) != 0)
			FAIL() << "could not prepare the file";
		const std::string before = readFile(path);
		recorder.shown.clear();
		run([] { setDefault(&CalcSettings::FocalLength, 35.0); });
		struct stat status {};
		ASSERT_EQ(::stat(path.c_str(), &status), 0);
		EXPECT_EQ(status.st_mode & 0777, row.mode ? row.mode : 0600);
		EXPECT_EQ(status.st_uid, row.owner);
		EXPECT_EQ(storedValues(path).at("FocalLength") == std::string("35.000000\0", 10), row.replaced);
		EXPECT_EQ(recorder.shown, row.replaced ? std::vector<std::string>{}
						       : std::vector<std::string>{ "Mirel Error: Could not write registry value "
										   "RoundStopsMethod\r\n\r\n(Access is denied.)\r\n\r\n"
										   "The settings file " + path + " was not changed." });
		EXPECT_TRUE(row.replaced || readFile(path) == before);
	}
}

// Waits, in the test process, for what the other process signals; a save
// that then hangs ends the test rather than hanging it.
class OtherProcess
{
public:
	// other runs in a child; it calls ready() once it is where it means to
	// be, and waitForRelease() to stay there until the test is done.
	explicit OtherProcess(std::function<void(const std::function<void()> &ready,
						const std::function<void()> &waitForRelease)>
				      other)
	{
		if (::pipe(ready_) != 0 || ::pipe(release_) != 0)
			throw std::runtime_error("pipe failed");
		child_ = ::fork();
		if (child_ == 0) {
			std::signal(SIGPIPE, SIG_IGN); // ready() again once the test has gone on
			::close(ready_[0]);
			::close(release_[1]);
			other([this] { (void)!::write(ready_[1], "r", 1); },
			      [this] {
				      char c;
				      (void)!::read(release_[0], &c, 1);
			      });
			::_exit(0);
		}
		::close(ready_[1]);
		::close(release_[0]);
		char c;
		(void)!::read(ready_[0], &c, 1);
	}
	~OtherProcess()
	{
		::close(release_[1]);
		::close(ready_[0]);
		::waitpid(child_, nullptr, 0);
	}

private:
	int ready_[2];
	int release_[2];
	pid_t child_;
};

TEST_F(NothingLost, ASaveNeverWaitsLongForTheLock)
{
	const std::pair<const char *, std::function<void(const std::function<void()> &, const std::function<void()> &)>>
		rows[] = {
			{ "another process holds the lock",
			  [&](const auto &ready, const auto &waitForRelease) {
				  const int fd = ::open((path + ".lock").c_str(), O_RDWR | O_CREAT, 0600);
				  ::flock(fd, LOCK_EX);
				  ready();
				  waitForRelease();
			  } },
			{ "another Mirel shows a box during its save",
			  [&](const auto &ready, const auto &waitForRelease) {
				  setMessageBoxHandler([&](std::string_view, std::string_view) {
					  ready();
					  waitForRelease();
				  });
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
	for (const auto &[name, other] : rows) {
		SCOPED_TRACE(name);
		OtherProcess holder(other);
		::alarm(30);
		run([] { setDefault(&CalcSettings::FocalLength, 35.0); });
		::alarm(0);
		EXPECT_EQ(storedValues(path).at("FocalLength"), std::string("35.000000\0", 10));
		EXPECT_TRUE(recorder.shown.empty());
	}
}

} // namespace
} // namespace mirel
