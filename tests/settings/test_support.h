#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings/message_box.h"
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
		RegistrySettingsStorage storage(path);
		loadSettingsAtStartup(&storage);
		if (use)
			use();
		if (save)
			saveSettingsAtExit(&storage);
	}
	void load() { run({}, false); }
};

} // namespace mirel::testing_support
