#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings/message_box.h"
#include "settings/reg_file.h"
#include "settings/registry_storage.h"

namespace mirel::testing_support {

// A fresh folder below the system's temporary folder, removed at the end of the test.
class TempDir
{
public:
	TempDir() : path_((std::filesystem::temp_directory_path() / "mirel-test-XXXXXX").string())
	{
		if (!::mkdtemp(path_.data()))
			throw std::runtime_error("mkdtemp failed");
	}
	~TempDir() { std::filesystem::remove_all(path_, ignored_); }
	TempDir(const TempDir &) = delete;

	const std::string &path() const { return path_; }

private:
	std::string path_;
	std::error_code ignored_;
};

// Switches the C library to de_DE.UTF-8, whose decimal separator is the
// comma, generated into folder when the system lacks it (the locale sources
// come with the package "locales"). False when there is none to be had.
inline bool useCommaLocale(const std::string &folder)
{
	if (std::setlocale(LC_ALL, "de_DE.UTF-8"))
		return true;
	const std::string generate = "localedef -i de_DE -f UTF-8 " + folder + "/de_DE.UTF-8";
	[[maybe_unused]] const int status = std::system(generate.c_str()); // warnings give 1
	::setenv("LOCPATH", folder.c_str(), 1);
	return std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
}

inline std::string readFile(const std::string &path)
{
	std::ostringstream text;
	text << std::ifstream(path, std::ios::binary).rdbuf();
	return text.str();
}

inline void writeFile(const std::string &path, std::string_view text)
{
	std::ofstream(path, std::ios::binary).write(text.data(), static_cast<std::streamsize>(text.size()));
}

inline std::vector<std::string> filesIn(const std::string &folder)
{
	std::vector<std::string> names;
	for (const auto &entry : std::filesystem::directory_iterator(folder))
		names.push_back(entry.path().filename().string());
	std::ranges::sort(names);
	return names;
}

// Records every message box shown while it exists, as "caption: text".
class MessageRecorder
{
public:
	MessageRecorder()
		: previous_(setMessageBoxHandler([this](std::string_view caption, std::string_view text) {
			  shown.push_back(std::string(caption) + ": " + std::string(text));
		  }))
	{
	}
	~MessageRecorder() { setMessageBoxHandler(std::move(previous_)); }
	MessageRecorder(const MessageRecorder &) = delete;

	std::vector<std::string> shown;

private:
	MessageBoxHandler previous_;
};

// Every stored field away from its built-in value, as a user's own settings.
inline void customiseEveryField(CalcSettings &c, StartupPrefs &prefs)
{
	prefs = { false, 3, true };
	c.RoundStopsMethod = 2;
	c.RoundOtherMethod = 1;
	c.LengthUnit = LengthUnit::Feet;
	c.Aperture = 5.6;
	c.FocusDistance = 2500.25;
	c.FocalLength = 85.0;
	c.SpotPercent = 1.5;
	for (int i = 0; i < kFilmFormatCount; ++i) {
		FilmFormat &format = c.FilmSizes[static_cast<std::size_t>(i)];
		setFilmName(format, "Pano \xd7 \x80\x9f" + std::to_string(i));
		format.Width = 170.5 + i;
		format.Height = 0.125 * i;
		format.CoC = 0.1 / (i + 1); // in use is the suggestion, not this
	}
	c.FilmSize = 7;
}

// Every value below the product key, as "subkey\name" (just "name" in the
// product key itself) and its data: a text without its terminator, other
// data in hex.
using Values = std::map<std::string, std::string>;

inline Values storedValues(const std::string &path)
{
	const std::string product = "HKEY_CURRENT_USER\\Software\\Talvern\\Mirel";
	Values values;
	for (const RegKeyRecord &key : parseRegFile(readFile(path)).file.keys) {
		const std::string subkey =
			key.path.size() > product.size() ? key.path.substr(product.size() + 1) + "\\" : "";
		for (const RegValue &value : key.values) {
			std::string &data = values[subkey + value.name];
			if (value.data.find('\0') + 1 == value.data.size())
				data = value.data.substr(0, value.data.size() - 1);
			else
				for (const unsigned char byte : value.data)
					data += "0123456789abcdef"[byte >> 4] +
						std::string(1, "0123456789abcdef"[byte & 15]);
		}
	}
	return values;
}

// Fails with each value that the file at path and expected hold
// differently, as each holds it.
inline void expectStored(const std::string &path, const Values &expected)
{
	std::vector<std::pair<std::string, std::string>> differences;
	std::ranges::set_symmetric_difference(storedValues(path), expected, std::back_inserter(differences));
	EXPECT_EQ(differences, decltype(differences){});
}

// Runs body in a child process and returns the boxes it showed. body
// returns false when it could not set up what it needed; the result is then
// empty and notMade set.
struct ChildRun {
	bool notMade = false;
	bool exited = false; // normally: not killed by a signal
	std::vector<std::string> shown;
};

inline ChildRun inChild(const std::function<bool()> &body)
{
	int pipe[2];
	if (::pipe(pipe) != 0)
		throw std::runtime_error("pipe failed");
	const pid_t child = ::fork();
	if (child == 0) {
		::close(pipe[0]);
		std::vector<std::string> shown;
		{
			MessageRecorder recorder;
			if (!body())
				::_exit(77);
			shown = recorder.shown;
		}
		for (const std::string &text : shown)
			if (::write(pipe[1], text.c_str(), text.size() + 1) < 0)
				::_exit(1);
		::_exit(0);
	}
	::close(pipe[1]);
	std::string received;
	char buffer[4096];
	for (ssize_t got; (got = ::read(pipe[0], buffer, sizeof buffer)) > 0;)
		received.append(buffer, static_cast<std::size_t>(got));
	::close(pipe[0]);
	int status = 0;
	::waitpid(child, &status, 0);
	ChildRun run;
	run.notMade = WIFEXITED(status) && WEXITSTATUS(status) == 77;
	run.exited = WIFEXITED(status) && WEXITSTATUS(status) == 0;
	for (std::size_t start = 0, end; (end = received.find('\0', start)) != std::string::npos; start = end + 1)
		run.shown.push_back(received.substr(start, end - start));
	return run;
}

// As root, hands the tree at top to the user nobody and becomes nobody, so
// that file modes bind; for other users it does nothing. For a child
// process only.
inline bool becomeUnprivileged(const std::string &top)
{
	if (::geteuid() != 0)
		return true;
	std::error_code error;
	for (const auto &entry : std::filesystem::recursive_directory_iterator(top, error))
		if (::lchown(entry.path().c_str(), 65534, 65534) != 0)
			return false;
	return !error && ::chown(top.c_str(), 65534, 65534) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
}

// The settings file in a folder the first save makes, and the boxes shown.
class SettingsFileTest : public ::testing::Test
{
protected:
	TempDir dir;
	const std::string folder = dir.path() + "/.config/Talvern";
	const std::string path = folder + "/Mirel.reg";
	MessageRecorder recorder;

	// One run of the program: load, whatever the user does, save.
	void run(const std::function<void()> &use = {}, bool save = true)
	{
		RegFileStore store(path);
		const RegistryBinding binding(settingsKey, store);
		RegistrySettingsStorage storage(settingsKey, store);
		loadSettingsAtStartup(&storage);
		if (use)
			use();
		if (save)
			saveSettingsAtExit(&storage);
	}
	void load() { run({}, false); }
};

} // namespace mirel::testing_support
