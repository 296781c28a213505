#pragma once

#include <sys/stat.h>

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "settings/file_safety/file_lock.h"
#include "settings/model/film_formats.h"
#include "settings/storage/registry_storage.h"
#include "testing/message_recorder.h"
#include "testing/scratch_files.h"

namespace mirel::testing {

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

	static struct stat statusOf(const std::string &path)
	{
		struct stat status {};
		EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
		return status;
	}

	// As the Defaults dialog stores a value: in both records.
	static void setDefault(double CalcSettings::*field, double value)
	{
		defaultSettings().*field = currentSettings().*field = value;
	}
};

} // namespace mirel::testing
