#pragma once

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings/messages/message_box.h"
#include "settings/model/film_formats.h"
#include "settings/regedit4/reg_file.h"
#include "settings/storage/registry_storage.h"

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

inline std::string readFile(const std::string &path) // "" when there is none
{
	std::ostringstream text;
	text << std::ifstream(path, std::ios::binary).rdbuf();
	return text.str();
}

inline void writeFile(const std::string &path, std::string_view text)
{
	std::ofstream(path, std::ios::binary) << text;
}

inline std::vector<std::string> filesIn(const std::string &folder) // by name
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

// The settings file in a folder the first save makes, and the boxes shown.
class SettingsFileTest : public ::testing::Test
{
protected:
	TempDir dir;
	const std::string folder = dir.path() + "/.config/Talvern";
	const std::string path = folder + "/Mirel.reg";
	MessageRecorder recorder;
	SaveClock *clock = &steadyClock(); // the one saves wait by

	// One run of the program: load, whatever the user does, save.
	void run(const std::function<void()> &use = {}, bool save = true)
	{
		RegFileStore store(path, *clock);
		const RegistryBinding binding(settingsKey, store);
		RegistrySettingsStorage storage(settingsKey, store);
		loadSettingsAtStartup(&storage);
		if (use)
			use();
		if (save)
			saveSettingsAtExit(&storage);
	}
	void load() { run({}, false); }

	// A run that sets every stored field away from its built-in value, as a
	// user's own settings. Their records stay loaded.
	void saveUsersFile()
	{
		run([] {
			startupPrefs() = { false, 3, true };
			CalcSettings &c = currentSettings();
			c.RoundStopsMethod = 2;
			c.RoundOtherMethod = 1;
			c.LengthUnit = LengthUnit::Feet;
			c.Aperture = 5.6;
			c.FocusDistance = 2500.25;
			c.FocalLength = 85.0;
			c.SpotPercent = 1.5;
			for (int i = 0; i < kFilmFormatCount; ++i) {
				FilmFormat &format = c.FilmSizes[static_cast<std::size_t>(i)];
				setFilmName(format, "\x80\x9f Pano \xd7 " + std::to_string(i));
				format.Width = 170.5 + i;
				format.Height = 0.125 * i;
				format.CoC = 0.1 / (i + 1); // in use is the suggestion, not this
			}
			c.FilmSize = 7;
		});
	}

	// As the Defaults dialog stores a value: in both records.
	static void setDefault(double CalcSettings::*field, double value)
	{
		defaultSettings().*field = currentSettings().*field = value;
	}
};

} // namespace mirel::testing_support
